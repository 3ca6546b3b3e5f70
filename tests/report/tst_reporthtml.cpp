#include "PWReportHtml.h"
#include "ReportFixture.h"

#include <QDir>
#include <QRegularExpression>

using namespace lxlib;

namespace {

struct Balance
{
    int unclosedTables = 0;
    QStringList problems;
};

// What the logic report's layout leaves: the parts table is closed after a
// cell and a row end that have nothing open in that table.
const QStringList kLogicStrays = {QStringLiteral("stray </TD>"), QStringLiteral("stray </TR>")};

// Follows the nesting of TABLE, TR, TD and TH as a browser does: an end tag closes the innermost
// element of its kind and what is open inside it, but a row or cell end never leaves its table.
Balance balanceOf(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)(TABLE|TR|TD|TH)\\b[^>]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    Balance b;
    QStringList open;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(2).toUpper();
        if (m.captured(1).isEmpty()) {
            if ((name == QLatin1String("TR") || name == QLatin1String("TD") || name == QLatin1String("TH"))
                && !open.contains(QLatin1String("TABLE")))
                b.problems << name + QLatin1String(" outside a table");
            open << name;
            continue;
        }
        // A cell is closed by </TD> as well as </TH>: the report closes its header cells that way.
        const bool cell = name == QLatin1String("TD") || name == QLatin1String("TH");
        qsizetype at = open.size() - 1;
        while (at >= 0 && open.at(at) != name
               && !(cell && (open.at(at) == QLatin1String("TD") || open.at(at) == QLatin1String("TH")))) {
            if (name != QLatin1String("TABLE") && open.at(at) == QLatin1String("TABLE"))
                at = -1;
            else
                --at;
        }
        if (at < 0) {
            b.problems << QLatin1String("stray </") + name + QLatin1Char('>');
            continue;
        }
        open.resize(at);
    }
    b.unclosedTables = int(open.count(QLatin1String("TABLE")));
    return b;
}

} // namespace

