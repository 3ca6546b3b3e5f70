// The truth table tab on a large part: 2000 rows over 64 signal columns,
// shown from the model and stored back into it.

#include "model/CLogic.h"
#include "widgets/LxLibLogicTable.h"
#include "wizard/PWEditState.h"
#include "wizard/PWTruthTableTab.h"
#include "wizard/PWWizardContext.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QVBoxLayout>

namespace {

constexpr int Rows = 2000;
constexpr int Columns = 64;

// One part whose pin list carries Columns control signals, a quarter of them
// outputs, and a truth table of Rows rows that are never all "X".
struct BigTruthTable
{
    QWidget dialog;
    PWEditState state;
    PWWizardContext context{&dialog, &state};
    PWTruthTableTab* tab = nullptr;

    BigTruthTable()
    {
        context.category = 2;
        auto* part = new CLogicPart(QStringLiteral("U1"));
        auto* list = new CPinList(QStringLiteral("L"));
        for (int b = 0; b < Columns; ++b)
            list->addPin(QStringLiteral("P%1").arg(b), b % 4 == 3 ? lxlib::ST_OUT : lxlib::ST_IN, b);
        part->insertPinList(0, list);
        const QString input = QStringLiteral("01UDNZ");
        const QString output = QStringLiteral("01LHXT");
        for (int r = 0; r < Rows; ++r) {
            QString vector;
            for (int c = 0; c < Columns; ++c)
                vector += ((Columns - 1 - c) % 4 == 3 ? output : input).at((r + c) % 6);
            part->truthTable().append(new lxlib::LxLibTruthTableRecord(vector));
        }
        context.logic().insertLogicPart(0, part);
        context.logic().rebuildSignalIndex(0);
        tab = new PWTruthTableTab(&context, &dialog);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(tab);
        dialog.resize(1280, 800);
        dialog.show();
        QCoreApplication::processEvents();
    }
};

void BM_ShowTruthTable(benchmark::State& state)
{
    BigTruthTable t;
    for (auto _ : state) {
        t.tab->showTab(0);
        QCoreApplication::processEvents();
        if (t.tab->table()->numRows() != Rows || t.tab->table()->numCols() != Columns)
            state.SkipWithError("the table does not show every row and column");
    }
    state.counters["rows"] = Rows;
    state.counters["columns"] = Columns;
}
BENCHMARK(BM_ShowTruthTable)->Unit(benchmark::kMillisecond);

void BM_StoreTruthTable(benchmark::State& state)
{
    BigTruthTable t;
    t.tab->showTab(0);
    const QString first = t.context.logic().logicParts().at(0)->truthTable().at(0)->GetVector();
    for (auto _ : state) {
        // An edit marks the table; storing takes every row into the model.
        emit t.tab->table()->valueChanged(0, 0);
        t.tab->storeTab(0);
        const CLogicPart* part = t.context.logic().logicParts().at(0);
        if (part->truthTable().count() != Rows || part->truthTable().at(0)->GetVector() != first)
            state.SkipWithError("the model does not hold the table's rows");
    }
    state.counters["rows"] = Rows;
    state.counters["columns"] = Columns;
}
BENCHMARK(BM_StoreTruthTable)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
