// The logic part page and its pin list tab, driven through their slots and
// widgets with scripted answers, on a model whose packages are set up directly.

#include "CLogic.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "PWLogicPartsPage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWVocabulary.h"
#include "PageFixture.h"
#include "ScriptedPrompter.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPinListTab.h"
#include "ui_PWTestSequenceTab.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestLogicPage : public QObject
{
    Q_OBJECT

private:
    struct Fixture : PageFixture<PWLogicPartsPage>
    {
        Ui::PWLogicPage* ui() const { return page.form(); }
        PWPinListTab* pins() const { return page.pinListTab(); }
        Ui::PWPinListTab* pinUi() const { return page.pinListTab()->form(); }
        LxLibTable* table() const { return page.pinListTab()->form()->PinListTable; }
        QListWidget* parts() const { return page.form()->lbLogicPartLBox; }
        QListWidget* lists() const { return page.pinListTab()->form()->PinListLBox; }

        Fixture() { context.category = 2; }
        // One package of named pins; types follow the names' first letter.
        void setPackage(const QStringList& names)
        {
            context.logic().packages().clear();
            auto* package = new CPackage;
            package->addPackageId(QStringLiteral("DIP"));
            int number = 1;
            for (const QString& name : names) {
                const int type = name.startsWith(QLatin1Char('Y')) ? lxlib::PPT_OUTPUT
                                 : name.startsWith(QLatin1Char('G')) ? lxlib::PPT_GND
                                                                     : lxlib::PPT_INPUT;
                package->addPin(QString::number(number++), name, type);
            }
            context.logic().insertPackage(0, package);
            context.rebuildPinNames();
        }
    };

    static void addPart(Fixture& f, ScriptedPrompter& prompts, const QString& answer)
    {
        prompts.answerText(answer);
        f.page.slotAddLogicPart();
    }
    static void addList(Fixture& f, ScriptedPrompter& prompts, const QString& answer)
    {
        prompts.answerText(answer);
        f.pins()->slotAddPinList();
    }
    // A row chosen by the user: pin name, then signal type, then bit typed.
    static void choosePin(Fixture& f, const QString& pin, const QString& type, const QString& bit)
    {
        f.pins()->slotAddPinListPinDefinition();
        LxLibTable* t = f.table();
        const int row = t->numRows() - 1;
        t->comboItem(row, 0)->setCurrentItem(pin);
        emit t->valueChanged(row, 0);
        t->comboItem(row, 1)->setCurrentItem(type);
        emit t->valueChanged(row, 1);
        t->setText(row, 2, bit);
        emit t->valueChanged(row, 2);
    }
    static QStringList pinNamesOf(const CPinList* list)
    {
        QStringList names;
        for (const CPinListPin* pin : list->pins())
            names.append(pin->pinName() + QLatin1Char(':') + pin->signalText() + QLatin1Char(':')
                         + QString::number(pin->bit()));
        return names;
    }

private slots:
    void addRenameDeleteParts();
    void partLimit();
    void pinListNamesAndLimit();
    void lazyStoreAcrossPartsAndTabs();
    void choicesFollowPinTypes();
    void tabSwitchChecksMatchingPinLists();
    void deletingInTheMiddleAndCopyFrom();
    void danglingNamesAndPruning();
    void pasteIntoPinList();
    void editsPastTheAddingLimit();
    void twoNewPinListsInARow();
    void viewOnlyMenus();
};

