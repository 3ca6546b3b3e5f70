// The enable, disable and latch tabs, driven through their widgets with
// scripted answers, on models set up directly.

#include "LxLibComboItem.h"
#include "LxLibLogicTable.h"
#include "LxLibPattern.h"
#include "LxLibTable.h"
#include "PWPinListTab.h"
#include "PatternFixture.h"
#include "ScriptedPrompter.h"
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
    void enableNamesAndLimit();
    void enableTypesAndSignalChoices();
    void enableTypesWithoutSignals();
    void pruningSeenInTheEditors();
    void disableTypeChecks();
    void disableLimitAndReadOnlyView();
    void latchConditionAndVectors();
    void pasteAndCopy();
};

void TestPatterns::enableNamesAndLimit()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    f.addPart(QStringLiteral("Outputs"), {QStringLiteral("Y:OUT:0"), QStringLiteral("Q:DATAO:1")});
    f.addPart(QStringLiteral("Main"), {QStringLiteral("OE:OE:0"), QStringLiteral("A:IN:1")});
    f.addPart(QStringLiteral("Other"), {QStringLiteral("CE:CE:0")});
    f.show();
    f.showTab(PWLogicPartsPage::EnableTab);
    PWEnableTab* tab = f.enables();
    QListWidget* list = tab->list();

    // Outputs alone cannot be driven to enable anything.
    tab->slotAddEnable();
    QCOMPARE(prompts.lastText(), QStringLiteral("Unable to add Enable Pattern\nPlease check your Pin List"));
    QCOMPARE(list->count(), 0);
    QCOMPARE(tab->stack()->currentWidget()->objectName(), QStringLiteral("wspEnableInvalid"));

    f.selectPart(1);
    prompts.answerText(QString());
    tab->slotAddEnable();
    prompts.answerText(QStringLiteral("truth TABLE"));
    tab->slotAddEnable();
    QCOMPARE(prompts.lastText(), QStringLiteral("This Enable Pattern name is not allowed!"));
    prompts.answerText(QStringLiteral("  "));
    tab->slotAddEnable();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Enable 01"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Enable 02"));
    QCOMPARE(f.part(1)->enablePatterns().count(), 2);
    QCOMPARE(tab->stack()->currentWidget()->objectName(), QStringLiteral("wsEnablePage1"));
    QVERIFY(tab->deleteButton()->isEnabled());

    // Renaming refuses reserved names in any case, accepts a name already used.
    prompts.answerText(QStringLiteral("dIsAbLeD"));
    tab->slotRenameEnable();
    QCOMPARE(prompts.lastText(), QStringLiteral("This Enable Pattern name is not allowed!"));
    prompts.answerText(QStringLiteral(" "));
    tab->slotRenameEnable();
    QCOMPARE(prompts.lastText(), QStringLiteral("There is no enable id specified"));
    prompts.answerText(QStringLiteral("Enable 01"));
    tab->slotRenameEnable();
    QCOMPARE(list->item(1)->text(), QStringLiteral("Enable 01"));
    QCOMPARE(tab->mark(1, 1), int(PWEditMarks::Edited));
    list->setCurrentRow(0);
    QCOMPARE(f.part(1)->enablePatterns().at(1)->GetName(), QStringLiteral("Enable 01"));

    // Defaults avoid the names of every part.
    f.selectPart(2);
    prompts.answerText(QString());
    tab->slotAddEnable();
    QCOMPARE(list->item(0)->text(), QStringLiteral("Enable 02"));

    f.selectPart(1);
    QCOMPARE(list->count(), 2);
    while (list->count() < PWEnableTab::MaxEnables)
        QVERIFY(tab->addEnablePattern(QString()));
    QCOMPARE(list->item(11)->text(), QStringLiteral("Enable 12"));
    QVERIFY(!tab->addEnablePattern(QStringLiteral("One more")));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a new Enable\nMaximum number of Enables is reached"));
    QCOMPARE(list->count(), 100);
    QCOMPARE(f.part(1)->enablePatterns().count(), 100);

    // The list's menu: Rename and Delete only on an entry, no menu for memory parts.
    std::unique_ptr<QMenu> menu(tab->createListMenu(nullptr));
    QCOMPARE(menu->actions().size(), 6); // then a separator, Undo and Redo
    QCOMPARE(menu->actions().at(2)->text(), QStringLiteral("Delete "));
    QVERIFY(menu->actions().at(0)->isEnabled() && !menu->actions().at(1)->isEnabled());
    menu.reset(tab->createListMenu(list->item(0)));
    QVERIFY(menu->actions().at(1)->isEnabled() && menu->actions().at(2)->isEnabled());
    f.context.category = PWWizardContext::MemoryTestCategory;
    QVERIFY(!tab->createListMenu(list->item(0)));
    f.context.category = 2;

    list->setCurrentRow(0);
    prompts.answerYesNo(true);
    tab->slotDeleteEnable();
    QCOMPARE(prompts.lastText(), QStringLiteral("Do you want to delete  \"Enable 01\"?"));
    QCOMPARE(list->count(), 99);
    QCOMPARE(f.part(1)->enablePatterns().count(), 99);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPatterns::enableTypesAndSignalChoices()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    f.addPart(QStringLiteral("U1"), {QStringLiteral("OE:OE:0"), QStringLiteral("A:IN:1"), QStringLiteral("B:IO:2"),
                                     QStringLiteral("D:DATA:3"), QStringLiteral("Y:OUT:4"), QStringLiteral("Q:DATAO:5")});
    f.show();
    f.showTab(PWLogicPartsPage::EnableTab);
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

    prompts.answerText(QStringLiteral("On"));
    tab->slotAddEnable();
    LxLibTable* table = tab->table();
    QCOMPARE(table->numCols(), 5);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("D"));
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("OE"));
    tab->slotAddEnableItem();
    QCOMPARE(table->comboItem(0, 0)->stringList(), (QStringList{"OE", "IN", "IO", "DATA", ""}));
    QCOMPARE(enabledColumns(table, 0), QStringList{"OE"});
    setRowType(table, 0, QStringLiteral("IN"));
    QCOMPARE(enabledColumns(table, 0), QStringList{"A"});
    type(table, 0, 3, QStringLiteral("z"));
    tab->slotAddEnableItem();
    setRowType(table, 1, QStringLiteral("DATA"));
    // A row without any level set is offered for deletion when it is stored.
    tab->slotAddEnableItem();

    choose(typeBox, QStringLiteral("Equation"));
    QVERIFY(typeStack->isVisibleTo(tab));
    QCOMPARE(typeStack->currentIndex(), 0);
    choose(equal1, QStringLiteral("IO"));
    QCOMPARE(conn1->currentText(), QStringLiteral("IO"));
    choose(equal2, QStringLiteral("Latch invert"));
    choose(conn3, QStringLiteral("DATA"));
    choose(equal3, QStringLiteral("PWR"));
    // PWR is no connection choice: the connection keeps its own.
    QCOMPARE(conn3->currentText(), QStringLiteral("DATA"));
    power->click();
    QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Edited));

    prompts.answerYesNo(false);
    prompts.answerYesNo(true);
    f.showTab(PWLogicPartsPage::DisableTab);
    QCOMPARE(prompts.texts().mid(prompts.count() - 2),
             (QStringList{"Enable Vector is empty. Delete it?", "Enable Vector is empty. Delete it?"}));
    const LxLibEnablePattern* stored = f.part(0)->enablePatterns().at(0);
    QCOMPARE(stored->GetName(), QStringLiteral("On"));
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
    QCOMPARE(equal1->currentText(), QStringLiteral("IO"));
    QCOMPARE(equal2->currentText(), QStringLiteral("Latch invert"));
    QCOMPARE(equal3->currentText(), QStringLiteral("PWR"));
    QVERIFY(power->isChecked());
    QCOMPARE(table->numRows(), 2);
    QCOMPARE(table->rowTexts(0), (QStringList{"IN", "", "", "z", ""}));
    QCOMPARE(table->rowTexts(1), (QStringList{"DATA", "X", "", "", ""}));
    QCOMPARE(tab->mark(0, 0), int(PWEditMarks::Stored));
    type(table, 1, 1, QStringLiteral("1"));

    // Connection: its operator sets invert only.
    choose(typeBox, QStringLiteral("Connection"));
    QCOMPARE(typeStack->currentIndex(), 1);
    choose(conn1, QStringLiteral("DATA"));
    QCOMPARE(equal1->currentText(), QStringLiteral("DATA"));
    choose(conn3, QStringLiteral("IO"));
    choose(conn2, QStringLiteral("Invert"));
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
    QCOMPARE(conn2->currentText(), QStringLiteral("Invert"));
    for (int t : {int(PWEnableTab::TypeOutputEnable), int(PWEnableTab::TypeChipEnable), int(PWEnableTab::TypeNone)}) {
        choose(typeBox, typeBox->itemText(t));
        QVERIFY(!typeStack->isVisibleTo(tab));
        f.showTab(PWLogicPartsPage::DisableTab);
        f.showTab(PWLogicPartsPage::EnableTab);
        QCOMPARE(typeBox->currentIndex(), t);
    }
    QCOMPARE(f.part(0)->enablePatterns().at(0)->GetSetEnableList().count(), 0);

    // A read output disable is listed as what it is and kept.
    auto* read = new LxLibEnablePattern(QStringLiteral("Off"));
    read->AddSetEnable(new LxLibSetEnableDisable(ST_OUT));
    f.part(0)->insertEnablePattern(1, read);
    f.showTab(PWLogicPartsPage::DisableTab);
    f.showTab(PWLogicPartsPage::EnableTab);
    QCOMPARE(typeBox->count(), 6);
    QCOMPARE(typeBox->currentText(), QStringLiteral("Output Disable OUT"));
    emit typeBox->activated(typeBox->currentIndex());
    f.enables()->list()->setCurrentRow(0);
    QCOMPARE(typeBox->count(), 5);
    const auto* kept = dynamic_cast<const LxLibSetEnableDisable*>(f.part(0)->enablePatterns().at(1)->GetSetEnableList().at(0));
    QVERIFY(kept);
    QCOMPARE(kept->GetSignal().GetSignalType(), int(ST_OUT));
    QVERIFY2(prompts.unexpected().isEmpty(), qPrintable(prompts.unexpected().join(QLatin1String(" | "))));
}

