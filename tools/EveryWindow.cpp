#include "EveryWindow.h"

#include "StartingDatabase.h"
#include "addressbook/DataCreate.h"
#include "addressbook/DataView.h"
#include "addressbook/Search_1.h"
#include "app/Main.h"
#include "calendar/DiaryRange.h"
#include "calendar/DiaryTable.h"
#include "calendar/MEMO.h"
#include "core/ChangedRow.h"
#include "core/Mod1.h"
#include "core/Msg.h"
#include "core/Msg2.h"
#include "launcher/SetPath.h"
#include "platform/ApplicationFolder.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/NameList.h"
#include "users/SeqUser.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QSettings>

using namespace Qt::StringLiterals;

EveryWindow::EveryWindow() {
    platform::setApplicationFolder(m_folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.filePath(u"settings"_s));
    std::string error;
    if (!createStartingDatabase(m_folder.filePath(u"TEL.mdb"_s).toStdString(), error)) {
        m_problem = QString::fromStdString(error);
        return;
    }
    // The widest date there is, in the day, when the tariff indicator shows its widest caption.
    platform::setClock([] { return QDateTime(QDate(2026, 12, 31), QTime(12, 58, 58)); });
    m_main = std::make_unique<Main>();
    bool activated = false;
    QObject::connect(m_main.get(), &Main::activated, [&activated] { activated = true; });
    if (!m_main->start()) {
        m_problem = u"TEL.mdb did not open"_s;
        return;
    }
    while (!activated)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Mod1::Db->execute(u"INSERT INTO Mst_User(UserName, UserPass) VALUES('山田', 'pw')"_s);
    Mod1::Db->execute(
        u"INSERT INTO Mst_Address(Name_1, Furigana, Name_2, Sex_cd, Birth, Yubin, Zyusyo, Tel_1, Email, HP_Address) "
        u"VALUES('山田 太郎', 'ﾔﾏﾀﾞ ﾀﾛｳ', 'たろう', 1, '1989/1/8', '100-0001', '東京都千代田区千代田一丁目一番一号\r\n"
        u"山田ビル 301', '03-1234-5678', 'taro.yamada@example.co.jp', 'https://www.example.co.jp/~yamada/index.html')"_s);
    calendar::makeDiaryRow(u"2026/12/31"_s, u"山田"_s);
}

EveryWindow::~EveryWindow() {
    m_main.reset();
    Mod1::ResetState();
    platform::setClock({});
}

bool EveryWindow::ready(QString* why) const {
    if (why)
        *why = m_problem;
    return m_problem.isEmpty();
}

void EveryWindow::visit(const std::function<void(QWidget&, const QString&)>& look) {
    const auto show = [&look](QWidget& window, const QString& name) {
        window.show();
        QApplication::processEvents();
        look(window, name);
        window.hide();
    };
    const auto chooseFirst = [](platform::NameList* list) {
        if (list->count() > 0)
            list->choose(0);
    };
    show(*m_main, u"main"_s);
    {
        SeqUser window;
        show(window, u"users"_s);
    }
    {
        MEMO window(u"2026/12/31"_s, u"山田"_s);
        show(window, u"diary"_s);
    }
    Mod1::MsgOwner = m_main.get();
    {
        Mod1::MsgText = u"[ 山田 ]さんのパスワードを入力して下さい。"_s;
        Msg2 window;
        show(window, u"password"_s);
    }
    {
        Mod1::MsgText = u"ＤＢに追加しました。"_s;
        Mod1::MsgKind = Mod1::KindNotice;
        Msg window;
        show(window, u"notice"_s);
    }
    {
        Mod1::MsgText = core::changedRowQuestion(u"2026/12/31 のメモ"_s);
        Mod1::MsgKind = Mod1::KindQuestionCancel;
        Msg window;
        show(window, u"changed"_s);
    }
    {
        Mod1::MsgText = u"読み込みました。\r追加 1000 件　置き換え 1000 件\r飛ばした 1000 件　読み込めない 1000 件\r"
                        u"1234 行目「山田 太郎」：誕生日「2026/13/45」が日付ではありません。"_s;
        Mod1::MsgKind = Mod1::KindNotice;
        Msg window;
        show(window, u"imported"_s);
    }
    {
        DiaryRange window(m_main.get(), QDate(2026, 12, 1));
        window.Opt_Range->setChecked(true);
        show(window, u"diary-range"_s);
    }
    {
        // The lists open on the current folder: one every desktop has.
        const QString before = QDir::currentPath();
        QDir::setCurrent(u"/usr/bin"_s);
        SetPath window(nullptr);
        QDir::setCurrent(before);
        show(window, u"launcher"_s);
    }
    {
        DataCreate window;
        chooseFirst(window.LS);
        show(window, u"entry"_s);
    }
    {
        Search_1 window;
        show(window, u"search"_s);
    }
    {
        Mod1::SearchSql = u"SELECT * FROM Mst_Address Order by Furigana"_s;
        DataView window;
        chooseFirst(window.LS);
        show(window, u"results"_s);
    }
}
