// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/frm_sudoku_main.h"

#include "screens/look.h"
#include "screens/program.h"
#include "solver/geometry.h"

using toolkit::Alignment;
using toolkit::ElementKind;
using toolkit::Font;
using toolkit::Rgb;
using toolkit::True;

namespace {

// Colour of row or column n (1 to 9).
Rgb lineColour(int n) {
    switch ((n - 1) % 3) {
        case 0:
            return {255, 255, 128};
        case 1:
            return {255, 255, 0};
        default:
            return {192, 192, 0};
    }
}

}  // namespace

frm_sudoku_main::frm_sudoku_main(Program& program)
    : Screen(program.app, "frm_sudoku_main"),
      txt_m(*this, ElementKind::TextBox, "txt_m", 81),
      txt_c(*this, ElementKind::TextBox, "txt_c", 81),
      lbl_c(*this, ElementKind::Label, "lbl_c", 81),
      lbl_w(*this, ElementKind::Label, "lbl_w", 81),
      lbl_s(*this, ElementKind::Label, "lbl_s", 81),
      lbl_q(*this, ElementKind::Label, "lbl_q", 81),
      txt_Titel(*this, ElementKind::TextBox, "txt_Titel", 5),
      lbl_erkl(*this, ElementKind::Label, "lbl_erkl", 5),
      txt_test(*this, ElementKind::TextBox, "txt_test"),
      cmd_einlesen_vorgabe(*this, ElementKind::Button, "cmd_einlesen_vorgabe"),
      cmd_back(*this, ElementKind::Button, "cmd_back"),
      cmd_ans_aend(*this, ElementKind::Button, "cmd_ans_aend"),
      cmd_save(*this, ElementKind::Button, "cmd_save"),
      cmd_neustart(*this, ElementKind::Button, "cmd_neustart"),
      cmd_druck(*this, ElementKind::Button, "cmd_druck"),
      cmd_exit(*this, ElementKind::Button, "cmd_exit"),
      program_(program) {
    createLayout();
    connectEvents();
}

