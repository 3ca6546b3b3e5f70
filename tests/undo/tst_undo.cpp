// Undo and redo: keys and menu entries bound to a history; steps of the package, vector and diagnostics tables.

#include "CPackage.h"
#include "LxFindBar.h"
#include "LxLibCheckItem.h"
#include "LxLibLogicTable.h"
#include "LxTableHistory.h"
#include "LxUndoCommand.h"
#include "PWDiagnoseEditor.h"
#include "PWPackagePage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWTestSequenceTable.h"
#include "PWTruthTableTab.h"
#include "PWVocabulary.h"
#include "PageFixture.h"
#include "UndoFixture.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPackagePage.h"
#include "ui_PWTestSequenceTab.h"

#include <QTableWidget>
#include <QLabel>
#include <QtTest>

using namespace lxlib;

namespace {

// Appends a letter to a text; refuses while *blocked is set.
class AppendCommand : public LxUndoCommand
{
public:
    AppendCommand(QString* text, QChar c, const bool* blocked) : m_text(text), m_letter(c), m_blocked(blocked) {}
    void redo() override { m_text->append(m_letter); }
    void undo() override { m_text->chop(1); }
    bool check(bool) override { return !*m_blocked; }
    QString* m_text;
    QChar m_letter;
    const bool* m_blocked;
};

QString pinRows(int first, int count)
{
    const QString type = PackagePinTypeChoices().value(1);
    QString text;
    for (int i = first; i < first + count; ++i)
        text += QStringLiteral("%1\tP%1\t%2\n").arg(i).arg(type);
    return text;
}

struct PackageFixture : PageFixture<PWPackagePage>
{
    Ui::PWPackagePage* ui() const { return page.form(); }
    LxLibTable* table() const { return page.form()->PackageTable; }
    QUndoStack* stack() const { return table()->history()->stack(); }
    LxUndoBinding* binding() const { return table()->history()->binding(); }

