#include "GuiScript.h"
#include "OrvikHost.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace OrvikInterface;

namespace {

template <typename T>
T* child(QWidget* w, const char* name)
{
    return w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
}

bool clickChild(QWidget* w, const char* name)
{
    auto* b = child<QAbstractButton>(w, name);
    if (!b || !b->isVisible() || !b->isEnabled())
        return false;
    // Queued: the click may open a modal box, and the script must keep ticking.
    QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
    return true;
}

// Steps that close the only wizard with Cancel and confirm.
void cancelWizard(GuiScript& s)
{
    s.add("cancel", [] { return clickChild(GuiScript::onlyWizard(), "cancelButton"); });
    s.answerMessageBox(QStringLiteral("Yes"));
}

} // namespace

class TestPlugin : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OrvikHost> makeHost(bool hook = true)
    {
        auto host = std::make_unique<OrvikHost>();
        QString error;
        if (!host->load(QStringLiteral(PW_PLUGIN_PATH), hook, &error))
            qFatal("cannot load plug-in: %s", qPrintable(error));
        return host;
    }

    // A host with the model library at lib, refusing one interface, whose wizard is cancelled at once.
    std::unique_ptr<OrvikHost> cancelledLaunch(const QString& lib, const QString& refused = QString(), bool hook = true)
    {
        auto host = makeHost(hook);
        host->setSetting(QStringLiteral("ModelLibPath"), lib);
        if (!refused.isEmpty())
            host->refuse(refused);
        GuiScript s;
        cancelWizard(s);
        launch(*host, s);
        return host;
    }

    // Runs the action until the script is done and the launch returns.
    void launch(OrvikHost& host, GuiScript& script)
    {
        auto* actions = host.create<LxiActions>(QStringLiteral("LxiActions"));
        QVERIFY(actions);
        QAction* action = actions->getAction(QStringLiteral("Partwright"));
        QTimer watchdog;
        watchdog.setSingleShot(true);
        // A script that gets stuck must not hang the test run.
        connect(&watchdog, &QTimer::timeout, [&script] {
            qFatal("launcher script stuck at: %s", qPrintable(script.pending()));
        });
        watchdog.start(20000);
        action->trigger();
        actions->release();
        QVERIFY2(script.finished(), qPrintable(script.pending()));
        QVERIFY(GuiScript::wizards().isEmpty());
    }

