#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace q6 {

// Text cells of one sheet, by row and then column; texts are UTF-8.
using SheetCells = std::vector<std::vector<std::string>>;

// An Excel 97-2003 workbook (BIFF8 in a compound file) holding `cells` as text in one sheet.
// Empty cells are left out. `sheetName` must already be valid (see XlsSheetName).
std::string XlsWorkbook(const SheetCells& cells, std::string_view sheetName);

// `text` made valid as a sheet name: the characters Excel refuses there are replaced by ones of
// the same meaning (":" by ".", "/" and "\" by "-", "[" "]" by "(" ")", "?" "*" by "_"), and
// the result is cut to 31 characters.
std::string XlsSheetName(std::string_view text);

}  // namespace q6
