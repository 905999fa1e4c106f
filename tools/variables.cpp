// SPDX-License-Identifier: GPL-3.0-or-later
// The screen variables and arrays that a scenario can print.

#include <functional>
#include <map>

#include "screens/program.h"
#include "screens/toolkit/scripted_platform.h"
#include "tools/scenario_driver.h"

namespace {

using toolkit::Integer;
using toolkit::numberText;

std::string number(double value) {
    return numberText(value);
}

}  // namespace

std::optional<std::string> variableValue(Program& p, const std::string& name,
                                         const std::vector<int>& idx) {
    frm_sudoku_main& m = p.main;
    frm_sudoku_start& s = p.start;
    if (idx.empty()) {
        const std::map<std::string, std::function<std::string()>> scalars = {
            {"zl", [&] { return toolkit::quoted(m.zl); }},
            {"z", [&] { return number(m.z); }},
            {"wo_w", [&] { return number(m.wo_w); }},
            {"wo_s", [&] { return number(m.wo_s); }},
            {"wo_q", [&] { return number(m.wo_q); }},
            {"alt_z", [&] { return number(m.alt_z); }},
            {"back", [&] { return number(m.back); }},
            {"mark", [&] { return number(m.mark); }},
            {"q_s", [&] { return number(m.q_s); }},
            {"q_n", [&] { return number(m.q_n); }},
            {"anz_d_ziff", [&] { return number(m.anz_d_ziff); }},
            {"beenden", [&] { return number(m.beenden); }},
            {"Vorgabe", [&] { return number(m.Vorgabe); }},
            {"nicht_neu", [&] { return number(m.nicht_neu); }},
            {"Einlesen", [&] { return number(m.Einlesen); }},
            {"Spalten", [&] { return number(s.Spalten); }},
            {"Reihen", [&] { return number(s.Reihen); }},
            {"Quadr", [&] { return number(s.Quadr); }},
            {"Einzelf", [&] { return number(s.Einzelf); }},
            {"letzte_E", [&] { return number(s.letzte_E); }},
        };
        auto found = scalars.find(name);
        if (found == scalars.end()) return std::nullopt;
        return found->second();
    }
    if (idx.size() == 1) {
        const int i = idx[0];
        if (name == "zug_feld") return number(m.zug_feld(i));
        if (name == "zug_ziffer") return number(m.zug_ziffer(i));
        if (name == "einzelfeld_text") return toolkit::quoted(m.einzelfeld_text(i));
        if (name == "markierung") return toolkit::quoted(m.markierung(i));
        return std::nullopt;
    }
    if (idx.size() == 2) {
        const int i = idx[0], j = idx[1];
        if (name == "einzelfeld_alt") return toolkit::quoted(m.einzelfeld_alt(i, j));
        if (name == "zug_reihe") return number(m.zug_reihe(i, j));
        if (name == "zug_spalte") return number(m.zug_spalte(i, j));
        if (name == "zug_quadrat") return number(m.zug_quadrat(i, j));
    }
    return std::nullopt;
}
