#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/Repair.h"
#include "support/RandomState.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace quandrel;

std::vector<GameState> sampleStates()
{
    std::mt19937 rng(1);
    std::vector<GameState> states(256);
    for (auto& state : states) {
        state = test::randomState(rng);
    }
    return states;
}

// Encoding every section and assembling the password with its checksum.
void EncodePassword(benchmark::State& bench)
{
    const auto states = sampleStates();
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(encodePassword(states[i++ % states.size()]));
    }
    bench.counters["passwords/s"] =
        benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(EncodePassword);

void DecodePassword(benchmark::State& bench)
{
    std::vector<std::string> passwords;
    for (const auto& state : sampleStates()) {
        passwords.push_back(encodePassword(state));
    }
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(decodeSlotText(passwords[i++ % passwords.size()]));
    }
    bench.counters["passwords/s"] =
        benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(DecodePassword);

// A password with one character that is no symbol at its place: the search changes that
// character alone, then with each other one.
void RepairOneInvalidSymbol(benchmark::State& bench)
{
    std::string typed = encodePassword(GameState{});
    typed[20] = 'Z';
    for (auto _ : bench) {
        benchmark::DoNotOptimize(suggestRepairs(typed));
    }
}
BENCHMARK(RepairOneInvalidSymbol)->Unit(benchmark::kMillisecond);

// Valid symbols but a wrong checksum: every single change and every pair of changes is tried.
void RepairWrongChecksum(benchmark::State& bench)
{
    std::string typed = encodePassword(GameState{});
    typed[6] = 'S';
    for (auto _ : bench) {
        benchmark::DoNotOptimize(suggestRepairs(typed));
    }
}
BENCHMARK(RepairWrongChecksum)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
