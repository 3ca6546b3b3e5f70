#include "CLoopTestSequence.h"
#include "CVectorTestSequence.h"
#include "CWaitTestSequence.h"
#include "PWReportFile.h"
#include "PWReportText.h"
#include "ReportFixture.h"

#include <QTemporaryDir>

#include <tuple>

using namespace lxlib;
using namespace Qt::StringLiterals;

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
    void examplesSectionsInOrder()
    {
        ExampleModel ex(u"octal-buffer-244.model"_s);
        QVERIFY(ex.read);
        const QStringList lines = PWReportText::logicReport(ex.model.logic(), u"f.model"_s, u"OB244"_s, u"Logic"_s);
        QCOMPARE(lines.mid(0, 3), QStringList({"File Name\t\t:f.model", "Device Name\t\t:OB244", "Device Type Category\t:Logic"}));
        const QString logic = lines.join('\n');
        QVERIFY(inOrder(logic, {"\nPACKAGES\n", "\nPackage Name\t: DIP20, SO20\n", "\n\t\tNr \tName \tType\n",
                                "\n\t\t1\t1OE_N\tINPUT\n", "\nPARTS\n", "\n  Part Name\t: Buffer\n",
                                "\n\tPin List Name\t: Half 1\n", "\n\t\tName\tType\tBit\n", "\n\t\t1OE_N\tOE\t0\n",
                                "\n\tPin List Name\t: Half 2\n", "\n\tTruth Table\n\t\tLLLL00000\n",
                                "\n\tTest Sequence Name\t: Walking one\n\t\tLLLH00010,\tOUT 5 SA0\n", "\n\t\tHHLH11010,\t\n",
                                "\n\t\tZZZZ11111,\tOE 0 SA0\n\t\tWait\t1\tus\n",
                                "\n\tEnable Patterns\t\n\t\tOE = \"0\"\tOutput EnableName : Outputs on\n",
                                "\n\tDisable Patterns\n\t\tOE = \"1\"\tDisable Type : OUT "}));
        QVERIFY(!logic.contains(u"Package Has TAP"_s));

        ExampleModel passive(u"resistor-network-board.model"_s);
        QVERIFY(passive.read);
        const QStringList parts = PWReportText::passiveReport(*passive.document, u"r.model"_s, u"Passive"_s);
        QCOMPARE(parts.mid(0, 7), QStringList({"File Name\t\t: r.model", "Device Type Category\t: Passive",
                                               "Device Name\t\t: RN8-10K\n", "Parts\n", "\tName\t: RN1",
                                               "\tType\t: RESISTOR", "\t\t\"1\"\t\"16\"\n"}));
        QVERIFY(inOrder(parts.join('\n'), {"\tName\t: JP1\n\tType\t: CONNECTION\n\t\t\"JP1\"\t\"JP2\"\n",
                                           "\n\t\tCondition : Position 1-2\n\t\t\t\"JP1\" \"JP2\"\t\n"}));
        QVERIFY(PWReportText::passiveReport(LxLibInfo(QString()), QString(), QString()).isEmpty());
    }

    void emptySectionsAndSpecifications()
    {
        CLogic logic;
        auto* part = new CLogicPart(u"U1"_s);
        logic.insertLogicPart(0, part);
        QCOMPARE(PWReportText::logicReport(logic, QString(), QString(), QString()).mid(3),
                 QStringList({"PARTS", "  Part Name\t: U1"}));
        QVERIFY(PWReportText::logicReport(CLogic(), QString(), QString(), QString()).isEmpty());

        auto* enable = new LxLibEnablePattern(u"E1"_s);
        enable->AddSetSignal(new LxLibSetSignal(ST_CE, u"0"_s));
        enable->AddSetEnable(new LxLibSetEnable(ET_CHIP_ENABLE));
        part->insertEnablePattern(0, enable);
        QCOMPARE(PWReportText::enableText(*part), QStringList({"\tEnable Patterns\t", "\t\tCE = \"0\"\tChip EnableName : E1"}));
        auto* all = new LxLibEnablePattern(u"E2"_s);
        all->AddSetEnable(new LxLibSetEnable(ET_OUTPUT_ENABLE));
        all->AddSetEnable(new LxLibSetEnableConnection(ST_IN, ST_OUT, -1, -1, 1));
        all->AddSetEnable(new LxLibSetEnableConnection(ST_IN, ST_OUT));
        for (const auto& [invert, latch] : {std::pair{1, 1}, {0, 1}, {1, 0}, {0, 0}})
            all->AddSetEnable(new LxLibSetEnableEqual(ST_OE, ST_DIR, -1, -1, invert, latch));
        all->AddSetEnable(new LxLibSetEnableDisable(ST_DATA));
        all->AddSetEnable(new LxLibSetEnable(ET_POWER_CONTROL));
        part->insertEnablePattern(1, all);
        QCOMPARE(PWReportText::enableText(*part).at(2),
                 u"\t\tOutput Enable Connection Invert IN OUT Connection IN OUT OE is Latch Invert DIR OE is Latch DIR "
                 "OE is Inverted DIR OE is DIR Output Disable DATA Power ControlName : E2"_s);

        auto* disable = new LxLibDisablePattern(u"never shown"_s);
        disable->AddSetSignal(new LxLibSetSignal(ST_OE, u"1"_s));
        disable->AddSetSignal(new LxLibSetSignal(ST_WE, u"1"_s));
        disable->AddSetDisable(new LxLibSetDisable(ST_OUT));
        disable->AddSetDisable(new LxLibSetDisable(ST_IO));
        part->insertDisablePattern(0, disable);
        QCOMPARE(PWReportText::disableText(*part),
                 QStringList({"\tDisable Patterns", "\t\tOE = \"1\"\tWE = \"1\"\tDisable Type : OUT IO "}));
        const QStringList lines = PWReportText::partsText(logic.logicParts());
        QVERIFY(lines.indexOf(u"\tEnable Patterns\t"_s) < lines.indexOf(u"\tDisable Patterns"_s));
    }

    void repeatAndWaitLines()
    {
        CLogicPart part(u"U1"_s);
        auto* sequence = new CTestSequences(u"S"_s);
        sequence->appendStatement(new CVectorTestSequence(u"01"_s));
        auto* loop = new CLoopTestSequence(3, BM_ON_ERROR);
        loop->appendVector(new CVectorTestSequence(u"10"_s));
        loop->appendVector(new CVectorTestSequence(u"11"_s));
        sequence->appendStatement(loop);
        sequence->appendStatement(new CLoopTestSequence(7, BM_ON_NO_ERROR));
        sequence->appendStatement(new CVectorTestSequence(u"00"_s));
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
                 QStringList({"\tTest Sequence Name\t: S", "\t\t01,\tOUT 1 SA1", "\t\tRepeat\t3: Break On Error",
                              "\t\t 10,\t", "\t\t 11,\tIN 0 SA0", "\t\tEnd Repeat", "\t\tRepeat\t7: Break On No Error",
                              "\t\tEnd Repeat", "\t\t00,\tOUT 0 SA0, OUT 1 SA1", "\t\tWait\t5\tms"}));
    }

    void extensionRulesAndWrite()
    {
        const std::tuple<const char*, bool, const char*> rules[] = {
            {"report.dat", false, "report.dat.txt"}, {"report.TxT", false, "report.TxT"},
            {"report", false, "report.txt"},         {"a.txt/report", false, "a.txt/report.txt"},
            {"report.html", true, "report.html"},    {"report.HTM", true, "report.HTM"},
            {"report", true, "report.htm"},          {"report.txt", true, "report.txt.htm"}};
        for (const auto& [name, html, expected] : rules)
            QCOMPARE(PWReportFile::withExtension(name, html), QString::fromLatin1(expected));

        QTemporaryDir tmp;
        const QString path = tmp.filePath(u"r.txt"_s);
        QVERIFY(PWReportFile::write(path, u"a\u00e9\u20ac"_s));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("a\xe9?\n"));
        QString why;
        QVERIFY(!PWReportFile::write(tmp.filePath(u"no/such/dir/r.txt"_s), u"x"_s, &why));
        QVERIFY(!why.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
