// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

#include "screens/qt/element_view.h"
#include "screens/toolkit/grid.h"

namespace qtfront {

class GridModell;

// A grid: a table without header rows or columns that shows every cell of the
// model's grid with its text, background colour, weight and alignment, in
// rows and columns of the model's sizes. The table only shows: the user can
// neither edit nor select a cell, and no cell stands out as the current one.
// Any change of the grid in the model makes the table read it again.
class GridView : public ElementView {
    Q_OBJECT
  public:
    GridView(toolkit::Grid& grid, QWidget* parent);
    ~GridView() override;

    QTableView* tabelle() const { return static_cast<QTableView*>(widget()); }

  protected:
    void applyGrid() override;
    void applyFont() override;
    void applyColors() override;

  private:
    toolkit::Grid& grid_;
    GridModell* modell_;
};

// Qt's alignment for a grid cell's alignment code.
Qt::Alignment zellAusrichtung(int code, const std::string& text);

}  // namespace qtfront
