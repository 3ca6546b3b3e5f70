#include "CVectorColumns.h"
#include "ModelFixture.h"

#include <QTest>

using namespace lxlib;

namespace {

QStringList truthTable(const CLogicPart& part)
{
    QStringList rows;
    for (const LxLibTruthTableRecord* r : part.truthTable())
        rows.append(r->GetVector());
    return rows;
}

void setTruthTable(CLogicPart& part, const QStringList& rows)
{
    part.truthTable().clear();
    for (const QString& row : rows)
        part.truthTable().append(new LxLibTruthTableRecord(row));
}

// Replaces the part's only pin list, as storing an edited one does.
void replacePins(CLogic& logic, const QList<PinSpec>& pins)
{
    CLogicPart& part = *logic.logicParts().at(0);
    part.pinLists().clear();
    addPinList(part, "PL", pins);
    logic.rebuildSignalIndex(0);
}

} // namespace

class TestVectorColumns : public QObject
{
    Q_OBJECT

private slots:
    void columnsOfAPart()
    {
        CLogic logic;
        CLogicPart* part = addPart(logic, "U1");
        addPinList(*part, "H1", {{"1OE", ST_OE, 0}, {"1A", ST_IN, 1}, {"1Y", ST_OUT, 2}, {"1D", ST_DATA, 0},
                                 {"1B", ST_IO, 4}});
        addPinList(*part, "H2", {{"2OE", ST_OE, 0}, {"2A", ST_IN, 1}, {"2Y", ST_OUT, 2}, {"2B", ST_IO, 4}});
        QVERIFY(CVectorColumns(nullptr).isEmpty());
        logic.rebuildSignalIndex(0);

        // Highest bit first; bit 3 is carried by no pin; data pins have no column.
        const CVectorColumns columns(logic.signalIndexes().at(0));
        QCOMPARE(columns.count(), 5);
        QCOMPARE(columns.labels(), (QStringList{"1B\n2B", "", "1Y\n2Y", "1A\n2A", "1OE\n2OE"}));
        QCOMPARE(columns.at(0).bit, 4);
        QCOMPARE(columns.at(1).bit, -1);
        QCOMPARE(columns.allowedChars(),
                 (QStringList{"UDHLNXZT", "01UDHLNXZT", "01LHXT", "01UDNZ", "01UDNZ"}));
        QCOMPARE(columns.signalTypesByBit(), (QList<int>{ST_OE, ST_IN, ST_OUT, ST_NONE, ST_IO}));
        QCOMPARE(CVectorColumns::directionText(columns.pinDirection(0)), QString("IO: U D H L N X Z T"));
        QCOMPARE(CVectorColumns::directionText(columns.pinDirection(1)), QString("01XHLTUDNZ"));
        QCOMPARE(CVectorColumns::directionText(columns.pinDirection(2)), QString("Output: 0 1 L H X T"));
        QCOMPARE(CVectorColumns::directionText(columns.pinDirection(3)), QString("Input: 0 1 U D N Z"));
        QCOMPARE(CVectorColumns::pinDirectionOf(ST_MUXI), int(CVectorColumns::Input));
        QCOMPARE(CVectorColumns::pinDirectionOf(ST_RYBY), int(CVectorColumns::Output));
        QCOMPARE(CVectorColumns::pinDirectionOf(ST_PWR), int(CVectorColumns::Any));
    }

    void pinListChangesKeepRowsAligned()
    {
        CLogic logic;
        CLogicPart* part = addPart(logic, "U1");
        addPinList(*part, "PL", {{"OE", ST_OE, 0}, {"A", ST_IN, 1}, {"Y", ST_OUT, 2}});
        logic.rebuildSignalIndex(0);
        // Columns Y A OE; a row of another length is no row of these columns.
        setTruthTable(*part, {"H10", "lUz", "01"});

        // A new signal's cells read "X"; the others follow their signal.
        replacePins(logic, {{"OE", ST_OE, 0}, {"A", ST_IN, 1}, {"Y", ST_OUT, 2}, {"B", ST_IN, 3}});
        QCOMPARE(truthTable(*part), (QStringList{"XH10", "XlUz", "01"}));

        // Bits swapped and a type corrected: the cells move with the pins.
        replacePins(logic, {{"OE", ST_OE, 0}, {"A", ST_IN, 3}, {"Y", ST_DATAO, 2}, {"B", ST_DIR, 1}, {"Y", ST_OUT, 2}});
        QCOMPARE(truthTable(*part), (QStringList{"1HX0", "UlXz", "01"}));

        // A signal removed below the highest bit leaves an empty column; the top one goes.
        replacePins(logic, {{"OE", ST_OE, 0}, {"A", ST_IN, 3}, {"Y", ST_OUT, 2}});
        QCOMPARE(truthTable(*part), (QStringList{"1HX0", "UlXz", "01"}));
        replacePins(logic, {{"OE", ST_OE, 0}, {"Y", ST_OUT, 2}});
        QCOMPARE(truthTable(*part), (QStringList{"HX0", "lXz", "01"}));

        // Another pin for the same signal keeps its cells too.
        replacePins(logic, {{"OE", ST_OE, 0}, {"Z", ST_OUT, 2}});
        QCOMPARE(truthTable(*part), (QStringList{"HX0", "lXz", "01"}));

        // Without pin lists there is nothing to fit; the same pins back fit again.
        part->pinLists().clear();
        logic.rebuildSignalIndex(0);
        QCOMPARE(truthTable(*part), (QStringList{"HX0", "lXz", "01"}));
        replacePins(logic, {{"OE", ST_OE, 0}, {"Y", ST_OUT, 2}});
        QCOMPARE(truthTable(*part), (QStringList{"HX0", "lXz", "01"}));

        // A second pin list adds pins to the columns, which keep their cells.
        addPinList(*part, "PL2", {{"OE2", ST_OE, 0}, {"Y2", ST_OUT, 2}});
        logic.rebuildSignalIndex(0);
        QCOMPARE(truthTable(*part), (QStringList{"HX0", "lXz", "01"}));
    }

    void indexNeverBuiltLeavesRowsAlone()
    {
        // Selecting the second part first puts an empty index at the first position.
        CLogic logic;
        CLogicPart* first = addPart(logic, "U1");
        addPinList(*first, "PL", {{"OE", ST_OE, 0}, {"A", ST_IN, 1}});
        setTruthTable(*first, {"10", ""});
        addPart(logic, "U2");
        logic.rebuildSignalIndex(1);
        QVERIFY(!logic.signalIndexes().at(0)->isBuilt());
        logic.rebuildSignalIndex(0);
        QCOMPARE(truthTable(*first), (QStringList{"10", ""}));
    }
};

int runVectorColumnTests(int argc, char** argv)
{
    TestVectorColumns t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_vectorcolumns.moc"
