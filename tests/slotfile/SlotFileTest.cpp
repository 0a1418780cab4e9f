#include "slotfile/SlotFile.h"
#include "codec/Password.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

// Slot files as the program writes them on any system, and as people edit them, in a folder
// whose name is not plain ASCII.
TEST(SlotFile, ReadsTheFirstFieldWhateverTheLineEnds)
{
    const std::string password = initialPassword();
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"CR LF, as written here", password + "\r\n"},
        {"LF, as an editor may save it", password + "\n"},
        {"CR alone", password + "\r"},
        {"CR CR LF, from a text-mode write", password + "\r\r\n"},
        {"no line end", password},
        {"a second line", password + "\r\n" + "UR3Q\r\n"},
    };
    test::TemporaryDirectory directory;
    const std::filesystem::path folder = directory.path() / std::filesystem::path(u8"Spielstände");
    std::filesystem::create_directory(folder);
    for (const auto& c : cases) {
        std::ofstream(folder / "sgame01.txt", std::ios::binary | std::ios::trunc) << c.bytes;
        EXPECT_EQ(readFirstField(folder / "sgame01.txt"), password) << c.name;
    }
}

TEST(SlotFile, SaysWhyAFileCannotBeRead)
{
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> prepare;
        std::string reason;
    };
    const Case cases[] = {
        {"missing", [](const auto&) {}, "No such file or directory"},
        {"a directory", [](const auto& path) { std::filesystem::create_directory(path); },
         "it is a directory, not a file"},
        {"empty", [](const auto& path) { std::ofstream(path, std::ios::binary); }, "the file is empty"},
    };
    for (const auto& c : cases) {
        test::TemporaryDirectory directory;
        const std::filesystem::path path = directory.path() / std::filesystem::path(u8"Spielstände") / "sgame02.txt";
        std::filesystem::create_directory(path.parent_path());
        c.prepare(path);
        try {
            readFirstField(path);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const SlotReadError& error) {
            EXPECT_EQ(std::string(error.what()), c.reason) << c.name;
        }
    }
}

} // namespace
} // namespace quandrel
