#include "CLogic.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "PWLogicPartsPage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWVocabulary.h"
#include "PromptedPage.h"
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

namespace {

struct Fixture : PromptedPage<PWLogicPartsPage>
{
    Ui::PWLogicPage* ui() const { return page.form(); }
    PWPinListTab* pins() const { return page.pinListTab(); }
    Ui::PWPinListTab* pinUi() const { return pins()->form(); }
    LxLibTable* table() const { return pinUi()->PinListTable; }
    QListWidget* parts() const { return ui()->lbLogicPartLBox; }
    QListWidget* lists() const { return pinUi()->PinListLBox; }
    CLogicPart* part(int p) { return context.logic().logicParts().at(p); }

    // One package of the named pins; types follow the first letter. With a part "U1" unless bare.
    explicit Fixture(const QStringList& names = {}, bool withPart = true)
    {
        context.category = 2;
        if (!names.isEmpty())
            setPackage(names);
        if (!names.isEmpty() && withPart)
            page.addLogicPart("U1");
    }
    void setPackage(const QStringList& names)
    {
        context.logic().packages().clear();
        auto* package = new CPackage;
        package->addPackageId("DIP");
        int number = 1;
        for (const QString& name : names) {
            const int type = name.startsWith('Y')   ? lxlib::PPT_OUTPUT
                             : name.startsWith('G') ? lxlib::PPT_GND
                                                    : lxlib::PPT_INPUT;
            package->addPin(QString::number(number++), name, type);
        }
        context.logic().insertPackage(0, package);
        context.rebuildPinNames();
    }
    void addPart(const QString& answer) { prompts.answerText(answer); page.slotAddLogicPart(); }
    void addList(const QString& answer) { prompts.answerText(answer); pins()->slotAddPinList(); }
    void renameList(const QString& answer) { prompts.answerText(answer); pins()->slotRenamePinList(); }
    void delList() { prompts.answerYesNo(true); pins()->slotDelPinList(); }
    void setTab(int tab) { ui()->LogicPartTWidget->setCurrentIndex(tab); }
    // A row chosen by the user: pin name, then signal type, then bit typed.
    void choosePin(const QString& pin, const QString& type, const QString& bit)
    {
        pins()->slotAddPinListPinDefinition();
        const int row = table()->numRows() - 1;
        setCell(row, 0, pin);
        setCell(row, 1, type);
        setCell(row, 2, bit);
    }
    void setCell(int row, int col, const QString& text)
    {
        if (col < 2)
            table()->comboItem(row, col)->setCurrentItem(text);
        else
            table()->setText(row, col, text);
        emit table()->valueChanged(row, col);
    }
};

QStringList pinsOf(const CPinList* list)
{
    QStringList names;
    for (const CPinListPin* pin : list->pins())
        names.append(QStringLiteral("%1:%2:%3").arg(pin->pinName(), pin->signalText()).arg(pin->bit()));
    return names;
}

} // namespace

