// The enable pattern editor on a big part: a pattern of 1000 signal settings
// over 64 drivable signals, shown in the enable table and stored from it.

#include "model/CLogic.h"
#include "widgets/LxLibTable.h"
#include "wizard/PWEditState.h"
#include "wizard/PWEnableTab.h"
#include "wizard/PWLogicPartsPage.h"
#include "wizard/PWWizardContext.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>

#include "ui_PWLogicPage.h"

namespace {

constexpr int Signals = 64;
constexpr int Rows = 1000;

// One part whose pin list drives 64 signal bits: 32 IN, then 32 IO.
struct BigEnable
{
    QWidget dialog;
    PWEditState state;
    PWWizardContext context{&dialog, &state};
    PWLogicPartsPage* page = nullptr;

    BigEnable()
    {
        context.category = 2;
        auto* package = new CPackage;
        package->addPackageId(QStringLiteral("BGA"));
        auto* part = new CLogicPart(QStringLiteral("U1"));
        auto* list = new CPinList(QStringLiteral("U1"));
        for (int b = 0; b < Signals; ++b) {
            const bool io = b >= Signals / 2;
            package->addPin(QString::number(b + 1), QStringLiteral("P%1").arg(b), io ? lxlib::PPT_INOUT : lxlib::PPT_INPUT);
            list->addPin(QStringLiteral("P%1").arg(b), io ? lxlib::ST_IO : lxlib::ST_IN, b);
        }
        part->insertPinList(0, list);
        auto* pattern = new lxlib::LxLibEnablePattern(QStringLiteral("Big"));
        const QString half = QStringLiteral("01XZ").repeated(Signals / 8);
        for (int r = 0; r < Rows; ++r)
            pattern->AddSetSignal(new lxlib::LxLibSetSignal(r % 2 ? lxlib::ST_IO : lxlib::ST_IN, half));
        part->insertEnablePattern(0, pattern);
        context.logic().insertPackage(0, package);
        context.logic().insertLogicPart(0, part);
        context.rebuildPinNames();
        page = new PWLogicPartsPage(&context, &dialog);
        page->resize(1280, 800);
        page->show();
        page->showModel();
        page->form()->LogicPartTWidget->setCurrentIndex(PWLogicPartsPage::EnableTab);
        QCoreApplication::processEvents();
    }
};

void BM_ShowEnablePattern(benchmark::State& state)
{
    BigEnable b;
    PWEnableTab* tab = b.page->enableTab();
    for (auto _ : state) {
        tab->fillEnableTab();
        QCoreApplication::processEvents();
        if (tab->table()->numRows() != Rows || tab->table()->numCols() != Signals + 1)
            state.SkipWithError("the enable table does not show the pattern");
    }
    state.counters["rows"] = Rows;
    state.counters["signals"] = Signals;
}
BENCHMARK(BM_ShowEnablePattern)->Unit(benchmark::kMillisecond);

void BM_StoreEnablePattern(benchmark::State& state)
{
    BigEnable b;
    PWEnableTab* tab = b.page->enableTab();
    LxLibTable* table = tab->table();
    for (auto _ : state) {
        // An edit marks the pattern; leaving stores all its rows.
        emit table->valueChanged(0, 1);
        tab->storeTab(0);
        if (b.context.logic().logicParts().at(0)->enablePatterns().at(0)->GetSetSignalList().count() != Rows)
            state.SkipWithError("the stored pattern lost rows");
    }
    state.counters["rows"] = Rows;
    state.counters["signals"] = Signals;
}
BENCHMARK(BM_StoreEnablePattern)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
