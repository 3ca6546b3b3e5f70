// Every logic example through the wizard: finished as loaded, then with every
// item of every tab shown and stored again, then reopened and finished once
// more. All three files must be the same bytes, and Next from the logic part
// page must pass each time.

#include "CLogic.h"
#include "PWDisableTab.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "PWLogicPartsPage.h"
#include "PWPinListTab.h"
#include "PWTestSequenceTab.h"
#include "PWTruthTableTab.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "ui_PWLogicPage.h"
#include "ui_PWPinListTab.h"
#include "ui_PWTestSequenceTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Opens `in` in a wizard, runs `visit` on the logic part page and finishes to `out`.
// False when the file does not open as a logic model.
bool openAndFinish(const QString& in, const QString& out, const std::function<void(PartwrightDlg&)>& visit,
                   ScriptedPrompter& prompts)
{
    PartwrightDlg dlg(nullptr, QString(), in);
    dlg.show();
    dlg.leOpenExisistingModel->setText(in);
    QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
    if (!dlg.rbLogicDevice->isChecked())
        return false;
    while (dlg.currentIndex() != PartwrightForm::LogicPage && dlg.currentIndex() != PartwrightForm::LastPage)
        QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
    visit(dlg);
    QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
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
    for (int p = 0; p < page->form()->lbLogicPartLBox->count(); ++p) {
        page->form()->lbLogicPartLBox->setCurrentRow(p);

        tabs->setCurrentIndex(PWLogicPartsPage::PinListTab);
        QListWidget* pinLists = page->pinListTab()->form()->PinListLBox;
        for (int k = 0; k < pinLists->count(); ++k, ++stored) {
            pinLists->setCurrentRow(k);
            page->pinListTab()->storePinList(p, k);
        }

        tabs->setCurrentIndex(PWLogicPartsPage::TruthTableTab);
        page->truthTableTab()->storeTruthTable(p);
        ++stored;

        tabs->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
        PWTestSequenceTab* sequences = page->testSequenceTab();
        for (int k = 0; k < sequences->form()->lbTestSequenceLBox->count(); ++k, ++stored) {
            sequences->form()->lbTestSequenceLBox->setCurrentRow(k);
            sequences->storeTestSequence(p, k);
        }

        tabs->setCurrentIndex(PWLogicPartsPage::EnableTab);
        PWEnableTab* enables = page->enableTab();
        auto* type = enables->findChild<QComboBox*>(QStringLiteral("EnableTypeCBox"));
        for (int i = 0; i < enables->list()->count(); ++i, ++stored) {
            enables->list()->setCurrentRow(i);
            emit type->activated(type->currentIndex());
        }

        tabs->setCurrentIndex(PWLogicPartsPage::DisableTab);
        PWDisableTab* disables = page->disableTab();
        for (int i = 0; i < disables->list()->count(); ++i, ++stored) {
            disables->list()->setCurrentRow(i);
            emit disables->typeBox(QStringLiteral("DATA"))->stateChanged(0);
        }

        tabs->setCurrentIndex(PWLogicPartsPage::LatchTab);
        PWLatchTab* latches = page->latchTab();
        for (int i = 0; i < latches->list()->count(); ++i, ++stored) {
            latches->list()->setCurrentRow(i);
            emit latches->relation()->activated(latches->relation()->currentIndex());
        }
    }
    // Leaving the last tab stores the item it still shows.
    tabs->setCurrentIndex(PWLogicPartsPage::PinListTab);
    return stored;
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void examplesSurviveShowAndStore();
    void loadedUnderEveryVersion();
};

