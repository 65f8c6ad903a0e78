#include "app/Main.h"

#include "core/Mod1.h"
#include "platform/Desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::setUpDesktop();
    Main main;
    if (!main.start())
        return 1;
    const int code = QApplication::exec();
    // The quit button ends the loop without the unload: the database must still go before
    // the application does.
    Mod1::ResetState();
    return code;
}