void TestLogicPage::addRenameDeleteParts()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.page.slotAddLogicPart();
    QCOMPARE(prompts.lastText(), QStringLiteral("Unable to add a logic part\nPlease check your Packages"));
    QCOMPARE(f.parts()->count(), 0);

    f.setPackage({QStringLiteral("A0"), QStringLiteral("Y0")});
    addPart(f, prompts, QStringLiteral("   "));
    QCOMPARE(prompts.shown().last().kind, QStringLiteral("dialog"));
    QCOMPARE(prompts.lastText(), QStringLiteral("Please enter the Logic Part name"));
    QCOMPARE(prompts.shown().last().initial, QStringLiteral("Part 01"));
    addPart(f, prompts, QString());
    QCOMPARE(prompts.shown().last().initial, QStringLiteral("Part 02"));
    QCOMPARE(f.parts()->item(0)->text(), QStringLiteral("Part 01"));
    QCOMPARE(f.parts()->item(1)->text(), QStringLiteral("Part 02"));
    QCOMPARE(f.context.logic().logicParts().count(), 2);
    QCOMPARE(f.ui()->LogicPartWStack->currentWidget(), f.ui()->LogicPartWStackMain);
    QVERIFY(f.ui()->DeleteLogicPart->isEnabled());

    // Leading and trailing blanks are the user's; a taken name is refused.
    addPart(f, prompts, QStringLiteral(" U1 "));
    QCOMPARE(f.context.logic().logicParts().at(2)->name(), QStringLiteral(" U1 "));
    addPart(f, prompts, QStringLiteral("Part 02"));
    QCOMPARE(prompts.lastText(), QStringLiteral("Part name \"Part 02\" is already used"));
    QCOMPARE(f.parts()->count(), 3);

    // Renaming does not look for taken names; blanks keep the name.
    f.parts()->setCurrentRow(2);
    prompts.answerText(QStringLiteral("Part 02"));
    f.page.slotRenameLogicPart();
    QCOMPARE(prompts.lastText(), QStringLiteral("Please enter the new part name"));
    QCOMPARE(prompts.shown().last().initial, QStringLiteral(" U1 "));
    QCOMPARE(f.context.logic().logicParts().at(2)->name(), QStringLiteral("Part 02"));
    prompts.answerText(QStringLiteral("  "));
    f.page.slotRenameLogicPart();
    QCOMPARE(f.parts()->item(2)->text(), QStringLiteral("Part 02"));

    // Deleting Part 01 frees its name for the next proposal.
    f.parts()->setCurrentRow(0);
    prompts.answerYesNo(true);
    f.page.slotDeleteLogicPart();
    QCOMPARE(prompts.lastText(), QStringLiteral("Do you want to delete Logic Part \"Part 01\"?"));
    QCOMPARE(f.parts()->count(), 2);
    QCOMPARE(f.context.logic().logicParts().at(0)->name(), QStringLiteral("Part 02"));
    addPart(f, prompts, QString());
    QCOMPARE(prompts.shown().last().initial, QStringLiteral("Part 01"));
    QCOMPARE(f.parts()->item(2)->text(), QStringLiteral("Part 01"));
    prompts.answerText(QString(), false);
    f.page.slotAddLogicPart();
    QCOMPARE(prompts.shown().last().initial, QStringLiteral("Part 03"));
    QCOMPARE(f.parts()->count(), 3);

    std::unique_ptr<QMenu> menu(f.page.createLogicPartMenu(nullptr));
    QCOMPARE(menu->actions().size(), 6); // then a separator, Undo and Redo
    QVERIFY(menu->actions()[0]->isEnabled() && !menu->actions()[1]->isEnabled() && !menu->actions()[2]->isEnabled());

    while (f.parts()->count() > 0) {
        prompts.answerYesNo(true);
        f.page.slotDeleteLogicPart();
    }
    QVERIFY(f.context.logic().logicParts().isEmpty());
    QCOMPARE(f.ui()->LogicPartWStack->currentWidget(), f.ui()->LogicPartWStackInValid);
    QVERIFY(!f.ui()->DeleteLogicPart->isEnabled());
    QVERIFY(f.ui()->AddLogicPart->isEnabled());
    QCOMPARE(f.context.currentLogicPart, 0);

    f.context.category = PWWizardContext::MemoryTestCategory;
    QVERIFY(!f.page.createLogicPartMenu(nullptr));
    f.page.updateButtons();
    QVERIFY(!f.ui()->AddLogicPart->isEnabled());
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestLogicPage::partLimit()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0")});
    for (int i = 0; i < PWLogicPartsPage::MaxLogicParts; ++i)
        QVERIFY(f.page.addLogicPart(QStringLiteral("P%1").arg(i)));
    addPart(f, prompts, QStringLiteral("one more"));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a new Logic Part\nMaximum number of logic parts is reached"));
    QCOMPARE(f.parts()->count(), 100);
    QCOMPARE(prompts.pendingAnswers(), 1);
}

