// Undo where the tables' histories met the fields beside them, on the example
// octal latch: its part holds an enable, a disable and a latch sequence.

#include "CLogic.h"
#include "LxLibLogicTable.h"
#include "LxLibPassive.h"
#include "LxLibPattern.h"
#include "LxTableHistory.h"
#include "LxUndoBinding.h"
#include "PWDiagnoseEditor.h"
#include "PWDisableTab.h"
#include "PWEditMarks.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PWWizardContext.h"
#include "PWPassivePage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWTestSequenceTable.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "UndoFixture.h"
#include "ui_PWLogicPage.h"
#include "lxListBox.h"
#include "lxPassiveItem.h"
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

#include <memory>

namespace {

struct Example
{
    ScriptedPrompter prompts;
    QTemporaryDir tmp;
    std::unique_ptr<PartwrightDlg> dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());

    explicit Example(const char* file = "octal-latch-373.model")
    {
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        dlg->leOpenExisistingModel->setText(QStringLiteral(PW_EXAMPLES_DIR "/") + QLatin1String(file));
        while (dlg->currentIndex() != PartwrightForm::LogicPage) {
            const int at = dlg->currentIndex();
            QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
            if (dlg->currentIndex() == at)
                return;
        }
    }
    QByteArray save(const QString& name)
    {
        const QString file = tmp.filePath(name);
        dlg->leModelName->setText(file);
        return dlg->modelFile()->buildAndSave() ? contentOf(file) : QByteArray();
    }
    PWLogicPartsPage* page() const { return dlg->logicPage(); }
    void showTab(int tab) const { page()->form()->LogicPartTWidget->setCurrentIndex(tab); }
    const CLogicPart& part() const { return *dlg->context().logic().logicParts().at(0); }
};

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
    void latchConditionStepsWithTheVectors();
    void pinListNameFieldTakesRenamesBack();
    void patternMarksFollowTheirHistories();
    void storedWhileShownUndoIsAnEdit();
    void passiveMarksFollowTheirHistories();
    void diagnosticsStoredOnRowChangeUndo();
};

