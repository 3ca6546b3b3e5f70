#include "CLogic.h"
#include "LxHelpLauncher.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

namespace {

std::unique_ptr<PartwrightDlg> makeDlg()
{
    auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
    dlg->show();
    return dlg;
}

QString example(const char* name)
{
    return QDir(QStringLiteral(PW_EXAMPLES_DIR)).filePath(QString::fromLatin1(name));
}

// Loads a file through page 0 and Next, as a user editing an existing model does.
std::unique_ptr<PartwrightDlg> openedOnNext(const QString& file)
{
    auto dlg = makeDlg();
    dlg->leOpenExisistingModel->setText(file);
    dlg->next();
    return dlg;
}

QList<QProcess*> helpProcesses(const PartwrightDlg& dlg)
{
    return dlg.findChildren<QProcess*>(QStringLiteral("Orvik Lodestar Help"));
}

// Records each viewer start instead of running it.
struct RecordedStarts
{
    RecordedStarts()
    {
        LxHelpLauncher::setStarter([this](QProcess* process) {
            commands.append(process->program() + QLatin1Char(' ') + process->arguments().join(QLatin1Char(' ')));
        });
    }
    ~RecordedStarts()
    {
        LxHelpLauncher::setStarter({});
        LxHelpLauncher::setProgramFinder({});
    }
    QStringList commands;
};

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void entriesAcceleratorsAndIcons()
    {
        ScriptedPrompter prompts;
        auto dlg = makeDlg();
        QMenuBar* bar = dlg->findChild<QMenuBar*>(QStringLiteral("fipMenuBar"));
        QVERIFY(bar && bar == dlg->menuBar());
        const QList<QAction*> menus = bar->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus.at(0)->text(), QStringLiteral("&Model"));
        QCOMPARE(menus.at(1)->text(), QStringLiteral("&Help"));

