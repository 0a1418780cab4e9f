#include "cli/Commands.h"
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

} // namespace

BENCHMARK_MAIN();