void TestLogicPage::pinListNamesAndLimit()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("Y0")});
    f.page.addLogicPart(QStringLiteral("U1"));
    f.page.addLogicPart(QStringLiteral("U2"));
    f.parts()->setCurrentRow(0);
    addList(f, prompts, QString());
    QCOMPARE(prompts.lastText(), QStringLiteral("Please enter the Pin List name"));
    QCOMPARE(prompts.shown().last().initial, QStringLiteral("U1 01"));
    QCOMPARE(f.lists()->item(0)->text(), QStringLiteral("U1 01"));
    QCOMPARE(f.pinUi()->PinListNameLEdit->text(), QStringLiteral("U1 01"));
    QCOMPARE(f.pinUi()->PinListSpecWStack->currentWidget(), f.pinUi()->wzpPinListPage0);
    // A name another part uses is skipped in the proposal.
    f.parts()->setCurrentRow(1);
    f.context.logic().logicParts().at(1)->setName(QStringLiteral("U1"));
    addList(f, prompts, QString());
    QCOMPARE(prompts.shown().last().initial, QStringLiteral("U1 02"));
    QCOMPARE(f.lists()->item(0)->text(), QStringLiteral("U1 02"));
    addList(f, prompts, QStringLiteral("U1 01"));
    QCOMPARE(prompts.lastText(), QStringLiteral("Pin List name \"U1 01\" is already used"));
    QCOMPARE(f.lists()->count(), 1);

    prompts.answerText(QStringLiteral("   "));
    f.pins()->slotRenamePinList();
    QCOMPARE(prompts.texts().mid(prompts.count() - 2),
             (QStringList{QStringLiteral("Please enter the new Pin List name"),
                          QStringLiteral("There is no Pin List name specified")}));
    QCOMPARE(prompts.shown()[prompts.count() - 2].initial, QStringLiteral("U1 02"));
    prompts.answerText(QStringLiteral("U1 01"));
    f.pins()->slotRenamePinList();
    QCOMPARE(prompts.lastText(), QStringLiteral("Pin List name \"U1 01\" is already used"));
    prompts.answerText(QStringLiteral("Bus"));
    f.pins()->slotRenamePinList();
    QCOMPARE(f.lists()->item(0)->text(), QStringLiteral("Bus"));
    QCOMPARE(f.context.logic().logicParts().at(1)->pinLists().at(0)->name(), QStringLiteral("Bus"));

    for (int i = 1; i < PWPinListTab::MaxPinLists; ++i)
        QVERIFY(f.pins()->addPinList(QStringLiteral("L%1").arg(i), false));
    QVERIFY(!f.pins()->addPinList(QStringLiteral("L100"), false));
    QCOMPARE(prompts.lastText(), QStringLiteral("It is not possible to add a new Pin List\nMaximum number of Pin Lists is reached"));
    // The unique form numbers a taken name instead of refusing it.
    f.parts()->setCurrentRow(0);
    QVERIFY(f.pins()->addPinList(QStringLiteral("L5"), true));
    QCOMPARE(f.lists()->item(1)->text(), QStringLiteral("L5 01"));

    Fixture bare;
    addList(bare, prompts, QString());
    QCOMPARE(prompts.lastText(), QStringLiteral("Unable to add a Pin List\nPlease check your Packages"));
    bare.pins()->slotAddPinListPinDefinition();
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a pin definition, because there is no package pin specified"));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestLogicPage::lazyStoreAcrossPartsAndTabs()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("Y0")});
    f.page.addLogicPart(QStringLiteral("U1"));
    addList(f, prompts, QStringLiteral("In"));
    choosePin(f, QStringLiteral("A0"), QStringLiteral("IN"), QStringLiteral("0"));
    choosePin(f, QStringLiteral("A1"), QStringLiteral("IN"), QStringLiteral("1"));
    CLogicPart* u1 = f.context.logic().logicParts().at(0);
    QCOMPARE(u1->pinLists().count(), 0); // still only in the widgets

    // Adding a second list takes the first one over; switching parts the second.
    addList(f, prompts, QStringLiteral("Out"));
    QCOMPARE(pinNamesOf(u1->pinLists().at(0)), (QStringList{"A0:IN:0", "A1:IN:1"}));
    choosePin(f, QStringLiteral("Y0"), QStringLiteral("OUT"), QStringLiteral("0"));
    f.page.addLogicPart(QStringLiteral("U2"));
    QCOMPARE(pinNamesOf(u1->pinLists().at(1)), (QStringList{"Y0:OUT:0"}));
    QCOMPARE(f.lists()->count(), 0);
    QVERIFY(f.context.logic().signalIndexes().at(0));

    // Back on U1 its last pin list is shown from the model.
    f.parts()->setCurrentRow(0);
    QCOMPARE(f.lists()->count(), 2);
    QCOMPARE(f.pinUi()->PinListNameLEdit->text(), QStringLiteral("Out"));
    QCOMPARE(f.table()->text(0, 0), QStringLiteral("Y0"));
    QCOMPARE(f.table()->text(0, 1), QStringLiteral("OUT"));

    // An edit is stored when the tab is left, and the other tabs show the part.
    f.table()->setText(0, 2, QStringLiteral("5"));
    emit f.table()->valueChanged(0, 2);
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
    QCOMPARE(u1->pinLists().at(1)->pins().at(0)->bit(), 5);
    QCOMPARE(f.page.lastTab(0), int(PWLogicPartsPage::TestSequenceTab));
    QListWidget* sequences = f.page.testSequenceTab()->form()->lbTestSequenceLBox;
    QCOMPARE(sequences->count(), 0);
    u1->insertTestSequence(0, new CTestSequences(QStringLiteral("walk")));
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::PinListTab);
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
    QCOMPARE(sequences->count(), 1);
    QCOMPARE(sequences->item(0)->text(), QStringLiteral("walk"));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestLogicPage::choicesFollowPinTypes()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("Y0"), QStringLiteral("GND")});
    QCOMPARE(f.context.pinNames(), (QStringList{QString(), QStringLiteral("A0"), QStringLiteral("Y0")}));
    f.page.addLogicPart(QStringLiteral("U1"));
    addList(f, prompts, QString());
    f.pins()->slotAddPinListPinDefinition();
    LxLibTable* t = f.table();
    QCOMPARE(t->comboItem(0, 0)->stringList(), f.context.pinNames());
    QCOMPARE(t->comboItem(0, 1)->stringList(), QStringList{QString()});
    t->comboItem(0, 0)->setCurrentItem(QStringLiteral("A0"));
    emit t->valueChanged(0, 0);
    QCOMPARE(t->comboItem(0, 1)->stringList(), AllowedSignalTypes(lxlib::PPT_INPUT, false));
    t->comboItem(0, 1)->setCurrentItem(QStringLiteral("OE"));
    t->comboItem(0, 0)->setCurrentItem(QStringLiteral("Y0"));
    emit t->valueChanged(0, 0);
    QCOMPARE(t->comboItem(0, 1)->stringList(), AllowedSignalTypes(lxlib::PPT_OUTPUT, false));
    QCOMPARE(t->comboItem(0, 1)->currentText(), QString());
    QVERIFY(!AllowedSignalTypes(lxlib::PPT_OUTPUT, false).contains(QStringLiteral("OE")));

    f.context.category = PWWizardContext::MemoryProgramCategory;
    f.pins()->takeOverEdited();
    f.pins()->showPinList(0, 0);
    QVERIFY(t->isReadOnly());
    QVERIFY(!f.pins()->createPinListMenu(f.lists()->item(0)));
}

