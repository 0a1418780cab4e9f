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

// `quandrel-pass decode` over lines of passwords of random states: reading, decoding and
// writing one JSON line each.
void DecodeLines(benchmark::State& bench)
{
    std::mt19937 rng(5);
    std::string input;
    for (int i = 0; i < 10000; ++i) {
        input += encodePassword(test::randomState(rng));
        input += '\n';
    }
    DiscardingBuffer discard;
    std::ostream out(&discard);
    std::ostringstream err;
    for (auto _ : bench) {
        std::istringstream in(input);
        benchmark::DoNotOptimize(runDecode({}, in, out, err));
    }
    bench.counters["lines/s"] =
        benchmark::Counter(10000.0 * static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(DecodeLines)->Unit(benchmark::kMillisecond);

// `quandrel-pass encode` over JSON Lines of random states as the editor writes them: reading,
// parsing and checking one state, and writing its password, each.
void EncodeLines(benchmark::State& bench)
{
    std::mt19937 rng(5);
    std::string input;
    for (int i = 0; i < 10000; ++i) {
        input += gameStateToJson(test::randomState(rng));
        input += '\n';
    }
    DiscardingBuffer discard;
    std::ostream out(&discard);
    std::ostringstream err;
    for (auto _ : bench) {
        std::istringstream in(input);
        benchmark::DoNotOptimize(runEncode(in, "-", out, err));
    }
    bench.counters["states/s"] =
        benchmark::Counter(10000.0 * static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
    bench.counters["MB/s"] = benchmark::Counter(
        static_cast<double>(input.size()) * static_cast<double>(bench.iterations()) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(EncodeLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
