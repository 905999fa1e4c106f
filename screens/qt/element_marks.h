// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFocusFrame>
#include <functional>

#include "screens/toolkit/decoration.h"

namespace qtfront {

// What the front end draws over a widget's own picture, above its text and
// colours: the frame of the keyboard focus and the element's decoration.
//
// The focus frame is black, three pixels wide, at the widget's edge: the
// style's focus mark, a thin frame in the highlight colour, vanishes on the
// darker square colours of the board; black stands out on every one of
// them. It is shown only while the widget has the focus, so that no colour
// of the layout changes otherwise.
//
// The decoration's marks lie inside the focus frame, so that the two are
// told apart, and the one shows through the other. Printing never shows
// either (print_page.h hides them).
//
// A QFocusFrame is what Qt's accessibility leaves out of the widget's
// children; its own tracking of a widget is not used.
class ElementMarks : public QFocusFrame {
    Q_OBJECT
  public:
    // Where digit d of the widget's text stands, in the widget's
    // coordinates; empty when the text does not show it.
    using DigitPlace = std::function<QRect(int digit)>;

    ElementMarks(QWidget* target, bool showsFocus, DigitPlace digitPlace);

    void setDecoration(const toolkit::Decoration& decoration);
    // Printing: hidden while the widget is drawn on paper, whatever stands.
    void setPrinting(bool printing);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void updateShown();

    QWidget* target_;
    bool showsFocus_;
    DigitPlace digitPlace_;
    toolkit::Decoration decoration_;
    bool focused_ = false;
    bool printing_ = false;
};

}  // namespace qtfront