private slots:
    void interfacesAndAction()
    {
        auto host = makeHost();
        for (const char* name : {"LxiStartup", "LxiActions", "LxiDatabasePersist", "LxiPartwright"}) {
            LxiResult r = -1;
            auto* u = host->create<LxiUnknown>(QLatin1String(name), &r);
            QCOMPARE(r, LxiOk);
            QVERIFY(u);
            u->release();
        }
        for (const char* name : {"PartwrightPI", "LxiUnknown", "LxiMain", "partwright"}) {
            LxiResult r = -1;
            QVERIFY(!host->create<LxiUnknown>(QLatin1String(name), &r));
            QCOMPARE(r, LxiNoInterface);
        }
        // One object answers all four interfaces.
        auto* actions = host->create<LxiActions>(QStringLiteral("LxiActions"));
        void* other = reinterpret_cast<void*>(0x1);
        QCOMPARE(actions->queryInterface(QStringLiteral("Nothing"), &other), LxiNoInterface);
        QCOMPARE(other, reinterpret_cast<void*>(0x1)); // untouched on failure
        QCOMPARE(actions->queryInterface(QStringLiteral("LxiPartwright"), &other), LxiOk);
        QObject* pi = actions->getAction(QStringLiteral("Partwright"))->parent();
        QCOMPARE(pi->metaObject()->className(), "PartwrightPI");
        QCOMPARE(static_cast<void*>(qobject_cast<LxiPartwright*>(pi)), other);
        QVERIFY(qobject_cast<LxiStartup*>(pi));
        auto* persist = qobject_cast<LxiDatabasePersist*>(pi);
        QVERIFY(persist && persist->load(QString()) && persist->save(QString()));
        static_cast<LxiPartwright*>(other)->release();

        QAction* a = actions->getAction("Partwright");
        QCOMPARE(a->text(), "&Partwright Wizard");
        QCOMPARE(a->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QCOMPARE(a->objectName(), "Partwright");
        QCOMPARE(a->toolTip(), "actionPartwright");
        QVERIFY(a->isEnabled() && !a->icon().isNull());
        for (const QString& name : {QStringLiteral("partwright"), QStringLiteral("PARTWRIGHT"), QString()})
            QVERIFY(!actions->getAction(name));
        actions->release();
    }

    void referenceCounting()
    {
        auto host = makeHost();
        auto* a = host->create<LxiActions>(QStringLiteral("LxiActions"));
        auto* p = host->create<LxiPartwright>(QStringLiteral("LxiPartwright"));
        QPointer<QAction> action = a->getAction(QStringLiteral("Partwright"));
        QVERIFY(action);
        a->release();
        p->release();
        // The process-wide pointer keeps its own reference.
        QVERIFY(action);
        p->release();
        QVERIFY(!action); // count reached 0: the object and its action are gone
        auto* again = host->create<LxiActions>(QStringLiteral("LxiActions"));
        QVERIFY(again->getAction(QStringLiteral("Partwright")));
        again->release();
    }

    void hostRemovesItsHookWhenDestroyed()
    {
        QLibrary library(QStringLiteral(PW_PLUGIN_PATH));
        QVERIFY(library.load());
        auto* createProc = reinterpret_cast<LxiCreateProc*>(library.resolve("__CreateProc__"));
        auto* manager = reinterpret_cast<void**>(library.resolve("__ModuleMngr__"));
        QVERIFY(createProc && manager);

        auto first = makeHost();
        QCOMPARE(*manager, static_cast<void*>(first.get()));
        auto second = makeHost();
        QCOMPARE(*manager, static_cast<void*>(second.get()));
        // A host that no longer owns the hook leaves the newer one alone.
        first.reset();
        QCOMPARE(*manager, static_cast<void*>(second.get()));
        QVERIFY(*createProc);
        second.reset();
        QVERIFY(!*manager && !*createProc);
    }

    void finishRestartsAndCancelEnds()
    {
        auto host = makeHost();
        GuiScript s;
        QList<QPointer<QWidget>> seen;
        s.add("first wizard", [&] {
            QWidget* w = GuiScript::onlyWizard();
            if (w)
                seen << w;
            return w && w->isWindow() && !w->parentWidget() && (w->windowState() & Qt::WindowMaximized);
        });
        s.add("create", [&] {
            child<QRadioButton>(seen.first(), "rbCreateNewModel")->click();
            return clickChild(seen.first(), "nextButton");
        });
        s.add("back from page 1", [&] { return clickChild(seen.first(), "backButton"); });
        s.answerMessageBox(QStringLiteral("Yes"));
        s.add("fresh wizard", [&] {
            QWidget* w = GuiScript::onlyWizard();
            if (!w || seen.contains(w))
                return false;
            seen << w;
            // The new wizard starts empty, on page 0.
            return child<QLineEdit>(w, "leDeviceId")->text().isEmpty()
                   && child<QRadioButton>(w, "rbEditExisistModel")->isChecked();
        });
        cancelWizard(s);
        launch(*host, s);
        QCOMPARE(seen.size(), 2);
        QVERIFY(!seen[0] && !seen[1]); // the launcher deleted both
        QCOMPARE(s.messages().first(),
                 QStringLiteral("Any possible made settings will be lost.\nAre you sure that you want to continue?"));
        QCOMPARE(s.messages().last(), QStringLiteral("Do you want to close this wizard and discard changes ?\n"));
        QCOMPARE(host->outstandingReferences(), 0);
    }

    void modelLibraryFolderAndHostInterfaces()
    {
        QTemporaryDir root;
        const QString custom = root.path() + "/custom";
        auto host = cancelledLaunch(root.path());
        QVERIFY(QDir(custom).exists() && host->requests().contains("LxiMain"));
        QCOMPARE(host->helpRegistrations().size(), 1);
        QCOMPARE(host->helpRegistrations().first().context, "Partwright Plugin");
        QCOMPARE(host->helpRegistrations().first().title, "Partwright");
        QCOMPARE(host->outstandingReferences(), 0);
        host.reset();
        QDir(root.path()).rmdir("custom");

        // A missing model library gets no folder; a refused LxiMain and LxiWhatsThis are skipped.
        const QString missing = root.path() + "/missing";
        QVERIFY(cancelledLaunch(missing, "LxiWhatsThis")->helpRegistrations().isEmpty() && !QDir(missing).exists());
        cancelledLaunch(root.path(), "LxiMain");
        QVERIFY(!QDir(custom).exists());
        // Without a hook every request fails, and the wizard still opens.
        QVERIFY(cancelledLaunch(root.path(), QString(), false)->requests().isEmpty() && !QDir(custom).exists());
    }

    void createWidgetParent()
    {
        auto host = makeHost();
        QWidget main;
        host->setMainWidget(&main);
        auto* actions = host->create<LxiActions>(QStringLiteral("LxiActions"));
        QWidget* embedded = actions->createWidget(QString());
        QCOMPARE(embedded->parentWidget(), &main);
        QVERIFY(!embedded->isVisible() && (embedded->windowState() & Qt::WindowMaximized) && !embedded->isModal());
        delete embedded;
        host->refuse(QStringLiteral("LxiMainMenuEx"));
        embedded = actions->createWidget(QString());
        QVERIFY(!embedded->parentWidget());
        delete embedded;
        actions->release();
    }

    void editModelFileWritesBackTheName()
    {
        auto host = makeHost();
        auto* pw = host->create<LxiPartwright>(QStringLiteral("LxiPartwright"));
        GuiScript s;
        QPointer<QWidget> wizard;
        s.add("create-new start", [&] {
            wizard = GuiScript::onlyWizard();
            return wizard && child<QRadioButton>(wizard, "rbCreateNewModel")->isChecked()
                   && child<QLineEdit>(wizard, "leOpenExisistingModel")->isReadOnly()
                   && !child<QPushButton>(wizard, "pbOpenExisistingModel")->isVisible();
        });
        s.add("name and leave", [&] {
            child<QLineEdit>(wizard, "leModelName")->setText(QStringLiteral("/tmp/chosen.model"));
            return clickChild(wizard, "nextButton");
        });
        s.add("back", [&] { return clickChild(wizard, "backButton"); });
        s.answerMessageBox(QStringLiteral("Yes"));
        QString name;
        QVERIFY(pw->editModelFile(nullptr, name, false));
        QVERIFY2(s.finished(), qPrintable(s.pending()));
        QCOMPARE(name, QStringLiteral("/tmp/chosen.model"));
        pw->release();
    }

    void editStartOnAFile()
    {
        QTemporaryDir root;
        auto host = makeHost();
        host->setSetting(QStringLiteral("ModelLibPath"), root.path());
        auto* pw = host->create<LxiPartwright>(QStringLiteral("LxiPartwright"));
        GuiScript s;
        s.add("edit start", [&] {
            QWidget* w = GuiScript::onlyWizard();
            auto* le = child<QLineEdit>(w, "leOpenExisistingModel");
            return le && le->text() == QDir::toNativeSeparators(QDir::cleanPath(root.path() + "/lib/part.model"))
                   && le->isReadOnly() && !child<QRadioButton>(w, "rbCreateNewModel")->isVisible()
                   && !child<QPushButton>(w, "pbSaveModel")->isVisibleTo(w);
        });
        // View-only: Cancel closes without a question.
        s.add("close", [&] { return clickChild(GuiScript::onlyWizard(), "cancelButton"); });
        QVERIFY(!pw->openModel(QStringLiteral("lib/part.model"), true));
        QVERIFY2(s.finished(), qPrintable(s.pending()));
        QVERIFY(s.messages().isEmpty());
        pw->release();
    }
};

QTEST_MAIN(TestPlugin)
#include "tst_plugin.moc"
