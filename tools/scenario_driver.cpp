// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario_driver.h"

#include <algorithm>
#include <charconv>

#include "screens/program.h"
#include "screens/toolkit/failure.h"
#include "screens/toolkit/grid.h"
#include "solver/step_text.h"

using toolkit::Element;
using toolkit::Screen;

namespace {

std::string trueFalse(bool b) {
    return b ? "True" : "False";
}

std::string color(const std::optional<toolkit::Rgb>& c) {
    if (!c) return "default";
    return "RGB(" + std::to_string(c->r) + "," + std::to_string(c->g) + "," + std::to_string(c->b) +
           ")";
}

std::string font(const toolkit::Font& f) {
    std::string text = toolkit::quoted(f.name) + " " + toolkit::numberText(f.size);
    if (f.bold) text += " bold";
    if (f.italic) text += " italic";
    return text;
}

int parseInt(std::string_view text) {
    int number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        throw ScriptError("not a number: " + std::string(text));
    return number;
}

// "\n" is a line end and "\\" a backslash; every other character stands
// for itself.
std::string unescape(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            result += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

// Splits "word rest of line" at the first blank.
std::pair<std::string, std::string> firstWord(const std::string& line) {
    std::size_t blank = line.find(' ');
    if (blank == std::string::npos) return {line, ""};
    return {line.substr(0, blank), line.substr(blank + 1)};
}

// A cell property of a grid: text, backcolor or fontflag of cell (row, col).
std::string gridCellProperty(const toolkit::Grid& grid, const std::string& property,
                             const std::vector<int>& arguments) {
    if (arguments.size() != 2) throw ScriptError("a grid cell needs a row and a column");
    const int row = arguments[0], col = arguments[1];
    if (row < 0 || row >= grid.rows() || col < 0 || col >= grid.cols())
        throw ScriptError("no such grid cell: " + std::to_string(row) + "," + std::to_string(col));
    const toolkit::GridCell& cell = grid.cell(row, col);
    if (property == "text") return toolkit::quoted(cell.text);
    if (property == "backcolor") return color(cell.backColor);
    if (property == "fontflag") return trueFalse(cell.bold);
    throw ScriptError("unknown grid cell property: " + property);
}

// A cell as "r5c6".
std::string cellText(int position) {
    return "r" + std::to_string(solver::rowOf(position)) + "c" +
           std::to_string(solver::columnOf(position));
}

}  // namespace

std::string markingLine(const solver::HintMarking& marking) {
    std::string line = "marking target " + cellText(marking.target);
    const auto cells = [&](const char* name, const std::vector<int>& positions) {
        if (positions.empty()) return;
        line += std::string(" ") + name;
        for (int p : positions) line += " " + cellText(p);
    };
    const auto candidates = [&](const char* name, std::vector<solver::Candidate> list) {
        if (list.empty()) return;
        std::sort(list.begin(), list.end(),
                  [](const solver::Candidate& a, const solver::Candidate& b) {
                      return std::pair(a.position, a.digit) < std::pair(b.position, b.digit);
                  });
        line += std::string(" ") + name;
        for (const solver::Candidate& c : list) line += " " + solver::eliminationText(c);
    };
    cells("losing", marking.eliminationCells);
    cells("pattern", marking.patternCells);
    candidates("struck", marking.eliminated);
    candidates("marked", marking.pattern);
    return line;
}

std::string splitIndexes(std::string_view text, std::vector<int>& indexes) {
    indexes.clear();
    std::size_t open = text.find('(');
    if (open == std::string_view::npos) return std::string(text);
    if (text.back() != ')') throw ScriptError("malformed index: " + std::string(text));
    std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    while (true) {
        std::size_t comma = inside.find(',');
        indexes.push_back(parseInt(inside.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        inside.remove_prefix(comma + 1);
    }
    return std::string(text.substr(0, open));
}

ScenarioDriver::ScenarioDriver(std::ostream& out)
    : out_(out), platform_(out), program_(std::make_unique<Program>(platform_)) {
    program_->assistant.hints().onMarking = [this](const solver::HintMarking& marking) {
        out_ << markingLine(marking) << '\n';
    };
    program_->startProgram();
}

ScenarioDriver::~ScenarioDriver() = default;

Screen* ScenarioDriver::screen(std::string_view name) {
    for (Screen* s : program_->app.screens())
        if (s->name() == name) return s;
    return nullptr;
}

Element& ScenarioDriver::element(std::string_view reference) {
    std::vector<Screen*> screens = program_->app.screens();
    std::size_t dot = reference.find('.');
    if (dot != std::string_view::npos) {
        Screen* s = screen(reference.substr(0, dot));
        if (!s) throw ScriptError("unknown screen: " + std::string(reference.substr(0, dot)));
        screens = {s};
        reference.remove_prefix(dot + 1);
    }
    std::vector<int> indexes;
    std::string name = splitIndexes(reference, indexes);
    if (indexes.size() > 1) throw ScriptError("too many indexes: " + std::string(reference));
    int index = indexes.empty() ? -1 : indexes[0];
    for (Screen* s : screens)
        if (Element* e = s->find(name, index)) return *e;
    throw ScriptError("unknown element: " + std::string(reference));
}

std::string ScenarioDriver::elementProperty(Element& e, const std::string& property,
                                            const std::vector<int>& arguments) {
    if (!arguments.empty()) {
        if (const auto* grid = dynamic_cast<const toolkit::Grid*>(&e))
            return gridCellProperty(*grid, property, arguments);
        throw ScriptError("unknown property: " + property);
    }
    if (property == "text" || property == "caption") return toolkit::quoted(e.text());
    if (property == "visible") return trueFalse(e.visible());
    if (property == "enabled") return trueFalse(e.enabled());
    if (property == "locked") return trueFalse(e.locked());
    if (property == "italic") return trueFalse(e.italic());
    if (property == "value") return std::to_string(e.value());
    if (property == "left") return std::to_string(e.left());
    if (property == "top") return std::to_string(e.top());
    if (property == "width") return std::to_string(e.width());
    if (property == "height") return std::to_string(e.height());
    if (property == "backcolor") return color(e.backColor());
    if (property == "forecolor") return color(e.foreColor());
    if (property == "font") return font(e.font());
    if (property == "decoration") return toolkit::decorationText(e.decoration());
    throw ScriptError("unknown property: " + property);
}

std::string ScenarioDriver::value(const std::string& x) {
    if (x == "screen") {
        Screen* s = program_->app.visibleScreen();
        return s ? s->name() : "none";
    }
    if (x == "focus") {
        Element* e = program_->app.focus();
        return e ? e->fullName() : "none";
    }
    std::size_t dot = x.find('.');
    if (dot != std::string::npos) {
        if (Screen* s = screen(x.substr(0, dot))) {
            std::string property = x.substr(dot + 1);
            if (property == "visible") return trueFalse(s->visible());
            if (property == "caption") return toolkit::quoted(s->caption());
            if (property == "width") return std::to_string(s->clientWidth());
            if (property == "height") return std::to_string(s->clientHeight());
        }
    } else {
        std::vector<int> indexes;
        std::string name = splitIndexes(x, indexes);
        try {
            if (auto v = variableValue(*program_, name, indexes)) return *v;
        } catch (const toolkit::Failure& failure) {
            throw ScriptError("index out of range: " + x);
        }
        throw ScriptError("unknown name: " + x);
    }
    // Element property: the last dot outside parentheses separates it.
    std::size_t split = std::string::npos;
    int depth = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] == '(') ++depth;
        if (x[i] == ')') --depth;
        if (x[i] == '.' && depth == 0) split = i;
    }
    std::vector<int> arguments;
    std::string property = splitIndexes(x.substr(split + 1), arguments);
    return elementProperty(element(x.substr(0, split)), property, arguments);
}