    // The rows, the ids and the TAP flag: everything a package step may change.
    QString shown() const
    {
        QStringList rows;
        for (const QStringList& row : shownRows(table()))
            rows << row.join(QLatin1Char('|'));
        QStringList ids;
        for (int i = 0; i < ui()->PackageIdListCBox->count(); ++i)
            ids << ui()->PackageIdListCBox->itemText(i);
        return rows.join(QLatin1Char('/')) + QStringLiteral(" ids=") + ids.join(QLatin1Char(','))
               + (ui()->PackageHasTap->isChecked() ? QStringLiteral(" tap") : QString());
    }
    QStringList modelPins(int pos) const
    {
        QStringList pins;
        for (const CPackagePin* pin : context.logic().packages().at(pos)->pins())
            pins << QStringLiteral("%1:%2:%3").arg(pin->pinNumber(), pin->pinName()).arg(pin->pinType());
        return pins;
    }
    QStringList tablePins() const
    {
        QStringList pins;
        for (int r = 0; r < table()->numRows(); ++r)
            pins << QStringLiteral("%1:%2:%3")
                        .arg(table()->text(r, 0), table()->text(r, 1))
                        .arg(table()->comboItem(r, 2)->currentItem());
        return pins;
    }
};

// A logic part with the pins OE, A (inputs), Y (output) and B (in/out); its vector
// columns run from the highest bit: B, Y, A, OE.
struct LogicPart : PageFixture<PWLogicPartsPage>
{
    LogicPart()
    {
        context.category = 2;
        auto* package = new CPackage;
        package->addPackageId(QStringLiteral("SO4"));
        auto* pins = new CPinList(QStringLiteral("U1"));
        const std::tuple<const char*, int, int> kinds[] = {
            {"OE", PPT_INPUT, ST_OE}, {"A", PPT_INPUT, ST_IN}, {"Y", PPT_OUTPUT, ST_OUT}, {"B", PPT_INOUT, ST_IO}};
        int bit = 0;
        for (const auto& [name, packageType, signalType] : kinds) {
            package->addPin(QString::number(bit + 1), QString::fromLatin1(name), packageType);
            pins->addPin(QString::fromLatin1(name), signalType, bit++);
        }
        context.logic().insertPackage(0, package);
        context.rebuildPinNames();
        page.addLogicPart(QStringLiteral("U1"));
        context.logic().logicParts().at(0)->insertPinList(0, pins);
        context.logic().rebuildSignalIndex(0);
        page.pinListTab()->slotPinListChanged(0);
    }
    void showTab(int index) { page.form()->LogicPartTWidget->setCurrentIndex(index); }
};

QString vectors(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("%1X%2%3\n").arg(i % 2 ? 'U' : 'D').arg((i / 2) % 2).arg(i % 3 == 0 ? 'Z' : '1');
    return text;
}

// Every row's choices with the bit list it offers.
QList<QStringList> withBitLists(const LxLibTable* table)
{
    QList<QStringList> rows = shownRows(table);
    for (int r = 0; r < table->rowCount(); ++r)
        rows[r] << table->comboItem(r, 1)->stringList().join(u'|');
    return rows;
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void bindingsReachTheFocusedStackAndTheirMenu();
    void packageSteps();
    void vectorTableSteps();
    void diagnosticSteps();
};

void TestUndo::bindingsReachTheFocusedStackAndTheirMenu()
{
    QWidget page;
    auto* list = new QListWidget(&page);
    auto* table = new QTableWidget(3, 3, &page);
    auto* find = new QLineEdit(&page);
    LxUndoBinding listBinding(list);
    LxUndoBinding tableBinding(table);
    QString listText, tableText;
    bool blocked = false;
    listBinding.stack()->push(new AppendCommand(&listText, QLatin1Char('l'), &blocked));
    tableBinding.stack()->push(new AppendCommand(&tableText, QLatin1Char('a'), &blocked));
    tableBinding.stack()->push(new AppendCommand(&tableText, QLatin1Char('b'), &blocked));
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));

    table->setFocus();
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tableText, "a");
    QCOMPARE(listText, "l");
    QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(tableText, "ab");
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tableText, "ab");

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listText, QString());
    QCOMPARE(tableText, "ab");
    // Nothing left to undo: the key does nothing at all.
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listBinding.stack()->index(), 0);

    // A line edit outside both subtrees keeps Ctrl+Z for its own text.
    find->setFocus();
    QTest::keyClicks(find, QStringLiteral("xy"));
    QTest::keyClick(find, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tableText, "ab");
    QVERIFY(find->text() != QStringLiteral("xy"));

    // The menu entries follow the stack.
    QMenu menu;
    menu.addAction(QStringLiteral("Insert"));
    tableBinding.appendTo(&menu);
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(menuTexts(&menu), QStringList({"Insert", "|", "Undo", "Redo"}));
    QVERIFY(!actions[2]->icon().isNull() && !actions[3]->icon().isNull());
    const auto shown = [&] {
        return QStringLiteral("%1%2 ").arg(actions[2]->isEnabled()).arg(actions[3]->isEnabled()) + tableText;
    };
    QCOMPARE(shown(), "10 ab");
    actions[2]->trigger();
    QCOMPARE(shown(), "11 a");
    actions[2]->trigger();
    QCOMPARE(shown(), "01 ");
    actions[3]->trigger();
    QCOMPARE(shown(), "11 a");

    // A step that refuses stays where it is, both ways.
    blocked = true;
    QVERIFY(!tableBinding.undo());
    QVERIFY(!tableBinding.redo());
    QCOMPARE(tableBinding.stack()->index(), 1);
    QCOMPARE(shown(), "11 a");
    blocked = false;
    QVERIFY(tableBinding.redo());
    QCOMPARE(shown(), "10 ab");
    QVERIFY(!tableBinding.redo());
}

