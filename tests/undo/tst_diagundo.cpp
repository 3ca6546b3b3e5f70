// Undo in the diagnostics table of a test sequence's vector, on the example
// bus transceiver: its sequence "A to B" holds rules on its second vector.

#include "LxLibCheckItem.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "LxTableHistory.h"
#include "LxUndoBinding.h"
#include "PWDiagnoseEditor.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PWTestSequenceTab.h"
#include "PWTestSequenceTable.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "UndoFixture.h"
#include "ui_PWLogicPage.h"
#include "ui_PWTestSequenceTab.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

struct Example
{
    ScriptedPrompter prompts;
    QTemporaryDir tmp;
    std::unique_ptr<PartwrightDlg> dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
    QByteArray before;

    Example()
    {
        dlg->show();
        dlg->leOpenExisistingModel->setText(QStringLiteral(PW_EXAMPLES_DIR "/bus-transceiver-16245.model"));
        while (dlg->currentIndex() != PartwrightForm::LogicPage) {
            const int at = dlg->currentIndex();
            QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
            if (dlg->currentIndex() == at)
                return;
        }
        before = save(QStringLiteral("before.model"));
    }
    QByteArray save(const QString& name)
    {
        const QString file = tmp.filePath(name);
        dlg->leModelName->setText(file);
        return dlg->modelFile()->buildAndSave() ? contentOf(file) : QByteArray();
    }
    PWLogicPartsPage* page() const { return dlg->logicPage(); }
    PWTestSequenceTab* tab() const { return page()->testSequenceTab(); }
    LxLibTable* sequence() const { return tab()->form()->tbTestSequenceTable; }
    LxLibTable* rules() const { return tab()->form()->DiagnoseTable; }
    // Shows a sequence of the current part with its vector row shown.
    void show(int k, int row)
    {
        page()->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
        tab()->selectItem(page()->currentLogicPart(), k);
        sequence()->setCurrentCell(row, 0);
    }
};

// Every row's choices with the bit list it offers.
QList<QStringList> withBitLists(const LxLibTable* table)
{
    QList<QStringList> rows = shownRows(table);
    for (int r = 0; r < table->rowCount(); ++r)
        rows[r] << table->comboItem(r, 1)->stringList().join(u'|');
    return rows;
}

} // namespace

class TestDiagUndo : public QObject
{
    Q_OBJECT

private slots:
    void stepsGoBackAndAgain();
    void freshHistoryForEachVector();
};

void TestDiagUndo::stepsGoBackAndAgain()
{
    Example e;
    QVERIFY2(!e.before.isEmpty(), qPrintable(e.prompts.texts().join(u'|')));
    e.show(0, 1);
    LxLibTable* dt = e.rules();
    PWDiagnoseEditor* d = e.tab()->diagnostics();
    LxUndoBinding* binding = dt->history()->binding();
    QCOMPARE(dt->numRows(), 2);
    QCOMPARE(dt->history()->stack()->count(), 0);
    QVERIFY(!e.tab()->isEdited());

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
    QTest::mouseClick(e.tab()->form()->AddDiagnoseItem, Qt::LeftButton);
    states << withBitLists(dt);
    dt->selectRow(0);
    std::unique_ptr<QMenu> menu(d->createMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("|") : action->text());
    QCOMPARE(entries, QStringList({"New", "Delete ", "|", "Undo", "Redo"}));
    menu->actions().at(1)->trigger();
    states << withBitLists(dt);
    QCOMPARE(dt->numRows(), 2);
    QVERIFY(e.tab()->isEdited());
    QVERIFY(d->isEdited());

    QCOMPARE(dt->history()->stack()->count(), states.size() - 1);
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QVERIFY(binding->undo());
        QCOMPARE(withBitLists(dt), states[i]);
    }
    QVERIFY(!binding->undo());
    QVERIFY(!d->isEdited());
    QVERIFY(!e.tab()->isEdited());
    for (qsizetype i = 1; i < states.size(); ++i) {
        QVERIFY(binding->redo());
        QCOMPARE(withBitLists(dt), states[i]);
    }
    QVERIFY(e.tab()->isEdited());

    // Undone again, the file is the one loaded.
    while (binding->undo()) {
    }
    QVERIFY(!e.tab()->isEdited());
    QCOMPARE(e.save(QStringLiteral("undone.model")), e.before);
}