void ScenarioDriver::runLine(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') return;
    auto [command, rest] = firstWord(line);

    if (command == "print") {
        out_ << rest << " = " << value(rest) << '\n';
        return;
    }
    if (program_->app.ended()) throw ScriptError("the program has ended: " + line);

    if (command == "click") {
        Element& e = element(rest);
        if (!e.screen().visible() || !e.visible() || !e.enabled())
            return;  // a user cannot click it
        if (e.canTakeFocus()) e.screen().setFocus(e);
        e.click();
    } else if (command == "type" || command == "key") {
        auto [reference, text] = firstWord(rest);
        Element& e = element(reference);
        if (!e.screen().visible() || !e.canTakeFocus())
            throw ScriptError("element cannot take the focus: " + reference);
        e.screen().setFocus(e);
        std::vector<int> codes;
        if (command == "key") {
            // A chord of the command table, or a character code.
            if (auto chord = toolkit::chordFromName(text)) {
                if (!program_->assistant.commands().knows(*chord))
                    throw ScriptError("no command has the key: " + text);
                if (Element* target = program_->app.focus()) target->pressChord(*chord);
                return;
            }
            codes.push_back(parseInt(text));
        } else {
            // One key press per UTF-8 character.
            for (std::size_t i = 0; i < text.size();) {
                auto c = static_cast<unsigned char>(text[i]);
                int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
                int code = length == 1 ? c : c & (0x3F >> (length - 1));
                for (int k = 1; k < length && i + k < text.size(); ++k)
                    code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
                codes.push_back(code);
                i += static_cast<std::size_t>(length);
            }
        }
        for (int code : codes) {
            if (program_->app.ended()) break;
            if (Element* target = program_->app.focus()) target->pressKey(code);
        }
    } else if (command == "input") {
        platform_.queueInput(rest);
    } else if (command == "cancel" && rest.empty()) {
        platform_.queueInput(std::nullopt);
    } else if (command == "answer" && (rest == "yes" || rest == "no")) {
        platform_.queueAnswer(rest == "yes");
    } else if (command == "close") {
        Screen* s = screen(rest);
        if (!s) throw ScriptError("unknown screen: " + rest);
        if (s->visible()) program_->app.runUserEvent([s] { s->closeRequested(); });
    } else if (command == "printer" && (rest == "on" || rest == "off")) {
        platform_.setPrinterAvailable(rest == "on");
    } else if (command == "menu") {
        auto [reference, item] = firstWord(rest);
        Element& e = element(reference);
        const std::vector<toolkit::MenuItem> items = e.contextMenuItems();
        const toolkit::MenuItem* entry = toolkit::findMenuItem(items, item);
        if (!entry) throw ScriptError("unknown menu item: " + item);
        if (!e.screen().visible() || !e.visible() || !e.enabled())
            return;  // a user cannot right-click it
        // A right-click gives the element the focus, as a click does.
        if (e.canTakeFocus()) e.screen().setFocus(e);
        if (entry->enabled) program_->app.runUserEvent(entry->action);
    } else if (command == "clipboard") {
        platform_.setClipboard(unescape(rest));
    } else if (command == "seed") {
        platform_.setSeed(static_cast<unsigned>(parseInt(rest)));
    } else if (command == "file") {
        platform_.queueFile(rest == "cancel" ? std::nullopt : std::optional<std::string>(rest));
    } else {
        throw ScriptError("unknown command: " + line);
    }
}

int ScenarioDriver::run(std::istream& script, std::ostream& err) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        try {
            runLine(line);
        } catch (const ScriptError& error) {
            out_.flush();
            err << "line " << number << ": " << error.what() << '\n';
            return 2;
        }
    }
    return 0;
}
