#ifndef MODELLIBRARYPANEL_H
#define MODELLIBRARYPANEL_H

#include "ModelLibraryScanner.h"

#include <QTimer>
#include <QWidget>

class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace OrvikInterface {
class OrvikHost;
}

// The host's view of its model library: every .model file with its device id,
// category and time, opened for editing or viewing through the plug-in.
class ModelLibraryPanel : public QWidget
{
    Q_OBJECT
public:
    enum Column { NameColumn, DeviceColumn, CategoryColumn, ModifiedColumn };

    ModelLibraryPanel(OrvikInterface::OrvikHost& host, const QString& root, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    QString selectedFile() const;

public slots:
    void refresh();
    void editSelected();
    void viewSelected();

signals:
    // The wizard ran on file; ok when it finished rather than being cancelled.
    void modelEdited(const QString& file, bool ok);

private:
    void open(bool viewOnly);
    void watchFolders();
    void updateButtons();

    OrvikInterface::OrvikHost& m_host;
    QString m_root;
    ModelLibraryScanner m_scanner;
    QTreeWidget* m_list;
    QLabel* m_summary;
    QPushButton* m_edit;
    QPushButton* m_view;
    QFileSystemWatcher* m_watcher;
    QTimer m_refreshLater;
};

#endif
