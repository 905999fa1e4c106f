// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "screens/toolkit/failure.h"

namespace toolkit {

// A fixed-size array with inclusive bounds; an index outside them raises the
// subscript failure (9), as the program's own arrays do.
template <class T, int Lower, int Upper>
class BoundedArray {
  public:
    T& operator()(int i) { return values_[offset(i)]; }
    const T& operator()(int i) const { return values_[offset(i)]; }
    void fill(const T& value) { values_.fill(value); }

  private:
    static std::size_t offset(int i) {
        if (i < Lower || i > Upper)
            throw Failure(fehler_index_ausserhalb, "Index außerhalb des gültigen Bereichs");
        return static_cast<std::size_t>(i - Lower);
    }
    std::array<T, Upper - Lower + 1> values_{};
};

// The same with two indexes, both running over the same bounds.
template <class T, int Lower, int Upper>
class BoundedArray2 {
  public:
    T& operator()(int i, int j) { return values_[offset(i, j)]; }
    const T& operator()(int i, int j) const { return values_[offset(i, j)]; }

  private:
    static constexpr std::size_t size = Upper - Lower + 1;
    static std::size_t offset(int i, int j) {
        if (i < Lower || i > Upper || j < Lower || j > Upper)
            throw Failure(fehler_index_ausserhalb, "Index außerhalb des gültigen Bereichs");
        return static_cast<std::size_t>(i - Lower) * size + static_cast<std::size_t>(j - Lower);
    }
    std::array<T, size * size> values_{};
};

}  // namespace toolkit
