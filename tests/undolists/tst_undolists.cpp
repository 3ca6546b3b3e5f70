// Adding, renaming and deleting whole items in the lists of the package and
// logic part pages, taken back and done again through the pages' histories.

#include "CLogic.h"
#include "PWDisableTab.h"
#include "PWEditMarks.h"
#include "PWEnableTab.h"
#include "PWListHistory.h"
#include "PWPackagePage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PageFixture.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPackagePage.h"
#include "ui_PWPinListTab.h"
#include "ui_PWTestSequenceTab.h"
#include "tests/undo/UndoFixture.h"

#include <QtTest>

namespace {

QStringList packageIds(const CLogic& logic)
{
    QStringList ids;
    for (const CPackage* package : logic.packages())
        ids.append(package->packageIds().join(u'+'));
    return ids;
}

// The names the logic model holds, part by part: what a list step changes.
QString modelNames(const CLogic& logic)
{
    QStringList parts;
    for (const CLogicPart* part : logic.logicParts()) {
        QStringList names{part->name()};
        for (const auto* list : part->pinLists())
            names << list->name();
        for (const auto* pattern : part->enablePatterns())
            names << pattern->GetName();
        for (const auto* pattern : part->disablePatterns())
            names << pattern->GetName();
        for (const auto* sequence : part->testSequences())
            names << sequence->name();
        parts << names.join(u',');
    }
    return parts.join(u'/');
}

// One step on a list of the logic part page: the tab and part it is taken on, the name
// typed (none: the question is answered yes), what it does and the list it shows in.
struct ListStep
{
    int tab;
    int part;
    QString answer;
    void (*act)(PWLogicPartsPage*);
    QListWidget* (*list)(PWLogicPartsPage*);
    QStringList shownAfter;
};

} // namespace

Q_DECLARE_METATYPE(ListStep)

class TestUndoLists : public QObject
{
    Q_OBJECT

private:
    // A package with one pin row typed in, added through the page.
    static void addPackage(PageFixture<PWPackagePage>& f, ScriptedPrompter& prompts, const char* id, const char* pin)
    {
        prompts.answerText(QString::fromLatin1(id));
        f.page.slotAddPackage();
        f.page.slotAddPackagePinDefinition();
        LxLibTable* table = f.page.form()->PackageTable;
        table->setText(table->numRows() - 1, 0, QStringLiteral("1"));
        table->setText(table->numRows() - 1, 1, QString::fromLatin1(pin));
    }

private slots:
    void packageStepsGoBackAndAgain()
    {
        ScriptedPrompter prompts;
        PageFixture<PWPackagePage> f;
        f.context.category = 2;
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        QListWidget* list = f.page.form()->PackageLBox;
        PWListHistory* history = f.page.listHistory();
        addPackage(f, prompts, "DIP", "A");
        list->setFocus();
        QApplication::setActiveWindow(&f.dialog);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list->count(), 0);
        QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(listTexts(list), QStringList{"DIP"});
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(listTexts(list), QStringList{"DIP"});
        std::unique_ptr<QMenu> menu(f.page.createPackageMenu(list->item(0)));
        QCOMPARE(menuTexts(menu.get()),
                 QStringList({"New ...", "Rename ...", "Delete ", "|", "Copy From...", "|", "Undo", "Redo"}));
        QVERIFY(menu->actions().at(6)->isEnabled() && !menu->actions().at(7)->isEnabled());

        // A step taken back shows and holds what was there before it, and comes again as it was.
        const auto state = [&] {
            QStringList shown = listTexts(list) << QString::number(list->currentRow())
                                                << packageIds(f.context.logic()).join(u'/')
                                                << f.page.form()->PackageIdListCBox->currentText();
            for (const QStringList& row : f.page.form()->PackageTable->tableTexts())
                shown << row.join(u'|');
            return shown;
        };
        const auto step = [&](const std::function<void()>& act, const QStringList& shownAfter) {
            const QStringList before = state();
            act();
            QCOMPARE(listTexts(list), shownAfter);
            const QStringList after = state();
            QVERIFY(history->undo());
            QCOMPARE(state(), before);
            QVERIFY(history->redo());
            QCOMPARE(state(), after);
        };
        step([&] {
            addPackage(f, prompts, "SOIC", "B");
            f.page.takeOverEdited();
        }, {"DIP", "SOIC"});

