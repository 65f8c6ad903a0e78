#include "StartingDatabase.h"

#include <cstdio>
#include <filesystem>
#include <sqlite3.h>

bool createStartingDatabase(const std::string& path, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(path, ec)) {
        error = path + " already exists";
        return false;
    }
    const std::string partial = path + ".partial";
    fs::remove(partial, ec);

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(partial.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char* message = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, startingSchema, nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, &message);
    if (rc != SQLITE_OK)
        error = message ? message : (db ? sqlite3_errmsg(db) : "cannot create the database file");
    sqlite3_free(message);
    sqlite3_close(db);

    if (rc == SQLITE_OK) {
        fs::rename(partial, path, ec);
        if (ec) {
            error = ec.message();
            rc = SQLITE_ERROR;
        }
    }
    if (rc != SQLITE_OK)
        fs::remove(partial, ec);
    return rc == SQLITE_OK;
}
