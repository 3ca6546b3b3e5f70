// The test sequence tab and its diagnostics, driven through their widgets and
// slots with scripted answers, on a part whose pin list is set up directly.

#include "CLogic.h"
#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "LxLibCheckItem.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "PWDiagnoseEditor.h"
#include "PWLogicPartsPage.h"
#include "PWTestSequenceTab.h"
#include "PWTestSequenceTable.h"
#include "PageFixture.h"
#include "ScriptedPrompter.h"
#include "ui_PWLogicPage.h"
#include "ui_PWTestSequenceTab.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QtTest>

using namespace lxlib;

namespace {

QString vectorOf(const CTestSequence* s) { return static_cast<const CVectorTestSequence*>(s)->vector(); }

} // namespace

class TestTestSequence : public QObject
{
    Q_OBJECT

private:
    // One part "U1" whose columns are, highest bit first: IO 3, OUT 2, IN 1, OE 0.
    struct Fixture : PageFixture<PWLogicPartsPage>
    {
        PWTestSequenceTab* tab() const { return page.testSequenceTab(); }
        Ui::PWTestSequenceTab* ui() const { return tab()->form(); }
        LxLibTable* table() const { return ui()->tbTestSequenceTable; }
        QListWidget* list() const { return ui()->lbTestSequenceLBox; }
        PWTestSequenceTable* rows() const { return tab()->rows(); }
        CLogicPart* part() const { return const_cast<CLogic&>(context.logic()).logicParts().at(0); }

