#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "PWPackagePage.h"
#include "PinTableFixture.h"
#include "PromptedPage.h"
#include "ui_PWPackagePage.h"

#include <QListWidget>
#include <QMenu>
#include <QtTest>

#include <memory>

namespace {

struct Fixture : PromptedPage<PWPackagePage>
{
    Ui::PWPackagePage* ui() const { return page.form(); }
    LxLibTable* table() const { return page.form()->PackageTable; }
    QListWidget* box() const { return page.form()->PackageLBox; }
    void add(const QString& name) { prompts.answerText(name); page.slotAddPackage(); }
    void select(int pos) { box()->setCurrentRow(pos); }
    void del(bool yes) { prompts.answerYesNo(yes); page.slotDelPackage(); }
    // A pin typed by the user: the row, its texts, then the type choice.
    void typePin(const QString& number, const QString& name, int type)
    {
        page.slotAddPackagePinDefinition();
        const int row = table()->numRows() - 1;
        table()->setText(row, 0, number);
        table()->setText(row, 1, name);
        table()->comboItem(row, 2)->setCurrentItem(type);
        for (int col = 0; col < 3; ++col)
            emit table()->valueChanged(row, col);
    }
};

} // namespace

class TestPackagePage : public QObject
{
    Q_OBJECT

private slots:
    void limitNamesAndIds()
    {
        {
            Fixture f;
            for (int i = 0; i < PWPackagePage::MaxPackages; ++i)
                f.add(QStringLiteral("P%1").arg(i));
            QCOMPARE(f.prompts.lastText(), "Please enter the package id");
            QCOMPARE(f.prompts.shown().last().initial, QString());
            f.add("P100");
            QCOMPARE(f.box()->count(), 100);
            QCOMPARE(f.prompts.lastText(),
                     "It is not possible to add a new package\nMaximum number of package is reached");
        }
        Fixture f;
        f.add("A");
        // Taken names are refused once the owner has reached the model.
        f.add("  DIP8 ");
        QCOMPARE(f.box()->item(1)->text(), "DIP8");
        f.add("DIP8");
        QCOMPARE(f.prompts.lastText(), "Package id \"DIP8\" is already used");
        f.add(QString());
        f.add(QString());
        QCOMPARE(f.prompts.lastText(), "Empty package id is already used");
        f.prompts.answerText(QString(), false);
        f.page.slotAddPackage();
        QCOMPARE(f.box()->count(), 3);

        f.select(1);
        f.prompts.answerText(QString());
        f.page.slotRenamePackage();
        QCOMPARE(f.prompts.lastText(), "Empty package id is already used");
        QCOMPARE(f.box()->item(1)->text(), "DIP8");
        f.prompts.answerText("SO8");
        f.page.slotRenamePackage();
        QCOMPARE(f.prompts.lastText(), "Please enter the new package id ");
        QCOMPARE(f.prompts.shown().last().initial, "DIP8");
        QCOMPARE(f.box()->item(1)->text(), "SO8");
        QCOMPARE(f.ui()->PackageIdListCBox->itemText(0), "SO8");
        QCOMPARE(f.context.packageMarks.mark(1), int(PWEditMarks::Edited));

        f.prompts.answerText("A");
        f.page.slotAddPackageId();
        QCOMPARE(f.prompts.lastText(), "Package id \"A\" is already used");
        f.prompts.answerText("SO8");
        f.page.slotAddPackageId();
        QCOMPARE(f.prompts.lastText(), "This package id is aready used");
        f.prompts.answerText("SO8-alt");
        f.page.slotAddPackageId();
        QCOMPARE(f.prompts.lastText(), "Please enter the package id");
        QCOMPARE(f.ui()->PackageIdListCBox->count(), 2);
        QCOMPARE(f.ui()->PackageIdListCBox->currentText(), "SO8-alt");
        f.ui()->PackageIdListCBox->setCurrentIndex(0);
        f.prompts.answerYesNo(true);
        f.page.slotDelPackageId();
        QCOMPARE(f.prompts.lastText(), "Do you want to delete package id \"SO8\"?");
        QCOMPARE(f.box()->item(1)->text(), "SO8-alt");
        QCOMPARE(f.ui()->DisplayPackageName->text(), "SO8-alt");
        f.prompts.answerYesNo(true);
        f.page.slotDelPackageId();
        QCOMPARE(f.prompts.lastText(), "It is not possible to delete all package id's");
        QCOMPARE(f.prompts.pendingAnswers(), 1);
    }

