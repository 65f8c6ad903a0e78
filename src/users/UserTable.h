#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The statements on the user table, each written once. They run through Mod1's shared
// statement text and row set, as every statement of the program does.
namespace users {

// Every user's name, by name.
QStringList userNames();

// The stored password of the user named exactly `name` (Null reads as empty); nothing when
// there is no such user.
std::optional<QString> storedPassword(const QString& name);

void insertUser(const QString& name, const QString& password);
// Changes the password of the user named exactly `name` while the stored one is still `loaded`.
// False, with nothing written, when another copy of the program changed it in the meantime;
// throws when the user is gone.
bool changePassword(const QString& name, const QString& loaded, const QString& password);
// Deletes the user and all of the user's diary rows, together or not at all.
void deleteUserWithDiary(const QString& name);

} // namespace users
