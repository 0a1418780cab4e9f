#include "cli/Commands.h"
#include "codec/Password.h"
#include "support/PasswordEdits.h"
#include "support/TemporaryDirectory.h"

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

TEST(Commands, FixListsCorrectionsWithWhatTheyChange)
{
    const std::string good = initialPassword();
    struct Case {
        std::string typed;
        int status;
        std::string line; // a whole line of the output, or of the errors when there is none
    };
    const Case cases[] = {
        {good, kExitOk, good + "  already valid"},
        {test::withCharacter(good, 7, 'S'), kExitOk, good + "  position 7 S -> 5 (look-alike); coins 300 -> 100"},
        // A wrong checksum: look-alikes first, some of them in bits that no field reads.
        {test::withCharacter(good, 45, 'B'), kExitOk,
         test::withCharacter(test::withCharacter(good, 45, 'B'), 9, 'V') +
             "  position 9 U -> V (look-alike); no field changes"},
        // An invalid symbol: what its place carries, as corrected.
        {test::withCharacter(good, 1, 'Z'), kExitOk, good + "  position 1 Z -> U; arrows 100"},
        {"ZZZZ", kExitFailed,
         "quandrel-pass fix: no correction of at most two characters makes ZZZZ valid (it has 4 "
         "characters, a password 45)"},
    };
    for (const Case& c : cases) {
        const Outcome run = runWith({"fix", c.typed.c_str()});
        EXPECT_EQ(run.status, c.status) << c.typed;
        const std::string shown = "\n" + (run.out.empty() ? run.err : run.out);
        EXPECT_NE(shown.find("\n" + c.line + "\n"), std::string::npos) << c.typed << "\n" << shown;
    }
}

TEST(Commands, ExplainNamesEachGroupsFieldsInPasswordOrder)
{
    const Outcome run = runWith({"explain", initialPassword().c_str()});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 12);
    for (const char* line : {
             "group 1  UR3Q  arrows 100, coins 100\n",
             "group 3  UG4F  keys 100, lower experience 6, lower vitality 1\n",
             // In password order, which puts the lower pair before the upper one.
             "group 4  423R  lower vitality 1, upper experience 6, upper vitality 1\n",
             "group 5  UR3F  world 1 flags 0000, world 1 state Closed, world 2 flags 0000, world 2 state Closed\n",
             "object 36 not carried, shield none, warrior 0, checksum\n",
             "group 12  A  checksum\n",
         }) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
    }

    const Outcome wrongChecksum = runWith({"explain", test::withCharacter(initialPassword(), 45, 'B').c_str()});
    EXPECT_EQ(wrongChecksum.status, kExitOk);
    EXPECT_NE(wrongChecksum.out.find("checksum: expected 4A\n"), std::string::npos) << wrongChecksum.out;

    const Outcome invalid = runWith({"explain", "UR3QZ"});
    EXPECT_EQ(invalid.status, kExitFailed);
    EXPECT_NE(invalid.err.find("quandrel-pass explain: position 5: 'Z'"), std::string::npos) << invalid.err;
}

TEST(Commands, DiffComparesPasswordsAndSlotFiles)
{
    const test::TemporaryDirectory directory;
    directory.write("sgame01.txt", "\"203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\"\r\n");
    const std::string slot = (directory.path() / "sgame01.txt").string();
    const std::string good = initialPassword();
    struct Case {
        std::string first;
        std::string second;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {good, slot, kExitFailed, "arrows: 100 -> 013\n"},
        {slot, "203F-UR5F-UG4F-423R-UR3F-UR3F-UR3F-UR3F-UR3F-UR3F-URS0-0", kExitOk, "same game state\n"},
        {good, test::withCharacter(good, 43, 'P'), kExitFailed, "warrior: 0 -> 1\n"},
        {good, "Z", kExitBadInput, ""},
    };
    for (const Case& c : cases) {
        const Outcome run = runWith({"diff", c.first.c_str(), c.second.c_str()});
        EXPECT_EQ(run.status, c.status) << c.first << " " << c.second;
        EXPECT_EQ(run.out, c.out) << c.first << " " << c.second;
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
