// Adding, renaming and deleting whole items in the lists of the package and
// logic part pages, taken back and done again through the pages' histories.

#include "CLogic.h"
#include "LxLibTable.h"
#include "PWDisableTab.h"
#include "PWEditMarks.h"
#include "PWEnableTab.h"
#include "PWListHistory.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PWPackagePage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PageFixture.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPackagePage.h"
#include "ui_PWPinListTab.h"
#include "ui_PWTestSequenceTab.h"

#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QStringList packageIds(const CLogic& logic)
{
    QStringList ids;
    for (const CPackage* package : logic.packages())
        ids.append(package->packageIds().join(u'+'));
    return ids;
}

QStringList partNames(const CLogic& logic)
{
    QStringList names;
    for (const CLogicPart* part : logic.logicParts())
        names.append(part->name());
    return names;
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class TestUndoLists : public QObject
{
    Q_OBJECT

private:
    // A package with one pin row typed in, added through the page.
    static void addPackage(PageFixture<PWPackagePage>& f, ScriptedPrompter& prompts, const QString& id,
                           const QString& pin)
    {
        prompts.answerText(id);
        f.page.slotAddPackage();
        f.page.slotAddPackagePinDefinition();
        LxLibTable* table = f.page.form()->PackageTable;
        table->setText(table->numRows() - 1, 0, QStringLiteral("1"));
        table->setText(table->numRows() - 1, 1, pin);
    }

    static std::unique_ptr<PartwrightDlg> openOnLogicPage(const QString& file)
    {
        auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
        dlg->show();
        dlg->leOpenExisistingModel->setText(file);
        while (dlg->currentIndex() != PartwrightForm::LogicPage) {
            const int before = dlg->currentIndex();
            QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
            if (dlg->currentIndex() == before)
                return nullptr;
        }
        return dlg;
    }

    static QByteArray saved(PartwrightDlg& dlg, const QString& file)
    {
        dlg.leModelName->setText(file);
        return dlg.modelFile()->buildAndSave() ? contentOf(file) : QByteArray();
    }

    // The example with two logic parts on the logic part page, saved once as it came.
    struct Example
    {
        ScriptedPrompter prompts;
        QTemporaryDir tmp;
        std::unique_ptr<PartwrightDlg> dlg
            = openOnLogicPage(QStringLiteral(PW_EXAMPLES_DIR "/bus-transceiver-16245.model"));
        QByteArray before = save(QStringLiteral("before.model"));

        QByteArray save(const QString& name) { return dlg ? saved(*dlg, tmp.filePath(name)) : QByteArray(); }
    };

private slots:
    void packageStepsGoBackAndAgain()
    {
        ScriptedPrompter prompts;
        PageFixture<PWPackagePage> f;
        f.context.category = 2;
        QListWidget* list = f.page.form()->PackageLBox;
        PWListHistory* history = f.page.listHistory();
        addPackage(f, prompts, QStringLiteral("DIP"), QStringLiteral("A"));
        addPackage(f, prompts, QStringLiteral("SOIC"), QStringLiteral("B"));
        QCOMPARE(history->count(), 2);

        // Undoing the add takes the package out with what it held; the one
        // selected before comes back, showing its pins.
        QVERIFY(history->undo());
        QCOMPARE(entries(list), QStringList{QStringLiteral("DIP")});
        QCOMPARE(packageIds(f.context.logic()), QStringList{QStringLiteral("DIP")});
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(f.page.form()->PackageTable->text(0, 1), QStringLiteral("A"));
        QVERIFY(history->redo());
        QCOMPARE(entries(list), (QStringList{QStringLiteral("DIP"), QStringLiteral("SOIC")}));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(f.page.form()->PackageTable->text(0, 1), QStringLiteral("B"));

        // Deleting the first package while it holds unstored edits, and taking it
        // back: same place, pins (edits included), selection and edit mark.
        f.page.selectItem(0, 0);
        f.page.slotAddPackagePinDefinition();
        f.page.form()->PackageTable->setText(1, 1, QStringLiteral("C"));
        QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));
        prompts.answerYesNo(true);
        f.page.slotDelPackage();
        QCOMPARE(entries(list), QStringList{QStringLiteral("SOIC")});
        QCOMPARE(packageIds(f.context.logic()), QStringList{QStringLiteral("SOIC")});
        QVERIFY(history->undo());
        QCOMPARE(entries(list), (QStringList{QStringLiteral("DIP"), QStringLiteral("SOIC")}));
        QCOMPARE(packageIds(f.context.logic()), (QStringList{QStringLiteral("DIP"), QStringLiteral("SOIC")}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(f.page.form()->PackageTable->text(1, 1), QStringLiteral("C"));
        QCOMPARE(f.context.logic().packages().at(0)->pins().count(), 2);
        QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));
        QCOMPARE(f.context.packageMarks.mark(1), int(PWEditMarks::Stored));
        QCOMPARE(f.context.pinNames(), QStringList{QString()}); // A and B are not shared
        QVERIFY(history->redo());
        QCOMPARE(entries(list), QStringList{QStringLiteral("SOIC")});

        // Renaming reaches the list, the id box and the model, both ways.
        prompts.answerText(QStringLiteral("QFP"));
        f.page.slotRenamePackage();
        QCOMPARE(entries(list), QStringList{QStringLiteral("QFP")});
        QVERIFY(history->undo());
        QCOMPARE(entries(list), QStringList{QStringLiteral("SOIC")});
        QCOMPARE(f.page.form()->PackageIdListCBox->itemText(0), QStringLiteral("SOIC"));
        QCOMPARE(packageIds(f.context.logic()), QStringList{QStringLiteral("SOIC")});
        QVERIFY(history->redo());
        QCOMPARE(packageIds(f.context.logic()), QStringList{QStringLiteral("QFP")});
        QVERIFY(!history->redo());
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void refusedUndoShowsTheRuleAndChangesNothing()
    {
        ScriptedPrompter prompts;
        PageFixture<PWPackagePage> f;
        f.context.category = 2;
        QListWidget* list = f.page.form()->PackageLBox;
        addPackage(f, prompts, QStringLiteral("DIP"), QStringLiteral("A"));
        addPackage(f, prompts, QStringLiteral("SOIC"), QStringLiteral("A"));
        f.page.selectItem(0, 0);
        prompts.answerYesNo(true);
        f.page.slotDelPackage();
        // The remaining package takes the deleted one's id outside the list history.
        prompts.answerText(QStringLiteral("DIP"));
        f.page.slotAddPackageId();
        f.page.takeOverEdited();
        const int index = f.page.listHistory()->index();
        prompts.clearShown();

        QVERIFY(!f.page.listHistory()->undo());
        QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Package id \"DIP\" is already used")});
        QCOMPARE(f.page.listHistory()->index(), index);
        QCOMPARE(entries(list), QStringList{QStringLiteral("SOIC")});
        QCOMPARE(packageIds(f.context.logic()), QStringList{QStringLiteral("SOIC+DIP")});
    }

    void shortcutsAndMenuReachTheHistory()
    {
        ScriptedPrompter prompts;
        PageFixture<PWPackagePage> f;
        f.context.category = 2;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        QListWidget* list = f.page.form()->PackageLBox;
        addPackage(f, prompts, QStringLiteral("DIP"), QStringLiteral("A"));
        list->setFocus();
        QApplication::setActiveWindow(&f.dialog);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list->count(), 0);
        QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(entries(list), QStringList{QStringLiteral("DIP")});
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(entries(list), QStringList{QStringLiteral("DIP")});

        // The menu keeps its entries and order; Undo and Redo follow a separator.
        std::unique_ptr<QMenu> menu(f.page.createPackageMenu(list->item(0)));
        QCOMPARE(menuTexts(menu.get()),
                 (QStringList{QStringLiteral("New ..."), QStringLiteral("Rename ..."), QStringLiteral("Delete "),
                              QStringLiteral("-"), QStringLiteral("Copy From..."), QStringLiteral("-"),
                              QStringLiteral("Undo"), QStringLiteral("Redo")}));
        QVERIFY(menu->actions().at(6)->isEnabled());
        QVERIFY(!menu->actions().at(7)->isEnabled());
    }

    void logicListStepsKeepTheSavedFile()
    {
        Example e;
        QVERIFY2(!e.before.isEmpty(), qPrintable(e.prompts.texts().join(u'|')));
        PWLogicPartsPage* page = e.dlg->logicPage();
        PWListHistory* history = page->listHistory();
        QListWidget* parts = page->form()->lbLogicPartLBox;
        const CLogic& logic = e.dlg->context().logic();

        // A logic part with pin lists, sequences and patterns goes and comes back
        // whole, with the tab it was left on.
        page->selectItem(0, 0);
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
        const int lastTabOfSecond = page->lastTab(1);
        e.prompts.answerYesNo(true);
        page->slotDeleteLogicPart();
        QCOMPARE(partNames(logic), QStringList{QStringLiteral("Byte 2")});
        QVERIFY(history->undo());
        QCOMPARE(entries(parts), (QStringList{QStringLiteral("Byte 1"), QStringLiteral("Byte 2")}));
        QCOMPARE(parts->currentRow(), 0);
        QCOMPARE(page->lastTab(0), int(PWLogicPartsPage::EnableTab));
        QCOMPARE(page->lastTab(1), lastTabOfSecond);
        QCOMPARE(entries(page->enableTab()->list()), QStringList{QStringLiteral("Byte 1 on")});
        QCOMPARE(e.save(QStringLiteral("part.model")), e.before);
        QVERIFY(history->redo());
        QCOMPARE(partNames(logic), QStringList{QStringLiteral("Byte 2")});
        QVERIFY(history->undo());

        // A pin list: deleting it prunes the part's patterns; undo gives back both.
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::PinListTab);
        page->selectItem(0, 1);
        QListWidget* pinLists = page->pinListTab()->form()->PinListLBox;
        e.prompts.answerYesNo(true);
        page->pinListTab()->slotDelPinList();
        QCOMPARE(pinLists->count(), 0);
        QCOMPARE(logic.logicParts().at(1)->pinLists().count(), 0);
        QVERIFY(history->undo());
        QCOMPARE(entries(pinLists), QStringList{QStringLiteral("Byte 2")});
        QCOMPARE(pinLists->currentRow(), 0);
        QCOMPARE(e.save(QStringLiteral("pinlist.model")), e.before);

        // Renaming a pin list, and an undo the uniqueness rule would refuse.
        e.prompts.answerText(QStringLiteral("Upper"));
        page->pinListTab()->slotRenamePinList();
        QCOMPARE(logic.logicParts().at(1)->pinLists().at(0)->name(), QStringLiteral("Upper"));
        QVERIFY(history->undo());
        QCOMPARE(logic.logicParts().at(1)->pinLists().at(0)->name(), QStringLiteral("Byte 2"));
        QCOMPARE(entries(pinLists), QStringList{QStringLiteral("Byte 2")});
        QVERIFY(history->redo());
        QCOMPARE(entries(pinLists), QStringList{QStringLiteral("Upper")});
        QVERIFY(history->undo());

        // An enable pattern of the part on show.
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
        QListWidget* enables = page->enableTab()->list();
        QCOMPARE(entries(enables), QStringList{QStringLiteral("Byte 2 on")});
        e.prompts.answerYesNo(true);
        page->enableTab()->slotDeleteEnable();
        QCOMPARE(logic.logicParts().at(1)->enablePatterns().count(), 0);
        QVERIFY(history->undo());
        QCOMPARE(entries(enables), QStringList{QStringLiteral("Byte 2 on")});
        QCOMPARE(e.save(QStringLiteral("enable.model")), e.before);

        // A disable pattern added and taken back, then renamed to a reserved name and refused.
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::DisableTab);
        QListWidget* disables = page->disableTab()->list();
        e.prompts.answerText(QStringLiteral("Quiet"));
        page->disableTab()->slotAddDisable();
        QCOMPARE(entries(disables), (QStringList{QStringLiteral("Byte 2 off"), QStringLiteral("Quiet")}));
        QVERIFY(history->undo());
        QCOMPARE(entries(disables), QStringList{QStringLiteral("Byte 2 off")});
        QCOMPARE(disables->currentRow(), 0);
        QCOMPARE(logic.logicParts().at(1)->disablePatterns().count(), 1);
        QVERIFY(history->redo());
        QCOMPARE(logic.logicParts().at(1)->disablePatterns().at(1)->GetName(), QStringLiteral("Quiet"));

        // A step of another part's tab brings that part and tab back into view.
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::PinListTab);
        page->selectItem(0, 0);
        QVERIFY(history->undo());
        QCOMPARE(parts->currentRow(), 1);
        QCOMPARE(page->form()->LogicPartTWidget->currentIndex(), int(PWLogicPartsPage::DisableTab));
        QCOMPARE(entries(disables), QStringList{QStringLiteral("Byte 2 off")});

        // File New leaves no history behind.
        QVERIFY(history->count() > 0);
        e.dlg->menuAction(PartwrightDlg::MenuNew)->trigger();
        QCOMPARE(history->count(), 0);
        QCOMPARE(e.dlg->packagePage()->listHistory()->count(), 0);
        QVERIFY(e.prompts.unexpected().isEmpty());
    }

    void sequenceStepsKeepTheSavedFile()
    {
        Example e;
        QVERIFY2(!e.before.isEmpty(), qPrintable(e.prompts.texts().join(u'|')));
        PWLogicPartsPage* page = e.dlg->logicPage();
        PWListHistory* history = page->listHistory();
        const CLogic& logic = e.dlg->context().logic();
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
        PWTestSequenceTab* tab = page->testSequenceTab();
        QListWidget* sequences = tab->form()->lbTestSequenceLBox;
        const QStringList both{QStringLiteral("A to B"), QStringLiteral("B to A")};
        QCOMPARE(entries(sequences), both);

        // The first sequence goes with its rows and diagnostics and comes back in place.
        tab->selectItem(page->currentLogicPart(), 0);
        e.prompts.answerYesNo(true);
        tab->slotDeleteTestSequence();
        QCOMPARE(entries(sequences), QStringList{QStringLiteral("B to A")});
        QVERIFY(history->undo());
        QCOMPARE(entries(sequences), both);
        QCOMPARE(sequences->currentRow(), 0);
        QCOMPARE(e.save(QStringLiteral("sequence.model")), e.before);
        QVERIFY(history->redo());
        QCOMPARE(logic.logicParts().at(page->currentLogicPart())->testSequences().count(), 1);
        QVERIFY(history->undo());

        // A rename, and a new sequence taken back and added again.
        e.prompts.answerText(QStringLiteral("Loop"));
        tab->slotRenameTestSequence();
        QCOMPARE(entries(sequences), (QStringList{QStringLiteral("Loop"), QStringLiteral("B to A")}));
        QVERIFY(history->undo());
        QCOMPARE(entries(sequences), both);
        QCOMPARE(e.save(QStringLiteral("renamed.model")), e.before);
        e.prompts.answerText(QStringLiteral("Extra"));
        tab->slotAddTestSequence();
        QVERIFY(history->undo());
        QCOMPARE(entries(sequences), both);
        QVERIFY(history->redo());
        QCOMPARE(entries(sequences).last(), QStringLiteral("Extra"));
        QCOMPARE(sequences->currentRow(), 2);
        QVERIFY(e.prompts.unexpected().isEmpty());
    }
};

QTEST_MAIN(TestUndoLists)
#include "tst_undolists.moc"
