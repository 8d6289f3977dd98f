// One row of the page row table that feeds the navigation tree.
#pragma once

#include <QString>
#include <cstdint>

namespace orvane {

// Kinds of tree rows.
inline constexpr std::uint16_t kRowRoot = 0;       // the printer
inline constexpr std::uint16_t kRowHeading = 1;    // a function heading
inline constexpr std::uint16_t kRowPage = 2;       // a page that can be selected
inline constexpr std::uint16_t kRowUnknown = 255;  // an item that no row describes

struct PageRow {
    std::uint16_t kind = kRowRoot;
    std::int32_t image = 0;  // 0 root and dummy headings, 1 the fax heading, 2 a page
    QString text;
    std::int32_t first_page = 0;  // 1 on the first page row below the fax heading
};

}  // namespace orvane
