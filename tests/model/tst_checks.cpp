#include "CLogicBuilder.h"
#include "CLogicChecks.h"
#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "LxLibInfo.h"
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

// The file the logic builds into.
QByteArray builtText(CLogic& logic)
{
    LxLibInfo doc("x.model");
    QString error;
    return logic.buildLogicComponent(&doc, "DEV", error) ? doc.toText() : error.toUtf8();
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
        const QList<std::pair<PinSpec, QString>> cases = {
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
        for (const auto& [pin, expected] : cases) {
            CLogic logic;
            addPackage(logic, "P", {{"A0", PPT_INPUT}, {"Y0", PPT_OUTPUT}, {"D0", PPT_INOUT_PD}, {"  ", PPT_INPUT}});
            addPinList(*addPart(logic, "Part1"), "PL", {pin});
            QString error;
            QCOMPARE(logic.validatePinLists(error), expected.isEmpty());
            QCOMPARE(error, expected);
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

        // The only sequence of the part; what the check says of it, empty when it passes.
        auto sequenceError = [&](CTestSequence* statement, const QString& name = "TS 01") {
            part->testSequences().clear();
            addSequence(*part, name, statement);
            return CLogicChecks::checkTestSequences(logic, error) ? QString() : error;
        };
        QCOMPARE(sequenceError(new CVectorTestSequence("0 1")), QString("Error Part1 TS 01: This vector 0 1 is not valid"));
        // A character past Latin-1 whose low byte is an allowed one.
        QCOMPARE(sequenceError(new CVectorTestSequence(QStringLiteral("1\u0130"))),
                 QStringLiteral("Error Part1 TS 01: This vector 1\u0130 is not valid"));
        auto* loop = new CLoopTestSequence(0, 0);
        loop->appendVector(new CVectorTestSequence("2"));
        QCOMPARE(sequenceError(loop), QString("Error Part1 TS 01: Number of times to repeat is not valid"));
        loop->setCount(4);
        QVERIFY(!CLogicChecks::checkTestSequences(logic, error));
        QCOMPARE(error, QString("Error Part1 TS 01: vector '2' is not valid"));
        QCOMPARE(sequenceError(new CWaitTestSequence(5, TU_NONE)),
                 QString("Error Part1 TS 01: Unit of the wait time is not specified"));
        QCOMPARE(sequenceError(new CVectorTestSequence("2"), ""), QString("This Test Sequence has no name"));
        QCOMPARE(sequenceError(new CWaitTestSequence(5, TU_TCK)), QString());

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

    void failures()
    {
        CLogic logic;
        QString error;
        QVERIFY(!logic.buildLogicComponent(nullptr, "DEV", error));
        QVERIFY(error.isEmpty());

        LxLibInfo doc("x.model");
        QVERIFY(!logic.buildLogicComponent(&doc, "DEV", error));
        QCOMPARE(error, QString("Unable to save this model\nPackage information is required"));
        QVERIFY(doc.GetComponentList().isEmpty());
        QVERIFY(!logic.componentUnderConstruction());
    }

    void packagesAndParts()
    {
        CLogic logic;
        CPackage* package = addPackage(logic, "SO8", {{"A", PPT_INPUT}, {"B", PPT_OUTPUT}});
        package->addPin("tie0", "T", PPT_INPUT);
        package->addPin("Pad", "Q", PPT_INOUT);
        package->addPackageId("SOIC8");
        package->setHasTap(true);
        const QByteArray head = "model-format 1.2\ncomponent \"DEV\" {\n  package {\n    id \"SO8\"\n    id \"SOIC8\"\n"
                                "    tap\n    pin \"1\" \"A\" INPUT\n    pin \"2\" \"B\" OUTPUT\n"
                                "    pin \"TIE0\" \"T\" INPUT die TIE0\n    pin \"PAD\" \"Q\" INOUT die PAD\n  }\n";
        // No logic part still gives the file one unnamed logic.
        QCOMPARE(builtText(logic), head + "  logic \"\" {\n  }\n}\n");
        QCOMPARE(CLogicBuilder::diePinTypeOf("Open"), int(DPT_OPEN));
        QCOMPARE(CLogicBuilder::diePinTypeOf("TIE1"), int(DPT_TIE1));
        QCOMPARE(CLogicBuilder::diePinTypeOf("TIE"), int(DPT_EXTERN));

        // Parts without a usable pin list are left out; properties go out as they came
        // in, repeated keys and order included.
        CLogicPart* first = addPart(logic, "Good");
        addPinList(*first, "PL", {{"A", ST_IN, 0}, {"B", ST_OUT, 0}});
        first->properties() = {{"organisation", "128K x 8"}, {"family", "HC"}, {"organisation", "again"}};
        addPinList(*addPart(logic, "OnlyEmpty"), "PL", {});
        addPart(logic, "NoLists");
        CLogicPart* mixed = addPart(logic, "Mixed");
        addPinList(*mixed, "PL", {{"A", ST_IN, 0}});
        addPinList(*mixed, "PL2", {});
        QCOMPARE(builtText(logic), head + "  logic \"Good\" {\n    property \"organisation\" \"128K x 8\"\n"
                                          "    property \"family\" \"HC\"\n    property \"organisation\" \"again\"\n"
                                          "    pinlist \"PL\" {\n      signal IN 0 \"A\"\n      signal OUT 0 \"B\"\n    }\n  }\n}\n");
    }

    void sequencesAndDiagnostics()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);
        part->truthTable().append(new LxLibTruthTableRecord("01X"));

        auto* ts = new CTestSequences("TS 01");
        ts->appendStatement(new CVectorTestSequence("10"));
        auto* loop = new CLoopTestSequence(7, 2);
        for (const char* v : {"00", "01", "11"})
            loop->appendVector(new CVectorTestSequence(v));
        ts->appendStatement(loop);
        ts->appendStatement(new CWaitTestSequence(25, TU_US));
        part->insertTestSequence(0, ts);

        // Rows: 0 vector, 1 repeat, 2-4 its vectors, 5 end, 6 wait.
        CTestSequenceDiagnoseList& diags = part->testSequenceDiagnostics();
        auto defined = [](int kind, int stuckAt) {
            auto* d = new CLogicDiagnose(CLogicDiagnose::Defined, kind);
            d->AddRule(new LxLibDiagRuleStuckAt(ST_DATA, 0, stuckAt));
            return d;
        };
        diags.setDiagnose(0, 0, defined(CLogicDiagnose::VectorRow, SA_1));
        diags.setDiagnose(0, 2, new CLogicDiagnose(CLogicDiagnose::NotDefined, CLogicDiagnose::VectorRow));
        diags.setDiagnose(0, 3, defined(CLogicDiagnose::VectorRow, SA_0));
        // Out of step with the rows: the loop's vectors from here on get nothing.
        diags.setDiagnose(0, 4, defined(CLogicDiagnose::EndRow, SA_X));

        const QByteArray expected =
            "    truthtable {\n      row \"01X\"\n    }\n    sequence \"TS 01\" {\n      vector \"10\" {\n        diagnose {\n"
            "          stuck DATA 0 SA1\n        }\n      }\n      loop 7 break error {\n        vector \"00\"\n"
            "        vector \"01\" {\n          diagnose {\n            stuck DATA 0 SA0\n          }\n        }\n"
            "        vector \"11\"\n      }\n      wait 25 us\n    }\n  }\n}\n";
        // Building twice must not attach the diagnostics twice.
        for (int pass = 0; pass < 2; ++pass) {
            const QByteArray text = builtText(logic);
            QVERIFY2(text.endsWith(expected), text.constData());
        }
    }

    void patternCopies()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);

        part->enablePatterns().append(new LxLibEnablePattern("Empty"));
        auto* enable = new LxLibEnablePattern("Full");
        enable->AddSetEnable(new LxLibSetEnable(ET_POWER_CONTROL));
        enable->AddSetEnable(new LxLibSetEnableEqual(ST_DATAO, ST_OE, 3, 4, 1, 1, ST_DATA, -1));
        enable->AddSetEnable(new LxLibSetEnableConnection(ST_DATAI, ST_DATA, 0, 1, 1, 0));
        enable->AddSetEnable(new LxLibSetEnableDisable(ST_DATA, 2));
        enable->AddSetSignal(new LxLibSetSignal(ST_OE, "0", 3));
        part->enablePatterns().append(enable);

        auto* disable = new LxLibDisablePattern("Off");
        disable->AddSetDisable(new LxLibSetDisable(ST_DATAO));
        disable->AddSetSignal(new LxLibSetSignal(ST_OE, "1"));
        part->disablePatterns().append(disable);

        auto* latch = new LxLibLatchSequence("Latch 01");
        latch->AddSetEnable(new LxLibSetEnableEqual(ST_DATAO, ST_OE, 2, 0, 1, 1));
        latch->AddSetEnable(new LxLibSetEnableEqual(ST_DATA, ST_OE));
        auto* row = new LxLibSetSignalList;
        row->append(new LxLibSetSignal(ST_OE, "1"));
        latch->AddSetSignalList(row);
        part->latchSequences().append(latch);

        LxLibInfo doc("x.model");
        QString error;
        QVERIFY(logic.buildLogicComponent(&doc, "DEV", error));
        // Empty patterns get a placeholder; bits, differentials and all but the
        // first latch condition stay behind.
        const QByteArray text = doc.toText();
        QVERIFY2(text.endsWith("    enable \"Empty\" {\n      set - \"\"\n    }\n    enable \"Full\" {\n      set OE \"0\"\n"
                               "      power-control\n      equation DATAO -1 OE -1 invert latch\n"
                               "      connection DATAI -1 DATA -1 invert\n      output-disable DATA\n    }\n"
                               "    disable \"Off\" {\n      set OE \"1\"\n      disables DATAO\n    }\n"
                               "    latch \"Latch 01\" {\n      equation DATAO -1 OE -1 invert\n      step {\n"
                               "        set OE \"1\"\n      }\n    }\n  }\n}\n"),
                 text.constData());
        // The model keeps its own objects.
        QCOMPARE(part->latchSequences().at(0)->GetSetEnableList().count(), 2);

        // What is built passes the library's check and survives a write and a read.
        QString checkError;
        QVERIFY2(doc.check(&checkError) > 0, qPrintable(checkError));
        LxLibInfo reread("x.model");
        QStringList messages;
        connect(&reread, &LxLibInfo::message, this, [&](const lxlib::Message& m) { messages << m.text; });
        QVERIFY(reread.readFromData(text, true, false));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
        QCOMPARE(reread.toText(), text);
    }
};

int runCheckTests(int argc, char** argv)
{
    TestChecks t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_checks.moc"
