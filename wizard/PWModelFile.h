#ifndef PWMODELFILE_H
#define PWMODELFILE_H

#include "LxLibTypes.h"

#include <QObject>
#include <QList>
#include <QString>

#include <memory>

class PartwrightDlg;

namespace lxlib {
class LxLibInfo;
class LxLibPassiveComponent;
} // namespace lxlib

// The wizard's model file: the open and save dialogs, reading a file and
// filling the editors from it, building the document of the edited model and
// writing it. Owns the library document of the file loaded or saved last.
class PWModelFile : public QObject
{
    Q_OBJECT
public:
    explicit PWModelFile(PartwrightDlg* dialog);
    ~PWModelFile() override;

    lxlib::LxLibInfo* document() const { return m_document.get(); }
    QString libraryErrorText() const { return m_libraryError; }

    // The open dialog; the name chosen, empty when cancelled (which forgets the model file).
    QString openDialog();
    bool loadDocument(const QString& fileName);
    bool loadModelFile(const QString& fileName);
    // Fills the editors from the loaded document; error may stay empty on failure.
    bool convertDocument(QString& error);
    void warnUnsupportedFeatures();
    // Load, take the name, reset and convert, as Next from the first page does;
    // on failure error holds the text to show, empty when the file could not be read.
    bool loadAndConvert(const QString& fileName, QString& error);

    bool buildAndSave();
    bool saveLogicModel();
    // A fresh document of the passive parts given, in the model's name; false
    // after its message, or silently when there is no part.
    bool buildPassiveModel(const QList<const lxlib::LxLibPassiveComponent*>& parts);
    bool saveModelFile();

    static QString openFilter();
    static QString saveFilter();

public slots:
    bool slotOpenFileDialog();
    bool slotSaveModel();
    void slotMenuFileOpen();
    void slotMenuFileSave();
    void slotMenuFileSaveAs();
    void slotSaveLxLibErrorMessage(const lxlib::Message& message);

signals:
    // Every editor stores the item it shows into the model (before a save).
    void storeEditors();
    // The model was replaced by a loaded one; the editors show it.
    void modelLoaded();

private:
    void newDocument(const QString& fileName);
    // Replaces the document by an empty one for the model's name, with the
    // aliases of the one it replaces and the header page.
    void startSavedDocument();
    void showInformation(const QString& text) const;

    PartwrightDlg* m_dialog;
    std::unique_ptr<lxlib::LxLibInfo> m_document;
    QString m_libraryError;
};

#endif