void TestPatterns::enableTypesWithoutSignals()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    f.addPart(QStringLiteral("U1"), {QStringLiteral("OE:OE:0")});
    f.show();
    f.showTab(PWLogicPartsPage::EnableTab);
    PWEnableTab* tab = f.enables();
    prompts.answerText(QString());
    tab->slotAddEnable();
    auto* typeBox = child<QComboBox>(tab, "EnableTypeCBox");
    choose(typeBox, QStringLiteral("Equation"));
    QCOMPARE(prompts.lastText(), QStringLiteral("There is no data available to create an Enable Equation type"));
    QCOMPARE(typeBox->currentIndex(), 0);
    choose(typeBox, QStringLiteral("Connection"));
    QCOMPARE(prompts.lastText(), QStringLiteral("There is no data available to create an Enable Connection type"));
    QCOMPARE(typeBox->currentIndex(), 0);
    QVERIFY(!child<QStackedWidget>(tab, "wsEnableType")->isVisibleTo(tab));
}

void TestPatterns::pruningSeenInTheEditors()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    CLogicPart* part = f.addPart(QStringLiteral("U1"), {QStringLiteral("OE:OE:0"), QStringLiteral("A:IN:1"),
                                                        QStringLiteral("D:DATA:2")});
    auto* enable = new LxLibEnablePattern(QStringLiteral("On"));
    enable->AddSetSignal(new LxLibSetSignal(ST_OE, QStringLiteral("0")));
    enable->AddSetSignal(new LxLibSetSignal(ST_IN, QStringLiteral("1")));
    enable->AddSetSignal(new LxLibSetSignal(ST_DATA, QStringLiteral("Z")));
    part->insertEnablePattern(0, enable);
    auto* disable = new LxLibDisablePattern(QStringLiteral("Off"));
    disable->AddSetSignal(new LxLibSetSignal(ST_IN, QStringLiteral("0")));
    disable->AddSetSignal(new LxLibSetSignal(ST_OE, QStringLiteral("1")));
    part->insertDisablePattern(0, disable);
    f.show();
    f.showTab(PWLogicPartsPage::EnableTab);
    QCOMPARE(f.enables()->table()->numRows(), 3);

    // The pin carrying IN leaves the pin list.
    f.showTab(PWLogicPartsPage::PinListTab);
    LxLibTable* pins = f.page.pinListTab()->form()->PinListTable;
    pins->selectRow(1);
    f.page.pinListTab()->slotDelPinListPinDefinition();
    f.showTab(PWLogicPartsPage::EnableTab);
    LxLibTable* table = f.enables()->table();
    QCOMPARE(table->numCols(), 3);
    QCOMPARE(table->numRows(), 2);
    QCOMPARE(table->rowTexts(0), (QStringList{"OE", "", "0"}));
    QCOMPARE(table->rowTexts(1), (QStringList{"DATA", "Z", ""}));
    QCOMPARE(table->comboItem(0, 0)->stringList(), (QStringList{"OE", "DATA", ""}));
    f.showTab(PWLogicPartsPage::DisableTab);
    QCOMPARE(f.disables()->table()->numRows(), 1);
    QCOMPARE(f.disables()->table()->rowTexts(0), (QStringList{"OE", "", "1"}));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPatterns::disableTypeChecks()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    f.addPart(QStringLiteral("Outputs"), {QStringLiteral("Y:OUT:0")});
    CLogicPart* part = f.addPart(QStringLiteral("U1"), {QStringLiteral("OE:OE:0"), QStringLiteral("D:DATA:1"),
                                                        QStringLiteral("Y:OUT:2")});
    f.addPart(QStringLiteral("Controls"), {QStringLiteral("CE:CE:0"), QStringLiteral("OE:OE:1")});
    f.show();
    f.showTab(PWLogicPartsPage::DisableTab);
    PWDisableTab* tab = f.disables();
    tab->slotAddDisable();
    QCOMPARE(prompts.lastText(), QStringLiteral("Unable to add Disable Pattern\nPlease check your Pin List"));

    f.selectPart(1);
    prompts.answerText(QString());
    tab->slotAddDisable();
    QCOMPARE(tab->list()->item(0)->text(), QStringLiteral("Disable 01"));
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
    QCOMPARE(child<QCheckBox>(tab, "cbOut"), tab->typeBox(QStringLiteral("OUT")));

    // Toggling a box alone marks the pattern.
    QCOMPARE(tab->mark(1, 0), int(PWEditMarks::Stored));
    tab->typeBox(QStringLiteral("DATA"))->click();
    QCOMPARE(tab->mark(1, 0), int(PWEditMarks::Edited));
    tab->slotAddDisableItem();
    type(tab->table(), 0, 2, QStringLiteral("1"));
    f.showTab(PWLogicPartsPage::EnableTab);
    const LxLibDisablePattern* stored = part->disablePatterns().at(0);
    QCOMPARE(settingsOf(stored->GetSetSignalList()), QStringList{"OE=1"});
    QCOMPARE(stored->GetSetDisableList().count(), 1);
    QCOMPARE(stored->GetSetDisableList().at(0)->GetSignal(), LxLibSignalTypeBit(ST_OUT, -1));

    // A read pattern disabling a type the part lacks shows it unchecked and loses it when stored.
    auto* read = new LxLibDisablePattern(QStringLiteral("Read"));
    read->AddSetSignal(new LxLibSetSignal(ST_OE, QStringLiteral("1")));
    read->AddSetDisable(new LxLibSetDisable(ST_RYBY));
    read->AddSetDisable(new LxLibSetDisable(ST_DATA));
    part->insertDisablePattern(1, read);
    f.showTab(PWLogicPartsPage::DisableTab);
    QCOMPARE(tab->list()->currentRow(), 1);
    QVERIFY(!tab->typeBox(QStringLiteral("RYBY"))->isChecked());
    QVERIFY(tab->typeBox(QStringLiteral("DATA"))->isChecked());
    QVERIFY(!tab->typeBox(QStringLiteral("OUT"))->isChecked());
    tab->typeBox(QStringLiteral("OUT"))->click();
    tab->list()->setCurrentRow(0);
    QStringList disabled;
    for (const LxLibSetDisable* d : part->disablePatterns().at(1)->GetSetDisableList())
        disabled.append(LxLibSignalTypeBit::ConvertSignalToString(d->GetSignalType()));
    QCOMPARE(disabled, (QStringList{"DATA", "OUT"}));

    // Control signals only: patterns, but no disable type to choose.
    f.selectPart(2);
    prompts.answerText(QString());
    tab->slotAddDisable();
    QCOMPARE(tab->list()->item(0)->text(), QStringLiteral("Disable 02"));
    for (const QString& t : types)
        QVERIFY(!tab->typeBox(t)->isEnabled());
    tab->slotAddDisableItem();
    QCOMPARE(tab->table()->comboItem(0, 0)->stringList(), (QStringList{"CE", "OE", ""}));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPatterns::disableLimitAndReadOnlyView()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    CLogicPart* part = f.addPart(QStringLiteral("U1"), {QStringLiteral("OE:OE:0"), QStringLiteral("D:DATA:1")});
    f.show();
    f.showTab(PWLogicPartsPage::DisableTab);
    PWDisableTab* tab = f.disables();
    while (tab->list()->count() < 20)
        QVERIFY(tab->addDisablePattern(QString()));
    QVERIFY(!tab->addDisablePattern(QStringLiteral("Activate Buffering")));
    QCOMPARE(prompts.lastText(), QStringLiteral("This Disable Pattern name is not allowed!"));
    QVERIFY(tab->addDisablePattern(QString()));
    QCOMPARE(tab->list()->item(20)->text(), QStringLiteral("Disable 21"));
    QVERIFY(!tab->addDisablePattern(QString()));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a new Disable Pattern\nMaximum number of Disables is reached"));
    QCOMPARE(part->disablePatterns().count(), 21);

    // Viewing only: every named type shows checked, nothing can be changed.
    f.context.viewOnly = true;
    f.showTab(PWLogicPartsPage::EnableTab);
    f.showTab(PWLogicPartsPage::DisableTab);
    QVERIFY(tab->typeBox(QStringLiteral("DATA"))->isChecked());
    QVERIFY(!tab->typeBox(QStringLiteral("DATA"))->isEnabled());
    QVERIFY(!tab->deleteButton()->isEnabled());

    // A new model starts without the edits kept for the old one.
    f.context.viewOnly = false;
    f.showTab(PWLogicPartsPage::EnableTab);
    f.showTab(PWLogicPartsPage::DisableTab);
    tab->typeBox(QStringLiteral("DATA"))->click();
    QCOMPARE(tab->mark(0, 20), int(PWEditMarks::Edited));
    f.page.clear();
    QCOMPARE(tab->mark(0, 20), int(PWEditMarks::Clean));
}

