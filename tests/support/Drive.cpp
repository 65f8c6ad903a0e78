#include "Drive.h"

#include "app/Main.h"

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

int activations(Main& main) {
    // Counted from the first look, which comes before the window is shown.
    if (!main.property("activationsCounted").toBool()) {
        main.setProperty("activationsCounted", true);
        QObject::connect(&main, &Main::activated, &main,
                         [&main] { main.setProperty("activations", main.property("activations").toInt() + 1); });
    }
    return main.property("activations").toInt();
}

void startMain(Main& main) {
    const int before = activations(main);
    if (!main.start())
        qFatal("the main window did not start: no database");
    QTRY_VERIFY(activations(main) > before);
}
