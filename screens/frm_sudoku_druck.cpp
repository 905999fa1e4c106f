// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/frm_sudoku_druck.h"

#include <exception>
#include <functional>
#include <vector>

#include "screens/look.h"
#include "screens/program.h"
#include "screens/toolkit/failure.h"
#include "solver/geometry.h"

using toolkit::ElementKind;
using toolkit::Font;
using toolkit::Rgb;

namespace {

// Every element of the print screen writes in the screen's font.
const Font font{fonts::handwriting, 9.75, false, false};

constexpr Rgb given_grey{225, 225, 225};
constexpr int cell_size = 475;
constexpr int notes_height = 3015;
// While printing, the notes field reaches down over the hidden buttons.
constexpr int notes_height_printing = 3800;

}  // namespace

frm_sudoku_druck::frm_sudoku_druck(Program& program)
    : Screen(program.app, "frm_sudoku_druck"),
      lbl_Anl(*this, ElementKind::Label, "lbl_Anl", 4),
      txt_eing(*this, ElementKind::TextBox, "txt_eing", 3),
      flx_print(*this, "flx_print", 9, 9),
      cmd_print(*this, ElementKind::Button, "cmd_print"),
      cmd_zurueck(*this, ElementKind::Button, "cmd_zurueck"),
      program_(program) {
    setCaption("Drucken");
    setAccessibleName("Sudoku – Drucken");
    setClientSize(9765, 8055);
    setBackColor(colours::background);

    struct Place {
        int left, top, width, height;
    };
    const Place captions[] = {{240, 240, 8655, 375},
                              {240, 1080, 3375, 375},
                              {240, 1800, 3375, 375},
                              {240, 2520, 3375, 375},
                              {5160, 3360, 3735, 375}};
    for (int i = 0; i <= 4; ++i) {
        const Place& place = captions[i];
        lbl_Anl(i).move(place.left, place.top, place.width, place.height);
        lbl_Anl(i).setBackColor(colours::background);
        lbl_Anl(i).setFont(font);
    }

    const Place fields[] = {{4200, 960, 4695, 495},
                            {4200, 1680, 4695, 495},
                            {4200, 2520, 4695, 495},
                            {5160, 4080, 3735, notes_height}};
    for (int i = 0; i <= 3; ++i) {
        const Place& place = fields[i];
        txt_eing(i).move(place.left, place.top, place.width, place.height);
        txt_eing(i).setFont(font);
        txt_eing(i).setTabIndex(i);
        if (i < 3) txt_eing(i).setBackColor(colours::background);
    }
    txt_eing(3).setMultiLine(true);
    txt_eing(3).setVerticalScrollBar(true);

    flx_print.move(240, 3480, 4455, 4455);
    flx_print.setFont(font);
    flx_print.setTabIndex(4);

    cmd_print.setText("Drucken");
    cmd_print.move(5160, 7320, 1335, 615);
    cmd_print.setTabIndex(5);
    cmd_zurueck.setText("Zurück ");
    cmd_zurueck.move(7560, 7320, 1335, 615);
    cmd_zurueck.setTabIndex(6);
    for (Element* button : {&cmd_print, &cmd_zurueck}) {
        button->setBackColor(colours::button);
        button->setFont(font);
    }

    cmd_print.onClick = [this] { cmd_print_Click(); };
    cmd_zurueck.onClick = [this] { cmd_zurueck_Click(); };
}

void frm_sudoku_druck::Form_Load() {
    cmd_print.setVisible(true);
    cmd_zurueck.setVisible(true);
    const char* const texts[] = {"Geben Sie, falls gewünscht, folgende Informationen ein!",
                                 "Bezeichnung / Nr. des Rätsels", "Name des Autors / Rätsellösers",
                                 "Datum / Uhrzeit der Erstellung", "Zusätzliche Anmerkungen"};
    for (int i = 0; i <= 4; ++i) lbl_Anl(i).setText(texts[i]);
    fillPrintGrid();
}

void frm_sudoku_druck::open() {
    if (loaded()) fillPrintGrid();
    show();
}

void frm_sudoku_druck::fillPrintGrid() {
    const toolkit::ElementArray& txt_m = program_.main.txt_m;
    for (int i = 0; i <= 8; ++i) {
        flx_print.setRowHeight(i, cell_size);
        flx_print.setColWidth(i, cell_size);
        for (int j = 0; j <= 8; ++j) {
            const int k = solver::cellNumber(solver::positionAt(i + 1, j + 1));
            flx_print.setRow(i);
            flx_print.setCol(j);
            // An italic board cell holds a given. The grid marks it bold on
            // grey: the screen's script face is slanted already, so italics
            // would hardly set a given apart, on screen or on paper. Own
            // entries get the normal background and weight explicitly, since
            // a refill may find a cell that was a given before a restart.
            const bool given = txt_m(k).italic();
            flx_print.setCellBackColor(given ? std::optional<Rgb>(given_grey) : std::nullopt);
            flx_print.setCellFontBold(given);
            flx_print.setCellAlignment(toolkit::center_center);
            flx_print.setTextMatrix(i, j, txt_m(k).text());
        }
    }
}

void frm_sudoku_druck::cmd_print_Click() {
    // Printing goes step by step. A printer failure is reported and the
    // remaining steps still run, so the screen comes back as it was; any
    // other failure is reported and the screen restored at once.
    std::vector<std::function<void()>> steps = printLayout(true);
    steps.push_back([this] { application().platform().printScreen(*this); });
    for (auto& step : printLayout(false)) steps.push_back(std::move(step));
    for (const auto& step : steps) {
        try {
            step();
        } catch (const std::exception& fail) {
            const auto* number = dynamic_cast<const toolkit::Failure*>(&fail);
            if (number && number->number() == toolkit::failure_printer) {
                application().messageBox(
                    "Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!",
                    toolkit::ok_only);
                continue;
            }
            application().messageBox("Ein unbekannter Fehler trat auf!", toolkit::ok_only);
            afterPrinting();
            return;
        }
    }
}

std::vector<std::function<void()>> frm_sudoku_druck::printLayout(bool printing) {
    return {
        [this, printing] { cmd_print.setVisible(!printing); },
        [this, printing] { cmd_zurueck.setVisible(!printing); },
        [this, printing] {
            txt_eing(3).setHeight(printing ? notes_height_printing : notes_height);
        },
    };
}

void frm_sudoku_druck::withPrintLayout(const std::function<void()>& output) {
    for (const auto& step : printLayout(true)) step();
    try {
        output();
    } catch (...) {
        afterPrinting();
        throw;
    }
    afterPrinting();
}

void frm_sudoku_druck::afterPrinting() {
    for (const auto& step : printLayout(false)) step();
}

void frm_sudoku_druck::cmd_zurueck_Click() {
    hide();
    program_.main.show();
}

void frm_sudoku_druck::closeRequested() {
    cmd_zurueck_Click();
}
