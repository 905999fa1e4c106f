// SPDX-License-Identifier: GPL-3.0-or-later
// The screen variables and arrays that a scenario can print.

#include <functional>
#include <map>

#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"
#include "tools/scenario_driver.h"

namespace {

using toolkit::Integer;
using toolkit::zahl_text;

std::string zahl(double value) {
    return zahl_text(value);
}

}  // namespace

std::optional<std::string> variableValue(Programm& p, const std::string& name,
                                         const std::vector<int>& idx) {
    frm_sudoku_main& m = p.main;
    frm_sudoku_start& s = p.start;
    if (idx.empty()) {
        const std::map<std::string, std::function<std::string()>> scalars = {
            {"zl", [&] { return toolkit::quoted(m.zl); }},
            {"z", [&] { return zahl(m.z); }},
            {"wo_w", [&] { return zahl(m.wo_w); }},
            {"wo_s", [&] { return zahl(m.wo_s); }},
            {"wo_q", [&] { return zahl(m.wo_q); }},
            {"alt_z", [&] { return zahl(m.alt_z); }},
            {"back", [&] { return zahl(m.back); }},
            {"mark", [&] { return zahl(m.mark); }},
            {"q_s", [&] { return zahl(m.q_s); }},
            {"q_n", [&] { return zahl(m.q_n); }},
            {"anz_d_ziff", [&] { return zahl(m.anz_d_ziff); }},
            {"beenden", [&] { return zahl(m.beenden); }},
            {"Vorgabe", [&] { return zahl(m.Vorgabe); }},
            {"nicht_neu", [&] { return zahl(m.nicht_neu); }},
            {"Einlesen", [&] { return zahl(m.Einlesen); }},
            {"Spalten", [&] { return zahl(s.Spalten); }},
            {"Reihen", [&] { return zahl(s.Reihen); }},
            {"Quadr", [&] { return zahl(s.Quadr); }},
            {"Einzelf", [&] { return zahl(s.Einzelf); }},
            {"letzte_E", [&] { return zahl(s.letzte_E); }},
        };
        auto found = scalars.find(name);
        if (found == scalars.end()) return std::nullopt;
        return found->second();
    }
    if (idx.size() == 1) {
        const int i = idx[0];
        if (name == "zug_feld") return zahl(m.zug_feld(i));
        if (name == "zug_ziffer") return zahl(m.zug_ziffer(i));
        if (name == "einzelfeld_text") return toolkit::quoted(m.einzelfeld_text(i));
        if (name == "markierung") return toolkit::quoted(m.markierung(i));
        return std::nullopt;
    }
    if (idx.size() == 2) {
        const int i = idx[0], j = idx[1];
        if (name == "einzelfeld_alt") return toolkit::quoted(m.einzelfeld_alt(i, j));
        if (name == "zug_reihe") return zahl(m.zug_reihe(i, j));
        if (name == "zug_spalte") return zahl(m.zug_spalte(i, j));
        if (name == "zug_quadrat") return zahl(m.zug_quadrat(i, j));
    }
    return std::nullopt;
}
