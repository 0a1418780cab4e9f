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

} // namespace
} // namespace quandrel
