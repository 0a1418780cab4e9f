#include "cli/Commands.h"
#include "cli/DescriptorOutput.h"
#include "cli/StateJson.h"
#include "codec/Password.h"
#include "support/PasswordEdits.h"
#include "support/TemporaryDirectory.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <system_error>
#include <utility>

namespace quandrel {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runOn(std::vector<const char*> args, std::istream& in, std::ostream& out)
{
    args.insert(args.begin(), "quandrel-pass");
    std::ostringstream err;
    const int status = runCommandLine(static_cast<int>(args.size()), args.data(), in, out, err);
    return {status, {}, err.str()};
}

Outcome runWith(std::vector<const char*> args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    Outcome outcome = runOn(std::move(args), in, out);
    outcome.out = out.str();
    return outcome;
}

// Input that fails as a directory does when read, after handing out `good` first.
class FailingInput final : public std::streambuf {
public:
    explicit FailingInput(std::string good) : m_good(std::move(good))
    {
        setg(m_good.data(), m_good.data(), m_good.data() + m_good.size());
    }

protected:
    int_type underflow() override { throw std::system_error(EISDIR, std::generic_category()); }

private:
    std::string m_good;
};

// Output to a full disk.
class FullOutput final : public std::streambuf {
protected:
    int_type overflow(int_type) override { throw WriteError(ENOSPC, std::generic_category()); }
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(Commands, EncodeReadsStandardInput)
{
    const Outcome run = runWith({"encode"}, "{}");
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, initialPassword() + "\n");
    EXPECT_EQ(runWith({"encode", "-"}, R"({"arrows":"013"})").out, "203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\n");
    // Pretty-printed over several lines, as an editor or jq writes it.
    EXPECT_EQ(runWith({"encode"}, "{\n  \"arrows\": 13,\n  \"worlds\": [\n  ]\n}\n").err,
              "quandrel-pass encode: line 1: worlds: expected an array of 10 elements\n");
    EXPECT_EQ(runWith({"encode"}, "\n{\n  \"arrows\": 13\n}\n\n").out,
              "203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\n");
}

TEST(Commands, EncodeReportsEachBadLineAndEncodesTheOthers)
{
    const std::string input = "{}\n"
                              "{\"warrior\":7}\n"
                              "{\"arrows\":\n"
                              "{\"arrows\":13}\r\n"
                              "[\n";
    const Outcome run = runWith({"encode"}, input);
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(run.out, initialPassword() + "\n203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08\n");
    EXPECT_EQ(run.err, "quandrel-pass encode: line 2: warrior: 7 is outside 0 to 3\n"
                       "quandrel-pass encode: line 3, column 11: not valid JSON: unexpected end of input; expected "
                       "'[', '{', or a literal\n"
                       "quandrel-pass encode: line 5, column 2: not valid JSON: unexpected end of input; expected "
                       "'[', '{', or a literal\n");

    const Outcome missing = runWith({"encode", "/nonexistent/state.json"});
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_EQ(missing.err, "quandrel-pass encode: cannot open /nonexistent/state.json: No such file or directory\n");
}

TEST(Commands, OversizedInputIsRefusedAndTheStreamGoesOn)
{
    const std::string hugeState = "{\"arrows\":\"" + std::string(kMaxStateSize, '1') + "\"}";
    const Outcome encoded = runWith({"encode"}, hugeState + "\n{}\n");
    EXPECT_EQ(encoded.status, kExitFailed);
    EXPECT_EQ(encoded.out, initialPassword() + "\n");
    EXPECT_EQ(encoded.err, "quandrel-pass encode: line 1: more than 1024 KiB, not read\n");

    // A state over many lines counts as a whole.
    std::string manyLines = "{\"objects\":[\n";
    for (std::size_t i = 0; i < kMaxStateSize / 4; ++i) {
        manyLines += "  1,\n";
    }
    EXPECT_EQ(runWith({"encode"}, manyLines + "1]}\n{}\n").err,
              "quandrel-pass encode: line 1: more than 1024 KiB, not read\n");

    // A line too long inside a pretty-printed state spoils that state alone, once.
    const Outcome longLine =
        runWith({"encode"}, "{\n  \"arrows\": \"" + std::string(kMaxStateSize, '1') + "\",\n  \"coins\": 1\n}\n{}\n");
    EXPECT_EQ(longLine.out, initialPassword() + "\n");
    EXPECT_EQ(longLine.err, "quandrel-pass encode: line 1: more than 1024 KiB, not read\n");

    const Outcome decoded = runWith({"decode"}, std::string(kMaxPasswordLine + 1, 'U') + "\n" + initialPassword());
    EXPECT_EQ(decoded.status, kExitFailed);
    EXPECT_EQ(linesOf(decoded.out).size(), 1U);
    EXPECT_EQ(decoded.err, "quandrel-pass decode: line 1: longer than 65536 bytes, not read\n");
}

TEST(Commands, EncodeRefusesHostileStatesEarlyAndGoesOn)
{
    struct Case {
        std::string input;
        std::string err;
    };
    const Case cases[] = {
        {std::string("{\"arrows\":1}\0 not JSON\n", 23), "line 1, column 13: not valid JSON: a NUL byte"},
        {std::string(kMaxStateSize - 1, '['), "line 1, column 5: nested deeper than a game state (4 levels)"},
        {[] {
             std::string deep;
             for (int i = 0; i < 200000; ++i) {
                 deep += "{\"a\":";
             }
             return deep;
         }(),
         "line 1, column 21: nested deeper than a game state (4 levels)"},
    };
    for (const Case& c : cases) {
        const Outcome run = runWith({"encode"}, c.input + "\n{}\n");
        EXPECT_EQ(run.status, kExitFailed);
        EXPECT_EQ(run.out, initialPassword() + "\n");
        EXPECT_EQ(run.err, "quandrel-pass encode: " + c.err + "\n");
    }
}

TEST(Commands, ReadAndWriteFailuresGiveTheSystemsReason)
{
    for (const char* command : {"encode", "decode"}) {
        FailingInput failing(initialPassword().substr(0, 10));
        std::istream in(&failing);
        std::ostringstream out;
        const Outcome run = runOn({command}, in, out);
        EXPECT_EQ(run.status, kExitBadInput) << command;
        EXPECT_EQ(run.err, std::string("quandrel-pass ") + command + ": cannot read standard input: Is a directory\n");
    }
    FailingInput failing("");
    std::istream in(&failing);
    std::ostringstream out;
    EXPECT_EQ(runOn({"check", "-"}, in, out).err, "quandrel-pass check: cannot read standard input: Is a directory\n");

    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {"decode", initialPassword().c_str()}, {"encode"}, {"check", initialPassword().c_str()}, {"--help"}}) {
        std::istringstream state("{}");
        FullOutput full;
        std::ostream fullOut(&full);
        fullOut.exceptions(std::ios::badbit); // as the program's own standard output
        const Outcome run = runOn(args, state, fullOut);
        EXPECT_EQ(run.status, kExitBadInput) << args[0];
        EXPECT_EQ(run.err, "quandrel-pass: cannot write the output: No space left on device\n") << args[0];
    }
}

