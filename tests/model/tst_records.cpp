#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "ModelFixture.h"

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
    void bitSequence()
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
    }

    void signalClass()
    {
        QCOMPARE(CPinListPin("P", ST_DATA, 0).signalClass(), 1);
        QCOMPARE(CPinListPin("P", ST_DATAB, 0).signalClass(), 1);
        QCOMPARE(CPinListPin("P", ST_MUXO, 0).signalClass(), 1);
        QCOMPARE(CPinListPin("P", ST_DIR, 0).signalClass(), 2);
        QCOMPARE(CPinListPin("P", ST_WPROT, 0).signalClass(), 2);
        QCOMPARE(CPinListPin("P", ST_DASH, 0).signalClass(), 0);
        QCOMPARE(CPinListPin("P", ST_PWR_SW, 0).signalClass(), 0);
        QCOMPARE(CPinListPin("P", ST_NONE, 0).signalClass(), 0);
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
        names.clear();
        full.getSignalNames(names, 8, 0);
        QCOMPARE(names, QStringList({"OE", "DATAI", "DATAO", "DATA", ""}));
        names.clear();
        full.getSignalNames(names, 4, 0);
        QCOMPARE(names, QStringList({"DATAO", "DATA", ""}));
        names.clear();
        full.getSignalNames(names, 3, 0);
        QCOMPARE(names, QStringList({"OE", "DATAI", "DATA", "PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW", ""}));
        names.clear();
        full.getSignalNames(names, 7, 0);
        QCOMPARE(names, QStringList({""}));
    }

    void pruningAndDanglingNames()
    {
        CLogic logic;
        fillSimpleLogic(logic);
        CLogicPart* part = logic.logicParts().at(0);
        auto* enable = new LxLibEnablePattern("Enable 01");
        enable->AddSetSignal(new LxLibSetSignal(ST_DATA, "1"));
        enable->AddSetSignal(new LxLibSetSignal(ST_CE, "0"));
        enable->AddSetSignal(new LxLibSetSignal(ST_OE, "0"));
        enable->AddSetSignal(new LxLibSetSignal(ST_DATAO, "1"));
        enable->AddSetSignal(new LxLibSetSignal(ST_DATAI, "Z"));
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
        QVERIFY(!logic.insertPackage(0, nullptr));
        QVERIFY(!logic.insertLogicPart(0, nullptr));
        QVERIFY(!logic.insertSignalIndex(0, nullptr));
        addPart(logic, "A");
        addPart(logic, "B");
        logic.rebuildSignalIndex(1);
        QCOMPARE(logic.signalIndexes().count(), 2);
        logic.deleteLogicPart(0);
        QCOMPARE(logic.logicParts().at(0)->name(), QString("B"));
        QCOMPARE(logic.signalIndexes().count(), 1);

        CLogicPart part("P");
        QVERIFY(!part.insertPinList(0, nullptr));
        QVERIFY(!part.insertEnablePattern(0, nullptr));
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
        CLogicPart* part = addPart(logic, "Part");
        CPinList* list = addPinList(*part, "PL", {{"OE", ST_OE, 0}, {"A", ST_IN, 1}, {"Y", ST_OUT, 2}});
        auto* ts = new CTestSequences("TS 01");
        ts->appendStatement(new CVectorTestSequence("H10"));
        auto* loop = new CLoopTestSequence(2);
        loop->appendVector(new CVectorTestSequence("L01"));
        ts->appendStatement(loop);
        ts->appendStatement(new CWaitTestSequence(5, TU_MS));
        part->insertTestSequence(0, ts);
        auto vectors = [ts, loop] {
            return QStringList{static_cast<CVectorTestSequence*>(ts->statements().at(0))->vector(),
                               loop->vectors().at(0)->vector()};
        };
        // Without an index before, the vectors are taken as they are.
        logic.rebuildSignalIndex(0);
        QCOMPARE(vectors(), QStringList({"H10", "L01"}));

        // A new highest bit opens a column of "X" in front.
        list->addPin("B", ST_IN, 3);
        logic.rebuildSignalIndex(0);
        QCOMPARE(vectors(), QStringList({"XH10", "XL01"}));
        logic.rebuildSignalIndex(0);
        QCOMPARE(vectors(), QStringList({"XH10", "XL01"}));

        // Bit 1 leaves (its column becomes a gap) and pin Y takes another
        // signal: Y's characters follow the pin, the gap reads "X".
        list->pins().remove(1);
        list->pins().replace(1, new CPinListPin("Y", ST_IN, 2));
        logic.rebuildSignalIndex(0);
        QCOMPARE(vectors(), QStringList({"XHX0", "XLX1"}));

        // The highest bit goes: its column goes with it.
        list->pins().remove(2);
        logic.rebuildSignalIndex(0);
        QCOMPARE(vectors(), QStringList({"HX0", "LX1"}));
    }
};

int runRecordTests(int argc, char** argv)
{
    TestRecords t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_records.moc"
