// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace toolkit {

// The run-time failure numbers the program's trapping procedures tell apart.
enum FailureNumber : int {
    failure_overflow = 6,           // overflow of a 16-bit Integer
    failure_subscript = 9,          // array subscript out of range
    failure_type_mismatch = 13,     // type mismatch (text that is no digit)
    failure_file_not_found = 53,    // file not found
    failure_path_not_found = 76,    // directory part does not exist
    failure_element_missing = 340,  // element array index above the upper bound
    failure_element_index = 341,    // element array index below 0
    failure_property_value = 380,   // a property set to a value it cannot take
    failure_property_index = 381,   // a row or column outside a grid
    failure_printer = 482,          // printer failure
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
