#include "Version.h"
#include "codec/Password.h"
#include "support/RandomState.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

namespace quandrel {
namespace {

struct Result {
    int status;
    std::string out;
};

// Runs a shell command line with the real quandrel-pass binary and collects its standard output.
Result shell(const std::string& command)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {-1, {}};
    }
    std::string out;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) {
        out.append(buffer, n);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

const std::string kBinary = QUANDREL_PASS_BINARY;

TEST(Binary, EncodesDecodesAndChecks)
{
    const Result encoded = shell("echo '{}' | '" + kBinary + "' encode");
    EXPECT_EQ(encoded.status, 0);
    EXPECT_EQ(encoded.out, initialPassword() + "\n");

    const Result roundTrip = shell("echo '{\"keys\":\"321\",\"warrior\":3}' | '" + kBinary + "' encode | '" + kBinary +
                                   "' decode | grep -c '\"keys\":\"321\".*\"warrior\":3'");
    EXPECT_EQ(roundTrip.out, "1\n");

    EXPECT_EQ(shell("'" + kBinary + "' check " + initialPassword()).status, 0);
    const Result bad = shell("printf 'z\\n' | '" + kBinary + "' decode 2>&1");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("line 1: position 1: 'Z'"), std::string::npos) << bad.out;
    EXPECT_EQ(shell("echo '[' | '" + kBinary + "' encode 2>/dev/null").status, 1);
    EXPECT_EQ(shell("'" + kBinary + "' --version").out, "quandrel-pass " + std::string(kVersion) + "\n");
}

TEST(Binary, FailedReadsAndWritesExitWithTwoAndTheReason)
{
    const std::string password = initialPassword();
    struct Case {
        std::string command;
        std::string err;
    };
    const Case cases[] = {
        {"decode " + password + " > /dev/full", "cannot write the output: No space left on device"},
        {"encode < /dev/null > /dev/full; echo '{}' | '" + kBinary + "' encode > /dev/full",
         "cannot write the output: No space left on device"},
        {"encode /", "cannot read /: Is a directory"},
        {"encode /proc/self/mem", "cannot read /proc/self/mem: Input/output error"},
        {"decode < /", "cannot read standard input: Is a directory"},
        {"diff " + password + " ./missing.txt", "./missing.txt: No such file or directory"},
    };
    for (const auto& c : cases) {
        const Result run = shell("{ '" + kBinary + "' " + c.command + "; } 2>&1");
        EXPECT_EQ(run.status, 2) << c.command;
        EXPECT_NE(run.out.find(c.err), std::string::npos) << c.command << " gave: " << run.out;
    }
}

TEST(Binary, ClosedStandardDescriptorsActAsTheNullDevice)
{
    // Started with one closed, the program reads nothing from it and writes into nothing,
    // rather than a file it opens taking the number.
    const std::string password = initialPassword();
    for (const std::string& command :
         std::vector<std::string>{"decode " + password + " >&-", "encode <&-", "decode <&-",
                                  "encode /dev/null 2>&- <&-", "check " + password + " >&- 2>&-"}) {
        const Result run = shell("{ '" + kBinary + "' " + command + "; } 2>&1");
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.out, "") << command;
    }
    // A message still reaches standard error when only the output is closed.
    EXPECT_EQ(shell("{ echo '[' | '" + kBinary + "' encode >&-; } 2>&1").out,
              "quandrel-pass encode: line 1, column 2: not valid JSON: unexpected end of input; expected '[', '{', or "
              "a literal\n");
}

TEST(Binary, AGigabyteLineIsRefusedInFlatMemory)
{
    const Result run = shell("{ head -c 1000000000 /dev/zero; echo; echo " + initialPassword() + "; } | '" + kBinary +
                             "' decode 2>&1 | cut -c1-64");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "quandrel-pass decode: line 1: longer than 65536 bytes, not read\n"
                       "{\"arrows\":\"100\",\"coins\":\"100\",\"keys\":\"100\",\"vitality\":[1,1],\"exp\n");
    // The largest resident size of any finished child of this test program, the binary above
    // included; a sanitizer build's own overhead fits well under the bound too.
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 200 * 1024) << "KiB";
}