void TestLogicPage::tabSwitchChecksMatchingPinLists()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("Y0")});
    QSignalSpy finish(&f.page, &PWLogicPartsPage::finishAllowed);
    f.page.addLogicPart(QStringLiteral("U1"));
    addList(f, prompts, QStringLiteral("L1"));
    choosePin(f, QStringLiteral("A0"), QStringLiteral("IN"), QStringLiteral("0"));
    addList(f, prompts, QStringLiteral("L2"));
    choosePin(f, QStringLiteral("A1"), QStringLiteral("DIR"), QStringLiteral("0"));

    QString expected;
    f.pins()->takeOverEdited();
    QVERIFY(f.context.logic().validatePinLists(expected));
    QVERIFY(!f.context.logic().checkPinListsMatch(expected));
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TruthTableTab);
    QCOMPARE(prompts.lastText(), expected);
    QCOMPARE(f.ui()->LogicPartTWidget->currentIndex(), int(PWLogicPartsPage::PinListTab));
    QCOMPARE(finish.count(), 0);

    // Matching lists pass; Finish follows whether every part has pin lists.
    f.table()->comboItem(0, 0)->setCurrentItem(QStringLiteral("A1"));
    emit f.table()->valueChanged(0, 0);
    f.table()->comboItem(0, 1)->setCurrentItem(QStringLiteral("IN"));
    emit f.table()->valueChanged(0, 1);
    const int shown = prompts.count();
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TruthTableTab);
    QCOMPARE(prompts.count(), shown);
    QCOMPARE(f.ui()->LogicPartTWidget->currentIndex(), int(PWLogicPartsPage::TruthTableTab));
    QCOMPARE(finish.count(), 1);
    QString error;
    QCOMPARE(finish.last().at(0).toBool(), f.context.logic().checkPinListsPresent(error));
    QVERIFY(finish.last().at(0).toBool());
    f.page.addLogicPart(QStringLiteral("U2"));
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
    QVERIFY(!finish.last().at(0).toBool());
    f.context.viewOnly = true;
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::DisableTab);
    QVERIFY(finish.last().at(0).toBool());
}