class TestReportHtml : public QObject
{
    Q_OBJECT

private slots:
    void fragmentsInOrder()
    {
        ExampleModel ex(QStringLiteral("octal-buffer-244.model"));
        QVERIFY(ex.read);
        const QString html = PWReportHtml(QStringLiteral("ob.model"), QStringLiteral("OB244"))
                                 .htmlReport(&ex.model.logic(), nullptr, PWReportHtml::LogicMode);
        const QString table0 = QStringLiteral("\n<TABLE border=\"0\" cellspacing=\"0\" cellpadding=\"0\" "
                                              "bordercolor=\"gray\" bgcolor=\"white\" frame=void rules=all>\n");
        const QString table1 = QString(table0).replace(QStringLiteral("border=\"0\""), QStringLiteral("border=\"1\""));
        QVERIFY(html.startsWith(QStringLiteral("<HTML>\n") + table0 + QStringLiteral("\n<TR>\n<TD><tt>") + table0
                                + QStringLiteral("\n<TR>\n<TD><tt>File Name</tt>&nbsp;</TD>\n<TD><tt>ob.model"
                                                 "</tt>&nbsp;</TD>\n</TR>\n")));
        QVERIFY(html.endsWith(QStringLiteral("</tt>&nbsp;</TD>\n</TR>\n\n</TABLE><br>\n</HTML>\n")));
        QVERIFY(inOrder(html, {
             "<TD><tt>Device Name</tt>&nbsp;</TD>\n<TD><tt>OB244</tt>&nbsp;</TD>\n</TR>\n"
                 "\n<TR>\n<TD><tt></tt>&nbsp;</TD>\n</TR>\n\n<TR>\n<TD><tt>",
             "\n<TR>\n<TD colspan=\"1\" nowrap><tt><B>Packages</B></tt></TD>\n<TD colspan=\"1\" nowrap></TD>\n</TR>\n",
             "<TD colspan=\"1\" nowrap><tt><B>Name : DIP20, SO20</B></tt></TD>\n",
             "<TH align=\"left\"><tt>Number&nbsp;</tt>&nbsp;</TD>\n",
             "<TD><tt>1OE_N&nbsp;</tt>&nbsp;</TD>\n<TD><tt>INPUT&nbsp;</tt>&nbsp;</TD>\n",
             "<TD colspan=\"1\" nowrap><tt><B>PARTS</B></tt>&nbsp;</TD>\n"
                 "<TD colspan=\"1\" nowrap><tt></tt>&nbsp;</TD>\n</TR>\n",
             "<TD colspan=\"1\"><tt><B>Part Name :</B></tt>&nbsp;</TD>\n"
                 "<TD colspan=\"1\"><tt><B>Buffer</B></tt>&nbsp;</TD>\n",
             "<TD colspan=\"2\" nowrap><tt><B>Pin List : Half 1</B></tt></TD>\n",
             "<TH align=\"left\"><tt>Name&nbsp</tt></TH>\n<TH align=\"left\"><tt>Type&nbsp</tt></TH>\n",
             "<TD><tt>1OE_N&nbsp;</tt>&nbsp;</TD>\n<TD><tt>OE&nbsp;</tt>&nbsp;</TD>\n<TD><tt>0&nbsp;</tt>&nbsp;</TD>\n",
             "<TD colspan=\"1\" nowrap><tt><B>Truth Table</B></tt>&nbsp;</TD>\n",
             table1 + QStringLiteral("\n<TR>\n\n<TH><tt>1Y4<br>2Y4</tt></TH>\n"),
             "<TD align=\"center\"><tt>L</tt>&nbsp;</TD>\n",
             "<TD colspan=\"1\" nowrap><tt><B>Test Sequence</B></tt>&nbsp;</TD>\n",
             "<TD colspan=\"9\" nowrap><tt><B>Walking one</B></tt>&nbsp;</TD>\n"
                 "<TD colspan=\"1\" nowrap><tt> Diagnose</tt>&nbsp;</TD>\n",
             "<TD><tt>OUT 5 SA0</tt>&nbsp;</TD>\n",
             "<TD colspan=\"9\" nowrap><tt>Wait 1 us</tt>&nbsp;</TD>\n",
             "<TD colspan=\"1\" nowrap><tt><B>Enable Pattern</B></tt>&nbsp;</TD>\n",
             "<TD colspan=\"1\" nowrap><tt><B>Outputs on</B></tt>&nbsp;</TD>\n",
             "<TD><tt>OE&nbsp;</tt>&nbsp;</TD>\n<TD><tt>0&nbsp;</tt>&nbsp;</TD>\n",
             "<TD><tt>Output Enable</tt>&nbsp;</TD>\n",
             "<TD colspan=\"1\" nowrap><tt><B>Disable Pattern</B></tt>&nbsp;</TD>\n",
             "<TD colspan=\"1\" nowrap><tt><B>Disable 01</B></tt>&nbsp;</TD>\n",
             "<TD><tt>Disabled Pin Type</tt>&nbsp;</TD>\n<TD><tt>OUT </tt>&nbsp;</TD>\n"}));
        QVERIFY(PWReportHtml(QString(), QString()).htmlReport(&ex.model.logic(), nullptr, 0).isEmpty());
        QVERIFY(PWReportHtml(QString(), QString()).htmlReport(nullptr, ex.document.get(), 1).isEmpty());

        ExampleModel passive(QStringLiteral("resistor-network-board.model"));
        QVERIFY(passive.read);
        const QString parts = PWReportHtml(QStringLiteral("rn.model"), QStringLiteral("RN8-10K"))
                                  .htmlReport(nullptr, passive.document.get(), PWReportHtml::PassiveMode);
        QVERIFY(inOrder(parts, {
             "<HTML>\n\n<TABLE border=\"0\"",
             "\n<TR>\n<TD><tt>File Name : </tt>&nbsp;</TD>\n<TD><tt>rn.model</tt>&nbsp;</TD>\n</TR>\n"
                 "\n<TR>\n<TD><tt>Device Name : </tt>&nbsp;</TD>\n<TD><tt>RN8-10K</tt>&nbsp;</TD>\n</TR>\n"
                 "\n<TR>\n<TD><tt></tt>&nbsp;</TD>\n<TD><tt></tt>&nbsp;</TD>\n</TR>\n"
                 "\n<TR>\n<TD><tt>Parts </tt>&nbsp;</TD>\n<TD><tt></tt>&nbsp;</TD>\n</TR>\n"
                 "\n<TR>\n<TD><tt></tt>&nbsp;</TD>\n<TD><tt>\n<TABLE",
             "<TD><tt>Part : </tt>&nbsp;</TD>\n<TD><tt>RN1</tt>&nbsp;</TD>\n</TR>\n"
                 "\n<TR>\n<TD><tt>Type : </tt>&nbsp;</TD>\n<TD><tt>RESISTOR</tt>&nbsp;</TD>\n</TR>\n"
                 "\n<TR>\n<TD><tt></tt>&nbsp;</TD>\n<TD><tt>\n<TABLE",
             "<TD><tt>1</tt>&nbsp;</TD>\n<TD><tt>16</tt>&nbsp;</TD>\n",
             "<TD><tt>Part : </tt>&nbsp;</TD>\n<TD><tt>JP1</tt>&nbsp;</TD>",
             "<TD><tt>Condition : </tt>&nbsp;</TD>\n<TD><tt>Position 1-2</tt>&nbsp;</TD>\n",
             "<TD><tt>JP1</tt>&nbsp;</TD>\n<TD><tt>JP2</tt>&nbsp;</TD>\n"}));
        QVERIFY(parts.endsWith(QStringLiteral("\n</TABLE><br>\n</tt>&nbsp;</TD>\n</TR>\n\n</TABLE><br>\n</HTML>\n")));
    }

