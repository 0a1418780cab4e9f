#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// Exit statuses of quandrel-pass.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   // a password or state refused, a check failed, or a diff found changes
inline constexpr int kExitBadInput = 2; // bad arguments, or input or output that failed

// Bounds on what is held of the input, so that memory stays flat whatever arrives.
inline constexpr std::size_t kMaxPasswordLine = 64 * 1024;
inline constexpr std::size_t kMaxStateSize = 1024 * 1024;

struct EncodeOptions {
    // A refused state still gives a line, an empty one, and so do blank lines and the further
    // lines of a state over several: output line n belongs to input line n.
    bool keepLines = false;
};

// Reads JSON game states, one per line (or pretty-printed over several), from `in`, named
// `source` in messages, and prints one password per state.
int runEncode(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err,
              EncodeOptions options = {});

struct DecodeOptions {
    // Read as a slot load does: missing characters as zero bits, the checksum not read; what
    // was wrong is still said on standard error. Blank lines of a batch are skipped.
    bool lenient = false;
    // A refused or skipped line still gives a line, JSON's null, so that output line n belongs
    // to input line n.
    bool keepLines = false;
};

// Decodes each password, read as typed (blanks, dashes, lower case), to one line of JSON; with
// none given, one password per line of `in`, and "-" among them stands for those lines.
int runDecode(const std::vector<std::string>& passwords, std::istream& in, std::ostream& out, std::ostream& err,
              DecodeOptions options = {});

// Says whether every symbol is valid and the checksum matches, and where not.
int runCheck(const std::string& typed, std::ostream& out, std::ostream& err);

// Prints the likeliest corrections of a mistyped password, best first, one per line.
int runFix(const std::string& typed, std::ostream& out, std::ostream& err);

// Prints, group by group, the fields that the password's characters carry.
int runExplain(const std::string& password, std::ostream& out, std::ostream& err);

// Compares two passwords, or slot files, or "-" for a password on standard input, field by
// field; status 1 when they differ.
int runDiff(const std::string& first, const std::string& second, std::istream& in, std::ostream& out,
            std::ostream& err);

// The whole command line: parses the arguments and runs one subcommand.
int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quandrel
