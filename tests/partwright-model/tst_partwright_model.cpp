#include "ToolRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Run = ToolRun;

Run tool(const QStringList& args)
{
    return runTool(QStringLiteral(PW_MODEL_TOOL), args);
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

// A logic model that passes every check; its texts are varied by the tests.
const QByteArray kLogic = "model-format 1.1\n"
                          "header general {\n  line \"March 3 2026 Jo\"\n  line \"(c) Jo\"\n  line \"Buffer\"\n"
                          "  line \"Logic\"\n}\nheader history {\n  line \"first\"\n}\n"
                          "alias \"A1\" \"CHIP\" \"Maker\" \"P\"\n"
                          "component \"CHIP\" {\n  package {\n    id \"P\"\n    id \"P-ALT\"\n    tap\n"
                          "    pin \"1\" \"A\" INPUT\n    pin \"2\" \"Y\" OUTPUT\n    pin \"3\" \"G\" GND\n  }\n"
                          "  logic \"Part 01\" {\n"
                          "    pinlist \"PL\" {\n      signal IN 0 \"A\"\n      signal OUT 0 \"Y\"\n    }\n"
                          "    pinlist \"PL2\" {\n      signal IN 0 \"A\"\n      signal OUT 0 \"Y\"\n    }\n"
                          "    truthtable {\n      row \"0\"\n    }\n"
                          "    sequence \"S\" {\n      vector \"1\"\n      loop 3 {\n        vector \"0\"\n      }\n"
                          "      wait 5 ns\n    }\n"
                          "    enable \"E\" {\n      set IN \"0\"\n      chip-enable\n    }\n"
                          "    disable \"D\" {\n      set IN \"1\"\n      disables OUT\n    }\n"
                          "    latch \"L\" {\n      equation IN -1 OUT -1 invert\n      step {\n        set IN \"1\"\n"
                          "      }\n    }\n  }\n}\n";

// Line and column of the record that starts on the line holding offset.
QString placeOf(const QByteArray& text, qsizetype offset)
{
    const qsizetype start = text.lastIndexOf('\n', offset - 1) + 1;
    qsizetype column = 1;
    while (text.at(start + column - 1) == ' ')
        ++column;
    return QStringLiteral("%1:%2").arg(text.left(start).count('\n') + 1).arg(column);
}

// Every line of err is one GCC-style diagnostic or note with a place in file.
void verifyLocated(const QString& file, const QByteArray& err)
{
    const QRegularExpression located(QStringLiteral("^%1:\\d+:\\d+: (error|warning|note): \\S")
                                         .arg(QRegularExpression::escape(file)));
    const QStringList lines = QString::fromUtf8(err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty(), qPrintable(file));
    QVERIFY2(!lines.first().contains(QLatin1String(": note: ")), qPrintable(lines.first()));
    for (const QString& line : lines)
        QVERIFY2(located.match(line).hasMatch(), qPrintable(line));
}

// The canonical text without its format line.
QByteArray withoutVersion(const QByteArray& text)
{
    return text.mid(text.indexOf('\n') + 1);
}

} // namespace

class TestPartwrightModel : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void usage();
    void check();
    void format();
    void wizardChecks();
    void locatedDiagnostics();
    void rebuild();
    void rebuildExamples();
    void rebuildReportsRefusedDisablePatterns();

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