class TestLogicPage : public QObject
{
    Q_OBJECT

private slots:
    void partsAndTheirLimit()
    {
        Fixture f;
        f.page.slotAddLogicPart();
        QCOMPARE(f.prompts.lastText(), "Unable to add a logic part\nPlease check your Packages");
        QCOMPARE(f.parts()->count(), 0);

        f.setPackage({"A0", "Y0"});
        f.addPart("   ");
        QCOMPARE(f.prompts.shown().last().kind, "dialog");
        QCOMPARE(f.prompts.lastText(), "Please enter the Logic Part name");
        QCOMPARE(f.prompts.shown().last().initial, "Part 01");
        f.addPart(QString());
        QCOMPARE(f.prompts.shown().last().initial, "Part 02");
        QCOMPARE(f.parts()->item(0)->text(), "Part 01");
        QCOMPARE(f.parts()->item(1)->text(), "Part 02");
        QCOMPARE(f.context.logic().logicParts().count(), 2);
        QCOMPARE(f.ui()->LogicPartWStack->currentWidget(), f.ui()->LogicPartWStackMain);
        QVERIFY(f.ui()->DeleteLogicPart->isEnabled());

        // Leading and trailing blanks are the user's; a taken name is refused.
        f.addPart(" U1 ");
        QCOMPARE(f.part(2)->name(), " U1 ");
        f.addPart("Part 02");
        QCOMPARE(f.prompts.lastText(), "Part name \"Part 02\" is already used");
        QCOMPARE(f.parts()->count(), 3);

        // Renaming does not look for taken names; blanks keep the name.
        f.parts()->setCurrentRow(2);
        f.prompts.answerText("Part 02");
        f.page.slotRenameLogicPart();
        QCOMPARE(f.prompts.lastText(), "Please enter the new part name");
        QCOMPARE(f.prompts.shown().last().initial, " U1 ");
        QCOMPARE(f.part(2)->name(), "Part 02");
        f.prompts.answerText("  ");
        f.page.slotRenameLogicPart();
        QCOMPARE(f.parts()->item(2)->text(), "Part 02");

        // Deleting Part 01 frees its name for the next proposal.
        f.parts()->setCurrentRow(0);
        f.prompts.answerYesNo(true);
        f.page.slotDeleteLogicPart();
        QCOMPARE(f.prompts.lastText(), "Do you want to delete Logic Part \"Part 01\"?");
        QCOMPARE(f.part(0)->name(), "Part 02");
        f.addPart(QString());
        QCOMPARE(f.prompts.shown().last().initial, "Part 01");
        QCOMPARE(f.parts()->item(2)->text(), "Part 01");
        f.prompts.answerText(QString(), false);
        f.page.slotAddLogicPart();
        QCOMPARE(f.prompts.shown().last().initial, "Part 03");
        QCOMPARE(f.parts()->count(), 3);

        std::unique_ptr<QMenu> menu(f.page.createLogicPartMenu(nullptr));
        QCOMPARE(menu->actions().size(), 6); // then a separator, Undo and Redo
        QVERIFY(menu->actions()[0]->isEnabled());
        QVERIFY(!menu->actions()[1]->isEnabled() && !menu->actions()[2]->isEnabled());

        while (f.parts()->count() > 0) {
            f.prompts.answerYesNo(true);
            f.page.slotDeleteLogicPart();
        }
        QVERIFY(f.context.logic().logicParts().isEmpty());
        QCOMPARE(f.ui()->LogicPartWStack->currentWidget(), f.ui()->LogicPartWStackInValid);
        QVERIFY(!f.ui()->DeleteLogicPart->isEnabled() && f.ui()->AddLogicPart->isEnabled());
        QCOMPARE(f.context.currentLogicPart, 0);

        for (int i = 0; i < PWLogicPartsPage::MaxLogicParts; ++i)
            QVERIFY(f.page.addLogicPart(QStringLiteral("P%1").arg(i)));
        f.addPart("one more");
        QCOMPARE(f.prompts.lastText(),
                 "It is not possible to add a new Logic Part\nMaximum number of logic parts is reached");
        QCOMPARE(f.parts()->count(), 100);
        QCOMPARE(f.prompts.pendingAnswers(), 1);

        f.context.category = PWWizardContext::MemoryTestCategory;
        QVERIFY(!f.page.createLogicPartMenu(nullptr));
        f.page.updateButtons();
        QVERIFY(!f.ui()->AddLogicPart->isEnabled());
    }

