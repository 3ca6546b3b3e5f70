#ifndef PARTWRIGHTDLG_H
#define PARTWRIGHTDLG_H

#include "PWEditState.h"
#include "PartwrightForm.h"

#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QProcess;
class PWHeaderPage;
class PWLogicPartsPage;
class PWModelFile;
class PWPackagePage;
class PWPassivePage;
class PWReportExport;
class PWWizardContext;

// The window flags every wizard is made with: a customised top-level window
// with border, title, system menu, minimise and maximise buttons.
constexpr Qt::WindowFlags kPartwrightWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

// The Partwright wizard: creates or edits one device model.
class PartwrightDlg : public PartwrightForm
{
    Q_OBJECT
public:
    enum EditMode { NoMode = 0, EditExisting = 1, CreateNew = 2 };
    enum Category { NoCategory = 0, Passive = 1, Logic = 2, MemoryTest = 3, MemoryProgram = 4 };
    enum MenuItem { MenuNew, MenuOpen, MenuSave, MenuSaveAs, MenuExport, MenuItemCount };

    // Modal exactly when fileName is not a null string; fileName becomes the
    // proposed file path.
    PartwrightDlg(QWidget* parent, const QString& name, const QString& fileName,
                  Qt::WindowFlags flags = kPartwrightWindowFlags);
    ~PartwrightDlg() override;

    // How the wizard ended; the launcher clears and polls them.
    bool finishedFlag() const { return m_finished; }
    bool closedFlag() const { return m_closed; }
    void clearCompletionFlags() { m_finished = m_closed = false; }

    void setModelLibPath(const QString& path) { m_modelLibPath = path; }
    QString modelLibPath() const { return m_modelLibPath; }
    void setModelFileName(const QString& file);
    QString modelFileName() const { return m_modelFileName; }
    void setProposedFilePath(const QString& path) { m_proposedFilePath = path; }
    // After a cancelled open dialog no file is named, neither as edited nor as proposed.
    void clearModelFile()
    {
        m_modelFileName = QString();
        m_proposedFilePath = QString();
    }
    QString proposedFilePath() const { return m_proposedFilePath; }
    void setHostFile(bool hostFile) { m_hostFile = hostFile; }
    bool hostFile() const { return m_hostFile; }
    void setViewOnly(bool viewOnly) { m_viewOnly = viewOnly; }
    bool viewOnly() const { return m_viewOnly; }

    int editMode() const { return m_editMode; }
    int deviceCategory() const { return m_deviceCategory; }
    QString deviceCategoryName() const { return m_deviceCategoryName; }

    // The host's database folder, asked for when a file name is proposed.
    static void setDatabasePathProvider(std::function<QString()> provider);

    // A file was converted into the model: the category it holds is taken over
    // and, when the conversion succeeded, the model is edited as an existing one.
    void takeLoadedCategory(int category, bool converted);

    bool proposeFileName(const QString& deviceId);
    bool readDeviceCategory();
    void updatePageSet();
    void updateCategoryButtons(int category);
    void updateEditState(int category);
    void updateCaption();
    void resetModel();

    PWEditState& editState() { return m_editState; }
    PWWizardContext& context() { return *m_context; }
    PWHeaderPage* headerPage() const { return m_headerPage; }
    PWPackagePage* packagePage() const { return m_packagePage; }
    PWLogicPartsPage* logicPage() const { return m_logicPage; }
    PWPassivePage* passivePage() const { return m_passivePage; }
    PWModelFile* modelFile() const { return m_modelFile; }
    // Stores every edited passive item and builds the passive model into
    // modelFile()->document(); false (after its message, if any) when it cannot.
    bool buildPassiveModel();
    QMenuBar* menuBar() const { return m_menuBar; }
    QAction* menuAction(MenuItem item) const { return m_menuItems[item]; }
    // The viewer process of the last help request; null before the first.
    QProcess* helpProcess() const;

    // Every editor stores the item it shows into the model.
    void storeEditors();
    // What builds a passive model's document for the report; without it a
    // passive report has no model information.
    void setPassiveReportBuilder(std::function<bool()> builder);
    // The text report of a logic device.
    virtual QStringList textReport();

    // Asks through the wizard's prompter, captioned "Partwright".
    void showInformation(const QString& text);
    bool askYesNo(const QString& question);

public slots:
    void next() override;
    void back() override;
    void accept() override;
    void reject() override;

    void slotModelTypeChanged();
    void slotOpenExistingTextChanged(const QString& text);
    void slotDeviceSelected();
    void slotDeviceIdTextChanged(const QString& text);
    void slotMenuFileNew();
    void slotMenuFileExport();
    void slotMenuFileQuit();
    void slotMenuHelpContents();
    void slotMenuHelpIndex();
    void slotMenuHelpAbout();

signals:
    // Emitted by resetModel so that every editor empties itself.
    void modelReset();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

    // Saving a passive or logic model; false until a model can be built.
    virtual bool buildAndSave();
    // Loading the file named on page 0 and converting it; false when it fails,
    // *error then holds the conversion's text (empty for a plain read failure).
    virtual bool loadAndConvert(const QString& fileName, QString* error);

private:
    void buildMenuBar();
    void openHelpPage(const QString& relativePage);
    void checkDevicePageComplete();
    void setCategoryRadio(QRadioButton* radio, bool enabled, bool checked);
    void setAllPageTitles(const QString& title);
    void createLogicPages();
    void createPassivePage();
    void connectModelFile();
    // Next from the package page: stores the package and refreshes the pin list when marked.
    void leavePackagePage();
    // The editors read the category and read-only mode from the shared context.
    void syncContext();
    // Stores the tab shown and checks the logic parts; false to stay on the page.
    bool leaveLogicPage();

    bool m_finished = false;
    bool m_closed = false;
    bool m_hostFile = false;
    bool m_viewOnly = false;
    int m_editMode = NoMode;
    int m_deviceCategory = NoCategory;
    QString m_deviceCategoryName;
    QString m_modelFileName;
    QString m_proposedFilePath;
    QString m_modelLibPath;

    PWEditState m_editState;
    QMenuBar* m_menuBar = nullptr;
    QAction* m_menuItems[MenuItemCount] = {};
    QPointer<QProcess> m_helpProcess;
    std::unique_ptr<PWWizardContext> m_context;
    PWHeaderPage* m_headerPage = nullptr;
    PWPackagePage* m_packagePage = nullptr;
    PWLogicPartsPage* m_logicPage = nullptr;
    PWPassivePage* m_passivePage = nullptr;
    PWModelFile* m_modelFile = nullptr;
    std::unique_ptr<PWReportExport> m_reportExport;
};

#endif
