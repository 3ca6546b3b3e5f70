// Undo where the tables' histories met the fields beside them, on the example
// octal latch: its part holds an enable, a disable and a latch sequence.

#include "CLogic.h"
#include "LxLibLogicTable.h"
#include "LxLibPassive.h"
#include "LxTableHistory.h"
#include "LxUndoBinding.h"
#include "PWDiagnoseEditor.h"
#include "PWDisableTab.h"
#include "PWEditMarks.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PWPassivePage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWTestSequenceTable.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "UndoFixture.h"
#include "lxListBox.h"
#include "lxPassiveItem.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPassivePage.h"
#include "ui_PWPinListTab.h"
#include "ui_PWTestSequenceTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

void showTab(const OpenedExample& e, int tab) { e.page()->form()->LogicPartTWidget->setCurrentIndex(tab); }

const CLogicPart& firstPart(const OpenedExample& e) { return *e.dlg->context().logic().logicParts().at(0); }

// Picks the first entry of box other than the one shown, as the user does.
void pickOther(QComboBox* box)
{
    const QString shown = box->currentText();
    int i = 0;
    while (i < box->count() && box->itemText(i) == shown)
        ++i;
    QVERIFY(i < box->count());
    box->setCurrentIndex(i);
    emit box->activated(i);
}

QStringList condition(const PWLatchTab* tab)
{
    return {tab->firstSignal()->currentText(), tab->relation()->currentText(), tab->secondSignal()->currentText()};
}

void press(QWidget* focus, QKeyCombination keys)
{
    focus->setFocus();
    QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
}

} // namespace

class TestUndoGaps : public QObject
{
    Q_OBJECT

private slots:
    void fieldsBesideTheTablesAreSteps();
    void marksFollowTheHistories();
    void passiveMarksFollowTheHistories();
    void diagnosticsStoredOnRowChangeAreAStep();
    void diagnosticsSwitchedOffStayOffAfterRedo();
};

void TestUndoGaps::fieldsBesideTheTablesAreSteps()
{
    OpenedExample e(QStringLiteral("octal-latch-373.model"));
    QVERIFY(QTest::qWaitForWindowActive(e.dlg.get()));
    showTab(e, PWLogicPartsPage::LatchTab);
    PWLatchTab* tab = e.page()->latchTab();
    // Each choice is one step among the rows' steps, taken back from the box with the focus.
    const QStringList shown = condition(tab);
    pickOther(tab->firstSignal());
    tab->slotAddLatchVector();
    pickOther(tab->relation());
    const QStringList picked = condition(tab);
    emit tab->relation()->activated(tab->relation()->currentIndex());
    QCOMPARE(tab->table()->history()->stack()->count(), 3);
    press(tab->relation(), Qt::CTRL | Qt::Key_Z);
    QCOMPARE(tab->table()->numRows(), 4);
    press(tab->secondSignal(), Qt::CTRL | Qt::Key_Z);
    press(tab->firstSignal(), Qt::CTRL | Qt::Key_Z);
    QCOMPARE(condition(tab), shown);
    QCOMPARE(tab->table()->numRows(), 3);
    for (int i = 0; i < 3; ++i)
        press(tab->firstSignal(), Qt::CTRL | Qt::Key_Y);
    QCOMPARE(condition(tab), picked);

    // The pin list's name field shows renames, and takes them back.
    showTab(e, PWLogicPartsPage::PinListTab);
    QLineEdit* name = e.page()->pinListTab()->form()->PinListNameLEdit;
    e.prompts.answerText(QStringLiteral("Bus"));
    e.page()->pinListTab()->slotRenamePinList();
    press(name, Qt::CTRL | Qt::Key_Z);
    QCOMPARE(name->text(), QStringLiteral("Latch"));
    QCOMPARE(firstPart(e).pinLists().at(0)->name(), QStringLiteral("Latch"));
    press(name, Qt::CTRL | Qt::Key_Y);
    QCOMPARE(name->text(), QStringLiteral("Bus"));
    QCOMPARE(e.page()->pinListTab()->form()->PinListLBox->currentItem()->text(), QStringLiteral("Bus"));
}

