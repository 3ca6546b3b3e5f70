// Taking back a paste of 10 000 numbered pins into a package, and doing it
// again: each is one step of the package table's history. Target: the undo
// under 300 ms.

#include "wizard/PWEditState.h"
#include "wizard/PWPackagePage.h"
#include "wizard/PWWizardContext.h"
#include "widgets/LxLibTable.h"
#include "widgets/LxTableHistory.h"
#include "widgets/LxUndoBinding.h"

#include "bench/QtBenchMain.h"
#include "tests/support/PageFixture.h"
#include "tests/support/PinTableFixture.h"
#include "tests/support/ScriptedPrompter.h"

#include <benchmark/benchmark.h>

#include <QUndoStack>

#include "ui_PWPackagePage.h"

namespace {

constexpr int PackageRows = 10000;

struct PastedPackage : PageFixture<PWPackagePage>
{
    ScriptedPrompter prompts;
    LxLibTable* table = page.form()->PackageTable;
    LxUndoBinding* binding = table->history()->binding();

    PastedPackage()
    {
        page.resize(1280, 800);
        page.show();
        prompts.answerText(QStringLiteral("BGA"));
        page.slotAddPackage();
        page.slotPastePins(PinTableFixture::numbered(PackageRows));
        QCoreApplication::processEvents();
    }
};

void BM_UndoPackagePaste(benchmark::State& state)
{
    PastedPackage p;
    for (auto _ : state) {
        state.PauseTiming();
        if (p.table->numRows() == 0)
            p.binding->redo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        p.binding->undo();
        QCoreApplication::processEvents();
        if (p.table->numRows() != 0 || p.table->history()->stack()->index() != 0)
            state.SkipWithError("the undo did not take back the whole paste");
    }
    state.counters["rows"] = PackageRows;
}
BENCHMARK(BM_UndoPackagePaste)->Unit(benchmark::kMillisecond);

void BM_RedoPackagePaste(benchmark::State& state)
{
    PastedPackage p;
    for (auto _ : state) {
        state.PauseTiming();
        if (p.table->numRows() != 0)
            p.binding->undo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        p.binding->redo();
        QCoreApplication::processEvents();
        if (p.table->numRows() != PackageRows)
            state.SkipWithError("the redo did not bring back the whole paste");
    }
    state.counters["rows"] = PackageRows;
}
BENCHMARK(BM_RedoPackagePaste)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
