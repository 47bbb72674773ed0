#include "sources/RegistryExport.h"

#include <array>
#include <deque>
#include <unordered_map>
#include <vector>

#include "check/ProductScan.h"
#include "sources/LostCharacters.h"
#include "sources/RegistryValueLine.h"
#include "support/IniText.h"
#include "support/InputError.h"
#include "support/ProfileLine.h"
#include "support/TextRoutines.h"

namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view kNotAnExport = "Not a registry export";
constexpr std::string_view kWowNode = "Wow6432Node";

using TKeyPath = std::vector<std::string_view>;

// The components of a key path; a last backslash names the key itself.
TKeyPath SplitKeyPath(std::string_view path) {
    while (path.ends_with('\\'))
        path.remove_suffix(1);
    TKeyPath components;
    for (std::size_t start = 0;;) {
        const std::size_t end = path.find('\\', start);
        components.push_back(path.substr(start, end - start));
        if (end == std::string_view::npos)
            return components;
        start = end + 1;
    }
}

bool IsMachineHive(std::string_view name) {
    return SameTextUpper(name, "HKEY_LOCAL_MACHINE") || SameTextUpper(name, "HKLM");
}

struct TVersionValue {
    std::uint32_t Type = kRegString;
    std::string Text;
    std::size_t Line = 0;
    std::string LineText;
};

struct TProductKey {
    std::string Name;
    std::optional<TVersionValue> Version;
    bool Deleted = false;
    bool Unopenable = false;  // its name lost a character in the single-byte set
};

// One place where the product root key may stand: its keys as the file creates and deletes them.
class TProductRoot {
public:
    TProductRoot(std::string_view belowHive, std::optional<std::string> view) : view_(std::move(view)) {
        for (const std::string_view component : SplitKeyPath(belowHive))
            components_.emplace_back(component);
    }

    // Creates the key and the keys above it; the product whose values the next lines set, if it is one.
    TProductKey* CreateKey(const TKeyPath& path, const TLostCharacters& lost) {
        const std::optional<std::size_t> depth = DepthOf(path);
        if (!depth)
            return nullptr;
        if (!exists_)
            writtenPath_ = JoinedPath(path);
        exists_ = true;
        if (*depth == 0)
            return nullptr;
        const std::string_view name = path[components_.size() + 1];
        TProductKey& product = Product(name, lost.In(name));
        return *depth == 1 ? &product : nullptr;
    }

    void DeleteKey(const TKeyPath& path) {
        if (IsAncestorOrSelf(path)) {
            exists_ = false;
            products_.clear();
            index_.clear();
            return;
        }
        if (DepthOf(path) != 1)
            return;
        const auto found = index_.find(UpperCase(path.back()));
        if (found == index_.end())
            return;
        products_[found->second].Deleted = true;
        index_.erase(found);
    }

    bool Exists() const { return exists_; }
    const std::string& WrittenPath() const { return writtenPath_; }
    const std::optional<std::string>& View() const { return view_; }
    const std::deque<TProductKey>& Products() const { return products_; }

private:
    // How many components the path reaches below this root; nothing when it lies elsewhere or above it.
    std::optional<std::size_t> DepthOf(const TKeyPath& path) const {
        if (path.size() < components_.size() + 1 || !SharesRoot(path))
            return std::nullopt;
        return path.size() - 1 - components_.size();
    }

    bool IsAncestorOrSelf(const TKeyPath& path) const {
        return path.size() <= components_.size() + 1 && SharesRoot(path);
    }

    // Whether the path agrees with this root as far as both go.
    bool SharesRoot(const TKeyPath& path) const {
        if (path.empty() || !IsMachineHive(path[0]))
            return false;
        for (std::size_t i = 0; i < components_.size() && i + 1 < path.size(); ++i) {
            if (!SameTextUpper(components_[i], path[i + 1]))
                return false;
        }
        return true;
    }

    std::string JoinedPath(const TKeyPath& path) const {
        std::string joined(path[0]);
        for (std::size_t i = 1; i <= components_.size(); ++i)
            joined.append("\\").append(path[i]);
        return joined;
    }

    TProductKey& Product(std::string_view name, bool unopenable) {
        const auto [found, added] = index_.try_emplace(UpperCase(name), products_.size());
        if (added)
            products_.push_back({std::string(name), std::nullopt, false, unopenable});
        return products_[found->second];
    }

    std::vector<std::string> components_;
    std::optional<std::string> view_;
    bool exists_ = false;
    std::string writtenPath_;
    std::deque<TProductKey> products_;                    // in the order keys were first created; deleted ones marked
    std::unordered_map<std::string, std::size_t> index_;  // upper-cased name -> live product
};