void TestUndoGaps::latchConditionStepsWithTheVectors()
{
    Example e;
    QVERIFY(QTest::qWaitForWindowActive(e.dlg.get()));
    e.showTab(PWLogicPartsPage::LatchTab);
    PWLatchTab* tab = e.page()->latchTab();
    QUndoStack* stack = tab->table()->history()->stack();
    QCOMPARE(stack->count(), 0);

    // Each choice is one step, taken back from the box with the focus.
    QList<QStringList> states{condition(tab)};
    pickOther(tab->firstSignal());
    states << condition(tab);
    tab->slotAddLatchVector();
    pickOther(tab->relation());
    states << condition(tab);
    QCOMPARE(stack->count(), 3);
    QCOMPARE(tab->table()->numRows(), 4);

    press(tab->relation(), Qt::CTRL | Qt::Key_Z);
    QCOMPARE(condition(tab), states[1]);
    QCOMPARE(tab->table()->numRows(), 4);
    press(tab->secondSignal(), Qt::CTRL | Qt::Key_Z);
    QCOMPARE(tab->table()->numRows(), 3);
    press(tab->firstSignal(), Qt::CTRL | Qt::Key_Z);
    QCOMPARE(condition(tab), states[0]);
    QCOMPARE(stack->index(), 0);
    press(tab->firstSignal(), Qt::CTRL | Qt::Key_Y);
    QCOMPARE(condition(tab), states[1]);
    press(tab->firstSignal(), Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    press(tab->firstSignal(), Qt::CTRL | Qt::Key_Y);
    QCOMPARE(condition(tab), states[2]);
    QCOMPARE(tab->table()->numRows(), 4);

    // What the redo left is what the model takes.
    e.page()->storeCurrentTab();
    const auto* equation = dynamic_cast<const lxlib::LxLibSetEnableRelation*>(
        e.part().latchSequences().at(0)->GetSetEnableList().first());
    QVERIFY(equation);
    QCOMPARE(lxlib::LxLibSignalTypeBit::ConvertSignalToString(equation->GetFirstSignal().GetSignalType()),
             states[2][0]);
    QCOMPARE(equation->IsInvert(), tab->relation()->currentIndex() == 1);

    // A choice that changes nothing is no step.
    emit tab->relation()->activated(tab->relation()->currentIndex());
    QCOMPARE(stack->count(), 3);
}

void TestUndoGaps::pinListNameFieldTakesRenamesBack()
{
    Example e;
    QVERIFY(QTest::qWaitForWindowActive(e.dlg.get()));
    e.showTab(PWLogicPartsPage::PinListTab);
    PWPinListTab* tab = e.page()->pinListTab();
    QLineEdit* name = tab->form()->PinListNameLEdit;
    QListWidget* list = tab->form()->PinListLBox;
    QCOMPARE(name->text(), QStringLiteral("Latch"));

    e.prompts.answerText(QStringLiteral("Bus"));
    tab->slotRenamePinList();
    QCOMPARE(name->text(), QStringLiteral("Bus"));
    press(name, Qt::CTRL | Qt::Key_Z);
    QCOMPARE(name->text(), QStringLiteral("Latch"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Latch"));
    QCOMPARE(e.part().pinLists().at(0)->name(), QStringLiteral("Latch"));
    press(name, Qt::CTRL | Qt::Key_Y);
    QCOMPARE(name->text(), QStringLiteral("Bus"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Bus"));
    QCOMPARE(e.part().pinLists().at(0)->name(), QStringLiteral("Bus"));
}

void TestUndoGaps::patternMarksFollowTheirHistories()
{
    Example e;
    const QByteArray before = e.save(QStringLiteral("before.model"));
    QVERIFY(!before.isEmpty());
    PWEnableTab* enable = e.page()->enableTab();
    PWDisableTab* disable = e.page()->disableTab();
    PWLatchTab* latch = e.page()->latchTab();
    // Each tab edited by one of its fields and by a row, then everything undone.
    const auto editUndoRedo = [&e](PWPatternListTab* tab, LxLibTable* table, int tabIndex,
                                   const std::function<void()>& edit) {
        e.showTab(tabIndex);
        LxUndoBinding* binding = table->history()->binding();
        QCOMPARE(tab->mark(0, 0) == PWEditMarks::Edited, false);
        edit();
        QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));
        table->selectRow(0);
        removeSelectedRows(table);
        QCOMPARE(table->history()->stack()->count(), 2);
        QVERIFY(binding->undo());
        QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));
        QVERIFY(binding->undo());
        QVERIFY(tab->mark(0, 0) != PWEditMarks::Edited);
        QVERIFY(binding->redo());
        QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));
        QVERIFY(binding->undo());
        QVERIFY(tab->mark(0, 0) != PWEditMarks::Edited);
    };
    editUndoRedo(enable, enable->table(), PWLogicPartsPage::EnableTab, [enable] {
        auto* type = enable->findChild<QComboBox*>(QStringLiteral("EnableTypeCBox"));
        type->setCurrentIndex(PWEnableTab::TypeChipEnable);
        emit type->activated(PWEnableTab::TypeChipEnable);
    });
    editUndoRedo(disable, disable->table(), PWLogicPartsPage::DisableTab, [disable] {
        disable->findChild<QCheckBox*>(QStringLiteral("cbOut"))->click();
    });
    editUndoRedo(latch, latch->table(), PWLogicPartsPage::LatchTab, [latch] { pickOther(latch->relation()); });
    e.page()->storeCurrentTab();
    QCOMPARE(e.save(QStringLiteral("undone.model")), before);
    QVERIFY(e.prompts.unexpected().isEmpty());
}

void TestUndoGaps::storedWhileShownUndoIsAnEdit()
{
    // A save stores the item shown; undoing after it must reach the model on the next store.
    Example e;
    e.showTab(PWLogicPartsPage::LatchTab);
    PWLatchTab* latch = e.page()->latchTab();
    pickOther(latch->relation());
    e.page()->storeCurrentTab();
    QVERIFY(latch->mark(0, 0) != PWEditMarks::Edited);
    QVERIFY(latch->table()->history()->binding()->undo());
    QCOMPARE(latch->mark(0, 0), int(PWEditMarks::Edited));
    e.page()->storeCurrentTab();
    const auto* equation = dynamic_cast<const lxlib::LxLibSetEnableRelation*>(
        e.part().latchSequences().at(0)->GetSetEnableList().first());
    QVERIFY(equation && !equation->IsInvert());

    // The same for a pin list's rows.
    e.showTab(PWLogicPartsPage::PinListTab);
    PWPinListTab* pins = e.page()->pinListTab();
    LxLibTable* table = pins->form()->PinListTable;
    const int rows = table->numRows();
    pins->slotAddPinListPinDefinition();
    e.page()->storeCurrentTab();
    QCOMPARE(e.part().pinLists().at(0)->pins().count(), rows + 1);
    QVERIFY(table->history()->binding()->undo());
    QCOMPARE(e.dlg->context().pinListMarks.mark(0, 0), int(PWEditMarks::Edited));
    e.page()->storeCurrentTab();
    QCOMPARE(e.part().pinLists().at(0)->pins().count(), rows);
}

