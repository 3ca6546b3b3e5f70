#include "LxLibLogicTable.h"
#include "PWDisableTab.h"
#include "PWEnableTab.h"
#include "PWLatchTab.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PatternFixture.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "ui_PWLogicPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray modelOfVersion(const char* version, const char* flags)
{
    return QByteArray("model-format ") + version
           + "\ncomponent \"CHIP\" {\n  package {\n    id \"P\"\n"
             "    pin \"1\" \"A\" INPUT\n    pin \"2\" \"Y\" OUTPUT\n  }\n"
             "  logic \"U1\" {\n    pinlist \"PL\" {\n      signal IN 0 \"A\"\n      signal OUT 1 \"Y\"\n    }\n"
             "    enable \"E\" {\n      set IN \"0\"\n      equation OUT -1 IN -1" + flags + "\n    }\n"
             "  }\n}\n";
}

// Every kind of enable specification, a disable of two types and a latch
// step in the editor's own column order.
const QByteArray kEveryKind = "model-format 1.2\n"
                              "component \"KINDS\" {\n  package {\n    id \"P\"\n"
                              "    pin \"1\" \"OE\" INPUT\n    pin \"2\" \"A\" INPUT\n"
                              "    pin \"3\" \"B\" INOUT\n    pin \"4\" \"Y\" OUTPUT\n  }\n"
                              "  logic \"U1\" {\n    pinlist \"PL\" {\n      signal OE 0 \"OE\"\n"
                              "      signal IN 1 \"A\"\n      signal IO 2 \"B\"\n      signal OUT 3 \"Y\"\n    }\n"
                              "    enable \"Equation\" {\n      set OE \"0\"\n      power-control\n"
                              "      equation OUT -1 IN -1 invert latch\n    }\n"
                              "    enable \"Connection\" {\n      set IO \"z\"\n      connection IO -1 IO -1 invert\n    }\n"
                              "    enable \"Chip\" {\n      set IN \"1\"\n      chip-enable\n    }\n"
                              "    enable \"Off\" {\n      set OE \"1\"\n      output-disable OUT\n    }\n"
                              "    disable \"Float\" {\n      set OE \"1\"\n      disables IO\n      disables OUT\n    }\n"
                              "    latch \"Hold\" {\n      equation OUT -1 OE -1 invert\n"
                              "      step {\n        set OUT \"1\"\n        set IO \"0\"\n        set IN \"x\"\n"
                              "        set OE \"1\"\n      }\n    }\n  }\n}\n";

void next(PartwrightDlg& dlg) { QTest::mouseClick(dlg.nextButton(), Qt::LeftButton); }

QString tableDump(const LxLibTable* table)
{
    QStringList rows;
    for (const QStringList& row : table->tableTexts())
        rows.append(row.join(QLatin1Char('|')));
    return rows.join(QLatin1Char('\n'));
}

} // namespace

class TestPatternFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Shows every enable, disable and latch item of every part and marks each as edited, so that
    // it is stored from the widgets; returns what the widgets showed.
    static QStringList visitEveryItem(PartwrightDlg& dlg);
    static QStringList openVisitFinish(const QString& file, const QString& out);

private slots:
    void operatorListsFollowTheFormat();
    void everyKindStoredUnchanged();
};

void TestPatternFiles::operatorListsFollowTheFormat()
{
    ScriptedPrompter prompts;
    const QString v11 = m_dir.filePath(QStringLiteral("v11.model"));
    const QString v10 = m_dir.filePath(QStringLiteral("v10.model"));
    QVERIFY(put(v11, modelOfVersion("1.1", " invert latch")));
    QVERIFY(put(v10, modelOfVersion("1.0", " invert")));
    PartwrightDlg dlg(nullptr, QString(), QString());
    QString error;
    QVERIFY(dlg.modelFile()->loadAndConvert(v11, error));
    dlg.logicPage()->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
    auto* equal = dlg.findChild<QComboBox*>(QStringLiteral("EnableEqualCBox2"));
    auto* connection = dlg.findChild<QComboBox*>(QStringLiteral("EnableConnectionCBox2"));
    QCOMPARE(itemsOf(equal), (QStringList{"Normal", "Invert", "Latch", "Latch invert"}));
    QCOMPARE(itemsOf(connection), (QStringList{"Normal", "Invert"}));
    QCOMPARE(equal->currentText(), QStringLiteral("Latch invert"));
    QCOMPARE(dlg.findChild<QComboBox*>(QStringLiteral("EnableEqualCBox1"))->currentText(), QStringLiteral("OUT"));

    QVERIFY(dlg.modelFile()->loadAndConvert(v10, error));
    dlg.logicPage()->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
    QCOMPARE(itemsOf(equal), (QStringList{"Normal", "Invert"}));
    QCOMPARE(equal->currentText(), QStringLiteral("Invert"));
    QCOMPARE(itemsOf(connection), (QStringList{"Normal", "Invert"}));
}

