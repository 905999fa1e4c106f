// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the click on "Erklärung lesen" until the text is in its box and
// the window is painted, on the real Qt front end (offscreen platform), for
// the real text and files at the reader's limits; and until the message for
// files beyond them.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "screens/explanation.h"
#include "screens/program.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"
#include "tests/support/headless_game.h"
#include "tests/support/working_folder.h"

namespace {

// A fresh temporary working directory with an explanation file of these bytes.
struct Folder : WorkingFolder {
    explicit Folder(const std::string& bytes) { writeFile(explanation::file_name, bytes); }
};

std::string file(int kind) {
    switch (kind) {
        case 0:  // the real text
            return Folder::readFile(std::string(SUDOKU_SOURCE_DIR) + "/sudoku_erkl.txt");
        case 1:  // the byte limit in one line of words
        {
            std::string line;
            while (line.size() + 6 <= explanation::max_bytes) line += "Wort, ";
            return line;
        }
        default:  // the line limit, lines of 100 characters
        {
            std::string lines;
            for (std::size_t i = 0; i < explanation::max_lines; ++i)
                lines += std::string(99, 'x') + "\n";
            return lines;
        }
    }
}

void ExplanationShown(benchmark::State& state) {
    const Folder folder(file(static_cast<int>(state.range(0))));
    qtfront::QtPlatform platform;
    auto program = std::make_unique<Program>(platform);
    qtfront::QtFrontEnd frontEnd(platform, program->app);
    program->startProgram();
    QWidget* window = frontEnd.window(program->start);
    for (auto _ : state) {
        program->start.cmd_erkl.click();
        window->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        if (!program->start.txt_Erkl.visible()) state.SkipWithError("no text shown");
        program->start.cmd_erkl.click();      // back
        program->start.txt_Erkl.setText("");  // so that the next click shows it afresh
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Files beyond the limits: 5 MB in one line, 50 MB of empty lines.
void ExplanationRefused(benchmark::State& state) {
    const Folder folder(state.range(0) == 0 ? std::string(5'000'000, 'x')
                                            : std::string(50'000'000, '\n'));
    HeadlessGame<> game(Report::dropped);
    game.program->startProgram();
    for (auto _ : state) {
        game.program->start.cmd_erkl.click();
        if (game.program->start.txt_Erkl.visible()) state.SkipWithError("a text was shown");
    }
}

}  // namespace

BENCHMARK(ExplanationShown)
    ->Name("ExplanationShown/real_text")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ExplanationShown)
    ->Name("ExplanationShown/1MiB_in_one_line")
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ExplanationShown)
    ->Name("ExplanationShown/10000_lines")
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ExplanationRefused)
    ->Name("ExplanationRefused/5MB_in_one_line")
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ExplanationRefused)
    ->Name("ExplanationRefused/50MB_of_empty_lines")
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
