// SPDX-License-Identifier: GPL-3.0-or-later
// sudoku-script: runs the program's screens headless from a scenario script
// (a file named as the argument, or standard input) and prints what a user
// would see.

#include <fstream>
#include <iostream>

#include "tools/scenario_driver.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "Aufruf: sudoku-script [SKRIPTDATEI]\n";
        return 2;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "Skriptdatei nicht lesbar: " << argv[1] << '\n';
            return 2;
        }
    }
    ScenarioDriver driver(std::cout);
    return driver.run(argc == 2 ? static_cast<std::istream&>(file) : std::cin, std::cerr);
}
