// The program on an X display beside a bare Qt window with the main window's four frame
// captions (bench_bare_window): the time from starting the process to its window shown (first
// frame painted and sent to the display), and the memory it holds 3 s after the start. The two
// are started in turn in one run (program, bare window, program, ...), each in a fresh
// process; the program has the starting database and the system folder with the chime.
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/bench_shown [RUNS]
//                              default 11 runs of each; prints the medians and their ratios
#include "FirstFrame.h"
#include "StartingFolder.h"
#include "app/Main.h"
#include "platform/ApplicationFolder.h"
#include "platform/Desktop.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto settled = std::chrono::seconds(3);

// The program as src/main.cpp starts it, in the given folder.
int runProgram(int argc, char** argv, const QString& folder) {
    QApplication app(argc, argv);
    FirstFrame report;
    platform::setUpDesktop();
    platform::setApplicationFolder(folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder + u"/settings"_s);
    Main main;
    if (!main.start())
        return 1;
    return QApplication::exec();
}

// A "Name:   123 kB" line of a /proc file, in MiB.
double megabytes(const QString& file, QByteArrayView name) {
    QFile proc(file);
    if (!proc.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : proc.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

struct Sample {
    double shownMs, cpuMs, rssMb, pssMb;
};

std::optional<Sample> measure(const QString& program, const QStringList& arguments) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    environment.insert(u"QT_LOGGING_RULES"_s, u"qt.multimedia*=false"_s);
    child.setProcessEnvironment(environment);
    const Clock::time_point start = Clock::now();
    child.start(program, arguments);
    QByteArray said;
    while (!said.contains('\n') && child.waitForReadyRead(30000))
        said += child.readAllStandardOutput();
    std::optional<Sample> sample;
    if (const QList<QByteArray> words = said.trimmed().split(' '); words.size() == 3 && words[0] == "shown") {
        const Clock::time_point shown{Clock::duration(words[1].toLongLong())};
        std::this_thread::sleep_until(start + settled);
        const QString proc = u"/proc/%1/"_s.arg(child.processId());
        sample = Sample{std::chrono::duration<double, std::milli>(shown - start).count(), words[2].toDouble(),
                        megabytes(proc + u"status"_s, "VmRSS:"), megabytes(proc + u"smaps_rollup"_s, "Pss:")};
    }
    child.kill();
    child.waitForFinished();
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, const char* unit, const std::vector<double>& program, const std::vector<double>& bare) {
    const double p = median(program);
    const double b = median(bare);
    std::printf("  %-26s program %7.1f %-3s  bare window %7.1f %-3s  ratio %.2f\n", what, p, unit, b, unit, p / b);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--program") == 0)
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "needs an X display: xvfb-run -a -s \"-screen 0 1024x768x24\" %s [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    makeStartingDatabase(folder);
    QDir(folder.path()).mkpath(u"system"_s);
    QFile::copy(QStringLiteral(TAMORU_CHIME), folder.filePath(u"system/THEMIC~1.WAV"_s));

    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + u"/bench_bare_window"_s;
    std::vector<Sample> program, bareWindow;
    for (int i = -1; i < runs; ++i) { // the first pair warms the file cache and is not counted
        const auto p = measure(self, {u"--program"_s, folder.path()});
        const auto b = measure(bare, {});
        if (!p || !b) {
            std::fprintf(stderr, "run %d: the %s showed no window\n", i + 1, p ? "bare window" : "program");
            return 1;
        }
        if (i >= 0) {
            program.push_back(*p);
            bareWindow.push_back(*b);
        }
    }
    const auto all = [](const std::vector<Sample>& samples, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& s : samples)
            values.push_back(s.*field);
        return values;
    };
    std::printf("medians of %d runs each, started in turn:\n", runs);
    report("start to window shown", "ms", all(program, &Sample::shownMs), all(bareWindow, &Sample::shownMs));
    report("processor time till shown", "ms", all(program, &Sample::cpuMs), all(bareWindow, &Sample::cpuMs));
    report("RSS 3 s after the start", "MiB", all(program, &Sample::rssMb), all(bareWindow, &Sample::rssMb));
    report("PSS 3 s after the start", "MiB", all(program, &Sample::pssMb), all(bareWindow, &Sample::pssMb));
    return 0;
}
