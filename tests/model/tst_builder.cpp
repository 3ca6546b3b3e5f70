#include "CLogicBuilder.h"
#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "LxLibInfo.h"
#include "ModelFixture.h"

#include <QTest>

using namespace lxlib;

namespace {

const LxLibLogic* logicAt(const LxLibInfo& doc, int i)
{
    return dynamic_cast<const LxLibLogic*>(doc.GetComponent()->GetDescriptorList().at(i));
}

} // namespace

class TestBuilder : public QObject
{
    Q_OBJECT

private slots:
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

        QString error;
        {
            LxLibInfo doc("x.model");
            QVERIFY(logic.buildLogicComponent(&doc, "DEV", error));
            const LxLibComponent* c = doc.GetComponent();
            QCOMPARE(c->GetName(), QString("DEV"));
            // No logic part still gives the file one unnamed logic.
            QCOMPARE(c->GetDescriptorList().count(), 1);
            QVERIFY(logicAt(doc, 0)->GetName().isEmpty());

            const LxLibPackage* p = c->GetPackageList().at(0);
            QCOMPARE(p->GetPackageIdList(), QStringList({"SO8", "SOIC8"}));
            QVERIFY(p->HasTap());
            const LxLibPackagePinList& pins = p->GetPackagePinList();
            QCOMPARE(pins.at(0)->GetPinNumber(), QString("1"));
            QCOMPARE(pins.at(0)->GetDiePinType(), int(DPT_EXTERN));
            QCOMPARE(pins.at(1)->GetPinName(), QString("B"));
            QCOMPARE(pins.at(1)->GetPinType(), int(PPT_OUTPUT));
            QCOMPARE(pins.at(2)->GetPinNumber(), QString("TIE0"));
            QCOMPARE(pins.at(2)->GetDiePinType(), int(DPT_TIE0));
            QCOMPARE(pins.at(3)->GetPinNumber(), QString("PAD"));
            QCOMPARE(pins.at(3)->GetDiePinType(), int(DPT_PAD));
        }
        QCOMPARE(CLogicBuilder::diePinTypeOf("Open"), int(DPT_OPEN));
        QCOMPARE(CLogicBuilder::diePinTypeOf("TIE1"), int(DPT_TIE1));
        QCOMPARE(CLogicBuilder::diePinTypeOf("TIE"), int(DPT_EXTERN));

        // Parts without a usable pin list are left out.
        CLogicPart* first = addPart(logic, "Good");
        addPinList(*first, "PL", {{"A", ST_IN, 0}, {"B", ST_OUT, 0}});
        first->properties() = {{"organisation", "128K x 8"}, {"family", "HC"}, {"organisation", "again"}};
        addPinList(*addPart(logic, "OnlyEmpty"), "PL", {});
        addPart(logic, "NoLists");
        CLogicPart* mixed = addPart(logic, "Mixed");
        addPinList(*mixed, "PL", {{"A", ST_IN, 0}});
        addPinList(*mixed, "PL2", {});
        LxLibInfo doc("x.model");
        QVERIFY(logic.buildLogicComponent(&doc, "DEV", error));
        QCOMPARE(doc.GetComponent()->GetDescriptorList().count(), 1);
        const LxLibLogic* good = logicAt(doc, 0);
        QCOMPARE(good->GetName(), QString("Good"));
        // Properties go out as they came in, repeated keys and order included.
        QCOMPARE(good->GetPropertyList(), first->properties());
        const LxLibPinList* pl = good->GetPinListList().at(0);
        QCOMPARE(pl->GetPartName(), QString("PL"));
        QCOMPARE(pl->GetSignalDefList().at(1)->GetPinName(), QString("B"));
        QCOMPARE(pl->GetSignalDefList().at(1)->GetSignal(), LxLibSignalTypeBit(ST_OUT, 0));
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