void TestUndoGaps::passiveMarksFollowTheirHistories()
{
    ScriptedPrompter prompts;
    PWPassivePage page;
    page.preparePassivePage();
    lxlib::LxLibPassiveComponent resistor(QStringLiteral("R1"), lxlib::PCT_RESISTOR);
    resistor.GetPinCombinationList().append(new lxlib::LxLibPinCombination(QStringLiteral("1"), QStringLiteral("2")));
    page.loadPassiveComponents({&resistor});
    lxPassiveItem* part = lxPassiveItem::passiveItem(page.partList()->currentItem());
    QVERIFY(part && !part->isModified());
    LxLibTable* table = page.ui().PassiveResistorTable;
    LxUndoBinding* binding = table->history()->binding();

    page.ui().AddResistorPinDefinition->click();
    QVERIFY(part->isModified());
    QVERIFY(binding->undo());
    QVERIFY(!part->isModified());
    QVERIFY(binding->redo());
    QVERIFY(part->isModified());

    // Stored meanwhile, the undo is an edit; a rename outlives undoing the rows.
    page.storeAllModifiedItems();
    QVERIFY(!part->isModified());
    QVERIFY(binding->undo());
    QVERIFY(part->isModified());
    page.storeAllModifiedItems();
    QCOMPARE(part->libObject()->GetPinCombinationList().count(), 1);
    page.renamePart(part, QStringLiteral("R2"));
    QVERIFY(binding->redo());
    QVERIFY(binding->undo());
    QVERIFY(part->isModified());
    page.storeAllModifiedItems();
    QCOMPARE(part->libObject()->GetName(), QStringLiteral("R2"));
}

void TestUndoGaps::diagnosticsStoredOnRowChangeUndo()
{
    Example e;
    const QByteArray before = e.save(QStringLiteral("before.model"));
    e.showTab(PWLogicPartsPage::TestSequenceTab);
    PWTestSequenceTab* tab = e.page()->testSequenceTab();
    tab->selectItem(0, 0);
    LxLibTable* sequence = tab->form()->tbTestSequenceTable;
    LxLibTable* rules = tab->form()->DiagnoseTable;
    LxUndoBinding* binding = sequence->history()->binding();
    sequence->setCurrentCell(0, 0);
    const PWDiagnoseRules shown = tab->rows()->rules(0);
    QCOMPARE(shown.size(), 2);

    // Leaving the vector stores its rules: one step of the sequence's history.
    chooseIn(rules, 0, 2, rules->comboItem(0, 2)->currentItem() == 1 ? 2 : 1);
    const PWDiagnoseRules edited = tab->diagnostics()->rules();
    QVERIFY(edited != shown);
    QCOMPARE(sequence->history()->stack()->count(), 0);
    sequence->setCurrentCell(1, 0);
    QCOMPARE(tab->rows()->rules(0), edited);
    QCOMPARE(sequence->history()->stack()->count(), 1);
    QVERIFY(tab->isEdited());

    QVERIFY(binding->undo());
    QCOMPARE(tab->rows()->rules(0), shown);
    QCOMPARE(sequence->currentRow(), 0);
    QCOMPARE(tab->diagnostics()->rules(), shown);
    QVERIFY(!tab->isEdited());
    QVERIFY(binding->redo());
    QCOMPARE(tab->rows()->rules(0), edited);
    QVERIFY(tab->isEdited());
    QVERIFY(binding->undo());
    QCOMPARE(e.save(QStringLiteral("undone.model")), before);
}

QTEST_MAIN(TestUndoGaps)
#include "tst_undogaps.moc"
