// Models the whole way through the wizard: built in the widgets and saved,
// reopened and changed; every logic example finished as loaded, with every item
// of every tab shown and stored, and reopened: the same bytes each time.

#include "CLogic.h"
#include "LxLibTable.h"
#include "PWDisableTab.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "PWLogicPartsPage.h"
#include "PWPackagePage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWTruthTableTab.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPackagePage.h"
#include "ui_PWPinListTab.h"
#include "ui_PWTestSequenceTab.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

void next(PartwrightDlg& dlg) { QTest::mouseClick(dlg.nextButton(), Qt::LeftButton); }

void paste(LxLibTable* table, const QString& text)
{
    QApplication::clipboard()->setText(text);
    table->setFocus();
    table->setCurrentCell(-1, -1);
    QTest::keySequence(table, QKeySequence::Paste);
}

QLineEdit* field(PartwrightDlg& dlg, const char* name) { return dlg.findChild<QLineEdit*>(QLatin1String(name)); }

// A wizard on the file as the host's edit call opens it: the file is the proposed path.
void open(PartwrightDlg& dlg, const QString& file)
{
    dlg.show();
    dlg.leOpenExisistingModel->setText(file);
    next(dlg);
}

// Opens `in` in a wizard, runs `visit` on the logic part page and finishes to `out`.
// False when the file does not open as a logic model.
bool openAndFinish(const QString& in, const QString& out, const std::function<void(PartwrightDlg&)>& visit,
                   ScriptedPrompter& prompts)
{
    PartwrightDlg dlg(nullptr, QString(), in);
    open(dlg, in);
    if (!dlg.rbLogicDevice->isChecked())
        return false;
    while (dlg.currentIndex() != PartwrightForm::LogicPage && dlg.currentIndex() != PartwrightForm::LastPage)
        next(dlg);
    visit(dlg);
    next(dlg);
    if (dlg.currentIndex() != PartwrightForm::LastPage)
        return false;
    dlg.leModelName->setText(out);
    QTest::mouseClick(dlg.finishButton(), Qt::LeftButton);
    return dlg.finishedFlag() && prompts.unexpected().isEmpty();
}

// Shows every item of every tab of every logic part and stores it into the
// model again; the pattern editors store what an edit mark asks for, so each
// pattern is marked through its own widgets. Returns the items visited.
int showAndStoreEverything(PartwrightDlg& dlg)
{
    PWLogicPartsPage* page = dlg.logicPage();
    QTabWidget* tabs = page->form()->LogicPartTWidget;
    int stored = 0;
    // Shows each item of the tab's list and stores it as that tab's editor does.
    const auto each = [&](int tab, QListWidget* list, const std::function<void(int)>& store) {
        tabs->setCurrentIndex(tab);
        for (int k = 0; k < list->count(); ++k, ++stored) {
            list->setCurrentRow(k);
            store(k);
        }
    };
    for (int p = 0; p < page->form()->lbLogicPartLBox->count(); ++p) {
        page->form()->lbLogicPartLBox->setCurrentRow(p);
        PWPinListTab* pinLists = page->pinListTab();
        each(PWLogicPartsPage::PinListTab, pinLists->form()->PinListLBox, [&](int k) { pinLists->storePinList(p, k); });
        tabs->setCurrentIndex(PWLogicPartsPage::TruthTableTab);
        page->truthTableTab()->storeTruthTable(p);
        ++stored;
        PWTestSequenceTab* sequences = page->testSequenceTab();
        each(PWLogicPartsPage::TestSequenceTab, sequences->form()->lbTestSequenceLBox,
             [&](int k) { sequences->storeTestSequence(p, k); });
        PWEnableTab* enables = page->enableTab();
        auto* type = enables->findChild<QComboBox*>(QStringLiteral("EnableTypeCBox"));
        each(PWLogicPartsPage::EnableTab, enables->list(), [&](int) { emit type->activated(type->currentIndex()); });
        PWDisableTab* disables = page->disableTab();
        each(PWLogicPartsPage::DisableTab, disables->list(),
             [&](int) { emit disables->typeBox(QStringLiteral("DATA"))->stateChanged(0); });
        PWLatchTab* latches = page->latchTab();
        each(PWLogicPartsPage::LatchTab, latches->list(),
             [&](int) { emit latches->relation()->activated(latches->relation()->currentIndex()); });
    }
    // Leaving the last tab stores the item it still shows.
    tabs->setCurrentIndex(PWLogicPartsPage::PinListTab);
    return stored;
}

QStringList rowsOf(LxLibTable* table, bool kindsOnly)
{
    QStringList rows;
    for (int r = 0; r < table->numRows(); ++r)
        rows << (kindsOnly ? table->text(r, 0) : table->rowTexts(r).join(' '));
    return rows;
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void buildSaveReopenChange();
    void examplesSurviveShowAndStore();
    void loadedUnderEveryVersion();
};