void TestLogicPage::deletingInTheMiddleAndCopyFrom()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("Y0")});
    f.page.addLogicPart(QStringLiteral("U1"));
    for (const char* name : {"L1", "L2", "L3"}) {
        addList(f, prompts, QString::fromLatin1(name));
        choosePin(f, QStringLiteral("A0"), QStringLiteral("IN"), QString::number(name[1] - '0'));
    }
    f.lists()->setCurrentRow(1);
    QCOMPARE(f.table()->text(0, 2), QStringLiteral("2"));

    // Copy From lists the other pin lists only, and copies pins but not the name.
    std::unique_ptr<QMenu> menu(f.pins()->createPinListMenu(f.lists()->item(1)));
    QMenu* copy = menu->actions().at(4)->menu();
    QVERIFY(copy->isEnabled());
    QStringList offered;
    for (QAction* a : copy->actions().first()->menu()->actions())
        offered.append(a->text());
    QCOMPARE(offered, (QStringList{QStringLiteral("L1"), QStringLiteral("L3")}));
    f.pins()->slotInsertPinList(2);
    QCOMPARE(f.pinUi()->PinListNameLEdit->text(), QStringLiteral("L2"));
    QCOMPARE(f.table()->text(0, 2), QStringLiteral("3"));
    QCOMPARE(f.context.pinListMarks.mark(1, 0), int(PWEditMarks::Edited));

    prompts.answerYesNo(true);
    f.pins()->slotDelPinList();
    QCOMPARE(prompts.lastText(), QStringLiteral("Do you want to delete \"L2\"?"));
    const CLogicPart* u1 = f.context.logic().logicParts().at(0);
    QCOMPARE(u1->pinLists().count(), 2);
    QCOMPARE(u1->pinLists().at(1)->name(), QStringLiteral("L3"));
    QCOMPARE(f.lists()->count(), 2);
    QCOMPARE(f.pinUi()->PinListNameLEdit->text(), f.lists()->currentItem()->text());
    // The deleted list's pending edit is not applied to the one that moved up.
    QCOMPARE(f.context.pinListMarks.mark(1, 0), int(PWEditMarks::Stored));

    for (int i = 0; i < 2; ++i) {
        prompts.answerYesNo(true);
        f.pins()->slotDelPinList();
    }
    QCOMPARE(f.pinUi()->PinListSpecWStack->currentWidget(), f.pinUi()->wzpPinListPage1);
    QVERIFY(!f.pinUi()->DelPinList->isEnabled());
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestLogicPage::danglingNamesAndPruning()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("OE"), QStringLiteral("Y0")});
    f.page.addLogicPart(QStringLiteral("U1"));
    addList(f, prompts, QStringLiteral("L1"));
    choosePin(f, QStringLiteral("A0"), QStringLiteral("IN"), QStringLiteral("0"));
    choosePin(f, QStringLiteral("OE"), QStringLiteral("OE"), QStringLiteral("0"));
    f.page.storeCurrentTab();
    CLogicPart* u1 = f.context.logic().logicParts().at(0);
    auto* enable = new lxlib::LxLibEnablePattern(QStringLiteral("on"));
    u1->insertEnablePattern(0, enable);
    QStringList before;
    QVERIFY(f.context.logic().getSignalNames(before, CLogic::PruneEnables, 0));
    QVERIFY(before.contains(QStringLiteral("OE")));

    // OE leaves the package: only a table marked for refresh loses the name
    // and shows the pin list again.
    f.setPackage({QStringLiteral("A0"), QStringLiteral("Y0")});
    f.pins()->packagesChanged();
    QCOMPARE(u1->pinLists().at(0)->pins().at(1)->pinName(), QStringLiteral("OE"));
    f.table()->setRefreshState(1);
    f.pins()->packagesChanged();
    QCOMPARE(f.table()->refreshState(), 0);
    QCOMPARE(u1->pinLists().at(0)->pins().at(1)->pinName(), QString());
    QCOMPARE(f.table()->text(1, 0), QString());
    QCOMPARE(f.table()->comboItem(1, 0)->stringList(), f.context.pinNames());

    // Removing the row stores a list without OE and rebuilds the signal index.
    f.table()->selectRow(1);
    f.pins()->slotDelPinListPinDefinition();
    f.page.storeCurrentTab();
    QStringList after;
    QVERIFY(f.context.logic().getSignalNames(after, CLogic::PruneEnables, 0));
    QVERIFY(!after.contains(QStringLiteral("OE")));
    QCOMPARE(u1->pinLists().at(0)->pins().count(), 1);
}

