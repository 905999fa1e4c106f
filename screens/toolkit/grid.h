// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "screens/toolkit/element.h"

namespace toolkit {

// Alignment codes of a grid cell: horizontal third times three plus the
// vertical third, as the grid's cell alignment counts them.
enum Zellausrichtung : int {
    links_oben = 0,
    links_mitte = 1,
    links_unten = 2,
    mitte_oben = 3,
    mitte_mitte = 4,  // centred horizontally and vertically
    mitte_unten = 5,
    rechts_oben = 6,
    rechts_mitte = 7,
    rechts_unten = 8,
    allgemein = 9,  // the grid's default: text left, numbers right, centred vertically
};

// The contents and format of one grid cell.
struct GridCell {
    std::string text;
    std::optional<Rgb> backColor;  // unset: the grid's normal background
    int alignment = allgemein;
    bool bold = false;
    bool operator==(const GridCell&) const = default;
};

// A table of text cells without header rows or columns. Rows and columns are
// counted from 0. Formats are set through the current cell, texts by row and
// column. An index outside the table raises failure 381; fewer than one row
// or column, a negative height or width, or an unknown alignment failure 380.
// Every change tells the observer (Property::Grid), which then reads the
// cells it needs.
class Grid : public Element {
  public:
    static constexpr int standard_zeilenhoehe = 240;
    static constexpr int standard_spaltenbreite = 960;

    Grid(Screen& screen, std::string name, int rows = 2, int cols = 2);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // Changing the size keeps the cells that remain; the current cell moves
    // into the table when it falls outside.
    void setRows(int rows);
    void setCols(int cols);

    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    // The current cell.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int row);
    void setCol(int col);

    // The format of the current cell.
    const std::optional<Rgb>& cellBackColor() const { return current().backColor; }
    void setCellBackColor(std::optional<Rgb> color);
    int cellAlignment() const { return current().alignment; }
    void setCellAlignment(int alignment);
    bool cellFontBold() const { return current().bold; }
    void setCellFontBold(bool bold);

    // The text of any cell.
    const std::string& textMatrix(int row, int col) const { return cell(row, col).text; }
    void setTextMatrix(int row, int col, const std::string& text);

    // Contents and format of any cell, for the front end that draws the grid.
    const GridCell& cell(int row, int col) const;

  private:
    void checkRow(int row) const;
    void checkCol(int col) const;
    std::size_t position(int row, int col) const;
    GridCell& at(int row, int col);
    const GridCell& current() const { return cell(row_, col_); }
    void resize(int rows, int cols);

    int rows_ = 0, cols_ = 0;
    int row_ = 0, col_ = 0;
    std::vector<int> rowHeights_;
    std::vector<int> colWidths_;
    std::vector<GridCell> cells_;  // row by row
};

}  // namespace toolkit
