#include "PWVocabulary.h"

#include <QSet>
#include <QTest>

using namespace lxlib;

class TestVocabulary : public QObject
{
    Q_OBJECT

private slots:
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

    void reservedNames()
    {
        QVERIFY(isReservedPatternName("Truth Table"));
        QVERIFY(isReservedPatternName("activate transceiving"));
        QVERIFY(!isReservedPatternName("Truth Table "));
        QVERIFY(!isReservedPatternName("TruthTable"));
        QVERIFY(!isReservedPatternName(" Enabled"));
        QVERIFY(!isReservedPatternName(""));
    }

    void calendar()
    {
        // The three length lists partition the months; the header page tests the day counts.
        QStringList months = MonthNames30Days() + MonthNames31Days() + MonthNamesFebruary();
        QCOMPARE(months.count(), 12);
        for (const QString& m : MonthNames())
            QVERIFY(months.removeOne(m));
        QVERIFY(months.isEmpty());
    }
};

int runVocabularyTests(int argc, char** argv)
{
    TestVocabulary t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_vocabulary.moc"
