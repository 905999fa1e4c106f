// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/grid_view.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cctype>

#include "screens/qt/units.h"

namespace qtfront {

// Hands the cells of the model's grid to the table, read afresh on every
// request: the model's grid is the only copy of the contents.
class GridModel : public QAbstractTableModel {
  public:
    GridModel(const toolkit::Grid& grid, QObject* parent)
        : QAbstractTableModel(parent), grid_(grid), lines_(grid.rows()), columns_(grid.cols()) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : lines_; }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : columns_;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= grid_.rows() || index.column() >= grid_.cols())
            return {};
        const toolkit::GridCell& cell = grid_.cell(index.row(), index.column());
        switch (role) {
            case Qt::DisplayRole:
                return shownCaption(cell.text);
            case Qt::BackgroundRole:
                if (cell.backColor)
                    return QBrush(QColor(cell.backColor->r, cell.backColor->g, cell.backColor->b));
                return {};
            case Qt::FontRole: {
                QFont font = qtFont(grid_.font());
                font.setBold(grid_.font().bold || cell.bold);
                return font;
            }
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(cellAlignmentFlags(cell.alignment, cell.text));
            default:
                return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        // Shown only: neither selectable nor editable.
        return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
    }

    // The grid changed: a new size resets the table, anything else repaints
    // every cell (a table of a few dozen cells).
    void reload() {
        if (grid_.rows() != lines_ || grid_.cols() != columns_) {
            beginResetModel();
            lines_ = grid_.rows();
            columns_ = grid_.cols();
            endResetModel();
        } else {
            emit dataChanged(index(0, 0), index(lines_ - 1, columns_ - 1));
        }
    }

  private:
    const toolkit::Grid& grid_;
    int lines_;
    int columns_;
};

namespace {

// Whether the font draws bold text bolder than regular text. A face without
// a bold style (the script face that stands in for Lucida Handwriting) is
// drawn the same both ways; the grid then thickens the strokes itself, as
// the windowing systems do for such faces.
bool boldIsVisible(const QFont& font) {
    static QHash<QString, bool> known;
    const QString key = font.key();
    if (auto it = known.constFind(key); it != known.constEnd()) return *it;
    const QString sample = QStringLiteral("0123456789");
    const QFontMetrics m(font);
    const QSize size(m.horizontalAdvance(sample) * 2, m.height() * 2);
    auto image = [&](bool bold) {
        QFont f = font;
        f.setBold(bold);
        QImage b(size, QImage::Format_Grayscale8);
        b.fill(Qt::white);
        QPainter painter(&b);
        painter.setFont(f);
        painter.setPen(Qt::black);
        painter.drawText(m.height() / 2, m.height() / 2 + m.ascent(), sample);
        painter.end();
        return b;
    };
    const bool visible = image(true) != image(false);
    known.insert(key, visible);
    return visible;
}

// Paints the cells without any mark of focus, selection or hovering: the
// table has no current cell the user could see. The style draws the cell's
// background; the text is drawn here, so that bold text in a face without a
// bold style can be thickened: the glyphs' outlines are traced once more
// with a thin pen, around the text itself, which stays text (on paper too).
class CellPainter : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QWidget* table = cell.widget;
        QStyle* style = table ? table->style() : QApplication::style();
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, table)
                               .adjusted(margin, 0, -margin, 0);
        const QString text = cell.text;
        cell.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, table);
        if (text.isEmpty()) return;

        painter->save();
        painter->setClipRect(option.rect, Qt::IntersectClip);
        painter->setFont(cell.font);
        const QColor colour = cell.palette.color(QPalette::Text);
        painter->setPen(colour);
        const QFontMetricsF m(painter->fontMetrics());
        const Qt::Alignment a = cell.displayAlignment;
        const qreal width = m.horizontalAdvance(text);
        qreal x = area.left();
        if (a & Qt::AlignHCenter)
            x = area.left() + (area.width() - width) / 2;
        else if (a & Qt::AlignRight)
            x = area.right() + 1 - width;
        qreal y = area.top() + (area.height() - m.height()) / 2 + m.ascent();
        if (a & Qt::AlignTop)
            y = area.top() + m.ascent();
        else if (a & Qt::AlignBottom)
            y = area.bottom() + 1 - m.descent();
        const QPointF baseline(x, y);
        painter->drawText(baseline, text);
        if (cell.font.bold() && !boldIsVisible(cell.font)) {
            QPainterPath outline;
            outline.addText(baseline, painter->font(), text);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->strokePath(outline, QPen(colour, std::max(0.8, m.height() / 17), Qt::SolidLine,
                                              Qt::RoundCap, Qt::RoundJoin));
        }
        painter->restore();
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &=
            ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    }

  private:
    static constexpr int margin = 2;  // the text's distance from the cell's sides
};

bool isNumber(const std::string& text) {
    if (text.empty()) return false;
    for (unsigned char c : text)
        if (!std::isdigit(c) && c != ' ' && c != '-' && c != '+' && c != ',' && c != '.')
            return false;
    return true;
}

}  // namespace

Qt::Alignment cellAlignmentFlags(int code, const std::string& text) {
    if (code < toolkit::left_top || code >= toolkit::general) {
        // The general alignment: numbers to the right, other texts to the left.
        return (isNumber(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
    const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return horizontal[code / 3] | vertical[code % 3];
}

GridView::GridView(toolkit::Grid& grid, QWidget* parent)
    : ElementView(grid, new QTableView(parent)), grid_(grid), model_(new GridModel(grid, this)) {
    QTableView* t = table();
    t->setModel(model_);
    t->setItemDelegate(new CellPainter(t));
    for (QHeaderView* header : {t->horizontalHeader(), t->verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    t->setShowGrid(true);
    t->setGridStyle(Qt::SolidLine);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    t->setAutoScroll(false);
    t->setCornerButtonEnabled(false);
    t->setWordWrap(false);
    // Tab leaves the table for the next element instead of walking its cells.
    t->setTabKeyNavigation(false);
    t->setDragEnabled(false);
    t->setAcceptDrops(false);
    // No menu of the widget's own; the element's menu, if it has one.
    if (!element().hasContextMenu()) t->setContextMenuPolicy(Qt::NoContextMenu);
    watchMouse(t->viewport());
}

GridView::~GridView() = default;

void GridView::applyGrid() {
    model_->reload();
    QTableView* t = table();
    const double dpi = t->logicalDpiX();
    for (int r = 0; r < grid_.rows(); ++r)
        t->verticalHeader()->resizeSection(r, pixels(grid_.rowHeight(r), dpi));
    for (int c = 0; c < grid_.cols(); ++c)
        t->horizontalHeader()->resizeSection(c, pixels(grid_.colWidth(c), dpi));
}

void GridView::applyFont() {
    ElementView::applyFont();
    model_->reload();  // the cells write in the element's font
}

void GridView::applyColors() {
    setColors(QPalette::Base, QPalette::Text, false);
    // The style draws the grid lines and the frame in shades of the window
    // colour. The table takes the system's, not the screen background it
    // would inherit from its window, so the lines stay neutral grey.
    QPalette palette = table()->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    table()->setPalette(palette);
}

}  // namespace qtfront