void TestPartwrightModel::wizardChecks()
{
    put(file("logic.model"), kLogic);
    QCOMPARE(tool({QStringLiteral("check"), file("logic.model")}).code, 0);

    // The library accepts these; the wizard's checks do not. Each diagnostic
    // names the record (the line "at" starts on), its further lines as notes.
    const struct
    {
        const char* from;
        const char* to;
        const char* at;
        QString text;
    } cases[] = {
        {"    pinlist \"PL2\" {\n      signal IN 0 \"A\"\n      signal OUT 0 \"Y\"",
         "    pinlist \"PL2\" {\n      signal IN 0 \"A\"\n      signal OE 0 \"Y\"", "pinlist \"PL2\"",
         QStringLiteral("error: Pin List \"PL\" does not match with Pin List \"PL2\"\n%1 note: Signal Types and "
                        "the Bit Numbers for both Pin Lists have to match")},
        {"signal OUT 0 \"Y\"\n    }\n    pinlist \"PL2\"", "signal IN 0 \"Y\"\n    }\n    pinlist \"PL2\"",
         "signal IN 0 \"Y\"",
         QStringLiteral("error: Error : Part 01 PL\n%1 note: Signal Type OUTPUT in the package can not be used "
                        "as IN\n")},
        {"    disable \"D\" {\n      set IN \"1\"\n", "    disable \"D\" {\n", "disable \"D\"",
         QStringLiteral("error: Error Part 01 D: There is no Disable Pattern defined\n")},
        {"model-format 1.1", "model-format 1.0", "sequence {", QStringLiteral("error: This Test Sequence has no name\n")},
    };
    for (const auto& c : cases) {
        QByteArray text = kLogic;
        text.replace(c.from, c.to);
        // A version 1.0 test sequence has no name.
        if (text.startsWith("model-format 1.0"))
            text.replace("sequence \"S\"", "sequence");
        put(file("bad.model"), text);
        const Run r = tool({QStringLiteral("check"), file("bad.model")});
        QCOMPARE(r.code, 1);
        verifyLocated(file("bad.model"), r.err);
        const QString place = file("bad.model") + QLatin1Char(':') + placeOf(text, text.indexOf(c.at)) + QLatin1Char(':');
        QVERIFY2(r.err.contains((place + QLatin1Char(' ') + QString(c.text).replace(QLatin1String("%1"), place)).toUtf8()), r.err.constData());
    }

    // No component points past the last line; a second one at itself.
    QByteArray empty = kLogic.left(kLogic.indexOf("component"));
    put(file("empty.model"), empty);
    const Run none = tool({QStringLiteral("check"), file("empty.model")});
    QCOMPARE(none.code, 1);
    QCOMPARE(none.err, (file("empty.model") + QStringLiteral(":%1:1: error: the model has no component\n")
                                                   .arg(empty.count('\n') + 1)).toUtf8());
    const QByteArray twice = kLogic + kLogic.mid(kLogic.indexOf("component")).replace("\"CHIP\"", "\"CHIP2\"");
    put(file("twice.model"), twice);
    const Run two = tool({QStringLiteral("check"), file("twice.model")});
    QCOMPARE(two.code, 1);
    verifyLocated(file("twice.model"), two.err);
    QVERIFY2(two.err.contains((file("twice.model") + QLatin1Char(':') +
                               placeOf(twice, twice.indexOf("component \"CHIP2\"")) +
                               QStringLiteral(": error: Unable to parse file"))
                                  .toUtf8()),
             two.err.constData());
}

