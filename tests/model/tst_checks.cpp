#include "CLogicChecks.h"
#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "ModelFixture.h"

#include <QTest>

using namespace lxlib;

namespace {

CTestSequences* addSequence(CLogicPart& part, const QString& name, CTestSequence* statement)
{
    auto* ts = new CTestSequences(name);
    ts->appendStatement(statement);
    part.insertTestSequence(part.testSequences().count(), ts);
    return ts;
}

} // namespace

class TestChecks : public QObject
{
    Q_OBJECT

private slots:
    void pinListOrderAndTexts()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        QString error;
        QVERIFY(logic.validatePinLists(error));

        // A bad bit sequence in a later part is reported before an empty pin list earlier.
        addPinList(*logic.logicParts().at(0), "Empty", {});
        CLogicPart* later = addPart(logic, "Part2");
        addPinList(*later, "Bus", {{"A0", ST_DATAI, 1}, {"A1", ST_DATAI, 2}});
        QVERIFY(!logic.validatePinLists(error));
        QVERIFY(error.startsWith("Error Part2 Bus - Pin Name \"A0\": Incorrect bit sequences\n"));

        logic.logicParts().remove(1);
        QVERIFY(!logic.validatePinLists(error));
        QCOMPARE(error, QString("Error Part1 Empty: There is no pin definition specified"));
    }

    void pinChecks()
    {
        struct Case
        {
            PinSpec pin;
            QString error;
        };
        const QList<Case> cases = {
            {{" ", ST_DATAI, 0}, "Error Part1 PL: Pin names are not correctly specified"},
            {{"", ST_DATAI, 0}, "Error Part1 PL: Pin names are not correctly specified"},
            {{"  ", ST_DATAI, 0}, ""},
            {{"A0", ST_NONE, 0}, "Error Part1 PL: 'A0' has an unknown Signal Type"},
            {{"A0", ST_DATAI, -1}, "Error Part1 PL: Bit number '-1' is not valid"},
            {{"D0", ST_DATAO, 0}, ""},
            {{"A0", ST_DATAO, 0},
             "Error : Part1 PL \nSignal Type INPUT in the package can not be used as DATAO"},
            {{"Y0", ST_IN, 0}, "Error : Part1 PL \nSignal Type OUTPUT in the package can not be used as IN"},
            {{"Y0", ST_MUXO, 0}, ""},
            {{"NotInPackage", ST_DATA, 0}, ""},
            {{"A0", ST_PWR, 0}, ""},
        };
        for (const Case& c : cases) {
            CLogic logic;
            addPackage(logic, "P", {{"A0", PPT_INPUT}, {"Y0", PPT_OUTPUT}, {"D0", PPT_INOUT_PD}, {"  ", PPT_INPUT}});
            addPinList(*addPart(logic, "Part1"), "PL", {c.pin});
            QString error;
            QCOMPARE(logic.validatePinLists(error), c.error.isEmpty());
            QCOMPARE(error, c.error);
        }

        // Every package is checked, not only the first with the name.
        CLogic twoPackages;
        addPackage(twoPackages, "P1", {{"X", PPT_INOUT}});
        addPackage(twoPackages, "P2", {{"X", PPT_INPUT}});
        addPinList(*addPart(twoPackages, "Part1"), "PL", {{"X", ST_DATAO, 0}});
        QString error;
        QVERIFY(!twoPackages.validatePinLists(error));
        QVERIFY(error.contains("Signal Type INPUT"));
    }

    void pinListsMatchAndPresence()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);
        QString error;
        QVERIFY(logic.checkPinListsMatch(error));
        addPinList(*part, "PL2", {{"D0", ST_DATA, 0}, {"OE", ST_OE, 0}, {"Y0", ST_DATAO, 0},
                                  {"A1", ST_DATAI, 1}, {"A0", ST_DATAI, 0}});
        QVERIFY(logic.checkPinListsMatch(error));
        addPinList(*part, "PL3", {{"D0", ST_DATA, 0}, {"OE", ST_OE, 0}, {"Y0", ST_DATAO, 0},
                                  {"A1", ST_DATAI, 1}, {"A0", ST_DATAI, 2}});
        QVERIFY(!logic.checkPinListsMatch(error));
        QCOMPARE(error, QString("Pin List \"PL1\" does not match with Pin List \"PL3\"\nSignal Types and "
                                "the Bit Numbers for both Pin Lists have to match"));
        part->pinLists().remove(2);
        addPinList(*part, "Short", {{"D0", ST_DATA, 0}});
        QVERIFY(!logic.checkPinListsMatch(error));
        QVERIFY(error.contains("\"Short\""));

        QVERIFY(logic.checkPinListsPresent(error));
        addPart(logic, "Bare");
        QVERIFY(!logic.checkPinListsPresent(error));
        QCOMPARE(error, QString("Error 'Bare': There is no Pin List specified\n"));
        // A part without pin lists has nothing to compare.
        part->pinLists().remove(2);
        QVERIFY(logic.checkPinListsMatch(error));
    }

    void vectorsAndSequences()
    {
        QString error;
        QVERIFY(CLogicChecks::isValidVector("01xzXZ", CLogicChecks::LogicVectorCharacters));
        QVERIFY(CLogicChecks::isValidVector("", CLogicChecks::PatternVectorCharacters));
        QVERIFY(!CLogicChecks::isValidVector("H", CLogicChecks::PatternVectorCharacters));

        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);
        part->truthTable().append(new LxLibTruthTableRecord("01xz"));
        QVERIFY(CLogicChecks::validateLogicPage(logic, error));
        part->truthTable().append(new LxLibTruthTableRecord("0121"));
        QVERIFY(!CLogicChecks::validateLogicPage(logic, error));
        QCOMPARE(error, QString("Error Part1 Function Truth Table: This vector '0121' is not valid"));
        part->truthTable().clear();

        addSequence(*part, "TS 01", new CVectorTestSequence("0 1"));
        QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
        QCOMPARE(error, QString("Error Part1 TS 01: This vector 0 1 is not valid"));
        part->testSequences().clear();
        // A character past Latin-1 whose low byte is an allowed one.
        addSequence(*part, "TS 01", new CVectorTestSequence(QStringLiteral("1\u0130")));
        QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
        QCOMPARE(error, QStringLiteral("Error Part1 TS 01: This vector 1\u0130 is not valid"));
        part->testSequences().clear();

        auto* loop = new CLoopTestSequence(0, 0);
        loop->appendVector(new CVectorTestSequence("2"));
        addSequence(*part, "TS 01", loop);
        QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
        QCOMPARE(error, QString("Error Part1 TS 01: Number of times to repeat is not valid"));
        loop->setCount(4);
        QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
        QCOMPARE(error, QString("Error Part1 TS 01: vector '2' is not valid"));
        part->testSequences().clear();

        addSequence(*part, "TS 01", new CWaitTestSequence(5, TU_NONE));
        QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
        QCOMPARE(error, QString("Error Part1 TS 01: Unit of the wait time is not specified"));
        part->testSequences().clear();
        addSequence(*part, "TS 01", new CWaitTestSequence(5, TU_TCK));
        QVERIFY(CLogicChecks::checkTestSequences(logic, error));

        addSequence(*part, "", new CVectorTestSequence("2"));
        QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
        QCOMPARE(error, QString("This Test Sequence has no name"));
        part->testSequences().remove(1);

        // A diagnostic rule needs its signal, bit and stuck-at type; rules of
        // undefined diagnostics are not looked at.
        addSequence(*part, "TS 02", new CVectorTestSequence("1"));
        auto* d = new CLogicDiagnose(CLogicDiagnose::Defined, CLogicDiagnose::VectorRow);
        d->AddRule(new LxLibDiagRuleStuckAt(ST_DATAO, 0, SA_1));
        part->testSequenceDiagnostics().setDiagnose(1, 0, d);
        QVERIFY(CLogicChecks::checkTestSequences(logic, error));
        for (const LxLibDiagRuleStuckAt& incomplete : {LxLibDiagRuleStuckAt(ST_NONE, 0, SA_1),
                                                       LxLibDiagRuleStuckAt(ST_DATAO, -1, SA_1),
                                                       LxLibDiagRuleStuckAt(ST_DATAO, 0, SA_NONE)}) {
            d->GetRuleList().clear();
            d->AddRule(incomplete.clone());
            QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
            QCOMPARE(error, QString("Error Part1 TS 02: A diagnostic rule of row 1 has no signal, bit or stuck-at type"));
        }
        d->setState(CLogicDiagnose::NotDefined);
        QVERIFY(CLogicChecks::checkTestSequences(logic, error));
    }

    void patterns()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);
        QString error;
        part->enablePatterns().append(new LxLibEnablePattern("Enable 01"));
        QVERIFY(CLogicChecks::checkEnablePatterns(logic, error));

        auto* enable = new LxLibEnablePattern("Enable 02");
        enable->AddSetSignal(new LxLibSetSignal(ST_OE, "0X"));
        enable->AddSetSignal(new LxLibSetSignal(ST_DATA, "L"));
        part->enablePatterns().append(enable);
        QVERIFY(!CLogicChecks::checkEnablePatterns(logic, error));
        QCOMPARE(error, QString("Error Part1 Enable 02: This vector 'L' is not valid"));
        enable->GetSetSignalList().remove(1);
        enable->AddSetSignal(new LxLibSetSignal(ST_DATAO, "1"));
        QVERIFY(!CLogicChecks::checkEnablePatterns(logic, error));
        QCOMPARE(error, QString("Error Part1 Enable 02: This signal type 'DATAO' is not valid"));
        enable->GetSetSignalList().remove(1);

        part->disablePatterns().append(new LxLibDisablePattern("Disable 01"));
        QVERIFY(!CLogicChecks::checkDisablePatterns(logic, error));
        QCOMPARE(error, QString("Error Part1 Disable 01: There is no Disable Pattern defined"));
        part->disablePatterns().at(0)->AddSetSignal(new LxLibSetSignal(ST_MUX, "1"));
        QVERIFY(!CLogicChecks::checkDisablePatterns(logic, error));
        QCOMPARE(error, QString("Error Part1 Disable 01: This signal type 'MUX' is not valid"));
    }

    void logicPageOrder()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);
        // Problems everywhere; each fix uncovers the next check in line. Each
        // failing record was read from its own line, which the check names.
        logic.packages().at(0)->addPin("", "X", PPT_INPUT);
        logic.packages().at(0)->pins().last()->setSourcePosition({11, 5});
        part->truthTable().append(new LxLibTruthTableRecord("9"));
        part->truthTable().last()->setSourcePosition(12, 7);
        addSequence(*part, "", new CVectorTestSequence("1"))->setSourcePosition({13, 5});
        auto* enable = new LxLibEnablePattern("E");
        enable->AddSetSignal(new LxLibSetSignal(ST_OE, "H"));
        enable->GetSetSignalList().last()->setSourcePosition(14, 7);
        part->enablePatterns().append(enable);
        part->disablePatterns().append(new LxLibDisablePattern("D"));
        part->disablePatterns().last()->setSourcePosition(15, 5);
        addPinList(*part, "Other", {{"D0", ST_DATA, 0}})->setSourcePosition({16, 5});

        QStringList seen;
        QList<int> lines;
        QString error;
        CSourcePosition at;
        while (!CLogicChecks::validateLogicPage(logic, error, &at) && seen.count() < 10) {
            seen << error;
            lines << at.sourceLine() * 100 + at.sourceColumn();
            if (error == "Incorrect package specification")
                logic.packages().at(0)->pins().remove(logic.packages().at(0)->pins().count() - 1);
            else if (error.contains("Truth Table"))
                part->truthTable().clear();
            else if (error.contains("no name"))
                part->testSequences().clear();
            else if (error.startsWith("Error Part1 E:"))
                part->enablePatterns().clear();
            else if (error.startsWith("Error Part1 D:"))
                part->disablePatterns().clear();
            else
                part->pinLists().remove(1);
        }
        QCOMPARE(seen.count(), 6);
        QCOMPARE(seen[0], QString("Incorrect package specification"));
        QVERIFY(seen[1].contains("Function Truth Table"));
        QCOMPARE(seen[2], QString("This Test Sequence has no name"));
        QCOMPARE(seen[3], QString("Error Part1 E: This vector 'H' is not valid"));
        QCOMPARE(seen[4], QString("Error Part1 D: There is no Disable Pattern defined"));
        QVERIFY(seen[5].startsWith("Pin List \"PL1\" does not match with Pin List \"Other\""));
        QCOMPARE(lines, QList<int>({1105, 1207, 1305, 1407, 1505, 1605}));
    }

    void pinListFailuresNameTheirRecord()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CPinList* list = logic.logicParts().at(0)->pinLists().at(0);
        list->setSourcePosition({20, 5});
        for (int i = 0; i < list->pins().count(); ++i)
            list->pins().at(i)->setSourcePosition({21 + i, 7});
        CSourcePosition at;
        QString error;
        QVERIFY(CLogicChecks::validatePinLists(logic, error, &at));
        QVERIFY(!at.hasSourcePosition());

        // The pin after the gap in the bits, then a pin whose type the package pin refuses.
        list->pins().at(1)->setPinName(" ");
        list->addPin("Y0", ST_DATAO, 3);
        list->pins().last()->setSourcePosition({26, 7});
        QVERIFY(!CLogicChecks::validatePinLists(logic, error, &at));
        QCOMPARE(at.sourceLine(), 26);
        list->pins().remove(list->pins().count() - 1);
        QVERIFY(!CLogicChecks::validatePinLists(logic, error, &at));
        QCOMPARE(error, QString("Error Part1 PL1: Pin names are not correctly specified"));
        QCOMPARE(at.sourceLine(), 22);
        QCOMPARE(at.sourceColumn(), 7);
        list->pins().clear();
        QVERIFY(!CLogicChecks::validatePinLists(logic, error, &at));
        QCOMPARE(at.sourceLine(), 20);

        logic.logicParts().at(0)->setSourcePosition({19, 3});
        logic.logicParts().at(0)->pinLists().clear();
        QVERIFY(!CLogicChecks::checkPinListsPresent(logic, error, &at));
        QCOMPARE(at.sourceLine(), 19);
    }
};

int runCheckTests(int argc, char** argv)
{
    TestChecks t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_checks.moc"