void TestUndo::packageSteps()
{
    ScriptedPrompter prompts;
    PackageFixture f;
    prompts.answerText(QStringLiteral("A"));
    f.page.slotAddPackage();
    f.page.slotPastePins(pinRows(1, 3));
    prompts.answerText(QStringLiteral("B"));
    f.page.slotAddPackage();
    f.ui()->PackageLBox->setCurrentRow(0);
    const QStringList storedPins = f.modelPins(0);
    QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Stored));

    QStringList states{f.shown()};
    const auto step = [&](const std::function<void()>& change) {
        change();
        states << f.shown();
        QCOMPARE(f.stack()->count(), states.size() - 1);
    };
    step([&] { f.page.slotAddPackagePinDefinition(); });
    step([&] { typeInto(f.table(), 3, 0, QStringLiteral("9")); });
    step([&] { typeInto(f.table(), 3, 1, QStringLiteral("CLK")); });
    step([&] { chooseIn(f.table(), 3, 2, 4); });
    step([&] {
        f.table()->setCurrentCell(1, 0);
        prompts.answerYesNo(true);
        f.page.slotPastePins(pinRows(20, 4));
    });
    step([&] {
        f.table()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 2), true);
        f.page.slotDelPackagePinDefinition();
    });
    step([&] {
        prompts.answerText(QStringLiteral("A2"));
        f.page.slotAddPackageId();
    });
    step([&] {
        f.ui()->PackageIdListCBox->setCurrentIndex(0);
        prompts.answerYesNo(true);
        f.page.slotDelPackageId();
    });
    step([&] { f.ui()->PackageHasTap->setChecked(true); });
    step([&] {
        f.table()->columnClicked(0);
        f.table()->columnClicked(0);
    });
    QCOMPARE(f.ui()->PackageLBox->item(0)->text(), QStringLiteral("A2"));
    undoAndRedoAll(f.binding(), states, [&] { return f.shown(); });
    QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));
    while (f.binding()->undo()) {
    }
    // Every change undone: the package is as stored, and no longer marked.
    QCOMPARE(f.ui()->PackageLBox->item(0)->text(), QStringLiteral("A"));
    QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Stored));
    while (f.binding()->redo()) {
    }

    // A number used twice is refused and leaves the cell empty, in one step that undo takes back.
    prompts.clearShown();
    typeInto(f.table(), 0, 0, f.table()->text(1, 0));
    QCOMPARE(prompts.lastText(), QStringLiteral("Pin number is already used in this package"));
    QVERIFY(f.table()->text(0, 0).isEmpty());
    QVERIFY(f.binding()->undo());
    QCOMPARE(f.shown(), states.last());
    f.page.slotAddPackagePinDefinition();
    QCOMPARE(f.stack()->count(), states.size());
    QVERIFY(f.binding()->undo());

    // The model takes what the table shows when the package is left.
    for (int i = 0; i < 4; ++i)
        f.binding()->undo();
    const QStringList shownPins = f.tablePins();
    QVERIFY(shownPins != storedPins);
    f.ui()->PackageLBox->setCurrentRow(1);
    QCOMPARE(f.modelPins(0), shownPins);
    QCOMPARE(f.context.logic().packages().at(0)->packageIds(), QStringList{QStringLiteral("A")});

    // The history belongs to the package shown.
    f.page.slotPastePins(pinRows(7, 1));
    typeInto(f.table(), 0, 1, QStringLiteral("RESET"));
    f.ui()->PackageLBox->setCurrentRow(0);
    QCOMPARE(f.stack()->count(), 0);
    const QString shownA = f.shown();
    QVERIFY(!f.binding()->undo());
    QCOMPARE(f.shown(), shownA);

    // An undo the id rule refuses, since another package took the id meanwhile, changes nothing.
    prompts.answerText(QStringLiteral("X"));
    f.page.slotAddPackageId();
    f.ui()->PackageIdListCBox->setCurrentIndex(1);
    prompts.answerYesNo(true);
    f.page.slotDelPackageId();
    const QString afterDelete = f.shown();
    f.context.logic().packages().at(1)->addPackageId(QStringLiteral("X"));
    prompts.clearShown();
    QVERIFY(!f.binding()->undo());
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Package id \"X\" is already used")});
    QCOMPARE(f.shown(), afterDelete);
    QCOMPARE(f.stack()->index(), 2);
    f.context.logic().packages().at(1)->packageIds().removeLast();
    QVERIFY(f.binding()->undo());
    QVERIFY(f.shown().endsWith(QStringLiteral("ids=A,X")));

    f.ui()->PackageLBox->setCurrentRow(1);
    QCOMPARE(f.modelPins(1), QStringList{QStringLiteral("7:RESET:1")});
    QCOMPARE(f.table()->text(0, 1), QStringLiteral("RESET"));

    // Find jumps to the pins of a large package.
    prompts.answerText(QStringLiteral("BGA"));
    f.page.slotAddPackage();
    f.page.slotPastePins(pinRows(1, 2500));
    prompts.clearShown();
    auto* bar = f.ui()->PackageTable->parentWidget()->findChild<LxFindBar*>();
    QVERIFY(bar);
    QVERIFY(bar->isHidden());
    bar->open();
    f.table()->setCurrentCell(0, 0);
    // An exact name wins over the earlier rows that merely contain it.
    QTest::keyClicks(bar->lineEdit(), QStringLiteral("p2345"));
    QCOMPARE(f.table()->currentRow(), 2344);
    QVERIFY(f.table()->isRowSelected(2344));
    bar->lineEdit()->setText(QStringLiteral("249"));
    QVERIFY(bar->findNext());
    QCOMPARE(f.table()->currentRow(), 2489);
    for (int i = 0; i < 10; ++i)
        bar->findNext();
    // 2490..2499 match, and then it wraps to P249 itself.
    QCOMPARE(f.table()->currentRow(), 248);
    QVERIFY(bar->findPrevious());
    QCOMPARE(f.table()->currentRow(), 2498);
    bar->lineEdit()->setText(QStringLiteral("Q7"));
    QVERIFY(!bar->findNext());
    QVERIFY(!bar->hasMatch());
    QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("FindStatus"))->text(), QStringLiteral("No match"));
    QCOMPARE(f.table()->currentRow(), 2498);
    QCOMPARE(prompts.count(), 0);
    // Typed from the middle, an exact name before the current row wins over later rows that contain it.
    f.table()->setCurrentCell(100, 0);
    bar->lineEdit()->clear();
    QTest::keyClicks(bar->lineEdit(), QStringLiteral("p2"));
    QCOMPARE(f.table()->currentRow(), 1);
    bar->close();
    QVERIFY(bar->isHidden());
}

