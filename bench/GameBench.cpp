// A whole new game, and one guess, on the main window offscreen.
#include "Categories.h"

#include "support/FakePlatform.h"
#include "ui/Form1.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace benchdata;

void NewGame(benchmark::State& state)
{
    const auto folder = categoryOf(static_cast<int>(state.range(0)));
    FakePlatform platform;
    Form1 form(folder->path(), platform);
    for (auto _ : state)
        form.Form_Load();
}

// Every letter in turn, consonants first so that the vowels can be paid for;
// every one is a hit and the digits stay hidden, so the game is never over.
template <class Press>
void EveryLetterOfTheLongPhrase(benchmark::State& state, const std::vector<std::int16_t>& codes,
                                Press press)
{
    const auto folder = longPhraseCategory();
    FakePlatform platform;
    Form1 form(folder->path(), platform);
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == codes.size()) {
            state.PauseTiming();
            form.Form_Load();
            next = 0;
            state.ResumeTiming();
        }
        press(form, codes[next++]);
    }
    if (!platform.messages.empty())
        state.SkipWithError("a guess was refused");
}

std::vector<std::int16_t> letters(std::int16_t nTilde)
{
    std::vector<std::int16_t> codes;
    for (char c : std::string_view("BCDFGHJKLMNPQRSTVWXYZ"))
        codes.push_back(c);
    codes.push_back(nTilde);
    for (char c : std::string_view("AEIOU"))
        codes.push_back(c);
    return codes;
}

void Guess(benchmark::State& state)
{
    // Buttons are indexed by character code: Ñ is 209.
    EveryLetterOfTheLongPhrase(state, letters(209),
                               [](Form1& form, std::int16_t code) { form.Command3_Click(code); });
}

void KeyPress(benchmark::State& state)
{
    // Virtual key codes: the Ñ key is 192.
    EveryLetterOfTheLongPhrase(state, letters(192), [](Form1& form, std::int16_t code) {
        form.Command2_KeyDown(code, 0);
    });
}

} // namespace

BENCHMARK(NewGame)->Apply(threeSizes);
BENCHMARK(Guess)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeyPress)->Unit(benchmark::kMicrosecond);
