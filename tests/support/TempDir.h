#ifndef PLUX_TESTS_SUPPORT_TEMPDIR_H
#define PLUX_TESTS_SUPPORT_TEMPDIR_H

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder for one test, removed with everything in it when the test ends.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The folder in the platform's form, ending in its separator.
    std::string Path() const;
    std::string PathOf(std::string_view name) const { return Path() + std::string(name); }
    void WriteFile(std::string_view name, std::string_view content) const;
    std::string ReadFile(std::string_view name) const;
    bool Exists(std::string_view name) const;

private:
    std::filesystem::path root_;
};

// The path of a file in tests/fixtures.
std::string FixturePath(std::string_view name);
std::string ReadFixture(std::string_view name);

#endif