TEST(Commands, DecodeRefusesWhatIsNoPasswordUnlessLenient)
{
    const std::string good = initialPassword();
    struct Case {
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {"OG2A67KRUR", "10 characters, a password has 45"},
        {good.substr(0, 44), "44 characters, a password has 45"},
        {good + "4", "46 characters, a password has 45"},
        {"", "0 characters, a password has 45"},
        {good.substr(0, 43) + "4B", "checksum \"4B\" does not match the body, which gives \"4A\""},
    };
    for (const auto& c : cases) {
        const Outcome strict = runWith({"decode"}, c.text + "\n");
        EXPECT_EQ(strict.status, kExitFailed) << c.text;
        EXPECT_EQ(strict.out, "") << c.text;
        EXPECT_EQ(strict.err, "quandrel-pass decode: line 1: " + c.problem + "\n");

        const Outcome lenient = runWith({"decode", "--lenient", c.text.c_str()});
        EXPECT_EQ(lenient.status, kExitOk) << c.text;
        EXPECT_EQ(lenient.err, "quandrel-pass decode: " + c.problem + "; read anyway, as a slot load reads it\n");
        std::string slotLoad;
        appendDecodedJson(slotLoad, decodeSlotText(c.text));
        EXPECT_EQ(lenient.out, slotLoad + "\n") << c.text;
    }
    // Lenient still refuses what a slot load refuses.
    EXPECT_EQ(runWith({"decode", "--lenient", "Z"}).status, kExitFailed);
}

