#include "PartwrightPI.h"

#include "PWFolderPath.h"
#include "PWHostAccess.h"
#include "PWImages.h"
#include "PartwrightDlg.h"
#include "PartwrightPIFactory.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace OrvikInterface;

PartwrightPI::PartwrightPI()
{
    setObjectName(QStringLiteral("PartwrightPI"));
    m_action = new QAction(QIcon(lxImage(QStringLiteral("PWpartwright.png"))),
                           QCoreApplication::translate("PartwrightPI", "&Partwright Wizard"), this);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_action->setObjectName(QStringLiteral("Partwright"));
    m_action->setToolTip(QCoreApplication::translate("PartwrightPI", "actionPartwright"));
    m_action->setEnabled(true);
    connect(m_action, &QAction::triggered, this, &PartwrightPI::slotLaunchPartwright);
    // The wizard asks the host for its database folder when proposing a file name.
    PartwrightDlg::setDatabasePathProvider([] {
        QString path;
        if (auto* db = requestHostInterface<LxiDatabase>(QStringLiteral("LxiDatabase"))) {
            path = db->databasePath();
            db->release();
        }
        return path;
    });
}

PartwrightPI::~PartwrightPI()
{
    PartwrightPIFactory::forgetInstance(this);
}

void PartwrightPI::addRef()
{
    ++m_references;
}

void PartwrightPI::release()
{
    if (--m_references == 0)
        delete this;
}

void* PartwrightPI::castTo(const QString& name)
{
    if (name == QLatin1String("PartwrightPI"))
        return this;
    if (name == QLatin1String("LxiStartup"))
        return static_cast<LxiStartup*>(this);
    if (name == QLatin1String("LxiActions"))
        return static_cast<LxiActions*>(this);
    if (name == QLatin1String("LxiDatabasePersist"))
        return static_cast<LxiDatabasePersist*>(this);
    if (name == QLatin1String("LxiPartwright"))
        return static_cast<LxiPartwright*>(this);
    return nullptr;
}

LxiResult PartwrightPI::queryInterface(const QString& name, void** object)
{
    // The class name itself is not an interface.
    if (name == QLatin1String("PartwrightPI") || !object)
        return LxiNoInterface;
    void* sub = castTo(name);
    if (!sub)
        return LxiNoInterface;
    *object = sub;
    addRef();
    return LxiOk;
}

QAction* PartwrightPI::getAction(const QString& name)
{
    return name == QLatin1String("Partwright") ? m_action : nullptr;
}

void PartwrightPI::registerHelp(PartwrightDlg* dlg)
{
    if (auto* help = requestHostInterface<LxiWhatsThis>(QStringLiteral("LxiWhatsThis"))) {
        help->registerHelpWidget(QStringLiteral("Partwright Plugin"), QStringLiteral("Partwright"), dlg);
        help->release();
    }
}

