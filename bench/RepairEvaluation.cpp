// How well `fix` finds the password behind one typing slip: for each kind of slip, over a fixed
// sample of passwords the editor writes, where the true password stands among the corrections
// offered, and the slowest repair seen (in processor time).
#include "codec/Repair.h"
#include "support/RepairSlips.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

int main(int argc, char** argv)
{
    using namespace quandrel;
    const int samples = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 2024U;

    const auto percent = [samples](double n) { return 100.0 * n / samples; };
    std::printf("%d slips of each kind, seed %u\n\n", samples, seed);
    std::printf("%-15s %7s %7s %7s %7s %11s%s\n", "slip", "first", "top 5", "top 10", "absent", "slowest ms",
                "  (slowest text)");
    for (const test::SlipKind kind : test::kSlipKinds) {
        std::mt19937 rng(seed);
        int first = 0;
        int topFive = 0;
        int listed = 0;
        double slowest = 0;
        std::string slowestText;
        for (int i = 0; i < samples; ++i) {
            const test::Slip slip = test::randomSlip(rng, kind);
            // Processor time, the least of three runs: a busy machine only ever adds to it.
            std::vector<Repair> repairs;
            double fastest = 1e9;
            for (int run = 0; run < 3; ++run) {
                const std::clock_t start = std::clock();
                repairs = suggestRepairs(slip.typed);
                fastest = std::min(fastest, 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
            }
            if (fastest > slowest) {
                slowest = fastest;
                slowestText = slip.typed;
            }
            const std::size_t rank = test::rankOfTruePassword(slip, repairs);
            first += rank == 0 ? 1 : 0;
            topFive += rank < 5 ? 1 : 0;
            listed += rank < repairs.size() ? 1 : 0;
        }
        std::printf("%-15s %6.1f%% %6.1f%% %6.1f%% %6.1f%% %11.3f  %s\n", std::string(test::slipKindName(kind)).c_str(),
                    percent(first), percent(topFive), percent(listed), percent(samples - listed), slowest,
                    slowestText.c_str());
    }

    // Half of the any-symbol slips leave a text whose body the encoder writes: every password
    // one character away whose checksum matches is then as likely as the true one.
    std::mt19937 rng(seed);
    std::array<double, 10> best{};
    int ambiguous = 0;
    for (int i = 0; i < samples; ++i) {
        const test::Slip slip = test::randomSlip(rng, test::SlipKind::AnySymbol);
        const auto shares = test::bestPossibleShares(slip.typed, best.size());
        ambiguous += shares[0] < 1 ? 1 : 0;
        for (std::size_t r = 0; r < best.size(); ++r) {
            best[r] += shares[r];
        }
    }
    std::printf("\nany symbol, the most any ranking can reach on the same slips:\n");
    std::printf("%-15s %6.1f%% %6.1f%% %6.1f%%   (%.1f%% of the slips have more than one likely password)\n", "",
                percent(best[0]), percent(best[4]), percent(best[9]), percent(ambiguous));
    return 0;
}