    void pinListNamesAndLimit()
    {
        {
            Fixture bare;
            bare.addList(QString());
            QCOMPARE(bare.prompts.lastText(), "Unable to add a Pin List\nPlease check your Packages");
            bare.pins()->slotAddPinListPinDefinition();
            QCOMPARE(bare.prompts.lastText(),
                     "It is not possible to add a pin definition, because there is no package pin specified");
        }
        Fixture f({"A0", "Y0"});
        f.page.addLogicPart("U2");
        f.parts()->setCurrentRow(0);
        f.addList(QString());
        QCOMPARE(f.prompts.lastText(), "Please enter the Pin List name");
        QCOMPARE(f.prompts.shown().last().initial, "U1 01");
        QCOMPARE(f.lists()->item(0)->text(), "U1 01");
        QCOMPARE(f.pinUi()->PinListNameLEdit->text(), "U1 01");
        QCOMPARE(f.pinUi()->PinListSpecWStack->currentWidget(), f.pinUi()->wzpPinListPage0);
        // The first new list is still only in the widgets when the second is proposed.
        f.addList(QString());
        QCOMPARE(f.prompts.shown().last().initial, "U1 02");
        QCOMPARE(f.prompts.count(), 2);
        f.renameList("U1 01");
        QCOMPARE(f.prompts.lastText(), "Pin List name \"U1 01\" is already used");
        f.page.storeCurrentTab();
        QCOMPARE(f.part(0)->pinLists().count(), 2);
        QCOMPARE(f.part(0)->pinLists().at(1)->name(), "U1 02");

        // A name another part uses is skipped in the proposal.
        f.parts()->setCurrentRow(1);
        f.part(1)->setName("U1");
        f.addList(QString());
        QCOMPARE(f.prompts.shown().last().initial, "U1 03");
        QCOMPARE(f.lists()->item(0)->text(), "U1 03");
        f.addList("U1 01");
        QCOMPARE(f.prompts.lastText(), "Pin List name \"U1 01\" is already used");
        QCOMPARE(f.lists()->count(), 1);

        f.renameList("   ");
        QCOMPARE(f.prompts.texts().mid(f.prompts.count() - 2),
                 (QStringList{"Please enter the new Pin List name", "There is no Pin List name specified"}));
        QCOMPARE(f.prompts.shown()[f.prompts.count() - 2].initial, "U1 03");
        f.renameList("U1 01");
        QCOMPARE(f.prompts.lastText(), "Pin List name \"U1 01\" is already used");
        f.renameList("Bus");
        QCOMPARE(f.lists()->item(0)->text(), "Bus");
        QCOMPARE(f.part(1)->pinLists().at(0)->name(), "Bus");

        for (int i = 1; i < PWPinListTab::MaxPinLists; ++i)
            QVERIFY(f.pins()->addPinList(QStringLiteral("L%1").arg(i), false));
        QVERIFY(!f.pins()->addPinList("L100", false));
        QCOMPARE(f.prompts.lastText(),
                 "It is not possible to add a new Pin List\nMaximum number of Pin Lists is reached");
        // The unique form numbers a taken name instead of refusing it.
        f.parts()->setCurrentRow(0);
        QVERIFY(f.pins()->addPinList("L5", true));
        QCOMPARE(f.lists()->item(2)->text(), "L5 01");
    }

    void lazyStoreAcrossPartsAndTabs()
    {
        Fixture f({"A0", "A1", "Y0"});
        f.addList("In");
        f.choosePin("A0", "IN", "0");
        f.choosePin("A1", "IN", "1");
        CLogicPart* u1 = f.part(0);
        QCOMPARE(u1->pinLists().count(), 0); // still only in the widgets

        // Adding a second list takes the first one over; switching parts the second.
        f.addList("Out");
        QCOMPARE(pinsOf(u1->pinLists().at(0)), (QStringList{"A0:IN:0", "A1:IN:1"}));
        f.choosePin("Y0", "OUT", "0");
        f.page.addLogicPart("U2");
        QCOMPARE(pinsOf(u1->pinLists().at(1)), QStringList{"Y0:OUT:0"});
        QCOMPARE(f.lists()->count(), 0);
        QVERIFY(f.context.logic().signalIndexes().at(0));

        // Back on U1 its last pin list is shown from the model.
        f.parts()->setCurrentRow(0);
        QCOMPARE(f.lists()->count(), 2);
        QCOMPARE(f.pinUi()->PinListNameLEdit->text(), "Out");
        QCOMPARE(f.table()->rowTexts(0).mid(0, 2), (QStringList{"Y0", "OUT"}));

        // An edit is stored when the tab is left, and the other tabs show the part.
        f.setCell(0, 2, "5");
        f.setTab(PWLogicPartsPage::TestSequenceTab);
        QCOMPARE(u1->pinLists().at(1)->pins().at(0)->bit(), 5);
        QCOMPARE(f.page.lastTab(0), int(PWLogicPartsPage::TestSequenceTab));
        QListWidget* sequences = f.page.testSequenceTab()->form()->lbTestSequenceLBox;
        QCOMPARE(sequences->count(), 0);
        u1->insertTestSequence(0, new CTestSequences("walk"));
        f.setTab(PWLogicPartsPage::PinListTab);
        f.setTab(PWLogicPartsPage::TestSequenceTab);
        QCOMPARE(sequences->count(), 1);
        QCOMPARE(sequences->item(0)->text(), "walk");
    }

