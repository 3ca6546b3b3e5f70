// The passive part list on a big device: 5 000 two-terminal parts made, laid
// out and painted, sorted, and a connection with 200 conditions shown.

#include "passive/lxCondition.h"
#include "passive/lxListBox.h"
#include "passive/lxResistor.h"
#include "platform/lxlib/LxLibPassive.h"
#include "widgets/LxLibTable.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Parts = 5000;
constexpr int Conditions = 200;

void fillParts(lxListBox& list, LxLibTable& table)
{
    for (int i = 0; i < Parts; ++i) {
        auto* item = new lxResistor(&list, &table, lxlib::PCT_RESISTOR);
        item->setText(QStringLiteral("R%1").arg(Parts - i));
        auto* object = new lxlib::LxLibPassiveComponent(item->text(), lxlib::PCT_RESISTOR);
        object->AddPinCombination(QStringLiteral("%1").arg(2 * i), QStringLiteral("%1").arg(2 * i + 1));
        item->setLibObject(object);
    }
}

void BM_PartListShown(benchmark::State& state)
{
    LxLibTable table;
    for (auto _ : state) {
        lxListBox list;
        list.resize(240, 600);
        fillParts(list, table);
        list.show();
        list.viewport()->repaint();
        lxPassiveItem::passiveItem(list.item(Parts - 1))->showItem();
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(BM_PartListShown)->Unit(benchmark::kMillisecond);

void BM_PartListSorted(benchmark::State& state)
{
    LxLibTable table;
    lxListBox list;
    fillParts(list, table);
    int order = 1;
    for (auto _ : state) {
        list.slotSort(order);
        order = 1 - order;
    }
}
BENCHMARK(BM_PartListSorted)->Unit(benchmark::kMillisecond);

void BM_ConnectionWithConditionsShown(benchmark::State& state)
{
    LxLibTable conditionTable;
    LxLibTable nonConditional;
    lxListBox parts;
    lxListBox conditions;
    auto* object = new lxlib::LxLibPassiveCompConnection(QStringLiteral("J1"));
    for (int c = 0; c < Conditions; ++c) {
        auto* condition = new lxlib::LxLibCondition(QStringLiteral("Condition%1").arg(c + 1));
        for (int p = 0; p < 8; ++p)
            condition->AddPinCombination(QStringLiteral("A%1").arg(p), QStringLiteral("B%1").arg(p));
        object->AddCondition(condition);
    }
    auto* connection = new lxConnection(&parts, &conditionTable, &nonConditional, lxlib::PCT_CONNECTION);
    connection->setConditionList(&conditions);
    connection->setLibObject(object);
    for (auto _ : state)
        benchmark::DoNotOptimize(connection->showItem());
}
BENCHMARK(BM_ConnectionWithConditionsShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv);
}