    void deleting()
    {
        Fixture f;
        for (const char* name : {"A", "B", "C"}) {
            f.add(name);
            f.typePin("1", QStringLiteral("pin") + name, 1);
        }
        f.page.takeOverEdited();
        auto* part = new CLogicPart;
        part->insertPinList(0, new CPinList("U1"));
        part->insertPinList(1, new CPinList("U2"));
        f.context.logic().insertLogicPart(0, part);
        QSignalSpy dropped(&f.page, &PWPackagePage::pinListsDeleted);

        f.select(1);
        f.del(false);
        QCOMPARE(f.box()->count(), 3);
        QCOMPARE(f.prompts.lastText(), "Do you want to delete package \"B\"?");
        f.del(true);
        QCOMPARE(f.box()->count(), 2);
        QCOMPARE(f.context.logic().packages().count(), 2);
        QCOMPARE(f.context.logic().packages().at(1)->packageIds(), QStringList{"C"});
        QCOMPARE(f.ui()->DisplayPackageName->text(), f.box()->currentItem()->text());
        QCOMPARE(f.table()->text(0, 1), "pin" + f.box()->currentItem()->text());
        QCOMPARE(part->pinLists().count(), 2);

        // The last package takes the logic parts' pin lists with it, after a warning.
        f.del(true);
        f.del(false);
        QCOMPARE(part->pinLists().count(), 2);
        QCOMPARE(f.box()->count(), 1);
        f.del(true);
        QCOMPARE(f.prompts.texts().count("Deleting a package will reset or delete the logic parts"), 2);
        QCOMPARE(part->pinLists().count(), 0);
        QVERIFY(f.context.logic().packages().isEmpty());
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(f.box()->count(), 0);
        QVERIFY(!f.ui()->DelPackage->isEnabled());
        QCOMPARE(f.ui()->PackageSpecWStack->currentWidget(), f.ui()->wzpPackagePage1);
        f.page.slotDelPackage();
    }

    void lazyStoreAndPinNames()
    {
        const auto unique = [](const QStringList& others, int col, const QString& t) {
            return PWPackagePage::isUniqueCellText(others + QStringList{t}, others.size(), col, t);
        };
        QVERIFY(unique({"TIE0"}, 0, "TIE0") && unique({"open"}, 0, "OPEN") && !unique({"pad"}, 0, "PAD"));
        QVERIFY(unique({"A1"}, 0, "a1") && !unique({"A1"}, 0, "A1") && !unique({"CLK"}, 1, "CLK"));
        QVERIFY(unique({"CLK"}, 1, "clk") && unique({"x"}, 2, "x"));

        {
            Fixture g;
            g.add("A");
            g.typePin("1", "CLK", 1);
            g.typePin("2", "CLK", 1);
            QCOMPARE(g.prompts.lastText(), "Pin number is already used in this package");
            QCOMPARE(g.table()->rowTexts(1).mid(0, 2), (QStringList{"2", ""}));
            QCOMPARE(g.table()->currentRow(), 1);
            g.table()->selectRow(0);
            g.page.slotDelPackagePinDefinition();
            QCOMPARE(g.table()->numRows(), 1);
            QCOMPARE(g.table()->text(0, 0), "2");
        }
        Fixture f;
        f.add("A");
        f.typePin("1", "CLK", 1);
        f.typePin("2", "VCC", 8);
        f.typePin("3", "D0", 3);
        f.typePin("4", "OE", 14);
        f.ui()->PackageHasTap->setChecked(true);
        QVERIFY(f.context.logic().packages().isEmpty());

        f.add("B");
        QCOMPARE(f.table()->numRows(), 0);
        QVERIFY(!f.ui()->PackageHasTap->isChecked());
        const CPackage* a = f.context.logic().packages().at(0);
        QCOMPARE(a->pins().count(), 4);
        QCOMPARE(a->pins().at(1)->pinType(), 8);
        QVERIFY(a->hasTap());
        QCOMPARE(f.context.pinNames(), (QStringList{"", "CLK", "D0", "OE"}));

        f.typePin("9", "D0", 3);
        f.typePin("8", "VCC", 8);
        f.select(0);
        QCOMPARE(f.context.logic().packages().at(1)->pins().at(0)->pinName(), "D0");
        QCOMPARE(f.context.pinNames(), (QStringList{"", "D0"}));
        QCOMPARE(f.table()->numRows(), 4);
        QCOMPARE(f.table()->text(0, 1), "CLK");
        QCOMPARE(f.table()->comboItem(1, 2)->currentItem(), 8);
        QVERIFY(f.ui()->PackageHasTap->isChecked());
        QCOMPARE(f.table()->currentRow(), 3);

        // Copy From takes pins and TAP flag but keeps the own ids.
        f.select(1);
        f.page.slotInsertPackage(0);
        QCOMPARE(f.table()->numRows(), 4);
        QCOMPARE(f.ui()->PackageIdListCBox->itemText(0), "B");
        QVERIFY(f.ui()->PackageHasTap->isChecked());
        QCOMPARE(f.context.packageMarks.mark(1), int(PWEditMarks::Edited));
    }

