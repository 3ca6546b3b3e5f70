#include "CLogic.h"
#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "LxLibTable.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PWPackagePage.h"
#include "PWPinListTab.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "ui_PWPackagePage.h"
#include "ui_PWPinListTab.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kModel = "model-format 1.1\n"
                          "header general {\n  line \"March 3 2026 Jo\"\n  line \"(c) Jo\"\n  line \"Buffer\"\n"
                          "  line \"Logic\"\n}\n"
                          "alias \"A1\" \"CHIP\" \"Maker\" \"P\"\n"
                          "component \"CHIP\" {\n  package {\n    id \"P\"\n    id \"P-ALT\"\n"
                          "    pin \"1\" \"A\" INPUT\n    pin \"2\" \"Y\" OUTPUT\n  }\n"
                          "  logic \"Part 01\" {\n    pinlist \"PL\" {\n      signal IN 0 \"A\"\n"
                          "      signal OUT 0 \"Y\"\n    }\n"
                          "    enable \"E\" {\n      set IN \"0\"\n      chip-enable\n      output-enable\n    }\n"
                          "  }\n}\n";

} // namespace

class TestModelFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    static void addOnePinPackage(PartwrightDlg& dlg)
    {
        auto* package = new CPackage;
        package->addPackageId(QStringLiteral("P"));
        package->addPin(QStringLiteral("1"), QStringLiteral("A"), 1);
        dlg.context().logic().packages().append(package);
    }

    // A new logic model with one package of one pin, named on the last page.
    static std::unique_ptr<PartwrightDlg> newLogicModel(const QString& lib, const QString& modelName)
    {
        auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
        dlg->setModelLibPath(lib);
        dlg->show();
        dlg->rbCreateNewModel->click();
        QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
        dlg->leDeviceId->setText(QStringLiteral("CHIP"));
        dlg->rbLogicDevice->click();
        addOnePinPackage(*dlg);
        dlg->leModelName->setText(modelName);
        return dlg;
    }

    static std::unique_ptr<PartwrightDlg> openedOnNext(const QString& file)
    {
        auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
        dlg->show();
        dlg->leOpenExisistingModel->setText(file);
        QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
        return dlg;
    }

    // Next until the last page or until a page refuses; the index reached.
    static int walkToLastPage(PartwrightDlg& dlg)
    {
        for (int before = -1; dlg.currentIndex() != before && dlg.currentIndex() != PartwrightForm::LastPage;) {
            before = dlg.currentIndex();
            QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
        }
        return dlg.currentIndex();
    }