void TestLogicPage::pasteIntoPinList()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("Y0"),
                  QStringLiteral("GND")});
    f.page.addLogicPart(QStringLiteral("U1"));
    addList(f, prompts, QStringLiteral("L1"));
    LxLibTable* t = f.table();
    t->setFocus();

    QApplication::clipboard()->setText(QStringLiteral("Name\tType\tBit\nA0\tin\t0\nGND\t\t0\nA1\tOUT\t1\n"
                                                      "A2\tIN\t2\nY0\tout\t0\nA1\tIN\t99999\n"));
    QTest::keySequence(t, QKeySequence::Paste);
    QCOMPARE(t->numRows(), 3);
    QCOMPARE(t->rowTexts(0), (QStringList{"A0", "IN", "0"}));
    QCOMPARE(t->rowTexts(2), (QStringList{"Y0", "OUT", "0"}));
    QCOMPARE(t->comboItem(2, 1)->stringList(), AllowedSignalTypes(lxlib::PPT_OUTPUT, false));
    QCOMPARE(prompts.lastText(), QStringLiteral("3 of 6 pasted rows were not taken:\n"
                                                "Row 3: \"GND\" is not a signal pin of every package\n"
                                                "Row 4: pin \"A1\" cannot carry signal type \"OUT\"\n"
                                                "Row 7: bit \"99999\" is not a number from 0 to 9999"));
    QCOMPARE(f.context.pinListMarks.mark(0, 0), int(PWEditMarks::Edited));
    f.page.storeCurrentTab();
    QCOMPARE(pinNamesOf(f.context.logic().logicParts().at(0)->pinLists().at(0)),
             (QStringList{"A0:IN:0", "A2:IN:2", "Y0:OUT:0"}));

    // Copy gives the rows back in the form paste takes; pasting over filled rows asks.
    t->clearSelection();
    t->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 2), true);
    QTest::keySequence(t, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("A0\tIN\t0\nA2\tIN\t2\n"));
    t->setCurrentCell(2, 0);
    prompts.answerYesNo(false);
    QTest::keySequence(t, QKeySequence::Paste);
    QCOMPARE(prompts.lastText(), QStringLiteral("The pasted rows replace 1 filled rows from row 3.\nDo you want to replace them?"));
    QCOMPARE(t->numRows(), 3);
    prompts.answerYesNo(true);
    QTest::keySequence(t, QKeySequence::Paste);
    QCOMPARE(t->numRows(), 4);
    QCOMPARE(t->rowTexts(3), (QStringList{"A2", "IN", "2"}));

    // Read-only tables take nothing.
    f.context.category = PWWizardContext::MemoryTestCategory;
    f.pins()->updateEditable();
    QTest::keySequence(t, QKeySequence::Paste);
    QCOMPARE(t->numRows(), 4);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestLogicPage::editsPastTheAddingLimit()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("Y0")});
    // A file may bring more logic parts and pin lists than the user may add.
    const int in = lxlib::LxLibSignalTypeBit::ConvertSignalToType(QStringLiteral("IN"));
    for (int p = 0; p < 105; ++p)
        f.context.logic().insertLogicPart(p, new CLogicPart(QStringLiteral("U%1").arg(p)));
    CLogicPart* last = f.context.logic().logicParts().at(104);
    for (int k = 0; k < 105; ++k) {
        auto* list = new CPinList(QStringLiteral("L%1").arg(k));
        list->addPin(QStringLiteral("A0"), in, 0);
        last->insertPinList(k, list);
    }
    f.page.showModel();
    f.parts()->setCurrentRow(104);
    QCOMPARE(f.lists()->count(), 105);
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
    QCOMPARE(f.page.lastTab(104), int(PWLogicPartsPage::EnableTab));
    f.ui()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::PinListTab);

    const auto editBit = [&f](int k, const QString& bit) {
        f.lists()->setCurrentRow(k);
        f.table()->setText(0, 2, bit);
        emit f.table()->valueChanged(0, 2);
    };
    editBit(102, QStringLiteral("7"));
    f.lists()->setCurrentRow(0);
    QCOMPARE(last->pinLists().at(102)->pins().at(0)->bit(), 7);
    editBit(103, QStringLiteral("9"));
    f.parts()->setCurrentRow(0);
    QCOMPARE(last->pinLists().at(103)->pins().at(0)->bit(), 9);

    f.parts()->setCurrentRow(104);
    QVERIFY(!f.pins()->addPinList(QStringLiteral("one more"), false));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a new Pin List\nMaximum number of Pin Lists is reached"));
    addPart(f, prompts, QStringLiteral("one more"));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a new Logic Part\nMaximum number of logic parts is reached"));
    QCOMPARE(last->pinLists().count(), 105);
    QCOMPARE(f.parts()->count(), 105);
}

