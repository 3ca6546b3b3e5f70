// The text report: sections, the enable, disable, repeat and wait lines, the
// passive report and the file name rules.

#include "CLoopTestSequence.h"
#include "CVectorTestSequence.h"
#include "CWaitTestSequence.h"
#include "PWReportFile.h"
#include "PWReportText.h"
#include "ReportFixture.h"

#include <QTemporaryDir>

using namespace lxlib;

class TestReportText : public QObject
{
    Q_OBJECT

    static CLogicDiagnose* stuck(int signal, int bit, int stuckAt)
    {
        auto* d = new CLogicDiagnose(CLogicDiagnose::Defined, CLogicDiagnose::VectorRow);
        d->AddRule(new LxLibDiagRuleStuckAt(signal, bit, stuckAt));
        return d;
    }

private slots:
    void logicExampleSectionsInOrder()
    {
        ExampleModel ex(QStringLiteral("octal-buffer-244.model"));
        QVERIFY(ex.read);
        const QStringList lines =
            PWReportText::logicReport(ex.model.logic(), QStringLiteral("f.model"), QStringLiteral("OB244"),
                                      QStringLiteral("Logic"));
        QCOMPARE(lines.mid(0, 3), QStringList({QStringLiteral("File Name\t\t:f.model"),
                                               QStringLiteral("Device Name\t\t:OB244"),
                                               QStringLiteral("Device Type Category\t:Logic")}));
        QVERIFY(inOrder(lines.join(QLatin1Char('\n')),
                        {QStringLiteral("\nPACKAGES\n"), QStringLiteral("\nPackage Name\t: DIP20, SO20\n"),
                         QStringLiteral("\n\t\tNr \tName \tType\n"), QStringLiteral("\n\t\t1\t1OE_N\tINPUT\n"),
                         QStringLiteral("\nPARTS\n"), QStringLiteral("\n  Part Name\t: Buffer\n"),
                         QStringLiteral("\n\tPin List Name\t: Half 1\n"), QStringLiteral("\n\t\tName\tType\tBit\n"),
                         QStringLiteral("\n\t\t1OE_N\tOE\t0\n"), QStringLiteral("\n\tPin List Name\t: Half 2\n"),
                         QStringLiteral("\n\tTruth Table\n\t\tLLLL00000\n"),
                         QStringLiteral("\n\tTest Sequence Name\t: Walking one\n\t\tLLLH00010,\tOUT 5 SA0\n"),
                         QStringLiteral("\n\t\tHHLH11010,\t\n"),
                         QStringLiteral("\n\t\tZZZZ11111,\tOE 0 SA0\n\t\tWait\t1\tus\n"),
                         QStringLiteral("\n\tEnable Patterns\t\n\t\tOE = \"0\"\tOutput EnableName : Outputs on\n"),
                         QStringLiteral("\n\tDisable Patterns\n\t\tOE = \"1\"\tDisable Type : OUT ")}));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("Package Has TAP")));
    }

    void emptySectionsAndSpecifications()
    {
        CLogic logic;
        auto* part = new CLogicPart(QStringLiteral("U1"));
        logic.insertLogicPart(0, part);
        QStringList lines = PWReportText::logicReport(logic, QString(), QString(), QString());
        QCOMPARE(lines.mid(3), QStringList({QStringLiteral("PARTS"), QStringLiteral("  Part Name\t: U1")}));
        QVERIFY(PWReportText::logicReport(CLogic(), QString(), QString(), QString()).isEmpty());

        auto* enable = new LxLibEnablePattern(QStringLiteral("E1"));
        enable->AddSetSignal(new LxLibSetSignal(ST_CE, QStringLiteral("0")));
        enable->AddSetEnable(new LxLibSetEnable(ET_CHIP_ENABLE));
        part->insertEnablePattern(0, enable);
        QCOMPARE(PWReportText::enableText(*part),
                 QStringList({QStringLiteral("\tEnable Patterns\t"),
                              QStringLiteral("\t\tCE = \"0\"\tChip EnableName : E1")}));

        auto* all = new LxLibEnablePattern(QStringLiteral("E2"));
        all->AddSetEnable(new LxLibSetEnable(ET_OUTPUT_ENABLE));
        all->AddSetEnable(new LxLibSetEnableConnection(ST_IN, ST_OUT, -1, -1, 1));
        all->AddSetEnable(new LxLibSetEnableConnection(ST_IN, ST_OUT));
        all->AddSetEnable(new LxLibSetEnableEqual(ST_OE, ST_DIR, -1, -1, 1, 1));
        all->AddSetEnable(new LxLibSetEnableEqual(ST_OE, ST_DIR, -1, -1, 0, 1));
        all->AddSetEnable(new LxLibSetEnableEqual(ST_OE, ST_DIR, -1, -1, 1, 0));
        all->AddSetEnable(new LxLibSetEnableEqual(ST_OE, ST_DIR));
        all->AddSetEnable(new LxLibSetEnableDisable(ST_DATA));
        all->AddSetEnable(new LxLibSetEnable(ET_POWER_CONTROL));
        part->insertEnablePattern(1, all);
        QCOMPARE(PWReportText::enableText(*part).at(2),
                 QStringLiteral("\t\tOutput Enable Connection Invert IN OUT Connection IN OUT OE is Latch Invert DIR "
                                "OE is Latch DIR OE is Inverted DIR OE is DIR Output Disable DATA Power "
                                "ControlName : E2"));

        auto* disable = new LxLibDisablePattern(QStringLiteral("never shown"));
        disable->AddSetSignal(new LxLibSetSignal(ST_OE, QStringLiteral("1")));
        disable->AddSetSignal(new LxLibSetSignal(ST_WE, QStringLiteral("1")));
        disable->AddSetDisable(new LxLibSetDisable(ST_OUT));
        disable->AddSetDisable(new LxLibSetDisable(ST_IO));
        part->insertDisablePattern(0, disable);
        QCOMPARE(PWReportText::disableText(*part),
                 QStringList({QStringLiteral("\tDisable Patterns"),
                              QStringLiteral("\t\tOE = \"1\"\tWE = \"1\"\tDisable Type : OUT IO ")}));
        lines = PWReportText::partsText(logic.logicParts());
        QVERIFY(lines.indexOf(QStringLiteral("\tEnable Patterns\t")) < lines.indexOf(QStringLiteral("\tDisable Patterns")));
    }

    void repeatAndWaitLines()
    {
        CLogicPart part(QStringLiteral("U1"));
        auto* sequence = new CTestSequences(QStringLiteral("S"));
        sequence->appendStatement(new CVectorTestSequence(QStringLiteral("01")));
        auto* loop = new CLoopTestSequence(3, BM_ON_ERROR);
        loop->appendVector(new CVectorTestSequence(QStringLiteral("10")));
        loop->appendVector(new CVectorTestSequence(QStringLiteral("11")));
        sequence->appendStatement(loop);
        sequence->appendStatement(new CLoopTestSequence(7, BM_ON_NO_ERROR));
        sequence->appendStatement(new CVectorTestSequence(QStringLiteral("00")));
        sequence->appendStatement(new CWaitTestSequence(5, TU_MS));
        part.insertTestSequence(0, sequence);
        // Rows: 0 vector, 1 repeat, 2-3 members, 4 end, 5 repeat, 6 end, 7 vector, 8 wait.
        auto& rows = part.testSequenceDiagnostics();
        rows.setDiagnose(0, 0, stuck(ST_OUT, 1, SA_1));
        rows.setDiagnose(0, 3, stuck(ST_IN, 0, SA_0));
        auto* two = stuck(ST_OUT, 0, SA_0);
        two->AddRule(new LxLibDiagRuleStuckAt(ST_OUT, 1, SA_1));
        rows.setDiagnose(0, 7, two);
        QCOMPARE(PWReportText::testSequenceText(part),
                 QStringList({QStringLiteral("\tTest Sequence Name\t: S"), QStringLiteral("\t\t01,\tOUT 1 SA1"),
                              QStringLiteral("\t\tRepeat\t3: Break On Error"), QStringLiteral("\t\t 10,\t"),
                              QStringLiteral("\t\t 11,\tIN 0 SA0"), QStringLiteral("\t\tEnd Repeat"),
                              QStringLiteral("\t\tRepeat\t7: Break On No Error"), QStringLiteral("\t\tEnd Repeat"),
                              QStringLiteral("\t\t00,\tOUT 0 SA0, OUT 1 SA1"), QStringLiteral("\t\tWait\t5\tms")}));
    }

    void passiveReportFirstLines()
    {
        ExampleModel ex(QStringLiteral("resistor-network-board.model"));
        QVERIFY(ex.read);
        const QStringList lines =
            PWReportText::passiveReport(*ex.document, QStringLiteral("r.model"), QStringLiteral("Passive"));
        QCOMPARE(lines.mid(0, 6), QStringList({QStringLiteral("File Name\t\t: r.model"),
                                               QStringLiteral("Device Type Category\t: Passive"),
                                               QStringLiteral("Device Name\t\t: RN8-10K\n"), QStringLiteral("Parts\n"),
                                               QStringLiteral("\tName\t: RN1"), QStringLiteral("\tType\t: RESISTOR")}));
        QCOMPARE(lines.at(6), QStringLiteral("\t\t\"1\"\t\"16\"\n"));
        const QString all = lines.join(QLatin1Char('\n'));
        QVERIFY(inOrder(all, {QStringLiteral("\tName\t: JP1\n\tType\t: CONNECTION\n\t\t\"JP1\"\t\"JP2\"\n"),
                              QStringLiteral("\n\t\tCondition : Position 1-2\n\t\t\t\"JP1\" \"JP2\"\t\n")}));
        QVERIFY(PWReportText::passiveReport(LxLibInfo(QString()), QString(), QString()).isEmpty());
    }

    void extensionRulesAndWrite()
    {
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("report.dat"), false), QStringLiteral("report.dat.txt"));
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("report.TxT"), false), QStringLiteral("report.TxT"));
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("report"), false), QStringLiteral("report.txt"));
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("a.txt/report"), false), QStringLiteral("a.txt/report.txt"));
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("report.html"), true), QStringLiteral("report.html"));
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("report.HTM"), true), QStringLiteral("report.HTM"));
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("report"), true), QStringLiteral("report.htm"));
        QCOMPARE(PWReportFile::withExtension(QStringLiteral("report.txt"), true), QStringLiteral("report.txt.htm"));

        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("r.txt"));
        QVERIFY(PWReportFile::write(path, QStringLiteral("a\u00e9\u20ac")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("a\xe9?\n"));
        QString why;
        QVERIFY(!PWReportFile::write(tmp.filePath(QStringLiteral("no/such/dir/r.txt")), QStringLiteral("x"), &why));
        QVERIFY(!why.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