void TestRoundTrip::buildSaveReopenChange()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("OCT2.model");
    ScriptedPrompter prompts;
    {
        PartwrightDlg dlg(nullptr, QString(), QString());
        dlg.setModelLibPath(dir.path());
        dlg.show();
        dlg.rbCreateNewModel->click();
        next(dlg);
        QTest::keyClicks(dlg.leDeviceId, "OCT2");
        dlg.rbLogicDevice->click();
        next(dlg);
        QCOMPARE(dlg.currentIndex(), int(PartwrightForm::HeaderPage));
        QTest::keyClicks(field(dlg, "leFunction"), "Dual buffer");
        QTest::keyClicks(field(dlg, "leAuthor"), "Jo");
        next(dlg);
        prompts.answerText("DIP8");
        QTest::mouseClick(dlg.packagePage()->form()->AddNewPackage, Qt::LeftButton);
        paste(dlg.packagePage()->form()->PackageTable, "1\t1OE\tINPUT\n2\t1A\tINPUT\n3\t1Y\tOUTPUT\n4\tGND\tGND\n"
                                                       "5\t2OE\tINPUT\n6\t2A\tINPUT\n7\t2Y\tOUTPUT\n8\tVCC\tPWR\n");
        next(dlg);
        PWLogicPartsPage* logic = dlg.logicPage();
        prompts.answerText("Buffer");
        QTest::mouseClick(logic->form()->AddLogicPart, Qt::LeftButton);
        for (const char* half : {"1", "2"}) {
            prompts.answerText(QStringLiteral("Half ") + half);
            QTest::mouseClick(logic->pinListTab()->form()->AddPinList, Qt::LeftButton);
            paste(logic->pinListTab()->form()->PinListTable,
                  QStringLiteral("%1OE\tOE\t0\n%1A\tIN\t1\n%1Y\tOUT\t2\n").arg(QLatin1String(half)));
        }
        next(dlg);
        QCOMPARE(dlg.currentIndex(), int(PartwrightForm::LastPage));
        dlg.leModelName->setText(file);
        QTest::mouseClick(dlg.finishButton(), Qt::LeftButton);
        QVERIFY2(dlg.finishedFlag(), qPrintable(prompts.texts().join(" | ")));
    }
    const QList<QByteArray> first = contentOf(file).split('\n');
    QVERIFY(first.contains("      signal IN 1 \"2A\"") && first.contains("    pin \"7\" \"2Y\" OUTPUT"));
    {
        PartwrightDlg dlg(nullptr, QString(), file);
        open(dlg, file);
        QCOMPARE(dlg.leDeviceId->text(), "OCT2");
        QVERIFY(dlg.rbLogicDevice->isChecked());
        next(dlg);
        QCOMPARE(field(dlg, "leFunction")->text(), "Dual buffer");
        QCOMPARE(field(dlg, "leAuthor")->text(), "Jo");
        next(dlg);
        LxLibTable* table = dlg.packagePage()->form()->PackageTable;
        QCOMPARE(dlg.packagePage()->form()->PackageLBox->item(0)->text(), "DIP8");
        QCOMPARE(table->numRows(), 8);
        QCOMPARE(table->rowTexts(6), (QStringList{"7", "2Y", "OUTPUT"}));

        // The one change: pin 7 becomes pin 17, saved while its editor is still open.
        table->setFocus();
        table->setCurrentCell(6, 0);
        QTest::keyClick(table, Qt::Key_1);
        QWidget* editor = table->indexWidget(table->currentIndex());
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_7);
        prompts.answerYesNoCancel(LxPrompter::Yes);
        dlg.menuAction(PartwrightDlg::MenuSave)->trigger();
        QVERIFY(!table->isEditing() && contentOf(file).contains("\n    pin \"17\" \"2Y\" OUTPUT\n"));
        next(dlg);
        PWLogicPartsPage* logic = dlg.logicPage();
        QCOMPARE(logic->form()->lbLogicPartLBox->item(0)->text(), "Buffer");
        Ui::PWPinListTab* pins = logic->pinListTab()->form();
        QCOMPARE(pins->PinListLBox->count(), 2);
        QCOMPARE(pins->PinListNameLEdit->text(), "Half 2");
        QCOMPARE(pins->PinListTable->rowTexts(2), (QStringList{"2Y", "OUT", "2"}));
        pins->PinListLBox->setCurrentRow(0);
        QCOMPARE(pins->PinListTable->rowTexts(0), (QStringList{"1OE", "OE", "0"}));
        next(dlg);
        QCOMPARE(dlg.leModelName->text(), file);
        prompts.answerYesNoCancel(LxPrompter::Yes); // replace the existing file
        QTest::mouseClick(dlg.finishButton(), Qt::LeftButton);
        QVERIFY2(dlg.finishedFlag(), qPrintable(prompts.texts().join(" | ")));
    }
    const QList<QByteArray> second = contentOf(file).split('\n');
    QCOMPARE(second.size(), first.size());
    QStringList changed;
    for (int i = 0; i < first.size(); ++i)
        if (first[i] != second[i])
            changed << QString::fromUtf8(first[i] + " -> " + second[i]);
    QCOMPARE(changed, QStringList{"    pin \"7\" \"2Y\" OUTPUT ->     pin \"17\" \"2Y\" OUTPUT"});
    QVERIFY2(prompts.unexpected().isEmpty(), qPrintable(prompts.unexpected().join(" | ")));
}

