#include "PWReportHtml.h"
#include "PWReportText.h"
#include "ReportFixture.h"
#include "TestFiles.h"
#include "ToolRun.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// The report command's exit code; its error output in err.
int tool(const QStringList& args, QByteArray* err = nullptr)
{
    const ToolRun r = runTool(QStringLiteral(PW_MODEL_TOOL), QStringList(QStringLiteral("report")) + args);
    if (err)
        *err = r.err;
    return r.code;
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

private slots:
    void sameReportAsTheWizard()
    {
        QTemporaryDir tmp;
        for (const char* name : {"octal-buffer-244.model", "resistor-network-board.model"}) {
            ExampleModel ex(QString::fromLatin1(name));
            QVERIFY(ex.read);
            const QString file = ex.document->GetFileName();
            const QString shown = QDir::toNativeSeparators(QDir::cleanPath(file));
            const bool passive = ex.model.category() == PWDeviceModel::Passive;
            const QStringList lines =
                passive ? PWReportText::passiveReport(*ex.document, shown, QStringLiteral("Passive"))
                        : PWReportText::logicReport(ex.model.logic(), shown, ex.model.deviceId(), QStringLiteral("Logic"));
            const QString html = PWReportHtml(shown, ex.model.deviceId())
                                     .htmlReport(&ex.model.logic(), ex.document.get(), passive ? 2 : 1);
            QCOMPARE(tool({"--text", file, "-o", tmp.filePath("r.txt")}), 0);
            QCOMPARE(tool({"--html", file, "-o", tmp.filePath("r.htm")}), 0);
            QCOMPARE(contentOf(tmp.filePath("r.txt")), (lines.join('\n') + '\n').toLatin1());
            QCOMPARE(contentOf(tmp.filePath("r.htm")), (html + '\n').toLatin1());
        }
    }

    void failuresWriteNothing()
    {
        QTemporaryDir tmp;
        const QString out = tmp.filePath("out.txt");
        QVERIFY(put(out, "kept"));
        QByteArray err;
        QCOMPARE(tool({"--text", tmp.filePath("none.model"), "-o", out}, &err), 1);
        QVERIFY(err.contains("no report written"));

        // Reads, but the pin list's bits have a gap: the wizard would refuse to report it.
        const QString gap = tmp.filePath("gap.model");
        QVERIFY(put(gap, "model-format 1.2\ncomponent \"C\" {\n  package {\n    id \"P\"\n    pin \"1\" \"A\" INPUT\n"
                         "    pin \"2\" \"B\" INPUT\n  }\n  logic \"L\" {\n    pinlist \"P\" {\n      signal IN 0 \"A\"\n"
                         "      signal IN 2 \"B\"\n    }\n  }\n}\n"));
        QCOMPARE(tool({"--html", gap, "-o", out}, &err), 1);
        QVERIFY(err.contains("gap.model:"));

        const QString example = QStringLiteral(PW_EXAMPLES_DIR "/octal-latch-373.model");
        QCOMPARE(tool({example, "-o", out}), 2);
        QCOMPARE(tool({"--text", example}), 2);
        QCOMPARE(tool({"--text", "--html", example, "-o", out}), 2);
        QCOMPARE(tool({"--text", example, "-o", tmp.filePath("no/dir/x")}, &err), 1);
        QVERIFY(err.contains("cannot write"));
        QCOMPARE(contentOf(out), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
