#pragma once

// The moment a process's first window is on the screen, for bench_shown: once the first expose
// of a window has been handled (its first frame painted and sent to the display), the process
// prints "shown NS CPU": NS the nanoseconds of the steady clock, which all processes share, and
// CPU the processor time it has used so far, in milliseconds.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <ctime>

class FirstFrame : public QObject {
public:
    FirstFrame() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() && static_cast<QWindow*>(watched)->isExposed()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld %.1f\n", static_cast<long long>(std::chrono::nanoseconds(now).count()),
                            double(std::clock()) * 1000 / CLOCKS_PER_SEC);
                std::fflush(stdout);
            });
        }
        return false;
    }
};
