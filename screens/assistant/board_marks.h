// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "screens/toolkit/decoration.h"

namespace toolkit {
class Application;
class Element;
}  // namespace toolkit

// The marks the additions lay over elements (decoration.h), kept in one
// place so that they never fight over an element. A passing mark shows what
// an addition has just found (a hint's cells, wrong entries, a solved board)
// and goes again when the next input has ended; a following mark (a digit
// marked at a glance) is made anew after every input while it is on. Where
// both mark an element the passing one wins: it is the one asked for last.
class BoardMarks {
  public:
    using Marks = std::vector<std::pair<toolkit::Element*, toolkit::Decoration>>;

    explicit BoardMarks(toolkit::Application& app);
    ~BoardMarks();
    BoardMarks(const BoardMarks&) = delete;
    BoardMarks& operator=(const BoardMarks&) = delete;

    // Shows the marks until the next input has ended. They replace the
    // passing marks of an earlier input; within the same input the later of
    // two marks of one element wins.
    void showPassing(const Marks& marks);
    // Drops the passing marks at once.
    void clearPassing();
    // The following marks: made by `make` now and after every input; null
    // ends them.
    void follow(std::function<Marks()> make);
    bool following() const { return static_cast<bool>(follow_); }

  private:
    // Told after each input: drops passing marks of earlier inputs, makes the
    // following marks anew and lays the result over the elements.
    void afterInput();
    void apply();

    toolkit::Application& app_;
    int listener_ = 0;
    std::map<toolkit::Element*, toolkit::Decoration> passing_;
    std::uint64_t passingInput_ = 0;
    std::function<Marks()> follow_;
    Marks followed_;
    // What this has laid over each element and not cleared yet.
    std::map<toolkit::Element*, toolkit::Decoration> shown_;
};
