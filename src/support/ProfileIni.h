#ifndef PLUX_SUPPORT_PROFILEINI_H
#define PLUX_SUPPORT_PROFILEINI_H

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/FileSystem.h"
#include "support/IniText.h"
#include "support/NameIndex.h"
#include "support/ProfileLine.h"

namespace ini {

// The lines of a profile-style INI file with the read and write rules of the platform's profile
// functions. The file may carry a byte-order mark (ini::DecodeBytes); CR LF, LF and a lone CR end lines.
// Lines and the requested names are trimmed of blanks, tabs, line-control characters and ^Z; a
// "[name]" line opens a section; every other non-empty line is a key, up to its first "=" if it has
// one. Sections and keys match without regard to ASCII case, the first of equal names wins, and a
// name or value ends at a NUL; a name holding a character the single-byte set lacks matches no
// requested name. A key line without "=" has no value: reads give the default, a write gives it one.
// Reads drop one pair of enclosing quotes and return at most 2047 characters. A write replaces a value
// in place or appends the key to its section or a new section to the file. The text comes back in the
// file's encoding: every line no write touched byte for byte with its own line end, written lines
// encoded anew and ended by CR LF unless they had an end of their own. Sections and keys are indexed
// once, so reads and writes cost the same however large the file.
class TProfileText {
public:
    // Lines are found with offsets of 32 bits, with room left for writes: a larger file is read as an
    // empty one.
    static constexpr std::size_t kMaxFileSize = 0x7FFFFFFF;

    TProfileText();
    explicit TProfileText(std::string fileBytes);

