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
#include "PromptedPage.h"
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

// One part "U1" whose columns are, highest bit first: IO 3, OUT 2, IN 1, OE 0.
struct Fixture : PromptedPage<PWLogicPartsPage>
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
        package->addPackageId("DIP");
        auto* pins = new CPinList("U1");
        const struct { const char* name; int pinType, signalType; } columns[] = {
            {"OE", PPT_INPUT, ST_OE}, {"A", PPT_INPUT, ST_IN}, {"Y", PPT_OUTPUT, ST_OUT}, {"B", PPT_INOUT, ST_IO}};
        for (int bit = 0; bit < 4; ++bit) {
            package->addPin(QString::number(bit + 1), columns[bit].name, columns[bit].pinType);
            pins->addPin(columns[bit].name, columns[bit].signalType, bit);
        }
        context.logic().insertPackage(0, package);
        context.rebuildPinNames();
        page.addLogicPart("U1");
        part()->insertPinList(0, pins);
        context.logic().rebuildSignalIndex(0);
        setTab(PWLogicPartsPage::TestSequenceTab);
        page.resize(1000, 700);
        dialog.resize(1000, 700);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }
    void setTab(int index) { page.form()->LogicPartTWidget->setCurrentIndex(index); }
    void add(const QString& answer) { prompts.answerText(answer); tab()->slotAddTestSequence(); }
    void append(QRadioButton* kind) { kind->setChecked(true); tab()->slotAddVectorVectorTestSequence(); }
    void at(int row, int col = 0) { table()->clearSelection(); table()->setCurrentCell(row, col); }
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
    void paste(const QString& text)
    {
        QApplication::clipboard()->setText(text);
        table()->setFocus();
        QTest::keySequence(table(), QKeySequence::Paste);
    }
};

} // namespace

class TestTestSequence : public QObject
{
    Q_OBJECT

private slots:
    void charactersPerPinDirection()
    {
        Fixture f;
        f.add(QString());
        QCOMPARE(f.list()->item(0)->text(), "TS 01");
        f.tab()->slotAddVectorVectorTestSequence();
        LxLibTable* t = f.table();
        QCOMPARE(t->numCols(), 7);
        QCOMPARE(t->horizontalHeaderItem(1)->text(), "B");
        QCOMPARE(t->horizontalHeaderItem(5)->text(), LxLibTable::timeColumnLabel());
        QCOMPARE(t->horizontalHeaderItem(6)->text(), "Option");
        QCOMPARE(t->columnWidth(5), 50);
        QCOMPARE(t->columnWidth(6), 95);

        // Column: label shown, characters taken, characters refused.
        const struct { int col; const char *label, *taken, *refused; } columns[] = {
            {1, "IO: U D H L N X Z T", "UuDdHhLlNnXxZzTt", "012"},
            {2, "Output: 0 1 L H X T", "01LlHhXxTt", "UDNZ2"},
            {3, "Input: 0 1 U D N Z", "01UuDdNnZz", "LHXT2"},
            {4, "Input: 0 1 U D N Z", "01UuDdNnZz", "LHXT2"},
        };
        for (const auto& c : columns) {
            t->setCurrentCell(0, c.col);
            QCOMPARE(f.ui()->ui_col_value_test_seq_label->text(), c.label);
            for (const char* ch = c.taken; *ch; ++ch) {
                f.type(0, c.col, QString(QLatin1Char(*ch)));
                QCOMPARE(t->text(0, c.col), QString(QLatin1Char(*ch)));
            }
            // A refused key leaves the cell as it was.
            const QString before = t->text(0, c.col);
            for (const char* ch = c.refused; *ch; ++ch) {
                f.type(0, c.col, QString(QLatin1Char(*ch)));
                QVERIFY2(t->text(0, c.col) == before, qPrintable(QStringLiteral("%1 in %2").arg(*ch).arg(c.col)));
            }
        }
        // One character per cell; the time column of a wait takes a number up to 99999999.
        f.type(0, 2, "HL");
        QCOMPARE(t->text(0, 2), "H");
        t->setCurrentCell(0, 5);
        QVERIFY(f.ui()->ui_col_value_test_seq_label->text().isEmpty());
        f.append(f.ui()->rbDiagWait);
        f.type(1, 5, "123456789");
        QCOMPARE(t->text(1, 5), "12345678");
        f.type(1, 5, "7x");
        QCOMPARE(t->text(1, 5), "7");
        // The wait's signal cells and the vector's time cell take nothing.
        f.type(1, 2, "1");
        QVERIFY(t->text(1, 2).isEmpty());
        f.type(0, 5, "1");
        QVERIFY(t->text(0, 5).isEmpty());
    }

