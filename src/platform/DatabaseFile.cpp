#include "platform/DatabaseFile.h"

#include "platform/Database.h"
#include "platform/Engines.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

// A connection of its own to one file, closed whatever happens.
class Connection {
public:
    Connection(const QString& fileName, int flags) {
        if (!QFileInfo::exists(fileName))
            throw EngineError(u"Could not find file '%1'."_s.arg(fileName), EngineError::Trouble::Missing);
        const int rc = sqlite3_open_v2(QFile::encodeName(fileName).constData(), &m_db, flags, nullptr);
        if (rc != SQLITE_OK) {
            // The destructor does not run for a constructor that throws.
            const EngineError error = failure();
            sqlite3_close_v2(m_db);
            throw error;
        }
        sqlite3_busy_timeout(m_db, 5000);
    }
    ~Connection() { sqlite3_close_v2(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return m_db; }

    // The rows of a query whose columns are all text.
    QList<QStringList> rows(const char* query) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, query, -1, &statement, nullptr) != SQLITE_OK)
            fail();
        QList<QStringList> result;
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            QStringList row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
            result.append(row);
        }
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            fail();
        return result;
    }

    EngineError failure() const {
        const int code = m_db ? sqlite3_extended_errcode(m_db) : SQLITE_NOMEM;
        return EngineError(m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : u"out of memory"_s, troubleOf(code));
    }
    [[noreturn]] void fail() const { throw failure(); }

private:
    sqlite3* m_db = nullptr;
};

// Copies every page of `from` into `to` in one step: the source stays read-locked and the
// target write-locked for the whole copy.
void copyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    const int stepped = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(to);
    const int finished = backup ? sqlite3_backup_finish(backup) : stepped;
    if (stepped == SQLITE_DONE && finished == SQLITE_OK)
        return;
    // The side that failed has the words.
    sqlite3* side = sqlite3_errcode(to) != SQLITE_OK ? to : from;
    const int code = sqlite3_errcode(side) != SQLITE_OK ? sqlite3_extended_errcode(side)
                     : stepped != SQLITE_DONE           ? stepped
                                                        : finished;
    const QString words = sqlite3_errcode(side) != SQLITE_OK ? QString::fromUtf8(sqlite3_errmsg(side))
                                                             : QString::fromUtf8(sqlite3_errstr(code));
    throw EngineError(words, troubleOf(code));
}

} // namespace

void copyDatabaseFile(const QString& source, const QString& target) {
    Connection from(source, SQLITE_OPEN_READONLY);
    QTemporaryFile part(QDir(QFileInfo(target).absolutePath()).filePath(u".tamoru-copy-XXXXXX"_s));
    if (!part.open())
        throw EngineError(u"Cannot create a file beside '%1': %2"_s.arg(target, part.errorString()),
                          part.error() == QFileDevice::ResourceError ? EngineError::Trouble::Full
                                                                     : EngineError::Trouble::ReadOnly);
    part.close();
    {
        Connection to(part.fileName(), SQLITE_OPEN_READWRITE);
        // The copy's own journal is synced with it, folder included, before it counts as made.
        if (sqlite3_exec(to.get(), "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr) != SQLITE_OK)
            to.fail();
        copyPages(from.get(), to.get());
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part.fileName()).toStdString(), QFile::encodeName(target).toStdString(),
                            error);
    if (error)
        throw EngineError(u"Cannot rename the copy to '%1': %2"_s.arg(target, QString::fromStdString(error.message())),
                          EngineError::Trouble::ReadOnly);
    part.setAutoRemove(false);
}

QMap<QString, QStringList> inspectDatabaseFile(const QString& fileName) {
    if (!QFileInfo(fileName).isFile() && QFileInfo::exists(fileName))
        throw EngineError(u"'%1' is not a file."_s.arg(fileName), EngineError::Trouble::NotAFile);
    Connection file(fileName, SQLITE_OPEN_READONLY);
    const QList<QStringList> findings = file.rows("PRAGMA integrity_check(1)");
    if (findings.size() != 1 || findings.first().value(0) != u"ok"_s)
        throw EngineError(findings.value(0).value(0), EngineError::Trouble::Corrupt);
    // A copy takes its header along: text kept in another encoding, or another journal, would
    // come with it into TEL.mdb.
    const QString encoding = file.rows("PRAGMA encoding").value(0).value(0);
    const QString journal = file.rows("PRAGMA journal_mode").value(0).value(0);
    if (encoding != u"UTF-8"_s || journal.compare(u"wal"_s, Qt::CaseInsensitive) == 0)
        throw EngineError(u"The database keeps its text in %1 with the journal %2; Tamoru keeps UTF-8 without "
                          u"write-ahead log."_s.arg(encoding, journal),
                          EngineError::Trouble::NotOurs);
    QMap<QString, QStringList> tables;
    for (const QStringList& column : file.rows(tableColumnsQuery))
        tables[column[0]].append(column[1]);
    return tables;
}

void FileDatabase::replaceWith(const QString& source) {
    Connection from(source, SQLITE_OPEN_READONLY);
    copyPages(from.get(), handle());
}

} // namespace platform
