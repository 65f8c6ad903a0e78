// Time from pressing the diary button to the editor showing the day's text, with 10 users
// who each keep 3,650 diary entries. The password is typed the moment its prompt shows, so
// the figure is the program's own time. Runs on the offscreen platform.
//
//   bench_diary [RUNS]        default 31; prints the median, the fastest and the slowest
#include "StartingDatabase.h"
#include "app/Main.h"
#include "calendar/CalendarFrame.h"
#include "calendar/MEMO.h"
#include "core/AppSettings.h"
#include "core/Mod1.h"
#include "platform/ApplicationFolder.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ModalWindows.h"
#include "platform/MultiLineBox.h"
#include "users/UserFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::setUpDesktop();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;

    QTemporaryDir folder;
    platform::setApplicationFolder(folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(u"settings"_s));
    std::string error;
    if (!createStartingDatabase(folder.filePath(u"TEL.mdb"_s).toStdString(), error))
        return 1;
    {
        auto db = platform::Workspace::defaultWorkspace()->openDatabase(folder.filePath(u"TEL.mdb"_s));
        platform::Transaction t(*db);
        const QString entry = QString(400, u'記');
        for (int user = 0; user < 10; ++user) {
            db->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('利用者%1' , 'pw')"_s.arg(user));
            const QDate first(2017, 1, 1);
            for (int day = 0; day < 3650; ++day) {
                const QDate d = first.addDays(day);
                db->execute(u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('%1/%2/%3' , '%4' , "
                            u"'利用者%5')"_s.arg(d.year())
                                .arg(d.month())
                                .arg(d.day())
                                .arg(entry)
                                .arg(user));
            }
        }
        t.commit();
    }
    core::saveSetting(u"User"_s, u"利用者0"_s);

    Main main;
    bool activated = false;
    QObject::connect(&main, &Main::activated, [&activated] { activated = true; });
    if (!main.start())
        return 1;
    while (!activated)
        QCoreApplication::processEvents();

    QElapsedTimer clock;
    std::vector<double> times;
    bool textShown = true;
    platform::ModalWindows::setShownHook([&](QDialog& window) {
        if (window.objectName() == u"Msg2"_s) {
            window.findChild<QLineEdit*>(u"Txt_Msg"_s)->setText(u"pw"_s);
            window.findChild<QPushButton*>(u"Cmd_OK"_s)->click();
        } else if (auto* memo = qobject_cast<MEMO*>(&window)) {
            times.push_back(double(clock.nsecsElapsed()) / 1e6);
            textShown = textShown && memo->Txt_Memo->text().size() == 400;
            memo->Cmd_Exit->click();
        } else {
            window.done(0);
        }
    });
    for (int i = 0; i < runs; ++i) {
        // Another user and another day each time, the selected day as the calendar sets it.
        main.users().Cmb_User->setEditText(u"利用者%1"_s.arg(i % 10));
        const QDate day = QDate(2017, 1, 1).addDays(i * 113 % 3650);
        main.calendar().ClickDate->setText(u"%1/%2/%3"_s.arg(day.year()).arg(day.month()).arg(day.day()));
        clock.start();
        main.calendar().Cmd_Edit->click();
        for (int k = 0; k < 3; ++k)
            QCoreApplication::processEvents(); // the activation after the editor
    }
    platform::ModalWindows::setShownHook(nullptr);
    if (!textShown || int(times.size()) != runs) {
        std::fprintf(stderr, "the editor did not show the day's text\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("diary button to editor with its text, 10 users x 3650 entries, %d runs: median %.2f ms, fastest "
                "%.2f ms, slowest %.2f ms\n",
                runs, times[times.size() / 2], times.front(), times.back());
    main.close();
    return 0;
}