TEST(Commands, DecodeEndsLinesAtLfCrLfOrALoneCr)
{
    const std::string good = initialPassword();
    for (const std::string& input : {good + "\r" + good + "\r", good + "\r\n" + good + "\n", good + "\n" + good}) {
        const Outcome run = runWith({"decode", "-"}, input);
        EXPECT_EQ(run.status, kExitOk) << run.err;
        EXPECT_EQ(linesOf(run.out).size(), 2U);
    }
    // An empty line between two ends is a line of its own.
    EXPECT_EQ(runWith({"decode"}, good + "\r\r" + good).err,
              "quandrel-pass decode: line 2: 0 characters, a password has 45\n");
}

TEST(Commands, DecodeStreamsLinesAndReportsEachFailure)
{
    const std::string good = initialPassword();
    const Outcome run = runWith({"decode"}, good + "\r\n" + "UR3QZR5\n" + good + "\n");
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
    EXPECT_EQ(run.err, "quandrel-pass decode: line 2: position 5: 'Z' is not a symbol there (position 1 in its "
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

TEST(Commands, CheckSaysWhatIsWrongOnStandardError)
{
    const std::string good = initialPassword();
    struct Case {
        std::string password;
        std::string err;
    };
    const Case cases[] = {
        {good.substr(0, 43) + "4B", "checksum: \"4B\" at positions 44-45, expected 4A\n"},
        {good.substr(0, 43), "43 characters, a password has 45: 2 are missing\n"},
        {"F" + good.substr(1),
         "position 1: 'F' is not a symbol there, expected one of U72G4X5BKN90PQTHVE6OMWAJ18DSILYC\n"
         "quandrel-pass check: checksum: \"4A\" at positions 44-45, expected 3B\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = runWith({"check", c.password.c_str()});
        EXPECT_EQ(run.status, kExitFailed) << c.password;
        EXPECT_EQ(run.out, "") << c.password;
        EXPECT_EQ(run.err, "quandrel-pass check: " + c.err) << c.password;
    }
    for (const auto& [argument, input] : std::vector<std::pair<std::string, std::string>>{
             {good, ""}, {"ur3q-ur5f-ug4f-423r ur3f ur3f ur3f ur3f ur3f ur3f urs4 a", ""}, {"-", good + "\r\n"}}) {
        const Outcome run = runWith({"check", argument.c_str()}, input);
        EXPECT_EQ(run.status, kExitOk) << argument;
        EXPECT_EQ(run.out, "valid\n") << argument;
    }
}

TEST(Commands, DiffReadsPasswordsFilesAndStandardInput)
{
    const std::string good = initialPassword();
    const std::string arrows13 = "203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08";
    const Outcome piped = runWith({"diff", good.c_str(), "-"}, arrows13 + "\n");
    EXPECT_EQ(piped.status, kExitFailed);
    EXPECT_EQ(piped.out, "arrows: 100 -> 013\n");

    struct Case {
        std::string second;
        std::string input;
        std::string err;
    };
    const Case refused[] = {
        {"./sgame09.txt", "", "./sgame09.txt: No such file or directory\n"},
        {"/", "", "/: it is a directory, not a file\n"},
        {"-", "", "-: standard input holds no password\n"},
        {good.substr(0, 44), "", good.substr(0, 44) + ": 44 characters, a password has 45\n"},
        {"-", good.substr(0, 43) + "00", "-: checksum \"00\" does not match the body, which gives \"4A\"\n"},
    };
    for (const auto& c : refused) {
        const Outcome run = runWith({"diff", good.c_str(), c.second.c_str()}, c.input);
        EXPECT_EQ(run.status, kExitBadInput) << c.second;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "quandrel-pass diff: " + c.err);
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
        // A wrong checksum: the digit put right, which changes no field, is among the
        // corrections; a change in bits that no field reads is no password the editor writes.
        {test::withCharacter(good, 45, 'B'), kExitOk, good + "  position 45 B -> A; no field changes"},
        // An invalid symbol: what its place carries, as corrected.
        {test::withCharacter(good, 1, 'Z'), kExitOk, good + "  position 1 Z -> U; arrows 100"},
        {"ZZZZ", kExitFailed,
         "quandrel-pass fix: no correction of at most two characters makes ZZZZ valid (it has 4 "
         "characters, a password has 45)"},
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
             "group  1  UR3Q  arrows 100, coins 100\n",
             "group  3  UG4F  keys 100, lower experience 6, lower vitality 1\n",
             // In password order, which puts the lower pair before the upper one.
             "group  4  423R  lower vitality 1, upper experience 6, upper vitality 1\n",
             "group  5  UR3F  world 1 flags 0000, world 1 state Closed, world 2 flags 0000, world 2 state Closed\n",
             "object 36 not carried, shield none, warrior 0, checksum\n",
             "group 12  A     checksum\n",
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
    const std::string warrior1Body = test::withCharacter(good, 43, 'P').substr(0, 43);
    const std::string warrior1 = warrior1Body + checksumOf(warrior1Body);
    struct Case {
        std::string first;
        std::string second;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {good, slot, kExitFailed, "arrows: 100 -> 013\n"},
        {slot, "203F-UR5F-UG4F-423R-UR3F-UR3F-UR3F-UR3F-UR3F-UR3F-URS0-8", kExitOk, "same game state\n"},
        {good, warrior1, kExitFailed, "warrior: 0 -> 1\n"},
        {good, "Z", kExitBadInput, ""},
    };
    for (const Case& c : cases) {
        const Outcome run = runWith({"diff", c.first.c_str(), c.second.c_str()});
        EXPECT_EQ(run.status, c.status) << c.first << " " << c.second;
        EXPECT_EQ(run.out, c.out) << c.first << " " << c.second;
    }
}

TEST(Commands, HelpVersionAndMisspeltSubcommands)
{
    EXPECT_EQ(runWith({}).status, kExitBadInput);
    EXPECT_EQ(runWith({"check"}).status, kExitBadInput);

    const Outcome misspelt = runWith({"decdoe", "X"});
    EXPECT_EQ(misspelt.status, kExitBadInput);
    EXPECT_EQ(
        misspelt.err,
        "quandrel-pass: \"decdoe\" is not a subcommand; did you mean \"decode\"? (quandrel-pass help lists them)\n");
    EXPECT_EQ(runWith({"frobnicate"}).err,
              "quandrel-pass: \"frobnicate\" is not a subcommand (quandrel-pass help lists them)\n");
    EXPECT_NE(runWith({"help", "chek"}).err.find("did you mean \"check\"?"), std::string::npos);
    // What was typed cannot drive the terminal.
    EXPECT_EQ(runWith({"\x1b[2J"}).err.substr(0, 31), "quandrel-pass: \"\\x1B[2J\" is not");

    const Outcome version = runWith({"--version"});
    EXPECT_EQ(version.status, kExitOk);
    EXPECT_EQ(version.out.rfind("quandrel-pass ", 0), 0U) << version.out;

    EXPECT_EQ(runWith({"help"}).out, runWith({"--help"}).out);
    for (const char* subcommand : {"encode", "decode", "check", "fix", "explain", "diff"}) {
        const Outcome help = runWith({"help", subcommand});
        EXPECT_EQ(help.status, kExitOk);
        EXPECT_EQ(help.out, runWith({subcommand, "--help"}).out) << subcommand;
        EXPECT_NE(help.out.find(std::string("Examples:\n  ")), std::string::npos) << help.out;
        EXPECT_NE(help.out.find("Exit status: 0 "), std::string::npos) << help.out;
    }
}

} // namespace
} // namespace quandrel

namespace quandrel {
namespace {

TEST(Commands, EverySubcommandReadsTheTypedFormAlike)
{
    const std::string good = initialPassword();
    const std::string typed = "ur3q-ur5f-ug4f-423r ur3f ur3f ur3f ur3f ur3f ur3f urs4 a";
    struct Case {
        std::vector<const char*> args;
        std::string input;
    };
    const Case cases[] = {
        {{"check", typed.c_str()}, ""},   {{"fix", typed.c_str()}, ""},
        {{"explain", typed.c_str()}, ""}, {{"diff", good.c_str(), typed.c_str()}, ""},
        {{"decode", typed.c_str()}, ""},  {{"decode"}, typed + "\n"},
        {{"check", "-"}, typed + "\n"},   {{"diff", "-", good.c_str()}, typed + "\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = runWith(c.args, c.input);
        EXPECT_EQ(run.status, kExitOk) << c.args[0] << " " << run.err;
        EXPECT_EQ(run.err, "") << c.args[0];
    }
    // decode stays strict about length and checksum.
    EXPECT_EQ(runWith({"decode", typed.substr(0, typed.size() - 1).c_str()}).err,
              "quandrel-pass decode: 44 characters, a password has 45\n");
}

TEST(Commands, AWrongLengthIsReportedOnceWithItsCause)
{
    const std::string good = initialPassword();
    const std::string dropped = good.substr(0, 10) + good.substr(11); // every later character shifted
    struct Case {
        std::vector<const char*> args;
        int status;
        std::string err;
    };
    const std::string longText(225, 'U');
    const std::string extra = good + "U";
    const std::string threeBad = "ZZZ" + good.substr(3);
    const Case cases[] = {
        {{"check", dropped.c_str()},
         kExitFailed,
         "quandrel-pass check: 44 characters, a password has 45: a character is missing (quandrel-pass fix suggests "
         "which)\n"},
        {{"check", extra.c_str()},
         kExitFailed,
         "quandrel-pass check: 46 characters, a password has 45: one character too many (quandrel-pass fix suggests "
         "which)\n"},
        {{"diff", good.c_str(), dropped.c_str()},
         kExitBadInput,
         "quandrel-pass diff: " + dropped + ": 44 characters, a password has 45\n"},
        {{"explain", ""}, kExitFailed, ""},
        {{"fix", threeBad.c_str()}, kExitFailed, ""},
    };
    for (const auto& c : cases) {
        const Outcome run = runWith(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0];
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err);
        }
    }
    EXPECT_NE(runWith({"explain", ""}).err.find("0 characters, a password has 45"), std::string::npos);
    const Outcome tooLong = runWith({"explain", longText.c_str()});
    EXPECT_EQ(tooLong.status, kExitFailed);
    EXPECT_NE(tooLong.err.find("225 characters, a password has 45"), std::string::npos) << tooLong.err;
    EXPECT_EQ(std::count(tooLong.out.begin(), tooLong.out.end(), '\n'), 12);

    // A short text: what it carries is shown, what it does not is named, and the status says so.
    const Outcome shortText = runWith({"explain", "kb3f-ur5f"});
    EXPECT_EQ(shortText.status, kExitFailed);
    EXPECT_EQ(std::count(shortText.out.begin(), shortText.out.end(), '\n'), 2);
    EXPECT_NE(shortText.err.find("8 characters, a password has 45: 37 are missing; not carried: "), std::string::npos)
        << shortText.err;
    EXPECT_NE(shortText.err.find("keys"), std::string::npos) << shortText.err;
    EXPECT_NE(shortText.err.find("checksum"), std::string::npos) << shortText.err;

    EXPECT_NE(runWith({"fix", threeBad.c_str()}).err.find("(3 characters are not a symbol at its place)"),
              std::string::npos);
}

TEST(Commands, KeepLinesGivesAPlaceholderForEachRefusedLine)
{
    const std::string good = initialPassword();
    const Outcome decoded = runWith({"decode", "--keep-lines"}, good + "\nZZ\n" + good + "\n");
    EXPECT_EQ(decoded.status, kExitFailed);
    const auto lines = linesOf(decoded.out);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[1], "null");
    EXPECT_EQ(nlohmann::json::parse(lines[2])["arrows"], "100");

    // --lenient skips a blank line of a batch, and --keep-lines still gives it a line.
    EXPECT_EQ(linesOf(runWith({"decode", "--lenient"}, good + "\n\n").out).size(), 1U);
    EXPECT_EQ(runWith({"decode", "--lenient", "--keep-lines"}, "\n" + good + "\n").out.substr(0, 5), "null\n");

    const Outcome encoded = runWith({"encode", "--keep-lines"}, "{}\n{\"arrows\":1000}\n\n{}\n");
    EXPECT_EQ(encoded.status, kExitFailed);
    EXPECT_EQ(encoded.out, good + "\n\n\n" + good + "\n");
    EXPECT_EQ(runWith({"encode"}, "{}\n{\"arrows\":1000}\n\n{}\n").out, good + "\n" + good + "\n");
}

std::string passwordOf(const std::string& state) { return linesOf(runWith({"encode"}, state).out).at(0); }

TEST(Commands, EncodeKeepLinesPairsEveryInputLineWithItsOwnOutputLine)
{
    const std::string p5 = passwordOf(R"({"arrows":5})");
    const std::string p6 = passwordOf(R"({"arrows":6})");
    const std::string p7 = passwordOf(R"({"arrows":7})");
    const std::string cutShort = "quandrel-pass encode: line 1, column 12: not valid JSON: unexpected end of input; "
                                 "expected '}'\n";
    struct Case {
        const char* what;
        std::string input;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"a line cut short, then a blank line", "{\"arrows\":5\n\n{\"arrows\":6}\n{\"arrows\":7}\n",
         "\n\n" + p6 + "\n" + p7 + "\n", cutShort},
        {"a line cut short, then an indented state", "{\"arrows\":5\n  {\"arrows\":6}\n{\"arrows\":7}\n",
         "\n" + p6 + "\n" + p7 + "\n", cutShort},
        {"a line cut short, then a tab and a state", "{\"arrows\":5\n\t{\"arrows\":6}\n", "\n" + p6 + "\n", cutShort},
        {"a state over three lines", "{\n\"arrows\": 5\n}\n{\"arrows\":6}\n", p5 + "\n\n\n" + p6 + "\n", ""},
        {"blank lines at the end", "{\"arrows\":5}\n\n \n", p5 + "\n\n\n", ""},
        {"a broken state over lines, then a state", "{\n\"arrows\": 5,\n}\n{\"arrows\":6}\n", "\n\n\n" + p6 + "\n",
         "quandrel-pass encode: line 3, column 1: not valid JSON: unexpected '}'; expected string literal (in the "
         "state from line 1)\n"},
    };
    for (const Case& c : cases) {
        const Outcome run = runWith({"encode", "--keep-lines"}, c.input);
        EXPECT_EQ(run.out, c.out) << c.what;
        EXPECT_EQ(run.err, c.err) << c.what;
        EXPECT_EQ(run.status, c.err.empty() ? kExitOk : kExitFailed) << c.what;
    }
}

