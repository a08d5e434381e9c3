#pragma once

#include "support/TempAppFolder.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <memory>

// Application folders for the benchmarks, with one category "Grande".
namespace benchdata {

constexpr int smallCategory = 25;    // about 1 KB
constexpr int mediumCategory = 2000; // about 100 KB
constexpr int largestCategory = 32767;

// `entries` phrases of 40 characters, the counter and the statistics.
std::unique_ptr<TempAppFolder> categoryOf(int entries);

// One entry: a phrase of 254 characters holding every letter and digits.
std::unique_ptr<TempAppFolder> longPhraseCategory();

// The three sizes above, timed in microseconds.
void threeSizes(benchmark::internal::Benchmark* benchmark);

inline const QString categoryFile = QStringLiteral("Categorias/Grande.ini");

} // namespace benchdata
