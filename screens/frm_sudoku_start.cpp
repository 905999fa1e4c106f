// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/frm_sudoku_start.h"

#include "screens/explanation.h"
#include "screens/look.h"
#include "screens/program.h"

using toolkit::Alignment;
using toolkit::ElementKind;
using toolkit::Font;
using toolkit::True;

frm_sudoku_start::frm_sudoku_start(Program& program)
    : Screen(program.app, "frm_sudoku_start"),
      lbl_Titel(*this, ElementKind::Label, "lbl_Titel"),
      lbl_autor(*this, ElementKind::Label, "lbl_autor"),
      lbl_Kontr_Erkl(*this, ElementKind::Label, "lbl_Kontr_Erkl"),
      chk_verstecken(*this, ElementKind::CheckBox, "chk_verstecken", 4),
      cmd_start(*this, ElementKind::Button, "cmd_start"),
      cmd_erkl(*this, ElementKind::Button, "cmd_erkl"),
      cmd_ansicht(*this, ElementKind::Button, "cmd_ansicht"),
      txt_Erkl(*this, ElementKind::TextBox, "txt_Erkl"),
      program_(program) {
    setCaption("Form1");
    setAccessibleName("Sudoku – Start");
    setClientSize(10545, 8865);
    setBackColor(colours::background);

    lbl_Titel.setText("Sudoku");
    lbl_Titel.move(1680, 840, 6735, 2175);
    lbl_Titel.setFont(Font{fonts::handwriting, 72, true, true});
    lbl_Titel.setForeColor(colours::title);
    lbl_Titel.setTransparent(true);
    lbl_Titel.setAlignment(Alignment::Center);

    lbl_autor.setText("Ihr Helfer beim Lösen von Sudokus von Hand");
    lbl_autor.move(2280, 2760, 6255, 495);
    lbl_autor.setFont(Font{fonts::handwriting, 14.25, false, true});
    lbl_autor.setForeColor(colours::title);
    lbl_autor.setTransparent(true);

    lbl_Kontr_Erkl.setText("Alles anklicken ( Häkchen entfernen ), das versteckt werden soll");
    lbl_Kontr_Erkl.move(2160, 3480, 5295, 495);
    lbl_Kontr_Erkl.setFont(Font{fonts::handwriting, 9.75, true, false});
    lbl_Kontr_Erkl.setForeColor(colours::title);
    lbl_Kontr_Erkl.setBackColor(colours::background);
    lbl_Kontr_Erkl.setAlignment(Alignment::Center);
    lbl_Kontr_Erkl.setVisible(false);

    const char* const captions[] = {"Kontrolle \"Spalten\"", "Kontrolle \"Reihen\"",
                                    "Kontrolle \"Quadrate\"", "Kontrolle \"Einzelfelder\"",
                                    "Kontrolle \"Letzte Eingabe\""};
    const int widths[] = {3495, 3495, 3495, 3855, 4215};
    for (int i = 0; i <= 4; ++i) {
        Element& box = chk_verstecken(i);
        box.setText(captions[i]);
        box.move(2640, 4440 + 480 * i, widths[i], 375);
        box.setFont(Font{fonts::handwriting, 11.25, true, false});
        box.setForeColor(colours::title);
        box.setBackColor(colours::background);
        box.setValue(1);
        box.setVisible(false);
        box.setTabIndex(3 + i);
        box.onClick = [this, i] { chk_verstecken_Click(static_cast<Integer>(i)); };
    }

    struct ButtonSpec {
        Element& element;
        const char* text;
        int left, width, tab;
    };
    for (const ButtonSpec& button : {ButtonSpec{cmd_start, "Sudoku starten", 240, 2535, 0},
                                     ButtonSpec{cmd_erkl, "Erklärung lesen", 3240, 2535, 1},
                                     ButtonSpec{cmd_ansicht, "Ansicht ändern", 6360, 2515, 2}}) {
        button.element.setText(button.text);
        button.element.move(button.left, 7320, button.width, 615);
        button.element.setFont(Font{fonts::handwriting, 12, false, false});
        button.element.setBackColor(colours::button);
        button.element.setTabIndex(button.tab);
    }
    cmd_start.onClick = [this] { cmd_start_Click(); };
    cmd_erkl.onClick = [this] { cmd_erkl_Click(); };
    cmd_ansicht.onClick = [this] { cmd_ansicht_Click(); };

    txt_Erkl.move(360, 360, 1215, 615);
    txt_Erkl.setFont(Font{fonts::sans, 9.75, false, false});
    txt_Erkl.setMultiLine(true);
    txt_Erkl.setVerticalScrollBar(true);
    txt_Erkl.setVisible(false);
    txt_Erkl.setTabIndex(8);
}