void TestPartwrightModel::locatedDiagnostics()
{
    const QDir examples(QStringLiteral(PW_EXAMPLES_DIR));
    const QStringList models = examples.entryList({QStringLiteral("*.model")}, QDir::Files, QDir::Name);
    if (models.isEmpty())
        QSKIP("no example models in this tree");
    // Group 1 is replaced; with a text, the wizard's message about it names the
    // record that the first match starts on.
    const struct
    {
        const char* pattern;
        const char* to;
        const char* text;
    } mutations[] = {
        {"^ *vector \"([^\"])", "2", "is not valid"},
        {"^ *row \"([^\"])", "2", "Function Truth Table: This vector"},
        {"^ *pin (\"[^\"]*\") ", "\"\"", "Incorrect package specification"},
        {"^ *loop (\\d+)", "0", "Number of times to repeat is not valid"},
        {"^ *signal \\w+ (\\d+) ", "50", "Incorrect bit sequences"},
        {"^ *set \\w+ \"([^\"])", "2", nullptr},
        {"^ *pin \"[^\"]*\" \"[^\"]*\" (INPUT)", "OUTPUT", nullptr},
        {"^ *pin \"[^\"]*\" \"[^\"]*\" (OUTPUT)", "INPUT", nullptr},
        {"^(component)", "header general {\n}\n#", nullptr},
    };
    int mutated = 0;
    for (const QString& name : models) {
        const QByteArray original = contentOf(examples.filePath(name));
        for (const auto& m : mutations) {
            const QRegularExpression re(QLatin1String(m.pattern), QRegularExpression::MultilineOption);
            const QRegularExpressionMatch match = re.match(QString::fromLatin1(original));
            if (!match.hasMatch())
                continue;
            QByteArray text = original;
            text.replace(match.capturedStart(1), match.capturedLength(1), m.to);
            const QString path = file("mutated.model");
            put(path, text);
            const Run r = tool({QStringLiteral("check"), path});
            const QString what = name + QStringLiteral(" / ") + QLatin1String(m.pattern);
            QVERIFY2(r.code == 1, qPrintable(what));
            verifyLocated(path, r.err);
            // The wizard does not check passive models.
            if (m.text && !original.contains("\n  passive ")) {
                const QString place = path + QLatin1Char(':') + placeOf(text, match.capturedStart(1)) +
                                      QStringLiteral(": error: ");
                bool found = false;
                for (const QString& line : QString::fromUtf8(r.err).split(QLatin1Char('\n')))
                    found = found || (line.startsWith(place) && line.contains(QLatin1String(m.text)));
                QVERIFY2(found, qPrintable(what + QLatin1Char('\n') + QString::fromUtf8(r.err)));
            }
            ++mutated;
        }
    }
    QVERIFY(mutated > 20);
}

void TestPartwrightModel::rebuild()
{
    put(file("logic.model"), kLogic);
    const Run first = tool({QStringLiteral("rebuild"), file("logic.model"), file("out.model")});
    QCOMPARE(first.code, 0);
    QVERIFY(first.err.isEmpty());
    const QByteArray built = contentOf(file("out.model"));
    QVERIFY(built.startsWith("model-format 1.2\n"));
    QCOMPARE(withoutVersion(built), withoutVersion(tool({QStringLiteral("format"), file("logic.model")}).out));
    QCOMPARE(tool({QStringLiteral("rebuild"), file("out.model"), file("again.model")}).code, 0);
    QCOMPARE(contentOf(file("again.model")), built);

    // What the wizard cannot hold is dropped with its warning.
    QByteArray twoSpecs = kLogic;
    put(file("two.model"), twoSpecs.replace("      chip-enable\n", "      chip-enable\n      output-enable\n"));
    const Run dropped = tool({QStringLiteral("rebuild"), file("two.model"), file("two-out.model")});
    QCOMPARE(dropped.code, 0);
    QVERIFY(dropped.err.contains(": warning: Some enable patterns have multiple specifications."));
    QVERIFY(!contentOf(file("two-out.model")).contains("output-enable"));

    QByteArray memory = kLogic;
    put(file("memory.model"), memory.replace("  logic \"Part 01\"", "  memory-test \"Part 01\"")
                                    .replace("    truthtable {\n      row \"0\"\n    }\n", ""));
    const Run refused = tool({QStringLiteral("rebuild"), file("memory.model"), file("memory-out.model")});
    QCOMPARE(refused.code, 1);
    QVERIFY2(refused.err.contains((QStringLiteral("error: Warning: File \"%1\" is in ReadOnly mode and cannot be "
                                                  "changed or saved").arg(file("memory.model"))).toUtf8()),
             refused.err.constData());
    QVERIFY(!QFile::exists(file("memory-out.model")));

    QByteArray noPackage = kLogic;
    noPackage.remove(noPackage.indexOf("  package {"), noPackage.indexOf("  logic ") - noPackage.indexOf("  package {"));
    put(file("nopackage.model"), noPackage);
    put(file("nopackage-out.model"), "keep\n");
    const Run failed = tool({QStringLiteral("rebuild"), file("nopackage.model"), file("nopackage-out.model")});
    QCOMPARE(failed.code, 1);
    QVERIFY(failed.err.contains("error: Unable to save this model"));
    QCOMPARE(contentOf(file("nopackage-out.model")), QByteArray("keep\n"));

    QCOMPARE(tool({QStringLiteral("rebuild"), file("logic.model")}).code, 2);
    QCOMPARE(tool({QStringLiteral("rebuild"), file("missing.model"), file("x.model")}).code, 1);
    QVERIFY(!QFile::exists(file("x.model")));
}

