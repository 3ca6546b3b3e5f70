// Pasting pin tables as a test engineer copies them from a datasheet: 10 000
// numbered pins into a package, a 1 056-pin FPGA table whose supply pins repeat
// their names (the question to name them apart answered Yes), and 2 500 pins
// into a pin list over a 2 500-pin package.

#include "model/CLogic.h"
#include "wizard/PWEditState.h"
#include "wizard/PWLogicPartsPage.h"
#include "wizard/PWPackagePage.h"
#include "wizard/PWPinListTab.h"
#include "widgets/LxLibTable.h"
#include "wizard/PWWizardContext.h"

#include "bench/QtBenchMain.h"
#include "tests/support/PinTableFixture.h"
#include "tests/support/ScriptedPrompter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSignalBlocker>

#include "ui_PWPackagePage.h"
#include "ui_PWPinListTab.h"

namespace {

constexpr int PackageRows = 10000;
constexpr int ListPins = 2500;

struct Pages
{
    ScriptedPrompter prompts;
    QWidget dialog;
    PWEditState state;
    PWWizardContext context{&dialog, &state};
};

void emptyTable(LxLibTable* table)
{
    const QSignalBlocker block(table);
    table->setNumRows(0);
    QCoreApplication::processEvents();
}

// Times pastes of text into a new package; each pass starts from an empty table.
void pasteIntoPackage(benchmark::State& state, const QString& text, int rows, int questions)
{
    Pages p;
    PWPackagePage page(&p.context, &p.dialog);
    page.resize(1280, 800);
    page.show();
    p.prompts.answerText(QStringLiteral("BGA"));
    page.slotAddPackage();
    LxLibTable* table = page.form()->PackageTable;
    for (auto _ : state) {
        state.PauseTiming();
        emptyTable(table);
        for (int i = 0; i < questions; ++i)
            p.prompts.answerYesNo(true);
        p.prompts.clearShown();
        state.ResumeTiming();
        page.slotPastePins(text);
        QCoreApplication::processEvents();
        if (table->numRows() != rows || p.prompts.count() != questions || p.prompts.pendingAnswers() != 0)
            state.SkipWithError("the paste did not take every row with the expected questions");
    }
    state.counters["rows"] = rows;
}

void BM_PastePackagePins(benchmark::State& state)
{
    pasteIntoPackage(state, PinTableFixture::numbered(PackageRows), PackageRows, 0);
}
BENCHMARK(BM_PastePackagePins)->Unit(benchmark::kMillisecond);

void BM_PasteFpgaPinTable(benchmark::State& state)
{
    pasteIntoPackage(state, PinTableFixture::fpga(), 1056, 1);
}
BENCHMARK(BM_PasteFpgaPinTable)->Unit(benchmark::kMillisecond);

void BM_PastePinList(benchmark::State& state)
{
    Pages p;
    p.context.category = 2;
    auto* package = new CPackage;
    package->addPackageId(QStringLiteral("BGA"));
    QString text;
    for (int i = 0; i < ListPins; ++i) {
        package->addPin(QString::number(i + 1), QStringLiteral("P%1").arg(i), lxlib::PPT_INOUT);
        text += QStringLiteral("P%1\tIO\t%2\n").arg(i).arg(i % 64);
    }
    p.context.logic().insertPackage(0, package);
    p.context.rebuildPinNames();
    PWLogicPartsPage page(&p.context, &p.dialog);
    page.resize(1280, 800);
    page.show();
    page.addLogicPart(QStringLiteral("U1"));
    p.prompts.answerText(QStringLiteral("L1"));
    page.pinListTab()->slotAddPinList();
    LxLibTable* table = page.pinListTab()->form()->PinListTable;
    for (auto _ : state) {
        state.PauseTiming();
        emptyTable(table);
        p.prompts.clearShown();
        state.ResumeTiming();
        page.pinListTab()->slotPastePins(text);
        QCoreApplication::processEvents();
        if (table->numRows() != ListPins || p.prompts.count() != 0)
            state.SkipWithError("the paste did not take every pin");
    }
    state.counters["rows"] = ListPins;
}
BENCHMARK(BM_PastePinList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
