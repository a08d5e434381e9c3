// What one new game and one INI access cost on categories of growing size,
// against a plain read of the same bytes in the same run.
#include "app/Form1.h"
#include "app/Module1.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A category of `entries` phrases of 40 characters, with the counter near the end.
std::unique_ptr<TempAppFolder> categoryOf(int entries)
{
    auto folder = std::make_unique<TempAppFolder>();
    folder->write("datos.ini", iniText({"[Config]", "Categoria=Grande", "Skin=Ninguna"}));
    QByteArray text = iniText({"[Datos]", "Cuenta=1", "Modo=0", "[Contenido]"});
    const QByteArray phrase = "una frase de cuarenta letras para probar";
    for (int n = 1; n <= entries; ++n)
        text += QByteArray::number(n) + "A=" + phrase + "\r\n";
    text += iniText({"[Acerca]", "Nombre=Grande", "[Est]", "Ganadas=0", "Perdidas=0", "MaxPunt=0"});
    folder->write("Categorias/Grande.ini", text);
    return folder;
}

void PlainRead(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QFile file(folder->nativeFile("Categorias/Grande.ini"));
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

void LeerIniLastSection(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    const QString file = folder->programPath("Categorias/Grande.ini");
    for (auto _ : state)
        benchmark::DoNotOptimize(LeerIni(file, "Est", "MaxPunt"));
}

void EscribirIniCounter(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    const QString file = folder->programPath("Categorias/Grande.ini");
    int n = 0;
    for (auto _ : state)
        EscribirIni(file, "Datos", "Cuenta", QString::number(++n % 30000 + 1));
}

void NewGame(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    FakePlatform platform;
    Form1 form(folder->path(), platform);
    for (auto _ : state)
        form.Form_Load();
}

constexpr int small = 25;     // about 1 KB
constexpr int medium = 2000;  // about 100 KB
constexpr int largest = 32767;

} // namespace

BENCHMARK(PlainRead)->Arg(small)->Arg(medium)->Arg(largest)->Unit(benchmark::kMicrosecond);
BENCHMARK(LeerIniLastSection)->Arg(small)->Arg(medium)->Arg(largest)->Unit(benchmark::kMicrosecond);
BENCHMARK(EscribirIniCounter)->Arg(small)->Arg(medium)->Arg(largest)->Unit(benchmark::kMicrosecond);
BENCHMARK(NewGame)->Arg(small)->Arg(medium)->Arg(largest)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
