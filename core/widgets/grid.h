#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/widgets/control.h"

namespace q6 {

// A string grid. Cell changes are collected so a view can refresh only what changed; a size
// change asks for a full refresh.
class Grid : public CaptionedControl {
 public:
  Grid(std::string name, int rows, int columns, int fixedRows = 1, int fixedColumns = 0);

  int rowCount() const { return rows_; }
  int columnCount() const { return columns_; }
  int fixedRows() const { return fixedRows_; }
  int fixedColumns() const { return fixedColumns_; }
  void setSize(int rows, int columns);

  const std::string& cell(int column, int row) const;
  void setCell(int column, int row, std::string text);
  void clear();

  // Cells changed since the last call, or everything after a size change.
  struct Changes {
    bool all = false;
    std::vector<std::pair<int, int>> cells;  // (column, row)
  };
  Changes takeChanges();

 private:
  std::size_t offset(int column, int row) const;

  int rows_;
  int columns_;
  int fixedRows_;
  int fixedColumns_;
  std::vector<std::string> cells_;
  Changes pending_;
};

}  // namespace q6
