#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "PWPackagePage.h"
#include "PageFixture.h"
#include "PinTableFixture.h"
#include "ScriptedPrompter.h"
#include "ui_PWPackagePage.h"

#include <QListWidget>
#include <QMenu>
#include <QtTest>

#include <memory>

class TestPackagePage : public QObject
{
    Q_OBJECT

private:
    struct Fixture : PageFixture<PWPackagePage>
    {
        Ui::PWPackagePage* ui() const { return page.form(); }
        LxLibTable* table() const { return page.form()->PackageTable; }
    };

    static void addPackage(Fixture& f, ScriptedPrompter& prompts, const QString& name)
    {
        prompts.answerText(name);
        f.page.slotAddPackage();
    }
    // A pin typed by the user: the row, its texts, then the type choice.
    static void typePin(Fixture& f, const QString& number, const QString& name, int type)
    {
        f.page.slotAddPackagePinDefinition();
        const int row = f.table()->numRows() - 1;
        f.table()->setText(row, 0, number);
        emit f.table()->valueChanged(row, 0);
        f.table()->setText(row, 1, name);
        emit f.table()->valueChanged(row, 1);
        f.table()->comboItem(row, 2)->setCurrentItem(type);
        emit f.table()->valueChanged(row, 2);
    }
    static void select(Fixture& f, int pos) { f.ui()->PackageLBox->setCurrentRow(pos); }

private slots:
    void limitAndNames();
    void deleteInTheMiddle();
    void lazyStoreKeepsTypedPins();
    void pinCellUniqueness();
    void packageIds();
    void sharedPinNames();
    void memoryCategoryAndMenu();
    void deletingLastPackageDropsPinLists();
    void editsPastTheAddingLimit();
    void pasteRowsAndRefusals();
    void pasteRepeatedSupplyNames();
    void columnsFitPastedAndShownNames();
};

