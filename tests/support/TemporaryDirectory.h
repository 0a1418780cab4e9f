#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace quandrel::test {

// A fresh directory under the system's temporary directory, removed with everything in it.
class TemporaryDirectory final {
public:
    TemporaryDirectory()
    {
        std::random_device random;
        do {
            m_path = std::filesystem::temp_directory_path() / ("quandrel-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TemporaryDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    void write(const std::string& name, const std::string& contents) const
    {
        std::ofstream(m_path / name, std::ios::binary) << contents;
    }

    std::string read(const std::string& name) const { return readFile(m_path / name); }

    static std::string readFile(const std::filesystem::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    std::set<std::string> names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path m_path;
};

} // namespace quandrel::test