QStringList TestPatternFiles::visitEveryItem(PartwrightDlg& dlg)
{
    QStringList shown;
    PWLogicPartsPage* page = dlg.logicPage();
    QListWidget* parts = page->form()->lbLogicPartLBox;
    for (int p = 0; p < parts->count(); ++p) {
        parts->setCurrentRow(p);
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
        PWEnableTab* enables = page->enableTab();
        auto* type = enables->findChild<QComboBox*>(QStringLiteral("EnableTypeCBox"));
        for (int i = 0; i < enables->list()->count(); ++i) {
            enables->list()->setCurrentRow(i);
            shown << enables->list()->item(i)->text() << type->currentText() << tableDump(enables->table());
            emit type->activated(type->currentIndex());
        }
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::DisableTab);
        PWDisableTab* disables = page->disableTab();
        for (int i = 0; i < disables->list()->count(); ++i) {
            disables->list()->setCurrentRow(i);
            shown << disables->list()->item(i)->text() << tableDump(disables->table());
            for (const char* box : {"DATA", "DATAA", "DATAB", "DATAO", "OUT", "IO", "RYBY"})
                shown << QString::number(disables->typeBox(QLatin1String(box))->checkState());
            emit disables->typeBox(QStringLiteral("DATA"))->stateChanged(0);
        }
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::LatchTab);
        PWLatchTab* latches = page->latchTab();
        for (int i = 0; i < latches->list()->count(); ++i) {
            latches->list()->setCurrentRow(i);
            shown << latches->list()->item(i)->text() << latches->firstSignal()->currentText()
                  << latches->relation()->currentText() << latches->secondSignal()->currentText()
                  << tableDump(latches->table());
            emit latches->relation()->activated(latches->relation()->currentIndex());
        }
    }
    return shown;
}

QStringList TestPatternFiles::openVisitFinish(const QString& file, const QString& out)
{
    PartwrightDlg dlg(nullptr, QString(), QString());
    dlg.show();
    dlg.leOpenExisistingModel->setText(file);
    next(dlg);
    if (dlg.deviceCategory() != PartwrightDlg::Logic)
        return {QStringLiteral("not a logic model")};
    while (dlg.currentIndex() != int(PartwrightForm::LogicPage))
        next(dlg);
    const QStringList shown = visitEveryItem(dlg);
    next(dlg);
    if (dlg.currentIndex() != int(PartwrightForm::LastPage))
        return {QStringLiteral("Next refused")};
    dlg.leModelName->setText(out);
    QTest::mouseClick(dlg.finishButton(), Qt::LeftButton);
    return dlg.finishedFlag() ? shown : QStringList{QStringLiteral("not finished")};
}

void TestPatternFiles::everyKindStoredUnchanged()
{
    ScriptedPrompter prompts;
    const QString file = m_dir.filePath(QStringLiteral("every-kind.model"));
    const QString first = m_dir.filePath(QStringLiteral("every-kind-1.model"));
    const QString second = m_dir.filePath(QStringLiteral("every-kind-2.model"));
    QVERIFY(put(file, kEveryKind));
    const QStringList shown = openVisitFinish(file, first);
    QVERIFY2(QFile::exists(first), qPrintable(prompts.texts().join(QLatin1String(" | "))));
    QCOMPARE(openVisitFinish(first, second), shown);
    QCOMPARE(contentOf(second), contentOf(first));
    const QByteArray saved = contentOf(first);
    for (const char* kept : {"      power-control\n      equation OUT -1 IN -1 invert latch\n",
                             "      connection IO -1 IO -1 invert\n", "      chip-enable\n",
                             "      output-disable OUT\n", "      disables OUT\n      disables IO\n",
                             "      equation OUT -1 OE -1 invert\n"})
        QVERIFY2(saved.contains(kept), kept);
    QVERIFY(shown.contains(QStringLiteral("Output Disable OUT")));
    QCOMPARE(prompts.unexpected(), QStringList());
}

QTEST_MAIN(TestPatternFiles)
#include "tst_patternfiles.moc"