void TestUndo::vectorTableSteps()
{
    ScriptedPrompter prompts;
    LogicPart f;
    f.showTab(PWLogicPartsPage::TruthTableTab);
    PWTruthTableTab* tab = f.page.truthTableTab();
    LxLibLogicTable* table = tab->table();
    tab->slotAddTruthTable();

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
    undoAndRedoAll(table->history()->binding(), states, [&] { return shownRows(table); });

    // Leaving the tab stores the rows as they are after the undo.
    QVERIFY(table->history()->binding()->undo());
    const QList<QStringList> shown = table->tableTexts();
    f.showTab(PWLogicPartsPage::PinListTab);
    QCOMPARE(f.context.logic().logicParts().at(0)->truthTable().count(), shown.size());
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

    // The steps of a test sequence.
    f.showTab(PWLogicPartsPage::TestSequenceTab);
    PWTestSequenceTab* sequenceTab = f.page.testSequenceTab();
    LxLibTable* sequence = sequenceTab->form()->tbTestSequenceTable;
    prompts.answerText(QStringLiteral("S1"));
    sequenceTab->slotAddTestSequence();
    states = {shownRows(sequence)};
    sequenceTab->form()->rbDiagVector->setChecked(true);
    sequenceTab->slotAddVectorVectorTestSequence();
    states << shownRows(sequence);
    sequenceTab->slotAddVectorVectorTestSequence();
    states << shownRows(sequence);
    typeInto(sequence, 1, 2, QStringLiteral("1"));
    states << shownRows(sequence);
    sequence->setCurrentCell(1, 0);
    sequenceTab->slotUpVectorVectorTestSequence();
    states << shownRows(sequence);
    sequence->setCurrentCell(0, 0);
    prompts.answerYesNo(true);
    sequenceTab->slotPasteVectors(vectors(4));
    states << shownRows(sequence);
    sequence->selectRow(2);
    sequenceTab->slotDelTestSeqPinDefinition();
    states << shownRows(sequence);
    undoAndRedoAll(sequence->history()->binding(), states, [&] { return shownRows(sequence); });

    // The table's menu keeps its entries and offers the history at the end.
    std::unique_ptr<QMenu> menu(sequenceTab->createTableMenu());
    const QStringList entries = menuTexts(menu.get());
    QCOMPARE(entries.first(), "Delete");
    QCOMPARE(entries.mid(entries.size() - 3), QStringList({"|", "Undo", "Redo"}));
    QVERIFY(!menu->actions().last()->isEnabled());

    // Undone to nothing, the sequence is clean again and stores nothing new.
    while (sequence->history()->binding()->undo()) {
    }
    QVERIFY(sequence->history()->stack()->isClean());
    QCOMPARE(sequence->numRows(), 0);
}

