#include "cli/text_table.h"

#include <algorithm>

namespace orvane::cli {

std::size_t DisplayWidth(std::string_view utf8) {
    return CodePointCount(utf8);
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

TextTable::TextTable(std::vector<std::string> heading) {
    rows_.push_back(std::move(heading));
}

void TextTable::AddRow(std::vector<std::string> cells) {
    rows_.push_back(std::move(cells));
}

std::string TextTable::Text(std::string_view indent) const {
    std::vector<std::size_t> widths;
    for (const auto& row : rows_) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], DisplayWidth(row[i]));
    }
    std::string out;
    for (const auto& row : rows_) {
        std::string line(indent);
        for (std::size_t i = 0; i < row.size(); ++i) line += Padded(row[i], widths[i] + 2);
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace orvane::cli
