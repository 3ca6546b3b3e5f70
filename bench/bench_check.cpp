// "partwright-model check" on generated models of 20 and 80 MB beside "wc -l"
// of the same file, both run as programs in the same iteration and timed by
// the processor time they used, so that other load on the machine does not
// move the ratio. Targets: check takes at most 20 times as long as wc -l, and
// the 80 MB model at most 4.5 times as long as the 20 MB one.

#include "GeneratedModelFile.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <fcntl.h>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs the program with its output thrown away; the processor seconds it used,
// or -1 when it could not run or failed.
double cpuSeconds(const char* program, const char* arg1, const char* arg2)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execlp(program, program, arg1, arg2, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void checkBesideWc(benchmark::State& state)
{
    static std::map<int64_t, double> checkTimeBySize;
    const QByteArray path = QFile::encodeName(generatedModelFile(int(state.range(0))));
    double check = 0;
    double wc = 0;
    for (auto _ : state) {
        const double w = cpuSeconds("wc", "-l", path.constData());
        const double c = cpuSeconds(PW_MODEL_TOOL, "check", path.constData());
        if (w < 0 || c < 0) {
            state.SkipWithError("wc or the check failed on the generated model");
            return;
        }
        wc += w;
        check += c;
        state.SetIterationTime(c);
    }
    const double n = double(state.iterations());
    state.counters["wc_ms"] = wc / n * 1e3;
    state.counters["x_wc"] = check / wc;
    state.SetBytesProcessed(int64_t(state.iterations()) * QFile(QFile::decodeName(path)).size());
    checkTimeBySize[state.range(0)] = check / n;
    // The larger model against the smallest one measured before it.
    const auto smallest = checkTimeBySize.begin();
    if (smallest->first < state.range(0))
        state.counters["x_time_vs_" + std::to_string(smallest->first) + "MB"] = check / n / smallest->second;
}

} // namespace

BENCHMARK(checkBesideWc)->Arg(20)->Arg(80)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);

BENCHMARK_MAIN();
