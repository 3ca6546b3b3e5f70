#ifndef PARTWRIGHTPI_H
#define PARTWRIGHTPI_H

#include "LxiInterfaces.h"

#include <QObject>

class PartwrightDlg;
class QAction;

// The plug-in object: the host's menu action and the interfaces it calls.
class PartwrightPI : public QObject,
                     public OrvikInterface::LxiStartup,
                     public OrvikInterface::LxiActions,
                     public OrvikInterface::LxiDatabasePersist,
                     public OrvikInterface::LxiPartwright
{
    Q_OBJECT
    Q_INTERFACES(OrvikInterface::LxiStartup OrvikInterface::LxiActions OrvikInterface::LxiDatabasePersist
                     OrvikInterface::LxiPartwright)
public:
    PartwrightPI();
    ~PartwrightPI() override;

    // LxiUnknown
    void addRef() override;
    void release() override;
    OrvikInterface::LxiResult queryInterface(const QString& name, void** object) override;
    int referenceCount() const { return m_references; }
    // The sub-object for the class name or an interface name; null otherwise.
    void* castTo(const QString& name);

    // LxiStartup
    void startup() override {}
    void initialized() override {}
    void shutdown() override {}

    // LxiActions
    QAction* getAction(const QString& name) override;
    QWidget* createWidget(const QString& argument) override;

    // LxiDatabasePersist
    bool load(const QString&) override { return true; }
    bool save(const QString&) override { return true; }
    void close(const QString&) override {}

    // LxiPartwright
    bool editModel(QWidget* parent, const QString& fileName, const QString& referencePath, bool viewOnly) override;
    bool editModelFile(QWidget* parent, QString& fileName, bool viewOnly) override;
    bool openModel(const QString& fileName, bool viewOnly) override;

public slots:
    void slotLaunchPartwright();

private:
    struct EditRequest
    {
        QWidget* parent = nullptr;
        QString fileName;
        const QString* referencePath = nullptr;
        bool viewOnly = false;
        QString* fileNameOut = nullptr;
    };
    bool runEdit(const EditRequest& request);
    void setUpEditStart(PartwrightDlg* dlg, const EditRequest& request);
    static void registerHelp(PartwrightDlg* dlg);
    static void waitForCompletion(PartwrightDlg* dlg, int passMs);

    qint32 m_references = 1;
    QAction* m_action = nullptr;
};

#endif
