#ifndef PLUX_SUPPORT_FILESYSTEM_H
#define PLUX_SUPPORT_FILESYSTEM_H

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/DateTime.h"

// Takes a file's content in pieces, in order. A sink that gathers pieces in a buffer lends it here, and a
// piece that fits is copied into it without a call: the lines of a file saved for the first time come
// in four short pieces each, and the call cost more than the copy.
class TContentSink {
public:
    void Append(std::string_view piece) {
        if (piece.size() > static_cast<std::size_t>(end_ - next_)) {
            Overflow(piece);
            return;
        }
        if (!piece.empty())
            std::memcpy(next_, piece.data(), piece.size());
        next_ += piece.size();
    }

protected:
    ~TContentSink() = default;
    // Takes a piece that the buffer lent, if any, has no room for.
    virtual void Overflow(std::string_view piece) = 0;
    // Lends the buffer from `begin` to `end`, empty.
    void LendBuffer(char* begin, char* end) {
        next_ = begin;
        end_ = end;
    }
    // Where the next piece would go in the buffer lent.
    const char* Next() const { return next_; }

private:
    char* next_ = nullptr;
    char* end_ = nullptr;
};

// Gathers the pieces in one text.
class TTextSink final : public TContentSink {
public:
    std::string Text;

private:
    void Overflow(std::string_view piece) override { Text.append(piece); }
};

// Gives a file's content to a sink, piece by piece.
using TContentWriter = std::function<void(TContentSink&)>;

// A content given whole, as one piece; the text must outlive the writer.
inline TContentWriter WholeContent(std::string_view content) {
    return [content](TContentSink& sink) { sink.Append(content); };
}

struct TFolderEntry {
    std::string Name;
    bool IsFolder = false;
};

// The file operations the portable code needs. Paths are texts of the single-byte character set, so
// on Windows the implementation goes through the ANSI functions.
class TFileSystem {
public:
    virtual ~TFileSystem() = default;
    // True only for an existing ordinary disk file: folders, devices and pipes do not count.
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool FolderExists(const std::string& path) const = 0;
    // The whole content, or nothing when the file cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    // Replaces the whole file; false when it could not be written (the old content is then kept). A
    // read-only file is refused; a replaced file keeps its attributes, and links are written through.
    // A device is written to directly.
    virtual bool WriteFile(const std::string& path, std::string_view content) = 0;
    // The same with the content given in pieces, which a file system may write as they come instead of
    // gathering them first; `content` runs once.
    virtual bool WriteFileInPieces(const std::string& path, const TContentWriter& content) {
        TTextSink gathered;
        content(gathered);
        return WriteFile(path, gathered.Text);
    }
    // Creates one folder whose parent exists; false when it could not be created.
    virtual bool CreateFolder(const std::string& path) = 0;
    // The entries that match a search pattern (a folder, a backslash and a mask with "*" and "?") in the
    // order the file system returns them, hidden, system and read-only ones included, "." and ".." too
    // where the file system reports them; empty when nothing matches or the folder is missing.
    virtual std::vector<TFolderEntry> FindEntries(const std::string& pattern) const = 0;
    // Whether two existing paths lead to one file (through links or other spellings); false when either
    // is missing or the file system cannot tell.
    virtual bool SameFile(const std::string& /*first*/, const std::string& /*second*/) const { return false; }
    // Whether an existing file is marked read-only, which WriteFile refuses.
    virtual bool IsReadOnly(const std::string& /*path*/) const { return false; }
    // When an existing file was last written, in the local time of that moment; nothing when the file
    // system cannot tell.
    virtual std::optional<TLocalTime> LastWriteTime(const std::string& /*path*/) const { return std::nullopt; }
    // Why the last operation that failed did so, in the system's words; empty when it cannot tell.
    virtual std::string LastErrorText() const { return {}; }
};

// The running platform's file system.
TFileSystem& PlatformFileSystem();

#endif
