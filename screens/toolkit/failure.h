// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace toolkit {

// The run-time failure numbers the program's trapping procedures tell apart.
enum Fehlernummer : int {
    fehler_ueberlauf = 6,                  // overflow of a 16-bit Integer
    fehler_index_ausserhalb = 9,           // array subscript out of range
    fehler_typen_unvertraeglich = 13,      // type mismatch (text that is no digit)
    fehler_datei_nicht_gefunden = 53,      // file not found
    fehler_pfad_nicht_gefunden = 76,       // directory part does not exist
    fehler_element_fehlt = 340,            // element array index above the upper bound
    fehler_element_index_ungueltig = 341,  // element array index below 0
    fehler_eigenschaftswert = 380,         // a property set to a value it cannot take
    fehler_eigenschaftsindex = 381,        // a row or column outside a grid
    fehler_drucker = 482,                  // printer failure
};

// A run-time failure carrying its failure number, thrown where the program's
// toolkit would raise a run-time error.
class Failure : public std::runtime_error {
  public:
    Failure(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

}  // namespace toolkit
