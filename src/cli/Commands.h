#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quandrel {

// Exit statuses of quandrel-pass.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   // a password did not decode or does not check
inline constexpr int kExitBadInput = 2; // bad arguments, unreadable file or malformed JSON

// Reads one JSON game state from `in` and prints its password.
int runEncode(std::istream& in, std::ostream& out, std::ostream& err);

// Decodes each password to one line of JSON; with none given, one password per line of `in`.
int runDecode(const std::vector<std::string>& passwords, std::istream& in, std::ostream& out, std::ostream& err);

// Says whether every symbol is valid and the checksum matches, and where not.
int runCheck(const std::string& password, std::ostream& out);

// Prints the likeliest corrections of a mistyped password, best first, one per line.
int runFix(const std::string& typed, std::ostream& out, std::ostream& err);

// Prints, group by group, the fields that the password's characters carry.
int runExplain(const std::string& password, std::ostream& out, std::ostream& err);

// Compares two passwords, or slot files, field by field; status 1 when they differ.
int runDiff(const std::string& first, const std::string& second, std::ostream& out, std::ostream& err);

// The whole command line: parses the arguments and runs one subcommand.
int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quandrel
