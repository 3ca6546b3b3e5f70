#include "LxLibLogicTable.h"
#include "LxLibTableItem.h"
#include "PWLogicPartsPage.h"
#include "PWPinListTab.h"
#include "PWTruthTableTab.h"
#include "PromptedPage.h"
#include "ui_PWLogicPage.h"
#include "ui_PWTruthTableTab.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace lxlib;

namespace {

struct Pin { const char* name; int signalType, bit; };

// Columns, highest bit first: B (IO, 4), bit 3 without a pin, Y (OUT), A and OE (inputs).
const QList<Pin> kPins{{"OE", ST_OE, 0}, {"A", ST_IN, 1}, {"Y", ST_OUT, 2}, {"B", ST_IO, 4}};

QStringList truthTable(const CLogicPart* part)
{
    QStringList rows;
    for (const LxLibTruthTableRecord* r : part->truthTable())
        rows.append(r->GetVector());
    return rows;
}

} // namespace

class TestTruthTable : public QObject
{
    Q_OBJECT

private:
    struct Fixture : PromptedPage<PWLogicPartsPage>
    {
        PWTruthTableTab* tab() const { return page.truthTableTab(); }
        Ui::PWTruthTableTab* ui() const { return page.truthTableTab()->form(); }
        LxLibLogicTable* table() const { return page.truthTableTab()->table(); }
        CLogicPart* part(int p = 0) { return context.logic().logicParts().at(p); }

        // A part "U1" with one pin list of the pins, shown on the truth table tab.
        explicit Fixture(const QList<Pin>& pins = kPins)
        {
            context.category = 2;
            (new QVBoxLayout(&dialog))->addWidget(&page);
            page.addLogicPart("U1");
            setPins(pins);
            showTab(PWLogicPartsPage::TruthTableTab);
        }
        void setPins(const QList<Pin>& pins)
        {
            part()->pinLists().clear();
            auto* list = new CPinList("PL");
            for (const Pin& pin : pins)
                list->addPin(QString::fromLatin1(pin.name), pin.signalType, pin.bit);
            part()->insertPinList(0, list);
            page.pinListTab()->slotPinListChanged(0);
        }
        void showTab(int index) { page.form()->LogicPartTWidget->setCurrentIndex(index); }
        // Shown and active, with a truth table added.
        void showWindow()
        {
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            table()->setFocus();
            click(ui()->AddTruthTable);
        }
        void click(QAbstractButton* button, int times = 1)
        {
            while (times-- > 0)
                QTest::mouseClick(button, Qt::LeftButton);
        }
        // Types one key into a cell and ends the edit with Return.
        void type(int row, int col, const QString& key)
        {
            table()->setCurrentCell(row, col);
            QTest::keyClicks(table(), key);
            if (auto* edit = qobject_cast<QLineEdit*>(table()->indexWidget(table()->currentIndex())))
                QTest::keyClick(edit, Qt::Key_Return);
        }
        QStringList rows() const
        {
            QStringList texts;
            for (const QStringList& row : table()->tableTexts())
                texts.append(row.join(QString()));
            return texts;
        }
    };

private slots:
    void addDeleteAndColumns()
    {
        Fixture f({{"D", ST_DATA, 0}});
        Ui::PWTruthTableTab* ui = f.ui();
        // Data pins make no columns.
        f.click(ui->AddTruthTable);
        QCOMPARE(f.prompts.lastText(), "Unable to build Function Truth Table\nPlease check your Pin List");
        QCOMPARE(ui->wsTrueTable->currentWidget(), ui->WzPageTrueTable0);

        f.showTab(PWLogicPartsPage::PinListTab);
        f.setPins(kPins);
        f.showTab(PWLogicPartsPage::TruthTableTab);
        f.click(ui->AddTruthTable);
        QCOMPARE(ui->lbTruthTableLBox->item(0)->text(), "Truth Table");
        QCOMPARE(ui->wsTrueTable->currentWidget(), ui->WzPageTrueTable1);
        QVERIFY(!ui->AddTruthTable->isEnabled() && ui->DeleteTruthTable->isEnabled());
        QCOMPARE(f.tab()->editMark(0), int(PWEditMarks::Edited));
        QCOMPARE(f.table()->numRows(), 0);
        QCOMPARE(f.context.logic().truthTableSignalTypes(), (QList<int>{ST_OE, ST_IN, ST_OUT, ST_NONE, ST_IO}));

        // Two pin lists label a column with both pins; highest bit first.
        f.part()->truthTable().append(new LxLibTruthTableRecord("ZX101"));
        auto* second = new CPinList("PL2");
        second->addPin("OE2", ST_OE, 0);
        f.part()->insertPinList(1, second);
        f.context.logic().rebuildSignalIndex(0);
        f.tab()->showTab(0);
        QStringList labels;
        for (int c = 0; c < f.table()->numCols(); ++c)
            labels.append(f.table()->horizontalHeaderItem(c)->text());
        QCOMPARE(labels, (QStringList{"B", "", "Y", "A", "OE\nOE2"}));
        QCOMPARE(f.rows(), QStringList{"ZX101"});

        // Deleting asks; No keeps the table, Yes takes it out of the model at once.
        f.prompts.answerYesNo(false);
        f.click(ui->DeleteTruthTable);
        QCOMPARE(f.prompts.lastText(), "Do you want to delete this Truth Table?");
        QCOMPARE(f.part()->truthTable().count(), 1);
        f.prompts.answerYesNo(true);
        f.click(ui->DeleteTruthTable);
        QCOMPARE(f.part()->truthTable().count(), 0);
        QCOMPARE(ui->lbTruthTableLBox->count(), 0);
        QCOMPARE(ui->wsTrueTable->currentWidget(), ui->WzPageTrueTable0);
        QVERIFY(ui->AddTruthTable->isEnabled() && !ui->DeleteTruthTable->isEnabled());
    }