void TestUndo::diagnosticSteps()
{
    // The example's sequence "A to B" holds diagnostic rules on its second vector.
    OpenedExample e;
    PWTestSequenceTab* tab = e.page()->testSequenceTab();
    LxLibTable* sequence = tab->form()->tbTestSequenceTable;
    LxLibTable* dt = tab->form()->DiagnoseTable;
    e.page()->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
    tab->selectItem(e.page()->currentLogicPart(), 0);
    sequence->setCurrentCell(1, 0);
    PWDiagnoseEditor* d = tab->diagnostics();
    LxUndoBinding* binding = dt->history()->binding();
    QCOMPARE(dt->numRows(), 2);
    QVERIFY(!tab->isEdited());

    // A signal with other bits than the rule's: the bit list changes with it.
    QList<QList<QStringList>> states{withBitLists(dt)};
    const QStringList names = dt->comboItem(0, 0)->stringList();
    const QStringList bits = dt->comboItem(0, 1)->stringList();
    qsizetype other = 0;
    while (other < names.size() && (names[other].isEmpty() || d->signalBits(names[other]) == bits))
        ++other;
    QVERIFY(other < names.size());
    chooseIn(dt, 0, 0, static_cast<int>(other));
    QVERIFY(dt->comboItem(0, 1)->stringList() != bits);
    states << withBitLists(dt);
    chooseIn(dt, 1, 2, 3);
    states << withBitLists(dt);
    QTest::mouseClick(tab->form()->AddDiagnoseItem, Qt::LeftButton);
    states << withBitLists(dt);
    dt->selectRow(0);
    std::unique_ptr<QMenu> menu(d->createMenu());
    QCOMPARE(menuTexts(menu.get()), QStringList({"New", "Delete ", "|", "Undo", "Redo"}));
    menu->actions().at(1)->trigger();
    states << withBitLists(dt);
    QCOMPARE(dt->numRows(), 2);
    QVERIFY(tab->isEdited());
    QVERIFY(d->isEdited());

    undoAndRedoAll(binding, states, [&] { return withBitLists(dt); });
    QVERIFY(tab->isEdited());

    // Undone again, the file is the one loaded.
    while (binding->undo()) {
    }
    QVERIFY(!d->isEdited());
    QVERIFY(!tab->isEdited());
    QCOMPARE(e.save(QStringLiteral("undone.model")), e.before);

    PWTestSequenceTable* rows = tab->rows();
    const PWDiagnoseRules shown = rows->rules(1);
    chooseIn(dt, 0, 2, 3);
    QCOMPARE(dt->history()->stack()->count(), 1);

    // Another vector stores the rules; coming back offers nothing to undo.
    sequence->setCurrentCell(0, 0);
    QVERIFY(rows->rules(1) != shown);
    sequence->setCurrentCell(1, 0);
    QCOMPARE(dt->history()->stack()->count(), 0);
    QVERIFY(!dt->history()->binding()->undo());
    QVERIFY(tab->isEdited());

    // Stored while shown (a save), an undo makes the rules differ from the vector again.
    chooseIn(dt, 1, 2, 3);
    e.page()->storeCurrentTab();
    QVERIFY(!tab->isEdited());
    QVERIFY(dt->history()->binding()->undo());
    QVERIFY(tab->isEdited());
    // The same for the sequence table's own steps.
    tab->form()->rbDiagVector->setChecked(true);
    tab->slotAddVectorVectorTestSequence();
    e.page()->storeCurrentTab();
    QVERIFY(!tab->isEdited());
    QVERIFY(sequence->history()->binding()->undo());
    QVERIFY(tab->isEdited());

    // Another sequence starts afresh as well.
    tab->selectItem(e.page()->currentLogicPart(), 1);
    sequence->setCurrentCell(1, 0);
    QCOMPARE(dt->numRows(), 2);
    QVERIFY(!tab->isEdited());

    // A diagnostic dropped with its check box comes back, rules shown, with the sequence's undo.
    const PWDiagnoseRules held = rows->rules(1);
    const int option = rows->optionColumn();
    e.prompts.answerYesNo(true);
    {
        const LxTableHistory::Step step(sequence, 1);
        static_cast<LxLibCheckItem*>(sequence->item(1, option))->setChecked(false);
        sequence->checkCellToggled(1, option, Qt::Unchecked);
    }
    QVERIFY(tab->form()->DiagnoseGBox->isHidden());
    QVERIFY(sequence->history()->binding()->undo());
    QCOMPARE(rows->rules(1), held);
    QVERIFY(!tab->form()->DiagnoseGBox->isHidden());
    QCOMPARE(d->rules(), held);
    QVERIFY(!tab->isEdited());

    // Rules pending while the sequence's undo moves their vector up stay with that vector.
    sequence->setCurrentCell(0, 0);
    tab->form()->rbDiagVector->setChecked(true);
    tab->slotInsertVectorVectorTestSequence();
    sequence->setCurrentCell(2, 0);
    chooseIn(dt, 0, 2, 3);
    const PWDiagnoseRules pending = d->rules();
    QVERIFY(sequence->history()->binding()->undo());
    QCOMPARE(rows->rules(1), pending);
    QVERIFY(rows->rules(2).isEmpty());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
