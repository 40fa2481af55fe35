#include <filesystem>

#include "core/device/error_memory.h"
#include "core/files/atomic_file.h"
#include "core/files/file_path.h"
#include "core/files/xls_writer.h"
#include "core/shell/form1.h"

namespace q6 {
namespace {

// Where the error table lands in the export grid, and the rows emptied below it.
constexpr int kFirstCopiedRow = 2;
constexpr int kFirstEmptiedRow = kFirstCopiedRow + 1 + kErrorRingEntries;
constexpr int kEmptiedRows = 2;

void CopyRow(const Grid& from, int fromRow, Grid& to, int toRow) {
  for (int column = 0; column < to.columnCount(); ++column)
    to.setCell(column, toRow, column < from.columnCount() ? from.cell(column, fromRow) : "");
}

SheetCells CellsOf(const Grid& grid) {
  SheetCells cells(static_cast<std::size_t>(grid.rowCount()));
  for (int row = 0; row < grid.rowCount(); ++row)
    for (int column = 0; column < grid.columnCount(); ++column)
      cells[static_cast<std::size_t>(row)].push_back(grid.cell(column, row));
  return cells;
}

}  // namespace

void TForm1::ExportErrorList() {
  const auto chosen = platform_.dialogs.SaveFileName({.initialDir = PathConfig,
                                                      .filter = "(*.xls)|*.xls",
                                                      .fileName = "Fehlerdatei.xls",
                                                      .defaultExt = "xls"});
  if (!chosen) return;
  const std::string fileName = ErrorListFileName(*chosen);

  const Grid& table = errmem.StgFehlerspeicher;
  Grid& sheet = errmem.stgExport;
  for (int row = 0; row < table.rowCount(); ++row)
    CopyRow(table, row, sheet, kFirstCopiedRow + row);
  for (int row = kFirstEmptiedRow; row < kFirstEmptiedRow + kEmptiedRows; ++row)
    for (int column = 0; column < sheet.columnCount(); ++column) sheet.setCell(column, row, {});

  const std::string dateTime = platform_.locale.dateTimeText(platform_.clock.now());
  sheet.setCell(1, 0, "Datum: " + dateTime);
  sheet.setCell(2, 0, "Produktcode: " + Info.SoftwarePName);
  sheet.setCell(3, 0, "Gerätenummer: " + std::to_string(Info.GeraeteNr));

  std::error_code ec;
  if (std::filesystem::exists(FilePath(fileName), ec) &&
      !platform_.dialogs.Confirm("File " + fileName + " already exists\rOk to overwrite ?"))
    return;
  if (const auto failure = WriteFileAtomically(FilePath(fileName),
                                               XlsWorkbook(CellsOf(sheet), XlsSheetName(dateTime))))
    platform_.dialogs.ShowMessage("Fehlerdatei nicht gespeichert: " + fileName + "\r\n" + *failure);
}

}  // namespace q6
