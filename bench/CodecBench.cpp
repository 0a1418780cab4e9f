#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/Repair.h"
#include "support/RandomState.h"

#include <benchmark/benchmark.h>

#include <array>
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

// The same into one reused buffer, as batch work does: no allocation per password.
void EncodePasswordIntoBuffer(benchmark::State& bench)
{
    const auto states = sampleStates();
    std::array<char, kPasswordLength> password{};
    std::size_t i = 0;
    for (auto _ : bench) {
        writePassword(states[i++ % states.size()], password);
        benchmark::DoNotOptimize(password);
    }
    bench.counters["passwords/s"] =
        benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(EncodePasswordIntoBuffer);

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

// A character dropped (argument 0) or one too many (argument 1) at each place in turn, over the
// sample states: every place gets each symbol put back, or loses its character, alone and with
// each look-alike substitution. The slowest password of the set is the figure to watch.
void RepairLength(benchmark::State& bench)
{
    std::vector<std::string> typed;
    const auto states = sampleStates();
    for (std::size_t i = 0; i < 45; ++i) {
        std::string password = encodePassword(states[i]);
        if (bench.range(0) == 0) {
            password.erase(i, 1);
        } else {
            password.insert(i, 1, 'U');
        }
        typed.push_back(password);
    }
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(suggestRepairs(typed[i++ % typed.size()]));
    }
}
BENCHMARK(RepairLength)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A slow length repair: every character is valid at every place, so that no put-back place is
// ruled out by a symbol, and a look-alike substitution is tried at all of them.
void RepairDroppedCharacterWorstCase(benchmark::State& bench)
{
    const std::string typed(44, '0');
    for (auto _ : bench) {
        benchmark::DoNotOptimize(suggestRepairs(typed));
    }
}
BENCHMARK(RepairDroppedCharacterWorstCase)->Unit(benchmark::kMillisecond);

// The slowest of 300 random passwords with one random slip: many pairs of substitutions match
// its checksum, and each of them is decoded and encoded again to rank it.
void RepairSlowestSampledSlip(benchmark::State& bench)
{
    const std::string typed = "KGUQUR877G6RIETJURNB19HBXXNTPRG0UP3EMJA9W0P55";
    for (auto _ : bench) {
        benchmark::DoNotOptimize(suggestRepairs(typed));
    }
}
BENCHMARK(RepairSlowestSampledSlip)->Unit(benchmark::kMillisecond);

// The slowest slips of repair_evaluation's sample (an any-symbol slip and a look-alike one):
// the typed body is one the encoder writes, so that pairs of changes are decoded and encoded
// again until ten written corrections are found.
void RepairSlowestEvaluatedSlip(benchmark::State& bench)
{
    const std::array<std::string, 2> typed = {"TH7F6R9AUH33PG3ESS3T0RDX747J14R094TU6KL3CNSB3",
                                              "XRRO57BMVR8UI9H7UNBJI90BXG4HI25TUN3VGJIDSHD21"};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(suggestRepairs(typed[static_cast<std::size_t>(bench.range(0))]));
    }
}
BENCHMARK(RepairSlowestEvaluatedSlip)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The most candidates known: a valid symbol at every place and thousands of pairs of changes
// that match the checksum.
void RepairMostCandidates(benchmark::State& bench)
{
    const std::string typed = std::string(43, 'U') + "1A";
    for (auto _ : bench) {
        benchmark::DoNotOptimize(suggestRepairs(typed));
    }
}
BENCHMARK(RepairMostCandidates)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
