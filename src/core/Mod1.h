#pragma once

#include "platform/Database.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

namespace platform {
class PictureBox;
}

// The shared module: the program's global state and the routines every window uses. The
// windows talk to one another only through these and through the controls of Main.
namespace Mod1 {

inline QString AppPath; // the folder of TEL.mdb: the program's own, or the user's once installed
inline QString WinDir;  // the system folder, without a trailing separator
inline std::unique_ptr<platform::Workspace> Ws;
inline std::unique_ptr<platform::Database> Db;  // TEL.mdb, open for the whole run
inline std::unique_ptr<platform::Recordset> Rs; // the rows of the latest query
inline QString Sql;                             // the shared statement text
inline QString SearchSql;                       // the phone-book search, from the search window to the results
inline QPointer<QWidget> TargetForm;            // the window a shared routine is about to work on
inline QString Ret;                             // a handler's kept outcome, as text

// The message windows' side of the conversation.
inline QString MsgText;
inline qint16 MsgKind = 0;
inline qint16 MsgResult = 0;
inline QPointer<QWidget> MsgOwner;
inline qint16 MsgFocus = 0;

// The launcher slot under the pointer, and the slot being edited.
inline qint16 LinkSlot = 0;
inline qint16 EditSlot = 0;

// Message kinds and the answers of the message window.
enum : qint16 { KindNotice = 0, KindQuestion = 1, KindQuestionCancel = 2 };
enum : qint16 { AnswerNone = 0, AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };
// The button that has the focus when a message window opens.
enum : qint16 { FocusOk = 0, FocusYes = 0, FocusNo = 1, FocusCancel = 2 };

// Puts every global back to its start value, closing the database first.
void ResetState();

// Opens TEL.mdb into Db (through the default workspace Ws) from the folder that
// platform::databasePlace names, which becomes AppPath; or, when the settings name a server
// (core::serverAddress), connects to the database there instead, never falling back to the file. On the first start of
// an installed program it first copies the packaged starting database there, and returns true. Throws the engine's
// error when the file is missing, unreadable, cannot be written or is not a database of this program; Db then stays
// unset.
bool OpenDb();

// The system folder (the Windows folder on Windows).
QString GetWinDir();

// Starts playing a wave file without waiting; true when it could be started.
bool PlayWave(const QString& path);

// Draws the first icon of a file at the top-left corner of a picture box.
void DrawFileIcon(platform::PictureBox& picture, const QString& path);

// Shows the message window: kind 0 a notice, 1 a question with Yes and No, 2 a question with
// Yes, No and Cancel; `focus` picks the button that has the focus first. Returns the answer
// (1, 6, 7 or 2); any other kind shows nothing and returns 0.
qint16 ShowMessage(const QString& text, qint16 kind, QWidget* owner, qint16 focus);

} // namespace Mod1
