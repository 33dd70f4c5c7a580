#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "core/program/database_file.h"
#include "core/program/database_file_questions.h"
#include "core/program/program_model.h"
#include "gui/app/main_frame.h"
#include "gui/app/solvara_app.h"

namespace solvara {
namespace {

// The child answers nothing: a question at start-up would mean the set-up went wrong.
class NoQuestions : public DatabaseFileQuestions {
  public:
    std::optional<std::string> askPassword(PasswordDialogMode, const std::string&) override {
        return std::nullopt;
    }
    bool askYesNo(std::string_view text, MessageIcon) override { return report(text), false; }
    Answer askYesNoCancel(std::string_view text, MessageIcon) override {
        return report(text), Answer::cancel;
    }
    void showMessage(std::string_view text) override { report(text); }

  private:
    static void report(std::string_view text) { std::cerr << "unexpected: " << text << '\n'; }
};

// Resident memory of this process in kB, from the kernel's account.
long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Tells the parent, once the main window has painted, how much memory the program holds.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            std::cout << residentKilobytes() << std::endl;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool reported_ = false;
};

// The program as a user starts it, with the starter database in its file and one new buffer
// document; the tip of the day is switched off, as it opens after the main window.
int runChild(int argc, char** argv) {
    QApplication application(argc, argv);
    QSettings store(QStringLiteral("Orvane"), QStringLiteral("Solvara"));
    NoQuestions questions;
    CSolvaraApp app(store, questions);
    app.start({});
    FirstPaint firstPaint;
    app.mainWindow().installEventFilter(&firstPaint);
    return QApplication::exec();
}

// From starting the process to the main window painted, and the resident memory then.
void BM_StartUpToMainWindowShown(benchmark::State& state) {
    const QTemporaryDir home;
    const std::filesystem::path data = home.filePath(QStringLiteral("data")).toStdString();
    std::filesystem::create_directories(data / "Orvane" / "Solvara");
    writeDatabaseFile(data / "Orvane" / "Solvara" / "Solvaradatabase.dat",
                      *makeStarterProgramModel(), {});
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    {
        QSettings settings(QStringLiteral("Orvane"), QStringLiteral("Solvara"));
        settings.setValue(QStringLiteral("Settings/ShowTipOfTheDay"), 0);
    }
    const std::string command =
        "exec " + std::filesystem::read_symlink("/proc/self/exe").string() + " --child";
    long resident = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        FILE* child = popen(command.c_str(), "r");
        char line[64] = {};
        const bool painted = child != nullptr && std::fgets(line, sizeof line, child) != nullptr;
        const auto shown = std::chrono::steady_clock::now();
        if (child != nullptr) pclose(child);
        if (!painted) {
            state.SkipWithError("the program did not show its main window");
            break;
        }
        resident = std::stol(line);
        state.SetIterationTime(std::chrono::duration<double>(shown - started).count());
    }
    state.counters["resident_MiB"] = static_cast<double>(resident) / 1024.0;
}
BENCHMARK(BM_StartUpToMainWindowShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
}  // namespace solvara

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--child") return solvara::runChild(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
