// A bare Qt window with the four frame captions of the main window, nothing else: what
// bench_shown compares the program's start-up and memory with.
#include "FirstFrame.h"

#include <QApplication>
#include <QGroupBox>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FirstFrame report;
    QWidget window;
    window.setWindowTitle(u"Tamoru Ver3.5"_s);
    window.setFixedSize(385, 329);
    const struct {
        QString caption;
        QRect at;
    } frames[] = {{u"ランチャー"_s, {0, 0, 208, 253}},
                  {u"カレンダー"_s, {210, 0, 175, 211}},
                  {u"ユーザー"_s, {210, 213, 175, 40}},
                  {u"電話帳"_s, {0, 255, 208, 46}}};
    for (const auto& frame : frames)
        (new QGroupBox(frame.caption, &window))->setGeometry(frame.at);
    window.show();
    return QApplication::exec();
}