    void statementRowsThenViewOnly()
    {
        Fixture f;
        f.add("Walk");
        auto* ui = f.ui();
        LxLibTable* t = f.table();
        QCOMPARE(ui->wzTestSeq->currentWidget(), ui->wspTestSeqVector);
        QVERIFY(ui->DiagnoseGBox->isHidden());

        // A repeat comes with its first vector between "Repeat" and "End".
        f.append(ui->rbDiagVector);
        f.append(ui->rbDiagRepeat);
        QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "End"}));
        QCOMPARE(t->currentRow(), 3);
        QCOMPARE(t->comboItem(1, 6)->stringList(), QStringList({"", "Break on No Error", "Break on Error"}));

        // Appending a wait with a row selected still adds it at the end.
        t->selectRow(0);
        f.append(ui->rbDiagWait);
        QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "End", "Wait"}));
        QCOMPARE(t->comboItem(4, 6)->stringList(), QStringList({"ns", "us", "ms", "s", "tck"}));
        QCOMPARE(t->comboItem(4, 6)->currentText(), "ms");

        // Insert: inside a repeat and on its "End" row only a vector goes in.
        t->setCurrentCell(2, 0);
        QVERIFY(!ui->InsertTestSeqState->isEnabled());
        ui->rbDiagVector->setChecked(true);
        QVERIFY(ui->InsertTestSeqState->isEnabled());
        f.tab()->slotInsertVectorVectorTestSequence();
        QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "Vector", "End", "Wait"}));
        QCOMPARE(t->currentRow(), 2);
        t->setCurrentCell(1, 0);
        ui->rbDiagWait->setChecked(true);
        QVERIFY(ui->InsertTestSeqState->isEnabled());
        f.tab()->slotInsertVectorVectorTestSequence();
        QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Repeat", "Vector", "Vector", "End", "Wait"}));
        t->setCurrentCell(5, 0);
        QVERIFY(!ui->InsertTestSeqState->isEnabled());

        // Up and down only past vector rows.
        t->setText(3, 1, "U");
        t->setCurrentCell(0, 0);
        QVERIFY(!ui->UpTestSeqState->isEnabled() && !ui->DownTestSeqState->isEnabled());
        f.tab()->slotDownVectorVectorTestSequence();
        QCOMPARE(f.kinds().at(0), "Vector");
        t->setCurrentCell(3, 0);
        QVERIFY(!ui->UpTestSeqState->isEnabled() && ui->DownTestSeqState->isEnabled());
        f.tab()->slotUpVectorVectorTestSequence();
        QCOMPARE(t->text(3, 1), "U");
        f.tab()->slotDownVectorVectorTestSequence();
        QCOMPARE(t->text(4, 1), "U");
        QCOMPARE(t->currentRow(), 4);
        QVERIFY(t->isRowSelected(4));
        f.tab()->slotDownVectorVectorTestSequence();
        QCOMPARE(t->text(4, 1), "U");
        // The "End" row moves up past a vector, which leaves the repeat.
        t->setCurrentCell(5, 0);
        f.tab()->slotUpVectorVectorTestSequence();
        QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Repeat", "Vector", "End", "Vector", "Wait"}));

        // Deleting a "Repeat" row takes its "End" row along; its vectors stay.
        f.at(2);
        t->selectRow(2);
        f.tab()->slotDelTestSeqPinDefinition();
        QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Vector", "Vector", "Wait"}));
        t->clearSelection();
        t->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 0), true);
        f.tab()->slotDelTestSeqPinDefinition();
        QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Wait"}));

        // The context menu's vector goes in before a selected row.
        f.at(2);
        t->selectRow(2);
        f.tab()->slotTestSequenceMenu(PWTestSequenceTable::VectorStatement);
        QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Vector", "Wait"}));
        // A wait moves past vectors as well, keeping its time and unit.
        t->setText(3, 5, "7");
        t->setCurrentCell(3, 0);
        f.tab()->slotUpVectorVectorTestSequence();
        QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Wait", "Vector"}));
        QCOMPARE(t->rowTexts(2).mid(5), QStringList({"7", "ms"}));
        std::unique_ptr<QMenu> menu(f.tab()->createTableMenu());
        QCOMPARE(menu->actions().first()->text(), "Delete");
        QCOMPARE(menu->actions().at(2)->menu()->actions().first()->text(), "Vector");
        QVERIFY(f.tab()->isEdited());

        // Viewing only, neither the buttons, the menus, the slots nor the keys change the rows.
        f.page.storeCurrentTab();
        f.context.viewOnly = true;
        f.page.updateButtons();
        t->setCurrentCell(1, 1);
        QVERIFY(t->isReadOnly() && !ui->AddTestSeq->isEnabled() && !ui->DelTestSeq->isEnabled());
        QVERIFY(!ui->AddTestSeqState->isEnabled() && !ui->InsertTestSeqState->isEnabled());
        QVERIFY(!ui->UpTestSeqState->isEnabled() && !ui->DeleteTestSeqState->isEnabled());
        std::unique_ptr<QMenu> listMenu(f.tab()->createListMenu(f.list()->item(0)));
        for (QAction* a : listMenu->actions())
            QVERIFY(!a->isEnabled());
        const QList<QStringList> shown = t->tableTexts();
        QVERIFY(t->text(1, 1) != "Z");
        f.tab()->slotAddVectorVectorTestSequence();
        t->selectRow(1);
        f.tab()->slotDelTestSeqPinDefinition();
        f.tab()->slotUpVectorVectorTestSequence();
        f.type(1, 1, "Z");
        f.paste("0000\n");
        QCOMPARE(t->tableTexts(), shown);
        QVERIFY(!f.tab()->isEdited());
    }

    void storeAndShow()
    {
        Fixture f;
        f.add("Walk");
        auto* ui = f.ui();
        f.append(ui->rbDiagVector);
        f.type(0, 1, "H");
        f.type(0, 4, "1");
        f.append(ui->rbDiagWait);
        f.table()->comboItem(1, 6)->setCurrentItem("us");
        f.append(ui->rbDiagRepeat);
        f.type(2, 5, "3");
        f.table()->comboItem(2, 6)->setCurrentItem(2);
        f.type(3, 2, "L");
        QVERIFY(f.part()->testSequences().isEmpty()); // still only in the widgets

        // Leaving the tab stores it: empty cells as "X", an empty time as 0.
        f.setTab(PWLogicPartsPage::EnableTab);
        QCOMPARE(f.part()->testSequences().count(), 1);
        const CTestSequences* ts = f.part()->testSequences().at(0);
        QCOMPARE(ts->name(), "Walk");
        QCOMPARE(ts->statements().count(), 3);
        QCOMPARE(vectorOf(ts->statements().at(0)), "HXX1");
        const auto* wait = static_cast<const CWaitTestSequence*>(ts->statements().at(1));
        QCOMPARE(wait->time(), 0u);
        QCOMPARE(wait->unit().GetTimeUnit(), int(TU_US));
        const auto* loop = static_cast<const CLoopTestSequence*>(ts->statements().at(2));
        QCOMPARE(loop->count(), 3u);
        QCOMPARE(loop->breakMode(), 2);
        QCOMPARE(loop->vectors().count(), 1);
        QCOMPARE(loop->vectors().at(0)->vector(), "XLXX");
        QCOMPARE(f.part()->testSequenceDiagnostics().at(0)->count(), 5);

        // A second sequence takes the first over when added; coming back shows the model.
        f.setTab(PWLogicPartsPage::TestSequenceTab);
        QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Repeat", "Vector", "End"}));
        QCOMPARE(f.table()->rowTexts(1).at(6), "us");
        QCOMPARE(f.table()->rowTexts(2).at(6), "Break on Error");
        QCOMPARE(f.table()->text(0, 1), "H");
        QVERIFY(!f.tab()->isEdited());
        f.type(0, 2, "T");
        f.add("Second");
        QCOMPARE(vectorOf(f.part()->testSequences().at(0)->statements().at(0)), "HTX1");
        QCOMPARE(f.table()->numRows(), 0);
        f.list()->setCurrentRow(0);
        QCOMPARE(f.part()->testSequences().count(), 2);
        QCOMPARE(f.part()->testSequences().at(1)->name(), "Second");
        QCOMPARE(f.table()->text(0, 2), "T");

        // Deleting asks; the other sequence is shown.
        f.prompts.answerYesNo(true);
        f.tab()->slotDeleteTestSequence();
        QCOMPARE(f.prompts.lastText(), "Do you want to delete \"Walk\"?");
        QCOMPARE(f.part()->testSequences().count(), 1);
        QCOMPARE(f.list()->count(), 1);
        QCOMPARE(f.table()->numRows(), 0);
        f.prompts.answerYesNo(true);
        f.tab()->slotDeleteTestSequence();
        QCOMPARE(ui->wzTestSeq->currentWidget(), ui->wspTestSeqInValid);
        QVERIFY(!ui->DelTestSeq->isEnabled() && f.part()->testSequences().isEmpty());
    }

    void diagnostics()
    {
        Fixture f;
        f.add("Diag");
        auto* ui = f.ui();
        for (int i = 0; i < 3; ++i)
            f.append(ui->rbDiagVector);
        LxLibTable* t = f.table();
        LxLibTable* dt = ui->DiagnoseTable;
        const auto rules = [&f](int row) { return f.rows()->rules(row); };

        // Checking the Option cell shows the (empty) rules of that vector.
        t->setCurrentCell(1, 6);
        QVERIFY(ui->DiagnoseGBox->isHidden());
        static_cast<LxLibCheckItem*>(t->item(1, 6))->setChecked(true);
        t->checkCellToggled(1, 6, Qt::Checked);
        QVERIFY(!ui->DiagnoseGBox->isHidden());
        QCOMPARE(dt->numRows(), 0);
        QCOMPARE(f.tab()->diagnostics()->signalNames(), QStringList({"OE", "IN", "OUT", "IO", ""}));

        // A rule: signal, then its bits, then the stuck-at type.
        QTest::mouseClick(ui->AddDiagnoseItem, Qt::LeftButton);
        QCOMPARE(dt->comboItem(0, 1)->stringList(), QStringList{QString()});
        QCOMPARE(dt->comboItem(0, 2)->stringList(), QStringList({"", "SA1", "SA0", "SAX"}));
        dt->comboItem(0, 0)->setCurrentItem("OUT");
        emit dt->valueChanged(0, 0);
        QCOMPARE(dt->comboItem(0, 1)->stringList(), QStringList({"", "2"}));
        dt->comboItem(0, 1)->setCurrentItem("2");
        dt->comboItem(0, 2)->setCurrentItem("SA0");
        emit dt->valueChanged(0, 2);
        QTest::mouseClick(ui->AddDiagnoseItem, Qt::LeftButton); // left empty: no rule

        // Another row takes the rules into their vector; coming back shows them.
        t->setCurrentCell(2, 1);
        QVERIFY(ui->DiagnoseGBox->isHidden());
        QCOMPARE(rules(1), PWDiagnoseRules({{ST_OUT, 2, SA_0}}));
        t->setCurrentCell(1, 1);
        QCOMPARE(dt->numRows(), 1);
        QCOMPARE(dt->rowTexts(0), QStringList({"OUT", "2", "SA0"}));

        // Moving the vector moves its rules; storing makes them the row's diagnostic.
        f.tab()->slotUpVectorVectorTestSequence();
        QCOMPARE(rules(0), PWDiagnoseRules({{ST_OUT, 2, SA_0}}));
        QVERIFY(rules(1).isEmpty());
        f.page.storeCurrentTab();
        const auto diagnose = [&f](int row) { return f.part()->testSequenceDiagnostics().diagnose(0, row); };
        QCOMPARE(diagnose(0)->state(), int(CLogicDiagnose::Defined));
        QCOMPARE(diagnose(0)->GetRuleList().count(), 1);
        QCOMPARE(diagnose(0)->GetRuleList().at(0)->GetSignalBit(), 2);
        QCOMPARE(diagnose(1)->state(), int(CLogicDiagnose::NotDefined));

        // Shown again from the model, with an edit made in the table before a save.
        f.tab()->showTab(0);
        t->setCurrentCell(0, 2);
        QVERIFY(!ui->DiagnoseGBox->isHidden());
        dt->comboItem(0, 2)->setCurrentItem("SAX");
        emit dt->valueChanged(0, 2);
        f.page.storeCurrentTab();
        QCOMPARE(diagnose(0)->GetRuleList().at(0)->GetStuckAtType(), int(SA_X));

        // Unchecking asks; No keeps the rules, Yes drops them; without rules nothing is asked.
        auto* check = static_cast<LxLibCheckItem*>(t->item(0, 6));
        const auto toggle = [&](bool on) {
            check->setChecked(on);
            t->checkCellToggled(0, 6, on ? Qt::Checked : Qt::Unchecked);
        };
        f.prompts.answerYesNo(false);
        toggle(false);
        QCOMPARE(f.prompts.lastText(), "Do you want to delete this diagnostic?");
        QVERIFY(check->isChecked() && !ui->DiagnoseGBox->isHidden());
        f.prompts.answerYesNo(true);
        toggle(false);
        QVERIFY(ui->DiagnoseGBox->isHidden());
        f.page.storeCurrentTab();
        QCOMPARE(diagnose(0)->state(), int(CLogicDiagnose::NotDefined));
        const int asked = f.prompts.count();
        toggle(true);
        toggle(false);
        QCOMPARE(f.prompts.count(), asked);
    }

    void namesAndLimits()
    {
        Fixture f;
        for (const char* reserved : {"truth table", "TEST SEQUENCE", "Enabled", "activate latching"}) {
            f.add(reserved);
            QCOMPARE(f.prompts.lastText(), "This Test Sequence name is not allowed!");
        }
        QCOMPARE(f.list()->count(), 0);
        f.add("  ");
        f.add("Two");
        QCOMPARE(f.list()->item(0)->text(), "TS 01");
        // A name another, not current, sequence has is refused too.
        f.add("TS 01");
        QCOMPARE(f.prompts.lastText(), "This Test Sequence name is aready used");
        QCOMPARE(f.list()->count(), 2);

        const auto rename = [&f](const QString& answer) {
            f.prompts.answerText(answer);
            f.tab()->slotRenameTestSequence();
            return f.prompts.lastText();
        };
        QCOMPARE(rename("Test sequence"), "This Test Sequence name is not allowed!");
        QCOMPARE(rename(" "), "There is no test sequence id specified");
        QCOMPARE(rename("TS 01"), "This Test Sequence name is aready used");
        rename(" Renamed ");
        QCOMPARE(f.list()->item(1)->text(), "Renamed");
        f.page.storeCurrentTab();
        QCOMPARE(f.part()->testSequences().at(1)->name(), "Renamed");
        // Renamed and renamed back before it is stored: the old name is its own.
        rename("Other");
        rename("Renamed");
        QCOMPARE(f.list()->item(1)->text(), "Renamed");

        std::unique_ptr<QMenu> menu(f.tab()->createListMenu(nullptr));
        QCOMPARE(menu->actions().size(), 6); // then a separator, Undo and Redo
        QCOMPARE(menu->actions().at(2)->text(), "Delete ");
        QVERIFY(menu->actions().at(0)->isEnabled() && !menu->actions().at(1)->isEnabled());

        for (int i = 2; i < PWTestSequenceTab::MaxTestSequences; ++i)
            QVERIFY(f.tab()->addTestSequence(QStringLiteral("S%1").arg(i)));
        QVERIFY(!f.tab()->addTestSequence("one more"));
        QCOMPARE(f.prompts.lastText(),
                 "It is not possible to add a new Test Sequence\nMaximum number of Test Sequences is reached");
        QCOMPARE(f.list()->count(), 100);

        // A file may bring more: the 105th is shown, edited and stored like the first.
        f.page.storeCurrentTab();
        for (int i = 100; i < 105; ++i) {
            auto* ts = new CTestSequences(QStringLiteral("F%1").arg(i));
            ts->appendStatement(new CVectorTestSequence("0000"));
            f.part()->insertTestSequence(i, ts);
        }
        f.tab()->showTab(0);
        QCOMPARE(f.list()->count(), 105);
        QCOMPARE(f.list()->currentRow(), 104);
        f.type(0, 1, "Z");
        f.list()->setCurrentRow(102);
        QCOMPARE(vectorOf(f.part()->testSequences().at(104)->statements().at(0)), "Z000");

        Fixture empty;
        empty.part()->pinLists().clear();
        empty.context.logic().rebuildSignalIndex(0);
        empty.add("X");
        QCOMPARE(empty.prompts.lastText(), "Unable to add Test Sequence\nPlease check your Pin List");
    }

    void pasteCopyAndRealign()
    {
        Fixture f;
        f.add("Pasted");
        f.append(f.ui()->rbDiagVector);
        f.append(f.ui()->rbDiagRepeat);
        f.append(f.ui()->rbDiagWait);
        LxLibTable* t = f.table();

        // Into the repeat: its vector takes the first row, the next goes in before "End".
        t->setCurrentCell(2, 1);
        f.paste("H\tL\t1\t0\nz\th\t0\t1\nU\t2\t0\t0\n0101\n");
        QCOMPARE(f.kinds(), QStringList({"Vector", "Repeat", "Vector", "Vector", "End", "Wait"}));
        QCOMPARE(f.rows()->vectorText(2), "HL10");
        QCOMPARE(f.rows()->vectorText(3), "zh01");
        QVERIFY(f.prompts.lastText().contains("Row 3: ") && f.prompts.lastText().contains("Row 4: "));
        QVERIFY(!f.prompts.lastText().contains("Row 2: "));

        // Copy gives the vectors back in a form paste takes; only vector rows are copied.
        t->clearSelection();
        t->setRangeSelected(QTableWidgetSelectionRange(1, 0, 3, 0), true);
        QTest::keySequence(t, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), "H\tL\t1\t0\nz\th\t0\t1\n");
        f.at(0, 1);
        QTest::keySequence(t, QKeySequence::Paste);
        QCOMPARE(f.kinds(), QStringList({"Vector", "Vector", "Repeat", "Vector", "Vector", "End", "Wait"}));
        QCOMPARE(f.rows()->vectorText(1), "zh01");

        // Pasting over filled rows asks first.
        t->setCurrentCell(0, 1);
        f.prompts.answerYesNo(false);
        f.paste("DHDD\n");
        QCOMPARE(f.prompts.lastText(),
                 "The pasted rows replace 1 filled rows from row 1.\nDo you want to replace them?");
        QCOMPARE(f.rows()->vectorText(0), "HL10");
        f.prompts.answerYesNo(true);
        f.paste("DHDD\n");
        QCOMPARE(f.rows()->vectorText(0), "DHDD");
        f.setTab(PWLogicPartsPage::PinListTab);
        const auto* loop = static_cast<const CLoopTestSequence*>(f.part()->testSequences().at(0)->statements().at(2));
        QCOMPARE(loop->vectors().count(), 2);

        // Pin A moves from bit 1 to bit 4: its cells go with it, the gap it leaves reads "X".
        CPinList* pins = f.part()->pinLists().at(0);
        pins->pins().remove(1);
        pins->addPin("A", ST_IN, 4);
        f.context.logic().rebuildSignalIndex(0);
        f.setTab(PWLogicPartsPage::TestSequenceTab);
        QCOMPARE(f.table()->numCols(), 8);
        QCOMPARE(f.rows()->vectorText(0), "DDHXD");
        QCOMPARE(f.table()->horizontalHeaderItem(1)->text(), "A");
    }

    void switchingSequencesLeavesNothingBehind()
    {
        Fixture f;
        auto* a = new CTestSequences("A");
        a->appendStatement(new CVectorTestSequence("HL10"));
        a->appendStatement(new CVectorTestSequence("UD01"));
        auto* b = new CTestSequences("B");
        b->appendStatement(new CVectorTestSequence("LHXX"));
        b->appendStatement(new CWaitTestSequence(2, TU_S));
        b->appendStatement(new CVectorTestSequence("ZZ00"));
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
        QCOMPARE(f.rows()->vectorText(0), "HL10");
        QVERIFY(f.rows()->isDiagnosed(0) && !f.rows()->isDiagnosed(1) && !f.ui()->DiagnoseGBox->isHidden());
        QCOMPARE(f.rows()->rules(0), PWDiagnoseRules({{ST_IN, 1, SA_1}}));
        f.list()->setCurrentRow(1);
        QCOMPARE(f.kinds(), QStringList({"Vector", "Wait", "Vector"}));
        QCOMPARE(f.rows()->vectorText(0), "LHXX");
        QVERIFY(!f.rows()->isDiagnosed(0) && f.rows()->rules(0).isEmpty() && f.ui()->DiagnoseGBox->isHidden());
        QCOMPARE(f.table()->rowTexts(1).mid(5), QStringList({"2", "s"}));
        QCOMPARE(f.rows()->vectorText(2), "ZZ00");
        // Nothing was edited: showing stored nothing.
        QVERIFY(!f.tab()->isEdited());
        QCOMPARE(f.part()->testSequences().at(0), a);
    }
};

QTEST_MAIN(TestTestSequence)
#include "tst_testsequence.moc"
