// Undo in the vector tables: the truth table and a test sequence of a logic
// part with the pins OE, A (inputs), Y (output) and B (in/out); the columns run
// from the highest bit: B, Y, A, OE.

#include "CLogic.h"
#include "LxFindBar.h"
#include "LxLibLogicTable.h"
#include "LxTableHistory.h"
#include "LxUndoBinding.h"
#include "PageFixture.h"
#include "PWLogicPartsPage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWTruthTableTab.h"
#include "PWWizardContext.h"
#include "ScriptedPrompter.h"
#include "UndoFixture.h"
#include "ui_PWLogicPage.h"
#include "ui_PWTestSequenceTab.h"
#include "ui_PWTruthTableTab.h"

#include <QMenu>
#include <QUndoStack>
#include <QtTest>

using namespace lxlib;

namespace {

struct LogicPart : PageFixture<PWLogicPartsPage>
{
    LogicPart()
    {
        context.category = 2;
        auto* package = new CPackage;
        package->addPackageId(QStringLiteral("SO4"));
        auto* pins = new CPinList(QStringLiteral("U1"));
        const struct
        {
            const char* name;
            int packageType;
            int signalType;
        } kinds[] = {{"OE", PPT_INPUT, ST_OE}, {"A", PPT_INPUT, ST_IN}, {"Y", PPT_OUTPUT, ST_OUT}, {"B", PPT_INOUT, ST_IO}};
        int bit = 0;
        for (const auto& kind : kinds) {
            package->addPin(QString::number(bit + 1), QString::fromLatin1(kind.name), kind.packageType);
            pins->addPin(QString::fromLatin1(kind.name), kind.signalType, bit++);
        }
        context.logic().insertPackage(0, package);
        context.rebuildPinNames();
        page.addLogicPart(QStringLiteral("U1"));
        part()->insertPinList(0, pins);
        context.logic().rebuildSignalIndex(0);
        page.pinListTab()->slotPinListChanged(0);
    }
    CLogicPart* part() { return context.logic().logicParts().at(0); }
    void showTab(int index) { page.form()->LogicPartTWidget->setCurrentIndex(index); }
};

QString vectors(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("%1X%2%3\n").arg(i % 2 ? 'U' : 'D').arg((i / 2) % 2).arg(i % 3 == 0 ? 'Z' : '1');
    return text;
}

// Undoes every step back to the first state, then redoes them all, comparing the table each time.
void undoAndRedoAll(LxLibTable* table, const QList<QList<QStringList>>& states)
{
    LxUndoBinding* binding = table->history()->binding();
    QCOMPARE(table->history()->stack()->count(), states.size() - 1);
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QVERIFY(binding->undo());
        QCOMPARE(shownRows(table), states[i]);
    }
    QVERIFY(!binding->undo());
    for (qsizetype i = 1; i < states.size(); ++i) {
        QVERIFY(binding->redo());
        QCOMPARE(shownRows(table), states[i]);
    }
}

} // namespace

class TestVectorUndo : public QObject
{
    Q_OBJECT

private slots:
    void truthTableSteps();
    void testSequenceSteps();
};

void TestVectorUndo::truthTableSteps()
{
    ScriptedPrompter prompts;
    LogicPart f;
    f.showTab(PWLogicPartsPage::TruthTableTab);
    PWTruthTableTab* tab = f.page.truthTableTab();
    LxLibLogicTable* table = tab->table();
    tab->slotAddTruthTable();
    QCOMPARE(table->history()->stack()->count(), 0);

    QList<QList<QStringList>> states{shownRows(table)};
    tab->slotAddTrueTableState();
    states << shownRows(table);
    typeInto(table, 0, 1, QStringLiteral("1"));
    states << shownRows(table);
    table->setCurrentCell(0, 0);
    prompts.answerYesNo(true);
    tab->slotPasteVectors(vectors(500));
    QCOMPARE(table->numRows(), 500);
    // The first pasted row replaced the one typed in: a question, then one step.
    QCOMPARE(prompts.count(), 1);
    states << shownRows(table);
    table->setRangeSelected(QTableWidgetSelectionRange(3, 0, 9, 0), true);
    tab->slotDelTrueTableState();
    states << shownRows(table);
    table->setCurrentCell(2, 1);
    tab->slotInsertTrueTableState();
    states << shownRows(table);
    undoAndRedoAll(table, states);

    // Leaving the tab stores the rows as they are after the undo.
    QVERIFY(table->history()->binding()->undo());
    const QList<QStringList> shown = table->tableTexts();
    f.showTab(PWLogicPartsPage::PinListTab);
    QCOMPARE(f.part()->truthTable().count(), shown.size());
    f.showTab(PWLogicPartsPage::TruthTableTab);
    QCOMPARE(table->tableTexts(), shown);
    QVERIFY(!table->history()->binding()->undo());
    QCOMPARE(table->tableTexts(), shown);

    // The find bar looks for a signal column by its label.
    auto* bar = table->parentWidget()->findChild<LxFindBar*>();
    QVERIFY(bar);
    bar->open();
    bar->lineEdit()->setText(QStringLiteral("y"));
    QVERIFY(bar->findNext());
    QCOMPARE(bar->columnLabel(table->currentColumn()).trimmed(), QStringLiteral("Y"));
    bar->lineEdit()->setText(QStringLiteral("nothing"));
    QVERIFY(!bar->findNext());
    QVERIFY(!bar->hasMatch());
}

void TestVectorUndo::testSequenceSteps()
{
    ScriptedPrompter prompts;
    LogicPart f;
    f.showTab(PWLogicPartsPage::TestSequenceTab);
    PWTestSequenceTab* tab = f.page.testSequenceTab();
    Ui::PWTestSequenceTab* ui = tab->form();
    LxLibTable* table = ui->tbTestSequenceTable;
    prompts.answerText(QStringLiteral("S1"));
    tab->slotAddTestSequence();
    QCOMPARE(table->history()->stack()->count(), 0);

    QList<QList<QStringList>> states{shownRows(table)};
    ui->rbDiagVector->setChecked(true);
    tab->slotAddVectorVectorTestSequence();
    states << shownRows(table);
    tab->slotAddVectorVectorTestSequence();
    states << shownRows(table);
    typeInto(table, 1, 2, QStringLiteral("1"));
    states << shownRows(table);
    table->setCurrentCell(1, 0);
    tab->slotUpVectorVectorTestSequence();
    states << shownRows(table);
    table->setCurrentCell(0, 0);
    prompts.answerYesNo(true);
    tab->slotPasteVectors(vectors(4));
    states << shownRows(table);
    table->selectRow(2);
    tab->slotDelTestSeqPinDefinition();
    states << shownRows(table);
    undoAndRedoAll(table, states);

    // The table's menu keeps its entries and offers the history at the end.
    std::unique_ptr<QMenu> menu(tab->createTableMenu());
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.first()->text(), QStringLiteral("Delete"));
    QCOMPARE(actions.at(actions.size() - 3)->isSeparator(), true);
    QCOMPARE(actions.at(actions.size() - 2)->text(), QStringLiteral("Undo"));
    QCOMPARE(actions.last()->text(), QStringLiteral("Redo"));
    QVERIFY(!actions.last()->isEnabled());

    // Undone to nothing, the sequence is clean again and stores nothing new.
    while (table->history()->binding()->undo()) {
    }
    QVERIFY(table->history()->stack()->isClean());
    QCOMPARE(table->numRows(), 0);
}

int runVectorUndoTests(int argc, char** argv)
{
    TestVectorUndo test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_vectorundo.moc"
