#include "PWFolderPath.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class TestPartwrightDlg : public QObject
{
    Q_OBJECT

    static std::unique_ptr<PartwrightDlg> makeDlg(const QString& fileName = QString())
    {
        auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), fileName);
        dlg->show();
        return dlg;
    }

    // Page 0 with "Create Model", then Next.
    static void toDevicePage(PartwrightDlg& dlg)
    {
        dlg.rbCreateNewModel->click();
        QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
        QCOMPARE(dlg.currentIndex(), int(PartwrightForm::DevicePage));
    }

    static QList<int> appropriatePages(const PartwrightDlg& dlg)
    {
        QList<int> pages;
        for (int i = 0; i < dlg.pageCount(); ++i)
            if (dlg.appropriate(dlg.page(i)))
                pages << i;
        return pages;
    }

private slots:
    void startAndDevicePage()
    {
        ScriptedPrompter prompts;
        auto dlg = makeDlg();
        QVERIFY(!dlg->isModal()); // a null file name
        QVERIFY(PartwrightDlg(nullptr, QString(), QLatin1String("")).isModal());
        QVERIFY(dlg->rbEditExisistModel->isChecked());
        QCOMPARE(dlg->editMode(), int(PartwrightDlg::EditExisting));
        QVERIFY(!dlg->backButton()->isVisible() && !dlg->helpButton()->isVisible());
        QVERIFY(!dlg->nextButton()->isEnabled()); // no file named yet
        QCOMPARE(dlg->nextButton()->text(), "&Next >");
        QCOMPARE(dlg->windowTitle(), "Partwright Wizard");
        QCOMPARE(dlg->title(dlg->page(0)), "Page 1");
        QCOMPARE(dlg->title(dlg->page(6)), "Page 8");
        QCOMPARE(dlg->page(PartwrightForm::PassivePage)->objectName(), "wzpPage4");
        QVERIFY(!dlg->menuAction(PartwrightDlg::MenuExport)->isEnabled());

        // Next on page 0 follows the file name text.
        QTest::keyClicks(dlg->leOpenExisistingModel, "x.model");
        QVERIFY(dlg->nextButton()->isEnabled());
        dlg->leOpenExisistingModel->clear();
        QVERIFY(!dlg->nextButton()->isEnabled());
        dlg->rbCreateNewModel->click();
        QVERIFY(dlg->nextButton()->isEnabled() && !dlg->leOpenExisistingModel->isVisible());
        QCOMPARE(dlg->editMode(), int(PartwrightDlg::CreateNew));
        QVERIFY(prompts.shown().isEmpty());

        toDevicePage(*dlg);
        QVERIFY(dlg->backButton()->isVisible() && dlg->menuAction(PartwrightDlg::MenuExport)->isEnabled());
        // New models can only be passive or logic.
        QVERIFY(dlg->rbPassiveDevice->isEnabled() && dlg->rbLogicDevice->isEnabled());
        QVERIFY(!dlg->rbMemoryTestDevice->isEnabled() && !dlg->rbMemoryProgramDevice->isEnabled());
        dlg->rbLogicDevice->click();
        QVERIFY(!dlg->nextButton()->isEnabled()); // no device id yet
        QTest::keyClicks(dlg->leDeviceId, " U1");
        QVERIFY(!dlg->nextButton()->isEnabled()); // a leading blank is refused
        dlg->leDeviceId->setText("U1");
        QVERIFY(dlg->nextButton()->isEnabled());
        QCOMPARE(dlg->deviceCategoryName(), "Logic");
        QCOMPARE(appropriatePages(*dlg), (QList<int>{0, 1, 2, 4, 5, 6}));
        QVERIFY(dlg->title(dlg->page(3)).isEmpty()); // a complete page clears every title

        dlg->rbPassiveDevice->click();
        QCOMPARE(appropriatePages(*dlg), (QList<int>{0, 1, 2, 3, 6}));
        // A passive device goes header -> passive page -> last page.
        for (int page : {PartwrightForm::HeaderPage, PartwrightForm::PassivePage, PartwrightForm::LastPage}) {
            QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
            QCOMPARE(dlg->currentIndex(), page);
        }
        QVERIFY(dlg->finishButton()->isEnabled());
        QCOMPARE(dlg->windowTitle(), "U1 - Partwright ");
    }

    void backNewAndQuit()
    {
        ScriptedPrompter prompts;
        auto dlg = makeDlg();
        toDevicePage(*dlg);
        prompts.answerYesNo(false);
        QTest::mouseClick(dlg->backButton(), Qt::LeftButton);
        QCOMPARE(dlg->currentIndex(), int(PartwrightForm::DevicePage));
        QVERIFY(!dlg->finishedFlag() && dlg->isVisible());
        QCOMPARE(prompts.lastText(),
                 "Any possible made settings will be lost.\nAre you sure that you want to continue?");
        prompts.answerYesNo(true);
        QTest::mouseClick(dlg->backButton(), Qt::LeftButton);
        QVERIFY(dlg->finishedFlag());
        QCOMPARE(dlg->result(), int(QDialog::Accepted));

        // A host-given file goes back without asking.
        auto hosted = makeDlg();
        hosted->setHostFile(true);
        toDevicePage(*hosted);
        const int asked = prompts.count();
        QTest::mouseClick(hosted->backButton(), Qt::LeftButton);
        QCOMPARE(hosted->currentIndex(), int(PartwrightForm::StartPage));
        QCOMPARE(prompts.count(), asked);

        // File New starts over on the device page; Quit asks.
        auto fresh = makeDlg();
        fresh->leDeviceId->setText("old");
        fresh->menuAction(PartwrightDlg::MenuNew)->trigger();
        QCOMPARE(fresh->currentIndex(), int(PartwrightForm::DevicePage));
        QVERIFY(fresh->rbCreateNewModel->isChecked() && fresh->leDeviceId->text().isEmpty());
        QCOMPARE(fresh->editMode(), int(PartwrightDlg::CreateNew));
        QVERIFY(fresh->menuAction(PartwrightDlg::MenuSave)->isEnabled());
        prompts.answerYesNo(true);
        fresh->slotMenuFileQuit();
        QVERIFY(fresh->closedFlag());
    }

    void finishAndCancel()
    {
        ScriptedPrompter prompts;
        // No category: Finish stays without a message.
        auto dlg = makeDlg();
        dlg->accept();
        QVERIFY(dlg->isVisible() && !dlg->finishedFlag() && !dlg->closedFlag() && prompts.shown().isEmpty());
        prompts.answerYesNo(false);
        dlg->reject();
        QVERIFY(dlg->isVisible() && !dlg->closedFlag());
        QCOMPARE(prompts.lastText(), "Do you want to close this wizard and discard changes ?\n");
        prompts.answerYesNo(true);
        QTest::mouseClick(dlg->cancelButton(), Qt::LeftButton);
        QVERIFY(dlg->closedFlag() && !dlg->isVisible());

        // View-only: Finish reads "&Close", neither Finish nor Cancel asks.
        auto viewing = makeDlg("some.model");
        viewing->setViewOnly(true);
        viewing->updateEditState(PartwrightDlg::Logic);
        QCOMPARE(viewing->finishButton()->text(), "&Close");
        QVERIFY(viewing->leDeviceId->isReadOnly());
        QCOMPARE(viewing->FinishLabel->text(),
                 "Current view mode is read-only. Please use the Partwright or Partvault to edit a model file.");
        prompts.clearShown();
        viewing->accept();
        QVERIFY(viewing->closedFlag() && !viewing->isVisible());
        auto other = makeDlg("some.model");
        other->setViewOnly(true);
        other->reject();
        QVERIFY(other->closedFlag() && prompts.shown().isEmpty());
    }

    void categoriesAndReadOnlyMemory()
    {
        ScriptedPrompter prompts;
        auto dlg = makeDlg();
        dlg->updateCategoryButtons(PartwrightDlg::MemoryProgram);
        QVERIFY(dlg->rbMemoryProgramDevice->isChecked() && dlg->rbMemoryProgramDevice->isEnabled());
        for (QRadioButton* rb : {dlg->rbPassiveDevice, dlg->rbLogicDevice, dlg->rbMemoryTestDevice})
            QVERIFY(!rb->isChecked() && !rb->isEnabled());
        dlg->updateCategoryButtons(PartwrightDlg::NoCategory);
        for (QRadioButton* rb :
             {dlg->rbPassiveDevice, dlg->rbLogicDevice, dlg->rbMemoryTestDevice, dlg->rbMemoryProgramDevice})
            QVERIFY(!rb->isChecked() && rb->isEnabled());

        dlg->setModelFileName("/models/sram.model");
        dlg->rbMemoryTestDevice->setChecked(true);
        QVERIFY(dlg->readDeviceCategory());
        dlg->updateEditState(PartwrightDlg::MemoryTest);
        QCOMPARE(dlg->FinishLabel->text(), "Current model file can not be altered (read-only).");
        QCOMPARE(dlg->finishButton()->text(), "&Close");
        QVERIFY(dlg->leDeviceId->isReadOnly() && dlg->leModelName->isReadOnly());
        QVERIFY(!dlg->pbSaveModel->isEnabled() && !dlg->menuAction(PartwrightDlg::MenuSave)->isEnabled());
        dlg->accept();
        QCOMPARE(prompts.lastText(), QStringLiteral("Warning: File \"%1\" is in ReadOnly mode and cannot be "
                                                    "changed or saved")
                                         .arg(QDir::toNativeSeparators("/models/sram.model")));
        QVERIFY(dlg->closedFlag() && !dlg->finishedFlag());
    }

    void captionAndFileNames()
    {
        ScriptedPrompter prompts;
        auto dlg = makeDlg();
        dlg->setProposedFilePath("/lib/custom/U7.model");
        dlg->setModelFileName("/lib//custom/./U7.MODEL");
        QCOMPARE(dlg->modelFileName(), QDir::toNativeSeparators("/lib/custom/U7.MODEL"));
        QCOMPARE(dlg->leOpenExisistingModel->text(), dlg->modelFileName());
        QCOMPARE(dlg->leModelName->text(), "/lib/custom/U7.model");
        dlg->leDeviceId->setText("U7");
        dlg->updateCaption();
        QCOMPARE(dlg->windowTitle(),
                 QStringLiteral("U7 - Partwright - [U7.model (%1)]").arg(QDir::toNativeSeparators("/lib/custom")));
        dlg->setModelFileName("/lib/plain");
        dlg->updateCaption();
        QVERIFY(dlg->windowTitle().endsWith(
            QStringLiteral("[plain.model (%1)]").arg(QDir::toNativeSeparators("/lib"))));

        // The proposal prefers the host database, then the model library, then the current folder.
        auto fresh = makeDlg();
        fresh->setModelLibPath("/models/custom");
        QVERIFY(!fresh->proposeFileName(QString()) && fresh->proposeFileName("U9"));
        QCOMPARE(fresh->proposedFilePath(), "/models/custom/U9.model");
        PartwrightDlg::setDatabasePathProvider([] { return QStringLiteral("/db"); });
        QVERIFY(fresh->proposeFileName("U9"));
        QCOMPARE(fresh->proposedFilePath(), "/db/Modellib/U9.model");
        PartwrightDlg::setDatabasePathProvider({});
        fresh->setModelLibPath(QString());
        QVERIFY(fresh->proposeFileName("U9"));
        QCOMPARE(fresh->proposedFilePath(), QDir::cleanPath(QDir::currentPath() + "/U9.model"));
    }

    void createFolderPaths()
    {
        QTemporaryDir tmp;
        QString message;
        QVERIFY(createFolderPath(QDir(tmp.path() + "/a/b/c"), message) && QDir(tmp.path() + "/a/b/c").exists());
        QVERIFY(createFolderPath(QDir("plainname"), message)); // nothing to walk
        QVERIFY(!QDir("plainname").exists());
        // Backslashes split the path when there are any.
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(tmp.path());
        QVERIFY(createFolderPath(QDir("x\\y"), message) && QDir(tmp.path() + "/x/y").exists());
        QDir::setCurrent(cwd);
        QDir(tmp.path()).mkdir("locked");
        QFile::setPermissions(tmp.path() + "/locked", QFile::ReadOwner | QFile::ExeOwner);
        if (!QFileInfo("/root").isWritable()) { // root writes anywhere
            QVERIFY(!createFolderPath(QDir(tmp.path() + "/locked/sub"), message));
            QCOMPARE(message, "Unable to create folder name 'sub'");
        }
        QFile::setPermissions(tmp.path() + "/locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(TestPartwrightDlg)
#include "tst_partwrightdlg.moc"