void frm_sudoku_start::Form_Load() {
    Spalten = True;
    Reihen = True;
    Quadr = True;
    Einzelf = True;
    letzte_E = True;
}

void frm_sudoku_start::chk_verstecken_Click(Integer Index) {
    if (Index < 0 || Index > 4) return;
    Integer value = toolkit::flag(chk_verstecken(Index).value() == 1);
    Integer* flags[] = {&Spalten, &Reihen, &Quadr, &Einzelf, &letzte_E};
    *flags[Index] = value;
}

void frm_sudoku_start::cmd_ansicht_Click() {
    if (cmd_ansicht.text() == "Ansicht ändern") {
        lbl_Kontr_Erkl.setVisible(true);
        for (int i = 0; i <= 4; ++i) chk_verstecken(i).setVisible(true);
        cmd_erkl.setVisible(false);
        cmd_start.setVisible(false);
        cmd_ansicht.setText("Zurück");
    } else {
        lbl_Kontr_Erkl.setVisible(false);
        for (int i = 0; i <= 4; ++i) chk_verstecken(i).setVisible(false);
        cmd_erkl.setVisible(true);
        cmd_start.setVisible(true);
        cmd_ansicht.setText("Ansicht ändern");
    }
}

void frm_sudoku_start::cmd_aend_beg() {
    cmd_ansicht_Click();
}

void frm_sudoku_start::cmd_erkl_Click() {
    if (cmd_erkl.text() != "Erklärung lesen") {
        cmd_erkl.setText("Erklärung lesen");
        cmd_erkl.setTop(7320);
        txt_Erkl.setVisible(false);
        cmd_start.setVisible(true);
        cmd_ansicht.setVisible(true);
        return;
    }
    // Read first, so that a missing file leaves the screen in its home state.
    // The box is emptied before, so a second opening shows the text once.
    std::optional<std::string> text;
    try {
        text = explanation::readFile(explanationPlaces);
    } catch (const explanation::TooLarge&) {
        txt_Erkl.setText("");
        application().messageBox("Die Erklärungsdatei \"" + std::string(explanation::file_name) +
                                     "\" ist zu groß, um angezeigt zu werden!",
                                 toolkit::ok_only, "Achtung!");
        return;
    }
    if (!text) {
        txt_Erkl.setText("");
        application().messageBox("Die Erklärungsdatei \"" + std::string(explanation::file_name) +
                                     "\" wurde nicht gefunden oder kann nicht gelesen werden!",
                                 toolkit::ok_only, "Achtung!");
        return;
    }
    cmd_erkl.setText("Zurück");
    cmd_erkl.setTop(8320);
    txt_Erkl.move(10, 10, 11000, 8000);
    txt_Erkl.setVisible(true);
    cmd_start.setVisible(false);
    cmd_ansicht.setVisible(false);
    txt_Erkl.setText(*text);
}

void frm_sudoku_start::cmd_start_Click() {
    hide();
    program_.main.show();
    program_.main.sud_main_manager();
}

void frm_sudoku_start::neu_starten() {
    cmd_start_Click();
}

void frm_sudoku_start::closeRequested() {
    // Closing the start window ends the program; once a game has begun it
    // asks first, as "Sudoku verlassen" does.
    if (program_.main.loaded()) {
        program_.main.cmd_exit_Click();
    } else {
        unload();
    }
}
