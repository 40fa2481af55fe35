// The workbook is read back by xlrd, a reader this project did not write.
#include "core/files/xls_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "core/files/atomic_file.h"
#include "support/temp_dir.h"

namespace q6 {
namespace {

struct ReadBack {
  int sheets = 0;
  std::string name;
  SheetCells cells;
};

std::string FromHex(const std::string& hex) {
  std::string text;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return text;
}

// The first interpreter that has xlrd: the one on the path, else the system's, where Debian's
// python3-xlrd lives.
std::optional<std::string> PythonWithXlrd() {
  for (const char* python : {"python3", "/usr/bin/python3"}) {
    const std::string probe = std::string(python) + " -c 'import xlrd' >/dev/null 2>&1";
    if (std::system(probe.c_str()) == 0) return python;
  }
  return std::nullopt;
}

// Texts travel as hex so no quoting can change them.
ReadBack ReadWithXlrd(const std::string& python, const std::filesystem::path& file) {
  const std::string command =
      python +
      " -c \"import sys, xlrd\n"
      "book = xlrd.open_workbook(sys.argv[1])\n"
      "sheet = book.sheet_by_index(0)\n"
      "print(book.nsheets, sheet.nrows, sheet.ncols, sheet.name.encode().hex() or '-')\n"
      "for r in range(sheet.nrows):\n"
      "  for c in range(sheet.ncols):\n"
      "    v = sheet.cell_value(r, c)\n"
      "    if v != '': print(r, c, str(v).encode().hex())\n"
      "\" '" +
      file.string() + "' 2>&1";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char chunk[4096];
    while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, pipe))
      output.append(chunk, got);
    pclose(pipe);
  }
  std::istringstream lines(output);
  ReadBack result;
  std::size_t rows = 0, columns = 0;
  std::string name;
  if (!(lines >> result.sheets >> rows >> columns >> name)) {
    ADD_FAILURE() << "xlrd could not read the workbook:\n" << output;
    return result;
  }
  result.name = name == "-" ? "" : FromHex(name);
  result.cells.assign(rows, std::vector<std::string>(columns));
  std::size_t row = 0, column = 0;
  std::string hex;
  while (lines >> row >> column >> hex) result.cells.at(row).at(column) = FromHex(hex);
  return result;
}

// The cells as a reader sees them: trailing empty rows and columns do not exist.
SheetCells Trimmed(SheetCells cells) {
  std::size_t rows = 0, columns = 0;
  for (std::size_t r = 0; r < cells.size(); ++r)
    for (std::size_t c = 0; c < cells[r].size(); ++c)
      if (!cells[r][c].empty()) rows = r + 1, columns = std::max(columns, c + 1);
  cells.resize(rows);
  for (auto& row : cells) row.resize(columns);
  return cells;
}

class XlsReadBackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    python = PythonWithXlrd();
    if (!python)
      GTEST_SKIP() << "python3 with xlrd is missing; scripts/bootstrap installs python3-xlrd";
  }
  ReadBack writeAndRead(const SheetCells& cells, const std::string& sheetName) {
    const auto file = dir.path() / "book.xls";
    EXPECT_FALSE(WriteFileAtomically(file, XlsWorkbook(cells, sheetName)));
    return ReadWithXlrd(*python, file);
  }
  std::optional<std::string> python;
  test::TempDir dir;
};

TEST_F(XlsReadBackTest, EveryCellAndTheSheetNameComeBack) {
  SheetCells cells(70, std::vector<std::string>(5));
  cells[0][1] = "Datum: 01-02-2025 12.00.00";
  cells[0][3] = "Gerätenummer: 1234";
  cells[2] = {"Nr.", "Zeitpunkt", "Fehler", "", ""};
  for (int row = 1; row <= 64; ++row) {
    auto& line = cells[static_cast<std::size_t>(2 + row)];
    line[0] = std::to_string(row);
    line[1] = "05.03.2014  13:07";
    line[2] = "Übertemperatur KK1, Uz_Fehler, Dauerfehler, " +
              std::string(static_cast<std::size_t>(row) * 3, 'x');
  }
  cells[66][4] = "Aşırı sıcaklık";  // beyond Latin-1: kept in 16 bits
  const ReadBack book = writeAndRead(cells, "01-02-2025 12.00.00");
  EXPECT_EQ(book.sheets, 1);
  EXPECT_EQ(book.name, "01-02-2025 12.00.00");
  EXPECT_EQ(book.cells, Trimmed(cells));
}

TEST_F(XlsReadBackTest, AnEmptySheetIsAValidWorkbook) {
  const ReadBack book = writeAndRead(SheetCells(3, std::vector<std::string>(2)), "leer");
  EXPECT_EQ(book.sheets, 1);
  EXPECT_EQ(book.name, "leer");
  EXPECT_TRUE(book.cells.empty());
}

TEST_F(XlsReadBackTest, AWorkbookNeedingSeveralFatSectorsReadsBack) {
  // Far over 128 sectors: the allocation table spans several sectors.
  SheetCells cells(2000, std::vector<std::string>(3, std::string(30, 'a')));
  cells[1999][2] = "last";
  const ReadBack book = writeAndRead(cells, "gross");
  EXPECT_EQ(book.cells, cells);
}

TEST(XlsSheetName, ReplacesForbiddenCharactersAndKeeps31) {
  struct Case {
    const char* text;
    const char* name;
  };
  for (const auto& c : {
           Case{"01/02/2025 12:00:00", "01-02-2025 12.00.00"},
           Case{"2025\\01\\02 [x]?*", "2025-01-02 (x)__"},
           Case{"Montag, 3. März 2025 12:00:00 Uhr", "Montag, 3. März 2025 12.00.00 U"},
           Case{"03.03.2025 12:00:00", "03.03.2025 12.00.00"},
       })
    EXPECT_EQ(XlsSheetName(c.text), c.name) << c.text;
}

}  // namespace
}  // namespace q6
