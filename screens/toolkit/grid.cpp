// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/grid.h"

#include <algorithm>

#include "screens/toolkit/failure.h"

namespace toolkit {

namespace {

void checkValue(bool ok, const std::string& what) {
    if (!ok) throw Failure(failure_property_value, "invalid property value: " + what);
}

}  // namespace

Grid::Grid(Screen& screen, std::string name, int rows, int cols)
    : Element(screen, ElementKind::Grid, std::move(name)) {
    checkValue(rows >= 1 && cols >= 1, "grid size");
    resize(rows, cols);
}

void Grid::checkRow(int row) const {
    if (row < 0 || row >= rows_)
        throw Failure(failure_property_index,
                      "no row " + std::to_string(row) + " in " + fullName());
}

void Grid::checkCol(int col) const {
    if (col < 0 || col >= cols_)
        throw Failure(failure_property_index,
                      "no column " + std::to_string(col) + " in " + fullName());
}

std::size_t Grid::position(int row, int col) const {
    checkRow(row);
    checkCol(col);
    return static_cast<std::size_t>(row * cols_ + col);
}

const GridCell& Grid::cell(int row, int col) const {
    return cells_[position(row, col)];
}

GridCell& Grid::at(int row, int col) {
    return cells_[position(row, col)];
}

void Grid::resize(int rows, int cols) {
    std::vector<GridCell> cells(static_cast<std::size_t>(rows * cols));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<std::size_t>(r * cols + c)] =
                cells_[static_cast<std::size_t>(r * cols_ + c)];
    cells_ = std::move(cells);
    rowHeights_.resize(static_cast<std::size_t>(rows), default_row_height);
    colWidths_.resize(static_cast<std::size_t>(cols), default_column_width);
    rows_ = rows;
    cols_ = cols;
    row_ = std::min(row_, rows_ - 1);
    col_ = std::min(col_, cols_ - 1);
}

void Grid::setRows(int rows) {
    checkValue(rows >= 1, "row count " + std::to_string(rows));
    if (rows == rows_) return;
    resize(rows, cols_);
    notify(Property::Grid);
}

void Grid::setCols(int cols) {
    checkValue(cols >= 1, "column count " + std::to_string(cols));
    if (cols == cols_) return;
    resize(rows_, cols);
    notify(Property::Grid);
}

int Grid::rowHeight(int row) const {
    checkRow(row);
    return rowHeights_[static_cast<std::size_t>(row)];
}

void Grid::setRowHeight(int row, int twips) {
    checkRow(row);
    checkValue(twips >= 0, "row height " + std::to_string(twips));
    int& height = rowHeights_[static_cast<std::size_t>(row)];
    if (height == twips) return;
    height = twips;
    notify(Property::Grid);
}

int Grid::colWidth(int col) const {
    checkCol(col);
    return colWidths_[static_cast<std::size_t>(col)];
}

void Grid::setColWidth(int col, int twips) {
    checkCol(col);
    checkValue(twips >= 0, "column width " + std::to_string(twips));
    int& width = colWidths_[static_cast<std::size_t>(col)];
    if (width == twips) return;
    width = twips;
    notify(Property::Grid);
}

void Grid::setRow(int row) {
    checkRow(row);
    if (row == row_) return;
    row_ = row;
    notify(Property::Grid);
}

void Grid::setCol(int col) {
    checkCol(col);
    if (col == col_) return;
    col_ = col;
    notify(Property::Grid);
}

void Grid::setCellBackColor(std::optional<Rgb> color) {
    GridCell& c = at(row_, col_);
    if (c.backColor == color) return;
    c.backColor = color;
    notify(Property::Grid);
}

void Grid::setCellAlignment(int alignment) {
    checkValue(alignment >= left_top && alignment <= general,
               "alignment " + std::to_string(alignment));
    GridCell& c = at(row_, col_);
    if (c.alignment == alignment) return;
    c.alignment = alignment;
    notify(Property::Grid);
}

void Grid::setCellFontBold(bool bold) {
    GridCell& c = at(row_, col_);
    if (c.bold == bold) return;
    c.bold = bold;
    notify(Property::Grid);
}

void Grid::setTextMatrix(int row, int col, const std::string& text) {
    GridCell& c = at(row, col);
    if (c.text == text) return;
    c.text = text;
    notify(Property::Grid);
}

}  // namespace toolkit
