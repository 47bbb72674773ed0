#ifndef PLUX_STATE_STATESTORE_H
#define PLUX_STATE_STATESTORE_H

// The back end of the state components. OpenStore and CloseStore count: the backing file opens at the
// first OpenStore and closes at the matching last CloseStore, so nested brackets share one open file.
// The state components that use a store are told when it goes: they become inactive and lose it.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/FileSystem.h"
#include "support/ProfileIni.h"
#include "support/SystemFacts.h"

class TAbstractState;

class TAbstractStore {
public:
    TAbstractStore() = default;
    TAbstractStore(const TAbstractStore&) = delete;
    TAbstractStore& operator=(const TAbstractStore&) = delete;
    virtual ~TAbstractStore();

    void OpenStore();
    void CloseStore();
    int OpenCount() const { return openCount_; }

    virtual std::string ReadText(std::string_view section, std::string_view key, std::string_view defaultValue) = 0;
    virtual void WriteText(std::string_view section, std::string_view key, std::string_view value) = 0;
    virtual void EraseSection(std::string_view section) = 0;
    // Text that is not a decimal integer yields the default.
    int ReadNumber(std::string_view section, std::string_view key, int defaultValue);
    void WriteNumber(std::string_view section, std::string_view key, int value);

protected:
    virtual void OpenBackingFile() = 0;
    virtual void CloseBackingFile() = 0;

private:
    friend class TAbstractState;
    void AddUser(TAbstractState& state);
    void RemoveUser(TAbstractState& state);

    int openCount_ = 0;
    std::vector<TAbstractState*> users_;
};

// A decimal integer with an optional sign that fits 32 bits; nothing for any other text.
std::optional<int> ParseInteger(std::string_view text);

// The file a TIniFileStore uses: `iniFileName`, or when that is empty the executable's file name with
// ".INI" for its extension; ".INI" is appended to a name without any ".".
std::string ResolveIniFileName(std::string_view iniFileName, std::string_view executablePath);

// A store on a profile-style INI file. Between the outermost OpenStore and CloseStore the reads and
// writes go to one accessor in memory; CloseStore writes the file whole, once, and raises
// "Unable to write to <file>" when it cannot, leaving the previous file as it was.
class TIniFileStore final : public TAbstractStore {
public:
    TIniFileStore(TFileSystem& files, const TSystemFacts& facts);

    std::string IniFileName;
    std::string FileName() const;

    std::string ReadText(std::string_view section, std::string_view key, std::string_view defaultValue) override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    void EraseSection(std::string_view section) override;

protected:
    void OpenBackingFile() override;
    void CloseBackingFile() override;

private:
    TProfileIniFile& Accessor();

    TFileSystem& files_;
    const TSystemFacts& facts_;
    std::unique_ptr<TProfileIniFile> accessor_;
};

#endif
