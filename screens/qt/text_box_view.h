// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/qt/element_view.h"

#include <QString>

class QLineEdit;
class QMimeData;
class QTextEdit;

namespace qtfront {

// The most characters one paste, drop or middle click inserts into a free
// box of several lines: as many as a one-line box holds.
inline constexpr qsizetype maxInsertedChars = 32767;

// What a paste, drop or middle click inserts into a free box of several
// lines: the data's plain text without NUL characters, cut to
// maxInsertedChars; empty when the data hold no text (an empty selection
// has no format at all).
QString insertableText(const QMimeData* source);

// A text box: a one-line edit, or a multi-line edit for a multi-line box
// (candidate pads, the explanation box).
//
// A box with a key filter in the model (a board cell) never edits itself:
// every key press goes through the model (see key_forwarding.h), and
// paste, drag and drop, context menu and undo are off; should anything still
// change the widget's text, it is put back to the model's at once. A box
// without a key filter (a free text field) edits as usual, and every change
// of its text is written into the model at once.
class TextBoxView : public ElementView {
    Q_OBJECT
  public:
    TextBoxView(toolkit::Element& element, QWidget* parent);

    // Whether the model filters this box's typing.
    bool filtered() const { return filtered_; }
    // The text the widget shows, in the model's form (CR LF line breaks).
    std::string shownText() const;

  protected:
    void applyText() override;
    void applyLocked() override;
    void applyAppearance() override;
    void applyColors() override;
    QRect digitPlace(int digit) const override;
    bool editsFreely() const override { return !filtered_ && !element().locked(); }

  private:
    void widgetTextChanged();

    bool filtered_;
    bool multiLine_;
    bool taking_ = false;  // the model's text is being applied
    QLineEdit* line_ = nullptr;
    QTextEdit* field_ = nullptr;
};

}  // namespace qtfront
