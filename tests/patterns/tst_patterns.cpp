#include "LxLibComboItem.h"
#include "LxLibLogicTable.h"
#include "LxLibPattern.h"
#include "LxLibTable.h"
#include "PWPinListTab.h"
#include "PatternFixture.h"
#include "ui_PWPinListTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

using namespace lxlib;
using namespace Qt::StringLiterals;

namespace {

template <typename T>
T* child(QObject* parent, const char* name)
{
    T* w = parent->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

// A choice made by the user: the entry picked, then the box's activated signal.
void choose(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    box->setCurrentIndex(i);
    emit box->activated(i);
}

void setRowType(LxLibTable* table, int row, const QString& type)
{
    table->comboItem(row, 0)->setCurrentItem(type);
    emit table->valueChanged(row, 0);
}

void type(LxLibTable* table, int row, int col, const QString& text)
{
    table->setText(row, col, text);
    emit table->valueChanged(row, col);
}

QStringList enabledColumns(const LxLibTable* table, int row)
{
    QStringList labels;
    for (int c = 1; c < table->numCols(); ++c)
        if (table->lxItem(row, c)->isEnabled())
            labels.append(table->horizontalHeaderItem(c)->text());
    return labels;
}

void paste(LxLibTable* table, const QString& text)
{
    QApplication::clipboard()->setText(text);
    table->setFocus();
    QTest::keySequence(table, QKeySequence::Paste);
}

QString copied(LxLibTable* table, int row)
{
    table->setFocus();
    table->clearSelection();
    table->selectRow(row);
    QTest::keySequence(table, QKeySequence::Copy);
    return QApplication::clipboard()->text();
}

QStringList settingsOf(const LxLibSetSignalList& list)
{
    QStringList s;
    for (const LxLibSetSignal* signal : list)
        s.append(LxLibSignalTypeBit::ConvertSignalToString(signal->GetSignalType()) + QLatin1Char('=')
                 + signal->GetVector());
    return s;
}

} // namespace

class TestPatterns : public QObject
{
    Q_OBJECT

private slots:
    void enableNamesAndLimit()
    {
        PatternFixture f;
        f.addPart("Outputs", "Y:OUT:0 Q:DATAO:1");
        f.addPart("Main", "OE:OE:0 A:IN:1");
        f.addPart("Other", "CE:CE:0");
        f.show(PWLogicPartsPage::EnableTab);
        PWEnableTab* tab = f.enables();
        QListWidget* list = tab->list();

        // Outputs alone cannot be driven to enable anything.
        tab->slotAddEnable();
        QCOMPARE(f.prompts.lastText(), u"Unable to add Enable Pattern\nPlease check your Pin List"_s);
        QCOMPARE(list->count(), 0);
        QCOMPARE(tab->stack()->currentWidget()->objectName(), u"wspEnableInvalid"_s);

        f.selectPart(1);
        f.prompts.answerText(QString());
        tab->slotAddEnable();
        f.prompts.answerText(u"truth TABLE"_s);
        tab->slotAddEnable();
        QCOMPARE(f.prompts.lastText(), u"This Enable Pattern name is not allowed!"_s);
        f.prompts.answerText(u"  "_s);
        tab->slotAddEnable();
        QCOMPARE(itemsOf(list), (QStringList{"Enable 01", "Enable 02"}));
        QCOMPARE(f.part(1)->enablePatterns().count(), 2);
        QCOMPARE(tab->stack()->currentWidget()->objectName(), u"wsEnablePage1"_s);
        QVERIFY(tab->deleteButton()->isEnabled());
        // A part without data signals offers neither equation nor connection.
        auto* typeBox = child<QComboBox>(tab, "EnableTypeCBox");
        for (const QString& kind : {u"Equation"_s, u"Connection"_s}) {
            choose(typeBox, kind);
            QCOMPARE(f.prompts.lastText(), "There is no data available to create an Enable " + kind + " type");
            QCOMPARE(typeBox->currentIndex(), 0);
        }
        QVERIFY(!child<QStackedWidget>(tab, "wsEnableType")->isVisibleTo(tab));

        // Renaming refuses reserved names in any case, accepts a name already used.
        f.prompts.answerText(u"dIsAbLeD"_s);
        tab->slotRenameEnable();
        QCOMPARE(f.prompts.lastText(), u"This Enable Pattern name is not allowed!"_s);
        f.prompts.answerText(u" "_s);
        tab->slotRenameEnable();
        QCOMPARE(f.prompts.lastText(), u"There is no enable id specified"_s);
        f.prompts.answerText(u"Enable 01"_s);
        tab->slotRenameEnable();
        QCOMPARE(list->item(1)->text(), u"Enable 01"_s);
        QCOMPARE(tab->mark(1, 1), int(PWEditMarks::Edited));
        list->setCurrentRow(0);
        QCOMPARE(f.part(1)->enablePatterns().at(1)->GetName(), u"Enable 01"_s);

        // Defaults avoid the names of every part.
        f.selectPart(2);
        f.prompts.answerText(QString());
        tab->slotAddEnable();
        QCOMPARE(list->item(0)->text(), u"Enable 02"_s);

        f.selectPart(1);
        QCOMPARE(list->count(), 2);
        while (list->count() < PWEnableTab::MaxEnables)
            QVERIFY(tab->addEnablePattern(QString()));
        QVERIFY(!tab->addEnablePattern(u"One more"_s));
        QCOMPARE(f.prompts.lastText(), u"It is not possible to add a new Enable\nMaximum number of Enables is reached"_s);

        // The list's menu: Rename and Delete only on an entry, no menu for memory parts.
        std::unique_ptr<QMenu> menu(tab->createListMenu(nullptr));
        QCOMPARE(menu->actions().size(), 6); // then a separator, Undo and Redo
        QCOMPARE(menu->actions().at(2)->text(), u"Delete "_s);
        QVERIFY(menu->actions().at(0)->isEnabled() && !menu->actions().at(1)->isEnabled());
        menu.reset(tab->createListMenu(list->item(0)));
        QVERIFY(menu->actions().at(1)->isEnabled() && menu->actions().at(2)->isEnabled());
        f.context.category = PWWizardContext::MemoryTestCategory;
        QVERIFY(!tab->createListMenu(list->item(0)));
        f.context.category = 2;

        list->setCurrentRow(0);
        f.prompts.answerYesNo(true);
        tab->slotDeleteEnable();
        QCOMPARE(f.prompts.lastText(), u"Do you want to delete  \"Enable 01\"?"_s);
        QCOMPARE(list->count(), 99);
        QCOMPARE(f.part(1)->enablePatterns().count(), 99);
        QVERIFY(f.prompts.unexpected().isEmpty());
    }