        // Text, accelerator and whether an icon is shown; "-" is a separator.
        const auto describe = [](QMenu* menu) {
            QStringList rows;
            for (QAction* a : menu->actions())
                rows << (a->isSeparator() ? QStringLiteral("-")
                                          : QStringLiteral("%1|%2|%3").arg(a->text(),
                                                                           a->shortcut().toString(),
                                                                           a->icon().isNull() ? "" : "icon"));
            return rows;
        };
        QCOMPARE(describe(menus.at(0)->menu()),
                 (QStringList{"&New|Ctrl+Shift+N|icon", "&Open|Ctrl+Shift+O|icon", "-", "&Save|Ctrl+Shift+S|icon",
                              "&Save As...||", "-", "&Export...|Ctrl+Shift+E|", "-", "&Quit|Ctrl+Shift+Q|"}));
        QCOMPARE(describe(menus.at(1)->menu()),
                 (QStringList{"&Contents...||", "&Index...||", "-", "&About...||"}));
        QCOMPARE(menus.at(0)->menu()->actions().at(6), dlg->menuAction(PartwrightDlg::MenuExport));
    }

    void exportEnabledOnlyAfterLeavingTheFirstPage()
    {
        ScriptedPrompter prompts;
        QAction* exportAction = nullptr;
        {
            // A failed load stays on page 0 and keeps Export off.
            auto dlg = openedOnNext(example("no-such-file.model"));
            exportAction = dlg->menuAction(PartwrightDlg::MenuExport);
            QCOMPARE(dlg->currentIndex(), int(PartwrightForm::StartPage));
            QVERIFY(!exportAction->isEnabled());
            QCOMPARE(prompts.lastText(),
                     QStringLiteral("Error: Unable to load the file \"%1\"").arg(example("no-such-file.model")));
            // File New and File Open jump past page 0 without Next: still off.
            dlg->menuAction(PartwrightDlg::MenuNew)->trigger();
            QVERIFY(!exportAction->isEnabled());
            prompts.answerFile(example("octal-buffer-244.model"));
            dlg->menuAction(PartwrightDlg::MenuOpen)->trigger();
            QCOMPARE(dlg->currentIndex(), int(PartwrightForm::PackagePage));
            QVERIFY(!exportAction->isEnabled());
        }
        auto loaded = openedOnNext(example("octal-buffer-244.model"));
        QCOMPARE(loaded->currentIndex(), int(PartwrightForm::DevicePage));
        QVERIFY(loaded->menuAction(PartwrightDlg::MenuExport)->isEnabled());
        auto created = makeDlg();
        created->rbCreateNewModel->click();
        created->next();
        QVERIFY(created->menuAction(PartwrightDlg::MenuExport)->isEnabled());
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void hostFileAndViewOnlyDisableFileEntries()
    {
        const QList<PartwrightDlg::MenuItem> fileItems{PartwrightDlg::MenuNew, PartwrightDlg::MenuOpen,
                                                       PartwrightDlg::MenuSave, PartwrightDlg::MenuSaveAs};
        const QString file = example("octal-latch-373.model");
        // Without either flag the same file may be opened anew and saved; loading the host's file keeps them off.
        for (const auto& [hostFile, viewOnly] : {std::pair{true, false}, {false, true}, {false, false}}) {
            ScriptedPrompter prompts;
            auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), file);
            dlg->setHostFile(hostFile);
            dlg->setViewOnly(viewOnly);
            dlg->setModelFileName(file);
            dlg->show();
            const bool locked = hostFile || viewOnly;
            for (auto item : fileItems)
                QVERIFY2(!locked || !dlg->menuAction(item)->isEnabled(), qPrintable(QString::number(item)));
            dlg->next();
            QCOMPARE(dlg->currentIndex(), int(PartwrightForm::DevicePage));
            for (auto item : fileItems)
                QVERIFY2(dlg->menuAction(item)->isEnabled() != locked, qPrintable(QString::number(item)));
            QVERIFY(dlg->menuAction(PartwrightDlg::MenuExport)->isEnabled());
            QVERIFY(prompts.unexpected().isEmpty());
        }
    }

    void fileNewFromEveryPage()
    {
        ScriptedPrompter prompts;
        auto dlg = openedOnNext(example("bus-transceiver-16245.model"));
        QVERIFY(!dlg->context().logic().logicParts().isEmpty());
        for (int index = 0; index < dlg->pageCount(); ++index) {
            dlg->showPage(dlg->page(index));
            dlg->leDeviceId->setText(QStringLiteral("LEFTOVER"));
            dlg->menuAction(PartwrightDlg::MenuNew)->trigger();
            QCOMPARE(dlg->currentIndex(), int(PartwrightForm::DevicePage));
            QVERIFY(dlg->rbCreateNewModel->isChecked());
            QCOMPARE(dlg->editMode(), int(PartwrightDlg::CreateNew));
            QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::NoCategory));
            QVERIFY(dlg->leDeviceId->text().isEmpty());
            QVERIFY(dlg->context().logic().logicParts().isEmpty());
            QVERIFY(dlg->context().logic().packages().isEmpty());
            QVERIFY(dlg->backButton()->isVisible());
            QVERIFY(!dlg->rbLogicDevice->isChecked() && !dlg->rbMemoryTestDevice->isEnabled());
            QVERIFY(dlg->menuAction(PartwrightDlg::MenuSaveAs)->isEnabled());
            // Reload, so that the next page starts from a filled model again.
            dlg->rbEditExisistModel->click();
            dlg->showPage(dlg->page(PartwrightForm::StartPage));
            dlg->leOpenExisistingModel->setText(example("bus-transceiver-16245.model"));
            dlg->next();
            QCOMPARE(dlg->currentIndex(), int(PartwrightForm::DevicePage));
        }
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void fileOpenOfEachExample()
    {
        const std::tuple<const char*, int, int> examples[] = {
            {"bus-transceiver-16245.model", PartwrightDlg::Logic, PartwrightForm::PackagePage},
            {"octal-buffer-244.model", PartwrightDlg::Logic, PartwrightForm::PackagePage},
            {"octal-latch-373.model", PartwrightDlg::Logic, PartwrightForm::PackagePage},
            {"sram-128k8.model", PartwrightDlg::MemoryTest, PartwrightForm::PackagePage},
            {"flash-512k8.model", PartwrightDlg::MemoryProgram, PartwrightForm::PackagePage},
            {"resistor-network-board.model", PartwrightDlg::Passive, PartwrightForm::PassivePage},
        };
        QCOMPARE(QDir(QStringLiteral(PW_EXAMPLES_DIR)).entryList({QStringLiteral("*.model")}).size(),
                 int(std::size(examples)));
        for (const auto& [name, category, page] : examples) {
            ScriptedPrompter prompts;
            auto dlg = makeDlg();
            const QString file = QDir::toNativeSeparators(example(name));
            prompts.answerFile(file);
            dlg->menuAction(PartwrightDlg::MenuOpen)->trigger();
            QCOMPARE(dlg->deviceCategory(), category);
            QCOMPARE(dlg->currentIndex(), page);
            QVERIFY(dlg->backButton()->isVisible());
            QCOMPARE(QStringList({dlg->modelFileName(), dlg->leOpenExisistingModel->text(), dlg->leModelName->text()}),
                     QStringList(3, file));
            const QString base = QFileInfo(file).completeBaseName();
            QCOMPARE(dlg->windowTitle(), QStringLiteral("%1 - Partwright - [%2.model (%3)]")
                                             .arg(dlg->leDeviceId->text(), base,
                                                  QDir::toNativeSeparators(QStringLiteral(PW_EXAMPLES_DIR))));
            QVERIFY(!dlg->leDeviceId->text().isEmpty());
            QVERIFY(prompts.unexpected().isEmpty());
        }

        // A file that cannot be read leaves the wizard where it was.
        ScriptedPrompter prompts;
        auto dlg = makeDlg();
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("broken.model"));
        QVERIFY(put(broken, "not a model\n"));
        prompts.answerFile(broken);
        dlg->menuAction(PartwrightDlg::MenuOpen)->trigger();
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::StartPage));
        QCOMPARE(prompts.lastText(), QStringLiteral("Error: Unable to load the file \"%1\"").arg(broken));
        QVERIFY(!dlg->backButton()->isVisible());
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Partwright Wizard"));
    }

    void aboutBox()
    {
        ScriptedPrompter prompts;
        auto dlg = makeDlg();
        bool ran = false;
        prompts.answerDialog([&ran, &dlg](QDialog* about) {
            ran = true;
            [&] {
                QCOMPARE(about->objectName(), QStringLiteral("About..."));
                QCOMPARE(about->parentWidget(), dlg.get());
                QVERIFY(about->isModal());
                QCOMPARE(about->windowTitle(), QStringLiteral("About ..."));
                QCOMPARE(about->findChild<QLabel*>(QStringLiteral("PWVersionNumber"))->text(),
                         QStringLiteral("5.0.1.0 - 20200827 "));
                QCOMPARE(about->findChild<QLabel*>(QStringLiteral("PWAboutTitle"))->text(),
                         QStringLiteral("<b>Orvik - Partwright Wizard</b>"));
                QCOMPARE(about->findChild<QLabel*>(QStringLiteral("PWVersionLabel"))->text(),
                         QStringLiteral("Version:"));
                QVERIFY(!about->findChild<QLabel*>(QStringLiteral("PWAboutPicture"))->pixmap().isNull());
            }();
            return int(QDialog::Accepted);
        });
        dlg->menuBar()->actions().at(1)->menu()->actions().at(3)->trigger();
        QVERIFY(ran);
        QVERIFY(!QTest::currentTestFailed());
        // Made for the one showing only.
        QVERIFY(!dlg->findChild<QDialog*>(QStringLiteral("About...")));
    }

    void helpRequestsStartOwnViewers()
    {
        ScriptedPrompter prompts;
        RecordedStarts starts;
        LxHelpLauncher::setProgramFinder([](const QString&) { return false; });
        auto dlg = makeDlg();
        QVERIFY(!dlg->helpProcess());
        dlg->slotMenuHelpContents();
        QProcess* first = dlg->helpProcess();
        dlg->slotMenuHelpIndex();
        QCOMPARE(helpProcesses(*dlg).size(), 2);
        QVERIFY(first && dlg->helpProcess() && first != dlg->helpProcess());
        QCOMPARE(first->parent(), dlg.get());
        const QString root = QCoreApplication::applicationDirPath();
        QCOMPARE(starts.commands,
                 (QStringList{"xdg-open " + QDir::toNativeSeparators(root + "/userassistance/Help/Pages/6.1.0.0.htm"),
                              "xdg-open "
                                  + QDir::toNativeSeparators(root + "/userassistance/Help/Navigation/HelpSite.htm")}));

        // With the command interpreter, it starts the viewer; a page in the
        // current folder comes before the one beside the program.
        LxHelpLauncher::setProgramFinder([](const QString& program) { return program == QLatin1String("cmd"); });
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("userassistance/Help/Pages")));
        QVERIFY(put(dir.filePath(QStringLiteral("userassistance/Help/Pages/6.1.0.0.htm")), QByteArray()));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        dlg->menuBar()->actions().at(1)->menu()->actions().at(0)->trigger();
        QDir::setCurrent(previous);
        QCOMPARE(dlg->helpProcess()->program(), QStringLiteral("cmd"));
        QCOMPARE(dlg->helpProcess()->arguments(),
                 (QStringList{"/c", QDir::toNativeSeparators(QDir(dir.path()).filePath(
                                        QStringLiteral("userassistance/Help/Pages/6.1.0.0.htm")))}));
        QCOMPARE(helpProcesses(*dlg).size(), 3);

        // A viewer that cannot be found is not reported.
        LxHelpLauncher::setStarter({});
        LxHelpLauncher::setProgramFinder([](const QString&) { return false; });
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        dlg->slotMenuHelpIndex();
        qputenv("PATH", path);
        QCOMPARE(helpProcesses(*dlg).size(), 4);
        QCOMPARE(dlg->helpProcess()->program(), QStringLiteral("xdg-open"));
        QVERIFY(prompts.shown().isEmpty());
    }

    // The guide shipped in the repository: both menu pages exist and no link or picture is broken.
    void helpPagesAreComplete()
    {
        const QDir guide(QStringLiteral(PW_SOURCE_DIR "/docs/help"));
        QVERIFY(guide.exists(QStringLiteral("Pages/6.1.0.0.htm")));
        QVERIFY(guide.exists(QStringLiteral("Navigation/HelpSite.htm")));
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#:]+)\""));
        int pages = 0;
        int links = 0;
        for (const QString& folder : {QStringLiteral("Pages"), QStringLiteral("Navigation")}) {
            const QDir dir(guide.filePath(folder));
            for (const QString& name : dir.entryList({QStringLiteral("*.htm")})) {
                ++pages;
                for (const auto& match : reference.globalMatch(QString::fromUtf8(contentOf(dir.filePath(name))))) {
                    ++links;
                    QVERIFY2(QFileInfo::exists(dir.filePath(match.captured(1))),
                             qPrintable(name + QStringLiteral(": ") + match.captured(1)));
                }
            }
        }
        // Contents, index, seven wizard pages and six logic part tabs.
        QCOMPARE(pages, 15);
        QVERIFY(links > 2 * pages);
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
