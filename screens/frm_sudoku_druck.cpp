// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/frm_sudoku_druck.h"

#include <exception>
#include <functional>

#include "screens/farben.h"
#include "screens/programm.h"
#include "screens/toolkit/failure.h"

using toolkit::ElementKind;
using toolkit::Font;
using toolkit::Rgb;

namespace {

// Every element of the print screen writes in the screen's font.
const Font schrift{"Lucida Handwriting", 9.75, false, false};

constexpr Rgb vorgabe_grau{225, 225, 225};
constexpr int zellgroesse = 475;
constexpr int anmerkungen_hoehe = 3015;
// While printing, the notes field reaches down over the hidden buttons.
constexpr int anmerkungen_hoehe_druck = 3800;

}  // namespace

frm_sudoku_druck::frm_sudoku_druck(Programm& programm)
    : Screen(programm.app, "frm_sudoku_druck"),
      lbl_Anl(*this, ElementKind::Label, "lbl_Anl", 4),
      txt_eing(*this, ElementKind::TextBox, "txt_eing", 3),
      flx_print(*this, "flx_print", 9, 9),
      cmd_print(*this, ElementKind::Button, "cmd_print"),
      cmd_zurueck(*this, ElementKind::Button, "cmd_zurueck"),
      programm_(programm) {
    setCaption("Drucken");
    setAccessibleName("Sudoku – Drucken");
    setClientSize(9765, 8055);
    setBackColor(farben::hintergrund);

    struct Ort {
        int left, top, width, height;
    };
    const Ort beschriftungen[] = {{240, 240, 8655, 375},
                                  {240, 1080, 3375, 375},
                                  {240, 1800, 3375, 375},
                                  {240, 2520, 3375, 375},
                                  {5160, 3360, 3735, 375}};
    for (int i = 0; i <= 4; ++i) {
        const Ort& ort = beschriftungen[i];
        lbl_Anl(i).move(ort.left, ort.top, ort.width, ort.height);
        lbl_Anl(i).setBackColor(farben::hintergrund);
        lbl_Anl(i).setFont(schrift);
    }

    const Ort felder[] = {{4200, 960, 4695, 495},
                          {4200, 1680, 4695, 495},
                          {4200, 2520, 4695, 495},
                          {5160, 4080, 3735, anmerkungen_hoehe}};
    for (int i = 0; i <= 3; ++i) {
        const Ort& ort = felder[i];
        txt_eing(i).move(ort.left, ort.top, ort.width, ort.height);
        txt_eing(i).setFont(schrift);
        txt_eing(i).setTabIndex(i);
        if (i < 3) txt_eing(i).setBackColor(farben::hintergrund);
    }
    txt_eing(3).setMultiLine(true);
    txt_eing(3).setVerticalScrollBar(true);

    flx_print.move(240, 3480, 4455, 4455);
    flx_print.setFont(schrift);
    flx_print.setTabIndex(4);

    cmd_print.setText("Drucken");
    cmd_print.move(5160, 7320, 1335, 615);
    cmd_print.setTabIndex(5);
    cmd_zurueck.setText("Zurück ");
    cmd_zurueck.move(7560, 7320, 1335, 615);
    cmd_zurueck.setTabIndex(6);
    for (Element* knopf : {&cmd_print, &cmd_zurueck}) {
        knopf->setBackColor(farben::schaltflaeche);
        knopf->setFont(schrift);
    }

    cmd_print.onClick = [this] { cmd_print_Click(); };
    cmd_zurueck.onClick = [this] { cmd_zurueck_Click(); };
}

void frm_sudoku_druck::Form_Load() {
    cmd_print.setVisible(true);
    cmd_zurueck.setVisible(true);
    const char* const texte[] = {"Geben Sie, falls gewünscht, folgende Informationen ein!",
                                 "Bezeichnung / Nr. des Rätsels", "Name des Autors / Rätsellösers",
                                 "Datum / Uhrzeit der Erstellung", "Zusätzliche Anmerkungen"};
    for (int i = 0; i <= 4; ++i) lbl_Anl(i).setText(texte[i]);
    flx_print_fuellen();
}

void frm_sudoku_druck::oeffnen() {
    if (loaded()) flx_print_fuellen();
    show();
}

void frm_sudoku_druck::flx_print_fuellen() {
    const toolkit::ElementArray& txt_m = programm_.main.txt_m;
    for (int i = 0; i <= 8; ++i) {
        flx_print.setRowHeight(i, zellgroesse);
        flx_print.setColWidth(i, zellgroesse);
        for (int j = 0; j <= 8; ++j) {
            const int k = 9 * i + j + 1;
            flx_print.setRow(i);
            flx_print.setCol(j);
            // An italic board cell holds a given. The grid marks it bold on
            // grey: the screen's script face is slanted already, so italics
            // would hardly set a given apart, on screen or on paper. Own
            // entries get the normal background and weight explicitly, since
            // a refill may find a cell that was a given before a restart.
            const bool vorgabe = txt_m(k).italic();
            flx_print.setCellBackColor(vorgabe ? std::optional<Rgb>(vorgabe_grau) : std::nullopt);
            flx_print.setCellFontBold(vorgabe);
            flx_print.setCellAlignment(toolkit::mitte_mitte);
            flx_print.setTextMatrix(i, j, txt_m(k).text());
        }
    }
}

void frm_sudoku_druck::cmd_print_Click() {
    // Printing goes step by step. A printer failure is reported and the
    // remaining steps still run, so the screen comes back as it was; any
    // other failure is reported and the screen restored at once.
    const std::function<void()> schritte[] = {
        [this] { cmd_print.setVisible(false); },
        [this] { cmd_zurueck.setVisible(false); },
        [this] { txt_eing(3).setHeight(anmerkungen_hoehe_druck); },
        [this] { application().platform().printScreen(*this); },
        [this] { cmd_print.setVisible(true); },
        [this] { cmd_zurueck.setVisible(true); },
        [this] { txt_eing(3).setHeight(anmerkungen_hoehe); },
    };
    for (const auto& schritt : schritte) {
        try {
            schritt();
        } catch (const std::exception& fehler) {
            const auto* nummer = dynamic_cast<const toolkit::Failure*>(&fehler);
            if (nummer && nummer->number() == toolkit::fehler_drucker) {
                application().messageBox(
                    "Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!",
                    toolkit::nur_ok);
                continue;
            }
            application().messageBox("Ein unbekannter Fehler trat auf!", toolkit::nur_ok);
            nach_dem_druck();
            return;
        }
    }
}

void frm_sudoku_druck::withPrintLayout(const std::function<void()>& output) {
    cmd_print.setVisible(false);
    cmd_zurueck.setVisible(false);
    txt_eing(3).setHeight(anmerkungen_hoehe_druck);
    try {
        output();
    } catch (...) {
        nach_dem_druck();
        throw;
    }
    nach_dem_druck();
}

void frm_sudoku_druck::nach_dem_druck() {
    cmd_print.setVisible(true);
    cmd_zurueck.setVisible(true);
    txt_eing(3).setHeight(anmerkungen_hoehe);
}

void frm_sudoku_druck::cmd_zurueck_Click() {
    hide();
    programm_.main.show();
}

void frm_sudoku_druck::closeRequested() {
    cmd_zurueck_Click();
}
