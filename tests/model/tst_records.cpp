#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "ModelFixture.h"
#include "PWVocabulary.h"

#include <QSet>
#include <QTest>

using namespace lxlib;

namespace {

int g_liveStatements = 0;

// Counts how many statements are alive, to see each deleted exactly once.
class CountedVector : public CVectorTestSequence
{
public:
    CountedVector() { ++g_liveStatements; }
    ~CountedVector() override { --g_liveStatements; }
};

CLoopTestSequence* loopOf(int vectors)
{
    auto* loop = new CLoopTestSequence(3, 1);
    for (int i = 0; i < vectors; ++i)
        loop->appendVector(new CVectorTestSequence("01"));
    return loop;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void pinListPins()
    {
        QString error;
        CPinList repeated("PL");
        for (int bit : {0, 0, 1})
            repeated.addPin("P", ST_DATA, bit);
        QVERIFY(repeated.checkBitSequence(error));

        CPinList fromOne("Bus");
        fromOne.addPin("A", ST_DATA, 1);
        fromOne.addPin("B", ST_DATA, 2);
        QVERIFY(!fromOne.checkBitSequence(error));
        QCOMPARE(error, QString("Bus - Pin Name \"A\": Incorrect bit sequences\nBit numbers start at zero "
                                "and are continuously\nFor more info please refer to help"));

        CPinList gap("Gap");
        gap.addPin("X", ST_DATA, 0);
        gap.addPin("Y", ST_DATA, 2);
        gap.addPin("Z", ST_DATA, 3);
        QVERIFY(!gap.checkBitSequence(error));
        QVERIFY(error.startsWith("Gap - Pin Name \"Y\":"));

        // A name carrying a placeholder must not be expanded a second time.
        CPinList odd("%2");
        odd.addPin("%1", ST_DATA, 5);
        QVERIFY(!odd.checkBitSequence(error));
        QVERIFY(error.startsWith("%2 - Pin Name \"%1\":"));

        QVERIFY(CPinList("Empty").checkBitSequence(error));

        const QList<std::pair<int, int>> classes = {{ST_DATA, 1},  {ST_DATAB, 1}, {ST_MUXO, 1},   {ST_DIR, 2},
                                                    {ST_WPROT, 2}, {ST_DASH, 0},  {ST_PWR_SW, 0}, {ST_NONE, 0}};
        for (const auto& [type, signalClass] : classes)
            QCOMPARE(CPinListPin("P", type, 0).signalClass(), signalClass);
    }

    void statementRowsAndOwnership()
    {
        CTestSequences sequence("TS 01");
        QVERIFY(!sequence.appendStatement(nullptr));
        sequence.appendStatement(loopOf(3));
        QCOMPARE(sequence.rowCount(), 5);
        sequence.appendStatement(new CVectorTestSequence("1"));
        sequence.appendStatement(new CWaitTestSequence(10, TU_MS));
        QCOMPARE(sequence.rowCount(), 7);
        QCOMPARE(sequence.rowKinds(), QList<int>({2, 1, 1, 1, 3, 1, 4}));

        {
            CTestSequences owner;
            auto* loop = new CLoopTestSequence(1, 0);
            loop->appendVector(new CountedVector);
            owner.appendStatement(loop);
            owner.appendStatement(new CountedVector);
            QCOMPARE(g_liveStatements, 2);
        }
        QCOMPARE(g_liveStatements, 0);
    }

    void signalIndex()
    {
        CLogic logic;
        addPackage(logic, "P", {});
        CLogicPart* part = addPart(logic, "Part");
        addPinList(*part, "PL1", {{"A", ST_IN, 0}, {"B", ST_IN, 2}, {"Y", ST_DATAO, 1}, {"M", ST_MUX, 0},
                                  {"D", ST_DATA, 1}, {"Q", ST_OUT, 1}});
        addPinList(*part, "PL2", {{"A2", ST_IN, 0}, {"B2", ST_IN, 2}, {"A", ST_IN, 0}});
        logic.rebuildSignalIndex(0);
        const CLogicData* index = logic.signalIndexes().at(0);
        QVERIFY(index);

        // Pins with the same signal share one entry; each name once.
        const CSignalSpecList& inputs = index->group(CLogicData::InputControl);
        QCOMPARE(inputs.count(), 2);
        QCOMPARE(inputs.at(0)->pinNames(), QStringList({"A", "A2"}));
        QCOMPARE(inputs.at(0)->label(), QString("A\nA2"));
        QCOMPARE(inputs.at(1)->signal(), LxLibSignalTypeBit(ST_IN, 2));
        QCOMPARE(inputs.at(1)->flag(), 1);

        // Control bits: IN 0, OUT 1 and IN 2; the data pins stay out.
        const CSignalSpecList& control = index->controlBits();
        QCOMPARE(control.count(), 3);
        QCOMPARE(control.at(1)->pinNames(), QStringList({"Q"}));
        QCOMPARE(control.at(1)->flag(), 0);

        // Drivable bits: bit 1 holds only DATA; DATAO and OUT are not driven.
        const CSignalSpecList& drivable = index->drivableBits();
        QCOMPARE(drivable.count(), 3);
        QCOMPARE(drivable.at(1)->pinNames(), QStringList({"D"}));
        QCOMPARE(drivable.at(0)->signalTexts(), QStringList({"IN"}));

        QCOMPARE(index->group(CLogicData::OutputData).count(), 1);
        QCOMPARE(CLogicData::groupOf(ST_MUX), -1);

        // Many pins on one signal, each name repeated: still each name once, in order.
        CSignalSpec wide(ST_OE, 0);
        QStringList names;
        for (int i = 0; i < 40; ++i)
            names.append(QStringLiteral("OE%1").arg(i));
        for (int round = 0; round < 2; ++round)
            for (const QString& name : names)
                wide.addPin(name, round ? ST_OE : ST_IN);
        QCOMPARE(wide.pinNames(), names);
        QCOMPARE(wide.signalTexts(), QStringList({"IN", "OE"}));

        // A gap in the bits leaves an empty entry at that position.
        CLogicPart* gapped = addPart(logic, "Gapped");
        addPinList(*gapped, "G", {{"C", ST_CE, 2}});
        logic.rebuildSignalIndex(1);
        const CSignalSpecList& gaps = logic.signalIndexes().at(1)->controlBits();
        QCOMPARE(gaps.count(), 3);
        QVERIFY(gaps.at(0)->isEmpty());
        QCOMPARE(gaps.at(0)->signal().GetSignalBit(), -1);
        QCOMPARE(gaps.at(2)->signal(), LxLibSignalTypeBit(ST_CE, 2));
    }

    void signalNameQuery()
    {
        CLogic logic;
        QStringList names;
        QVERIFY(!logic.getSignalNames(names, 3, 0));
        QVERIFY(names.isEmpty());

        CLogicPart* part = addPart(logic, "Empty");
        addPinList(*part, "PL", {});
        logic.rebuildSignalIndex(0);
        QVERIFY(logic.getSignalNames(names, 3, 0));
        QCOMPARE(names, QStringList({"PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW", ""}));

        CLogic full;
        fillSimpleLogic(full);
        addPinList(*full.logicParts().at(0), "PL2", {{"A0", ST_DATAI, 0}, {"OE", ST_OE, 0}});
        full.rebuildSignalIndex(0);
        auto namesOf = [&full](int kind) {
            QStringList n;
            full.getSignalNames(n, kind, 0);
            return n;
        };
        QCOMPARE(namesOf(8), QStringList({"OE", "DATAI", "DATAO", "DATA", ""}));
        QCOMPARE(namesOf(4), QStringList({"DATAO", "DATA", ""}));
        QCOMPARE(namesOf(3), QStringList({"OE", "DATAI", "DATA", "PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW", ""}));
        QCOMPARE(namesOf(7), QStringList({""}));
    }

    void pruningAndDanglingNames()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);
        auto* enable = new LxLibEnablePattern("Enable 01");
        for (const auto& [type, value] : QList<std::pair<int, QString>>{
                 {ST_DATA, "1"}, {ST_CE, "0"}, {ST_OE, "0"}, {ST_DATAO, "1"}, {ST_DATAI, "Z"}})
            enable->AddSetSignal(new LxLibSetSignal(type, value));
        part->insertEnablePattern(0, enable);
        auto* disable = new LxLibDisablePattern("Disable 01");
        disable->AddSetSignal(new LxLibSetSignal(ST_WE, "1"));
        disable->AddSetSignal(new LxLibSetSignal(ST_OE, "1"));
        part->insertDisablePattern(0, disable);

