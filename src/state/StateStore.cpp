#include "state/StateStore.h"

#include <algorithm>
#include <charconv>

#include "state/AbstractState.h"
#include "support/PathRoutines.h"
#include "toolkit/Exception.h"

TAbstractStore::~TAbstractStore() {
    for (TAbstractState* state : users_)
        state->StoreDestroyed();
}

void TAbstractStore::AddUser(TAbstractState& state) {
    users_.push_back(&state);
}

void TAbstractStore::RemoveUser(TAbstractState& state) {
    std::erase(users_, &state);
}

void TAbstractStore::OpenStore() {
    if (openCount_ == 0)
        OpenBackingFile();
    ++openCount_;
}

void TAbstractStore::CloseStore() {
    if (openCount_ > 0)
        --openCount_;
    if (openCount_ == 0)
        CloseBackingFile();
}

int TAbstractStore::ReadNumber(std::string_view section, std::string_view key, int defaultValue) {
    return ParseInteger(ReadText(section, key, std::to_string(defaultValue))).value_or(defaultValue);
}

void TAbstractStore::WriteNumber(std::string_view section, std::string_view key, int value) {
    WriteText(section, key, std::to_string(value));
}

std::optional<int> ParseInteger(std::string_view text) {
    // from_chars takes a minus sign but no plus sign.
    if (text.starts_with('+') && !text.starts_with("+-"))
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string ResolveIniFileName(std::string_view iniFileName, std::string_view executablePath) {
    std::string name = iniFileName.empty() ? FileBaseName(executablePath) + ".INI" : std::string(iniFileName);
    if (name.find('.') == std::string::npos)
        name += ".INI";
    return name;
}

TIniFileStore::TIniFileStore(TFileSystem& files, const TSystemFacts& facts) : files_(files), facts_(facts) {}

std::string TIniFileStore::FileName() const {
    return ResolveIniFileName(IniFileName, facts_.ExecutablePath());
}

void TIniFileStore::OpenBackingFile() {
    accessor_ = std::make_unique<TProfileIniFile>(FileName(), files_);
}

// The accessor goes whether or not its writes reach the disk, so the next bracket reads the file afresh.
void TIniFileStore::CloseBackingFile() {
    const std::unique_ptr<TProfileIniFile> accessor = std::move(accessor_);
    if (accessor)
        accessor->Flush();
}

TProfileIniFile& TIniFileStore::Accessor() {
    if (!accessor_)
        throw Exception("The state store " + FileName() + " is not open");
    return *accessor_;
}

std::string TIniFileStore::ReadText(std::string_view section, std::string_view key, std::string_view defaultValue) {
    return Accessor().ReadString(section, key, defaultValue);
}

void TIniFileStore::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    Accessor().WriteString(section, key, value);
}

void TIniFileStore::EraseSection(std::string_view section) {
    Accessor().EraseSection(section);
}
