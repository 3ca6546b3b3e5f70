#include "CLogic.h"
#include "CPackage.h"
#include "LxFindBar.h"
#include "LxTableHistory.h"
#include "LxUndoBinding.h"
#include "PageFixture.h"
#include "PWPackagePage.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "ScriptedPrompter.h"
#include "UndoFixture.h"
#include "ui_PWPackagePage.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QUndoStack>
#include <QtTest>

namespace {

QString pinRows(int first, int count)
{
    const QString type = PackagePinTypeChoices().value(1);
    QString text;
    for (int i = first; i < first + count; ++i)
        text += QStringLiteral("%1\tP%1\t%2\n").arg(i).arg(type);
    return text;
}

struct Fixture : PageFixture<PWPackagePage>
{
    Ui::PWPackagePage* ui() const { return page.form(); }
    LxLibTable* table() const { return page.form()->PackageTable; }
    QUndoStack* stack() const { return table()->history()->stack(); }
    LxUndoBinding* binding() const { return table()->history()->binding(); }

    void addPackage(ScriptedPrompter& prompts, const QString& name)
    {
        prompts.answerText(name);
        page.slotAddPackage();
    }
    // Package A with pins 1.., then package B, shown.
    void addTwoPackages(ScriptedPrompter& prompts, int pinsOfA)
    {
        addPackage(prompts, QStringLiteral("A"));
        if (pinsOfA > 0)
            page.slotPastePins(pinRows(1, pinsOfA));
        addPackage(prompts, QStringLiteral("B"));
    }
    // The rows, the ids and the TAP flag: everything a package step may change.
    QString shown() const
    {
        QStringList ids;
        for (int i = 0; i < ui()->PackageIdListCBox->count(); ++i)
            ids << ui()->PackageIdListCBox->itemText(i);
        QStringList rows;
        for (const QStringList& row : shownRows(table()))
            rows << row.join(QLatin1Char('|'));
        return rows.join(QLatin1Char('/')) + QStringLiteral(" ids=") + ids.join(QLatin1Char(','))
               + (ui()->PackageHasTap->isChecked() ? QStringLiteral(" tap") : QString());
    }
};

QStringList modelPins(const PWWizardContext& context, int pos)
{
    QStringList pins;
    for (const CPackagePin* pin : context.logic().packages().at(pos)->pins())
        pins << pin->pinNumber() + QLatin1Char(':') + pin->pinName() + QLatin1Char(':') + QString::number(pin->pinType());
    return pins;
}

} // namespace

class TestPackageUndo : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfStepUndoesAndRedoes();
    void pasteIsOneStep();
    void historyBelongsToTheShownPackage();
    void refusedUndoChangesNothing();
    void findJumpsToPinsOfALargePackage();
};

void TestPackageUndo::everyKindOfStepUndoesAndRedoes()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.addTwoPackages(prompts, 3);
    f.ui()->PackageLBox->setCurrentRow(0);
    QCOMPARE(f.stack()->count(), 0);
    const QStringList storedPins = modelPins(f.context, 0);
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

    // A number used twice is refused and leaves the cell empty; undo brings back the old one.
    prompts.clearShown();
    typeInto(f.table(), 0, 0, f.table()->text(1, 0));
    QCOMPARE(prompts.lastText(), QStringLiteral("Pin number is already used in this package"));
    QVERIFY(f.table()->text(0, 0).isEmpty());
    QVERIFY(f.binding()->undo());
    QCOMPARE(f.shown(), states.last());
    f.page.slotAddPackagePinDefinition();
    QVERIFY(f.binding()->undo());
    QCOMPARE(f.stack()->count(), states.size());

    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QVERIFY(f.binding()->undo());
        QCOMPARE(f.shown(), states[i]);
    }
    QVERIFY(!f.binding()->undo());
    QCOMPARE(f.ui()->PackageLBox->item(0)->text(), QStringLiteral("A"));
    // Every change undone: the package is as stored, and no longer marked.
    QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Stored));
    for (qsizetype i = 1; i < states.size(); ++i) {
        QVERIFY(f.binding()->redo());
        QCOMPARE(f.shown(), states[i]);
    }
    QCOMPARE(f.context.packageMarks.mark(0), int(PWEditMarks::Edited));

    // The model takes what the table shows when the package is left.
    for (int i = 0; i < 4; ++i)
        f.binding()->undo();
    QStringList shownPins;
    for (int r = 0; r < f.table()->numRows(); ++r)
        shownPins << f.table()->text(r, 0) + QLatin1Char(':') + f.table()->text(r, 1) + QLatin1Char(':')
                         + QString::number(f.table()->comboItem(r, 2)->currentItem());
    QVERIFY(shownPins != storedPins);
    f.ui()->PackageLBox->setCurrentRow(1);
    QCOMPARE(modelPins(f.context, 0), shownPins);
    QCOMPARE(f.context.logic().packages().at(0)->packageIds(), QStringList{QStringLiteral("A")});
}

