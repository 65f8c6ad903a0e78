#include "core/Mod1.h"

#include "core/DataFile.h"
#include "core/Msg.h"
#include "core/ServerSetup.h"
#include "platform/DatabasePlace.h"
#include "platform/FileIcon.h"
#include "platform/ModalWindows.h"
#include "platform/Sound.h"
#include "platform/SystemFolder.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace Mod1 {

void ResetState() {
    Rs.reset();
    if (Db)
        Db->close();
    Db.reset();
    if (Ws)
        Ws->close();
    Ws.reset();
    AppPath.clear();
    WinDir.clear();
    Sql.clear();
    SearchSql.clear();
    TargetForm = nullptr;
    Ret.clear();
    MsgText.clear();
    MsgKind = MsgResult = MsgFocus = 0;
    MsgOwner = nullptr;
    LinkSlot = EditSlot = 0;
}

bool OpenDb() {
    const platform::DatabasePlace place = platform::databasePlace();
    AppPath = place.folder;
    Ws = platform::Workspace::defaultWorkspace();
    if (const QString server = core::serverAddress(); !server.isEmpty()) {
        auto database = Ws->openServer(server);
        core::checkOurs(database->tableColumns());
        Db = std::move(database);
        return false;
    }
    const bool copied = !place.startingCopy.isEmpty() && platform::copyStartingDatabase(place);
    auto database = Ws->openDatabase(QDir(AppPath).filePath(u"TEL.mdb"_s));
    core::checkOurs(database->tableColumns());
    core::bringUpToDate(*database);
    Db = std::move(database);
    return copied;
}

QString GetWinDir() {
    return platform::systemFolder();
}

bool PlayWave(const QString& path) {
    return platform::playWave(path);
}

void DrawFileIcon(platform::PictureBox& picture, const QString& path) {
    platform::drawFileIcon(picture, path);
}

qint16 ShowMessage(const QString& text, qint16 kind, QWidget* owner, qint16 focus) {
    MsgResult = AnswerNone;
    MsgKind = KindNotice;
    MsgText = text;
    MsgOwner = owner;
    if (kind == KindNotice || kind == KindQuestion || kind == KindQuestionCancel) {
        MsgKind = kind;
        MsgFocus = focus;
        Msg window;
        platform::ModalWindows::exec(window);
    }
    return MsgResult;
}

} // namespace Mod1
