#include "cli/Commands.h"
#include "codec/Password.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sstream>

namespace quandrel {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runWith(std::vector<const char*> args, const std::string& input = "")
{
    args.insert(args.begin(), "quandrel-pass");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(static_cast<int>(args.size()), args.data(), in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Commands, EncodeReadsStandardInput)
{
    const Outcome run = runWith({"encode"}, "{}");
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, initialPassword() + "\n");
    EXPECT_EQ(runWith({"encode", "-"}, R"({"arrows":"013"})").out, "203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\n");
}

TEST(Commands, EncodeRefusesBadInputWithStatusTwo)
{
    for (const char* input : {"", "{", R"({"warrior":7})", R"({"colour":"red"})"}) {
        const Outcome run = runWith({"encode"}, input);
        EXPECT_EQ(run.status, kExitBadInput) << input;
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("quandrel-pass encode: "), std::string::npos) << run.err;
    }
    const Outcome missing = runWith({"encode", "/nonexistent/state.json"});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_NE(missing.err.find("cannot open /nonexistent/state.json"), std::string::npos);
}

TEST(Commands, DecodeStreamsLinesAndReportsEachFailure)
{
    const std::string good = initialPassword();
    const Outcome run = runWith({"decode"}, good + "\r\n" + "UR3QuR5\n" + good + "\n");
    EXPECT_EQ(run.status, kExitFailed);
    std::istringstream lines(run.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        const auto json = nlohmann::json::parse(line);
        EXPECT_EQ(json["arrows"], "100");
        EXPECT_EQ(json["warrior"], 0);
        ++count;
    }
    EXPECT_EQ(count, 2);
    EXPECT_EQ(run.err, "quandrel-pass decode: line 2: position 5: 'u' is not a symbol there (position 1 in its "
                       "group takes U72G4X5BKN90PQTHVE6OMWAJ18DSILYC)\n");
}

TEST(Commands, DecodeTakesPasswordsAsArguments)
{
    const Outcome run = runWith({"decode", initialPassword().c_str(), "3"});
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    EXPECT_NE(run.err.find("position 1: '3'"), std::string::npos);
    EXPECT_EQ(runWith({"decode", initialPassword().c_str()}).status, kExitOk);
}

TEST(Commands, CheckSaysWhatIsWrong)
{
    const std::string good = initialPassword();
    struct Case {
        std::string password;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {good, kExitOk, "valid\n"},
        {good.substr(0, 43) + "4B", kExitFailed, "checksum: \"4B\" at positions 44-45, expected 4A\n"},
        {good.substr(0, 43), kExitFailed,
         "length: 43 characters, expected 45\nchecksum: \"\" at positions 44-45, "
         "expected 4A\n"},
        {"F" + good.substr(1), kExitFailed,
         "position 1: 'F' is not a symbol there, expected one of U72G4X5BKN90PQTHVE6OMWAJ18DSILYC\n"
         "checksum: \"4A\" at positions 44-45, expected 3B\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = runWith({"check", c.password.c_str()});
        EXPECT_EQ(run.status, c.status) << c.password;
        EXPECT_EQ(run.out, c.out) << c.password;
    }
}

TEST(Commands, UsageErrorsGiveStatusTwo)
{
    EXPECT_EQ(runWith({}).status, kExitBadInput);
    EXPECT_EQ(runWith({"frobnicate"}).status, kExitBadInput);
    EXPECT_EQ(runWith({"check"}).status, kExitBadInput);
    const Outcome help = runWith({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("decode"), std::string::npos);
}

} // namespace
} // namespace quandrel