void TestLogicPage::twoNewPinListsInARow()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("Y0")});
    f.page.addLogicPart(QStringLiteral("U1"));
    // The first new list is still only in the widgets when the second is proposed.
    addList(f, prompts, QString());
    addList(f, prompts, QString());
    QStringList proposals;
    for (const ScriptedPrompter::Shown& shown : prompts.shown())
        proposals.append(shown.initial);
    QCOMPARE(proposals, (QStringList{QStringLiteral("U1 01"), QStringLiteral("U1 02")})); // and no message
    QCOMPARE(f.lists()->count(), 2);
    prompts.answerText(QStringLiteral("U1 01"));
    f.pins()->slotRenamePinList();
    QCOMPARE(prompts.lastText(), QStringLiteral("Pin List name \"U1 01\" is already used"));

    f.page.storeCurrentTab();
    const CPinListList& lists = f.context.logic().logicParts().at(0)->pinLists();
    QCOMPARE(lists.count(), 2);
    QCOMPARE(lists.at(0)->name(), QStringLiteral("U1 01"));
    QCOMPARE(lists.at(1)->name(), QStringLiteral("U1 02"));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestLogicPage::viewOnlyMenus()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.setPackage({QStringLiteral("A0"), QStringLiteral("Y0")});
    f.page.addLogicPart(QStringLiteral("U1"));
    addList(f, prompts, QStringLiteral("L1"));
    addList(f, prompts, QStringLiteral("L2"));
    f.context.viewOnly = true;
    f.page.updateButtons();
    QVERIFY(!f.ui()->AddLogicPart->isEnabled() && !f.ui()->DeleteLogicPart->isEnabled());
    // The menus offer no more than the buttons: nothing that changes the model.
    std::unique_ptr<QMenu> parts(f.page.createLogicPartMenu(f.parts()->item(0)));
    std::unique_ptr<QMenu> lists(f.pins()->createPinListMenu(f.lists()->item(0)));
    for (QMenu* menu : {parts.get(), lists.get()}) {
        QVERIFY(menu->actions().size() >= 3);
        for (QAction* a : menu->actions())
            QVERIFY2(a->isSeparator() || !a->isEnabled(), qPrintable(a->text()));
    }
    QVERIFY(prompts.unexpected().isEmpty());
}

QTEST_MAIN(TestLogicPage)
#include "tst_logicpage.moc"