    void memoryCategoryAndMenu()
    {
        Fixture f;
        for (const char* name : {"A", "B", "C"})
            f.add(name);
        f.select(1);
        std::unique_ptr<QMenu> menu(f.page.createPackageMenu(f.box()->item(1)));
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 8); // then a separator, Undo and Redo
        QCOMPARE(actions[0]->text(), "New ...");
        QVERIFY(actions[1]->isEnabled() && actions[2]->isEnabled());
        QMenu* copy = actions[4]->menu();
        QVERIFY(copy->isEnabled());
        QStringList copies;
        for (QAction* a : copy->actions())
            copies.append(a->text());
        QCOMPARE(copies, (QStringList{"Package \"A\"", "Package \"C\""}));

        std::unique_ptr<QMenu> outside(f.page.createPackageMenu(nullptr));
        QVERIFY(!outside->actions()[1]->isEnabled() && !outside->actions()[4]->menu()->isEnabled());

        f.context.viewOnly = true;
        std::unique_ptr<QMenu> viewing(f.page.createPackageMenu(f.box()->item(1)));
        for (QAction* a : viewing->actions())
            QVERIFY2(a->isSeparator() || !a->isEnabled(), qPrintable(a->text()));
        f.context.viewOnly = false;

        f.context.category = PWWizardContext::MemoryTestCategory;
        QVERIFY(!f.page.createPackageMenu(f.box()->item(1)));
        f.page.showPackage(1);
        QVERIFY(f.table()->isReadOnly());
        f.context.category = 2;
        f.page.showPackage(1);
        QVERIFY(!f.table()->isReadOnly());
    }

    void editsPastTheAddingLimit()
    {
        Fixture f;
        // A file may bring more packages than the user may add.
        for (int i = 0; i < 120; ++i) {
            auto* package = new CPackage;
            package->addPackageId(QStringLiteral("P%1").arg(i));
            package->addPin("1", "A", 1);
            f.context.logic().packages().append(package);
        }
        f.page.showModel();
        QCOMPARE(f.box()->count(), 120);
        for (int pos : {100, 119}) {
            f.select(pos);
            f.ui()->PackageHasTap->setChecked(true);
            f.typePin("2", "B", 3);
            f.select(0);
            const CPackage* edited = f.context.logic().packages().at(pos);
            QVERIFY(edited->hasTap());
            QCOMPARE(edited->pins().at(1)->pinName(), "B");
        }

        // An edit pending behind a deleted package moves up with its package.
        f.select(110);
        f.typePin("3", "C", 3);
        f.box()->setCurrentRow(105, QItemSelectionModel::NoUpdate);
        f.del(true);
        const CPackage* moved = f.context.logic().packages().at(109);
        QCOMPARE(moved->packageIds(), QStringList{"P110"});
        QCOMPARE(moved->pins().at(1)->pinName(), "C");

        f.add("P120");
        QCOMPARE(f.box()->count(), 119);
    }

    void pasteRowsAndColumns()
    {
        Fixture f;
        LxLibTable* t = f.table();
        const int standard = t->horizontalHeader()->defaultSectionSize();
        const int widest = qMax(standard, t->fontMetrics().averageCharWidth() * 40);
        const int longName = t->fontMetrics().horizontalAdvance("IO_L3P_T0_DQS_PUDC_B_14");
        QVERIFY(longName > standard);
        const auto append = [&f, t](const QString& text) {
            t->setCurrentCell(-1, -1);
            f.page.slotPastePins(text);
        };

        f.add("BGA");
        append("1,A0,input\n2,Y0,OUTPUT\n2,Y1,OUTPUT\n3,A0,INPUT\n4,CLK,Clock\n,X,\n5,GND,gnd");
        QCOMPARE(t->rowTexts(0), (QStringList{"1", "A0", "INPUT"}));
        QCOMPARE(t->comboItem(2, 2)->currentItem(), int(lxlib::PPT_GND));
        QCOMPARE(f.prompts.lastText(), "4 of 7 pasted rows were not taken:\n"
                                       "Row 3: pin number \"2\" is already used in this package\n"
                                       "Row 4: pin name \"A0\" is already used in this package\n"
                                       "Row 5: \"Clock\" is no pin type\n"
                                       "Row 6: the pin number is empty");
        QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));
        QCOMPARE(t->columnWidth(1), standard);
        f.page.takeOverEdited();
        QCOMPARE(f.context.logic().packages().at(0)->pins().count(), 3);
        QCOMPARE(f.context.pinNames(), (QStringList{"", "A0", "Y0"}));
        append("\n \n");
        QCOMPARE(f.prompts.lastText(), "There is nothing to paste: the clipboard holds no rows");

        // Columns widen to pasted names up to a limit; showing a package fits them to it.
        append("6\tIO_L3P_T0_DQS_PUDC_B_14\tINOUT\n7\tCLK\tINPUT\n");
        QVERIFY(t->columnWidth(1) > longName && t->columnWidth(1) <= widest);
        QCOMPARE(t->columnWidth(0), standard);
        append("8\t" + QString(300, 'W') + "\tINOUT\n");
        QCOMPARE(t->columnWidth(1), widest);
        f.add("B");
        f.typePin("1", "D", 1);
        f.select(0);
        QCOMPARE(t->columnWidth(1), widest);
        f.select(1);
        QCOMPARE(t->columnWidth(1), standard);
        append("2\tIO_L3P_T0_DQS_PUDC_B_14\tINOUT\n");
        const int fitted = t->columnWidth(1);
        QVERIFY(fitted > longName && fitted < widest);
        append("3\tE\tINPUT\n");
        QCOMPARE(t->columnWidth(1), fitted);
    }

    void pasteRepeatedSupplyNames()
    {
        Fixture f;
        const QString fpga = PinTableFixture::fpga();
        const QHash<QString, int> counts = PinTableFixture::fpgaNameCounts();
        const QString question = "432 pasted power, ground or unconnected pins repeat a name. Name them "
                                 "apart by their pin number (GND_A1, GND_B7, ...)?";

        // No keeps the refusal: the first pin of each name is taken, the others listed.
        f.add("FFG1156");
        f.prompts.clearShown();
        f.prompts.answerYesNo(false);
        f.page.slotPastePins(fpga);
        QCOMPARE(f.prompts.count(), 2);
        QCOMPARE(f.prompts.shown()[0].kind, "yesNo");
        QCOMPARE(f.prompts.shown()[0].text, question);
        QVERIFY(f.prompts.lastText().startsWith("432 of 1056 pasted rows were not taken:\nRow "));
        QCOMPARE(f.table()->numRows(), 1056 - 432);
        QCOMPARE(f.table()->rowTexts(0), (QStringList{"A1", "GND", "GND"}));

        // Yes takes every pin, each of a repeated name under NAME_NUMBER.
        f.add("FFG1156-2");
        f.prompts.clearShown();
        f.prompts.answerYesNo(true);
        f.page.slotPastePins(fpga);
        QCOMPARE(f.prompts.texts(), QStringList{question});
        LxLibTable* t = f.table();
        QCOMPARE(t->numRows(), 1056);
        QCOMPARE(t->rowTexts(0), (QStringList{"A1", "GND_A1", "GND"}));
        QHash<QString, int> taken;
        for (int r = 0; r < t->numRows(); ++r) {
            const QString name = t->text(r, 1);
            ++taken[name];
            if (counts.value(name) == 0)
                QCOMPARE(name, name.left(name.size() - t->text(r, 0).size() - 1) + '_' + t->text(r, 0));
        }
        QCOMPARE(taken.size(), 1056);
        QCOMPARE(taken.value("GND"), 0);
        QCOMPARE(taken.value("VCCO_12"), 0);
        QCOMPARE(taken.value("VCCO_0"), 1);
        QCOMPARE(taken.value("IO_L3P_T0_DQS_PUDC_B_14"), 1);

        // Names stay unique in the model, and supply pins stay out of the pin lists' names.
        f.page.takeOverEdited();
        QCOMPARE(f.context.logic().packages().at(1)->pins().count(), 1056);
        QVERIFY(!f.context.pinNames().contains("GND_A1"));
        QVERIFY(f.context.pinNames().contains("IO_L3P_T0_DQS_PUDC_B_14"));
    }
};

QTEST_MAIN(TestPackagePage)
#include "tst_packagepage.moc"
