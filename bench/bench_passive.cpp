// A passive model of 5 000 parts opened in the wizard: read, converted, every
// part put into the part list and stored once, the first one shown, the page painted.

#include "wizard/PWModelFile.h"
#include "wizard/PartwrightDlg.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int Parts = 5000;

// Resistors of four pin pairs, or connections of one pin pair and two conditions of two each.
QByteArray passiveModel(bool connections)
{
    QByteArray text = "model-format 1.1\ncomponent \"BOARD\" {\n";
    for (int i = 0; i < Parts; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (connections) {
            text += "  passive \"JP" + n + "\" CONNECTION {\n    pins \"A" + n + "\" \"B" + n + "\"\n";
            for (const char* c : {"Open", "Closed"})
                text += QByteArray("    condition \"") + c + "\" {\n      pins \"A" + n + "\" \"C" + n +
                        "\"\n      pins \"B" + n + "\" \"D" + n + "\"\n    }\n";
        } else {
            text += "  passive \"R" + n + "\" RESISTOR {\n";
            for (int p = 0; p < 4; ++p)
                text += "    pins \"" + n + "." + QByteArray::number(2 * p) + "\" \"" + n + "." +
                        QByteArray::number(2 * p + 1) + "\"\n";
        }
        text += "  }\n";
    }
    return text + "}\n";
}

void BM_OpenPassiveModel(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("board.model"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(passiveModel(state.range(0) != 0)) < 0) {
        state.SkipWithError("cannot write the model");
        return;
    }
    out.close();
    PartwrightDlg dlg(nullptr, QString(), QString());
    dlg.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QString error;
        if (!dlg.modelFile()->loadAndConvert(file, error)) {
            state.SkipWithError("the model did not load");
            return;
        }
        dlg.showPage(dlg.wizardPage(PartwrightForm::PassivePage));
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * Parts);
}
BENCHMARK(BM_OpenPassiveModel)->Arg(0)->Arg(1)->ArgName("connections")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv);
}