    void choicesFollowPinTypes()
    {
        Fixture f({"A0", "Y0", "GND"});
        QCOMPARE(f.context.pinNames(), (QStringList{"", "A0", "Y0"}));
        f.addList(QString());
        f.pins()->slotAddPinListPinDefinition();
        LxLibTable* t = f.table();
        QCOMPARE(t->comboItem(0, 0)->stringList(), f.context.pinNames());
        QCOMPARE(t->comboItem(0, 1)->stringList(), QStringList{QString()});
        f.setCell(0, 0, "A0");
        QCOMPARE(t->comboItem(0, 1)->stringList(), AllowedSignalTypes(lxlib::PPT_INPUT, false));
        t->comboItem(0, 1)->setCurrentItem("OE");
        f.setCell(0, 0, "Y0");
        QCOMPARE(t->comboItem(0, 1)->stringList(), AllowedSignalTypes(lxlib::PPT_OUTPUT, false));
        QCOMPARE(t->comboItem(0, 1)->currentText(), QString());
        QVERIFY(!AllowedSignalTypes(lxlib::PPT_OUTPUT, false).contains("OE"));

        f.context.category = PWWizardContext::MemoryProgramCategory;
        f.pins()->takeOverEdited();
        f.pins()->showPinList(0, 0);
        QVERIFY(t->isReadOnly() && !f.pins()->createPinListMenu(f.lists()->item(0)));
    }

    void tabSwitchChecksMatchingPinLists()
    {
        Fixture f({"A0", "A1", "Y0"}, false);
        QSignalSpy finish(&f.page, &PWLogicPartsPage::finishAllowed);
        f.page.addLogicPart("U1");
        f.addList("L1");
        f.choosePin("A0", "IN", "0");
        f.addList("L2");
        f.choosePin("A1", "DIR", "0");

        QString expected;
        f.pins()->takeOverEdited();
        QVERIFY(f.context.logic().validatePinLists(expected) && !f.context.logic().checkPinListsMatch(expected));
        f.setTab(PWLogicPartsPage::TruthTableTab);
        QCOMPARE(f.prompts.lastText(), expected);
        QCOMPARE(f.ui()->LogicPartTWidget->currentIndex(), int(PWLogicPartsPage::PinListTab));
        QCOMPARE(finish.count(), 0);

        // Matching lists pass; Finish follows whether every part has pin lists.
        f.setCell(0, 0, "A1");
        f.setCell(0, 1, "IN");
        const int shown = f.prompts.count();
        f.setTab(PWLogicPartsPage::TruthTableTab);
        QCOMPARE(f.prompts.count(), shown);
        QCOMPARE(f.ui()->LogicPartTWidget->currentIndex(), int(PWLogicPartsPage::TruthTableTab));
        QCOMPARE(finish.count(), 1);
        QVERIFY(finish.last().at(0).toBool());
        f.page.addLogicPart("U2");
        f.setTab(PWLogicPartsPage::EnableTab);
        QVERIFY(!finish.last().at(0).toBool());
        f.context.viewOnly = true;
        f.setTab(PWLogicPartsPage::DisableTab);
        QVERIFY(finish.last().at(0).toBool());
    }

