// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Program;

// "Als PDF speichern…" on the print screen: the printed page into a file.
class PdfExport {
  public:
    explicit PdfExport(Program& program) : program_(program) {}

    // Writes the print page into a PDF file the user names.
    void save();

  private:
    Program& program_;
};