void TestRoundTrip::examplesSurviveShowAndStore()
{
    QTemporaryDir dir;
    const QDir examples(QStringLiteral(PW_EXAMPLES_DIR));
    int items = 0, diagnosed = 0, patterns = 0;
    for (const QString& name : examples.entryList({"*.model"}, QDir::Files, QDir::Name)) {
        ScriptedPrompter prompts;
        const QString in = examples.filePath(name);
        const QString plain = dir.filePath("plain-" + name);
        if (!openAndFinish(in, plain, [](PartwrightDlg&) {}, prompts))
            continue; // not a logic model the wizard saves
        QVERIFY2(prompts.unexpected().isEmpty(), qPrintable(name));
        const QString stored = dir.filePath("stored-" + name);
        QVERIFY2(openAndFinish(in, stored, [&](PartwrightDlg& dlg) { items += showAndStoreEverything(dlg); },
                               prompts),
                 qPrintable(name + ": " + prompts.texts().join(" | ")));
        const QString again = dir.filePath("again-" + name);
        QVERIFY2(openAndFinish(stored, again, [](PartwrightDlg& dlg) { showAndStoreEverything(dlg); }, prompts),
                 qPrintable(name));
        const QByteArray first = contentOf(plain);
        QCOMPARE(contentOf(stored), first);
        QCOMPARE(contentOf(again), first);
        diagnosed += static_cast<int>(first.count("diagnose {"));
        patterns += static_cast<int>(first.count("\n    enable ") + first.count("\n    disable ") + first.count("\n    latch "));
    }
    // The examples hold every kind of item; a loop over none proves nothing.
    QVERIFY(items >= 20 && diagnosed >= 5 && patterns >= 3);
}

void TestRoundTrip::loadedUnderEveryVersion()
{
    const QByteArray named = "    sequence \"First\" {\n      vector \"H0\"\n      loop 2 break error {\n"
                             "        vector \"L1\"\n      }\n      wait 5 us\n    }\n"
                             "    sequence \"Second\" {\n      vector \"X1\" {\n        diagnose {\n"
                             "          stuck OUT 1 SA0\n        }\n      }\n    }\n";
    const QByteArray single = "    sequence {\n      vector \"H0\"\n    }\n";
    // The sequences listed, and the kinds of rows of the one shown: the last.
    const struct { QByteArray version; QStringList names, kinds; } cases[] = {
        {"1.0", {QString()}, {"Vector"}}, {"1.05", {}, {}},
        {"1.1", {"First", "Second"}, {"Vector"}}, {"1.2", {"First", "Second"}, {"Vector"}}};
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString file = dir.filePath(QString::fromLatin1("v" + c.version + ".model"));
        QVERIFY(put(file, "model-format " + c.version + "\ncomponent \"C\" {\n  package {\n    id \"P\"\n"
                          "    pin \"1\" \"A\" INPUT\n    pin \"2\" \"Y\" OUTPUT\n  }\n  logic \"L\" {\n"
                          "    pinlist \"PL\" {\n      signal IN 0 \"A\"\n      signal OUT 1 \"Y\"\n    }\n"
                          + (c.version == "1.0" ? single : named) + "  }\n}\n"));
        ScriptedPrompter prompts;
        PartwrightDlg dlg(nullptr, QString(), file);
        open(dlg, file);
        while (dlg.currentIndex() != PartwrightForm::LogicPage)
            next(dlg);
        PWLogicPartsPage* page = dlg.logicPage();
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
        Ui::PWTestSequenceTab* ui = page->testSequenceTab()->form();
        QCOMPARE(ui->lbTestSequenceLBox->count(), c.names.size());
        for (int i = 0; i < c.names.size(); ++i)
            QCOMPARE(ui->lbTestSequenceLBox->item(i)->text(), c.names[i]);
        QCOMPARE(ui->wzTestSeq->currentWidget(), c.names.isEmpty() ? ui->wspTestSeqInValid : ui->wspTestSeqVector);
        QCOMPARE(rowsOf(ui->tbTestSequenceTable, true), c.kinds);
        if (c.names.size() == 2) {
            // The vector with a diagnostic is current: its rules are on show.
            QVERIFY(!ui->DiagnoseGBox->isHidden());
            QCOMPARE(ui->DiagnoseTable->rowTexts(0), QStringList({"OUT", "1", "SA0"}));
            ui->lbTestSequenceLBox->setCurrentRow(0);
            QCOMPARE(rowsOf(ui->tbTestSequenceTable, false),
                     QStringList({"Vector H 0  ", "Repeat   2 Break on Error", "Vector L 1  ", "End    ", "Wait   5 us"}));
        }
        QVERIFY(prompts.unexpected().isEmpty());
    }
}

QTEST_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
