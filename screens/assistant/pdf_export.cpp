// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/pdf_export.h"

#include <exception>

#include "files/puzzle_file.h"
#include "screens/program.h"

void PdfExport::save() {
    toolkit::Platform& platform = program_.app.platform();
    const std::optional<std::string> name =
        platform.saveFileName("Als PDF speichern", "sudoku.pdf");
    if (!name) return;
    frm_sudoku_druck& druck = program_.druck;
    try {
        // Under the same rules as a puzzle save: what that keeps, this keeps.
        druck.withPrintLayout([&] { platform.writePdf(druck, *name, puzzle::writeFile); });
    } catch (const std::exception&) {
        program_.app.messageBox("Die PDF-Datei konnte nicht geschrieben werden!", toolkit::ok_only,
                                "Achtung!");
    }
}
