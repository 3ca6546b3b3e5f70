#include "PWVectorPaste.h"

#include <QTest>

class TestVectorPaste : public QObject
{
    Q_OBJECT

private:
    // Input, output, bidirectional and unrestricted columns.
    static QStringList fourColumns()
    {
        return {QStringLiteral("01UDNZ"), QStringLiteral("01LHXT"), QStringLiteral("UDHLNXZT"),
                QStringLiteral("01UDHLNXZT")};
    }

private slots:
    void shapes()
    {
        // One vector per row, one character per cell (tabs, blanks, commas, CRLF),
        // groups joined, quotes from a model file dropped; case is kept.
        const PWVectorPasteResult r = parseVectorPaste(
            QStringLiteral("0LZ1\r\n1\th\tx\tT\r\n\r\nz X H 0\nd,1,u,n\n01 XX\n\"UlTd\"\n"), fourColumns());
        QCOMPARE(r.rows, (QStringList{"0LZ1", "1hxT", "zXH0", "d1un", "01XX", "UlTd"}));
        QVERIFY(r.refused.isEmpty());
        QVERIFY(vectorPasteReport(r).isEmpty());

        // An empty spreadsheet cell reads "X", even in an input column.
        const PWVectorPasteResult empty = parseVectorPaste(QStringLiteral("\t1\t\tZ\n0;;U;"), fourColumns());
        QCOMPARE(empty.rows, (QStringList{"X1XZ", "0XUX"}));

        QVERIFY(parseVectorPaste(QString(), fourColumns()).rows.isEmpty());
        QVERIFY(parseVectorPaste(QStringLiteral(" \n\t\n"), fourColumns()).refused.isEmpty());
    }

    void refusals()
    {
        // Line numbers count blank lines; good rows around bad ones are kept.
        const PWVectorPasteResult r = parseVectorPaste(
            QStringLiteral("0L01\nHL01\n\n0LZ\n0 u Z 1\n0LZ12\n0\t1\t0\t1\t\n0LZ1"), fourColumns(),
            {QStringLiteral("A0"), QStringLiteral("1Y1\n2Y1"), QString(), QStringLiteral("OE")});
        QCOMPARE(r.rows, (QStringList{"0LZ1"}));
        QCOMPARE(r.refused,
                 (QStringList{"Row 1: column 3 does not take \"0\"; it takes U D H L N X Z T",
                              "Row 2: column 1 (A0) does not take \"H\"; it takes 0 1 U D N Z",
                              "Row 4: 3 characters, but the table has 4 signal columns",
                              "Row 5: column 2 (1Y1/2Y1) does not take \"u\"; it takes 0 1 L H X T",
                              "Row 6: 5 characters, but the table has 4 signal columns",
                              "Row 7: 5 characters, but the table has 4 signal columns"}));
        QCOMPARE(vectorPasteReport(r, 2),
                 QStringLiteral("6 of 7 pasted rows were not taken:\n"
                                "Row 1: column 3 does not take \"0\"; it takes U D H L N X Z T\n"
                                "Row 2: column 1 (A0) does not take \"H\"; it takes 0 1 U D N Z\n"
                                "... and 4 more"));

        // Each refused character of each direction, in either case.
        const QStringList refusedPerColumn{"HLXTHLXT", "UDNZudnz", "01", "2?-"};
        for (int col = 0; col < 4; ++col) {
            for (QChar c : refusedPerColumn[col]) {
                QString vector = QStringLiteral("0LZ1");
                vector[col] = c;
                const PWVectorPasteResult one = parseVectorPaste(vector, fourColumns());
                QVERIFY2(one.rows.isEmpty(), qPrintable(vector));
                QCOMPARE(one.refused.size(), 1);
            }
        }
        const PWVectorPasteResult none = parseVectorPaste(QStringLiteral("0\n1"), QStringList());
        QCOMPARE(none.refused, (QStringList{"Row 1: the table has no signal columns",
                                            "Row 2: the table has no signal columns"}));
    }

    void largeBlock()
    {
        // 2000 rows over 64 columns, every tenth with a bad character.
        QStringList columns(64, QStringLiteral("01UDHLNXZT"));
        QString text;
        for (int r = 0; r < 2000; ++r)
            text += QString(63, QLatin1Char('0')) + (r % 10 == 9 ? QLatin1Char('?') : QLatin1Char('1')) + '\n';
        const PWVectorPasteResult result = parseVectorPaste(text, columns);
        QCOMPARE(result.rows.size(), 1800);
        QCOMPARE(result.refused.size(), 200);
        QVERIFY(result.refused.last().startsWith(QStringLiteral("Row 2000: column 64 ")));
    }
};

QTEST_APPLESS_MAIN(TestVectorPaste)
#include "tst_vectorpaste.moc"
