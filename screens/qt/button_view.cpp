#include "screens/qt/button_view.h"

#include <QKeyEvent>

#include "screens/qt/umrechnung.h"

namespace qtfront {

namespace {

// Enter on a focused button presses it, as space does.
class Schaltflaeche : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            event->modifiers() == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

ButtonView::ButtonView(toolkit::Element& element, QWidget* parent)
    : ElementView(element, new Schaltflaeche(parent)) {
    button()->setAutoDefault(false);
    connect(button(), &QPushButton::clicked, this, [this] { this->element().click(); });
}

void ButtonView::applyText() { button()->setText(anzeigeText(element().text())); }

void ButtonView::applyColors() { setColors(QPalette::Button, QPalette::ButtonText, false); }

}  // namespace qtfront
