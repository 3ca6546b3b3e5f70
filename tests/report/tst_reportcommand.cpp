// partwright-model report: the wizard's report from the command line, and
// nothing written for a file it cannot report.

#include "PWReportHtml.h"
#include "PWReportText.h"
#include "ReportFixture.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

int tool(const QStringList& args, QByteArray* err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(PW_MODEL_TOOL), QStringList(QStringLiteral("report")) + args);
    if (!p.waitForFinished(60000))
        return -1;
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestReportCommand : public QObject
{
    Q_OBJECT

private slots:
    void sameReportAsTheWizard()
    {
        QTemporaryDir tmp;
        for (const QString& name : {QStringLiteral("octal-buffer-244.model"), QStringLiteral("resistor-network-board.model")}) {
            ExampleModel ex(name);
            QVERIFY(ex.read);
            const QString shown = QDir::toNativeSeparators(QDir::cleanPath(ex.document->GetFileName()));
            const bool passive = ex.model.category() == PWDeviceModel::Passive;
            const QStringList lines =
                passive ? PWReportText::passiveReport(*ex.document, shown, QStringLiteral("Passive"))
                        : PWReportText::logicReport(ex.model.logic(), shown, ex.model.deviceId(), QStringLiteral("Logic"));
            const QString html = PWReportHtml(shown, ex.model.deviceId())
                                     .htmlReport(&ex.model.logic(), ex.document.get(), passive ? 2 : 1);
            const QString txt = tmp.filePath(name + QStringLiteral(".txt"));
            const QString htm = tmp.filePath(name + QStringLiteral(".htm"));
            QCOMPARE(tool({QStringLiteral("--text"), ex.document->GetFileName(), QStringLiteral("-o"), txt}), 0);
            QCOMPARE(tool({QStringLiteral("--html"), ex.document->GetFileName(), QStringLiteral("-o"), htm}), 0);
            QCOMPARE(contentOf(txt), (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1());
            QCOMPARE(contentOf(htm), (html + QLatin1Char('\n')).toLatin1());
        }
    }

    void failuresWriteNothing()
    {
        QTemporaryDir tmp;
        const QString out = tmp.filePath(QStringLiteral("out.txt"));
        QFile keep(out);
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.write("kept");
        keep.close();

        QByteArray err;
        QCOMPARE(tool({QStringLiteral("--text"), tmp.filePath(QStringLiteral("none.model")), QStringLiteral("-o"), out}, &err), 1);
        QVERIFY(err.contains("no report written"));

        // Reads, but the pin list's bits have a gap: the wizard would refuse to report it.
        const QString gap = tmp.filePath(QStringLiteral("gap.model"));
        QFile f(gap);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("model-format 1.2\ncomponent \"C\" {\n  package {\n    id \"P\"\n    pin \"1\" \"A\" INPUT\n"
                "    pin \"2\" \"B\" INPUT\n  }\n  logic \"L\" {\n    pinlist \"P\" {\n      signal IN 0 \"A\"\n"
                "      signal IN 2 \"B\"\n    }\n  }\n}\n");
        f.close();
        QCOMPARE(tool({QStringLiteral("--html"), gap, QStringLiteral("-o"), out}, &err), 1);
        QVERIFY(err.contains("gap.model:"));
        QCOMPARE(contentOf(out), QByteArray("kept"));

        const QString example = QStringLiteral(PW_EXAMPLES_DIR "/octal-latch-373.model");
        QCOMPARE(tool({example, QStringLiteral("-o"), out}, &err), 2);
        QCOMPARE(tool({QStringLiteral("--text"), example}, &err), 2);
        QCOMPARE(tool({QStringLiteral("--text"), QStringLiteral("--html"), example, QStringLiteral("-o"), out}), 2);
        QCOMPARE(tool({QStringLiteral("--text"), example, QStringLiteral("-o"), tmp.filePath(QStringLiteral("no/dir/x"))}, &err), 1);
        QVERIFY(err.contains("cannot write"));
        QCOMPARE(contentOf(out), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
