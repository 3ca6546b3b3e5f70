// Model library speed on generated models of about 5 and 20 MB: reading,
// checking and writing, beside a raw baseline (read the bytes, split them into
// lines and tokens) measured in the same run. The read cases also report the
// peak memory of one read as a multiple of the file size.

#include "LxLibInfo.h"
#include "GeneratedModelFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QString& modelFile(int megabytes)
{
    return generatedModelFile(megabytes);
}

qint64 fileSize(const QString& path)
{
    return QFileInfo(path).size();
}

long statusKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

// Peak memory of one read, measured in a fresh process so that neither earlier
// cases nor memory the allocator keeps from them hide it.
double peakReadBytes(const QString& path)
{
    int fds[2];
    if (pipe(fds) != 0)
        return 0;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        execl("/proc/self/exe", "bench_lxlib", "--peak-read", qPrintable(path), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char text[64] = {};
    [[maybe_unused]] const auto n = read(fds[0], text, sizeof text - 1);
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    return std::atof(text) * 1024;
}

// The child side: the growth of the resident size while reading path, in kB.
int printPeakRead(const char* path)
{
    const long before = statusKb("VmRSS:");
    lxlib::LxLibInfo info(QString::fromLocal8Bit(path));
    info.read(false, false);
    std::printf("%ld\n", statusKb("VmHWM:") - before);
    return 0;
}

void rawBaseline(benchmark::State& state)
{
    const QString& path = modelFile(int(state.range(0)));
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray data = f.readAll();
        qsizetype lines = 0, tokens = 0;
        bool inToken = false;
        for (const char c : data) {
            const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
            lines += c == '\n';
            tokens += !blank && !inToken;
            inToken = !blank;
        }
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(state.iterations() * fileSize(path));
}

void readModel(benchmark::State& state)
{
    const QString& path = modelFile(int(state.range(0)));
    for (auto _ : state) {
        lxlib::LxLibInfo info(path);
        if (!info.read(false, true))
            state.SkipWithError("the generated model does not read");
        benchmark::DoNotOptimize(info.GetComponentList().count());
    }
    state.SetBytesProcessed(state.iterations() * fileSize(path));
    state.counters["peak_x_file"] = peakReadBytes(path) / double(fileSize(path));
}

void checkModel(benchmark::State& state)
{
    const QString& path = modelFile(int(state.range(0)));
    lxlib::LxLibInfo info(path);
    info.read(false, true);
    for (auto _ : state) {
        QString first;
        if (info.check(&first) <= 0)
            state.SkipWithError(qPrintable(first));
    }
    state.SetBytesProcessed(state.iterations() * fileSize(path));
}

void writeModel(benchmark::State& state)
{
    const QString& path = modelFile(int(state.range(0)));
    lxlib::LxLibInfo info(path);
    info.read(false, true);
    const QString out = folder().filePath(QStringLiteral("out.model"));
    for (auto _ : state)
        if (!info.write(out))
            state.SkipWithError("the model cannot be written");
    state.SetBytesProcessed(state.iterations() * fileSize(path));
}

} // namespace

BENCHMARK(rawBaseline)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(readModel)->Arg(5)->Arg(20)->Arg(80)->Unit(benchmark::kMillisecond);
BENCHMARK(checkModel)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(writeModel)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--peak-read") == 0)
        return printPeakRead(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
