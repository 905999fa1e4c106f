// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/frm_sudoku_main.h"

#include "screens/farben.h"
#include "screens/programm.h"

using toolkit::Alignment;
using toolkit::ElementKind;
using toolkit::Font;
using toolkit::Rgb;
using toolkit::True;

namespace {

const char* const lucida = "Lucida Handwriting";
const char* const sans = "MS Sans Serif";

// Background colours of the nine squares, square 1 top-left.
constexpr Rgb quadrat_farben[] = {{255, 192, 192}, {255, 192, 128}, {255, 128, 0},
                                  {128, 255, 128}, {0, 255, 0},     {0, 192, 0},
                                  {128, 255, 255}, {0, 192, 192},   {128, 128, 255}};

// Colour of row or column n (1 to 9).
Rgb linien_farbe(int n) {
    switch ((n - 1) % 3) {
        case 0:
            return {255, 255, 128};
        case 1:
            return {255, 255, 0};
        default:
            return {192, 192, 0};
    }
}

Rgb quadrat_farbe_der_zelle(int a, int b) {
    return quadrat_farben[(a - 1) / 3 * 3 + (b - 1) / 3];
}

}  // namespace

frm_sudoku_main::frm_sudoku_main(Programm& programm)
    : Screen(programm.app, "frm_sudoku_main"),
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
      programm_(programm) {
    layout_anlegen();
}