    void copyViewOnlyAndDelete()
    {
        Fixture f({"A0", "A1", "Y0"});
        for (const char* name : {"L1", "L2", "L3"}) {
            f.addList(name);
            f.choosePin("A0", "IN", QString::number(name[1] - '0'));
        }
        f.lists()->setCurrentRow(1);
        QCOMPARE(f.table()->text(0, 2), "2");

        // Copy From lists the other pin lists only, and copies pins but not the name.
        std::unique_ptr<QMenu> menu(f.pins()->createPinListMenu(f.lists()->item(1)));
        QMenu* copy = menu->actions().at(4)->menu();
        QVERIFY(copy->isEnabled());
        QStringList offered;
        for (QAction* a : copy->actions().first()->menu()->actions())
            offered.append(a->text());
        QCOMPARE(offered, (QStringList{"L1", "L3"}));
        f.pins()->slotInsertPinList(2);
        QCOMPARE(f.pinUi()->PinListNameLEdit->text(), "L2");
        QCOMPARE(f.table()->text(0, 2), "3");
        QCOMPARE(f.context.pinListMarks.mark(1, 0), int(PWEditMarks::Edited));

        // Viewing only, the menus offer no more than the buttons: nothing that changes the model.
        f.context.viewOnly = true;
        f.page.updateButtons();
        QVERIFY(!f.ui()->AddLogicPart->isEnabled() && !f.ui()->DeleteLogicPart->isEnabled());
        std::unique_ptr<QMenu> parts(f.page.createLogicPartMenu(f.parts()->item(0)));
        std::unique_ptr<QMenu> lists(f.pins()->createPinListMenu(f.lists()->item(0)));
        for (QMenu* viewing : {parts.get(), lists.get()}) {
            QVERIFY(viewing->actions().size() >= 3);
            for (QAction* a : viewing->actions())
                QVERIFY2(a->isSeparator() || !a->isEnabled(), qPrintable(a->text()));
        }
        f.context.viewOnly = false;
        f.page.updateButtons();

        f.delList();
        QCOMPARE(f.prompts.lastText(), "Do you want to delete \"L2\"?");
        QCOMPARE(f.part(0)->pinLists().count(), 2);
        QCOMPARE(f.part(0)->pinLists().at(1)->name(), "L3");
        QCOMPARE(f.lists()->count(), 2);
        QCOMPARE(f.pinUi()->PinListNameLEdit->text(), f.lists()->currentItem()->text());
        // The deleted list's pending edit is not applied to the one that moved up.
        QCOMPARE(f.context.pinListMarks.mark(1, 0), int(PWEditMarks::Stored));
        f.delList();
        f.delList();
        QCOMPARE(f.pinUi()->PinListSpecWStack->currentWidget(), f.pinUi()->wzpPinListPage1);
        QVERIFY(!f.pinUi()->DelPinList->isEnabled());
    }

    void danglingNamesAndPruning()
    {
        Fixture f({"A0", "OE", "Y0"});
        f.addList("L1");
        f.choosePin("A0", "IN", "0");
        f.choosePin("OE", "OE", "0");
        f.page.storeCurrentTab();
        CLogicPart* u1 = f.part(0);
        u1->insertEnablePattern(0, new lxlib::LxLibEnablePattern("on"));
        QStringList names;
        QVERIFY(f.context.logic().getSignalNames(names, CLogic::PruneEnables, 0) && names.contains("OE"));

        // OE leaves the package: only a table marked for refresh loses the name
        // and shows the pin list again.
        f.setPackage({"A0", "Y0"});
        f.pins()->packagesChanged();
        QCOMPARE(u1->pinLists().at(0)->pins().at(1)->pinName(), "OE");
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
        names.clear();
        QVERIFY(f.context.logic().getSignalNames(names, CLogic::PruneEnables, 0) && !names.contains("OE"));
        QCOMPARE(u1->pinLists().at(0)->pins().count(), 1);
    }