TEST(Commands, EncodeReadsAPrettyPrintedStateOfAnyIndentAsOneState)
{
    GameState state;
    state.counters[0] = "013";
    state.warrior = 2;
    const nlohmann::json parsed = nlohmann::json::parse(gameStateToJson(state));
    const std::string password = encodePassword(state);
    for (const auto& [indent, character] : {std::pair{0, ' '}, {2, ' '}, {4, ' '}, {1, '\t'}}) {
        const std::string pretty = parsed.dump(indent, character);
        const Outcome run = runWith({"encode", "--keep-lines"}, pretty + "\n{}\n");
        EXPECT_EQ(run.err, "") << indent << character;
        const auto lines = linesOf(run.out);
        ASSERT_EQ(lines.size(), linesOf(pretty).size() + 1) << indent << character;
        EXPECT_EQ(lines.front(), password);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), static_cast<long>(lines.size()) - 2);
        EXPECT_EQ(lines.back(), initialPassword());
    }
}

TEST(Commands, EncodeShowsEveryByteOutsidePrintableAsciiEscaped)
{
    struct Case {
        std::string input;
        std::string err;
    };
    const Case cases[] = {
        {"{\"arrows\":\"\xc2\x9b"
         "1\"}",
         "line 1: arrows: \"\\xC2\\x9B1\" is not three decimal digits"},
        {"{\"\xe2\x80\xae\":1}", "line 1: state: unknown key \"\\xE2\\x80\\xAE\""},
        {"{\"arrows\":\xff}", "line 1, column 11: not valid JSON: invalid literal; last read: '\"arrows\":\\xFF'"},
        {"\xef\xbb\xbf{}x", "line 1, column 6: not valid JSON: invalid literal; last read: '\\xEF\\xBB\\xBF{}x'; "
                            "expected end of input"},
    };
    for (const Case& c : cases) {
        const Outcome run = runWith({"encode"}, c.input);
        EXPECT_EQ(run.err, "quandrel-pass encode: " + c.err + "\n") << c.input;
        for (const char raw : {'\xc2', '\xe2', '\xff', '\xef'}) {
            EXPECT_EQ(run.err.find(raw), std::string::npos) << c.input;
        }
    }
}

