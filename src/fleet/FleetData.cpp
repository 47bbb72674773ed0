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

std::string FleetCsv(const TFleetMatrix& matrix, const TToUtf8& toUtf8) {
    std::string text(kUtf8ByteOrderMark);
    std::array<std::string, 8> fields = {"Machine", "Time",    "Source",      "Product",
                                         "Family",  "Version", "Most common", "Marked"};
    AppendCsvRow(text, fields);
    const auto& columns = matrix.Columns();
    for (std::size_t r = 0; r < matrix.Rows().size(); ++r) {
        const TFleetRow& row = matrix.Rows()[r];
        const std::string name = toUtf8(row.Name);
        const std::string family = toUtf8(row.Family);
        const std::string mostCommon = row.MostCommon ? toUtf8(row.Versions[*row.MostCommon]) : "";
        const std::vector<TFleetCell> cells = matrix.Cells(r);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            fields = {toUtf8(columns[c].Machine),
                      toUtf8(columns[c].Time),
                      toUtf8(columns[c].Source),
                      name,
                      family,
                      cells[c].Version ? toUtf8(row.Versions[*cells[c].Version]) : "",
                      mostCommon,
                      cells[c].Marked ? "yes" : "no"};
            AppendCsvRow(text, fields);
        }
    }
    return text;
}
