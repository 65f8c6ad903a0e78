#include "app/Main.h"

#include "app/CommandLine.h"
#include "core/Mod1.h"
#include "platform/Desktop.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    introduceProgram();
    QApplication::setWindowIcon(QIcon(u":/org.example.Tamoru.png"_s));
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