    void charactersPerDirection()
    {
        Fixture f;
        f.showWindow();
        f.click(f.ui()->AddTrueTableState);
        const QString tried = "01UDHLNXZTudhlnxzt2-";
        const QStringList taken{"UDHLNXZTudhlnxzt", "01UDHLNXZTudhlnxzt", "01HLXThlxt", "01UDNZudnz"};
        const QStringList labels{"IO: U D H L N X Z T", "01XHLTUDNZ", "Output: 0 1 L H X T", "Input: 0 1 U D N Z"};
        LxLibLogicTable* t = f.table();
        for (int col = 0; col < 4; ++col) {
            t->setCurrentCell(0, col);
            QCOMPARE(f.ui()->ui_col_value_truth_table_label->text(), labels[col]);
            QString accepted;
            for (QChar c : tried) {
                t->lxItem(0, col)->setText(QString());
                f.type(0, col, QString(c));
                accepted += t->text(0, col);
            }
            QCOMPARE(accepted, taken[col]);
        }
    }

    void rowsAndStore()
    {
        Fixture f;
        f.showWindow();
        Ui::PWTruthTableTab* ui = f.ui();
        LxLibLogicTable* t = f.table();
        f.click(ui->AddTrueTableState, 3);
        f.type(0, 0, "H");
        f.type(2, 2, "1");

        // Insert goes before the current row; Delete takes the selected rows.
        t->setCurrentCell(2, 0);
        f.click(ui->InsertTrueTableState);
        QCOMPARE(f.rows(), (QStringList{"H", "", "", "1"}));
        QCOMPARE(t->currentRow(), 2);
        t->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
        f.click(ui->DelTrueTableState);
        QCOMPARE(f.rows(), (QStringList{"H", "1"}));
        f.click(ui->AddTrueTableState, 3);
        // Input columns take no "x" from the keyboard; a loaded row may hold them.
        for (int col = 0; col < 5; ++col)
            t->lxItem(3, col)->setText("x");
        // Rows 2 and 4 stay empty: the first is dropped, the second kept.
        QCOMPARE(f.rows(), (QStringList{"H", "1", "", "xxxxx", ""}));

        f.prompts.answerYesNo(true);
        f.prompts.answerYesNo(false);
        f.showTab(PWLogicPartsPage::EnableTab);
        QCOMPARE(f.prompts.texts(), (QStringList{"Truth Table Vector is empty. Delete it?",
                                               "Truth Table Vector is empty. Delete it?"}));
        QCOMPARE(truthTable(f.part()), (QStringList{"HXXXX", "XX1XX", "xxxxx", "XXXXX"}));
        QCOMPARE(f.tab()->editMark(0), int(PWEditMarks::Stored));

        // Back on the tab the model's rows are shown; a changed value alone is stored.
        f.showTab(PWLogicPartsPage::TruthTableTab);
        QCOMPARE(f.rows(), (QStringList{"HXXXX", "XX1XX", "xxxxx", "XXXXX"}));
        t->setFocus();
        f.type(2, 4, "1");
        QCOMPARE(f.tab()->editMark(0), int(PWEditMarks::Edited));
        f.prompts.answerYesNo(false);
        // Choosing another part stores too.
        f.page.addLogicPart("U2");
        QCOMPARE(truthTable(f.part()), (QStringList{"HXXXX", "XX1XX", "xxxx1", "XXXXX"}));
        QCOMPARE(f.rows(), QStringList());
        QCOMPARE(ui->wsTrueTable->currentWidget(), ui->WzPageTrueTable0);

        // While a file is loaded nothing is asked.
        f.page.form()->lbLogicPartLBox->setCurrentRow(0);
        f.context.loading = true;
        f.click(ui->AddTrueTableState);
        f.page.storeCurrentTab();
        QCOMPARE(truthTable(f.part()).size(), 5);
    }