private slots:
    void savedModelsReopenAndPassTheirChecks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("model of this test") << kModel;
        // An enable pattern the editor stored without settings, only its kind.
        QByteArray bare = kModel;
        QTest::newRow("enable without settings")
            << bare.replace("  }\n}\n", "    enable \"Off\" {\n      output-enable\n    }\n  }\n}\n");
    }

    void savedModelsReopenAndPassTheirChecks()
    {
        QFETCH(QByteArray, text);
        ScriptedPrompter prompts;
        const QString source = path(QStringLiteral("source.model"));
        const QString saved = path(QStringLiteral("saved.model"));
        QVERIFY(put(source, text));
        QFile::remove(saved);
        {
            auto dlg = openedOnNext(source);
            QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::Logic));
            QVERIFY2(walkToLastPage(*dlg) == PartwrightForm::LastPage, qPrintable(prompts.texts().join(u'|')));
            dlg->leModelName->setText(saved);
            QTest::mouseClick(dlg->finishButton(), Qt::LeftButton);
            QVERIFY2(dlg->finishedFlag(), qPrintable(prompts.texts().join(u'|')));
        }
        prompts.clearShown();
        auto dlg = openedOnNext(saved);
        QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::Logic));
        QString error;
        QVERIFY2(CLogicChecks::validateLogicPage(dlg->context().logic(), error), qPrintable(error));
        // Next from the logic part page runs the checks and reaches the last page without a word.
        QVERIFY2(walkToLastPage(*dlg) == PartwrightForm::LastPage, qPrintable(prompts.texts().join(u'|')));
        QCOMPARE(prompts.texts(), QStringList());
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void savingFollowsTheNameRules()
    {
        ScriptedPrompter prompts;
        const QString lib = path(QStringLiteral("lib/custom"));
        auto dlg = newLogicModel(lib, QStringLiteral("chip.txt"));
        // The folder is created, the typed extension replaced.
        QVERIFY(dlg->modelFile()->buildAndSave());
        const QString saved = QDir::toNativeSeparators(lib + QStringLiteral("/chip.model"));
        QCOMPARE(prompts.lastText(), QStringLiteral("Model file is saved\n") + saved);
        QCOMPARE(dlg->leOpenExisistingModel->text(), saved);
        const QByteArray first = contentOf(saved);
        QVERIFY(first.startsWith("model-format 1.2\n"));
        QVERIFY(first.contains("component \"CHIP\""));

        // No keeps the old file and counts as saved; Cancel fails; Yes replaces.
        dlg->leDeviceId->setText(QStringLiteral("CHIP2"));
        prompts.clearShown();
        prompts.answerYesNoCancel(LxPrompter::No);
        QVERIFY(dlg->modelFile()->buildAndSave());
        QCOMPARE(prompts.texts(), QStringList{saved + QStringLiteral(" already exists\n Do you want to replace it?")});
        QCOMPARE(contentOf(saved), first);
        prompts.answerYesNoCancel(LxPrompter::Cancel);
        QVERIFY(!dlg->modelFile()->buildAndSave());
        QCOMPARE(contentOf(saved), first);
        prompts.answerYesNoCancel(LxPrompter::Yes);
        QVERIFY(dlg->modelFile()->buildAndSave());
        QVERIFY(contentOf(saved).contains("component \"CHIP2\""));

        // A file named by the host is replaced without a question.
        dlg->setHostFile(true);
        dlg->leDeviceId->setText(QStringLiteral("CHIP3"));
        prompts.clearShown();
        QVERIFY(dlg->modelFile()->buildAndSave());
        QCOMPARE(prompts.count(), 1);
        QVERIFY(contentOf(saved).contains("component \"CHIP3\""));

        const QString bad = path(QStringLiteral("new/a?b.model"));
        dlg->leModelName->setText(bad);
        QVERIFY(!dlg->modelFile()->buildAndSave());
        QCOMPARE(prompts.lastText(),
                 QDir::toNativeSeparators(bad) + QStringLiteral("\nThe above model file name is invalid"));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("new"))));

        // Without a model-library folder a bare name is saved in the current folder.
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir().mkpath(path(QStringLiteral("here"))));
        QVERIFY(QDir::setCurrent(path(QStringLiteral("here"))));
        dlg->setModelLibPath(QString());
        dlg->leModelName->setText(QStringLiteral("bare.model"));
        const bool savedHere = dlg->modelFile()->buildAndSave();
        const QString here = QDir::toNativeSeparators(QDir::currentPath() + QStringLiteral("/bare.model"));
        QDir::setCurrent(cwd);
        QVERIFY(savedHere);
        QCOMPARE(prompts.lastText(), QStringLiteral("Model file is saved\n") + here);
        QVERIFY(contentOf(path(QStringLiteral("here/bare.model"))).contains("component \"CHIP3\""));
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void failuresLeaveTheOldFile()
    {
        ScriptedPrompter prompts;
        // The old file is a model saved before; nothing below may touch it.
        const QString old = path(QStringLiteral("kept/old.model"));
        auto dlg = newLogicModel(path(QStringLiteral("lib")), old);
        QVERIFY(dlg->modelFile()->buildAndSave());
        const QByteArray before = contentOf(old);
        QVERIFY(before.contains("component \"CHIP\""));
        const QStringList kept{QStringLiteral("old.model")};
        const auto keptFolder = [this] {
            return QDir(path(QStringLiteral("kept"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        };
        // From here a save that got through would show in the file.
        dlg->leDeviceId->setText(QStringLiteral("CHANGED"));

        // A build failure reports and writes nothing.
        dlg->context().logic().packages().clear();
        QVERIFY(!dlg->modelFile()->buildAndSave());
        QCOMPARE(prompts.lastText(), QStringLiteral("Unable to save this model\nPackage information is required"));
        QCOMPARE(contentOf(old), before);

        // Targets nobody can write, whoever runs the test. Under a regular file no folder can be made.
        addOnePinPackage(*dlg);
        dlg->leModelName->setText(old + QStringLiteral("/sub/x.model"));
        QVERIFY(!dlg->modelFile()->buildAndSave());
        QCOMPARE(prompts.lastText(), QStringLiteral("Unable to create folder name 'old.model'"));
        QCOMPARE(contentOf(old), before);

        // A folder where the file should go: the library's own text is shown.
        const QString folder = path(QStringLiteral("folder.model"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/inner")));
        QVERIFY(put(folder + QStringLiteral("/inner/keep.model"), before));
        dlg->leModelName->setText(folder);
        prompts.answerYesNoCancel(LxPrompter::Yes);
        QVERIFY(!dlg->modelFile()->buildAndSave());
        const QString text = prompts.lastText();
        QVERIFY2(text.startsWith(QStringLiteral("Unable to save model file\n") + QDir::toNativeSeparators(folder)
                                 + QStringLiteral("\n\n")),
                 qPrintable(text));
        QVERIFY(text.length() > text.indexOf(QStringLiteral("\n\n")) + 2); // the library said why
        QCOMPARE(contentOf(folder + QStringLiteral("/inner/keep.model")), before);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("inner")});

        // A read-only file is refused by its permissions, also for a user who could write it anyway.
        QVERIFY(QFile::setPermissions(old, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        dlg->leModelName->setText(old);
        prompts.clearShown();
        QVERIFY(!dlg->modelFile()->buildAndSave());
        QCOMPARE(prompts.texts(), QStringList{QDir::cleanPath(old) + QStringLiteral("\nThe above model file is read only")});
        QCOMPARE(contentOf(old), before);
        QVERIFY(QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(keptFolder(), kept); // no temporary file left behind

        // View-only: nothing written, nothing said.
        dlg->setViewOnly(true);
        prompts.clearShown();
        QVERIFY(dlg->modelFile()->saveModelFile());
        QCOMPARE(prompts.count(), 0);
        QCOMPARE(contentOf(old), before);
        QCOMPARE(keptFolder(), kept);
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void nextFromTheFirstPageLoads()
    {
        ScriptedPrompter prompts;
        QByteArray many;
        for (int i = 1; i <= 22; ++i)
            many += "    disable \"D" + QByteArray::number(i) + "\" {\n      set IN \"1\"\n    }\n";
        QByteArray text = kModel;
        text.replace("    enable \"E\"", many + "    enable \"E\"");
        text.replace("  }\n}\n", "  }\n  logic \"Part 02\" {\n    property \"grade\" \"industrial\"\n"
                                 "    property \"family\" \"HC\"\n    pinlist \"PL\" {\n      signal IN 0 \"A\"\n"
                                 "    }\n  }\n}\n");
        text.replace("  logic \"Part 01\" {\n", "  logic \"Part 01\" {\n    property \"first\" \"1\"\n");
        const QString file = path(QStringLiteral("chip.model"));
        QVERIFY(put(file, text));
        auto dlg = openedOnNext(file);
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::DevicePage));
        QCOMPARE(dlg->leDeviceId->text(), QStringLiteral("CHIP"));
        QVERIFY(dlg->rbLogicDevice->isChecked());
        QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::Logic));
        QCOMPARE(dlg->modelFileName(), QDir::toNativeSeparators(file));
        QCOMPARE(dlg->context().logic().logicParts().count(), 2);
        auto* box = dlg->findChild<QListWidget*>(QStringLiteral("PackageLBox"));
        QVERIFY(box);
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->item(0)->text(), QStringLiteral("P"));
        // Before the page changes: the warning about the two enable specifications, then the refused disable.
        QCOMPARE(prompts.count(), 2);
        QVERIFY(prompts.texts().first().startsWith(QStringLiteral("Some enable patterns have multiple specifications.")));
        QCOMPARE(prompts.lastText(), QStringLiteral("It is not possible to add a new Disable Pattern\n"
                                                    "Maximum number of Disables is reached"));
        QCOMPARE(dlg->context().logic().logicParts().at(0)->disablePatterns().count(), 21);

        // Saving again keeps the alias and writes format 1.2. The first part goes, its
        // property with it; the second part keeps its own.
        QCOMPARE(walkToLastPage(*dlg), int(PartwrightForm::LastPage));
        QVERIFY(dlg->logicPage()->deleteLogicPart(0));
        dlg->leModelName->setText(path(QStringLiteral("again.model")));
        QVERIFY(dlg->modelFile()->buildAndSave());
        const QByteArray again = contentOf(path(QStringLiteral("again.model")));
        QVERIFY(again.startsWith("model-format 1.2\n"));
        QVERIFY(again.contains("alias \"A1\" \"CHIP\" \"Maker\" \"P\""));
        QVERIFY(again.contains("line \"(c) Jo\""));
        QVERIFY2(again.contains("  logic \"Part 02\" {\n    property \"grade\" \"industrial\"\n"
                                "    property \"family\" \"HC\"\n    pinlist"),
                 again.constData());
        QVERIFY(!again.contains("property \"first\""));
    }

    void loadingSetsEditModeAndCategory()
    {
        ScriptedPrompter prompts;
        const QString file = path(QStringLiteral("mode.model"));
        QVERIFY(put(file, kModel));
        // File New, then File Open: the model is edited as a loaded one.
        auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
        dlg->show();
        dlg->menuAction(PartwrightDlg::MenuNew)->trigger();
        QCOMPARE(dlg->editMode(), int(PartwrightDlg::CreateNew));
        prompts.answerFile(file);
        dlg->menuAction(PartwrightDlg::MenuOpen)->trigger();
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::PackagePage));
        QCOMPARE(dlg->editMode(), int(PartwrightDlg::EditExisting));
        QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::Logic));
        QCOMPARE(dlg->deviceCategoryName(), QStringLiteral("Logic"));
        QVERIFY(dlg->rbLogicDevice->isChecked() && dlg->rbLogicDevice->isEnabled());
        QVERIFY(!dlg->rbPassiveDevice->isEnabled());
        const QString saved = path(QStringLiteral("mode-saved.model"));
        dlg->leModelName->setText(saved);
        dlg->accept();
        QVERIFY(dlg->finishedFlag());
        QVERIFY(contentOf(saved).contains("component \"CHIP\""));

        // A device id that is empty or starts with a blank cannot complete the
        // device page, yet the loaded model is checked on leaving the logic part page.
        for (const char* id : {"", " CHIP"}) {
            QByteArray text = kModel;
            text.replace("component \"CHIP\"", "component \"" + QByteArray(id) + "\"");
            text.replace("    enable \"E\"", "    pinlist \"PL2\" {\n      signal IN 1 \"A\"\n    }\n    enable \"E\"");
            QVERIFY(put(file, text));
            dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
            dlg->show();
            prompts.answerFile(file);
            dlg->menuAction(PartwrightDlg::MenuOpen)->trigger();
            QCOMPARE(dlg->leDeviceId->text(), QString::fromLatin1(id));
            QCOMPARE(dlg->editMode(), int(PartwrightDlg::EditExisting));
            QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::Logic));
            QString expected;
            QVERIFY(!dlg->context().logic().checkPinListsMatch(expected));
            dlg->next();
            QCOMPARE(dlg->currentIndex(), int(PartwrightForm::LogicPage));
            dlg->next();
            QCOMPARE(dlg->currentIndex(), int(PartwrightForm::LogicPage));
            QCOMPARE(prompts.lastText(), expected);
        }
        // A cancelled File Open forgets the loaded file.
        QCOMPARE(dlg->modelFileName(), QDir::toNativeSeparators(file));
        prompts.answerFile(QString());
        dlg->menuAction(PartwrightDlg::MenuOpen)->trigger();
        QVERIFY(dlg->modelFileName().isEmpty());
        QVERIFY(dlg->proposedFilePath().isEmpty());
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void leavingPackagesAndSavingKeepPinNames()
    {
        ScriptedPrompter prompts;
        const QString file = path(QStringLiteral("names.model"));
        QVERIFY(put(file, "model-format 1.2\ncomponent \"CHIP\" {\n  package {\n    id \"P\"\n"
                  "    pin \"1\" \"A\" INPUT\n    pin \"2\" \"B\" INPUT\n  }\n"
                  "  logic \"U1\" {\n    pinlist \"L1\" {\n      signal IN 0 \"A\"\n      signal IN 1 \"B\"\n    }\n  }\n"
                  "  logic \"U2\" {\n    pinlist \"L2\" {\n      signal IN 0 \"A\"\n      signal IN 1 \"B\"\n    }\n  }\n}\n"));
        auto dlg = openedOnNext(file);
        const CLogicPartList& parts = dlg->context().logic().logicParts();
        const auto pinNames = [&parts](int part) {
            QStringList names;
            for (const CPinListPin* pin : parts.at(part)->pinLists().at(0)->pins())
                names.append(pin->pinName());
            return names;
        };
        const QStringList both{QStringLiteral("A"), QStringLiteral("B")};
        dlg->next();
        dlg->next();
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::PackagePage));
        // Pin B leaves the package; the pin lists still name it.
        LxLibTable* packageTable = dlg->packagePage()->form()->PackageTable;
        packageTable->selectRow(1);
        dlg->packagePage()->slotDelPackagePinDefinition();

        // A save stores the package but never changes the pin lists.
        dlg->leModelName->setText(path(QStringLiteral("names-saved.model")));
        dlg->modelFile()->slotMenuFileSave();
        QCOMPARE(dlg->context().logic().packages().at(0)->pins().count(), 1);
        QCOMPARE(pinNames(0), both);
        QCOMPARE(pinNames(1), both);

        // Leaving the page clears names only when the pin list table is marked
        // for refresh, and only in the current logic part.
        dlg->next();
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::LogicPage));
        QCOMPARE(pinNames(0), both);
        QCOMPARE(pinNames(1), both);
        LxLibTable* pinTable = dlg->logicPage()->pinListTab()->form()->PinListTable;
        pinTable->setRefreshState(1);
        dlg->back();
        dlg->next();
        QCOMPARE(pinNames(0), (QStringList{QStringLiteral("A"), QString()}));
        QCOMPARE(pinNames(1), both);
        QCOMPARE(pinTable->refreshState(), 0);
        QCOMPARE(pinTable->text(1, 0), QString());
        QCOMPARE(pinTable->text(0, 0), QStringLiteral("A"));
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void loadFailures()
    {
        ScriptedPrompter prompts;
        const QString missing = path(QStringLiteral("missing.model"));
        auto dlg = openedOnNext(missing);
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::StartPage));
        QCOMPARE(prompts.lastText(), QStringLiteral("Error: Unable to load the file \"%1\"").arg(missing));

        const QString two = path(QStringLiteral("two.model"));
        QVERIFY(put(two, "model-format 1.2\ncomponent \"A\" {\n}\ncomponent \"B\" {\n}\n"));
        dlg = openedOnNext(two);
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::StartPage));
        QCOMPARE(prompts.lastText(), QStringLiteral("Unable to parse file \"%1\"").arg(two));

        // The open dialog: its filters, and a cancel that forgets the file and the proposed path.
        QCOMPARE(dlg->modelFileName(), QDir::toNativeSeparators(two));
        dlg->setProposedFilePath(QStringLiteral("/x.model"));
        prompts.answerFile(QString());
        QVERIFY(!dlg->modelFile()->slotOpenFileDialog());
        QCOMPARE(prompts.shown().last().kind, QStringLiteral("open"));
        QCOMPARE(prompts.lastText(), QStringLiteral("Model File (*.model *.ibs *.abl);;Model (*.model);;ABEL-HDL "
                                                    "(*.abl);;IBIS (*.ibs);;All Files (*.*)"));
        QVERIFY(dlg->proposedFilePath().isEmpty());
        QVERIFY(dlg->modelFileName().isEmpty());
        QVERIFY(prompts.unexpected().isEmpty());
    }
};

QTEST_MAIN(TestModelFile)
#include "tst_modelfile.moc"