void frm_sudoku_main::layout_anlegen() {
    setCaption("Form1");
    setClientSize(11220, 8895);
    setBackColor(farben::hintergrund);
    setHasIcon(true);

    const int txt_c_links[] = {4560, 5235, 5910, 6600, 7260, 7935, 8610, 9285, 9960};
    const int txt_c_oben[] = {240, 905, 1560, 2225, 2880, 3545, 4200, 4865, 5520};
    const Font klein{sans, 8.25, true, false};

    for (int k = 1; k <= 81; ++k) {
        const int a = (k - 1) / 9 + 1;
        const int b = (k - 1) % 9 + 1;
        const Rgb zellfarbe = quadrat_farbe_der_zelle(a, b);

        Element& zelle = txt_m(k);
        zelle.move(360 + 360 * (b - 1), 2520 + 360 * (a - 1), 375, 375);
        zelle.setBackColor(zellfarbe);
        zelle.setFont(Font{sans, 12, true, false});
        zelle.setMaxLength(1);
        zelle.setTabIndex(k - 1);

        // The candidate pads are a display only: the program writes them.
        Element& pad = txt_c(k);
        pad.move(txt_c_links[b - 1], txt_c_oben[a - 1], 675, 675);
        pad.setBackColor(zellfarbe);
        pad.setMultiLine(true);
        pad.setLocked(true);
        pad.setTabIndex(81 + k - 1);

        Element& letzte = lbl_c(k);
        letzte.move(8640 + 240 * (b - 1), 6480 + 240 * (a - 1), 255, 255);
        letzte.setBackColor(zellfarbe);
        letzte.setFont(klein);

        Element& reihe = lbl_w(k);
        reihe.move(480 + 240 * (b - 1), 6000 + 240 * (a - 1) + 240 * ((a - 1) / 3), 255, 255);
        reihe.setBackColor(linien_farbe(a));
        reihe.setFont(klein);

        Element& spalte = lbl_s(k);
        spalte.move(480 + 240 * (a - 1) + 360 * ((a - 1) / 3), 120 + 240 * (b - 1), 255, 255);
        spalte.setBackColor(linien_farbe(a));
        spalte.setFont(klein);

        Element& quadrat = lbl_q(k);
        quadrat.move(3000 + 720 * ((a - 1) % 3) + 240 * ((b - 1) % 3),
                     6480 + 720 * ((a - 1) / 3) + 240 * ((b - 1) / 3), 255, 255);
        quadrat.setBackColor(quadrat_farben[a - 1]);
        quadrat.setFont(klein);
    }
    for (ElementArray* feld : {&txt_m, &txt_c, &lbl_c, &lbl_w, &lbl_s, &lbl_q})
        for (int k = 0; k <= 81; ++k) (*feld)(k).setAlignment(Alignment::Center);

    // The hidden spare elements 0.
    txt_m(0).move(3360, 6000, 255, 375);
    txt_m(0).setFont(Font{sans, 12, true, false});
    txt_m(0).setMaxLength(1);
    txt_c(0).move(3720, 6120, 195, 285);
    txt_c(0).setMultiLine(true);
    txt_c(0).setLocked(true);
    lbl_c(0).move(2880, 5880, 135, 135);
    lbl_q(0).move(2880, 6120, 135, 135);
    lbl_w(0).move(3120, 6120, 135, 135);
    lbl_s(0).move(3120, 5880, 135, 135);
    for (ElementArray* feld : {&txt_m, &txt_c, &lbl_c, &lbl_w, &lbl_s, &lbl_q}) {
        (*feld)(0).setBackColor(Rgb{255, 192, 192});
        (*feld)(0).setVisible(false);
    }

    struct Titel {
        const char* buchstabe;
        int left, top, width;
        std::optional<Rgb> farbe;
    };
    const Titel titel[] = {
        {"S", 3600, 120, 615, std::nullopt},      {"U", 3840, 1080, 615, Rgb{128, 0, 128}},
        {"D", 3600, 2160, 855, Rgb{192, 0, 0}},   {"O", 3720, 3120, 615, Rgb{255, 128, 0}},
        {"K", 3600, 4080, 615, Rgb{128, 128, 0}}, {"U", 3840, 5040, 615, Rgb{192, 64, 0}}};
    int tab = 162;
    for (int i = 0; i <= 5; ++i) {
        Element& buchstabe = txt_Titel(i);
        buchstabe.setText(titel[i].buchstabe);
        buchstabe.move(titel[i].left, titel[i].top, titel[i].width, 855);
        buchstabe.setFont(Font{lucida, 36, false, false});
        buchstabe.setAlignment(Alignment::Center);
        buchstabe.setBackColor(farben::hintergrund);
        buchstabe.setForeColor(titel[i].farbe);
        buchstabe.setLocked(true);  // the letters are decoration, not input
        buchstabe.setTabIndex(tab++);
    }

    struct Info {
        int left, top, width, height;
    };
    const Info info[] = {{7320, 6480, 1215, 495}, {7440, 7080, 375, 375}, {8040, 7080, 375, 375},
                         {7320, 7560, 1215, 495}, {7440, 8160, 375, 375}, {8040, 8160, 375, 375}};
    for (int i = 0; i <= 5; ++i) {
        Element& label = lbl_erkl(i);
        label.move(info[i].left, info[i].top, info[i].width, info[i].height);
        label.setAlignment(Alignment::Center);
        bool titel_zeile = i == 0 || i == 3;
        label.setBackColor(titel_zeile ? Rgb{255, 192, 255} : Rgb{255, 255, 255});
        label.setFont(titel_zeile ? Font{lucida, 8.25, false, false}
                                  : Font{sans, 9.75, true, false});
    }

    txt_test.move(4080, 6000, 255, 285);
    txt_test.setMultiLine(true);
    txt_test.setVerticalScrollBar(true);
    txt_test.setLocked(true);
    txt_test.setVisible(false);
    txt_test.setTabIndex(tab++);

    struct Knopf {
        Element& element;
        const char* text;
        int top, height;
        double size;
    };
    for (const Knopf& knopf : {Knopf{cmd_einlesen_vorgabe, "Datei einlesen", 6360, 315, 8.25},
                               Knopf{cmd_back, "1 Schritt zurück", 6690, 315, 9},
                               Knopf{cmd_ans_aend, "Ansicht ändern", 7020, 315, 9},
                               Knopf{cmd_save, "Speichern", 7350, 315, 9},
                               Knopf{cmd_neustart, "Neu starten", 7680, 315, 9},
                               Knopf{cmd_druck, "Drucken", 8010, 315, 8.25},
                               Knopf{cmd_exit, "Sudoku verlassen", 8340, 375, 8.25}}) {
        knopf.element.setText(knopf.text);
        knopf.element.move(5400, knopf.top, 1815, knopf.height);
        knopf.element.setBackColor(farben::schaltflaeche);
        knopf.element.setFont(Font{lucida, knopf.size, false, false});
        knopf.element.setTabIndex(tab++);
    }

    // Events.
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

    nameForScreenReaders();
}

void frm_sudoku_main::nameForScreenReaders() {
    setAccessibleName("Sudoku – Spielfeld");
    for (int k = 1; k <= 81; ++k) {
        // Element k of each array: row a and column b of its board, or
        // digit b of row, column or square a of its check display.
        const std::string a = std::to_string((k - 1) / 9 + 1);
        const std::string b = std::to_string((k - 1) % 9 + 1);
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

void frm_sudoku_main::cmd_ans_aend_Click() {
    nicht_neu = True;
    hide();
    programm_.start.cmd_start.setText("Fortsetzen");
    programm_.start.show();
    programm_.start.cmd_aend_beg();
}

void frm_sudoku_main::cmd_exit_Click() {
    if (beenden != True) {
        int antwort =
            application().messageBox("Wollen Sie das Programm wirklich beenden?",
                                     toolkit::ja_nein + toolkit::ausrufezeichen, "Rückfrage");
        if (antwort != toolkit::antwort_ja) return;
    }
    programm_.start.unload();
    programm_.druck.unload();
    unload();
}

void frm_sudoku_main::cmd_druck_Click() {
    hide();
    programm_.druck.oeffnen();
}

void frm_sudoku_main::closeRequested() {
    cmd_exit_Click();
}