    // The value as the platform returns it, or nothing when the section or key is missing or the key
    // line has no "=".
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The keys of a section that Read finds a value for, in file order, each once (the first of names
    // that differ in letter case only).
    std::vector<std::string> Keys(std::string_view section) const;
    void Write(std::string_view section, std::string_view key, std::string_view value);
    // Writes each key with the value at its position in `values`, which holds one for every key, as
    // that many calls of Write would. Distinct keys written to a section without lines of its own, as
    // when a snapshot is first saved, are not copied: the lists are read again when the text is made,
    // so they must outlive this text unchanged (hence no temporaries).
    void WriteKeys(std::string_view section,
                   const std::vector<std::string>& keys,
                   const std::vector<std::string>& values);
    void WriteKeys(std::string_view, std::vector<std::string>&&, const std::vector<std::string>&) = delete;
    void WriteKeys(std::string_view, const std::vector<std::string>&, std::vector<std::string>&&) = delete;
    // Removes every section of the name with its lines; false when there is none.
    bool EraseSection(std::string_view section);
    // The file's bytes with the writes applied.
    std::string Text() const;
    // The same, in pieces: runs of the file's own bytes as they lie in it, the written lines between.
    void WriteTo(TContentSink& out) const;

private:
    // A line of the file or a written one. Its text, of the single-byte set, lies in `bytes_` for a line
    // of a single-byte file as read (TextInFile) and in `texts_` for any other, where the texts of all
    // lines share one buffer, so that a file of many keys is read and written without an allocation per
    // line. A line of the file keeps where its bytes lie there; a written one only where its line end
    // lay (none for a new line). Its name, a header's section or a key line's key, lies in the same
    // buffer from TextBegin + NameBegin. Offsets of 32 bits keep a record of a line small, which is why a
    // file larger than kMaxFileSize is read as an empty one.
    struct TLine {
        std::uint32_t TextBegin = 0;
        std::uint32_t TextSize = 0;
        std::uint32_t BytesBegin = 0;  // its bytes in the file, up to EndBegin
        std::uint32_t EndBegin = 0;    // its line end in the file, EndSize bytes
        std::uint32_t NameBegin = 0;
        std::uint32_t NameSize = 0;
        std::uint8_t EndSize = 0;
        bool Written = true;
        bool TextInFile = false;
        bool Indexed = false;  // its section's index finds it by its name (the first key line of the name)
    };
    static constexpr std::uint32_t kFirstOfName = 0x80000000;
    // Its lines up to the last non-blank one lie at positions: first the borrowed keys of a bulk write
    // (Borrowed of them), or the lines of a single-byte file as read (FileLines), then Lines. A line of
    // the file takes no record until it is rewritten: a file of many keys is read and saved again
    // without one per line.
    struct TSection {
        TLine Header;                  // the "[name]" line; an empty text for the lines before it
        bool Reachable = true;         // its name can be asked for
        std::vector<TLine> Lines;      // written lines, and those of a file of another encoding
        std::vector<TLine> BlankTail;  // blank lines between them and the next section
        TNameIndex Keys;               // key name -> position
        std::size_t Borrowed = 0;
        // Where each line of the file begins in `bytes_`, kFirstOfName set when the index finds it by
        // its name; FileEnd is where the last one ends, with its line end.
        std::vector<std::uint32_t> FileLines;
        std::uint32_t FileEnd = 0;
        std::vector<std::uint32_t> Rewrites;  // none, or for each line of the file 0 or 1 + its record
        std::vector<TLine> Rewritten;
        std::size_t LineCount() const { return Borrowed + FileLines.size() + Lines.size(); }
        // Where the line of the file at a position begins in `bytes_`; FileEnd past the last one.
        std::uint32_t FileLineStart(std::size_t line) const {
            return line < FileLines.size() ? FileLines[line] & ~kFirstOfName : FileEnd;
        }
        // Whether the index finds the line of the file at a position by its name.
        bool FileLineIndexed(std::size_t line) const { return (FileLines[line] & kFirstOfName) != 0; }
        // 1 + the place in Rewritten of the line of the file at a position, or 0 when it was not rewritten.
        std::uint32_t RewriteOf(std::size_t line) const { return Rewrites.empty() ? 0 : Rewrites[line]; }
    };
    // Views into `bytes_` or `texts_`, good until the next line is added or written.
    std::string_view TextOf(const TLine& line) const {
        return std::string_view(line.TextInFile ? bytes_ : texts_).substr(line.TextBegin, line.TextSize);
    }
    std::string_view NameOf(const TLine& line) const {
        return std::string_view(line.TextInFile ? bytes_ : texts_)
            .substr(line.TextBegin + line.NameBegin, line.NameSize);
    }
    // The names the indexes hold, by position.
    auto SectionNames() const {
        return [this](std::size_t section) { return NameOf(sections_[section].Header); };
    }
    auto KeyNames(const TSection& section) const {
        return [this, &section](std::size_t line) { return NameAt(section, line); };
    }
    std::string_view NameAt(const TSection& section, std::size_t line) const;
    // The record of a line of the file: its rewritten one, or the one it would have had as read; the
    // name only when asked for.
    TLine FileLine(const TSection& section, std::size_t line, bool named = true) const;
    // Whether the line at a position is the one its section's index finds by its name.
    bool FirstOfName(const TSection& section, std::size_t line) const;
    std::string_view BorrowedName(std::size_t key) const;
    // The text of the line at a position of the section; a borrowed one is put together in `scratch`.
    std::string_view TextAt(const TSection& section, std::size_t line, std::string& scratch) const;
    // Writes the distinct keys into the section, which has no lines, by borrowing the lists; false,
    // with nothing written, when two keys are one.
    bool BorrowKeys(TSection& target, const std::vector<std::string>& keys, const std::vector<std::string>& values);
    // Turns borrowed keys into written lines of their own, before a change the borrowing cannot hold.
    void SettleBorrowed();
    // The pieces joined as the text of a written line, its name `nameSize` characters from `nameBegin`.
    TLine WrittenLine(std::initializer_list<std::string_view> pieces, std::size_t nameBegin, std::size_t nameSize);
    void AddLine(TLine line, const std::vector<std::size_t>& replaced, std::vector<TLine>& blanks);
    // A key line of a single-byte file as read, its bytes from `begin` to `end` with its line end.
    void AddFileKey(std::string_view name, std::size_t begin, std::size_t end, std::vector<TLine>& blanks);
    std::optional<std::size_t> FindSection(std::string_view section) const;
    // The section a write goes to, added at the end when there is none of the name.
    std::size_t SectionToWrite(std::string_view section);
    // Writes a key, trimmed already, in the section; `hint` is a line that may hold it. Returns the line.
    std::size_t WriteKey(TSection& section, std::string_view key, std::string_view value, std::size_t hint);
    void IndexSections();
    void RewriteValue(TLine& line, std::string_view value);
    void RewriteValueAt(TSection& section, std::size_t line, std::string_view value);
    // Whether the line, of the file as read, already reads "key=value" as a write of the value would
    // write it, line end included.
    bool StandsAsWritten(const TLine& line, std::string_view key, std::string_view value) const;
    // Whether the line at a position is one of the file's, found by the key, that a write of the value
    // leaves as it stands.
    bool StandsInFile(const TSection& section, std::size_t line, std::string_view key, std::string_view value) const;
    std::size_t WrittenSizeBound() const;
    class TJoinedPieces;
    void AppendLine(TJoinedPieces& out, const TLine& line, std::string_view lineEnd, bool& endOwed) const;
    void AppendBorrowed(TJoinedPieces& out,
                        const TSection& section,
                        std::size_t key,
                        std::string_view lineEnd,
                        bool& endOwed) const;
    void AppendFileLines(TJoinedPieces& out, const TSection& section, std::string_view lineEnd, bool& endOwed) const;

    std::string bytes_;  // the file as read
    std::string texts_;  // the text of every line that is not in bytes_, written ones at the end
    TTextEncoding encoding_ = TTextEncoding::SingleByte;
    // In file order; the first holds the lines before the first header, and equal names may repeat.
    std::vector<TSection> sections_;
    TNameIndex sectionIndex_;  // name -> first reachable section of it
    // The lists of the keys written to the one section with borrowed keys, or none (WriteKeys).
    const std::vector<std::string>* borrowedKeys_ = nullptr;
    const std::vector<std::string>* borrowedValues_ = nullptr;
};

// A section or key name as the profile functions look it up: up to a NUL, trimmed. Two names so
// reduced find each other when SameTextUpper says so.
std::string_view ProfileName(std::string_view name);

}  // namespace ini

// A profile-style INI file bound to a path. Reads see the file as it was when first read, with this
// accessor's own writes applied; the writes reach the disk together at Flush(), as one whole-file
// replace, so a failure leaves the file as it was. An accessor released without Flush() writes nothing.
class TProfileIniFile {
public:
    TProfileIniFile(std::string path, TFileSystem& fileSystem);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue);
    std::vector<std::string> ReadSection(std::string_view section);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // WriteString for every key, with the value at its position in `values`, which holds one for each.
    // The lists may be read again up to Flush (ini::TProfileText::WriteKeys): they must outlive this
    // accessor unchanged.
    void WriteStrings(std::string_view section,
                      const std::vector<std::string>& keys,
                      const std::vector<std::string>& values);
    void WriteStrings(std::string_view, std::vector<std::string>&&, const std::vector<std::string>&) = delete;
    void WriteStrings(std::string_view, const std::vector<std::string>&, std::vector<std::string>&&) = delete;
    void EraseSection(std::string_view section);
    // Writes the file when there are writes to write; raises "Unable to write to <path>" when it cannot,
    // also when the file exists but could not be read or is too large to read, so that its other
    // sections are never lost.
    void Flush();
    const std::string& FileName() const { return path_; }

private:
    ini::TProfileText& Content();

    std::string path_;
    TFileSystem& fileSystem_;
    // Loaded at the first access and kept for the accessor's life: this program is the only writer
    // while an accessor lives, and reading a large snapshot key by key must not re-read the file.
    std::optional<ini::TProfileText> content_;
    bool unreadable_ = false;
    bool modified_ = false;
};

#endif