        logic.prunePatterns(0);
        QStringList kept;
        for (const LxLibSetSignal* s : enable->GetSetSignalList())
            kept << signalTypeKeyword(s->GetSignalType());
        QCOMPARE(kept, QStringList({"DATA", "OE", "DATAI"}));
        QCOMPARE(disable->GetSetSignalList().count(), 1);
        QCOMPARE(disable->GetSetSignalList().at(0)->GetSignalType(), int(ST_OE));

        addPinList(*part, "PL2", {{"A0", ST_DATAI, 0}, {"Gone", ST_DATAI, 1}, {"Y0", ST_DATAO, 0}});
        logic.clearDanglingPinNames(0);
        const CPinListPinList& pins = part->pinLists().at(1)->pins();
        QCOMPARE(pins.at(0)->pinName(), QString("A0"));
        QVERIFY(pins.at(1)->pinName().isEmpty());
        QCOMPARE(pins.at(1)->bit(), 1);
        QCOMPARE(pins.at(2)->pinName(), QString("Y0"));
        QCOMPARE(logic.packagePinType("Y0"), int(PPT_OUTPUT));
        QCOMPARE(logic.packagePinType("Gone"), 0);
    }

    void listsAndDiagnostics()
    {
        CLogic logic;
        QVERIFY(!logic.insertPackage(0, nullptr) && !logic.insertLogicPart(0, nullptr));
        QVERIFY(!logic.insertSignalIndex(0, nullptr));
        addPart(logic, "A");
        addPart(logic, "B");
        logic.rebuildSignalIndex(1);
        QCOMPARE(logic.signalIndexes().count(), 2);
        logic.deleteLogicPart(0);
        QCOMPARE(logic.logicParts().at(0)->name(), QString("B"));
        QCOMPARE(logic.signalIndexes().count(), 1);

        CLogicPart part("P");
        QVERIFY(!part.insertPinList(0, nullptr) && !part.insertEnablePattern(0, nullptr));
        auto* ts = new CTestSequences("TS 01");
        ts->appendStatement(new CVectorTestSequence("1"));
        ts->appendStatement(loopOf(1));
        part.insertTestSequence(0, ts);

        CTestSequenceDiagnoseList& diags = part.testSequenceDiagnostics();
        QVERIFY(diags.setDiagnose(0, 2, new CLogicDiagnose(CLogicDiagnose::Defined, 1)));
        QCOMPARE(diags.at(0)->count(), 3);
        QCOMPARE(diags.diagnose(0, 0)->state(), 1);
        QVERIFY(!diags.setDiagnose(0, -1, new CLogicDiagnose));
        QVERIFY(!diags.diagnose(3, 0));

        diags.alignWith(0, *ts);
        QCOMPARE(diags.at(0)->count(), 4);
        QCOMPARE(diags.diagnose(0, 0)->rowKind(), int(CLogicDiagnose::VectorRow));
        QCOMPARE(diags.diagnose(0, 1)->rowKind(), int(CLogicDiagnose::RepeatRow));
        QCOMPARE(diags.diagnose(0, 2)->state(), int(CLogicDiagnose::Defined));
        QCOMPARE(diags.diagnose(0, 3)->rowKind(), int(CLogicDiagnose::EndRow));

        diags.clearDiagnose(0, 2);
        QCOMPARE(diags.diagnose(0, 2)->state(), int(CLogicDiagnose::NotDefined));
        QCOMPARE(diags.diagnose(0, 2)->rowKind(), int(CLogicDiagnose::VectorRow));

        ts->statements().remove(1);
        diags.alignWith(0, *ts);
        QCOMPARE(diags.at(0)->count(), 1);
        QCOMPARE(CLogicDiagnose::rowKindFromText("Wait"), 4);
        QCOMPARE(CLogicDiagnose::rowKindFromText("vector"), 0);

        part.deleteTestSequence(0);
        QVERIFY(part.testSequences().isEmpty());
        QVERIFY(part.testSequenceDiagnostics().isEmpty());
    }

    void vectorsFollowPinListChanges()
    {
        // Columns, highest bit first: OUT 2, IN 1, OE 0.
        CLogic logic;
        CLogicPart* part = addPart(logic, "U1");
        addPinList(*part, "PL", {{"OE", ST_OE, 0}, {"A", ST_IN, 1}, {"Y", ST_OUT, 2}});
        // A row of another length is no row of these columns.
        for (const char* row : {"H10", "lUz", "01"})
            part->truthTable().append(new LxLibTruthTableRecord(row));
        auto* ts = new CTestSequences("TS 01");
        ts->appendStatement(new CVectorTestSequence("H10"));
        auto* loop = new CLoopTestSequence(2);
        loop->appendVector(new CVectorTestSequence("L01"));
        ts->appendStatement(loop);
        ts->appendStatement(new CWaitTestSequence(5, TU_MS));
        part->insertTestSequence(0, ts);
        // The truth table, then the vectors of the sequence.
        auto rows = [part, ts, loop] {
            QStringList r;
            for (const LxLibTruthTableRecord* t : part->truthTable())
                r.append(t->GetVector());
            return r << static_cast<CVectorTestSequence*>(ts->statements().at(0))->vector()
                     << loop->vectors().at(0)->vector();
        };
        auto rebuilt = [&logic, &rows] {
            logic.rebuildSignalIndex(0);
            return rows();
        };
        // As storing an edited pin list does.
        auto withPins = [part, &rebuilt](const QList<PinSpec>& pins) {
            part->pinLists().clear();
            addPinList(*part, "PL", pins);
            return rebuilt();
        };
        // Without an index before, the rows are taken as they are.
        QCOMPARE(rebuilt(), QStringList({"H10", "lUz", "01", "H10", "L01"}));

        // A new signal's cells read "X"; building again changes nothing.
        const QStringList widened{"XH10", "XlUz", "01", "XH10", "XL01"};
        QCOMPARE(withPins({{"OE", ST_OE, 0}, {"A", ST_IN, 1}, {"Y", ST_OUT, 2}, {"B", ST_IN, 3}}), widened);
        QCOMPARE(rebuilt(), widened);

        // Bits swapped and a type corrected: the cells move with the pins.
        const QStringList swapped{"1HX0", "UlXz", "01", "1HX0", "0LX1"};
        QCOMPARE(withPins({{"OE", ST_OE, 0}, {"A", ST_IN, 3}, {"Y", ST_DATAO, 2}, {"B", ST_DIR, 1}, {"Y", ST_OUT, 2}}),
                 swapped);

        // A signal removed below the highest bit leaves an empty column; the top one goes.
        QCOMPARE(withPins({{"OE", ST_OE, 0}, {"A", ST_IN, 3}, {"Y", ST_OUT, 2}}), swapped);
        const QStringList narrowed{"HX0", "lXz", "01", "HX0", "LX1"};
        QCOMPARE(withPins({{"OE", ST_OE, 0}, {"Y", ST_OUT, 2}}), narrowed);

        // Another pin for the same signal keeps its cells too.
        QCOMPARE(withPins({{"OE", ST_OE, 0}, {"Z", ST_OUT, 2}}), narrowed);

        // Without pin lists there is nothing to fit; the same pins back fit again.
        part->pinLists().clear();
        QCOMPARE(rebuilt(), narrowed);
        QCOMPARE(withPins({{"OE", ST_OE, 0}, {"Y", ST_OUT, 2}}), narrowed);

        // A second pin list adds pins to the columns, which keep their cells.
        addPinList(*part, "PL2", {{"OE2", ST_OE, 0}, {"Y2", ST_OUT, 2}});
        QCOMPARE(rebuilt(), narrowed);

        // Selecting a later part first puts an empty index at the first position.
        CLogicPart* second = addPart(logic, "U2");
        addPinList(*second, "PL", {{"OE", ST_OE, 0}, {"A", ST_IN, 1}});
        for (const char* row : {"10", ""})
            second->truthTable().append(new LxLibTruthTableRecord(row));
        addPart(logic, "U3");
        logic.rebuildSignalIndex(2);
        QVERIFY(!logic.signalIndexes().at(1)->isBuilt());
        logic.rebuildSignalIndex(1);
        QCOMPARE(second->truthTable().at(0)->GetVector(), QString("10"));
        QVERIFY(second->truthTable().at(1)->GetVector().isEmpty());
    }

    void tablesAgreeWithLibraryCodes()
    {
        for (int code = 0; code < ST_COUNT; ++code) {
            QCOMPARE(SignalTypeNames[code], signalTypeKeyword(code));
            if (code > 0)
                QCOMPARE(signalTypeCode(SignalTypeNames[code]), code);
        }
        for (int code = 0; code < PPT_COUNT; ++code) {
            QCOMPARE(PackagePinTypeNames[code], packagePinTypeKeyword(code));
            if (code > 0)
                QCOMPARE(packagePinTypeCode(PackagePinTypeNames[code]), code);
        }
        for (int code = 0; code < DPT_COUNT; ++code)
            QCOMPARE(PackageDiePinTypeNames[code], diePinTypeKeyword(code));
        for (int code = 0; code < PCT_COUNT; ++code)
            QCOMPARE(PassiveComponentTypeNames[code], passiveTypeKeyword(code));

        QCOMPARE(StuckAtTypeNames(), QStringList({"", "SA1", "SA0", "SAX"}));
        for (int code = 0; code < SA_COUNT; ++code)
            QCOMPARE(StuckAtTypeNames()[code], stuckAtKeyword(code));
    }

    void allowedSignalTypes()
    {
        const QStringList inoutLogic = AllowedSignalTypes(PPT_INOUT_PD, false);
        QCOMPARE(inoutLogic.count(), 20);
        QVERIFY(inoutLogic.first().isEmpty());
        QVERIFY(!inoutLogic.contains("MUX"));

        const QStringList inoutMemory = AllowedSignalTypes(PPT_INOUT_PD, true);
        QCOMPARE(inoutMemory.count(), 23);
        const int modus = inoutMemory.indexOf("MODUS");
        QCOMPARE(inoutMemory.mid(modus, 5), QStringList({"MODUS", "MUX", "MUXI", "MUXO", "OE"}));

        QCOMPARE(AllowedSignalTypes(PPT_OUTPUT2, false), QStringList({"", "DATAO", "OUT", "RYBY"}));
        QCOMPARE(AllowedSignalTypes(PPT_OUTPUT_OS_PD, true),
                 QStringList({"", "DATAO", "MUXO", "OUT", "RYBY"}));
        QCOMPARE(AllowedSignalTypes(PPT_INPUT, false),
                 QStringList({"", "ADDR", "CE", "DATAI", "DIR", "IN", "LE", "MODUS", "OE", "RESETP",
                              "VPP", "WE", "WPROT"}));
        QVERIFY(AllowedSignalTypes(PPT_INPUT_PD, true).contains("MUXI"));
        QVERIFY(!AllowedSignalTypes(PPT_INPUT_PD, true).contains("MUXO"));
        for (int type : {PPT_NONE, PPT_GND, PPT_PWR, PPT_NC, PPT_DU, PPT_DASH, PPT_PWR_NEG, PPT_PWR_REF})
            QCOMPARE(AllowedSignalTypes(type, true), QStringList({""}));

        // Power types and "-" are never offered.
        const QSet<QString> all(inoutMemory.begin(), inoutMemory.end());
        for (int code = ST_DASH; code < ST_COUNT; ++code)
            QVERIFY(!all.contains(SignalTypeNames[code]));
    }

    void reservedNamesAndMonths()
    {
        QVERIFY(isReservedPatternName("Truth Table"));
        QVERIFY(isReservedPatternName("activate transceiving"));
        QVERIFY(!isReservedPatternName("Truth Table "));
        QVERIFY(!isReservedPatternName("TruthTable"));
        QVERIFY(!isReservedPatternName(" Enabled"));
        QVERIFY(!isReservedPatternName(""));

        // The three length lists partition the months; the header page tests the day counts.
        QStringList months = MonthNames30Days() + MonthNames31Days() + MonthNamesFebruary();
        QCOMPARE(months.count(), 12);
        for (const QString& m : MonthNames())
            QVERIFY(months.removeOne(m));
        QVERIFY(months.isEmpty());
    }
};

int runRecordTests(int argc, char** argv)
{
    TestRecords t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_records.moc"