    void pasteAndCopy()
    {
        Fixture f;
        f.showWindow();
        LxLibLogicTable* t = f.table();
        auto paste = [&](const QString& text) {
            QApplication::clipboard()->setText(text);
            t->setFocus();
            QTest::keySequence(t, QKeySequence::Paste);
        };

        // Into an empty table the rows are appended; the refused one is listed.
        t->setCurrentCell(-1, -1);
        paste("Z\t1\tH\t0\t1\n0 1 H 0 1\ndxL1u\n");
        QCOMPARE(f.rows(), (QStringList{"Z1H01", "dxL1u"}));
        QCOMPARE(f.prompts.lastText(), "1 of 3 pasted rows were not taken:\n"
                                       "Row 2: column 1 (B) does not take \"0\"; it takes U D H L N X Z T");
        QCOMPARE(f.tab()->editMark(0), int(PWEditMarks::Edited));
        QCOMPARE(t->lxItem(1, 2)->pinDirection(), 1);

        // Over filled rows only after a Yes; rows beyond the table are appended.
        t->setCurrentCell(1, 0);
        f.prompts.answerYesNo(false);
        paste("UXX00\nDXX11");
        QCOMPARE(f.prompts.lastText(),
                 "The pasted rows replace 1 filled rows from row 2.\nDo you want to replace them?");
        QCOMPARE(f.rows(), (QStringList{"Z1H01", "dxL1u"}));
        f.prompts.answerYesNo(true);
        paste("UXX00\nDXX11");
        QCOMPARE(f.rows(), (QStringList{"Z1H01", "UXX00", "DXX11"}));

        // Copy puts the selected rows on the clipboard, one cell per field.
        t->clearSelection();
        t->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 4), true);
        QTest::keySequence(t, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), "Z\t1\tH\t0\t1\n");
        t->setCurrentCell(-1, -1);
        paste(QApplication::clipboard()->text());
        QCOMPARE(f.rows().last(), "Z1H01");
    }

    void readOnlyAndPinListChanges()
    {
        Fixture f;
        for (const char* row : {"H10Z0", "LX0U1"})
            f.part()->truthTable().append(new LxLibTruthTableRecord(QString::fromLatin1(row)));

        // A new control signal's cells read "X"; the removed signal's cells go.
        f.showTab(PWLogicPartsPage::PinListTab);
        f.setPins({{"OE", ST_OE, 0}, {"A", ST_IN, 1}, {"Y", ST_OUT, 2}, {"C", ST_CE, 3}});
        f.showTab(PWLogicPartsPage::TruthTableTab);
        QCOMPARE(f.rows(), (QStringList{"X0Z0", "X0U1"}));

        // A memory part shows its table and changes nothing.
        f.context.category = PWWizardContext::MemoryTestCategory;
        f.tab()->showTab(0);
        QVERIFY(!f.ui()->DeleteTruthTable->isEnabled() && !f.ui()->AddTrueTableState->isEnabled());
        QVERIFY(f.table()->isReadOnly());
        QCOMPARE(f.prompts.count(), 0);
    }
};

QTEST_MAIN(TestTruthTable)
#include "tst_truthtable.moc"