    void enableTypesAndSignalChoices()
    {
        PatternFixture f;
        f.addPart("U1", "OE:OE:0 A:IN:1 B:IO:2 D:DATA:3 Y:OUT:4 Q:DATAO:5");
        f.show(PWLogicPartsPage::EnableTab);
        PWEnableTab* tab = f.enables();
        auto* equal1 = child<QComboBox>(tab, "EnableEqualCBox1");
        auto* equal2 = child<QComboBox>(tab, "EnableEqualCBox2");
        auto* equal3 = child<QComboBox>(tab, "EnableEqualCBox3");
        auto* conn1 = child<QComboBox>(tab, "EnableConnectionCBox1");
        auto* conn2 = child<QComboBox>(tab, "EnableConnectionCBox2");
        auto* conn3 = child<QComboBox>(tab, "EnableConnectionCBox3");
        auto* typeBox = child<QComboBox>(tab, "EnableTypeCBox");
        auto* power = child<QCheckBox>(tab, "checkBoxPowerControl");
        auto* typeStack = child<QStackedWidget>(tab, "wsEnableType");
        QCOMPARE(itemsOf(equal1), (QStringList{"OUT", "IO", "DATAO", "DATA", ""}));
        QCOMPARE(itemsOf(equal3), (QStringList{"OE", "IN", "IO", "DATA", "PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW", ""}));
        QCOMPARE(itemsOf(conn1), (QStringList{"IO", "DATA", ""}));
        QCOMPARE(itemsOf(conn3), itemsOf(conn1));
        QCOMPARE(itemsOf(equal2), (QStringList{"Normal", "Invert", "Latch", "Latch invert"}));
        QCOMPARE(itemsOf(conn2), (QStringList{"Normal", "Invert"}));

        f.prompts.answerText(u"On"_s);
        tab->slotAddEnable();
        LxLibTable* table = tab->table();
        QCOMPARE(table->numCols(), 5);
        QCOMPARE(table->horizontalHeaderItem(1)->text() + table->horizontalHeaderItem(4)->text(), u"DOE"_s);
        tab->slotAddEnableItem();
        QCOMPARE(table->comboItem(0, 0)->stringList(), (QStringList{"OE", "IN", "IO", "DATA", ""}));
        QCOMPARE(enabledColumns(table, 0), QStringList{"OE"});
        setRowType(table, 0, u"IN"_s);
        QCOMPARE(enabledColumns(table, 0), QStringList{"A"});
        type(table, 0, 3, u"z"_s);
        tab->slotAddEnableItem();
        setRowType(table, 1, u"DATA"_s);
        // A row without any level set is offered for deletion when it is stored.
        tab->slotAddEnableItem();

        choose(typeBox, u"Equation"_s);
        QVERIFY(typeStack->isVisibleTo(tab));
        QCOMPARE(typeStack->currentIndex(), 0);
        choose(equal1, u"IO"_s);
        QCOMPARE(conn1->currentText(), u"IO"_s);
        choose(equal2, u"Latch invert"_s);
        choose(conn3, u"DATA"_s);
        choose(equal3, u"PWR"_s);
        // PWR is no connection choice: the connection keeps its own.
        QCOMPARE(conn3->currentText(), u"DATA"_s);
        power->click();
        QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));

