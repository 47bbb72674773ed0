#include "fleet/FleetData.h"

#include <array>

namespace {

std::string VersionOrNull(const TFleetRow& row, const std::optional<std::size_t>& version, const TToUtf8& toUtf8) {
    return version ? JsonString(toUtf8(row.Versions[*version])) : "null";
}

std::string ProductLine(const TFleetMatrix& matrix, std::size_t r, const TToUtf8& toUtf8) {
    const TFleetRow& row = matrix.Rows()[r];
    std::string versions;
    std::string marked;
    const std::vector<TFleetCell> cells = matrix.Cells(r);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        versions.append(c == 0 ? "" : ", ").append(VersionOrNull(row, cells[c].Version, toUtf8));
        if (cells[c].Marked)
            marked.append(marked.empty() ? "" : ", ").append(std::to_string(c));
    }
    return "{\"name\": " + JsonString(toUtf8(row.Name)) + ", \"family\": " + JsonString(toUtf8(row.Family)) +
           ", \"versions\": [" + versions + "], \"mostCommon\": " + VersionOrNull(row, row.MostCommon, toUtf8) +
           ", \"marked\": [" + marked + "]}";
}

// A JSON list member by member, one per line.
class TJsonList {
public:
    explicit TJsonList(std::string& text) : text_(text) {}
    void Add(const std::string& member) {
        text_.append(first_ ? "\r\n    " : ",\r\n    ").append(member);
        first_ = false;
    }
    void Close() { text_ += first_ ? "]" : "\r\n  ]"; }

private:
    std::string& text_;
    bool first_ = true;
};

}  // namespace

std::string FleetJson(const TFleetMatrix& matrix, const TToUtf8& toUtf8) {
    std::string text = "{\r\n  \"machines\": [";
    TJsonList machines(text);
    for (const TFleetColumn& column : matrix.Columns()) {
        machines.Add("{\"name\": " + JsonString(toUtf8(column.Machine)) + ", \"time\": " +
                     JsonString(toUtf8(column.Time)) + ", \"source\": " + JsonString(toUtf8(column.Source)) + "}");
    }
    machines.Close();
    text += ",\r\n  \"products\": [";
    TJsonList products(text);
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r)
        products.Add(ProductLine(matrix, r, toUtf8));
    products.Close();
    return text + "\r\n}\r\n";
}

// Each text is converted and guarded once, not once per cell, and the text is sized before it is
// written: a thousand columns make a thousand rows per product, and the file outgrows its sources.
std::string FleetCsv(const TFleetMatrix& matrix, const TToUtf8& toUtf8) {
    const auto field = [&](const std::string& value) { return CsvField(toUtf8(value)) + ","; };
    std::vector<std::string> columnFields;
    std::size_t columnsSize = 0;
    for (const TFleetColumn& column : matrix.Columns()) {
        columnFields.push_back(field(column.Machine) + field(column.Time) + field(column.Source));
        columnsSize += columnFields.back().size();
    }
    struct TRowFields {
        std::string Product;  // name and family
        std::vector<std::string> Versions;
        std::string MostCommon;
    };
    std::vector<TRowFields> rows;
    std::size_t size = 100;  // the mark and the header
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
        const TFleetRow& row = matrix.Rows()[r];
        TRowFields& fields = rows.emplace_back();
        fields.Product = field(row.Name) + field(row.Family);
        for (const std::string& version : row.Versions)
            fields.Versions.push_back(field(version));
        fields.MostCommon = row.MostCommon ? fields.Versions[*row.MostCommon] : ",";
        size += columnsSize + columnFields.size() * (fields.Product.size() + fields.MostCommon.size() + 5);
        for (const TFleetCell& cell : matrix.Cells(r))
            size += cell.Version ? fields.Versions[*cell.Version].size() : 1;
    }

    std::string text;
    text.reserve(size);
    text += kUtf8ByteOrderMark;
    const std::array<std::string, 8> header = {"Machine", "Time",    "Source",      "Product",
                                               "Family",  "Version", "Most common", "Marked"};
    AppendCsvRow(text, header);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const TRowFields& fields = rows[r];
        const std::vector<TFleetCell> cells = matrix.Cells(r);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            text.append(columnFields[c]).append(fields.Product);
            text.append(cells[c].Version ? fields.Versions[*cells[c].Version] : ",").append(fields.MostCommon);
            text.append(cells[c].Marked ? "yes\r\n" : "no\r\n");
        }
    }
    return text;
}

std::string FleetJsonLines(const TFleetMatrix& matrix, const TToUtf8& toUtf8) {
    std::vector<std::string> columnMembers;
    for (const TFleetColumn& column : matrix.Columns()) {
        columnMembers.push_back("{\"machine\": " + JsonString(toUtf8(column.Machine)) +
                                ", \"time\": " + JsonString(toUtf8(column.Time)) +
                                ", \"source\": " + JsonString(toUtf8(column.Source)) + ", ");
    }
    std::string text;
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
        const TFleetRow& row = matrix.Rows()[r];
        const std::string product = "\"name\": " + JsonString(toUtf8(row.Name)) +
                                    ", \"family\": " + JsonString(toUtf8(row.Family)) + ", \"version\": ";
        const std::string mostCommon =
            ", \"mostCommon\": " + VersionOrNull(row, row.MostCommon, toUtf8) + ", \"marked\": ";
        const std::vector<TFleetCell> cells = matrix.Cells(r);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (!cells[c].Version && !cells[c].Marked)
                continue;
            text.append(columnMembers[c]).append(product).append(VersionOrNull(row, cells[c].Version, toUtf8));
            text.append(mostCommon).append(cells[c].Marked ? "true}\n" : "false}\n");
        }
    }
    return text;
}
