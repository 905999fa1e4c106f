#include "screens/qt/grid_view.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
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
// table has no current cell the user could see.
class ZellenMaler : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(maler, option, index);
        QStyleOptionViewItem text = option;
        initStyleOption(&text, index);
        if (!text.font.bold() || text.text.isEmpty() || fettSichtbar(text.font)) return;
        // Bold by overstriking: the text once more, a little to the right,
        // without the cell's background. Both stay text, on screen as on
        // paper.
        text.backgroundBrush = Qt::NoBrush;
        const qreal versatz = std::max(1.0, QFontInfo(text.font).pixelSize() / 13.0);
        const QWidget* tabelle = option.widget;
        QStyle* stil = tabelle ? tabelle->style() : QApplication::style();
        maler->save();
        maler->translate(versatz, 0);
        stil->drawControl(QStyle::CE_ItemViewItem, &text, maler, tabelle);
        maler->restore();
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &=
            ~(QStyle::State_HasFocus | QStyle::State_Selected | QStyle::State_MouseOver);
    }
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
    t->setContextMenuPolicy(Qt::NoContextMenu);
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
