#ifndef QTBENCHMAIN_H
#define QTBENCHMAIN_H

#include <benchmark/benchmark.h>

#include <QApplication>

// Runs the registered benchmarks inside a QApplication, offscreen unless the
// environment asks for another platform.
inline int runQtBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#endif
