// Time from starting the program to the end of its first activation, with the starting
// database, in a fresh process each run (loading the libraries, fonts and icon theme
// included). The program runs on the offscreen platform.
//
//   bench_startup [RUNS]        default 21 runs; prints the median, the fastest and the slowest
#include "StartingFolder.h"
#include "app/Main.h"
#include "platform/ApplicationFolder.h"
#include "platform/Desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// One start of the program in this process; prints "activated" when the activation is over.
int runChild(int argc, char** argv, const QString& folder) {
    QApplication app(argc, argv);
    platform::setUpDesktop();
    platform::setApplicationFolder(folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder + u"/settings"_s);
    Main main;
    QObject::connect(&main, &Main::activated, [] {
        std::printf("activated\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    if (!main.start())
        return 1;
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    makeStartingDatabase(folder);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        child.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, folder.path()});
        QByteArray said;
        while (!said.contains("activated") && child.waitForReadyRead(30000))
            said += child.readAllStandardOutput();
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        if (!said.contains("activated") || !child.waitForFinished(30000)) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    std::printf("start to first activation, %d runs: median %.1f ms, fastest %.1f ms, slowest %.1f ms\n", runs,
                times[times.size() / 2], times.front(), times.back());
    return 0;
}