void TestDiagUndo::freshHistoryForEachVector()
{
    Example e;
    QVERIFY(!e.before.isEmpty());
    e.show(0, 1);
    LxLibTable* dt = e.rules();
    PWDiagnoseEditor* d = e.tab()->diagnostics();
    PWTestSequenceTable* rows = e.tab()->rows();
    const PWDiagnoseRules shown = rows->rules(1);
    chooseIn(dt, 0, 2, 3);
    QCOMPARE(dt->history()->stack()->count(), 1);

    // Another vector stores the rules; coming back offers nothing to undo.
    e.sequence()->setCurrentCell(0, 0);
    QVERIFY(rows->rules(1) != shown);
    e.sequence()->setCurrentCell(1, 0);
    QCOMPARE(dt->history()->stack()->count(), 0);
    QVERIFY(!dt->history()->binding()->undo());
    QVERIFY(e.tab()->isEdited());

    // Stored while shown (a save), an undo makes the rules differ from the vector again.
    chooseIn(dt, 1, 2, 3);
    e.page()->storeCurrentTab();
    QVERIFY(!e.tab()->isEdited());
    QVERIFY(dt->history()->binding()->undo());
    QVERIFY(e.tab()->isEdited());
    // The same for the sequence table's own steps.
    e.tab()->form()->rbDiagVector->setChecked(true);
    e.tab()->slotAddVectorVectorTestSequence();
    e.page()->storeCurrentTab();
    QVERIFY(!e.tab()->isEdited());
    QVERIFY(e.sequence()->history()->binding()->undo());
    QVERIFY(e.tab()->isEdited());

    // Another sequence starts afresh as well.
    e.show(1, 1);
    QCOMPARE(dt->numRows(), 2);
    QCOMPARE(dt->history()->stack()->count(), 0);
    QVERIFY(!e.tab()->isEdited());

    // A diagnostic dropped with its check box comes back, rules shown, with the sequence's undo.
    const PWDiagnoseRules held = rows->rules(1);
    const int option = rows->optionColumn();
    e.prompts.answerYesNo(true);
    {
        const LxTableHistory::Step step(e.sequence(), 1);
        static_cast<LxLibCheckItem*>(e.sequence()->item(1, option))->setChecked(false);
        e.sequence()->checkCellToggled(1, option, Qt::Unchecked);
    }
    QVERIFY(e.tab()->form()->DiagnoseGBox->isHidden());
    QVERIFY(e.sequence()->history()->binding()->undo());
    QCOMPARE(rows->rules(1), held);
    QVERIFY(!e.tab()->form()->DiagnoseGBox->isHidden());
    QCOMPARE(d->rules(), held);
    QVERIFY(!e.tab()->isEdited());

    // Rules pending while the sequence's undo moves their vector up stay with that vector.
    e.sequence()->setCurrentCell(0, 0);
    e.tab()->form()->rbDiagVector->setChecked(true);
    e.tab()->slotInsertVectorVectorTestSequence();
    e.sequence()->setCurrentCell(2, 0);
    chooseIn(dt, 0, 2, 3);
    const PWDiagnoseRules pending = d->rules();
    QVERIFY(e.sequence()->history()->binding()->undo());
    QCOMPARE(rows->rules(1), pending);
    QVERIFY(rows->rules(2).isEmpty());
}

int runDiagUndoTests(int argc, char** argv)
{
    TestDiagUndo test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_diagundo.moc"