void PartwrightPI::waitForCompletion(PartwrightDlg* dlg, int passMs)
{
    // Each pass handles what is pending for at most passMs, then sleeps until the
    // next event instead of spinning; the flags are only set while events run.
    while (!dlg->finishedFlag() && !dlg->closedFlag()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, passMs);
        if (dlg->finishedFlag() || dlg->closedFlag())
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void PartwrightPI::slotLaunchPartwright()
{
    bool again = true;
    while (again) {
        auto* dlg = new PartwrightDlg(nullptr, QString(), QLatin1String(""), kPartwrightWindowFlags);
        dlg->setModelLibPath(QString());
        if (auto* main = requestHostInterface<LxiMain>(QStringLiteral("LxiMain"))) {
            const QString root = main->settingValue(QStringLiteral("ModelLibPath"));
            const QDir rootDir(root);
            if (!root.isEmpty() && rootDir.exists()) {
                const QString custom = rootDir.absolutePath() + QDir::separator() + QStringLiteral("custom");
                QString ignored;
                dlg->setModelLibPath(createFolderPath(QDir(custom), ignored) ? QDir(custom).absolutePath() : root);
            } else {
                dlg->setModelLibPath(QString());
            }
            main->release();
        }
        registerHelp(dlg);
        dlg->setWindowState(dlg->windowState() ^ Qt::WindowMaximized);
        dlg->clearCompletionFlags();
        dlg->show();
        waitForCompletion(dlg, 200);
        // A successful Finish starts a fresh, empty wizard; closing ends the launch.
        again = dlg->finishedFlag();
        delete dlg;
    }
}

QWidget* PartwrightPI::createWidget(const QString&)
{
    QWidget* parent = nullptr;
    if (auto* menu = requestHostInterface<LxiMainMenuEx>(QStringLiteral("LxiMainMenuEx"))) {
        parent = menu->mainWidget();
        menu->release();
    }
    auto* dlg = new PartwrightDlg(parent, QString(), QString(), kPartwrightWindowFlags);
    dlg->setWindowState(dlg->windowState() ^ Qt::WindowMaximized);
    return dlg;
}

void PartwrightPI::setUpEditStart(PartwrightDlg* dlg, const EditRequest& request)
{
    if (request.referencePath)
        dlg->setProposedFilePath(QDir::toNativeSeparators(QDir::cleanPath(*request.referencePath)));
    dlg->setHostFile(true);
    dlg->setViewOnly(request.viewOnly);
    dlg->setModelLibPath(QString());
    QString fullName;
    if (auto* main = requestHostInterface<LxiMain>(QStringLiteral("LxiMain"))) {
        const QString root = main->settingValue(QStringLiteral("ModelLibPath"));
        QString folder;
        if (QDir::isRelativePath(request.fileName)) {
            fullName = root + QDir::separator() + request.fileName;
            folder = root;
        } else {
            fullName = request.fileName;
            const QString native = QDir::fromNativeSeparators(request.fileName);
            folder = native.left(native.lastIndexOf(QLatin1Char('/')));
        }
        dlg->leOpenExisistingModel->setText(fullName);
        const QDir folderDir(folder);
        if (!folder.isEmpty() && folderDir.exists()) {
            QString ignored;
            const QString absolute = folderDir.absolutePath();
            dlg->setModelLibPath(createFolderPath(QDir(absolute + QDir::separator()), ignored) ? absolute : root);
        } else {
            dlg->setModelLibPath(QString());
        }
        main->release();
    }
    registerHelp(dlg);
    dlg->leOpenExisistingModel->setReadOnly(true);
    dlg->pbOpenExisistingModel->hide();
    dlg->rbCreateNewModel->hide();
    dlg->setModelFileName(fullName);
}

bool PartwrightPI::runEdit(const EditRequest& request)
{
    auto* dlg = new (std::nothrow) PartwrightDlg(request.parent, QString(), request.fileName, kPartwrightWindowFlags);
    if (!dlg)
        return false;
    if (request.fileName.isEmpty()) {
        registerHelp(dlg);
        dlg->leOpenExisistingModel->setReadOnly(true);
        dlg->pbOpenExisistingModel->hide();
        dlg->rbCreateNewModel->setChecked(true);
    } else {
        setUpEditStart(dlg, request);
    }
    dlg->setWindowState(dlg->windowState() ^ Qt::WindowMaximized);
    dlg->clearCompletionFlags();
    bool success;
    if (!request.parent) {
        dlg->show();
        waitForCompletion(dlg, 50);
        success = dlg->finishedFlag();
    } else {
        success = dlg->exec() != 0;
    }
    if (success && request.fileNameOut)
        *request.fileNameOut = dlg->leModelName->text();
    delete dlg;
    return success;
}

bool PartwrightPI::editModel(QWidget* parent, const QString& fileName, const QString& referencePath, bool viewOnly)
{
    EditRequest r;
    r.parent = parent;
    r.fileName = fileName;
    r.referencePath = &referencePath;
    r.viewOnly = viewOnly;
    return runEdit(r);
}

bool PartwrightPI::editModelFile(QWidget* parent, QString& fileName, bool viewOnly)
{
    EditRequest r;
    r.parent = parent;
    r.fileName = fileName;
    r.viewOnly = viewOnly;
    r.fileNameOut = &fileName;
    return runEdit(r);
}

bool PartwrightPI::openModel(const QString& fileName, bool viewOnly)
{
    EditRequest r;
    r.fileName = fileName;
    r.viewOnly = viewOnly;
    runEdit(r);
    return false;
}
