#include "Drive.h"

#include "core/Main.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

void runAsHandler(QObject* context, const std::function<void()>& handler) {
    bool done = false;
    QTimer::singleShot(0, context, [&] {
        handler();
        done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void startMain(Main& main) {
    const int before = main.activationCount();
    if (!main.start())
        qFatal("the main window did not start: no database");
    QTRY_VERIFY(main.activationCount() > before);
}