void TestPatterns::latchConditionAndVectors()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    f.addPart(QStringLiteral("Data"), {QStringLiteral("D:DATAI:0")});
    CLogicPart* part = f.addPart(QStringLiteral("U1"), {QStringLiteral("OE:OE:0"), QStringLiteral("LE:LE:1"),
                                                        QStringLiteral("A:IN:2"), QStringLiteral("B:IN:3"),
                                                        QStringLiteral("Y:OUT:4")});
    f.show();
    f.showTab(PWLogicPartsPage::LatchTab);
    PWLatchTab* tab = f.latches();
    tab->slotAddLatch();
    QCOMPARE(prompts.lastText(), QStringLiteral("Unable to add Latch Sequence\nPlease check your Pin List"));

    f.selectPart(1);
    prompts.answerText(QStringLiteral("Activate latching"));
    tab->slotAddLatch();
    QCOMPARE(prompts.lastText(), QStringLiteral("This Latch Sequence name is not allowed!"));
    prompts.answerText(QString());
    tab->slotAddLatch();
    QCOMPARE(tab->list()->item(0)->text(), QStringLiteral("Latch 01"));
    QCOMPARE(itemsOf(tab->firstSignal()), (QStringList{"OUT", ""}));
    QCOMPARE(itemsOf(tab->secondSignal()),
             (QStringList{"OE", "LE", "IN", "PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW", ""}));
    LxLibLogicTable* table = tab->table();
    QCOMPARE(table->numCols(), 6);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Y"));
    QCOMPARE(f.context.logic().latchSignalTypes(), (QList<int>{ST_OE, ST_LE, ST_IN, ST_IN, ST_OUT}));

    choose(tab->firstSignal(), QStringLiteral("OUT"));
    choose(tab->relation(), QStringLiteral("Invert"));
    choose(tab->secondSignal(), QStringLiteral("LE"));
    tab->slotAddLatchVector();
    tab->slotAddLatchVector();
    QCOMPARE(table->rowTexts(0), (QStringList{"Vector", "", "", "", "", ""}));
    type(table, 0, 2, QStringLiteral("1"));
    type(table, 0, 3, QStringLiteral("0"));
    type(table, 0, 4, QStringLiteral("1"));
    type(table, 1, 5, QStringLiteral("z"));
    // With a row selected, a new vector goes above it.
    table->selectRow(1);
    tab->slotAddLatchVector();
    QCOMPARE(table->numRows(), 3);
    QCOMPARE(table->rowTexts(1), (QStringList{"Vector", "", "", "", "", ""}));
    QCOMPARE(table->rowTexts(2), (QStringList{"Vector", "", "", "", "", "z"}));
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
    QCOMPARE(stored->GetName(), QStringLiteral("Latch 01"));
    const auto* condition = dynamic_cast<const LxLibSetEnableEqual*>(stored->GetSetEnableList().at(0));
    QVERIFY(condition);
    QCOMPARE(condition->GetFirstSignal(), LxLibSignalTypeBit(ST_OUT, -1));
    QCOMPARE(condition->GetSecondSignal(), LxLibSignalTypeBit(ST_LE, -1));
    QVERIFY(condition->IsInvert());
    const LxLibSetSignalListList& vectors = stored->GetSetSignalListList();
    QCOMPARE(vectors.count(), 3);
    QCOMPARE(settingsOf(*vectors.at(0)), (QStringList{"OUT=", "IN=10", "LE=1", "OE="}));
    QCOMPARE(settingsOf(*vectors.at(1)), (QStringList{"OUT=", "IN=", "LE=", "OE="}));
    QCOMPARE(settingsOf(*vectors.at(2)), (QStringList{"OUT=", "IN=", "LE=", "OE=z"}));

    // A file's own order of settings lands in the columns of their types.
    auto* read = new LxLibLatchSequence(QStringLiteral("Read"));
    read->AddSetEnable(new LxLibSetEnableEqual(ST_OUT, ST_PWR));
    auto* step = new LxLibSetSignalList;
    step->append(new LxLibSetSignal(ST_LE, QStringLiteral("1")));
    step->append(new LxLibSetSignal(ST_IN, QStringLiteral("01")));
    read->AddSetSignalList(step);
    part->insertLatchSequence(1, read);
    f.showTab(PWLogicPartsPage::LatchTab);
    QCOMPARE(tab->list()->count(), 2);
    QCOMPARE(tab->secondSignal()->currentText(), QStringLiteral("PWR"));
    QCOMPARE(tab->relation()->currentIndex(), 0);
    QCOMPARE(table->rowTexts(0), (QStringList{"Vector", "", "0", "1", "1", ""}));
    tab->list()->setCurrentRow(0);
    QCOMPARE(table->numRows(), 3);
    QCOMPARE(table->rowTexts(0), (QStringList{"Vector", "", "1", "0", "1", ""}));
    QCOMPARE(tab->firstSignal()->currentText(), QStringLiteral("OUT"));
    QCOMPARE(tab->relation()->currentText(), QStringLiteral("Invert"));

    // Rename strips the blanks; the list keeps at most 100.
    prompts.answerText(QStringLiteral("  Hold  "));
    tab->slotRenameLatch();
    QCOMPARE(tab->list()->item(0)->text(), QStringLiteral("Hold"));
    while (tab->list()->count() < PWLatchTab::MaxLatches)
        QVERIFY(tab->addLatchSequence(QString()));
    QVERIFY(!tab->addLatchSequence(QString()));
    QCOMPARE(prompts.lastText(), QStringLiteral("It is not possible to add a new Latch Sequence\n"
                                                "Maximum number of Latch Sequences is reached"));
    prompts.answerYesNo(true);
    tab->slotDeleteLatch();
    QCOMPARE(prompts.lastText(), QStringLiteral("Do you want to delete \"Latch 100\"?"));
    QCOMPARE(part->latchSequences().count(), 99);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPatterns::pasteAndCopy()
{
    ScriptedPrompter prompts;
    PatternFixture f;
    CLogicPart* part = f.addPart(QStringLiteral("U1"), {QStringLiteral("OE:OE:0"), QStringLiteral("A:IN:1"),
                                                        QStringLiteral("B:IN:2")});
    f.show();
    f.showTab(PWLogicPartsPage::EnableTab);
    PWEnableTab* enables = f.enables();
    prompts.answerText(QString());
    enables->slotAddEnable();
    LxLibTable* table = enables->table();
    paste(table, QStringLiteral("IN\t1\t0\noe 1\nXYZ 1\nIN 2z\n"));
    QCOMPARE(table->numRows(), 2);
    QCOMPARE(table->rowTexts(0), (QStringList{"IN", "1", "0", ""}));
    QCOMPARE(table->rowTexts(1), (QStringList{"OE", "", "", "1"}));
    QVERIFY(prompts.lastText().contains(QStringLiteral("Row 3: \"XYZ\" is no signal type this part drives")));
    QVERIFY(prompts.lastText().contains(QStringLiteral("Row 4: ")));
    // A copied row pastes back as it was, above the selected row.
    const QString row = copied(table, 0);
    QCOMPARE(row.trimmed(), QStringLiteral("IN\t1\t0"));
    table->selectRow(1);
    paste(table, row);
    QCOMPARE(table->numRows(), 3);
    QCOMPARE(table->rowTexts(1), (QStringList{"IN", "1", "0", ""}));
    f.showTab(PWLogicPartsPage::LatchTab);
    QCOMPARE(settingsOf(part->enablePatterns().at(0)->GetSetSignalList()), (QStringList{"IN=10", "IN=10", "OE=1"}));

    PWLatchTab* latches = f.latches();
    prompts.answerText(QString());
    latches->slotAddLatch();
    LxLibLogicTable* vectors = latches->table();
    paste(vectors, QStringLiteral("Vector\t1\t0\tz\n01x\n2xx\n"));
    QCOMPARE(vectors->numRows(), 2);
    QCOMPARE(vectors->rowTexts(0), (QStringList{"Vector", "1", "0", "z"}));
    QCOMPARE(vectors->rowTexts(1), (QStringList{"Vector", "0", "1", "x"}));
    QVERIFY(prompts.lastText().contains(QStringLiteral("Row 3: ")));
    paste(vectors, copied(vectors, 1));
    QCOMPARE(vectors->numRows(), 3);
    QCOMPARE(vectors->rowTexts(1), (QStringList{"Vector", "0", "1", "x"}));
    QVERIFY(prompts.unexpected().isEmpty());
}

QTEST_MAIN(TestPatterns)
#include "tst_patterns.moc"
