#include "core/Main.h"

#include "platform/Desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::setUpDesktop();
    Main main;
    if (!main.start())
        return 1;
    return QApplication::exec();
}