        QString error;
        for (int pass = 0; pass < 2; ++pass) {
            LxLibInfo doc("x.model");
            QVERIFY(logic.buildLogicComponent(&doc, "DEV", error));
            const LxLibLogic* l = logicAt(doc, 0);
            QCOMPARE(l->GetTruthTable().at(0)->GetVector(), QString("01X"));
            const LxLibLogicStatementLists* lists = l->GetStatementListsList().at(0);
            QCOMPARE(lists->GetName(), QString("TS 01"));
            const LxLibLogicStatementList& statements = lists->GetStatementList();
            QCOMPARE(statements.count(), 3);

            const auto* vector = dynamic_cast<const LxLibLogicStatement_testVector*>(statements.at(0));
            QVERIFY(vector);
            // Building twice must not attach the diagnostic twice.
            QCOMPARE(vector->GetDiagnoseList().count(), 1);
            QCOMPARE(vector->GetDiagnoseList().at(0)->GetRuleList().at(0)->GetStuckAtType(), int(SA_1));

            const auto* built = dynamic_cast<const LxLibLogicStatement_testLoop*>(statements.at(1));
            QVERIFY(built);
            QCOMPARE(built->GetCount(), int64_t(7));
            QCOMPARE(built->GetBreakMode(), 2);
            const LxLibTestVectorList& vectors = built->GetTestVectorList();
            QCOMPARE(vectors.count(), 3);
            QCOMPARE(vectors.at(0)->GetDiagnoseList().count(), 0);
            QCOMPARE(vectors.at(1)->GetDiagnoseList().count(), 1);
            QCOMPARE(vectors.at(1)->GetVector(), QString("01"));
            QCOMPARE(vectors.at(2)->GetDiagnoseList().count(), 0);

            const auto* wait = dynamic_cast<const LxLibLogicStatement_wait*>(statements.at(2));
            QVERIFY(wait);
            QCOMPARE(wait->GetWaitTime(), uint32_t(25));
            QCOMPARE(wait->GetTimeUnit().GetTimeUnitAsStr(), QString("us"));
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
        const LxLibLogic* l = logicAt(doc, 0);

        const LxLibEnablePattern* empty = l->GetEnablePatternList().at(0);
        QCOMPARE(empty->GetSetSignalList().count(), 1);
        QCOMPARE(empty->GetSetSignalList().at(0)->GetSignalType(), int(ST_DASH));
        QVERIFY(empty->GetSetSignalList().at(0)->GetVector().isEmpty());

        const LxLibSetEnableList& enables = l->GetEnablePatternList().at(1)->GetSetEnableList();
        QCOMPARE(enables.count(), 4);
        QCOMPARE(enables.at(0)->GetEnableType(), int(ET_POWER_CONTROL));
        const auto* equal = dynamic_cast<const LxLibSetEnableEqual*>(enables.at(1));
        QVERIFY(equal);
        QCOMPARE(equal->GetFirstSignal(), LxLibSignalTypeBit(ST_DATAO, -1));
        QCOMPARE(equal->GetSecondSignal(), LxLibSignalTypeBit(ST_OE, -1));
        QVERIFY(equal->IsInvert() && equal->IsLatch());
        QVERIFY(!equal->IsDifferential());
        const auto* connection = dynamic_cast<const LxLibSetEnableConnection*>(enables.at(2));
        QVERIFY(connection);
        QVERIFY(connection->IsInvert() && !connection->IsLatch());
        QCOMPARE(connection->GetSecondSignal(), LxLibSignalTypeBit(ST_DATA, -1));
        const auto* off = dynamic_cast<const LxLibSetEnableDisable*>(enables.at(3));
        QVERIFY(off);
        QCOMPARE(off->GetSignal(), LxLibSignalTypeBit(ST_DATA, -1));
        QVERIFY(!l->GetEnablePatternList().at(1)->GetSetSignalList().at(0)->HasBitValue());

        const LxLibDisablePattern* d = l->GetDisablePatternList().at(0);
        QCOMPARE(d->GetName(), QString("Off"));
        QCOMPARE(d->GetSetDisableList().at(0)->GetSignalType(), int(ST_DATAO));
        QCOMPARE(d->GetSetSignalList().at(0)->GetVector(), QString("1"));

        const LxLibLatchSequence* ls = l->GetLatchSequenceList().at(0);
        QCOMPARE(ls->GetSetEnableList().count(), 1);
        const auto* condition = dynamic_cast<const LxLibSetEnableEqual*>(ls->GetSetEnableList().at(0));
        QVERIFY(condition);
        QCOMPARE(condition->GetFirstSignal(), LxLibSignalTypeBit(ST_DATAO, -1));
        QCOMPARE(condition->GetSecondSignal(), LxLibSignalTypeBit(ST_OE, -1));
        QVERIFY(condition->IsInvert() && !condition->IsLatch());
        QCOMPARE(ls->GetSetSignalListList().at(0)->at(0)->GetVector(), QString("1"));
        // The model keeps its own objects.
        QCOMPARE(part->latchSequences().at(0)->GetSetEnableList().count(), 2);

        // What is built passes the library's check and survives a write and a read.
        QString checkError;
        QVERIFY2(doc.check(&checkError) > 0, qPrintable(checkError));
        const QByteArray text = doc.toText();
        LxLibInfo reread("x.model");
        QStringList messages;
        connect(&reread, &LxLibInfo::message, this,
                [&](const lxlib::Message& m) { messages << m.text; });
        QVERIFY(reread.readFromData(text, true, false));
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
        QCOMPARE(reread.toText(), text);
    }
};

int runBuilderTests(int argc, char** argv)
{
    TestBuilder t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_builder.moc"