        f.prompts.answerYesNo(false);
        f.prompts.answerYesNo(true);
        f.showTab(PWLogicPartsPage::DisableTab);
        QCOMPARE(f.prompts.texts().mid(f.prompts.count() - 2),
                 (QStringList{"Enable Vector is empty. Delete it?", "Enable Vector is empty. Delete it?"}));
        const LxLibEnablePattern* stored = f.part(0)->enablePatterns().at(0);
        QCOMPARE(stored->GetName(), u"On"_s);
        QCOMPARE(settingsOf(stored->GetSetSignalList()), (QStringList{"IN=z", "DATA=X"}));
        QCOMPARE(stored->GetSetEnableList().count(), 2);
        QCOMPARE(stored->GetSetEnableList().at(0)->GetEnableType(), int(ET_POWER_CONTROL));
        const auto* equation = dynamic_cast<const LxLibSetEnableEqual*>(stored->GetSetEnableList().at(1));
        QVERIFY(equation);
        QCOMPARE(equation->GetFirstSignal(), LxLibSignalTypeBit(ST_IO, -1));
        QCOMPARE(equation->GetSecondSignal(), LxLibSignalTypeBit(ST_PWR, -1));
        QVERIFY(equation->IsInvert() && equation->IsLatch());

        // Shown back as it was stored.
        f.showTab(PWLogicPartsPage::EnableTab);
        QCOMPARE(typeBox->currentIndex(), int(PWEnableTab::TypeEquation));
        QCOMPARE(equal1->currentText() + '|' + equal2->currentText() + '|' + equal3->currentText(), u"IO|Latch invert|PWR"_s);
        QVERIFY(power->isChecked());
        QCOMPARE(table->tableTexts(), (QList<QStringList>{{"IN", "", "", "z", ""}, {"DATA", "X", "", "", ""}}));
        QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Stored));
        type(table, 1, 1, u"1"_s);

        // Connection: its operator sets invert only.
        choose(typeBox, u"Connection"_s);
        QCOMPARE(typeStack->currentIndex(), 1);
        choose(conn1, u"DATA"_s);
        QCOMPARE(equal1->currentText(), u"DATA"_s);
        choose(conn3, u"IO"_s);
        choose(conn2, u"Invert"_s);
        power->click();
        f.showTab(PWLogicPartsPage::LatchTab);
        stored = f.part(0)->enablePatterns().at(0);
        QCOMPARE(stored->GetSetEnableList().count(), 1);
        const auto* connection = dynamic_cast<const LxLibSetEnableConnection*>(stored->GetSetEnableList().at(0));
        QVERIFY(connection);
        QCOMPARE(connection->GetFirstSignal(), LxLibSignalTypeBit(ST_DATA, -1));
        QCOMPARE(connection->GetSecondSignal(), LxLibSignalTypeBit(ST_IO, -1));
        QVERIFY(connection->IsInvert() && !connection->IsLatch());

        // The plain types, each shown after it was stored.
        f.showTab(PWLogicPartsPage::EnableTab);
        QCOMPARE(conn2->currentText(), u"Invert"_s);
        for (int t : {int(PWEnableTab::TypeOutputEnable), int(PWEnableTab::TypeChipEnable), int(PWEnableTab::TypeNone)}) {
            choose(typeBox, typeBox->itemText(t));
            QVERIFY(!typeStack->isVisibleTo(tab));
            f.showTab(PWLogicPartsPage::DisableTab);
            f.showTab(PWLogicPartsPage::EnableTab);
            QCOMPARE(typeBox->currentIndex(), t);
        }
        QCOMPARE(f.part(0)->enablePatterns().at(0)->GetSetEnableList().count(), 0);

        // A read output disable is listed as what it is and kept.
        auto* read = new LxLibEnablePattern(u"Off"_s);
        read->AddSetEnable(new LxLibSetEnableDisable(ST_OUT));
        f.part(0)->insertEnablePattern(1, read);
        f.showTab(PWLogicPartsPage::DisableTab);
        f.showTab(PWLogicPartsPage::EnableTab);
        QCOMPARE(typeBox->count(), 6);
        QCOMPARE(typeBox->currentText(), u"Output Disable OUT"_s);
        emit typeBox->activated(typeBox->currentIndex());
        f.enables()->list()->setCurrentRow(0);
        QCOMPARE(typeBox->count(), 5);
        const auto* kept = dynamic_cast<const LxLibSetEnableDisable*>(f.part(0)->enablePatterns().at(1)->GetSetEnableList().at(0));
        QVERIFY(kept);
        QCOMPARE(kept->GetSignal().GetSignalType(), int(ST_OUT));
        QCOMPARE(f.prompts.unexpected(), QStringList());
    }

    void pruningSeenInTheEditors()
    {
        PatternFixture f;
        CLogicPart* part = f.addPart("U1", "OE:OE:0 A:IN:1 D:DATA:2");
        auto* enable = new LxLibEnablePattern(u"On"_s);
        enable->AddSetSignal(new LxLibSetSignal(ST_OE, u"0"_s));
        enable->AddSetSignal(new LxLibSetSignal(ST_IN, u"1"_s));
        enable->AddSetSignal(new LxLibSetSignal(ST_DATA, u"Z"_s));
        part->insertEnablePattern(0, enable);
        auto* disable = new LxLibDisablePattern(u"Off"_s);
        disable->AddSetSignal(new LxLibSetSignal(ST_IN, u"0"_s));
        disable->AddSetSignal(new LxLibSetSignal(ST_OE, u"1"_s));
        part->insertDisablePattern(0, disable);
        f.show(PWLogicPartsPage::EnableTab);
        QCOMPARE(f.enables()->table()->numRows(), 3);

        // The pin carrying IN leaves the pin list.
        f.showTab(PWLogicPartsPage::PinListTab);
        LxLibTable* pins = f.page.pinListTab()->form()->PinListTable;
        pins->selectRow(1);
        f.page.pinListTab()->slotDelPinListPinDefinition();
        f.showTab(PWLogicPartsPage::EnableTab);
        LxLibTable* table = f.enables()->table();
        QCOMPARE(table->numCols(), 3);
        QCOMPARE(table->tableTexts(), (QList<QStringList>{{"OE", "", "0"}, {"DATA", "Z", ""}}));
        QCOMPARE(table->comboItem(0, 0)->stringList(), (QStringList{"OE", "DATA", ""}));
        f.showTab(PWLogicPartsPage::DisableTab);
        QCOMPARE(f.disables()->table()->tableTexts(), (QList<QStringList>{{"OE", "", "1"}}));
        QVERIFY(f.prompts.unexpected().isEmpty());
    }

    void disableTypeChecks()
    {
        PatternFixture f;
        f.addPart("Outputs", "Y:OUT:0");
        CLogicPart* part = f.addPart("U1", "OE:OE:0 D:DATA:1 Y:OUT:2");
        f.addPart("Controls", "CE:CE:0 OE:OE:1");
        f.show(PWLogicPartsPage::DisableTab);
        PWDisableTab* tab = f.disables();
        tab->slotAddDisable();
        QCOMPARE(f.prompts.lastText(), u"Unable to add Disable Pattern\nPlease check your Pin List"_s);

        f.selectPart(1);
        f.prompts.answerText(QString());
        tab->slotAddDisable();
        QCOMPARE(tab->list()->item(0)->text(), u"Disable 01"_s);
        const QStringList types = {"DATA", "DATAA", "DATAB", "DATAO", "OUT", "IO", "RYBY"};
        QStringList checked, enabled;
        for (const QString& t : types) {
            if (tab->typeBox(t)->isChecked())
                checked.append(t);
            if (tab->typeBox(t)->isEnabled())
                enabled.append(t);
        }
        QCOMPARE(checked, (QStringList{"DATA", "OUT"}));
        QCOMPARE(enabled, checked);
        QCOMPARE(child<QCheckBox>(tab, "cbOut"), tab->typeBox(u"OUT"_s));

        // Toggling a box alone marks the pattern.
        QCOMPARE(tab->mark(1, 0), int(PWEditMarks::Stored));
        tab->typeBox(u"DATA"_s)->click();
        QCOMPARE(tab->mark(1, 0), int(PWEditMarks::Edited));
        tab->slotAddDisableItem();
        type(tab->table(), 0, 2, u"1"_s);
        f.showTab(PWLogicPartsPage::EnableTab);
        const LxLibDisablePattern* stored = part->disablePatterns().at(0);
        QCOMPARE(settingsOf(stored->GetSetSignalList()), QStringList{"OE=1"});
        QCOMPARE(stored->GetSetDisableList().count(), 1);
        QCOMPARE(stored->GetSetDisableList().at(0)->GetSignal(), LxLibSignalTypeBit(ST_OUT, -1));

        // A read pattern disabling a type the part lacks shows it unchecked and loses it when stored.
        auto* read = new LxLibDisablePattern(u"Read"_s);
        read->AddSetSignal(new LxLibSetSignal(ST_OE, u"1"_s));
        read->AddSetDisable(new LxLibSetDisable(ST_RYBY));
        read->AddSetDisable(new LxLibSetDisable(ST_DATA));
        part->insertDisablePattern(1, read);
        f.showTab(PWLogicPartsPage::DisableTab);
        QCOMPARE(tab->list()->currentRow(), 1);
        QVERIFY(!tab->typeBox(u"RYBY"_s)->isChecked());
        QVERIFY(tab->typeBox(u"DATA"_s)->isChecked());
        QVERIFY(!tab->typeBox(u"OUT"_s)->isChecked());
        tab->typeBox(u"OUT"_s)->click();
        tab->list()->setCurrentRow(0);
        QStringList disabled;
        for (const LxLibSetDisable* d : part->disablePatterns().at(1)->GetSetDisableList())
            disabled.append(LxLibSignalTypeBit::ConvertSignalToString(d->GetSignalType()));
        QCOMPARE(disabled, (QStringList{"DATA", "OUT"}));

        // Control signals only: patterns, but no disable type to choose.
        f.selectPart(2);
        f.prompts.answerText(QString());
        tab->slotAddDisable();
        QCOMPARE(tab->list()->item(0)->text(), u"Disable 02"_s);
        for (const QString& t : types)
            QVERIFY(!tab->typeBox(t)->isEnabled());
        tab->slotAddDisableItem();
        QCOMPARE(tab->table()->comboItem(0, 0)->stringList(), (QStringList{"CE", "OE", ""}));
        QVERIFY(f.prompts.unexpected().isEmpty());
    }

    void disableLimitAndReadOnlyView()
    {
        PatternFixture f;
        CLogicPart* part = f.addPart("U1", "OE:OE:0 D:DATA:1");
        f.show(PWLogicPartsPage::DisableTab);
        PWDisableTab* tab = f.disables();
        while (tab->list()->count() < 20)
            QVERIFY(tab->addDisablePattern(QString()));
        QVERIFY(!tab->addDisablePattern(u"Activate Buffering"_s));
        QCOMPARE(f.prompts.lastText(), u"This Disable Pattern name is not allowed!"_s);
        QVERIFY(tab->addDisablePattern(QString()));
        QCOMPARE(tab->list()->item(20)->text(), u"Disable 21"_s);
        QVERIFY(!tab->addDisablePattern(QString()));
        QCOMPARE(f.prompts.lastText(), u"It is not possible to add a new Disable Pattern\nMaximum number of Disables is reached"_s);
        QCOMPARE(part->disablePatterns().count(), 21);

        // Viewing only: every named type shows checked, nothing can be changed.
        f.context.viewOnly = true;
        f.showTab(PWLogicPartsPage::EnableTab);
        f.showTab(PWLogicPartsPage::DisableTab);
        QVERIFY(tab->typeBox(u"DATA"_s)->isChecked());
        QVERIFY(!tab->typeBox(u"DATA"_s)->isEnabled());
        QVERIFY(!tab->deleteButton()->isEnabled());

        // A new model starts without the edits kept for the old one.
        f.context.viewOnly = false;
        f.showTab(PWLogicPartsPage::EnableTab);
        f.showTab(PWLogicPartsPage::DisableTab);
        tab->typeBox(u"DATA"_s)->click();
        QCOMPARE(tab->mark(0, 20), int(PWEditMarks::Edited));
        f.page.clear();
        QCOMPARE(tab->mark(0, 20), int(PWEditMarks::Clean));
    }

    void latchConditionAndVectors()
    {
        PatternFixture f;
        f.addPart("Data", "D:DATAI:0");
        CLogicPart* part = f.addPart("U1", "OE:OE:0 LE:LE:1 A:IN:2 B:IN:3 Y:OUT:4");
        f.show(PWLogicPartsPage::LatchTab);
        PWLatchTab* tab = f.latches();
        tab->slotAddLatch();
        QCOMPARE(f.prompts.lastText(), u"Unable to add Latch Sequence\nPlease check your Pin List"_s);

        f.selectPart(1);
        f.prompts.answerText(u"Activate latching"_s);
        tab->slotAddLatch();
        QCOMPARE(f.prompts.lastText(), u"This Latch Sequence name is not allowed!"_s);
        f.prompts.answerText(QString());
        tab->slotAddLatch();
        QCOMPARE(tab->list()->item(0)->text(), u"Latch 01"_s);
        QCOMPARE(itemsOf(tab->firstSignal()), (QStringList{"OUT", ""}));
        QCOMPARE(itemsOf(tab->secondSignal()),
                 (QStringList{"OE", "LE", "IN", "PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW", ""}));
        LxLibLogicTable* table = tab->table();
        QCOMPARE(table->numCols(), 6);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), u"Y"_s);
        QCOMPARE(f.context.logic().latchSignalTypes(), (QList<int>{ST_OE, ST_LE, ST_IN, ST_IN, ST_OUT}));

        choose(tab->firstSignal(), u"OUT"_s);
        choose(tab->relation(), u"Invert"_s);
        choose(tab->secondSignal(), u"LE"_s);
        tab->slotAddLatchVector();
        tab->slotAddLatchVector();
        QCOMPARE(table->rowTexts(0), (QStringList{"Vector", "", "", "", "", ""}));
        type(table, 0, 2, u"1"_s);
        type(table, 0, 3, u"0"_s);
        type(table, 0, 4, u"1"_s);
        type(table, 1, 5, u"z"_s);
        // With a row selected, a new vector goes above it.
        table->selectRow(1);
        tab->slotAddLatchVector();
        QCOMPARE(table->tableTexts().mid(1), (QList<QStringList>{{"Vector", "", "", "", "", ""}, {"Vector", "", "", "", "", "z"}}));
        // Insert goes before the current row, selected or not.
        table->clearSelection();
        table->setCurrentCell(2, 1);
        tab->slotInsertLatchVector();
        QCOMPARE(table->rowTexts(3), (QStringList{"Vector", "", "", "", "", "z"}));
        table->selectRow(2);
        tab->slotDeleteLatchVector();
        QCOMPARE(table->numRows(), 3);

        f.showTab(PWLogicPartsPage::EnableTab);
        const LxLibLatchSequence* stored = part->latchSequences().at(0);
        QCOMPARE(stored->GetName(), u"Latch 01"_s);
        const auto* condition = dynamic_cast<const LxLibSetEnableEqual*>(stored->GetSetEnableList().at(0));
        QVERIFY(condition);
        QCOMPARE(condition->GetFirstSignal(), LxLibSignalTypeBit(ST_OUT, -1));
        QCOMPARE(condition->GetSecondSignal(), LxLibSignalTypeBit(ST_LE, -1));
        QVERIFY(condition->IsInvert());
        QList<QStringList> steps;
        for (const LxLibSetSignalList* step : stored->GetSetSignalListList())
            steps << settingsOf(*step);
        QCOMPARE(steps, (QList<QStringList>{{"OUT=", "IN=10", "LE=1", "OE="}, {"OUT=", "IN=", "LE=", "OE="},
                                            {"OUT=", "IN=", "LE=", "OE=z"}}));

        // A file's own order of settings lands in the columns of their types.
        auto* read = new LxLibLatchSequence(u"Read"_s);
        read->AddSetEnable(new LxLibSetEnableEqual(ST_OUT, ST_PWR));
        auto* step = new LxLibSetSignalList;
        step->append(new LxLibSetSignal(ST_LE, u"1"_s));
        step->append(new LxLibSetSignal(ST_IN, u"01"_s));
        read->AddSetSignalList(step);
        part->insertLatchSequence(1, read);
        f.showTab(PWLogicPartsPage::LatchTab);
        QCOMPARE(tab->list()->count(), 2);
        QCOMPARE(tab->secondSignal()->currentText(), u"PWR"_s);
        QCOMPARE(tab->relation()->currentIndex(), 0);
        QCOMPARE(table->rowTexts(0), (QStringList{"Vector", "", "0", "1", "1", ""}));
        tab->list()->setCurrentRow(0);
        QCOMPARE(table->numRows(), 3);
        QCOMPARE(table->rowTexts(0), (QStringList{"Vector", "", "1", "0", "1", ""}));
        QCOMPARE(tab->firstSignal()->currentText(), u"OUT"_s);
        QCOMPARE(tab->relation()->currentText(), u"Invert"_s);

        // Rename strips the blanks; the list keeps at most 100.
        f.prompts.answerText(u"  Hold  "_s);
        tab->slotRenameLatch();
        QCOMPARE(tab->list()->item(0)->text(), u"Hold"_s);
        while (tab->list()->count() < PWLatchTab::MaxLatches)
            QVERIFY(tab->addLatchSequence(QString()));
        QVERIFY(!tab->addLatchSequence(QString()));
        QCOMPARE(f.prompts.lastText(), u"It is not possible to add a new Latch Sequence\nMaximum number of Latch Sequences is reached"_s);
        f.prompts.answerYesNo(true);
        tab->slotDeleteLatch();
        QCOMPARE(f.prompts.lastText(), u"Do you want to delete \"Latch 100\"?"_s);
        QCOMPARE(part->latchSequences().count(), 99);
        QVERIFY(f.prompts.unexpected().isEmpty());
    }

    void pasteAndCopy()
    {
        PatternFixture f;
        CLogicPart* part = f.addPart("U1", "OE:OE:0 A:IN:1 B:IN:2");
        f.show(PWLogicPartsPage::EnableTab);
        PWEnableTab* enables = f.enables();
        f.prompts.answerText(QString());
        enables->slotAddEnable();
        LxLibTable* table = enables->table();
        paste(table, u"IN\t1\t0\noe 1\nXYZ 1\nIN 2z\n"_s);
        QCOMPARE(table->tableTexts(), (QList<QStringList>{{"IN", "1", "0", ""}, {"OE", "", "", "1"}}));
        QVERIFY(f.prompts.lastText().contains(u"Row 3: \"XYZ\" is no signal type this part drives"_s));
        QVERIFY(f.prompts.lastText().contains(u"Row 4: "_s));
        // A copied row pastes back as it was, above the selected row.
        const QString row = copied(table, 0);
        QCOMPARE(row.trimmed(), u"IN\t1\t0"_s);
        table->selectRow(1);
        paste(table, row);
        QCOMPARE(table->tableTexts().mid(1), (QList<QStringList>{{"IN", "1", "0", ""}, {"OE", "", "", "1"}}));
        f.showTab(PWLogicPartsPage::LatchTab);
        QCOMPARE(settingsOf(part->enablePatterns().at(0)->GetSetSignalList()), (QStringList{"IN=10", "IN=10", "OE=1"}));

        PWLatchTab* latches = f.latches();
        f.prompts.answerText(QString());
        latches->slotAddLatch();
        LxLibLogicTable* vectors = latches->table();
        paste(vectors, u"Vector\t1\t0\tz\n01x\n2xx\n"_s);
        QCOMPARE(vectors->tableTexts(), (QList<QStringList>{{"Vector", "1", "0", "z"}, {"Vector", "0", "1", "x"}}));
        QVERIFY(f.prompts.lastText().contains(u"Row 3: "_s));
        paste(vectors, copied(vectors, 1));
        QCOMPARE(vectors->tableTexts().mid(1), (QList<QStringList>{{"Vector", "0", "1", "x"}, {"Vector", "0", "1", "x"}}));
        QVERIFY(f.prompts.unexpected().isEmpty());
    }
};

QTEST_MAIN(TestPatterns)
#include "tst_patterns.moc"
