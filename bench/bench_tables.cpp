#include "widgets/LxLibComboItem.h"
#include "widgets/LxLibTable.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>

namespace {

constexpr int Rows = 5000;

QStringList pinTypes()
{
    QStringList types;
    for (char c = 'A'; c <= 'Z'; ++c)
        types << QStringLiteral("TYPE_%1").arg(QLatin1Char(c));
    return types;
}

// The way the package editor fills its table: signals and updates blocked.
void fill(LxLibTable& table, const QStringList& types)
{
    const bool blocked = table.blockSignals(true);
    table.setUpdatesEnabled(false);
    table.setNumRows(0);
    table.setNumRows(Rows);
    for (int row = 0; row < Rows; ++row) {
        table.setText(row, 0, QString::number(row + 1));
        table.setText(row, 1, QStringLiteral("PIN%1").arg(row));
        auto* type = new LxLibComboItem(types);
        type->setCurrentItem(row % static_cast<int>(types.size()));
        table.setItem(row, 2, type);
    }
    table.setUpdatesEnabled(true);
    table.blockSignals(blocked);
}

void BM_FillTable(benchmark::State& state)
{
    const QStringList types = pinTypes();
    LxLibTable table(nullptr, "PackageTable");
    table.setTableKind(LxLibTable::PackageKind);
    table.setNumCols(3);
    table.show();
    for (auto _ : state) {
        fill(table, types);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = Rows;
}
BENCHMARK(BM_FillTable)->Unit(benchmark::kMillisecond);

void BM_OpenChoiceEditor(benchmark::State& state)
{
    LxLibTable table(nullptr, "PackageTable");
    table.setTableKind(LxLibTable::PackageKind);
    table.setNumCols(3);
    fill(table, pinTypes());
    table.show();
    QCoreApplication::processEvents();
    const QModelIndex cell = table.model()->index(Rows / 2, 2);
    for (auto _ : state) {
        table.setCurrentCell(Rows / 2, 2);
        table.editItem(table.item(Rows / 2, 2));
        if (!qobject_cast<QComboBox*>(table.indexWidget(cell)))
            state.SkipWithError("no choice editor opened");
        table.commitEdit();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenChoiceEditor)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
