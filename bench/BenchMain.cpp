// `make bench`: the start-up of the game against a bare Qt window, then the
// timed functions against plain file access, all in one run, as one table of
// ratios beside their targets.
#include "Startup.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int startupRuns = 10;

// Keeps the real and the processor time of every benchmark, in microseconds,
// as it prints them.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
                microseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
                cpuMicroseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> microseconds;
    std::map<std::string, double> cpuMicroseconds;
};

struct StartupFigures {
    startup::Summary milliseconds;
    startup::Summary megabytes;
    int failures = 0;
};

StartupFigures measure(const std::vector<startup::Run>& runs, int failures)
{
    std::vector<double> times;
    std::vector<double> memory;
    for (const startup::Run& run : runs) {
        times.push_back(run.milliseconds);
        memory.push_back(run.peakMegabytes);
    }
    return {startup::summarise(times), startup::summarise(memory), failures};
}

// Alternates the game and the floor, after one start of each that is not
// counted (it fills the caches of fonts and libraries).
std::pair<StartupFigures, StartupFigures> startUps()
{
    const auto first = startup::runOnce(PALABRINO_FIRST_PAINT, {});
    const QStringList size =
        first ? QStringList{QString::number(first->width), QString::number(first->height)}
              : QStringList{};
    startup::runOnce(FLOOR_FIRST_PAINT, size);
    std::vector<startup::Run> game;
    std::vector<startup::Run> floor;
    int gameFailures = 0;
    int floorFailures = 0;
    for (int n = 0; n < startupRuns; ++n) {
        if (const auto run = startup::runOnce(PALABRINO_FIRST_PAINT, {}))
            game.push_back(*run);
        else
            ++gameFailures;
        if (const auto run = startup::runOnce(FLOOR_FIRST_PAINT, size))
            floor.push_back(*run);
        else
            ++floorFailures;
    }
    return {measure(game, gameFailures), measure(floor, floorFailures)};
}

void printRow(const char* measure, double ours, double base, const char* unit, double target)
{
    const bool known = ours > 0 && base > 0;
    const double ratio = known ? ours / base : 0;
    std::printf("%-34s %10.1f %10.1f %-3s %7.2f  <= %-5.1f %s\n", measure, ours, base, unit, ratio,
                target,
                !known            ? "NOT MEASURED"
                : ratio <= target ? "met"
                                  : "MISSED");
}

// A figure that explains a row above it, with no target of its own.
void printExplainingRow(const char* measure, double ours, double base)
{
    std::printf("%-34s %10.1f %10.1f us  %7.2f\n", measure, ours, base, base > 0 ? ours / base : 0);
}

void printSpreadRow(const char* measure, const StartupFigures& game, const StartupFigures& floor,
                    bool memory, double target)
{
    const startup::Summary& ours = memory ? game.megabytes : game.milliseconds;
    const startup::Summary& base = memory ? floor.megabytes : floor.milliseconds;
    printRow(measure, ours.median, base.median, memory ? "MB" : "ms", target);
    std::printf("%-34s %4.1f-%-5.1f %4.1f-%-5.1f (lowest-highest of %d and %d runs)\n", "",
                ours.lowest, ours.highest, base.lowest, base.highest, startupRuns - game.failures,
                startupRuns - floor.failures);
}

void printAbsoluteRow(const char* measure, double microseconds, double limit)
{
    std::printf("%-34s %10.2f %10s us  %7s  <  %-5.0f %s\n", measure, microseconds, "-", "-", limit,
                microseconds <= 0      ? "NOT MEASURED"
                : microseconds < limit ? "met"
                                       : "MISSED");
}

void printTable(const std::pair<StartupFigures, StartupFigures>& startUp,
                std::map<std::string, double>& us, std::map<std::string, double>& cpuUs)
{
    std::printf("\n%-34s %10s %10s     %7s  %-8s\n", "Measure", "Ours", "Base", "Ratio", "Target");
    std::printf("%-34s %10s %10s\n", "", "", "(floor window / plain file access)");
    printSpreadRow("Start-up to first paint (median)", startUp.first, startUp.second, false, 1.5);
    printSpreadRow("Peak resident memory (median)", startUp.first, startUp.second, true, 1.3);
    const std::pair<const char*, const char*> sizes[] = {
        {"1 KB", "/25"}, {"100 KB", "/2000"}, {"32767 entries", "/32767"}};
    for (const auto& [name, arg] : sizes) {
        const std::string suffix = arg;
        const double read = us["PlainRead" + suffix];
        const double write = us["PlainWrite" + suffix];
        std::printf("Category of %s\n", name);
        printRow("  LeerIni [Est] MaxPunt", us["LeerIniStatistics" + suffix], read, "us", 3);
        printRow("  LeerIni last entry", us["LeerIniLastEntry" + suffix], read, "us", 3);
        printRow("  EscribirIni [Datos] Cuenta", us["EscribirIniCounter" + suffix], write, "us", 3);
        printRow("  New game (Form_Load)", us["NewGame" + suffix], read, "us", 8);
        // Most of a set-up's time is spent waiting for the disk to take the
        // counter; this is the processor's share.
        printExplainingRow("    of it, processor time", cpuUs["NewGame" + suffix], read);
    }
    std::printf("Phrase of 254 characters\n");
    printAbsoluteRow("  Guess (Command3_Click)", us["Guess"], 50);
    printAbsoluteRow("  Key press (Command2_KeyDown)", us["KeyPress"], 50);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const auto startUp = startUps();

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    printTable(startUp, collector.microseconds, collector.cpuMicroseconds);
    return 0;
}