void TestPartwrightModel::rebuildExamples()
{
    const QDir examples(QStringLiteral(PW_EXAMPLES_DIR));
    const QStringList models = examples.entryList({QStringLiteral("*.model")}, QDir::Files, QDir::Name);
    if (models.isEmpty())
        QSKIP("no example models in this tree");
    int logic = 0;
    for (const QString& name : models) {
        const QString in = examples.filePath(name);
        const QString out = file("rebuilt.model");
        QFile::remove(out);
        const Run r = tool({QStringLiteral("rebuild"), in, out});
        if (r.err.contains("error: Warning: File"))
            continue; // memory models are not rebuilt
        QVERIFY2(r.code == 0, qPrintable(name + QStringLiteral(": ") + QString::fromUtf8(r.err)));
        ++logic;
        const QByteArray built = contentOf(out);
        // Sequences and their diagnostics come through, also where the file warns.
        QByteArray source;
        for (const QByteArray& line : contentOf(in).split('\n'))
            if (!line.trimmed().startsWith('#'))
                source += line + '\n';
        for (const char* record : {"sequence \"", "vector \"", "diagnose {", "stuck ", "loop ", "wait "})
            QVERIFY2(built.count(record) == source.count(record), qPrintable(name + QLatin1Char(' ') + QLatin1String(record)));
        if (!r.err.contains(": warning: "))
            QVERIFY2(withoutVersion(built) == withoutVersion(tool({QStringLiteral("format"), in}).out),
                     qPrintable(name));
        // What the wizard wrote opens again without a word.
        const Run again = tool({QStringLiteral("rebuild"), out, file("again.model")});
        QVERIFY2(again.code == 0 && again.err.isEmpty(), again.err.constData());
        QVERIFY2(contentOf(file("again.model")) == built, qPrintable(name));
    }
    QVERIFY(logic > 0);
}

void TestPartwrightModel::rebuildReportsRefusedDisablePatterns()
{
    QByteArray many = kLogic;
    QByteArray disables;
    for (int i = 1; i <= 22; ++i)
        disables += "    disable \"D" + QByteArray::number(i) + "\" {\n      set IN \"1\"\n    }\n";
    put(file("many.model"), many.replace("    disable \"D\" {\n", disables + "    disable \"D\" {\n"));
    const Run full = tool({QStringLiteral("rebuild"), file("many.model"), file("many-out.model")});
    QCOMPARE(full.code, 0);
    // One diagnostic: the further line of the message is its note.
    const QByteArray at22 = (file("many.model") + QStringLiteral(":%1:5: ")
                                                      .arg(many.left(many.indexOf("disable \"D22\"")).count('\n') + 1))
                                .toUtf8();
    QVERIFY2(full.err.contains(at22 + "warning: It is not possible to add a new Disable Pattern\n" + at22
                               + "note: Maximum number of Disables is reached\n"),
             full.err.constData());
    QCOMPARE(contentOf(file("many-out.model")).count("    disable \""), 21);
}

QTEST_GUILESS_MAIN(TestPartwrightModel)
#include "tst_partwright_model.moc"