void frm_sudoku_main::createLayout() {
    setCaption("Form1");
    setClientSize(11220, 8895);
    setBackColor(colours::background);
    setHasIcon(true);

    // The candidate pads' left edges by column and top edges by row.
    const int padLeft[] = {4560, 5235, 5910, 6600, 7260, 7935, 8610, 9285, 9960};
    const int padTop[] = {240, 905, 1560, 2225, 2880, 3545, 4200, 4865, 5520};
    const Font small{fonts::sans, 8.25, true, false};

    for (int k = 1; k <= 81; ++k) {
        // Element k of each array: row a and column b of its board, or digit
        // b of row, column or square a of its check display.
        const int position = solver::positionOfCell(k);
        const int a = solver::rowOf(position);
        const int b = solver::columnOf(position);
        const Rgb cellColour = colours::squares[solver::squareOf(position) - 1];

        Element& cell = txt_m(k);
        cell.move(360 + 360 * (b - 1), 2520 + 360 * (a - 1), 375, 375);
        cell.setBackColor(cellColour);
        cell.setFont(Font{fonts::sans, 12, true, false});
        cell.setMaxLength(1);
        cell.setTabIndex(k - 1);

        // The candidate pads are a display only: the program writes them.
        Element& pad = txt_c(k);
        pad.move(padLeft[b - 1], padTop[a - 1], 675, 675);
        pad.setBackColor(cellColour);
        pad.setMultiLine(true);
        pad.setLocked(true);
        pad.setTabIndex(81 + k - 1);

        Element& last = lbl_c(k);
        last.move(8640 + 240 * (b - 1), 6480 + 240 * (a - 1), 255, 255);
        last.setBackColor(cellColour);
        last.setFont(small);

        Element& row = lbl_w(k);
        row.move(480 + 240 * (b - 1), 6000 + 240 * (a - 1) + 240 * ((a - 1) / 3), 255, 255);
        row.setBackColor(lineColour(a));
        row.setFont(small);

        Element& column = lbl_s(k);
        column.move(480 + 240 * (a - 1) + 360 * ((a - 1) / 3), 120 + 240 * (b - 1), 255, 255);
        column.setBackColor(lineColour(a));
        column.setFont(small);

        Element& square = lbl_q(k);
        square.move(3000 + 720 * ((a - 1) % 3) + 240 * ((b - 1) % 3),
                    6480 + 720 * ((a - 1) / 3) + 240 * ((b - 1) / 3), 255, 255);
        square.setBackColor(colours::squares[a - 1]);
        square.setFont(small);
    }
    for (ElementArray* field : {&txt_m, &txt_c, &lbl_c, &lbl_w, &lbl_s, &lbl_q})
        for (int k = 0; k <= 81; ++k) (*field)(k).setAlignment(Alignment::Center);

    // The hidden spare elements 0.
    txt_m(0).move(3360, 6000, 255, 375);
    txt_m(0).setFont(Font{fonts::sans, 12, true, false});
    txt_m(0).setMaxLength(1);
    txt_c(0).move(3720, 6120, 195, 285);
    txt_c(0).setMultiLine(true);
    txt_c(0).setLocked(true);
    lbl_c(0).move(2880, 5880, 135, 135);
    lbl_q(0).move(2880, 6120, 135, 135);
    lbl_w(0).move(3120, 6120, 135, 135);
    lbl_s(0).move(3120, 5880, 135, 135);
    for (ElementArray* field : {&txt_m, &txt_c, &lbl_c, &lbl_w, &lbl_s, &lbl_q}) {
        (*field)(0).setBackColor(Rgb{255, 192, 192});
        (*field)(0).setVisible(false);
    }

    struct TitleLetter {
        const char* letter;
        int left, top, width;
        std::optional<Rgb> colour;
    };
    const TitleLetter title[] = {
        {"S", 3600, 120, 615, std::nullopt},      {"U", 3840, 1080, 615, Rgb{128, 0, 128}},
        {"D", 3600, 2160, 855, Rgb{192, 0, 0}},   {"O", 3720, 3120, 615, Rgb{255, 128, 0}},
        {"K", 3600, 4080, 615, Rgb{128, 128, 0}}, {"U", 3840, 5040, 615, Rgb{192, 64, 0}}};
    int tab = 162;
    for (int i = 0; i <= 5; ++i) {
        Element& letter = txt_Titel(i);
        letter.setText(title[i].letter);
        letter.move(title[i].left, title[i].top, title[i].width, 855);
        letter.setFont(Font{fonts::handwriting, 36, false, false});
        letter.setAlignment(Alignment::Center);
        letter.setBackColor(colours::background);
        letter.setForeColor(title[i].colour);
        letter.setLocked(true);  // the letters are decoration, not input
        letter.setTabIndex(tab++);
    }

    struct InfoSpec {
        int left, top, width, height;
    };
    const InfoSpec info[] = {{7320, 6480, 1215, 495}, {7440, 7080, 375, 375},
                             {8040, 7080, 375, 375},  {7320, 7560, 1215, 495},
                             {7440, 8160, 375, 375},  {8040, 8160, 375, 375}};
    for (int i = 0; i <= 5; ++i) {
        Element& label = lbl_erkl(i);
        label.move(info[i].left, info[i].top, info[i].width, info[i].height);
        label.setAlignment(Alignment::Center);
        bool titleLine = i == 0 || i == 3;
        label.setBackColor(titleLine ? Rgb{255, 192, 255} : Rgb{255, 255, 255});
        label.setFont(titleLine ? Font{fonts::handwriting, 8.25, false, false}
                                : Font{fonts::sans, 9.75, true, false});
    }

    txt_test.move(4080, 6000, 255, 285);
    txt_test.setMultiLine(true);
    txt_test.setVerticalScrollBar(true);
    txt_test.setLocked(true);
    txt_test.setVisible(false);
    txt_test.setTabIndex(tab++);

    struct ButtonSpec {
        Element& element;
        const char* text;
        int top, height;
        double size;
    };
    for (const ButtonSpec& button :
         {ButtonSpec{cmd_einlesen_vorgabe, "Datei einlesen", 6360, 315, 8.25},
          ButtonSpec{cmd_back, "1 Schritt zurück", 6690, 315, 9},
          ButtonSpec{cmd_ans_aend, "Ansicht ändern", 7020, 315, 9},
          ButtonSpec{cmd_save, "Speichern", 7350, 315, 9},
          ButtonSpec{cmd_neustart, "Neu starten", 7680, 315, 9},
          ButtonSpec{cmd_druck, "Drucken", 8010, 315, 8.25},
          ButtonSpec{cmd_exit, "Sudoku verlassen", 8340, 375, 8.25}}) {
        button.element.setText(button.text);
        button.element.move(5400, button.top, 1815, button.height);
        button.element.setBackColor(colours::button);
        button.element.setFont(Font{fonts::handwriting, button.size, false, false});
        button.element.setTabIndex(tab++);
    }

    nameForScreenReaders();
}