void TestRoundTrip::examplesSurviveShowAndStore()
{
    QTemporaryDir dir;
    const QDir examples(QStringLiteral(PW_EXAMPLES_DIR));
    int items = 0;
    int diagnosed = 0;
    int patterns = 0;
    for (const QString& name : examples.entryList({QStringLiteral("*.model")}, QDir::Files, QDir::Name)) {
        ScriptedPrompter prompts;
        const QString in = examples.filePath(name);
        const QString plain = dir.filePath(QStringLiteral("plain-") + name);
        if (!openAndFinish(in, plain, [](PartwrightDlg&) {}, prompts))
            continue; // not a logic model the wizard saves
        QVERIFY2(prompts.unexpected().isEmpty(), qPrintable(name));
        const QString stored = dir.filePath(QStringLiteral("stored-") + name);
        QVERIFY2(openAndFinish(in, stored, [&](PartwrightDlg& dlg) { items += showAndStoreEverything(dlg); },
                               prompts),
                 qPrintable(name + QStringLiteral(": ") + prompts.texts().join(QLatin1String(" | "))));
        const QString again = dir.filePath(QStringLiteral("again-") + name);
        QVERIFY2(openAndFinish(stored, again, [](PartwrightDlg& dlg) { showAndStoreEverything(dlg); }, prompts),
                 qPrintable(name));
        const QByteArray first = contentOf(plain);
        QCOMPARE(contentOf(stored), first);
        QCOMPARE(contentOf(again), first);
        diagnosed += static_cast<int>(first.count("diagnose {"));
        patterns += static_cast<int>(first.count("\n    enable ") + first.count("\n    disable ") + first.count("\n    latch "));
    }
    // The examples hold every kind of item; a loop over none proves nothing.
    QVERIFY(items >= 20);
    QVERIFY(diagnosed >= 5);
    QVERIFY(patterns >= 3);
}

void TestRoundTrip::loadedUnderEveryVersion()
{
    const QByteArray named = "    sequence \"First\" {\n      vector \"H0\"\n      loop 2 break error {\n"
                             "        vector \"L1\"\n      }\n      wait 5 us\n    }\n"
                             "    sequence \"Second\" {\n      vector \"X1\" {\n        diagnose {\n"
                             "          stuck OUT 1 SA0\n        }\n      }\n    }\n";
    const QByteArray single = "    sequence {\n      vector \"H0\"\n    }\n";
    const struct
    {
        QByteArray version;
        QStringList names;
        QStringList kinds; // of the sequence shown: the last one
    } cases[] = {
        {"1.0", {QString()}, {"Vector"}},
        {"1.05", {}, {}},
        {"1.1", {"First", "Second"}, {"Vector"}},
        {"1.2", {"First", "Second"}, {"Vector"}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString file = dir.filePath(QString::fromLatin1("v" + c.version + ".model"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("model-format " + c.version + "\ncomponent \"C\" {\n  package {\n    id \"P\"\n"
                  "    pin \"1\" \"A\" INPUT\n    pin \"2\" \"Y\" OUTPUT\n  }\n  logic \"L\" {\n"
                  "    pinlist \"PL\" {\n      signal IN 0 \"A\"\n      signal OUT 1 \"Y\"\n    }\n"
                  + (c.version == "1.0" ? single : named) + "  }\n}\n");
        out.close();
        ScriptedPrompter prompts;
        PartwrightDlg dlg(nullptr, QString(), file);
        dlg.show();
        dlg.leOpenExisistingModel->setText(file);
        while (dlg.currentIndex() != PartwrightForm::LogicPage)
            QTest::mouseClick(dlg.nextButton(), Qt::LeftButton);
        PWLogicPartsPage* page = dlg.logicPage();
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::TestSequenceTab);
        Ui::PWTestSequenceTab* ui = page->testSequenceTab()->form();
        QStringList names;
        for (int i = 0; i < ui->lbTestSequenceLBox->count(); ++i)
            names << ui->lbTestSequenceLBox->item(i)->text();
        QCOMPARE(names, c.names);
        QCOMPARE(ui->wzTestSeq->currentWidget(),
                 c.names.isEmpty() ? ui->wspTestSeqInValid : ui->wspTestSeqVector);
        QStringList kinds;
        for (int r = 0; r < ui->tbTestSequenceTable->numRows(); ++r)
            kinds << ui->tbTestSequenceTable->text(r, 0);
        QCOMPARE(kinds, c.kinds);
        if (c.names.size() == 2) {
            // The vector with a diagnostic is current: its rules are on show.
            QVERIFY(!ui->DiagnoseGBox->isHidden());
            QCOMPARE(ui->DiagnoseTable->rowTexts(0), QStringList({"OUT", "1", "SA0"}));
            ui->lbTestSequenceLBox->setCurrentRow(0);
            kinds.clear();
            for (int r = 0; r < ui->tbTestSequenceTable->numRows(); ++r)
                kinds << ui->tbTestSequenceTable->rowTexts(r).join(QLatin1Char(' '));
            QCOMPARE(kinds, QStringList({"Vector H 0  ", "Repeat   2 Break on Error", "Vector L 1  ",
                                         "End    ", "Wait   5 us"}));
        }
        QVERIFY(prompts.unexpected().isEmpty());
    }
}

QTEST_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
