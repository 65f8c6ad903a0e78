#pragma once

#include "platform/Database.h"

#include <QString>

// The phone book and diaries on a PostgreSQL server shared by several PCs: which server this
// PC uses, and the two steps a person takes once to set one up.
namespace core {

// The starting schema and rows of TEL.mdb (data/schema.sql).
extern const char* const startingSchemaText;

// The server this PC uses, from the settings (section "Server", key "Database"); empty when
// it uses the file.
QString serverAddress();
// Names the server this PC uses from its next start; empty goes back to the file.
void saveServerAddress(const QString& address);

// Makes our four tables, their indexes and the starting rows (Guest, the two sexes) in an
// empty server database, in one transaction. Texts are compared and ordered by code point,
// as the file does. Throws FileError when the database already has tables, EngineError when
// the server refuses.
void createServerDatabase(platform::Database& server);

struct CopiedRows {
    qint64 users = 0, diary = 0, sexes = 0, addresses = 0;
};
// Copies every row of the four tables of the file into a server database that holds the
// starting rows alone, in one transaction (the starting rows give way to the file's). Throws
// FileError when the server's database is not ours or holds more than the starting rows.
CopiedRows copyToServer(platform::Database& file, platform::Database& server);

} // namespace core