void TestUndoGaps::marksFollowTheHistories()
{
    OpenedExample e(QStringLiteral("octal-latch-373.model"));
    const QByteArray& before = e.before;
    QVERIFY(!before.isEmpty());
    // A field and a row edited, both undone, one redone and undone again.
    const auto editUndoRedo = [&e](PWPatternListTab* tab, LxLibTable* table, int tabIndex,
                                   const std::function<void()>& edit) {
        showTab(e, tabIndex);
        LxUndoBinding* binding = table->history()->binding();
        edit();
        table->selectRow(0);
        removeSelectedRows(table);
        QVERIFY(binding->undo());
        QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));
        QVERIFY(binding->undo());
        QVERIFY(tab->mark(0, 0) != PWEditMarks::Edited);
        QVERIFY(binding->redo());
        QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));
        QVERIFY(binding->undo());
    };
    PWEnableTab* enable = e.page()->enableTab();
    editUndoRedo(enable, enable->table(), PWLogicPartsPage::EnableTab, [enable] {
        auto* type = enable->findChild<QComboBox*>(QStringLiteral("EnableTypeCBox"));
        type->setCurrentIndex(PWEnableTab::TypeChipEnable);
        emit type->activated(PWEnableTab::TypeChipEnable);
    });
    PWDisableTab* disable = e.page()->disableTab();
    editUndoRedo(disable, disable->table(), PWLogicPartsPage::DisableTab,
                 [disable] { disable->findChild<QCheckBox*>(QStringLiteral("cbOut"))->click(); });
    PWLatchTab* latch = e.page()->latchTab();
    editUndoRedo(latch, latch->table(), PWLogicPartsPage::LatchTab, [latch] { pickOther(latch->relation()); });
    QCOMPARE(e.save(QStringLiteral("undone.model")), before);

    // Stored while shown (a save), an undo is an edit that the next store takes.
    pickOther(latch->relation());
    e.page()->storeCurrentTab();
    QVERIFY(latch->table()->history()->binding()->undo());
    QCOMPARE(latch->mark(0, 0), int(PWEditMarks::Edited));
    showTab(e, PWLogicPartsPage::PinListTab);
    LxLibTable* pins = e.page()->pinListTab()->form()->PinListTable;
    e.page()->pinListTab()->slotAddPinListPinDefinition();
    e.page()->storeCurrentTab();
    QVERIFY(pins->history()->binding()->undo());
    QCOMPARE(e.dlg->context().pinListMarks.mark(0, 0), int(PWEditMarks::Edited));
    e.page()->storeCurrentTab();
    QCOMPARE(e.save(QStringLiteral("stored.model")), before);
}

void TestUndoGaps::passiveMarksFollowTheHistories()
{
    ScriptedPrompter prompts;
    PWPassivePage page;
    page.preparePassivePage();
    lxlib::LxLibPassiveComponent resistor(QStringLiteral("R1"), lxlib::PCT_RESISTOR);
    resistor.GetPinCombinationList().append(new lxlib::LxLibPinCombination(QStringLiteral("1"), QStringLiteral("2")));
    page.loadPassiveComponents({&resistor});
    lxPassiveItem* part = lxPassiveItem::passiveItem(page.partList()->currentItem());
    QVERIFY(part && !part->isModified());
    LxUndoBinding* binding = page.ui().PassiveResistorTable->history()->binding();
    page.ui().AddResistorPinDefinition->click();
    QVERIFY(binding->undo());
    QVERIFY(!part->isModified());
    QVERIFY(binding->redo());
    QVERIFY(part->isModified());

    // Stored meanwhile, the undo is an edit; a rename outlives undoing the rows.
    page.storeAllModifiedItems();
    QVERIFY(binding->undo());
    QVERIFY(part->isModified());
    page.renamePart(part, QStringLiteral("R2"));
    QVERIFY(binding->redo());
    QVERIFY(binding->undo());
    page.storeAllModifiedItems();
    QCOMPARE(part->libObject()->GetName(), QStringLiteral("R2"));
    QCOMPARE(part->libObject()->GetPinCombinationList().count(), 1);

    // A connection: the condition's table marks the condition and the connection.
    lxlib::LxLibPassiveCompConnection connection(QStringLiteral("J1"));
    connection.AddCondition(new lxlib::LxLibCondition(QStringLiteral("Open")));
    page.resetPassivePage();
    page.loadPassiveComponents({&connection});
    part = lxPassiveItem::passiveItem(page.partList()->currentItem());
    lxPassiveItem* open = lxPassiveItem::passiveItem(page.conditionList()->currentItem());
    QVERIFY(part && open && !part->isModified() && !open->isModified());
    page.ui().AddConnectionPinDefinition->click();
    QVERIFY(part->isModified() && open->isModified());
    QVERIFY(page.ui().PassiveConnectionTable->history()->binding()->undo());
    QVERIFY(!part->isModified() && !open->isModified());
}

