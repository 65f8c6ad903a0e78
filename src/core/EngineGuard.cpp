#include "core/EngineGuard.h"

#include "core/Mod1.h"
#include "platform/Log.h"

using namespace Qt::StringLiterals;

namespace core {

QString reasonOf(const platform::EngineError& error) {
    qCWarning(platform::log) << "the database refused:" << error.message();
    using Trouble = platform::EngineError::Trouble;
    switch (error.trouble()) {
    case Trouble::Missing:
        return u"ファイルが見つかりません。"_s;
    case Trouble::NotAFile:
        return u"ファイルではありません。"_s;
    case Trouble::CannotOpen:
        return u"ファイルを開けません。"_s;
    case Trouble::ReadOnly:
        return u"ファイルに書き込めません。"_s;
    case Trouble::NotADatabase:
        return u"データベースではありません。"_s;
    case Trouble::NotOurs:
        return u"Tamoru のデータベースではありません。"_s;
    case Trouble::Busy:
        return u"他のプログラムが使用中です。しばらくしてからもう一度お試しください。"_s;
    case Trouble::Full:
        return u"ディスクがいっぱいです。"_s;
    case Trouble::Corrupt:
        return u"データベースが壊れています。"_s;
    case Trouble::RowGone:
        return u"この行はもうデータベースにありません。ほかの操作で削除されました。"_s;
    case Trouble::Unreachable:
        return u"サーバーに接続できません。\r（"_s + error.message() + u"）"_s;
    case Trouble::Other:
        break;
    }
    return u"データベースエンジンのエラーです。\r（"_s + error.message() + u"）"_s;
}

void reportEngineError(QWidget* owner, const platform::EngineError& error) {
    Mod1::ShowMessage(u"データベースの処理に失敗しました。\r"_s + reasonOf(error), Mod1::KindNotice, owner,
                      Mod1::FocusOk);
}

} // namespace core
