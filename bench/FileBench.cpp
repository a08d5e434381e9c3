// INI access against plain reads and writes of the same bytes.
#include "Categories.h"

#include "app/Module1.h"

#include <QFile>

#include <benchmark/benchmark.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

using namespace benchdata;

void PlainRead(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QFile file(folder->nativeFile(categoryFile));
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read the category");
        benchmark::DoNotOptimize(file.readAll());
    }
}

// The same bytes to a new file, flushed to the disk as EscribirIni flushes.
void PlainWrite(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    const QByteArray bytes = folder->read(categoryFile);
    for (auto _ : state) {
        QFile file(folder->nativeFile("copia.ini"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush())
            state.SkipWithError("cannot write the copy");
#ifdef Q_OS_WIN
        _commit(file.handle());
#else
        ::fsync(file.handle());
#endif
    }
}

// The statistics come last in a category: the whole file is passed over.
void LeerIniStatistics(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    const ProgramPath file = folder->programPath(categoryFile);
    for (auto _ : state)
        benchmark::DoNotOptimize(LeerIni(file, "Est", "MaxPunt"));
}

// The last entry: every key of the largest section is compared.
void LeerIniLastEntry(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    const ProgramPath file = folder->programPath(categoryFile);
    const QString key = QString::number(state.range(0)) + u'A';
    for (auto _ : state)
        benchmark::DoNotOptimize(LeerIni(file, "Contenido", key));
}

void EscribirIniCounter(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    const ProgramPath file = folder->programPath(categoryFile);
    int n = 0;
    for (auto _ : state) {
        if (!EscribirIni(file, "Datos", "Cuenta", QString::number(++n % 2 + 1)))
            state.SkipWithError("cannot write the category");
    }
}

} // namespace

BENCHMARK(PlainRead)->Apply(threeSizes);
BENCHMARK(PlainWrite)->Apply(threeSizes);
BENCHMARK(LeerIniStatistics)->Apply(threeSizes);
BENCHMARK(LeerIniLastEntry)->Apply(threeSizes);
BENCHMARK(EscribirIniCounter)->Apply(threeSizes);