        // Deleting a package with unstored edits: it comes back with them, and with its edit mark.
        f.page.selectItem(0, 0);
        f.page.slotAddPackagePinDefinition();
        f.page.form()->PackageTable->setText(1, 1, QStringLiteral("C"));
        QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));
        step([&] {
            prompts.answerYesNo(true);
            f.page.slotDelPackage();
        }, {"SOIC"});
        QVERIFY(history->undo());
        QCOMPARE(f.context.logic().packages().at(0)->pins().count(), 2);
        QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));
        QCOMPARE(f.context.packageMarks.mark(1), int(PWEditMarks::Stored));
        QCOMPARE(f.context.pinNames(), QStringList{QString()}); // A and B are not shared
        QVERIFY(history->redo());

        step([&] {
            prompts.answerText(QStringLiteral("QFP"));
            f.page.slotRenamePackage();
        }, {"QFP"});
        QVERIFY(!history->redo());

        // Another package takes a deleted one's id outside the list history: its undo is refused.
        addPackage(f, prompts, "DIP", "A");
        prompts.answerYesNo(true);
        f.page.slotDelPackage();
        prompts.answerText(QStringLiteral("DIP"));
        f.page.slotAddPackageId();
        f.page.takeOverEdited();
        const int index = history->index();
        prompts.clearShown();
        QVERIFY(!history->undo());
        QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Package id \"DIP\" is already used")});
        QCOMPARE(history->index(), index);
        QCOMPARE(listTexts(list), QStringList{"QFP"});
        QCOMPARE(packageIds(f.context.logic()), QStringList{"QFP+DIP"});
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void logicListStepGoesBackAndAgain_data()
    {
        QTest::addColumn<ListStep>("step");
        const auto pinLists = [](PWLogicPartsPage* p) { return p->pinListTab()->form()->PinListLBox; };
        const auto enables = [](PWLogicPartsPage* p) { return p->enableTab()->list(); };
        const auto disables = [](PWLogicPartsPage* p) { return p->disableTab()->list(); };
        const auto sequences = [](PWLogicPartsPage* p) { return p->testSequenceTab()->form()->lbTestSequenceLBox; };
        using Page = PWLogicPartsPage;
        QTest::newRow("part with its lists deleted")
            << ListStep{Page::EnableTab, 0, {}, [](Page* p) { p->slotDeleteLogicPart(); }, enables, {"Byte 2 on"}};
        QTest::newRow("pin list deleted")
            << ListStep{Page::PinListTab, 1, {}, [](Page* p) { p->pinListTab()->slotDelPinList(); }, pinLists, {}};
        QTest::newRow("pin list renamed") << ListStep{Page::PinListTab, 1, "Upper",
                                                      [](Page* p) { p->pinListTab()->slotRenamePinList(); },
                                                      pinLists, {"Upper"}};
        QTest::newRow("enable pattern deleted")
            << ListStep{Page::EnableTab, 1, {}, [](Page* p) { p->enableTab()->slotDeleteEnable(); }, enables, {}};
        QTest::newRow("disable pattern added") << ListStep{Page::DisableTab, 1, "Quiet",
                                                           [](Page* p) { p->disableTab()->slotAddDisable(); }, disables,
                                                           {"Byte 2 off", "Quiet"}};
        QTest::newRow("sequence deleted") << ListStep{Page::TestSequenceTab, 0, {},
                                                      [](Page* p) { p->testSequenceTab()->slotDeleteTestSequence(); },
                                                      sequences, {"B to A"}};
        QTest::newRow("sequence renamed") << ListStep{Page::TestSequenceTab, 0, "Loop",
                                                      [](Page* p) { p->testSequenceTab()->slotRenameTestSequence(); },
                                                      sequences, {"Loop", "B to A"}};
        QTest::newRow("sequence added") << ListStep{Page::TestSequenceTab, 0, "Extra",
                                                    [](Page* p) {
                                                        // A new sequence reaches the model when it is stored.
                                                        p->testSequenceTab()->slotAddTestSequence();
                                                        p->storeCurrentTab();
                                                    },
                                                    sequences, {"A to B", "B to A", "Extra"}};
    }
    void logicListStepGoesBackAndAgain()
    {
        QFETCH(ListStep, step);
        OpenedExample e;
        PWLogicPartsPage* page = e.page();
        page->selectItem(0, step.part);
        page->form()->LogicPartTWidget->setCurrentIndex(step.tab);
        QListWidget* list = step.list(page);
        list->setCurrentRow(0);
        // Both lists, the rows, tab and last tabs shown, and the model.
        QListWidget* parts = page->form()->lbLogicPartLBox;
        const auto state = [&] {
            return listTexts(parts) << listTexts(list)
                                    << QStringLiteral("%1 %2 %3 %4 %5")
                                           .arg(parts->currentRow())
                                           .arg(list->currentRow())
                                           .arg(page->form()->LogicPartTWidget->currentIndex())
                                           .arg(page->lastTab(0))
                                           .arg(page->lastTab(1))
                                    << modelNames(e.dlg->context().logic());
        };
        const QStringList before = state();
        step.answer.isEmpty() ? e.prompts.answerYesNo(true) : e.prompts.answerText(step.answer);
        step.act(page);
        QCOMPARE(listTexts(list), step.shownAfter);
        const QStringList after = state();
        QVERIFY(after.last() != before.last());

        QVERIFY(page->listHistory()->undo());
        QCOMPARE(state(), before);
        QCOMPARE(e.save(QStringLiteral("undone.model")), e.before);
        QVERIFY(page->listHistory()->redo());
        QCOMPARE(state(), after);
        QVERIFY(e.prompts.unexpected().isEmpty());
    }

    void logicListStepBringsItsPartAndTabBack()
    {
        OpenedExample e;
        PWLogicPartsPage* page = e.page();
        PWListHistory* history = page->listHistory();
        QTabWidget* tabs = page->form()->LogicPartTWidget;

        // A step of another part's tab brings that part and tab back into view.
        page->selectItem(0, 1);
        tabs->setCurrentIndex(PWLogicPartsPage::DisableTab);
        e.prompts.answerText(QStringLiteral("Quiet"));
        page->disableTab()->slotAddDisable();
        tabs->setCurrentIndex(PWLogicPartsPage::PinListTab);
        page->selectItem(0, 0);
        QVERIFY(history->undo());
        QCOMPARE(page->form()->lbLogicPartLBox->currentRow(), 1);
        QCOMPARE(tabs->currentIndex(), int(PWLogicPartsPage::DisableTab));
        QCOMPARE(listTexts(page->disableTab()->list()), QStringList{"Byte 2 off"});

        // File New leaves no history behind.
        e.dlg->menuAction(PartwrightDlg::MenuNew)->trigger();
        QCOMPARE(history->count(), 0);
        QCOMPARE(e.dlg->packagePage()->listHistory()->count(), 0);
        QVERIFY(e.prompts.unexpected().isEmpty());
    }
};

QTEST_MAIN(TestUndoLists)
#include "tst_undolists.moc"