class TExportReader {
public:
    TExportReader(std::string_view fileName, TRegExportFormat format, const TLostCharacters& lost)
        : fileName_(fileName),
          format_(format),
          lost_(lost),
          roots_{TProductRoot(kProductRootKey, std::nullopt),
                 TProductRoot(WowRootKey(), std::string(kProductRegistryView))} {}

    // A trimmed "[key]" or "[-key]" line.
    void ReadKeyLine(std::string_view keyLine) {
        std::string_view path = keyLine.substr(1, keyLine.size() - 2);
        current_ = nullptr;
        if (path.starts_with('-')) {
            for (TProductRoot& root : roots_)
                root.DeleteKey(SplitKeyPath(path.substr(1)));
            return;
        }
        for (TProductRoot& root : roots_) {
            if (TProductKey* product = root.CreateKey(SplitKeyPath(path), lost_))
                current_ = product;
        }
    }

    // A value line with its continuation lines; only those of a product key are read.
    void ReadValueLine(std::string_view logicalLine, std::size_t number, std::string_view line) {
        if (current_ == nullptr)
            return;
        TRegValue value;
        if (const std::string fault = ParseValueLine(logicalLine, format_, value); !fault.empty())
            throw InputLineError(fault, fileName_, number, line);
        if (!SameTextUpper(value.Name, kVersionValueName))
            return;
        if (value.Deleted)
            current_->Version.reset();
        else
            current_->Version = TVersionValue{value.Type, std::move(value.Text), number, std::string(line)};
    }

    TMachineProducts Finish() const {
        const TProductRoot& root = roots_[1].Exists() ? roots_[1] : roots_[0];
        TMachineProducts result;
        if (!root.Exists())
            return result;
        result.Facts.RegistryKey = root.WrittenPath();
        result.Facts.RegistryView = root.View();
        for (const TProductKey& product : root.Products()) {
            if (product.Deleted)
                continue;
            result.Products.ProductNames.push_back(product.Name);
            result.Products.ProductVersions.push_back(VersionText(product));
        }
        return result;
    }

private:
    static std::string WowRootKey() {
        const std::string_view root = kProductRootKey;
        const std::size_t firstBackslash = root.find('\\');
        return std::string(root.substr(0, firstBackslash + 1)) + std::string(kWowNode) +
               std::string(root.substr(firstBackslash));
    }

    std::string VersionText(const TProductKey& product) const {
        if (product.Unopenable)
            return std::string(kUnreadableVersion);
        if (!product.Version)
            return {};
        const TVersionValue& version = *product.Version;
        if (version.Type != kRegString && version.Type != kRegExpandString)
            throw InputLineError(InvalidDataTypeMessage(kVersionValueName), fileName_, version.Line, version.LineText);
        return version.Text;
    }

    std::string_view fileName_;
    TRegExportFormat format_;
    const TLostCharacters& lost_;
    std::array<TProductRoot, 2> roots_;  // under SOFTWARE, under SOFTWARE\Wow6432Node
    TProductKey* current_ = nullptr;     // the product key whose values the lines set
};

std::optional<TRegExportFormat> FormatOf(std::string_view headerLine) {
    if (headerLine == kRegedit4Header)
        return TRegExportFormat::Regedit4;
    if (headerLine == kVersion5Header)
        return TRegExportFormat::Version5;
    return std::nullopt;
}

}  // namespace

TMachineProducts ReadRegistryExport(std::string_view fileBytes, std::string_view fileName) {
    const std::string text = ini::DecodeText(fileBytes);
    const std::vector<std::string_view> lines = ini::SplitLines(text);
    std::size_t at = 0;
    while (at < lines.size() && ini::TrimProfile(lines[at]).empty())
        ++at;
    if (at == lines.size())
        throw InputFileError(kNotAnExport, fileName);
    const std::optional<TRegExportFormat> format = FormatOf(ini::TrimProfile(lines[at]));
    if (!format)
        throw InputLineError(kNotAnExport, fileName, at + 1, lines[at]);

    const TLostCharacters lost(fileBytes, text);
    TExportReader reader(fileName, *format, lost);
    while (++at < lines.size()) {
        const std::size_t number = at + 1;
        const std::string_view trimmed = ini::TrimProfile(lines[at]);
        if (trimmed.empty() || trimmed.front() == ';')
            continue;
        if (trimmed.front() == '[') {
            if (!trimmed.ends_with(']'))
                throw InputLineError("Key name without a closing bracket", fileName, number, lines[at]);
            reader.ReadKeyLine(trimmed);
            continue;
        }
        std::string logical(trimmed);
        while (ContinuesOnNextLine(logical)) {
            logical.pop_back();
            if (at + 1 == lines.size())
                break;
            logical.append(ini::TrimProfile(lines[++at]));
        }
        reader.ReadValueLine(logical, number, lines[number - 1]);
    }
    return reader.Finish();
}