void TestPackagePage::limitAndNames()
{
    ScriptedPrompter prompts;
    Fixture f;
    for (int i = 0; i < PWPackagePage::MaxPackages; ++i)
        addPackage(f, prompts, QStringLiteral("P%1").arg(i));
    QCOMPARE(f.ui()->PackageLBox->count(), 100);
    QCOMPARE(prompts.count(), 100);
    QCOMPARE(prompts.lastText(), QStringLiteral("Please enter the package id"));
    QCOMPARE(prompts.shown().last().initial, QString());
    addPackage(f, prompts, QStringLiteral("P100"));
    QCOMPARE(f.ui()->PackageLBox->count(), 100);
    QCOMPARE(prompts.lastText(), QStringLiteral("It is not possible to add a new package\nMaximum number of package is reached"));

    // Taken names are refused once the owner has reached the model.
    Fixture g;
    addPackage(g, prompts, QStringLiteral("  DIP8 "));
    QCOMPARE(g.ui()->PackageLBox->item(0)->text(), QStringLiteral("DIP8"));
    addPackage(g, prompts, QStringLiteral("DIP8"));
    QCOMPARE(g.ui()->PackageLBox->count(), 1);
    QCOMPARE(prompts.lastText(), QStringLiteral("Package id \"DIP8\" is already used"));
    addPackage(g, prompts, QString());
    addPackage(g, prompts, QString());
    QCOMPARE(g.ui()->PackageLBox->count(), 2);
    QCOMPARE(prompts.lastText(), QStringLiteral("Empty package id is already used"));

    prompts.answerText(QString(), false);
    g.page.slotAddPackage();
    QCOMPARE(g.ui()->PackageLBox->count(), 2);

    select(g, 0);
    prompts.answerText(QString());
    g.page.slotRenamePackage();
    QCOMPARE(prompts.lastText(), QStringLiteral("Empty package id is already used"));
    QCOMPARE(g.ui()->PackageLBox->item(0)->text(), QStringLiteral("DIP8"));
    prompts.answerText(QStringLiteral("SO8"));
    g.page.slotRenamePackage();
    QCOMPARE(prompts.lastText(), QStringLiteral("Please enter the new package id "));
    QCOMPARE(prompts.shown().last().initial, QStringLiteral("DIP8"));
    QCOMPARE(g.ui()->PackageLBox->item(0)->text(), QStringLiteral("SO8"));
    QCOMPARE(g.ui()->PackageIdListCBox->itemText(0), QStringLiteral("SO8"));
    QCOMPARE(g.context.packageMarks.mark(0), int(PWEditMarks::Edited));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPackagePage::deleteInTheMiddle()
{
    ScriptedPrompter prompts;
    Fixture f;
    for (const char* name : {"A", "B", "C"}) {
        addPackage(f, prompts, QString::fromLatin1(name));
        typePin(f, QStringLiteral("1"), QStringLiteral("pin") + QString::fromLatin1(name), 1);
    }
    select(f, 1);
    prompts.answerYesNo(false);
    f.page.slotDelPackage();
    QCOMPARE(f.ui()->PackageLBox->count(), 3);
    QCOMPARE(prompts.lastText(), QStringLiteral("Do you want to delete package \"B\"?"));

    prompts.answerYesNo(true);
    f.page.slotDelPackage();
    QCOMPARE(f.ui()->PackageLBox->count(), 2);
    QCOMPARE(f.context.logic().packages().count(), 2);
    QCOMPARE(f.context.logic().packages().at(1)->packageIds(), QStringList{QStringLiteral("C")});
    QCOMPARE(f.ui()->DisplayPackageName->text(), f.ui()->PackageLBox->currentItem()->text());
    QCOMPARE(f.table()->text(0, 1), QStringLiteral("pin") + f.ui()->PackageLBox->currentItem()->text());

    for (int i = 0; i < 2; ++i) {
        prompts.answerYesNo(true);
        f.page.slotDelPackage();
    }
    QCOMPARE(f.ui()->PackageLBox->count(), 0);
    QVERIFY(!f.ui()->DelPackage->isEnabled());
    QCOMPARE(f.ui()->PackageSpecWStack->currentWidget(), f.ui()->wzpPackagePage1);
    f.page.slotDelPackage();
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPackagePage::lazyStoreKeepsTypedPins()
{
    ScriptedPrompter prompts;
    Fixture f;
    addPackage(f, prompts, QStringLiteral("A"));
    typePin(f, QStringLiteral("1"), QStringLiteral("CLK"), 1);
    typePin(f, QStringLiteral("2"), QStringLiteral("VCC"), 8);
    f.ui()->PackageHasTap->setChecked(true);
    QVERIFY(f.context.logic().packages().isEmpty());

    addPackage(f, prompts, QStringLiteral("B"));
    QCOMPARE(f.table()->numRows(), 0);
    QVERIFY(!f.ui()->PackageHasTap->isChecked());
    const CPackage* a = f.context.logic().packages().at(0);
    QVERIFY(a);
    QCOMPARE(a->pins().count(), 2);
    QCOMPARE(a->pins().at(1)->pinType(), 8);
    QVERIFY(a->hasTap());

    typePin(f, QStringLiteral("7"), QStringLiteral("D0"), 3);
    select(f, 0);
    QCOMPARE(f.context.logic().packages().at(1)->pins().at(0)->pinName(), QStringLiteral("D0"));
    QCOMPARE(f.table()->numRows(), 2);
    QCOMPARE(f.table()->text(0, 1), QStringLiteral("CLK"));
    QCOMPARE(f.table()->comboItem(1, 2)->currentItem(), 8);
    QVERIFY(f.ui()->PackageHasTap->isChecked());
    QCOMPARE(f.table()->currentRow(), 1);

    // Copy From takes pins and TAP flag but keeps the own ids.
    select(f, 1);
    f.page.slotInsertPackage(0);
    QCOMPARE(f.table()->numRows(), 2);
    QCOMPARE(f.ui()->PackageIdListCBox->itemText(0), QStringLiteral("B"));
    QVERIFY(f.ui()->PackageHasTap->isChecked());
    QCOMPARE(f.context.packageMarks.mark(1), int(PWEditMarks::Edited));
}

void TestPackagePage::pinCellUniqueness()
{
    const auto unique = [](const QStringList& others, int col, const QString& t) {
        return PWPackagePage::isUniqueCellText(others + QStringList{t}, others.size(), col, t);
    };
    QVERIFY(unique({QStringLiteral("TIE0")}, 0, QStringLiteral("TIE0")));
    QVERIFY(unique({QStringLiteral("open")}, 0, QStringLiteral("OPEN")));
    QVERIFY(!unique({QStringLiteral("pad")}, 0, QStringLiteral("PAD")));
    QVERIFY(unique({QStringLiteral("A1")}, 0, QStringLiteral("a1")));
    QVERIFY(!unique({QStringLiteral("A1")}, 0, QStringLiteral("A1")));
    QVERIFY(!unique({QStringLiteral("CLK")}, 1, QStringLiteral("CLK")));
    QVERIFY(unique({QStringLiteral("CLK")}, 1, QStringLiteral("clk")));
    QVERIFY(unique({QStringLiteral("x")}, 2, QStringLiteral("x")));

    ScriptedPrompter prompts;
    Fixture f;
    addPackage(f, prompts, QStringLiteral("A"));
    typePin(f, QStringLiteral("1"), QStringLiteral("CLK"), 1);
    typePin(f, QStringLiteral("2"), QStringLiteral("CLK"), 1);
    QCOMPARE(prompts.lastText(), QStringLiteral("Pin number is already used in this package"));
    QCOMPARE(f.table()->text(1, 1), QString());
    QCOMPARE(f.table()->text(1, 0), QStringLiteral("2"));
    QCOMPARE(f.table()->currentRow(), 1);

    f.table()->selectRow(0);
    f.page.slotDelPackagePinDefinition();
    QCOMPARE(f.table()->numRows(), 1);
    QCOMPARE(f.table()->text(0, 0), QStringLiteral("2"));
}

void TestPackagePage::packageIds()
{
    ScriptedPrompter prompts;
    Fixture f;
    addPackage(f, prompts, QStringLiteral("A"));
    prompts.answerYesNo(true);
    f.page.slotDelPackageId();
    QCOMPARE(prompts.lastText(), QStringLiteral("It is not possible to delete all package id's"));
    QCOMPARE(prompts.pendingAnswers(), 1);

    Fixture g;
    ScriptedPrompter ids;
    addPackage(g, ids, QStringLiteral("A"));
    addPackage(g, ids, QStringLiteral("B"));
    ids.answerText(QStringLiteral("B"));
    g.page.slotAddPackageId();
    QCOMPARE(ids.lastText(), QStringLiteral("This package id is aready used"));
    ids.answerText(QStringLiteral("A"));
    g.page.slotAddPackageId();
    QCOMPARE(ids.lastText(), QStringLiteral("Package id \"A\" is already used"));
    ids.answerText(QStringLiteral("B-alt"));
    g.page.slotAddPackageId();
    QCOMPARE(ids.lastText(), QStringLiteral("Please enter the package id"));
    QCOMPARE(g.ui()->PackageIdListCBox->count(), 2);
    QCOMPARE(g.ui()->PackageIdListCBox->currentText(), QStringLiteral("B-alt"));

    g.ui()->PackageIdListCBox->setCurrentIndex(0);
    ids.answerYesNo(true);
    g.page.slotDelPackageId();
    QCOMPARE(ids.lastText(), QStringLiteral("Do you want to delete package id \"B\"?"));
    QCOMPARE(g.ui()->PackageLBox->item(1)->text(), QStringLiteral("B-alt"));
    QCOMPARE(g.ui()->DisplayPackageName->text(), QStringLiteral("B-alt"));
    QVERIFY(ids.unexpected().isEmpty());
}

void TestPackagePage::sharedPinNames()
{
    ScriptedPrompter prompts;
    Fixture f;
    addPackage(f, prompts, QStringLiteral("A"));
    typePin(f, QStringLiteral("1"), QStringLiteral("CLK"), 1);
    typePin(f, QStringLiteral("2"), QStringLiteral("D0"), 3);
    typePin(f, QStringLiteral("3"), QStringLiteral("VCC"), 8);
    typePin(f, QStringLiteral("4"), QStringLiteral("OE"), 14);
    addPackage(f, prompts, QStringLiteral("B"));
    QCOMPARE(f.context.pinNames(), (QStringList{QString(), QStringLiteral("CLK"), QStringLiteral("D0"), QStringLiteral("OE")}));

    typePin(f, QStringLiteral("9"), QStringLiteral("D0"), 3);
    typePin(f, QStringLiteral("8"), QStringLiteral("VCC"), 8);
    f.page.takeOverEdited();
    QCOMPARE(f.context.pinNames(), (QStringList{QString(), QStringLiteral("D0")}));
}

void TestPackagePage::memoryCategoryAndMenu()
{
    ScriptedPrompter prompts;
    Fixture f;
    for (const char* name : {"A", "B", "C"})
        addPackage(f, prompts, QString::fromLatin1(name));
    select(f, 1);
    std::unique_ptr<QMenu> menu(f.page.createPackageMenu(f.ui()->PackageLBox->item(1)));
    QVERIFY(menu);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 8); // then a separator, Undo and Redo
    QCOMPARE(actions[0]->text(), QStringLiteral("New ..."));
    QVERIFY(actions[1]->isEnabled() && actions[2]->isEnabled());
    QMenu* copy = actions[4]->menu();
    QVERIFY(copy && copy->isEnabled());
    QStringList copies;
    for (QAction* a : copy->actions())
        copies.append(a->text());
    QCOMPARE(copies, (QStringList{QStringLiteral("Package \"A\""), QStringLiteral("Package \"C\"")}));

    std::unique_ptr<QMenu> outside(f.page.createPackageMenu(nullptr));
    QVERIFY(!outside->actions()[1]->isEnabled());
    QVERIFY(!outside->actions()[4]->menu()->isEnabled());

    // Viewing only, the menu changes nothing, as the buttons do not.
    f.context.viewOnly = true;
    std::unique_ptr<QMenu> viewing(f.page.createPackageMenu(f.ui()->PackageLBox->item(1)));
    for (QAction* a : viewing->actions())
        QVERIFY2(a->isSeparator() || !a->isEnabled(), qPrintable(a->text()));
    f.context.viewOnly = false;

    f.context.category = PWWizardContext::MemoryTestCategory;
    QVERIFY(!f.page.createPackageMenu(f.ui()->PackageLBox->item(1)));
    f.page.showPackage(1);
    QVERIFY(f.table()->isReadOnly());
    f.context.category = 2;
    f.page.showPackage(1);
    QVERIFY(!f.table()->isReadOnly());
}

void TestPackagePage::deletingLastPackageDropsPinLists()
{
    ScriptedPrompter prompts;
    Fixture f;
    addPackage(f, prompts, QStringLiteral("A"));
    typePin(f, QStringLiteral("1"), QStringLiteral("CLK"), 1);
    f.page.takeOverEdited();
    auto* part = new CLogicPart;
    part->insertPinList(0, new CPinList(QStringLiteral("U1")));
    part->insertPinList(1, new CPinList(QStringLiteral("U2")));
    f.context.logic().insertLogicPart(0, part);
    f.context.currentLogicPart = 0;
    QSignalSpy dropped(&f.page, &PWPackagePage::pinListsDeleted);

    prompts.answerYesNo(false);
    f.page.slotDelPackage();
    QCOMPARE(part->pinLists().count(), 2);
    QCOMPARE(f.ui()->PackageLBox->count(), 1);

    prompts.answerYesNo(true);
    f.page.slotDelPackage();
    QCOMPARE(prompts.texts().count(QStringLiteral("Deleting a package will reset or delete the logic parts")), 2);
    QCOMPARE(part->pinLists().count(), 0);
    QCOMPARE(f.ui()->PackageLBox->count(), 0);
    QVERIFY(f.context.logic().packages().isEmpty());
    QCOMPARE(dropped.count(), 1);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPackagePage::editsPastTheAddingLimit()
{
    ScriptedPrompter prompts;
    Fixture f;
    // A file may bring more packages than the user may add.
    for (int i = 0; i < 120; ++i) {
        auto* package = new CPackage;
        package->addPackageId(QStringLiteral("P%1").arg(i));
        package->addPin(QStringLiteral("1"), QStringLiteral("A"), 1);
        f.context.logic().packages().append(package);
    }
    f.page.showModel();
    QCOMPARE(f.ui()->PackageLBox->count(), 120);
    for (int pos : {100, 119}) {
        select(f, pos);
        f.ui()->PackageHasTap->setChecked(true);
        typePin(f, QStringLiteral("2"), QStringLiteral("B"), 3);
        select(f, 0);
        const CPackage* edited = f.context.logic().packages().at(pos);
        QVERIFY(edited->hasTap());
        QCOMPARE(edited->pins().count(), 2);
        QCOMPARE(edited->pins().at(1)->pinName(), QStringLiteral("B"));
    }

    // An edit pending behind a deleted package moves up with its package.
    select(f, 110);
    typePin(f, QStringLiteral("3"), QStringLiteral("C"), 3);
    f.ui()->PackageLBox->setCurrentRow(105, QItemSelectionModel::NoUpdate);
    prompts.answerYesNo(true);
    f.page.slotDelPackage();
    const CPackage* moved = f.context.logic().packages().at(109);
    QCOMPARE(moved->packageIds(), QStringList{QStringLiteral("P110")});
    QCOMPARE(moved->pins().count(), 2);
    QCOMPARE(moved->pins().at(1)->pinName(), QStringLiteral("C"));

    addPackage(f, prompts, QStringLiteral("P120"));
    QCOMPARE(prompts.lastText(),
             QStringLiteral("It is not possible to add a new package\nMaximum number of package is reached"));
    QCOMPARE(f.ui()->PackageLBox->count(), 119);
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPackagePage::pasteRowsAndRefusals()
{
    ScriptedPrompter prompts;
    Fixture f;
    LxLibTable* t = f.table();
    addPackage(f, prompts, QStringLiteral("BGA"));

    f.page.slotPastePins(QStringLiteral("1,A0,input\n2,Y0,OUTPUT\n2,Y1,OUTPUT\n3,A0,INPUT\n4,CLK,Clock\n,X,\n5,GND,gnd"));
    QCOMPARE(t->numRows(), 3);
    QCOMPARE(t->rowTexts(0), (QStringList{"1", "A0", "INPUT"}));
    QCOMPARE(t->comboItem(2, 2)->currentItem(), int(lxlib::PPT_GND));
    QCOMPARE(prompts.lastText(), QStringLiteral("4 of 7 pasted rows were not taken:\n"
                                                "Row 3: pin number \"2\" is already used in this package\n"
                                                "Row 4: pin name \"A0\" is already used in this package\n"
                                                "Row 5: \"Clock\" is no pin type\n"
                                                "Row 6: the pin number is empty"));
    QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));
    f.page.takeOverEdited();
    QCOMPARE(f.context.logic().packages().at(0)->pins().count(), 3);
    QCOMPARE(f.context.pinNames(), (QStringList{QString(), QStringLiteral("A0"), QStringLiteral("Y0")}));

    const int shown = prompts.count();
    f.page.slotPastePins(QStringLiteral("\n \n"));
    QCOMPARE(prompts.count(), shown + 1);
    QCOMPARE(prompts.lastText(), QStringLiteral("There is nothing to paste: the clipboard holds no rows"));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPackagePage::pasteRepeatedSupplyNames()
{
    ScriptedPrompter prompts;
    Fixture f;
    const QString fpga = PinTableFixture::fpga();
    const QHash<QString, int> counts = PinTableFixture::fpgaNameCounts();
    int refused = 0;
    for (int n : counts)
        refused += n - 1;
    QCOMPARE(refused, 432);
    const QString question = QStringLiteral("432 pasted power, ground or unconnected pins repeat a name. Name them "
                                            "apart by their pin number (GND_A1, GND_B7, ...)?");

    // No keeps the refusal: the first pin of each name is taken, the others listed.
    addPackage(f, prompts, QStringLiteral("FFG1156"));
    prompts.clearShown();
    prompts.answerYesNo(false);
    f.page.slotPastePins(fpga);
    QCOMPARE(prompts.count(), 2);
    QCOMPARE(prompts.shown()[0].kind, QStringLiteral("yesNo"));
    QCOMPARE(prompts.shown()[0].text, question);
    QVERIFY(prompts.lastText().startsWith(QStringLiteral("432 of 1056 pasted rows were not taken:\nRow ")));
    QCOMPARE(f.table()->numRows(), 1056 - 432);
    QCOMPARE(f.table()->rowTexts(0), (QStringList{"A1", "GND", "GND"}));

    // Yes takes every pin, each of a repeated name under NAME_NUMBER.
    addPackage(f, prompts, QStringLiteral("FFG1156-2"));
    prompts.clearShown();
    prompts.answerYesNo(true);
    f.page.slotPastePins(fpga);
    QCOMPARE(prompts.texts(), QStringList{question});
    LxLibTable* t = f.table();
    QCOMPARE(t->numRows(), 1056);
    QCOMPARE(t->rowTexts(0), (QStringList{"A1", "GND_A1", "GND"}));
    QHash<QString, int> taken;
    for (int r = 0; r < t->numRows(); ++r) {
        const QString name = t->text(r, 1);
        ++taken[name];
        const QString base = name.left(name.size() - t->text(r, 0).size() - 1);
        if (counts.value(name) == 0)
            QCOMPARE(name, base + QLatin1Char('_') + t->text(r, 0));
    }
    QCOMPARE(taken.size(), 1056);
    QCOMPARE(taken.value(QStringLiteral("GND")), 0);
    QCOMPARE(taken.value(QStringLiteral("VCCO_12")), 0);
    QCOMPARE(taken.value(QStringLiteral("VCCO_0")), 1);
    QCOMPARE(taken.value(QStringLiteral("IO_L3P_T0_DQS_PUDC_B_14")), 1);

    // Names stay unique in the model, and supply pins stay out of the pin lists' names.
    f.page.takeOverEdited();
    QCOMPARE(f.context.logic().packages().at(1)->pins().count(), 1056);
    QVERIFY(!f.context.pinNames().contains(QStringLiteral("GND_A1")));
    QVERIFY(f.context.pinNames().contains(QStringLiteral("IO_L3P_T0_DQS_PUDC_B_14")));
    QVERIFY(prompts.unexpected().isEmpty());
}

void TestPackagePage::columnsFitPastedAndShownNames()
{
    ScriptedPrompter prompts;
    Fixture f;
    LxLibTable* t = f.table();
    const int standard = t->horizontalHeader()->defaultSectionSize();
    const int widest = qMax(standard, t->fontMetrics().averageCharWidth() * 40);
    const int longName = t->fontMetrics().horizontalAdvance(QStringLiteral("IO_L3P_T0_DQS_PUDC_B_14"));
    QVERIFY(longName > standard);
    const auto append = [&f, t](const QString& text) {
        t->setCurrentCell(-1, -1);
        f.page.slotPastePins(text);
    };

    addPackage(f, prompts, QStringLiteral("A"));
    append(QStringLiteral("1\tIO_L3P_T0_DQS_PUDC_B_14\tINOUT\n2\tCLK\tINPUT\n"));
    QVERIFY(t->columnWidth(1) > longName);
    QVERIFY(t->columnWidth(1) <= widest);
    QCOMPARE(t->columnWidth(0), standard);
    append(QStringLiteral("3\t") + QString(300, QLatin1Char('W')) + QStringLiteral("\tINOUT\n"));
    QCOMPARE(t->columnWidth(1), widest);

    // Showing a package fits the columns to it; a paste only ever widens them.
    addPackage(f, prompts, QStringLiteral("B"));
    typePin(f, QStringLiteral("1"), QStringLiteral("D"), 1);
    select(f, 0);
    QCOMPARE(t->columnWidth(1), widest);
    select(f, 1);
    QCOMPARE(t->columnWidth(1), standard);
    append(QStringLiteral("2\tIO_L3P_T0_DQS_PUDC_B_14\tINOUT\n"));
    const int fitted = t->columnWidth(1);
    QVERIFY(fitted > longName && fitted < widest);
    append(QStringLiteral("3\tE\tINPUT\n"));
    QCOMPARE(t->columnWidth(1), fitted);
    QVERIFY(prompts.unexpected().isEmpty());
}

QTEST_MAIN(TestPackagePage)
#include "tst_packagepage.moc"
