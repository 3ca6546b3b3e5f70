#include "PWReportText.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kHtml = QStringLiteral("Html Format (*.htm *.html)");
const QString kText = QStringLiteral("Text Format (*.txt)");
const QString kNoModel = QStringLiteral("Unable to build model\nThere is no model information");

std::unique_ptr<PartwrightDlg> opened(const QString& example)
{
    const QString file = QStringLiteral(PW_EXAMPLES_DIR "/") + example;
    auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
    dlg->show();
    dlg->leOpenExisistingModel->setText(file);
    QTest::mouseClick(dlg->nextButton(), Qt::LeftButton);
    return dlg;
}

} // namespace

class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    void filtersStartNameAndExtensions()
    {
        ScriptedPrompter prompts;
        QTemporaryDir tmp;
        auto dlg = opened(QStringLiteral("octal-buffer-244.model"));
        QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::Logic));
        QAction* exportAction = dlg->menuAction(PartwrightDlg::MenuExport);
        QVERIFY(exportAction->isEnabled());

        prompts.answerFile(tmp.filePath(QStringLiteral("report.dat")), kText);
        exportAction->trigger();
        QCOMPARE(prompts.count(), 1);
        const ScriptedPrompter::Shown save = prompts.shown().first();
        QCOMPARE(save.kind + '|' + save.caption + '|' + save.text + '|' + save.initial,
                 "save|Export to...|" + kHtml + ";;" + kText + "|octal-buffer-244");
        const QByteArray text = contentOf(tmp.filePath(QStringLiteral("report.dat.txt")));
        const QString fileLine = QStringLiteral("File Name\t\t:") + dlg->modelFileName();
        QVERIFY(text.startsWith((fileLine + "\nDevice Name\t\t:OB244\nDevice Type Category\t:Logic\nPACKAGES\n").toLatin1()));
        QVERIFY(text.endsWith("Disable Type : OUT \n"));
        QCOMPARE(QString::fromLatin1(text), dlg->textReport().join('\n') + '\n');

        for (const char* name : {"report.html", "plain", "upper.TXT"}) {
            prompts.answerFile(tmp.filePath(QString::fromLatin1(name)), name[0] == 'u' ? kText : kHtml);
            exportAction->trigger();
        }
        const QByteArray html = contentOf(tmp.filePath(QStringLiteral("report.html")));
        QVERIFY(html.startsWith("<HTML>\n"));
        QVERIFY(html.contains("<TD><tt>File Name</tt>&nbsp;</TD>\n<TD><tt>" + QFile::encodeName(dlg->modelFileName())));
        QVERIFY(html.endsWith("</HTML>\n\n"));
        QCOMPARE(contentOf(tmp.filePath(QStringLiteral("plain.htm"))), html);
        QVERIFY(contentOf(tmp.filePath(QStringLiteral("upper.TXT"))).startsWith(fileLine.toLatin1()));
        QVERIFY(!QFile::exists(tmp.filePath(QStringLiteral("upper.TXT.txt"))));

        // Cancelled: nothing more is asked or written.
        prompts.answerFile(QString(), kText);
        exportAction->trigger();
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), 4);
        QVERIFY(prompts.unexpected().isEmpty());
        QCOMPARE(prompts.pendingAnswers(), 0);
    }

    void replaceQuestionAndHostFile()
    {
        ScriptedPrompter prompts;
        QTemporaryDir tmp;
        auto dlg = opened(QStringLiteral("octal-latch-373.model"));
        const QString target = tmp.filePath(QStringLiteral("r.txt"));
        QVERIFY(put(target, "old"));

        prompts.answerFile(target, kText);
        prompts.answerYesNo(false);
        dlg->slotMenuFileExport();
        QCOMPARE(prompts.lastText(),
                 QDir::toNativeSeparators(target) + QStringLiteral(" already exists\n Do you want to replace it?"));
        QCOMPARE(contentOf(target), QByteArray("old"));

        prompts.answerFile(target, kText);
        prompts.answerYesNo(true);
        dlg->slotMenuFileExport();
        QVERIFY(contentOf(target).startsWith("File Name"));

        QVERIFY(put(target, "old"));
        dlg->setHostFile(true);
        prompts.clearShown();
        prompts.answerFile(target, kText);
        dlg->slotMenuFileExport();
        QCOMPARE(prompts.count(), 1); // the file dialog only
        QVERIFY(contentOf(target).startsWith("File Name"));

        // Pin lists that fail their check: their message, and nothing written in either format.
        dlg->context().logic().logicParts().at(0)->pinLists().at(0)->addPin(QStringLiteral("D1"), lxlib::ST_IN, 40);
        QVERIFY(put(target, "old"));
        const QString htm = tmp.filePath(QStringLiteral("r.htm"));
        prompts.answerFile(target, kText);
        prompts.answerFile(htm, kHtml);
        dlg->slotMenuFileExport();
        const QString error = prompts.lastText();
        QVERIFY(error.contains(QStringLiteral("\"D1\": Incorrect bit sequences")));
        dlg->slotMenuFileExport();
        QCOMPARE(prompts.lastText(), error);
        QCOMPARE(contentOf(target), QByteArray("old"));
        QVERIFY(!QFile::exists(htm));
        QVERIFY(prompts.unexpected().isEmpty());
    }

    void passiveExport()
    {
        ScriptedPrompter prompts;
        QTemporaryDir tmp;
        auto dlg = std::make_unique<PartwrightDlg>(nullptr, QString(), QString());
        dlg->slotMenuFileExport();
        QCOMPARE(prompts.texts(), QStringList(kNoModel));

        // The wizard's own passive build feeds both reports.
        dlg = opened(QStringLiteral("resistor-network-board.model"));
        QCOMPARE(dlg->deviceCategory(), int(PartwrightDlg::Passive));
        prompts.clearShown();
        prompts.answerFile(tmp.filePath(QStringLiteral("p")), kText);
        prompts.answerFile(tmp.filePath(QStringLiteral("p")), kHtml);
        dlg->slotMenuFileExport();
        dlg->slotMenuFileExport();
        QCOMPARE(prompts.texts(), QStringList(2, kHtml + ";;" + kText));
        const QByteArray text = contentOf(tmp.filePath(QStringLiteral("p.txt")));
        QVERIFY(text.startsWith(
            ("File Name\t\t: " + dlg->modelFileName() + "\nDevice Type Category\t: Passive\nDevice Name\t\t: RN8-10K\n").toLatin1()));
        QVERIFY(text.contains("\tName\t: JP1"));
        QVERIFY(contentOf(tmp.filePath(QStringLiteral("p.htm"))).contains("<TD><tt>Device Name : </tt>&nbsp;</TD>\n"
                                                                          "<TD><tt>RN8-10K</tt>"));

        dlg->setPassiveReportBuilder([] { return false; });
        prompts.answerFile(tmp.filePath(QStringLiteral("q")), kText);
        dlg->slotMenuFileExport();
        QCOMPARE(prompts.lastText(), kNoModel);
        QVERIFY(!QFile::exists(tmp.filePath(QStringLiteral("q.txt"))));
        QVERIFY(prompts.unexpected().isEmpty());
    }
};

QTEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"
