#include "support/WholeFileIni.h"

#include <optional>

#include "support/IniText.h"
#include "support/TextRoutines.h"

namespace ini {

TWholeFileIni::TWholeFileIni(std::string_view fileBytes) {
    std::optional<std::size_t> current;
    const std::string text = DecodeText(fileBytes);
    for (const std::string_view rawLine : SplitLines(text)) {
        const std::string line = Trim(rawLine);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            const std::string name = Trim(std::string_view(line).substr(1, line.size() - 2));
            current = SectionIndex(name);
            if (*current == sections_.size())
                sections_.push_back({name, {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        // Lines before the first section and lines without "=" carry nothing we read.
        if (!current || equals == std::string::npos)
            continue;
        sections_[*current].entries.push_back(
            {Trim(std::string_view(line).substr(0, equals)), Trim(std::string_view(line).substr(equals + 1))});
    }
}

std::size_t TWholeFileIni::SectionIndex(std::string_view section) const {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (SameTextUpper(sections_[i].name, section))
            return i;
    }
    return sections_.size();
}

std::string TWholeFileIni::ReadString(std::string_view section,
                                      std::string_view key,
                                      std::string_view defaultValue) const {
    const std::size_t index = SectionIndex(section);
    if (index < sections_.size()) {
        for (const TEntry& entry : sections_[index].entries) {
            if (SameTextUpper(entry.key, key))
                return entry.value;
        }
    }
    return std::string(defaultValue);
}

}  // namespace ini
