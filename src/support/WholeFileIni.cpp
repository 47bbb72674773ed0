#include "support/WholeFileIni.h"

#include <optional>

#include "support/TextRoutines.h"

namespace ini {

TWholeFileIni::TWholeFileIni(std::string_view content) {
    std::optional<std::size_t> current;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        const std::string line = Trim(content.substr(start, end - start));
        start = end + 1;
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