        Fixture()
        {
            context.category = 2;
            auto* package = new CPackage;
            package->addPackageId(QStringLiteral("DIP"));
            package->addPin("1", "OE", PPT_INPUT);
            package->addPin("2", "A", PPT_INPUT);
            package->addPin("3", "Y", PPT_OUTPUT);
            package->addPin("4", "B", PPT_INOUT);
            context.logic().insertPackage(0, package);
            context.rebuildPinNames();
            page.addLogicPart(QStringLiteral("U1"));
            auto* pins = new CPinList(QStringLiteral("U1"));
            pins->addPin("OE", ST_OE, 0);
            pins->addPin("A", ST_IN, 1);
            pins->addPin("Y", ST_OUT, 2);
            pins->addPin("B", ST_IO, 3);
            part()->insertPinList(0, pins);
            context.logic().rebuildSignalIndex(0);
            page.form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
            page.resize(1000, 700);
            dialog.resize(1000, 700);
            dialog.show();
            QApplication::setActiveWindow(&dialog);
        }
        void add(ScriptedPrompter& prompts, const QString& answer)
        {
            prompts.answerText(answer);
            tab()->slotAddTestSequence();
        }
        void choose(QRadioButton* kind, void (PWTestSequenceTab::*slot)())
        {
            kind->setChecked(true);
            (tab()->*slot)();
        }
        QStringList kinds() const
        {
            QStringList texts;
            for (int r = 0; r < table()->numRows(); ++r)
                texts.append(table()->text(r, 0));
            return texts;
        }
        // Typed over the cell, as a user does, and taken with Return.
        void type(int row, int col, const QString& keys)
        {
            table()->setFocus();
            table()->setCurrentCell(row, col);
            for (QChar c : keys)
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    };

private slots:
    void charactersPerPinDirection();
    void statementRows();
    void storeAndShow();
    void diagnostics();
    void namesAndLimits();
    void pinListChangeRealigns();
    void pasteAndCopy();
    void switchingSequencesLeavesNothingBehind();
    void viewOnlyChangesNothing();
};

void TestTestSequence::charactersPerPinDirection()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.add(prompts, QString());
    QCOMPARE(f.list()->item(0)->text(), QStringLiteral("TS 01"));
    f.tab()->slotAddVectorVectorTestSequence();
    LxLibTable* t = f.table();
    QCOMPARE(t->numCols(), 7);
    QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("B"));
    QCOMPARE(t->horizontalHeaderItem(5)->text(), LxLibTable::timeColumnLabel());
    QCOMPARE(t->horizontalHeaderItem(6)->text(), QStringLiteral("Option"));
    QCOMPARE(t->columnWidth(5), 50);
    QCOMPARE(t->columnWidth(6), 95);

    // Column: label shown, characters taken, characters refused.
    const struct
    {
        int col;
        const char* label;
        const char* taken;
        const char* refused;
    } columns[] = {
        {1, "IO: U D H L N X Z T", "UuDdHhLlNnXxZzTt", "012"},
        {2, "Output: 0 1 L H X T", "01LlHhXxTt", "UDNZ2"},
        {3, "Input: 0 1 U D N Z", "01UuDdNnZz", "LHXT2"},
        {4, "Input: 0 1 U D N Z", "01UuDdNnZz", "LHXT2"},
    };
    for (const auto& c : columns) {
        t->setCurrentCell(0, c.col);
        QCOMPARE(f.ui()->ui_col_value_test_seq_label->text(), QString::fromLatin1(c.label));
        for (const char* ch = c.taken; *ch; ++ch) {
            f.type(0, c.col, QString(QLatin1Char(*ch)));
            QCOMPARE(t->text(0, c.col), QString(QLatin1Char(*ch)));
        }
        // A refused key leaves the cell as it was.
        const QString before = t->text(0, c.col);
        for (const char* ch = c.refused; *ch; ++ch) {
            f.type(0, c.col, QString(QLatin1Char(*ch)));
            QVERIFY2(t->text(0, c.col) == before, qPrintable(QStringLiteral("%1 in column %2").arg(*ch).arg(c.col)));
        }
    }
    // One character per cell; the time column of a wait takes a number up to 99999999.
    f.type(0, 2, QStringLiteral("HL"));
    QCOMPARE(t->text(0, 2), QStringLiteral("H"));
    t->setCurrentCell(0, 5);
    QVERIFY(f.ui()->ui_col_value_test_seq_label->text().isEmpty());
    f.choose(f.ui()->rbDiagWait, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.type(1, 5, QStringLiteral("123456789"));
    QCOMPARE(t->text(1, 5), QStringLiteral("12345678"));
    f.type(1, 5, QStringLiteral("7x"));
    QCOMPARE(t->text(1, 5), QStringLiteral("7"));
    // The wait's signal cells and the vector's time cell take nothing.
    f.type(1, 2, QStringLiteral("1"));
    QVERIFY(t->text(1, 2).isEmpty());
    f.type(0, 5, QStringLiteral("1"));
    QVERIFY(t->text(0, 5).isEmpty());
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::statementRows()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.add(prompts, QStringLiteral("Walk"));
    auto* ui = f.ui();
    QCOMPARE(ui->wzTestSeq->currentWidget(), ui->wspTestSeqVector);
    QVERIFY(ui->DiagnoseGBox->isHidden());

    // A repeat comes with its first vector between "Repeat" and "End".
    f.choose(ui->rbDiagVector, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.choose(ui->rbDiagRepeat, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "End"}));
    QCOMPARE(f.table()->currentRow(), 3);
    QCOMPARE(f.table()->comboItem(1, 6)->stringList(),
             QStringList({QString(), "Break on No Error", "Break on Error"}));

    // Appending a wait with a row selected still adds it at the end.
    f.table()->selectRow(0);
    f.choose(ui->rbDiagWait, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "End", "Wait"}));
    const LxLibComboItem* unit = f.table()->comboItem(4, 6);
    QCOMPARE(unit->stringList(), QStringList({"ns", "us", "ms", "s", "tck"}));
    QCOMPARE(unit->currentText(), QStringLiteral("ms"));

    // Insert: inside a repeat and on its "End" row only a vector goes in.
    f.table()->setCurrentCell(2, 0);
    QVERIFY(!ui->InsertTestSeqState->isEnabled());
    ui->rbDiagVector->setChecked(true);
    QVERIFY(ui->InsertTestSeqState->isEnabled());
    f.tab()->slotInsertVectorVectorTestSequence();
    QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "Vector", "End", "Wait"}));
    QCOMPARE(f.table()->currentRow(), 2);
    f.table()->setCurrentCell(1, 0);
    ui->rbDiagWait->setChecked(true);
    QVERIFY(ui->InsertTestSeqState->isEnabled());
    f.tab()->slotInsertVectorVectorTestSequence();
    QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Repeat", "Vector", "Vector", "End", "Wait"}));
    f.table()->setCurrentCell(5, 0);
    QVERIFY(!ui->InsertTestSeqState->isEnabled());

    // Up and down only past vector rows.
    f.table()->setText(3, 1, QStringLiteral("U"));
    f.table()->setCurrentCell(0, 0);
    QVERIFY(!ui->UpTestSeqState->isEnabled());
    QVERIFY(!ui->DownTestSeqState->isEnabled());
    f.tab()->slotDownVectorVectorTestSequence();
    QCOMPARE(f.kinds().at(0), QStringLiteral("Vector"));
    f.table()->setCurrentCell(3, 0);
    QVERIFY(!ui->UpTestSeqState->isEnabled());
    QVERIFY(ui->DownTestSeqState->isEnabled());
    f.tab()->slotUpVectorVectorTestSequence();
    QCOMPARE(f.table()->text(3, 1), QStringLiteral("U"));
    f.tab()->slotDownVectorVectorTestSequence();
    QCOMPARE(f.table()->text(4, 1), QStringLiteral("U"));
    QCOMPARE(f.table()->currentRow(), 4);
    QVERIFY(f.table()->isRowSelected(4));
    f.tab()->slotDownVectorVectorTestSequence();
    QCOMPARE(f.table()->text(4, 1), QStringLiteral("U"));
    // The "End" row moves up past a vector, which leaves the repeat.
    f.table()->setCurrentCell(5, 0);
    f.tab()->slotUpVectorVectorTestSequence();
    QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Repeat", "Vector", "End", "Vector", "Wait"}));

    // Deleting a "Repeat" row takes its "End" row along; its vectors stay.
    f.table()->clearSelection();
    f.table()->setCurrentCell(2, 0);
    f.table()->selectRow(2);
    f.tab()->slotDelTestSeqPinDefinition();
    QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Vector", "Vector", "Wait"}));
    f.table()->clearSelection();
    f.table()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 0), true);
    f.tab()->slotDelTestSeqPinDefinition();
    QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Wait"}));

    // The context menu's vector goes in before a selected row.
    f.table()->clearSelection();
    f.table()->setCurrentCell(2, 0);
    f.table()->selectRow(2);
    f.tab()->slotTestSequenceMenu(PWTestSequenceTable::VectorStatement);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Vector", "Wait"}));
    // A wait moves past vectors as well, keeping its time and unit.
    f.table()->setText(3, 5, QStringLiteral("7"));
    f.table()->setCurrentCell(3, 0);
    f.tab()->slotUpVectorVectorTestSequence();
    QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Wait", "Vector"}));
    QCOMPARE(f.table()->rowTexts(2).mid(5), QStringList({"7", "ms"}));
    std::unique_ptr<QMenu> menu(f.tab()->createTableMenu());
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Delete"));
    QCOMPARE(menu->actions().at(2)->menu()->actions().first()->text(), QStringLiteral("Vector"));
    QVERIFY(f.tab()->isEdited());
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::storeAndShow()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.add(prompts, QStringLiteral("Walk"));
    auto* ui = f.ui();
    f.choose(ui->rbDiagVector, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.type(0, 1, QStringLiteral("H"));
    f.type(0, 4, QStringLiteral("1"));
    f.choose(ui->rbDiagWait, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.table()->comboItem(1, 6)->setCurrentItem(QStringLiteral("us"));
    f.choose(ui->rbDiagRepeat, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.type(2, 5, QStringLiteral("3"));
    f.table()->comboItem(2, 6)->setCurrentItem(2);
    f.type(3, 2, QStringLiteral("L"));
    QVERIFY(f.part()->testSequences().isEmpty()); // still only in the widgets

    // Leaving the tab stores it: empty cells as "X", an empty time as 0.
    f.page.form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
    QCOMPARE(f.part()->testSequences().count(), 1);
    const CTestSequences* ts = f.part()->testSequences().at(0);
    QCOMPARE(ts->name(), QStringLiteral("Walk"));
    QCOMPARE(ts->statements().count(), 3);
    QCOMPARE(vectorOf(ts->statements().at(0)), QStringLiteral("HXX1"));
    const auto* wait = static_cast<const CWaitTestSequence*>(ts->statements().at(1));
    QCOMPARE(wait->time(), 0u);
    QCOMPARE(wait->unit().GetTimeUnit(), int(TU_US));
    const auto* loop = static_cast<const CLoopTestSequence*>(ts->statements().at(2));
    QCOMPARE(loop->count(), 3u);
    QCOMPARE(loop->breakMode(), 2);
    QCOMPARE(loop->vectors().count(), 1);
    QCOMPARE(loop->vectors().at(0)->vector(), QStringLiteral("XLXX"));
    QCOMPARE(f.part()->testSequenceDiagnostics().at(0)->count(), 5);

    // A second sequence takes the first over when added; coming back shows the model.
    f.page.form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Repeat", "Vector", "End"}));
    QCOMPARE(f.table()->text(1, 6), QStringLiteral("us"));
    QCOMPARE(f.table()->text(2, 6), QStringLiteral("Break on Error"));
    QCOMPARE(f.table()->text(0, 1), QStringLiteral("H"));
    QVERIFY(!f.tab()->isEdited());
    f.type(0, 2, QStringLiteral("T"));
    f.add(prompts, QStringLiteral("Second"));
    QCOMPARE(vectorOf(f.part()->testSequences().at(0)->statements().at(0)), QStringLiteral("HTX1"));
    QCOMPARE(f.table()->numRows(), 0);
    f.list()->setCurrentRow(0);
    QCOMPARE(f.part()->testSequences().count(), 2);
    QCOMPARE(f.part()->testSequences().at(1)->name(), QStringLiteral("Second"));
    QCOMPARE(f.table()->text(0, 2), QStringLiteral("T"));

    // Deleting asks; the other sequence is shown.
    prompts.answerYesNo(true);
    f.tab()->slotDeleteTestSequence();
    QCOMPARE(prompts.lastText(), QStringLiteral("Do you want to delete \"Walk\"?"));
    QCOMPARE(f.part()->testSequences().count(), 1);
    QCOMPARE(f.list()->count(), 1);
    QCOMPARE(f.table()->numRows(), 0);
    prompts.answerYesNo(true);
    f.tab()->slotDeleteTestSequence();
    QCOMPARE(ui->wzTestSeq->currentWidget(), ui->wspTestSeqInValid);
    QVERIFY(!ui->DelTestSeq->isEnabled());
    QVERIFY(f.part()->testSequences().isEmpty());
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::diagnostics()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.add(prompts, QStringLiteral("Diag"));
    auto* ui = f.ui();
    for (int i = 0; i < 3; ++i)
        f.choose(ui->rbDiagVector, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    LxLibTable* t = f.table();
    PWDiagnoseEditor* d = f.tab()->diagnostics();

    // Checking the Option cell shows the (empty) rules of that vector.
    t->setCurrentCell(1, 6);
    QVERIFY(ui->DiagnoseGBox->isHidden());
    static_cast<LxLibCheckItem*>(t->item(1, 6))->setChecked(true);
    t->checkCellToggled(1, 6, Qt::Checked);
    QVERIFY(!ui->DiagnoseGBox->isHidden());
    QCOMPARE(ui->DiagnoseTable->numRows(), 0);
    QCOMPARE(d->signalNames(), QStringList({"OE", "IN", "OUT", "IO", ""}));

    // A rule: signal, then its bits, then the stuck-at type.
    QTest::mouseClick(ui->AddDiagnoseItem, Qt::LeftButton);
    LxLibTable* dt = ui->DiagnoseTable;
    QCOMPARE(dt->comboItem(0, 1)->stringList(), QStringList{QString()});
    QCOMPARE(dt->comboItem(0, 2)->stringList(), QStringList({"", "SA1", "SA0", "SAX"}));
    dt->comboItem(0, 0)->setCurrentItem(QStringLiteral("OUT"));
    emit dt->valueChanged(0, 0);
    QCOMPARE(dt->comboItem(0, 1)->stringList(), QStringList({"", "2"}));
    dt->comboItem(0, 1)->setCurrentItem(QStringLiteral("2"));
    dt->comboItem(0, 2)->setCurrentItem(QStringLiteral("SA0"));
    emit dt->valueChanged(0, 2);
    QTest::mouseClick(ui->AddDiagnoseItem, Qt::LeftButton); // left empty: no rule

    // Another row takes the rules into their vector; coming back shows them.
    t->setCurrentCell(2, 1);
    QVERIFY(ui->DiagnoseGBox->isHidden());
    QCOMPARE(f.rows()->rules(1), PWDiagnoseRules({{ST_OUT, 2, SA_0}}));
    t->setCurrentCell(1, 1);
    QCOMPARE(dt->numRows(), 1);
    QCOMPARE(dt->rowTexts(0), QStringList({"OUT", "2", "SA0"}));

    // Moving the vector moves its rules; storing makes them the row's diagnostic.
    f.tab()->slotUpVectorVectorTestSequence();
    QCOMPARE(f.rows()->rules(0), PWDiagnoseRules({{ST_OUT, 2, SA_0}}));
    QVERIFY(f.rows()->rules(1).isEmpty());
    f.page.storeCurrentTab();
    const CLogicDiagnose* stored = f.part()->testSequenceDiagnostics().diagnose(0, 0);
    QCOMPARE(stored->state(), int(CLogicDiagnose::Defined));
    QCOMPARE(stored->GetRuleList().count(), 1);
    QCOMPARE(stored->GetRuleList().at(0)->GetSignalBit(), 2);
    QCOMPARE(f.part()->testSequenceDiagnostics().diagnose(0, 1)->state(), int(CLogicDiagnose::NotDefined));

    // Shown again from the model, with an edit made in the table before a save.
    f.tab()->showTab(0);
    t->setCurrentCell(0, 2);
    QVERIFY(!ui->DiagnoseGBox->isHidden());
    dt->comboItem(0, 2)->setCurrentItem(QStringLiteral("SAX"));
    emit dt->valueChanged(0, 2);
    f.page.storeCurrentTab();
    QCOMPARE(f.part()->testSequenceDiagnostics().diagnose(0, 0)->GetRuleList().at(0)->GetStuckAtType(), int(SA_X));

    // Unchecking asks; No keeps the rules, Yes drops them.
    auto* check = static_cast<LxLibCheckItem*>(t->item(0, 6));
    check->setChecked(false);
    prompts.answerYesNo(false);
    t->checkCellToggled(0, 6, Qt::Unchecked);
    QCOMPARE(prompts.lastText(), QStringLiteral("Do you want to delete this diagnostic?"));
    QVERIFY(check->isChecked());
    QVERIFY(!ui->DiagnoseGBox->isHidden());
    check->setChecked(false);
    prompts.answerYesNo(true);
    t->checkCellToggled(0, 6, Qt::Unchecked);
    QVERIFY(ui->DiagnoseGBox->isHidden());
    f.page.storeCurrentTab();
    QCOMPARE(f.part()->testSequenceDiagnostics().diagnose(0, 0)->state(), int(CLogicDiagnose::NotDefined));
    // Without rules nothing is asked.
    const int asked = prompts.count();
    check->setChecked(true);
    t->checkCellToggled(0, 6, Qt::Checked);
    check->setChecked(false);
    t->checkCellToggled(0, 6, Qt::Unchecked);
    QCOMPARE(prompts.count(), asked);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::namesAndLimits()
{
    ScriptedPrompter prompts;
    Fixture f;
    for (const char* reserved : {"truth table", "TEST SEQUENCE", "Enabled", "activate latching"}) {
        f.add(prompts, QString::fromLatin1(reserved));
        QCOMPARE(prompts.lastText(), QStringLiteral("This Test Sequence name is not allowed!"));
    }
    QCOMPARE(f.list()->count(), 0);
    f.add(prompts, QStringLiteral("  "));
    f.add(prompts, QStringLiteral("Two"));
    QCOMPARE(f.list()->item(0)->text(), QStringLiteral("TS 01"));
    // A name another, not current, sequence has is refused too.
    f.add(prompts, QStringLiteral("TS 01"));
    QCOMPARE(prompts.lastText(), QStringLiteral("This Test Sequence name is aready used"));
    QCOMPARE(f.list()->count(), 2);

    auto rename = [&](const char* answer) {
        prompts.answerText(QString::fromLatin1(answer));
        f.tab()->slotRenameTestSequence();
        return prompts.lastText();
    };
    QCOMPARE(rename("Test sequence"), QStringLiteral("This Test Sequence name is not allowed!"));
    QCOMPARE(rename(" "), QStringLiteral("There is no test sequence id specified"));
    QCOMPARE(rename("TS 01"), QStringLiteral("This Test Sequence name is aready used"));
    rename(" Renamed ");
    QCOMPARE(f.list()->item(1)->text(), QStringLiteral("Renamed"));
    f.page.storeCurrentTab();
    QCOMPARE(f.part()->testSequences().at(1)->name(), QStringLiteral("Renamed"));
    // Renamed and renamed back before it is stored: the old name is its own.
    rename("Other");
    rename("Renamed");
    QCOMPARE(f.list()->item(1)->text(), QStringLiteral("Renamed"));

    std::unique_ptr<QMenu> menu(f.tab()->createListMenu(nullptr));
    QCOMPARE(menu->actions().size(), 6); // then a separator, Undo and Redo
    QCOMPARE(menu->actions().at(2)->text(), QStringLiteral("Delete "));
    QVERIFY(menu->actions().at(0)->isEnabled() && !menu->actions().at(1)->isEnabled());

    // 100 can exist; the 101st is refused.
    for (int i = 2; i < PWTestSequenceTab::MaxTestSequences; ++i)
        QVERIFY(f.tab()->addTestSequence(QStringLiteral("S%1").arg(i)));
    QVERIFY(!f.tab()->addTestSequence(QStringLiteral("one more")));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a new Test Sequence\nMaximum number of Test Sequences is reached"));
    QCOMPARE(f.list()->count(), 100);

    // A file may bring more: the 105th is shown, edited and stored like the first.
    f.page.storeCurrentTab();
    for (int i = 100; i < 105; ++i) {
        auto* ts = new CTestSequences(QStringLiteral("F%1").arg(i));
        ts->appendStatement(new CVectorTestSequence(QStringLiteral("0000")));
        f.part()->insertTestSequence(i, ts);
    }
    f.tab()->showTab(0);
    QCOMPARE(f.list()->count(), 105);
    QCOMPARE(f.list()->currentRow(), 104);
    f.type(0, 1, QStringLiteral("Z"));
    f.list()->setCurrentRow(102);
    QCOMPARE(vectorOf(f.part()->testSequences().at(104)->statements().at(0)), QStringLiteral("Z000"));

    Fixture empty;
    empty.part()->pinLists().clear();
    empty.context.logic().rebuildSignalIndex(0);
    empty.add(prompts, QStringLiteral("X"));
    QCOMPARE(prompts.lastText(), QStringLiteral("Unable to add Test Sequence\nPlease check your Pin List"));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::pinListChangeRealigns()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.add(prompts, QStringLiteral("Walk"));
    f.choose(f.ui()->rbDiagVector, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.type(0, 1, QStringLiteral("H"));
    f.type(0, 2, QStringLiteral("L"));
    f.type(0, 3, QStringLiteral("1"));
    f.type(0, 4, QStringLiteral("0"));
    f.page.form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::PinListTab);
    // Pin A moves from bit 1 to bit 4: its cells go with it, the gap it leaves reads "X".
    CPinList* pins = f.part()->pinLists().at(0);
    pins->pins().remove(1);
    pins->addPin("A", ST_IN, 4);
    f.context.logic().rebuildSignalIndex(0);
    f.page.form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
    QCOMPARE(f.table()->numCols(), 8);
    QCOMPARE(f.rows()->vectorText(0), QStringLiteral("1HLX0"));
    QCOMPARE(f.table()->horizontalHeaderItem(1)->text(), QStringLiteral("A"));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::pasteAndCopy()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.add(prompts, QStringLiteral("Pasted"));
    f.choose(f.ui()->rbDiagVector, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.choose(f.ui()->rbDiagRepeat, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.choose(f.ui()->rbDiagWait, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    LxLibTable* t = f.table();
    auto paste = [t](const QString& text) {
        QApplication::clipboard()->setText(text);
        t->setFocus();
        QTest::keySequence(t, QKeySequence::Paste);
    };

    // Into the repeat: its vector takes the first row, the next goes in before "End".
    t->setCurrentCell(2, 1);
    paste(QStringLiteral("H\tL\t1\t0\nz\th\t0\t1\nU\t2\t0\t0\n0101\n"));
    QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "Vector", "End", "Wait"}));
    QCOMPARE(f.rows()->vectorText(2), QStringLiteral("HL10"));
    QCOMPARE(f.rows()->vectorText(3), QStringLiteral("zh01"));
    QVERIFY(prompts.lastText().contains(QStringLiteral("Row 3: ")));
    QVERIFY(prompts.lastText().contains(QStringLiteral("Row 4: ")));
    QVERIFY(!prompts.lastText().contains(QStringLiteral("Row 2: ")));

    // Copy gives the vectors back in a form paste takes; only vector rows are copied.
    t->clearSelection();
    t->setRangeSelected(QTableWidgetSelectionRange(1, 0, 3, 0), true);
    QTest::keySequence(t, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("H\tL\t1\t0\nz\th\t0\t1\n"));
    t->clearSelection();
    t->setCurrentCell(0, 1);
    QTest::keySequence(t, QKeySequence::Paste);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Repeat", "Vector", "Vector", "End", "Wait"}));
    QCOMPARE(f.rows()->vectorText(1), QStringLiteral("zh01"));

    // Pasting over filled rows asks first.
    t->setCurrentCell(0, 1);
    prompts.answerYesNo(false);
    paste(QStringLiteral("DHDD\n"));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("The pasted rows replace 1 filled rows from row 1.\nDo you want to replace them?"));
    QCOMPARE(f.rows()->vectorText(0), QStringLiteral("HL10"));
    prompts.answerYesNo(true);
    paste(QStringLiteral("DHDD\n"));
    QCOMPARE(f.rows()->vectorText(0), QStringLiteral("DHDD"));
    f.page.storeCurrentTab();
    const auto* loop = static_cast<const CLoopTestSequence*>(f.part()->testSequences().at(0)->statements().at(2));
    QCOMPARE(loop->vectors().count(), 2);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::switchingSequencesLeavesNothingBehind()
{
    ScriptedPrompter prompts;
    Fixture f;
    auto* a = new CTestSequences(QStringLiteral("A"));
    a->appendStatement(new CVectorTestSequence(QStringLiteral("HL10")));
    a->appendStatement(new CVectorTestSequence(QStringLiteral("UD01")));
    auto* b = new CTestSequences(QStringLiteral("B"));
    b->appendStatement(new CVectorTestSequence(QStringLiteral("LHXX")));
    b->appendStatement(new CWaitTestSequence(2, TU_S));
    b->appendStatement(new CVectorTestSequence(QStringLiteral("ZZ00")));
    f.part()->insertTestSequence(0, a);
    f.part()->insertTestSequence(1, b);
    auto* d = new CLogicDiagnose(CLogicDiagnose::Defined, CLogicDiagnose::VectorRow);
    d->AddRule(new LxLibDiagRuleStuckAt(ST_IN, 1, SA_1));
    f.part()->testSequenceDiagnostics().setDiagnose(0, 0, d);
    f.part()->testSequenceDiagnostics().alignWith(0, *a);

    // B shows last; A then writes over B's rows, and B over A's again.
    f.tab()->showTab(0);
    QCOMPARE(f.list()->currentRow(), 1);
    f.list()->setCurrentRow(0);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Vector"}));
    QCOMPARE(f.rows()->vectorText(0), QStringLiteral("HL10"));
    QVERIFY(f.rows()->isDiagnosed(0));
    QVERIFY(!f.ui()->DiagnoseGBox->isHidden());
    QCOMPARE(f.rows()->rules(0), PWDiagnoseRules({{ST_IN, 1, SA_1}}));
    QVERIFY(!f.rows()->isDiagnosed(1));
    f.list()->setCurrentRow(1);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Vector"}));
    QCOMPARE(f.rows()->vectorText(0), QStringLiteral("LHXX"));
    QVERIFY(!f.rows()->isDiagnosed(0));
    QVERIFY(f.rows()->rules(0).isEmpty());
    QVERIFY(f.ui()->DiagnoseGBox->isHidden());
    QCOMPARE(f.table()->text(1, 5), QStringLiteral("2"));
    QCOMPARE(f.table()->text(1, 6), QStringLiteral("s"));
    QCOMPARE(f.rows()->vectorText(2), QStringLiteral("ZZ00"));
    // Nothing was edited: showing stored nothing.
    QVERIFY(!f.tab()->isEdited());
    QCOMPARE(f.part()->testSequences().at(0), a);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestTestSequence::viewOnlyChangesNothing()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.add(prompts, QStringLiteral("Seen"));
    f.choose(f.ui()->rbDiagVector, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.choose(f.ui()->rbDiagVector, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    f.page.storeCurrentTab();
    f.context.viewOnly = true;
    f.page.updateButtons();
    auto* ui = f.ui();
    f.table()->setCurrentCell(1, 1);
    QVERIFY(f.table()->isReadOnly());
    QVERIFY(!ui->AddTestSeq->isEnabled() && !ui->DelTestSeq->isEnabled());
    QVERIFY(!ui->AddTestSeqState->isEnabled() && !ui->InsertTestSeqState->isEnabled());
    QVERIFY(!ui->UpTestSeqState->isEnabled() && !ui->DeleteTestSeqState->isEnabled());
    std::unique_ptr<QMenu> menu(f.tab()->createListMenu(f.list()->item(0)));
    for (QAction* a : menu->actions())
        QVERIFY(!a->isEnabled());

    // Neither the slots nor the keys change the rows.
    f.tab()->slotAddVectorVectorTestSequence();
    f.table()->selectRow(1);
    f.tab()->slotDelTestSeqPinDefinition();
    f.tab()->slotUpVectorVectorTestSequence();
    f.type(1, 1, QStringLiteral("1"));
    QApplication::clipboard()->setText(QStringLiteral("0000\n"));
    QTest::keySequence(f.table(), QKeySequence::Paste);
    QCOMPARE(f.kinds(), QStringList({"Vector", "Vector"}));
    QVERIFY(f.table()->text(1, 1).isEmpty());
    QVERIFY(!f.tab()->isEdited());
    QVERIFY(prompts.unexpected().isEmpty());
}

QTEST_MAIN(TestTestSequence)
#include "tst_testsequence.moc"
