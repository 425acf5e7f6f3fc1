// The main window: how long the program takes from start to a shown window, and how long
// the refresh that every side, style and travel change ends with takes when both sides
// are complete (two sweeps and the five small graphs drawn twice).
#include "model/project.h"
#include "model/project_file.h"
#include "model/project_file_io.h"
#include "ui/mainwindow/main_window.h"
#include "ui/platform/file_dialogs.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace velmora;

class NoFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const QString&) override { return {}; }
};

// Answers Open with one path.
class OpenDialogs : public FileDialogs {
public:
    explicit OpenDialogs(std::string path) : path_(std::move(path)) {}
    std::optional<QString> openFileName(QWidget*, const QString&) override {
        return QString::fromStdString(path_);
    }
    std::optional<QString> saveFileName(QWidget*, const QString&) override { return {}; }

private:
    std::string path_;
};

NoFileDialogs dialogs;
RecordingMessageSink messages;

// A main window shown and settled, answering Open with `files`; closeWindow ends it for good.
std::unique_ptr<MainWindow> shownWindow(FileDialogs& files) {
    auto window = std::make_unique<MainWindow>(MainWindowServices{files, messages, {}});
    window->show();
    QApplication::processEvents();
    return window;
}

void closeWindow(std::unique_ptr<MainWindow>& window) {
    window.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_StartUpUntilShown(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(MainWindowServices{dialogs, messages, {}});
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpUntilShown)->Unit(benchmark::kMillisecond);

void BM_SelectSideBothComplete(benchmark::State& state) {
    MainWindow window(MainWindowServices{dialogs, messages, {}});
    window.show();
    QApplication::processEvents();
    const ProjectReadResult read =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    if (!read.ok()) {
        state.SkipWithError("the sample project could not be read");
        return;
    }
    window.document().apply(openProjectEdit(projectFromFile(*read.project, {}, {})));
    for (auto _ : state) {
        window.reselectActiveSide();
        benchmark::DoNotOptimize(window.state().CamberChange[1]);
    }
    if (!messages.messages.empty()) {
        state.SkipWithError("the sweep reported a message");
    }
}
BENCHMARK(BM_SelectSideBothComplete)->Unit(benchmark::kMicrosecond);

// Opening a project whose notes are one line of the given size (kilobytes), until the main
// window and the Notes window holding those notes have been painted.
void BM_OpenProjectWithOneLineNotes(benchmark::State& state) {
    const ProjectReadResult sample =
        readProjectFile(std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw");
    if (!sample.ok()) {
        state.SkipWithError("the sample project could not be read");
        return;
    }
    SuspensionState project;
    applyProjectData(project, *sample.project);
    project.CarStyle = "GM";
    std::string line;
    const std::size_t bytes = static_cast<std::size_t>(state.range(0)) * 1024;
    while (line.size() < bytes) {
        line += "shim the left top arm out and check the toe again ";
    }
    line.resize(bytes);
    project.Note_text = line;
    const std::string path = "/tmp/velmora-bench-long-notes.kqw";
    if (writeProjectFile(path, project) != ProjectSaveResult::Saved) {
        state.SkipWithError("the project could not be written");
        return;
    }
    OpenDialogs open(path);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = shownWindow(open);
        state.ResumeTiming();
        window->fileOpen();
        QApplication::processEvents();
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible()) {
                shown->repaint();
            }
        }
        benchmark::DoNotOptimize(window->state().Note_text.size());
        state.PauseTiming();
        closeWindow(window);
        state.ResumeTiming();
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_OpenProjectWithOneLineNotes)
    ->Arg(64)
    ->Arg(1024)
    ->Arg(15 * 1024)
    ->Unit(benchmark::kMillisecond);

// File, Open of a damaged project as large as one can be (16 MB), its block over a million
// records that cannot be read, until the main window is painted and the notice about them has been
// made.
void BM_OpenProjectWithMillionBadRecords(benchmark::State& state) {
    const std::string sample = std::string(VELMORA_SOURCE_DIR) + "/examples/gm-dirt-oval.kqw";
    const ProjectReadResult read = readProjectFile(sample);
    if (!read.ok()) {
        state.SkipWithError("the sample project could not be read");
        return;
    }
    SuspensionState project;
    applyProjectData(project, *read.project);
    std::string text = writeProjectText(project) + "\"Velmora extension\",1\r\n";
    while (text.size() + 16 <= kMaxProjectFileBytes) {
        text += "\"wheelbase\",-1\r\n";
    }
    const std::string path = "/tmp/velmora-bench-bad-block.kqw";
    std::ofstream(path, std::ios::binary) << text;
    OpenDialogs open(path);
    for (auto _ : state) {
        state.PauseTiming();
        messages.messages.clear();
        auto window = shownWindow(open);
        state.ResumeTiming();
        window->fileOpen();
        QApplication::processEvents();
        window->repaint();
        benchmark::DoNotOptimize(messages.messages.size());
        state.PauseTiming();
        if (messages.messages.size() != 1 || messages.messages[0].text.size() > 2000) {
            state.SkipWithError("Open did not give one short notice");
        }
        closeWindow(window);
        state.ResumeTiming();
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_OpenProjectWithMillionBadRecords)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
