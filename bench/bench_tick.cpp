// CPU time of one tick of the main window's one-second timer: the clock, the alarm check and
// the phone-rate indicator, with the starting database, on the offscreen platform.
//
//   bench_tick [RUNS] [TICKS]   default 15 runs of 2000 ticks; prints the median per tick
//
// Cases: an ordinary second; second "00" with an alarm set for another minute; second "00"
// at the alarm's minute (the sound is started, or found unplayable without a sound device);
// an ordinary second together with the repaint it causes.
#include "StartingFolder.h"
#include "app/Main.h"
#include "clock/ClockPart.h"
#include "platform/ApplicationFolder.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Case {
    const char* name;
    std::function<QDateTime(int)> moment; // the moment of the n-th tick
    bool repaint;
};

double medianMicroseconds(Main& main, const Case& c, int runs, int ticks) {
    // The moments are worked out beforehand: a local time computed in the clock costs more than
    // the desktop's clock does. Each tick still reads the desktop's clock, as the program does.
    std::vector<QDateTime> moments;
    for (int n = 0; n < ticks; ++n)
        moments.push_back(c.moment(n));
    std::vector<double> perTick;
    for (int run = 0; run < runs; ++run) {
        int n = 0;
        platform::setClock([&] {
            (void)QDateTime::currentDateTime();
            return moments[n];
        });
        const std::clock_t start = std::clock();
        for (n = 0; n < ticks; ++n) {
            main.clock().Timer1_Timer();
            if (c.repaint)
                QCoreApplication::processEvents();
        }
        perTick.push_back(double(std::clock() - start) * 1e6 / CLOCKS_PER_SEC / ticks);
    }
    platform::setClock({});
    std::sort(perTick.begin(), perTick.end());
    return perTick[perTick.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const int ticks = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000;

    QApplication app(argc, argv);
    platform::setUpDesktop();
    QTemporaryDir folder;
    makeStartingDatabase(folder);
    QDir(folder.path()).mkpath(u"system"_s);
    platform::setApplicationFolder(folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(u"settings"_s));

    Main main;
    bool activated = false;
    QObject::connect(&main, &Main::activated, [&activated] { activated = true; });
    if (!main.start())
        return 1;
    while (!activated)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    main.Timer1->stop();
    main.clock().Txt_A_1->setText(u"7"_s);
    main.clock().Txt_A_2->setText(u"5"_s);

    const QDateTime morning(QDate(2024, 5, 1), QTime(7, 5, 0));
    const Case cases[] = {
        {"ordinary second", [&](int n) { return morning.addSecs(1 + n % 59); }, false},
        {"second 00, alarm at another minute", [&](int n) { return morning.addSecs(60 * (1 + n % 50)); }, false},
        {"second 00, alarm sounding", [&](int n) { return morning.addDays(n); }, false},
        {"ordinary second with its repaint", [&](int n) { return morning.addSecs(1 + n % 59); }, true},
    };
    std::printf("CPU time of one tick, median of %d runs of %d ticks:\n", runs, ticks);
    for (const Case& c : cases)
        std::printf("  %-38s %8.2f us\n", c.name, medianMicroseconds(main, c, runs, ticks));
    main.close(); // the unload closes the database while the application still stands
    return 0;
}