TEST(Binary, DecodeThenEncodeRoundTripsAHundredThousandLines)
{
    // A directory of its own, so that the normal and sanitizer builds' runs never share the file.
    const test::TemporaryDirectory directory;
    const std::string file = (directory.path() / "round-trip.txt").string();
    {
        std::mt19937 rng(11);
        std::ofstream out(file);
        for (int i = 0; i < 100000; ++i) {
            out << encodePassword(test::randomState(rng)) << '\n';
        }
    }
    const Result run = shell("'" + kBinary + "' decode < '" + file + "' | '" + kBinary + "' encode | cmp - '" + file +
                             "' && echo same");
    EXPECT_EQ(run.out, "same\n");
}

TEST(Binary, FixSuggestsCorrectionsBestFirst)
{
    // "S" typed for "5" at character 7, grouped and in lower case as a player might copy it.
    const Result fixed = shell("'" + kBinary + "' fix 'ur3q-ursf-ug4f-423r-ur3f-ur3f-ur3f-ur3f-ur3f-ur3f-urs4-a'");
    EXPECT_EQ(fixed.status, 0);
    EXPECT_EQ(fixed.out.substr(0, fixed.out.find('\n')),
              initialPassword() + "  position 7 S -> 5 (look-alike); coins 300 -> 100");

    // A dropped character put back, and one too many taken out.
    const std::string dropped = initialPassword().substr(0, 20) + initialPassword().substr(21);
    const Result putBack = shell("'" + kBinary + "' fix " + dropped);
    EXPECT_EQ(putBack.status, 0);
    EXPECT_EQ(putBack.out.substr(0, putBack.out.find('\n')),
              initialPassword() + "  position 21 U put back; world 2 state Closed, world 3 flags 0000");
    const Result takenOut = shell("'" + kBinary + "' fix " + initialPassword() + "0");
    EXPECT_EQ(takenOut.out.substr(0, takenOut.out.find('\n')),
              initialPassword() + "  position 46 0 taken out; no field changes");

    const Result hopeless = shell("'" + kBinary + "' fix ZZZZ 2>&1");
    EXPECT_EQ(hopeless.status, 1);
    EXPECT_NE(hopeless.out.find("no correction"), std::string::npos) << hopeless.out;
}

TEST(Binary, ExplainNamesTheFieldsOfEachGroup)
{
    const Result explained = shell("'" + kBinary + "' explain " + initialPassword());
    EXPECT_EQ(explained.status, 0);
    EXPECT_NE(explained.out.find("group  1  UR3Q  arrows 100, coins 100\n"), std::string::npos) << explained.out;
    EXPECT_NE(explained.out.find("group 12  A     checksum\n"), std::string::npos) << explained.out;
    EXPECT_EQ(shell("'" + kBinary + "' explain UR3QZ 2>/dev/null").status, 1);
}

TEST(Binary, DiffComparesPasswordsAndSlotFields)
{
    const std::string slot = ::testing::TempDir() + "quandrel-diff-slot.txt";
    ASSERT_EQ(shell("printf '\"203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\"\\r\\n' > '" + slot + "'").status, 0);
    const Result different = shell("'" + kBinary + "' diff " + initialPassword() + " '" + slot + "'");
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.out, "arrows: 100 -> 013\n");

    // A slot file is read as a load reads it, its checksum not at all; a typed password must be true.
    const Result same = shell("printf '203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\\n' | '" + kBinary + "' diff '" +
                              slot + "' - 2>&1");
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "same game state\n");
    EXPECT_EQ(
        shell("'" + kBinary + "' diff '" + slot + "' 203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS00 2>/dev/null").status,
        2);
    EXPECT_EQ(shell("'" + kBinary + "' diff " + initialPassword() + " Z 2>/dev/null").status, 2);
    std::remove(slot.c_str());
}

} // namespace
} // namespace quandrel

namespace quandrel {
namespace {

TEST(Binary, AnEndlessLineOnStandardInputEndsOnePasswordsReading)
{
    for (const char* command : {"check -", "fix -", "explain -", "diff - UR3Q"}) {
        const Result run = shell("timeout 20 '" + kBinary + "' " + command + " </dev/zero");
        EXPECT_EQ(run.status, 2) << command;
    }
}

} // namespace
} // namespace quandrel
