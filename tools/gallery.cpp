// Draws every window of the program into PNG files, with the fonts this desktop has: a gallery
// for the README and a way to look at every window after a change.
//   gallery FOLDER
#include "EveryWindow.h"
#include "platform/Desktop.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gallery FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    platform::setUpDesktop();
    EveryWindow windows;
    QString why;
    if (!windows.ready(&why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    int failed = 0;
    windows.visit([&](QWidget& window, const QString& name) {
        const QString file = folder.filePath(name + QStringLiteral(".png"));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            ++failed;
        }
    });
    return failed == 0 ? 0 : 1;
}
