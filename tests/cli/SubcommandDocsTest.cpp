#include "cli/Subcommand.h"

#include <CLI/CLI.hpp>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// The shell completions and the manual page list the subcommands and their options by hand;
// here they are held against the table that the command line is parsed with.

namespace quandrel {
namespace {

struct TableEntry {
    std::string name;
    std::vector<std::string> options; // long options, "--keep-lines", without --help
};

std::vector<TableEntry> tableEntries()
{
    CLI::App program;
    std::vector<TableEntry> entries;
    for (const Subcommand& subcommand : subcommandTable()) {
        CLI::App* command = program.add_subcommand(std::string(subcommand.name), std::string(subcommand.summary));
        subcommand.define(*command);
        TableEntry entry{std::string(subcommand.name), {}};
        for (const CLI::Option* option : command->get_options()) {
            for (const std::string& name : option->get_lnames()) {
                if (name != "help") {
                    entry.options.push_back("--" + name);
                }
            }
        }
        entries.push_back(entry);
    }
    return entries;
}

std::string tableNames()
{
    std::string names;
    for (const TableEntry& entry : tableEntries()) {
        names += (names.empty() ? "" : " ") + entry.name;
    }
    return names;
}

std::string dataFile(const std::string& path)
{
    std::ifstream file(std::string(QUANDREL_DATA_DIR) + "/" + path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Group 1 of each match of `pattern` in `text`, joined by blanks.
std::string allMatches(const std::string& text, const std::string& pattern)
{
    const std::regex expression(pattern, std::regex::multiline);
    std::string found;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), expression); match != std::sregex_iterator();
         ++match) {
        found += (found.empty() ? "" : " ") + (*match)[1].str();
    }
    return found;
}

// The part of the manual page from the heading `# title` to the next heading.
std::string manSection(const std::string& title)
{
    const std::string page = dataFile("man/quandrel-pass.1.scd");
    const auto start = page.find("\n# " + title + "\n");
    const auto end = page.find("\n# ", start + 1);
    return start == std::string::npos ? "" : page.substr(start, end - start);
}

TEST(SubcommandDocs, CompletionsAndTheManualListTheSubcommandsOfTheTable)
{
    const std::string names = tableNames();
    EXPECT_EQ(allMatches(dataFile("completions/quandrel-pass.bash"), R"(local subcommands="([^"]*)\")"), names);
    EXPECT_EQ(allMatches(dataFile("completions/quandrel-pass.fish"), R"(set -l subcommands ([^\n]*))"), names);
    EXPECT_EQ(allMatches(dataFile("completions/_quandrel-pass"), R"(^    '([a-z]+):)"), names);
    // The subcommands section of the manual gives each one a paragraph headed by its name.
    EXPECT_EQ(allMatches(manSection("SUBCOMMANDS"), R"(^\*([a-z]+)\*)"), names);
}

TEST(SubcommandDocs, CompletionsAndTheManualNameEveryOption)
{
    const std::string bash = dataFile("completions/quandrel-pass.bash");
    const std::string zsh = dataFile("completions/_quandrel-pass");
    const std::string fish = dataFile("completions/quandrel-pass.fish");
    const std::string manual = manSection("SUBCOMMANDS");
    for (const TableEntry& entry : tableEntries()) {
        // The subcommand's own paragraph in the manual, up to the next one.
        const auto start = manual.find("\n*" + entry.name + "*");
        const auto end = manual.find("\n*", start + 1);
        const std::string paragraph = start == std::string::npos ? "" : manual.substr(start, end - start);
        for (const std::string& option : entry.options) {
            SCOPED_TRACE(entry.name + " " + option);
            EXPECT_NE(bash.find(option), std::string::npos);
            EXPECT_NE(zsh.find("'" + option + "["), std::string::npos);
            EXPECT_NE(fish.find("-l " + option.substr(2)), std::string::npos);
            EXPECT_NE(paragraph.find("*" + option + "*"), std::string::npos);
        }
    }
}

} // namespace
} // namespace quandrel