void frm_sudoku_main::connectEvents() {
    for (int k = 0; k <= 81; ++k) {
        auto index = static_cast<Integer>(k);
        txt_m(k).onKeyPress = [this, index](int& code) { txt_m_KeyPress(index, code); };
        txt_m(k).onChange = [this, index] { txt_m_Change(index); };
        lbl_c(k).onClick = [this, index] { lbl_c_Click(index); };
    }
    for (int i = 0; i <= 5; ++i) {
        auto index = static_cast<Integer>(i);
        txt_Titel(i).onClick = [this, index] { txt_Titel_Click(index); };
    }
    cmd_einlesen_vorgabe.onClick = [this] { cmd_einlesen_vorgabe_Click(); };
    cmd_back.onClick = [this] { cmd_back_Click(); };
    cmd_ans_aend.onClick = [this] { cmd_ans_aend_Click(); };
    cmd_save.onClick = [this] { cmd_save_Click(); };
    cmd_neustart.onClick = [this] { cmd_neustart_Click(); };
    cmd_druck.onClick = [this] { cmd_druck_Click(); };
    cmd_exit.onClick = [this] { cmd_exit_Click(); };
}

void frm_sudoku_main::nameForScreenReaders() {
    setAccessibleName("Sudoku – Spielfeld");
    for (int k = 1; k <= 81; ++k) {
        // Element k of each array: row a and column b of its board, or
        // digit b of row, column or square a of its check display.
        const int position = solver::positionOfCell(k);
        const std::string a = std::to_string(solver::rowOf(position));
        const std::string b = std::to_string(solver::columnOf(position));
        const std::string place = "Zeile " + a + ", Spalte " + b;
        txt_m(k).setAccessibleName(place);
        txt_c(k).setAccessibleName("Kandidaten " + place);
        lbl_c(k).setAccessibleName("Letzte Eingabe und Markierung " + place);
        lbl_w(k).setAccessibleName("Offene Ziffer " + b + " in Zeile " + a);
        lbl_s(k).setAccessibleName("Offene Ziffer " + b + " in Spalte " + a);
        lbl_q(k).setAccessibleName("Offene Ziffer " + b + " im Quadrat " + a);
    }
    lbl_erkl(1).setAccessibleName("Buchstabe der markierten letzten Eingabe");
    lbl_erkl(2).setAccessibleName("Ziffer der markierten letzten Eingabe");
    lbl_erkl(4).setAccessibleName("Eingegebene Ziffern: Vorgaben, vor dem Festlegen alle");
    lbl_erkl(5).setAccessibleName("Eingegebene Ziffern: eigene");
}

const frm_sudoku_start& frm_sudoku_main::startScreen() const {
    return program_.start;
}

void frm_sudoku_main::cmd_ans_aend_Click() {
    nicht_neu = True;
    hide();
    program_.start.cmd_start.setText("Fortsetzen");
    program_.start.show();
    program_.start.cmd_aend_beg();
}

void frm_sudoku_main::cmd_exit_Click() {
    if (beenden != True) {
        int answer = application().messageBox("Wollen Sie das Programm wirklich beenden?",
                                              toolkit::yes_no + toolkit::exclamation, "Rückfrage");
        if (answer != toolkit::answer_yes) return;
    }
    program_.start.unload();
    program_.druck.unload();
    unload();
}

void frm_sudoku_main::cmd_druck_Click() {
    hide();
    program_.druck.open();
}

void frm_sudoku_main::closeRequested() {
    cmd_exit_Click();
}
