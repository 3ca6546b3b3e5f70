// Signal index rebuild and pin list validation on large parts. Targets: a
// 2500-pin part rebuilds in well under 10 ms; both grow linearly with pins.
#include "CLogic.h"

#include <benchmark/benchmark.h>

using namespace lxlib;

namespace {

// One package of n pins and one part whose pin lists carry them all.
void fillLarge(CLogic& logic, int pins, int pinLists)
{
    static const int types[] = {ST_DATA, ST_ADDR, ST_DATAO, ST_OE, ST_IN, ST_OUT, ST_IO};
    auto* package = new CPackage;
    package->addPackageId("BGA");
    for (int i = 0; i < pins; ++i)
        package->addPin(QString::number(i + 1), QStringLiteral("P%1").arg(i), PPT_INOUT);
    logic.insertPackage(0, package);
    auto* part = new CLogicPart("Big");
    for (int l = 0; l < pinLists; ++l) {
        auto* list = new CPinList(QStringLiteral("PL%1").arg(l));
        for (int i = 0; i < pins; ++i)
            list->addPin(QStringLiteral("P%1").arg(i), types[i % 7], i / 7);
        part->insertPinList(l, list);
    }
    logic.insertLogicPart(0, part);
}

void BM_RebuildSignalIndex(benchmark::State& state)
{
    CLogic logic;
    fillLarge(logic, static_cast<int>(state.range(0)), 4);
    for (auto _ : state)
        logic.rebuildSignalIndex(0);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RebuildSignalIndex)->Arg(625)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_ValidatePinLists(benchmark::State& state)
{
    CLogic logic;
    fillLarge(logic, static_cast<int>(state.range(0)), 4);
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(logic.validatePinLists(error));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ValidatePinLists)->Arg(625)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_CheckPinListsMatch(benchmark::State& state)
{
    CLogic logic;
    fillLarge(logic, static_cast<int>(state.range(0)), 4);
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(logic.checkPinListsMatch(error));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CheckPinListsMatch)->Arg(625)->Arg(2500)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
