#include "cli/Commands.h"
#include "cli/StateJson.h"
#include "codec/Password.h"
#include "support/RandomState.h"

#include <benchmark/benchmark.h>

#include <ostream>
#include <random>
#include <sstream>
#include <streambuf>

namespace {

using namespace quandrel;

// Takes any output and keeps none of it, as a pipe to a fast reader would.
class DiscardingBuffer final : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

constexpr int kLines = 10000;

// One line for each of `kLines` random states, as `lineOf` writes a state.
template <typename LineOf> std::string linesOfRandomStates(LineOf lineOf)
{
    std::mt19937 rng(5);
    std::string input;
    for (int i = 0; i < kLines; ++i) {
        input += lineOf(test::randomState(rng));
        input += '\n';
    }
    return input;
}

// `run(in, out, err)` over `input` once per iteration, its output discarded; the rate is
// counted in lines, named `lineRate`.
template <typename Run>
void runOverLines(benchmark::State& bench, const std::string& input, const char* lineRate, Run run)
{
    DiscardingBuffer discard;
    std::ostream out(&discard);
    std::ostringstream err;
    for (auto _ : bench) {
        std::istringstream in(input);
        benchmark::DoNotOptimize(run(in, out, err));
    }
    bench.counters[lineRate] =
        benchmark::Counter(kLines * static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}

// `quandrel-pass decode` over lines of passwords of random states: reading, decoding and
// writing one JSON line each.
void DecodeLines(benchmark::State& bench)
{
    const std::string input = linesOfRandomStates(encodePassword);
    runOverLines(bench, input, "lines/s",
                 [](std::istream& in, std::ostream& out, std::ostream& err) { return runDecode({}, in, out, err); });
}
BENCHMARK(DecodeLines)->Unit(benchmark::kMillisecond);

// `quandrel-pass encode` over JSON Lines of random states as the editor writes them: reading,
// parsing and checking one state, and writing its password, each.
void EncodeLines(benchmark::State& bench)
{
    const std::string input = linesOfRandomStates(gameStateToJson);
    runOverLines(bench, input, "states/s",
                 [](std::istream& in, std::ostream& out, std::ostream& err) { return runEncode(in, "-", out, err); });
    bench.counters["MB/s"] = benchmark::Counter(
        static_cast<double>(input.size()) * static_cast<double>(bench.iterations()) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(EncodeLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
