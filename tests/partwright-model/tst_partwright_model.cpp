#include "TestFiles.h"
#include "ToolRun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

ToolRun tool(const QStringList& args)
{
    return runTool(QStringLiteral(PW_MODEL_TOOL), args);
}

const QByteArray kGood = "model-format 1.2\ncomponent \"C\" {\n  package {\n    id \"P\"\n    pin \"1\" \"A\" INPUT\n  }\n"
                         "  logic \"L\" {\n    pinlist \"P\" {\n      signal IN 0 \"A\"\n    }\n  }\n}\n";

// A logic model that passes every check; its texts are varied by the tests.
const QByteArray kLogic = "model-format 1.1\nheader general {\n  line \"March 3 2026 Jo\"\n  line \"(c) Jo\"\n"
                          "  line \"Buffer\"\n  line \"Logic\"\n}\nheader history {\n  line \"first\"\n}\n"
                          "alias \"A1\" \"CHIP\" \"Maker\" \"P\"\ncomponent \"CHIP\" {\n  package {\n    id \"P\"\n"
                          "    id \"P-ALT\"\n    tap\n    pin \"1\" \"A\" INPUT\n    pin \"2\" \"Y\" OUTPUT\n"
                          "    pin \"3\" \"G\" GND\n  }\n  logic \"Part 01\" {\n    pinlist \"PL\" {\n"
                          "      signal IN 0 \"A\"\n      signal OUT 0 \"Y\"\n    }\n    pinlist \"PL2\" {\n"
                          "      signal IN 0 \"A\"\n      signal OUT 0 \"Y\"\n    }\n    truthtable {\n"
                          "      row \"0\"\n    }\n    sequence \"S\" {\n      vector \"1\"\n      loop 3 {\n"
                          "        vector \"0\"\n      }\n      wait 5 ns\n    }\n    enable \"E\" {\n"
                          "      set IN \"0\"\n      chip-enable\n    }\n    disable \"D\" {\n      set IN \"1\"\n"
                          "      disables OUT\n    }\n    latch \"L\" {\n      equation IN -1 OUT -1 invert\n"
                          "      step {\n        set IN \"1\"\n      }\n    }\n  }\n}\n";

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

    QTemporaryDir m_dir;

    QString file(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    // Writes text as the file name and runs the command on it (with out as the second file, if given).
    ToolRun onFile(const char* command, const char* name, const QByteArray& text, const char* out = nullptr)
    {
        put(file(name), text);
        return tool(out ? QStringList{command, file(name), file(out)} : QStringList{command, file(name)});
    }

    static QStringList examples()
    {
        QStringList paths;
        const QDir dir(QStringLiteral(PW_EXAMPLES_DIR));
        for (const QString& name : dir.entryList({QStringLiteral("*.model")}, QDir::Files, QDir::Name))
            paths << dir.filePath(name);
        return paths;
    }

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void usageCheckAndFormat()
    {
        const ToolRun help = tool({"--help"});
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains("check FILE...") && help.out.contains("format [-i] FILE"));
        for (const QStringList& wrong : QList<QStringList>{{}, {"explode"}, {"check"}, {"check", "--bogus", file("x.model")},
                                         {"format"}, {"rebuild", file("x.model")}})
            QVERIFY2(tool(wrong).code == 2, qPrintable(wrong.join(' ')));
        const ToolRun formatHelp = tool({"format", "--help"});
        QCOMPARE(formatHelp.code, 0);
        QVERIFY(formatHelp.out.contains("atomically"));

        const ToolRun good = onFile("check", "good.model", kGood);
        QCOMPARE(good.code, 0);
        QVERIFY(good.err.isEmpty());
        // A read error and a check problem, each GCC style with the line and column.
        put(file("broken.model"), QByteArray(kGood).replace("INPUT", "INPT"));
        put(file("ghost.model"), QByteArray(kGood).replace("signal IN 0 \"A\"", "signal IN 0 \"GHOST\""));
        const ToolRun bad = tool({"check", file("good.model"), file("broken.model"), file("ghost.model"), file("missing.model")});
        QCOMPARE(bad.code, 1);
        const QStringList lines = QString::fromUtf8(bad.err).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).startsWith(file("broken.model") + ":5:17: error: expected a pin type"), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).startsWith(file("ghost.model") + ":9:7: error: pin list \"P\" names the pin"), qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).startsWith(file("missing.model") + ":1:1: error: cannot read the file"), qPrintable(lines.at(2)));
        QVERIFY(bad.out.contains("1 of 4 model files passed"));

        // Sloppy but valid input comes out canonical, and canonical input stays as it is.
        QByteArray sloppy = kGood;
        sloppy.replace("  ", "\t").replace("\n", "  # note\r\n").replace("INPUT", "input");
        const ToolRun first = onFile("format", "sloppy.model", sloppy);
        QCOMPARE(first.code, 0);
        QCOMPARE(first.out, kGood);
        QCOMPARE(contentOf(file("sloppy.model")), sloppy);
        QCOMPARE(tool({"format", "-i", file("sloppy.model")}).code, 0);
        QCOMPARE(contentOf(file("sloppy.model")), kGood);
        QCOMPARE(tool({"format", file("sloppy.model")}).out, kGood);
        // A file with errors is never rewritten.
        const QByteArray broken = QByteArray(kGood).replace("}\n", "");
        put(file("broken.model"), broken);
        const ToolRun refused = tool({"format", "-i", file("broken.model")});
        QCOMPARE(refused.code, 1);
        QVERIFY(refused.err.contains(": error: expected '}'"));
        QVERIFY(refused.out.isEmpty());
        QCOMPARE(contentOf(file("broken.model")), broken);
    }

    void wizardChecks()
    {
        QCOMPARE(onFile("check", "logic.model", kLogic).code, 0);
        // The library accepts these; the wizard's checks do not. Each diagnostic
        // names the record (the line "at" starts on), its further lines as notes.
        // From, to, the record's start, the diagnostic.
        const char* const cases[][4] = {
            {"    pinlist \"PL2\" {\n      signal IN 0 \"A\"\n      signal OUT 0 \"Y\"",
             "    pinlist \"PL2\" {\n      signal IN 0 \"A\"\n      signal OE 0 \"Y\"", "pinlist \"PL2\"",
             "error: Pin List \"PL\" does not match with Pin List \"PL2\"\n%1 note: Signal Types and "
             "the Bit Numbers for both Pin Lists have to match"},
            {"signal OUT 0 \"Y\"\n    }\n    pinlist \"PL2\"", "signal IN 0 \"Y\"\n    }\n    pinlist \"PL2\"",
             "signal IN 0 \"Y\"", "error: Error : Part 01 PL\n%1 note: Signal Type OUTPUT in the package can not be used as IN\n"},
            {"    disable \"D\" {\n      set IN \"1\"\n", "    disable \"D\" {\n", "disable \"D\"",
             "error: Error Part 01 D: There is no Disable Pattern defined\n"},
            // A version 1.0 test sequence has no name.
            {"model-format 1.1", "model-format 1.0", "sequence {", "error: This Test Sequence has no name\n"},
        };
        for (const auto& [from, to, record, diagnostic] : cases) {
            QByteArray text = kLogic;
            text.replace(from, to);
            if (text.startsWith("model-format 1.0"))
                text.replace("sequence \"S\"", "sequence");
            const ToolRun r = onFile("check", "bad.model", text);
            QCOMPARE(r.code, 1);
            verifyLocated(file("bad.model"), r.err);
            const QString place = file("bad.model") + ':' + placeOf(text, text.indexOf(record)) + ':';
            QVERIFY2(r.err.contains((place + ' ' + QString(diagnostic).replace("%1", place)).toUtf8()), r.err.constData());
        }

        // No component points past the last line; a second one at itself.
        const QByteArray empty = kLogic.left(kLogic.indexOf("component"));
        const ToolRun none = onFile("check", "empty.model", empty);
        QCOMPARE(none.code, 1);
        QCOMPARE(none.err, (file("empty.model") + QStringLiteral(":%1:1: error: the model has no component\n")
                                                       .arg(empty.count('\n') + 1)).toUtf8());
        const QByteArray twice = kLogic + kLogic.mid(kLogic.indexOf("component")).replace("\"CHIP\"", "\"CHIP2\"");
        const ToolRun two = onFile("check", "twice.model", twice);
        QCOMPARE(two.code, 1);
        verifyLocated(file("twice.model"), two.err);
        const QString at = file("twice.model") + ':' + placeOf(twice, twice.indexOf("component \"CHIP2\""));
        QVERIFY2(two.err.contains((at + ": error: Unable to parse file").toUtf8()), two.err.constData());
    }

    void locatedDiagnostics()
    {
        // Group 1 is replaced; with a text, the wizard's message about it names the
        // record that the first match starts on.
        const char* const mutations[][3] = {
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
        for (const QString& example : examples()) {
            const QByteArray original = contentOf(example);
            for (const auto& [pattern, to, message] : mutations) {
                const QRegularExpressionMatch match =
                    QRegularExpression(pattern, QRegularExpression::MultilineOption).match(QString::fromLatin1(original));
                if (!match.hasMatch())
                    continue;
                QByteArray text = original;
                text.replace(match.capturedStart(1), match.capturedLength(1), to);
                const ToolRun r = onFile("check", "mutated.model", text);
                const QString what = example + " / " + pattern + '\n' + QString::fromUtf8(r.err);
                QVERIFY2(r.code == 1, qPrintable(what));
                verifyLocated(file("mutated.model"), r.err);
                // The wizard does not check passive models.
                if (message && !original.contains("\n  passive ")) {
                    const QString place = file("mutated.model") + ':' + placeOf(text, match.capturedStart(1)) + ": error: ";
                    bool found = false;
                    for (const QString& line : QString::fromUtf8(r.err).split('\n'))
                        found = found || (line.startsWith(place) && line.contains(message));
                    QVERIFY2(found, qPrintable(what));
                }
                ++mutated;
            }
        }
        QVERIFY(mutated > 20);
    }

    void rebuild()
    {
        const ToolRun first = onFile("rebuild", "logic.model", kLogic, "out.model");
        QCOMPARE(first.code, 0);
        QVERIFY(first.err.isEmpty());
        const QByteArray built = contentOf(file("out.model"));
        QVERIFY(built.startsWith("model-format 1.2\n"));
        QCOMPARE(withoutVersion(built), withoutVersion(tool({"format", file("logic.model")}).out));
        QCOMPARE(tool({"rebuild", file("out.model"), file("again.model")}).code, 0);
        QCOMPARE(contentOf(file("again.model")), built);

        // What the wizard cannot hold is dropped with its warning.
        const ToolRun dropped = onFile("rebuild", "two.model",
                                       QByteArray(kLogic).replace("      chip-enable\n", "      chip-enable\n      output-enable\n"),
                                       "two-out.model");
        QCOMPARE(dropped.code, 0);
        QVERIFY(dropped.err.contains(": warning: Some enable patterns have multiple specifications."));
        QVERIFY(!contentOf(file("two-out.model")).contains("output-enable"));
        QByteArray many = kLogic;
        QByteArray disables;
        for (int i = 1; i <= 22; ++i)
            disables += "    disable \"D" + QByteArray::number(i) + "\" {\n      set IN \"1\"\n    }\n";
        many.replace("    disable \"D\" {\n", disables + "    disable \"D\" {\n");
        const ToolRun full = onFile("rebuild", "many.model", many, "many-out.model");
        QCOMPARE(full.code, 0);
        // One diagnostic: the further line of the message is its note.
        const QByteArray at22 = (file("many.model") + QStringLiteral(":%1:5: ")
                                                          .arg(many.left(many.indexOf("disable \"D22\"")).count('\n') + 1))
                                    .toUtf8();
        QVERIFY2(full.err.contains(at22 + "warning: It is not possible to add a new Disable Pattern\n" + at22
                                   + "note: Maximum number of Disables is reached\n"),
                 full.err.constData());
        QCOMPARE(contentOf(file("many-out.model")).count("    disable \""), 21);

        const ToolRun refused = onFile("rebuild", "memory.model",
                                       QByteArray(kLogic)
                                           .replace("  logic \"Part 01\"", "  memory-test \"Part 01\"")
                                           .replace("    truthtable {\n      row \"0\"\n    }\n", ""),
                                       "memory-out.model");
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains(("error: Warning: File \"" + file("memory.model")
                                       + "\" is in ReadOnly mode and cannot be changed or saved").toUtf8()),
                 refused.err.constData());
        QVERIFY(!QFile::exists(file("memory-out.model")));

        QByteArray noPackage = kLogic;
        noPackage.remove(noPackage.indexOf("  package {"), noPackage.indexOf("  logic ") - noPackage.indexOf("  package {"));
        put(file("nopackage-out.model"), "keep\n");
        const ToolRun failed = onFile("rebuild", "nopackage.model", noPackage, "nopackage-out.model");
        QCOMPARE(failed.code, 1);
        QVERIFY(failed.err.contains("error: Unable to save this model"));
        QCOMPARE(contentOf(file("nopackage-out.model")), QByteArray("keep\n"));
        QCOMPARE(tool({"rebuild", file("missing.model"), file("x.model")}).code, 1);
        QVERIFY(!QFile::exists(file("x.model")));
    }

    void rebuildExamples()
    {
        int logic = 0;
        for (const QString& in : examples()) {
            const QString out = file("rebuilt.model");
            QFile::remove(out);
            const ToolRun r = tool({"rebuild", in, out});
            if (r.err.contains("error: Warning: File"))
                continue; // memory models are not rebuilt
            QVERIFY2(r.code == 0, qPrintable(in + ": " + QString::fromUtf8(r.err)));
            ++logic;
            const QByteArray built = contentOf(out);
            // Sequences and their diagnostics come through, also where the file warns.
            QByteArray source;
            for (const QByteArray& line : contentOf(in).split('\n'))
                if (!line.trimmed().startsWith('#'))
                    source += line + '\n';
            for (const char* record : {"sequence \"", "vector \"", "diagnose {", "stuck ", "loop ", "wait "})
                QVERIFY2(built.count(record) == source.count(record), qPrintable(in + ' ' + record));
            if (!r.err.contains(": warning: "))
                QVERIFY2(withoutVersion(built) == withoutVersion(tool({"format", in}).out), qPrintable(in));
            // What the wizard wrote opens again without a word.
            const ToolRun again = tool({"rebuild", out, file("again.model")});
            QVERIFY2(again.code == 0 && again.err.isEmpty(), again.err.constData());
            QVERIFY2(contentOf(file("again.model")) == built, qPrintable(in));
        }
        QVERIFY(logic > 0);
    }
};

QTEST_GUILESS_MAIN(TestPartwrightModel)
#include "tst_partwright_model.moc"
