// The text and HTML model report of generated logic models with a growing
// number of vectors (4 parts with 2 sequences each, 32 signal columns). Target:
// both grow linearly with the vectors; 10000 vectors per sequence report in
// well under a second.
#include "LxLibInfo.h"
#include "ModelGenerator.h"
#include "PWDeviceModel.h"
#include "PWModelConverter.h"
#include "PWReportHtml.h"
#include "PWReportText.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<PWDeviceModel> generated(int vectors)
{
    ModelGenerator::Options options;
    options.pinsPerPackage = 200;
    options.logicParts = 4;
    options.vectorsPerSequence = vectors;
    lxlib::LxLibInfo document(QStringLiteral("bench.model"));
    auto model = std::make_unique<PWDeviceModel>();
    QString error;
    if (!document.readFromData(ModelGenerator(options).text(), false, true)
        || !PWModelConverter::convert(document, *model, error))
        return nullptr;
    return model;
}

void BM_TextReport(benchmark::State& state)
{
    const auto model = generated(static_cast<int>(state.range(0)));
    if (!model) {
        state.SkipWithError("generated model not read");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PWReportText::logicReport(model->logic(), QStringLiteral("f"), QStringLiteral("d"),
                                                           QStringLiteral("Logic")));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TextReport)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_HtmlReport(benchmark::State& state)
{
    const auto model = generated(static_cast<int>(state.range(0)));
    if (!model) {
        state.SkipWithError("generated model not read");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PWReportHtml(QStringLiteral("f"), QStringLiteral("d"))
                                     .htmlReport(&model->logic(), nullptr, PWReportHtml::LogicMode));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_HtmlReport)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