    void pasteIntoPinList()
    {
        Fixture f({"A0", "A1", "A2", "Y0", "GND"});
        f.addList("L1");
        LxLibTable* t = f.table();
        t->setFocus();

        QApplication::clipboard()->setText("Name\tType\tBit\nA0\tin\t0\nGND\t\t0\nA1\tOUT\t1\nA2\tIN\t2\nY0\tout\t0\n"
                                           "A1\tIN\t99999\n");
        QTest::keySequence(t, QKeySequence::Paste);
        QCOMPARE(t->numRows(), 3);
        QCOMPARE(t->rowTexts(0), (QStringList{"A0", "IN", "0"}));
        QCOMPARE(t->rowTexts(2), (QStringList{"Y0", "OUT", "0"}));
        QCOMPARE(t->comboItem(2, 1)->stringList(), AllowedSignalTypes(lxlib::PPT_OUTPUT, false));
        QCOMPARE(f.prompts.lastText(), "3 of 6 pasted rows were not taken:\n"
                                       "Row 3: \"GND\" is not a signal pin of every package\n"
                                       "Row 4: pin \"A1\" cannot carry signal type \"OUT\"\n"
                                       "Row 7: bit \"99999\" is not a number from 0 to 9999");
        QCOMPARE(f.context.pinListMarks.mark(0, 0), int(PWEditMarks::Edited));
        f.page.storeCurrentTab();
        QCOMPARE(pinsOf(f.part(0)->pinLists().at(0)), (QStringList{"A0:IN:0", "A2:IN:2", "Y0:OUT:0"}));

        // Copy gives the rows back in the form paste takes; pasting over filled rows asks.
        t->clearSelection();
        t->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 2), true);
        QTest::keySequence(t, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), "A0\tIN\t0\nA2\tIN\t2\n");
        t->setCurrentCell(2, 0);
        f.prompts.answerYesNo(false);
        QTest::keySequence(t, QKeySequence::Paste);
        QCOMPARE(f.prompts.lastText(),
                 "The pasted rows replace 1 filled rows from row 3.\nDo you want to replace them?");
        QCOMPARE(t->numRows(), 3);
        f.prompts.answerYesNo(true);
        QTest::keySequence(t, QKeySequence::Paste);
        QCOMPARE(t->numRows(), 4);
        QCOMPARE(t->rowTexts(3), (QStringList{"A2", "IN", "2"}));

        // Read-only tables take nothing.
        f.context.category = PWWizardContext::MemoryTestCategory;
        f.pins()->updateEditable();
        QTest::keySequence(t, QKeySequence::Paste);
        QCOMPARE(t->numRows(), 4);
    }

    void editsPastTheAddingLimit()
    {
        Fixture f({"A0", "Y0"}, false);
        // A file may bring more logic parts and pin lists than the user may add.
        const int in = lxlib::LxLibSignalTypeBit::ConvertSignalToType("IN");
        for (int p = 0; p < 105; ++p)
            f.context.logic().insertLogicPart(p, new CLogicPart(QStringLiteral("U%1").arg(p)));
        CLogicPart* last = f.part(104);
        for (int k = 0; k < 105; ++k) {
            auto* list = new CPinList(QStringLiteral("L%1").arg(k));
            list->addPin("A0", in, 0);
            last->insertPinList(k, list);
        }
        f.page.showModel();
        f.parts()->setCurrentRow(104);
        QCOMPARE(f.lists()->count(), 105);
        f.setTab(PWLogicPartsPage::EnableTab);
        QCOMPARE(f.page.lastTab(104), int(PWLogicPartsPage::EnableTab));
        f.setTab(PWLogicPartsPage::PinListTab);

        f.lists()->setCurrentRow(102);
        f.setCell(0, 2, "7");
        f.lists()->setCurrentRow(0);
        QCOMPARE(last->pinLists().at(102)->pins().at(0)->bit(), 7);
        f.lists()->setCurrentRow(103);
        f.setCell(0, 2, "9");
        f.parts()->setCurrentRow(0);
        QCOMPARE(last->pinLists().at(103)->pins().at(0)->bit(), 9);

        f.parts()->setCurrentRow(104);
        QVERIFY(!f.pins()->addPinList("one more", false));
        f.addPart("one more");
        QCOMPARE(last->pinLists().count(), 105);
        QCOMPARE(f.parts()->count(), 105);
    }
};

QTEST_MAIN(TestLogicPage)
#include "tst_logicpage.moc"