TEST(Commands, ControlBytesReachNoMessageRaw)
{
    const std::string good = initialPassword();
    const std::string hostile = good.substr(0, 43) + "\x1b]0;owned\a";
    const std::string badChecksum = good.substr(0, 43) + "\x1b\a";
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {"check", hostile.c_str()},
             {"fix", hostile.c_str()},
             {"fix", "UR3Q\x1b]0;owned\aUR5F"},
             {"decode", badChecksum.c_str()},
             {"diff", good.c_str(), badChecksum.c_str()},
             {"explain", badChecksum.c_str()},
             {"check", "\x1b[2J"},
         }) {
        const Outcome run = runWith(args);
        for (const std::string& text : {run.out, run.err}) {
            EXPECT_EQ(text.find('\x1b'), std::string::npos) << args[0] << ": " << text;
            EXPECT_EQ(text.find('\a'), std::string::npos) << args[0] << ": " << text;
        }
    }
}

TEST(Commands, StandardInputAndArgumentsAreReadAsTheyPromise)
{
    const std::string good = initialPassword();
    const std::string arrows13 = "203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08";
    // Two "-" take two lines.
    const Outcome twoLines = runWith({"diff", "-", "-"}, good + "\n" + arrows13 + "\n");
    EXPECT_EQ(twoLines.status, kExitFailed) << twoLines.err;
    EXPECT_EQ(twoLines.out, "arrows: 100 -> 013\n");
    // "-" among decode's passwords is standard input, in its place.
    const auto decoded = linesOf(runWith({"decode", arrows13.c_str(), "-"}, good + "\n").out);
    ASSERT_EQ(decoded.size(), 2U);
    EXPECT_EQ(nlohmann::json::parse(decoded[0])["arrows"], "013");
    EXPECT_EQ(nlohmann::json::parse(decoded[1])["arrows"], "100");
    // A line past the bound ends the reading of one password, whatever follows.
    const std::string endless(kMaxPasswordLine * 3, 'U');
    for (const char* command : {"check", "fix", "explain"}) {
        const Outcome run = runWith({command, "-"}, endless);
        EXPECT_EQ(run.status, kExitBadInput) << command;
        EXPECT_EQ(run.err, std::string("quandrel-pass ") + command +
                               ": standard input: line 1: longer than 65536 bytes, not read\n");
    }
    EXPECT_EQ(runWith({"diff", "-", good.c_str()}, endless).status, kExitBadInput);

    // Parser messages carry the program's name like every other.
    EXPECT_EQ(runWith({}).err.rfind("quandrel-pass: ", 0), 0U) << runWith({}).err;
    EXPECT_EQ(runWith({"check"}).err.rfind("quandrel-pass check: ", 0), 0U) << runWith({"check"}).err;
    const Outcome helpHelp = runWith({"help", "help"});
    EXPECT_EQ(helpHelp.status, kExitOk);
    EXPECT_EQ(helpHelp.err, "");
    EXPECT_NE(helpHelp.out.find("subcommand"), std::string::npos);
}

} // namespace
} // namespace quandrel
