#include "codec/Password.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

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
    const Result bad = shell("printf 'x\\n' | '" + kBinary + "' decode 2>&1");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("line 1: position 1: 'x'"), std::string::npos) << bad.out;
    EXPECT_EQ(shell("echo '[' | '" + kBinary + "' encode 2>/dev/null").status, 2);
}

TEST(Binary, FixSuggestsCorrectionsBestFirst)
{
    // "S" typed for "5" at character 7, grouped and in lower case as a player might copy it.
    const Result fixed = shell("'" + kBinary + "' fix 'ur3q-ursf-ug4f-423r-ur3f-ur3f-ur3f-ur3f-ur3f-ur3f-urs4-a'");
    EXPECT_EQ(fixed.status, 0);
    EXPECT_EQ(fixed.out.substr(0, fixed.out.find('\n')),
              initialPassword() + "  position 7 S -> 5 (look-alike); coins 300 -> 100");

    const Result hopeless = shell("'" + kBinary + "' fix ZZZZ 2>&1");
    EXPECT_EQ(hopeless.status, 1);
    EXPECT_NE(hopeless.out.find("no correction"), std::string::npos) << hopeless.out;
}

TEST(Binary, ExplainNamesTheFieldsOfEachGroup)
{
    const Result explained = shell("'" + kBinary + "' explain " + initialPassword());
    EXPECT_EQ(explained.status, 0);
    EXPECT_NE(explained.out.find("group 1  UR3Q  arrows 100, coins 100\n"), std::string::npos) << explained.out;
    EXPECT_NE(explained.out.find("group 12  A  checksum\n"), std::string::npos) << explained.out;
    EXPECT_EQ(shell("'" + kBinary + "' explain UR3QZ 2>/dev/null").status, 1);
}

TEST(Binary, DiffComparesPasswordsAndSlotFields)
{
    const std::string slot = ::testing::TempDir() + "quandrel-diff-slot.txt";
    ASSERT_EQ(shell("printf '\"203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\"\\r\\n' > '" + slot + "'").status, 0);
    const Result different = shell("'" + kBinary + "' diff " + initialPassword() + " '" + slot + "'");
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.out, "arrows: 100 -> 013\n");

    const Result same = shell("'" + kBinary + "' diff '" + slot + "' 203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS00");
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "same game state\n");
    EXPECT_EQ(shell("'" + kBinary + "' diff " + initialPassword() + " Z 2>/dev/null").status, 2);
    std::remove(slot.c_str());
}

} // namespace
} // namespace quandrel
