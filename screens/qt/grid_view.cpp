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

#include "screens/qt/umrechnung.h"

namespace qtfront {

// Hands the cells of the model's grid to the table, read afresh on every
// request: the model's grid is the only copy of the contents.
class GridModell : public QAbstractTableModel {
  public:
    GridModell(const toolkit::Grid& grid, QObject* parent)
        : QAbstractTableModel(parent), grid_(grid), zeilen_(grid.rows()), spalten_(grid.cols()) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : zeilen_;
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : spalten_;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= grid_.rows() || index.column() >= grid_.cols())
            return {};
        const toolkit::GridCell& zelle = grid_.cell(index.row(), index.column());
        switch (role) {
            case Qt::DisplayRole:
                return anzeigeText(zelle.text);
            case Qt::BackgroundRole:
                if (zelle.backColor)
                    return QBrush(
                        QColor(zelle.backColor->r, zelle.backColor->g, zelle.backColor->b));
                return {};
            case Qt::FontRole: {
                QFont font = schrift(grid_.font());
                font.setBold(grid_.font().bold || zelle.bold);
                return font;
            }
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(zellAusrichtung(zelle.alignment, zelle.text));
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
    void neuLesen() {
        if (grid_.rows() != zeilen_ || grid_.cols() != spalten_) {
            beginResetModel();
            zeilen_ = grid_.rows();
            spalten_ = grid_.cols();
            endResetModel();
        } else {
            emit dataChanged(index(0, 0), index(zeilen_ - 1, spalten_ - 1));
        }
    }

  private:
    const toolkit::Grid& grid_;
    int zeilen_;
    int spalten_;
};

namespace {

// Whether the font draws bold text bolder than regular text. A face without
// a bold style (the script face that stands in for Lucida Handwriting) is
// drawn the same both ways; the grid then thickens the strokes itself, as
// the windowing systems do for such faces.
bool fettSichtbar(const QFont& font) {
    static QHash<QString, bool> bekannt;
    const QString schluessel = font.key();
    if (auto it = bekannt.constFind(schluessel); it != bekannt.constEnd()) return *it;
    const QString probe = QStringLiteral("0123456789");
    const QFontMetrics m(font);
    const QSize groesse(m.horizontalAdvance(probe) * 2, m.height() * 2);
    auto bild = [&](bool fett) {
        QFont f = font;
        f.setBold(fett);
        QImage b(groesse, QImage::Format_Grayscale8);
        b.fill(Qt::white);
        QPainter maler(&b);
        maler.setFont(f);
        maler.setPen(Qt::black);
        maler.drawText(m.height() / 2, m.height() / 2 + m.ascent(), probe);
        maler.end();
        return b;
    };
    const bool sichtbar = bild(true) != bild(false);
    bekannt.insert(schluessel, sichtbar);
    return sichtbar;
}

// Paints the cells without any mark of focus, selection or hovering: the
// table has no current cell the user could see. The style draws the cell's
// background; the text is drawn here, so that bold text in a face without a
// bold style can be thickened: the glyphs' outlines are traced once more
// with a thin pen, around the text itself, which stays text (on paper too).
class ZellenMaler : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem zelle = option;
        initStyleOption(&zelle, index);
        const QWidget* tabelle = zelle.widget;
        QStyle* stil = tabelle ? tabelle->style() : QApplication::style();
        const QRect flaeche = stil->subElementRect(QStyle::SE_ItemViewItemText, &zelle, tabelle)
                                  .adjusted(rand, 0, -rand, 0);
        const QString text = zelle.text;
        zelle.text.clear();
        stil->drawControl(QStyle::CE_ItemViewItem, &zelle, maler, tabelle);
        if (text.isEmpty()) return;

        maler->save();
        maler->setClipRect(option.rect, Qt::IntersectClip);
        maler->setFont(zelle.font);
        const QColor farbe = zelle.palette.color(QPalette::Text);
        maler->setPen(farbe);
        const QFontMetricsF m(maler->fontMetrics());
        const Qt::Alignment a = zelle.displayAlignment;
        const qreal breite = m.horizontalAdvance(text);
        qreal x = flaeche.left();
        if (a & Qt::AlignHCenter)
            x = flaeche.left() + (flaeche.width() - breite) / 2;
        else if (a & Qt::AlignRight)
            x = flaeche.right() + 1 - breite;
        qreal y = flaeche.top() + (flaeche.height() - m.height()) / 2 + m.ascent();
        if (a & Qt::AlignTop)
            y = flaeche.top() + m.ascent();
        else if (a & Qt::AlignBottom)
            y = flaeche.bottom() + 1 - m.descent();
        const QPointF grundlinie(x, y);
        maler->drawText(grundlinie, text);
        if (zelle.font.bold() && !fettSichtbar(zelle.font)) {
            QPainterPath umriss;
            umriss.addText(grundlinie, maler->font(), text);
            maler->setRenderHint(QPainter::Antialiasing);
            maler->strokePath(umriss, QPen(farbe, std::max(0.8, m.height() / 17), Qt::SolidLine,
                                           Qt::RoundCap, Qt::RoundJoin));
        }
        maler->restore();
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &=
            ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    }

  private:
    static constexpr int rand = 2;  // the text's distance from the cell's sides
};

bool istZahl(const std::string& text) {
    if (text.empty()) return false;
    for (unsigned char c : text)
        if (!std::isdigit(c) && c != ' ' && c != '-' && c != '+' && c != ',' && c != '.')
            return false;
    return true;
}

}  // namespace

Qt::Alignment zellAusrichtung(int code, const std::string& text) {
    if (code < toolkit::links_oben || code >= toolkit::allgemein) {
        // The general alignment: numbers to the right, other texts to the left.
        return (istZahl(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    }
    const Qt::Alignment waagerecht[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const Qt::Alignment senkrecht[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return waagerecht[code / 3] | senkrecht[code % 3];
}

GridView::GridView(toolkit::Grid& grid, QWidget* parent)
    : ElementView(grid, new QTableView(parent)), grid_(grid), modell_(new GridModell(grid, this)) {
    QTableView* t = tabelle();
    t->setModel(modell_);
    t->setItemDelegate(new ZellenMaler(t));
    for (QHeaderView* kopf : {t->horizontalHeader(), t->verticalHeader()}) {
        kopf->hide();
        kopf->setMinimumSectionSize(0);
        kopf->setSectionResizeMode(QHeaderView::Fixed);
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
    if (element().contextMenu.empty()) t->setContextMenuPolicy(Qt::NoContextMenu);
    watchMouse(t->viewport());
}

GridView::~GridView() = default;

void GridView::applyGrid() {
    modell_->neuLesen();
    QTableView* t = tabelle();
    const double dpi = t->logicalDpiX();
    for (int r = 0; r < grid_.rows(); ++r)
        t->verticalHeader()->resizeSection(r, pixels(grid_.rowHeight(r), dpi));
    for (int c = 0; c < grid_.cols(); ++c)
        t->horizontalHeader()->resizeSection(c, pixels(grid_.colWidth(c), dpi));
}

void GridView::applyFont() {
    ElementView::applyFont();
    modell_->neuLesen();  // the cells write in the element's font
}

void GridView::applyColors() {
    setColors(QPalette::Base, QPalette::Text, false);
    // The style draws the grid lines and the frame in shades of the window
    // colour. The table takes the system's, not the screen background it
    // would inherit from its window, so the lines stay neutral grey.
    QPalette palette = tabelle()->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    tabelle()->setPalette(palette);
}

}  // namespace qtfront
