// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the click on "Erklärung lesen" until the text is in its box and
// the window is painted, on the real Qt front end (offscreen platform), for
// the real text and files at the reader's limits; and until the message for
// files beyond them.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <streambuf>

#include "screens/explanation.h"
#include "screens/program.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/qt_platform.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

class Nowhere : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
};

// A fresh temporary working directory with an explanation file of these bytes.
class Folder {
  public:
    explicit Folder(const std::string& bytes) : before_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sudoku-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
        path_ = pattern;
        std::filesystem::current_path(path_);
        std::ofstream(explanation::file_name, std::ios::binary) << bytes;
    }
    ~Folder() {
        std::error_code error;
        std::filesystem::current_path(before_, error);
        std::filesystem::remove_all(path_, error);
    }

  private:
    std::filesystem::path before_;
    std::filesystem::path path_;
};

std::string file(int kind) {
    switch (kind) {
        case 0: {  // the real text
            std::ifstream real(std::string(SUDOKU_SOURCE_DIR) + "/sudoku_erkl.txt",
                               std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(real), {});
        }
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
    program->start_program();
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
    Nowhere buffer;
    std::ostream out(&buffer);
    toolkit::ScriptedPlatform platform(out);
    auto program = std::make_unique<Program>(platform);
    program->start_program();
    for (auto _ : state) {
        program->start.cmd_erkl.click();
        if (program->start.txt_Erkl.visible()) state.SkipWithError("a text was shown");
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
