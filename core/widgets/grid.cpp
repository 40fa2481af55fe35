#include "core/widgets/grid.h"

#include <stdexcept>

namespace q6 {

Grid::Grid(std::string name, int rows, int columns, int fixedRows, int fixedColumns)
    : CaptionedControl(std::move(name), ControlKind::Grid),
      rows_(rows),
      columns_(columns),
      fixedRows_(fixedRows),
      fixedColumns_(fixedColumns),
      cells_(static_cast<std::size_t>(rows * columns)) {
  setColor(colors::kWindow);
}

std::size_t Grid::offset(int column, int row) const {
  if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
    throw std::out_of_range(name() + ": no cell " + std::to_string(column) + "," +
                            std::to_string(row));
  return static_cast<std::size_t>(row * columns_ + column);
}

void Grid::setSize(int rows, int columns) {
  if (rows == rows_ && columns == columns_) return;
  std::vector<std::string> resized(static_cast<std::size_t>(rows * columns));
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < std::min(columns, columns_); ++c)
      resized[static_cast<std::size_t>(r * columns + c)] = std::move(cells_[offset(c, r)]);
  rows_ = rows;
  columns_ = columns;
  cells_ = std::move(resized);
  pending_ = {.all = true, .cells = {}};
  notify(Property::Cells);
}

const std::string& Grid::cell(int column, int row) const { return cells_[offset(column, row)]; }

void Grid::setCell(int column, int row, std::string text) {
  std::string& target = cells_[offset(column, row)];
  if (target == text) return;
  target = std::move(text);
  if (!pending_.all) pending_.cells.emplace_back(column, row);
  notify(Property::Cells);
}

void Grid::clear() {
  for (auto& text : cells_) text.clear();
  pending_ = {.all = true, .cells = {}};
  notify(Property::Cells);
}

Grid::Changes Grid::takeChanges() { return std::exchange(pending_, {}); }

}  // namespace q6
