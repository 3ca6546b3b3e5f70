#include "CLogic.h"
#include "PWPackagePinCheck.h"
#include "PWPasteChecks.h"
#include "PWTableText.h"

#include <QPoint>
#include <QTest>

using PWTableText::planPaste;

class TestTableText : public QObject
{
    Q_OBJECT

private:
    static QList<QStringList> fields(const QString& text)
    {
        QList<QStringList> rows;
        for (const PWTableText::Row& r : PWTableText::parse(text))
            rows.append(r.fields);
        return rows;
    }

private slots:
    void parsing()
    {
        // A spreadsheet copy: tabs, CRLF, a trailing blank line.
        QCOMPARE(fields(QStringLiteral("1\tA0\tInput\r\n2\t A1 \tOutput\r\n\r\n")),
                 (QList<QStringList>{{"1", "A0", "Input"}, {"2", "A1", "Output"}}));
        // Commas only when no tab is there; quotes protect commas, doubled quotes stay.
        QCOMPARE(fields(QStringLiteral("1,\"A, B\",x\n2,\"say \"\"hi\"\"\",y")),
                 (QList<QStringList>{{"1", "A, B", "x"}, {"2", "say \"hi\"", "y"}}));
        QCOMPARE(fields(QStringLiteral("1\tA,B")), (QList<QStringList>{{"1", "A,B"}}));
        // A quoted line break is part of the field; a stray inch mark joins nothing.
        QCOMPARE(fields(QStringLiteral("\"two\nlines\"\tx\n5\" drive\ty\nz\tw")),
                 (QList<QStringList>{{"two\nlines", "x"}, {"5\" drive", "y"}, {"z", "w"}}));
        // Line numbers are those of the block, blank lines counted.
        const QList<PWTableText::Row> rows = PWTableText::parse(QStringLiteral("a\n\n  \nb\rc"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(QPoint(rows[1].line, rows[2].line), QPoint(4, 5));
        QVERIFY(PWTableText::parse(QString()).isEmpty());

        // What copy writes, paste reads back unchanged.
        const QList<QStringList> tricky{{"1", "tab\there", "x"}, {"2", "quote\"d", ""}, {"3", "line\nbreak", "z"}};
        QCOMPARE(fields(PWTableText::format(tricky)), tricky);
    }

    void planning()
    {
        const QList<QStringList> table{{"1", "A", ""}, {"2", "B", ""}, {"3", "C", ""}};
        const QStringList labels{"Number", "Name", "Type"};
        const PWTableText::RowCheck refuseX = [](QStringList& cells, int, const QList<QStringList>&) {
            return cells[1] == QLatin1String("X") ? QStringLiteral("no X") : QString();
        };

        // From row 1: two rows overwritten in place, the refused one keeps its
        // place, the rest appended without a gap; the header row is skipped.
        PWTableText::Plan plan = planPaste(table, 3, 1, 0,
                                           QStringLiteral("Number\tName\tType\n7\tP\n8\tX\n9\tQ\n10\tX\n11\tR\n"),
                                           labels, refuseX);
        QCOMPARE(plan.pastedRows, 5);
        QCOMPARE(plan.rows, (QList<int>{1, 3, 4}));
        QCOMPARE(plan.cells[0], (QStringList{"7", "P", ""}));
        QCOMPARE(plan.problems, (QStringList{"Row 3: no X", "Row 5: no X"}));
        QVERIFY(PWTableText::problemReport(plan).startsWith(QStringLiteral("2 of 5 pasted rows were not taken:\n")));

        // A one-column block from the name column changes names only.
        plan = planPaste(table, 3, 0, 1, QStringLiteral("N1\nN2"), labels, nullptr);
        QCOMPARE(plan.cells, (QList<QStringList>{{"1", "N1", ""}, {"2", "N2", ""}}));
        // More fields than columns from the current one are refused by row.
        plan = planPaste(table, 3, 0, 1, QStringLiteral("a\tb\tc\nd"), labels, nullptr);
        QCOMPARE(plan.rows, (QList<int>{1}));
        QCOMPARE(plan.problems, (QStringList{"Row 1: 3 fields, but only 2 columns from here"}));
        // Past the end (no current row) everything is appended.
        plan = planPaste(table, 3, 99, 0, QStringLiteral("4\tD"), labels, nullptr);
        QCOMPARE(plan.rows, (QList<int>{3}));

        PWTableText::Plan many;
        for (int i = 0; i < 25; ++i)
            many.problems.append(QStringLiteral("Row %1: bad").arg(i + 1));
        many.pastedRows = 25;
        QVERIFY(PWTableText::problemReport(many).endsWith(QStringLiteral("Row 20: bad\n... and 5 more")));
    }

    void packagePinRows()
    {
        const QList<QStringList> table{{"1", "CLK", "Input"}, {"PAD", "", ""}, {"TIE0", "", ""}};
        // Each row on its own against the table as it is.
        const auto refusal = [&](QStringList cells, int row = 3) {
            PWPackagePinCheck check;
            return check.rowCheck()(cells, row, table);
        };
        QCOMPARE(refusal({"2", "D0", "output"}), QString());
        PWPackagePinCheck check;
        QStringList canon{"2", "D0", "inout"};
        QCOMPARE(check.rowCheck()(canon, 3, table), QString());
        QCOMPARE(canon[2], QStringLiteral("INOUT"));
        QCOMPARE(refusal({"", "D0", ""}), QStringLiteral("the pin number is empty"));
        QCOMPARE(refusal({"1", "D0", ""}), QStringLiteral("pin number \"1\" is already used in this package"));
        QCOMPARE(refusal({"pad", "D0", ""}), QStringLiteral("pin number \"pad\" is already used in this package"));
        QCOMPARE(refusal({"TIE0", "D1", ""}), QString());
        QCOMPARE(refusal({"2", "CLK", ""}), QStringLiteral("pin name \"CLK\" is already used in this package"));
        QCOMPARE(refusal({"2", "", ""}), QString());
        QCOMPARE(refusal({"2", "D0", "Bidir"}), QStringLiteral("\"Bidir\" is no pin type"));
        // Overwriting a row in place does not collide with what it replaces.
        QCOMPARE(refusal({"1", "CLK", "Input"}, 0), QString());

        // Within one paste the rows taken count, and a row overwritten frees its
        // number and name: PAD is free once row 1 holds pin 1.
        const PWTableText::Plan plan = planPaste(table, 3, 0, 0, QStringLiteral("5\tX\n1\tCLK\n7\tX\npad\tP\n"),
                                                 {}, check.rowCheck());
        QCOMPARE(plan.rows, (QList<int>{0, 1, 3}));
        QCOMPARE(plan.problems, QStringList{"Row 3: pin name \"X\" is already used in this package"});
    }

    void supplyPinsNamedApart()
    {
        const QList<QStringList> table{{"1", "CLK", "INPUT"}, {"2", "VCC_C3", "INPUT"}};
        const QString text = QStringLiteral("A1\tGND\tGND\nB7\tGND\tgnd\nC2\tVCC\tPWR\nC3\tVCC\tPWR\n"
                                            "D1\tCLK\tDU\nD2\tIO_1\tINOUT\nD3\tIO_1\tINOUT\nE1\tVCC\tINPUT\n"
                                            "E2\tNC\tNC\nE3\tREF\tPWR_REF\nE4\tREF\tPWR_NEG\n");
        PWPackagePinCheck check;
        const auto names = [](const PWTableText::Plan& plan) {
            QStringList taken;
            for (const QStringList& cells : plan.cells)
                taken << cells[1];
            return taken;
        };
        PWTableText::Plan plan = planPaste(table, 3, 2, 0, text, {}, check.rowCheck());
        // GND, VCC and REF once each, CLK beside the table's signal pin; IO_1 is no supply pin.
        QCOMPARE(check.repeatedSupplyPins(), 4);
        QCOMPARE(names(plan), (QStringList{"GND", "VCC", "IO_1", "NC", "REF"}));

        check.setNameApart(true);
        plan = planPaste(table, 3, 2, 0, text, {}, check.rowCheck());
        QCOMPARE(names(plan), (QStringList{"GND_A1", "GND_B7", "VCC_C2", "CLK_D1", "IO_1", "VCC", "NC", "REF_E3",
                                           "REF_E4"}));
        QCOMPARE(plan.cells[1], (QStringList{"B7", "GND_B7", "GND"}));
        // A name made apart still has to be free; other refusals stay.
        QCOMPARE(plan.problems, (QStringList{"Row 4: pin name \"VCC_C3\" is already used in this package",
                                             "Row 7: pin name \"IO_1\" is already used in this package"}));
        QCOMPARE(check.repeatedSupplyPins(), 0);
        QVERIFY(!PWPackagePinCheck::isSupplyType(lxlib::PPT_DASH));
    }

    void pinListRows()
    {
        CLogic logic;
        auto* package = new CPackage;
        package->addPackageId(QStringLiteral("DIP"));
        package->addPin(QStringLiteral("1"), QStringLiteral("A0"), lxlib::PPT_INPUT);
        package->addPin(QStringLiteral("2"), QStringLiteral("Y0"), lxlib::PPT_OUTPUT);
        package->addPin(QStringLiteral("3"), QStringLiteral("GND"), lxlib::PPT_GND);
        logic.insertPackage(0, package);
        const QStringList pinNames{QString(), QStringLiteral("A0"), QStringLiteral("Y0")};
        const PWTableText::RowCheck check = PWPasteChecks::pinListRow(logic, pinNames, false);
        const auto refusal = [&](QStringList cells) { return check(cells, 0, {}); };

        QStringList good{"A0", "in", "007"};
        QCOMPARE(check(good, 0, {}), QString());
        QCOMPARE(good, (QStringList{"A0", "IN", "7"}));
        QCOMPARE(refusal({"A0", "DATA", ""}), QStringLiteral("pin \"A0\" cannot carry signal type \"DATA\""));
        QCOMPARE(refusal({"A0", "", ""}), QString());
        QCOMPARE(refusal({"", "DATA", "0"}), QStringLiteral("the pin name is empty"));
        QCOMPARE(refusal({"GND", "", ""}), QStringLiteral("\"GND\" is not a signal pin of every package"));
        QCOMPARE(refusal({"a0", "", ""}), QStringLiteral("\"a0\" is not a signal pin of every package"));
        QCOMPARE(refusal({"Y0", "NOSUCH", "0"}), QStringLiteral("pin \"Y0\" cannot carry signal type \"NOSUCH\""));
        QCOMPARE(refusal({"A0", "", "10000"}), QStringLiteral("bit \"10000\" is not a number from 0 to 9999"));
        QCOMPARE(refusal({"A0", "", "-1"}), QStringLiteral("bit \"-1\" is not a number from 0 to 9999"));
        QCOMPARE(refusal({"A0", "", "x"}), QStringLiteral("bit \"x\" is not a number from 0 to 9999"));
    }
};

QTEST_MAIN(TestTableText)
#include "tst_tabletext.moc"
