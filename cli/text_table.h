// Aligned text for the terminal: UTF-8 texts padded by code points, and tables of such columns.
#pragma once

#include "text/utf_text.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// The columns a UTF-8 text takes on the terminal: one per code point, so that names line up.
std::size_t DisplayWidth(std::string_view utf8);

// `text` padded with spaces to `width` code points.
std::string Padded(const std::string& text, std::size_t width);

// Rows under a heading, each column as wide as its widest cell plus two spaces; trailing spaces cut.
class TextTable {
  public:
    explicit TextTable(std::vector<std::string> heading);
    void AddRow(std::vector<std::string> cells);
    // Every line with `indent` in front, each ending with a line break.
    std::string Text(std::string_view indent = {}) const;

  private:
    std::vector<std::vector<std::string>> rows_;  // the heading first
};

}  // namespace orvane::cli
