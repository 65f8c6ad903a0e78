// Draws every window of the program into PNG files, as a person meets them, with the fonts this
// desktop has: a gallery for the README and a way to look at every window after a change.
//   gallery FOLDER
#include "StartingDatabase.h"
#include "addressbook/DataCreate.h"
#include "addressbook/DataView.h"
#include "addressbook/Search_1.h"
#include "app/Main.h"
#include "calendar/DiaryTable.h"
#include "calendar/MEMO.h"
#include "core/Mod1.h"
#include "core/Msg.h"
#include "core/Msg2.h"
#include "launcher/SetPath.h"
#include "platform/ApplicationFolder.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "users/SeqUser.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString folder;

void draw(QWidget& window, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(name + u".png"_s);
    if (!window.grab().save(file))
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
    window.hide();
}

void chooseFirst(QListWidget* list) {
    if (list->count() > 0)
        list->setCurrentRow(0);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gallery FOLDER\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    platform::setUpDesktop();

    // A program folder of its own, with the starting database and a few rows to show.
    QTemporaryDir program;
    platform::setApplicationFolder(program.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, program.filePath(u"settings"_s));
    std::string error;
    if (!createStartingDatabase(program.filePath(u"TEL.mdb"_s).toStdString(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    // The widest date there is, and a time of the night tariff.
    platform::setClock([] { return QDateTime(QDate(2026, 12, 31), QTime(23, 58, 58)); });

    Main main;
    bool activated = false;
    QObject::connect(&main, &Main::activated, [&activated] { activated = true; });
    if (!main.start())
        return 1;
    while (!activated)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Mod1::Db->execute(u"INSERT INTO Mst_User(UserName, UserPass) VALUES('山田', 'pw')"_s);
    Mod1::Db->execute(
        u"INSERT INTO Mst_Address(Name_1, Furigana, Name_2, Sex_cd, Birth, Yubin, Zyusyo, Tel_1, Email, HP_Address) "
        u"VALUES('山田 太郎', 'ﾔﾏﾀﾞ ﾀﾛｳ', 'たろう', 1, '1989/1/8', '100-0001', '東京都千代田区千代田一丁目一番一号\r\n"
        u"山田ビル 301', '03-1234-5678', 'taro.yamada@example.co.jp', 'https://www.example.co.jp/~yamada/index.html')"_s);
    draw(main, u"main"_s);

    SeqUser users;
    draw(users, u"users"_s);

    calendar::makeDiaryRow(u"2026/12/31"_s, u"山田"_s);
    MEMO diary(u"2026/12/31"_s, u"山田"_s);
    draw(diary, u"diary"_s);

    Mod1::MsgOwner = &main;
    Mod1::MsgText = u"[ 山田 ]さんのパスワードを入力して下さい。"_s;
    Msg2 prompt;
    draw(prompt, u"password"_s);

    Mod1::MsgText = u"ＤＢに追加しました。"_s;
    Mod1::MsgKind = Mod1::KindNotice;
    Msg notice;
    draw(notice, u"notice"_s);

    SetPath launcher(nullptr);
    draw(launcher, u"launcher"_s);

    DataCreate entry;
    chooseFirst(entry.LS);
    draw(entry, u"entry"_s);

    Search_1 search;
    draw(search, u"search"_s);

    Mod1::SearchSql = u"SELECT * FROM Mst_Address Order by Furigana"_s;
    DataView results;
    chooseFirst(results.LS);
    draw(results, u"results"_s);

    Mod1::ResetState();
    return 0;
}
