#include "support/TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>

TTempDir::TTempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("plux-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root_);
}

TTempDir::~TTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string TTempDir::Path() const {
    std::string path = root_.string();
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (path.empty() || path.back() != separator)
        path.push_back(separator);
    return path;
}

void TTempDir::WriteFile(std::string_view name, std::string_view content) const {
    std::ofstream out(PathOf(name), std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write test file " + PathOf(name));
}

std::string TTempDir::ReadFile(std::string_view name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read test file " + PathOf(name));
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TTempDir::Exists(std::string_view name) const {
    return std::filesystem::exists(root_ / std::string(name));
}

std::string FixturePath(std::string_view name) {
    return std::string(PLUX_FIXTURE_DIR) + "/" + std::string(name);
}

std::string ReadFixture(std::string_view name) {
    std::ifstream in(FixturePath(name), std::ios::binary);
    if (!in)
        throw std::runtime_error("missing fixture " + FixturePath(name));
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
