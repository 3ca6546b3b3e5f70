#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run tool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(PW_MODEL_TOOL), args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
}

const QByteArray kGood = "model-format 1.2\n"
                         "component \"C\" {\n"
                         "  package {\n"
                         "    id \"P\"\n"
                         "    pin \"1\" \"A\" INPUT\n"
                         "  }\n"
                         "  logic \"L\" {\n"
                         "    pinlist \"P\" {\n"
                         "      signal IN 0 \"A\"\n"
                         "    }\n"
                         "  }\n"
                         "}\n";

} // namespace

class TestPartwrightModel : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void usage();
    void check();
    void format();

private:
    QString file(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

void TestPartwrightModel::usage()
{
    const Run help = tool({QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.contains("check FILE..."));
    QVERIFY(help.out.contains("format [-i] FILE"));
    QCOMPARE(tool({}).code, 2);
    QCOMPARE(tool({QStringLiteral("explode")}).code, 2);
    QCOMPARE(tool({QStringLiteral("check")}).code, 2);
    QCOMPARE(tool({QStringLiteral("check"), QStringLiteral("--bogus"), file("x.model")}).code, 2);
    QCOMPARE(tool({QStringLiteral("format")}).code, 2);
    const Run formatHelp = tool({QStringLiteral("format"), QStringLiteral("--help")});
    QCOMPARE(formatHelp.code, 0);
    QVERIFY(formatHelp.out.contains("atomically"));
}

void TestPartwrightModel::check()
{
    put(file("good.model"), kGood);
    const Run good = tool({QStringLiteral("check"), file("good.model")});
    QCOMPARE(good.code, 0);
    QVERIFY(good.err.isEmpty());

    // A read error and a check problem, each GCC style with the line and column.
    put(file("broken.model"), QByteArray(kGood).replace("INPUT", "INPT"));
    put(file("ghost.model"), QByteArray(kGood).replace("signal IN 0 \"A\"", "signal IN 0 \"GHOST\""));
    const Run bad = tool({QStringLiteral("check"), file("good.model"), file("broken.model"), file("ghost.model"),
                          file("missing.model")});
    QCOMPARE(bad.code, 1);
    const QStringList lines = QString::fromUtf8(bad.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.at(0).startsWith(file("broken.model") + QStringLiteral(":5:17: error: expected a pin type")),
             qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).startsWith(file("ghost.model") + QStringLiteral(":9:7: error: pin list \"P\" names the pin")),
             qPrintable(lines.at(1)));
    QVERIFY2(lines.at(2).startsWith(file("missing.model") + QStringLiteral(":1:1: error: cannot read the file")),
             qPrintable(lines.at(2)));
    QVERIFY(bad.out.contains("1 of 4 model files passed"));
}

void TestPartwrightModel::format()
{
    // Sloppy but valid input comes out canonical, and canonical input stays as it is.
    QByteArray sloppy = kGood;
    sloppy.replace("  ", "\t").replace("\n", "  # note\r\n").replace("INPUT", "input");
    put(file("sloppy.model"), sloppy);
    const Run first = tool({QStringLiteral("format"), file("sloppy.model")});
    QCOMPARE(first.code, 0);
    QCOMPARE(first.out, kGood);
    QCOMPARE(contentOf(file("sloppy.model")), sloppy);

    QCOMPARE(tool({QStringLiteral("format"), QStringLiteral("-i"), file("sloppy.model")}).code, 0);
    QCOMPARE(contentOf(file("sloppy.model")), kGood);
    QCOMPARE(tool({QStringLiteral("format"), file("sloppy.model")}).out, kGood);

    // A file with errors is never rewritten.
    const QByteArray broken = QByteArray(kGood).replace("}\n", "");
    put(file("broken.model"), broken);
    const Run bad = tool({QStringLiteral("format"), QStringLiteral("-i"), file("broken.model")});
    QCOMPARE(bad.code, 1);
    QVERIFY(bad.err.contains(": error: expected '}'"));
    QVERIFY(bad.out.isEmpty());
    QCOMPARE(contentOf(file("broken.model")), broken);
}

QTEST_GUILESS_MAIN(TestPartwrightModel)
#include "tst_partwright_model.moc"