void TestUndoGaps::diagnosticsStoredOnRowChangeAreAStep()
{
    OpenedExample e(QStringLiteral("octal-latch-373.model"));
    const QByteArray& before = e.before;
    showTab(e, PWLogicPartsPage::TestSequenceTab);
    PWTestSequenceTab* tab = e.page()->testSequenceTab();
    tab->selectItem(0, 0);
    LxLibTable* sequence = tab->form()->tbTestSequenceTable;
    LxLibTable* rules = tab->form()->DiagnoseTable;
    LxUndoBinding* binding = sequence->history()->binding();
    sequence->setCurrentCell(0, 0);
    const PWDiagnoseRules shown = tab->rows()->rules(0);
    QCOMPARE(shown.size(), 2);
    chooseIn(rules, 0, 2, rules->comboItem(0, 2)->currentItem() == 1 ? 2 : 1);
    const PWDiagnoseRules edited = tab->diagnostics()->rules();
    QVERIFY(edited != shown);
    sequence->setCurrentCell(1, 0);
    QCOMPARE(tab->rows()->rules(0), edited);
    QCOMPARE(sequence->history()->stack()->count(), 1);

    QVERIFY(binding->undo());
    QCOMPARE(tab->rows()->rules(0), shown);
    QCOMPARE(tab->diagnostics()->rules(), shown);
    QVERIFY(!tab->isEdited());
    QVERIFY(binding->redo());
    QCOMPARE(tab->rows()->rules(0), edited);
    QVERIFY(tab->isEdited());
    QVERIFY(binding->undo());
    QCOMPARE(e.save(QStringLiteral("undone.model")), before);
}

void TestUndoGaps::diagnosticsSwitchedOffStayOffAfterRedo()
{
    OpenedExample e(QStringLiteral("octal-latch-373.model"));
    showTab(e, PWLogicPartsPage::TestSequenceTab);
    PWTestSequenceTab* tab = e.page()->testSequenceTab();
    tab->selectItem(0, 0);
    LxLibTable* sequence = tab->form()->tbTestSequenceTable;
    LxUndoBinding* binding = sequence->history()->binding();
    const int column = tab->rows()->optionColumn();
    sequence->setCurrentCell(0, column);
    const PWDiagnoseRules shown = tab->rows()->rules(0);
    QVERIFY(!shown.isEmpty());
    e.prompts.answerYesNo(true);
    QTest::keyClick(sequence, Qt::Key_Space);
    QVERIFY(!tab->rows()->isDiagnosed(0));
    QVERIFY(tab->rows()->rules(0).isEmpty());
    QVERIFY(binding->undo());
    QCOMPARE(tab->rows()->rules(0), shown);
    QVERIFY(binding->redo());
    QVERIFY(!tab->rows()->isDiagnosed(0));
    QVERIFY(tab->rows()->rules(0).isEmpty());
    sequence->setCurrentCell(0, column);
    QTest::keyClick(sequence, Qt::Key_Space);
    QVERIFY(tab->rows()->isDiagnosed(0));
    QVERIFY(tab->rows()->rules(0).isEmpty());
    QVERIFY(tab->diagnostics()->rules().isEmpty());
}

QTEST_MAIN(TestUndoGaps)
#include "tst_undogaps.moc"