void TestPackageUndo::pasteIsOneStep()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.addPackage(prompts, QStringLiteral("A"));
    f.page.slotPastePins(pinRows(1, 2));
    f.table()->setCurrentCell(1, 0);
    prompts.answerYesNo(true);
    const QString before = f.shown();
    f.page.slotPastePins(pinRows(100, 500));
    QCOMPARE(f.table()->numRows(), 501);
    QCOMPARE(f.stack()->count(), 2);
    const QString after = f.shown();
    QVERIFY(f.binding()->undo());
    QCOMPARE(f.shown(), before);
    QVERIFY(f.binding()->redo());
    QCOMPARE(f.shown(), after);
    // A new step after an undo drops the steps that were undone.
    QVERIFY(f.binding()->undo());
    f.page.slotAddPackagePinDefinition();
    QVERIFY(!f.stack()->canRedo());
}

void TestPackageUndo::historyBelongsToTheShownPackage()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.addTwoPackages(prompts, 2);
    f.page.slotPastePins(pinRows(7, 1));
    typeInto(f.table(), 0, 1, QStringLiteral("RESET"));
    f.ui()->PackageLBox->setCurrentRow(0);
    QCOMPARE(f.stack()->count(), 0);
    const QString shownA = f.shown();
    QVERIFY(!f.binding()->undo());
    QCOMPARE(f.shown(), shownA);
    f.ui()->PackageLBox->setCurrentRow(1);
    QCOMPARE(modelPins(f.context, 1), QStringList{QStringLiteral("7:RESET:1")});
    QCOMPARE(f.table()->text(0, 1), QStringLiteral("RESET"));
}

void TestPackageUndo::refusedUndoChangesNothing()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.addTwoPackages(prompts, 0);
    f.ui()->PackageLBox->setCurrentRow(0);
    prompts.answerText(QStringLiteral("X"));
    f.page.slotAddPackageId();
    f.ui()->PackageIdListCBox->setCurrentIndex(1);
    prompts.answerYesNo(true);
    f.page.slotDelPackageId();
    const QString afterDelete = f.shown();
    // Meanwhile another package took the id (restored by the list's own history, say).
    f.context.logic().packages().at(1)->addPackageId(QStringLiteral("X"));

    prompts.clearShown();
    QVERIFY(!f.binding()->undo());
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Package id \"X\" is already used")});
    QCOMPARE(f.shown(), afterDelete);
    QCOMPARE(f.stack()->index(), 2);
    f.context.logic().packages().at(1)->packageIds().removeLast();
    QVERIFY(f.binding()->undo());
    QVERIFY(f.shown().endsWith(QStringLiteral("ids=A,X")));
}

void TestPackageUndo::findJumpsToPinsOfALargePackage()
{
    ScriptedPrompter prompts;
    Fixture f;
    f.addPackage(prompts, QStringLiteral("BGA"));
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
    bar->close();
    QVERIFY(bar->isHidden());
}

int runPackageUndoTests(int argc, char** argv)
{
    TestPackageUndo test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_packageundo.moc"