    // The logic report leaves its outermost table open (the header table and
    // it share one closing tag) and has the two strays of the parts table; the
    // passive report closes every table.
    void everyExampleBalanced()
    {
        const QDir examples(QStringLiteral(PW_EXAMPLES_DIR));
        const QStringList files = examples.entryList({QStringLiteral("*.model")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 6);
        for (const QString& name : files) {
            ExampleModel ex(name);
            QVERIFY2(ex.read, qPrintable(name));
            const bool passive = ex.model.category() == PWDeviceModel::Passive;
            const QString html = PWReportHtml(name, ex.model.deviceId())
                                     .htmlReport(&ex.model.logic(), ex.document.get(), passive ? 2 : 1);
            const Balance b = balanceOf(html);
            QVERIFY2(b.problems == (passive ? QStringList() : kLogicStrays),
                     qPrintable(name + QLatin1String(": ") + b.problems.join(QLatin1String(", "))));
            QVERIFY2(b.unclosedTables == (passive ? 0 : 1), qPrintable(name));
        }
        // The checker itself notices a table left open and a stray end tag.
        QCOMPARE(balanceOf(QStringLiteral("<TABLE><TR><TD>x</TD></TR>")).unclosedTables, 1);
        QCOMPARE(balanceOf(QStringLiteral("<TABLE></TABLE></TABLE>")).problems.size(), 1);
        QCOMPARE(balanceOf(QStringLiteral("<TABLE><TR><TD><TABLE></TD></TABLE>")).problems.size(), 1);
    }

    void tenthDisablePatternAndTap()
    {
        CLogic logic;
        auto* package = new CPackage;
        package->addPackageId(QStringLiteral("P<1>"));
        package->setHasTap(true);
        package->addPin(QStringLiteral("1"), QStringLiteral("A"), PPT_INPUT);
        logic.insertPackage(0, package);
        auto* part = new CLogicPart(QStringLiteral("U1"));
        for (int i = 0; i < 10; ++i) {
            auto* d = new LxLibDisablePattern;
            d->AddSetDisable(new LxLibSetDisable(ST_OUT));
            part->insertDisablePattern(i, d);
        }
        logic.insertLogicPart(0, part);
        const QString html = PWReportHtml(QString(), QString()).htmlReport(&logic, nullptr, 1);
        QVERIFY(inOrder(html, {"<B>Name : P&lt;1&gt;</B>",
                               "<TD colspan=\"1\" nowrap><tt><B>Has Tap</TR>\n",
                               "<B>Disable 09</B>", "<B>Disable 010</B>"}));
        // A part without a truth table, sequences or enables still shows their headings, as the text report does not.
        QVERIFY(inOrder(html, {"<B>Truth Table</B>", "<B>Test Sequence</B>",
                               "<B>Enable Pattern</B>", "<B>Disable Pattern</B>"}));
        // The unclosed "Has Tap" cell is closed by its row; tables stay as for any logic report.
        const Balance b = balanceOf(html);
        QCOMPARE(b.problems, kLogicStrays);
        QCOMPARE(b.unclosedTables, 1);
    }
};

QTEST_GUILESS_MAIN(TestReportHtml)
#include "tst_reporthtml.moc"
