// The database in a file: SQLite, with the desktop database's "like" registered on each
// connection.
#include "platform/Engines.h"
#include "platform/JetPattern.h"
#include "platform/Log.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <limits>
#include <sqlite3.h>
#include <string>

using namespace Qt::StringLiterals;

namespace platform {

EngineError::Trouble troubleOf(int engineCode) {
    using Trouble = EngineError::Trouble;
    switch (engineCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Trouble::Busy;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return Trouble::ReadOnly;
    case SQLITE_NOTADB:
        return Trouble::NotADatabase;
    case SQLITE_CANTOPEN:
        return Trouble::CannotOpen;
    case SQLITE_FULL:
        return Trouble::Full;
    case SQLITE_CORRUPT:
        return Trouble::Corrupt;
    default:
        return Trouble::Other;
    }
}

namespace {

EngineError engineError(const QSqlError& error) {
    const QString words = error.databaseText().trimmed();
    return EngineError(words.isEmpty() ? error.text().trimmed() : words, troubleOf(error.nativeErrorCode().toInt()));
}

// Every save writes a journal beside the file first. A folder that takes no new files leaves
// the file itself writable, and every save would fail only after the user has typed: make a
// change now and undo it, so that such a folder is refused at the start.
void checkWritable(sqlite3* handle, const QString& fileName) {
    const char* change = "BEGIN IMMEDIATE; CREATE TABLE tamoru_write_check (x); ROLLBACK";
    if (sqlite3_exec(handle, change, nullptr, nullptr, nullptr) == SQLITE_OK)
        return;
    const int code = sqlite3_extended_errcode(handle);
    const QString words = QString::fromUtf8(sqlite3_errmsg(handle));
    if (!sqlite3_get_autocommit(handle))
        sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    if (troubleOf(code) == EngineError::Trouble::Busy)
        throw EngineError(words, EngineError::Trouble::Busy);
    throw EngineError(u"The database file '%1' cannot be written beside (%2)."_s.arg(fileName, words),
                      EngineError::Trouble::ReadOnly);
}

sqlite3* handleOf(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

QSqlDatabase connectionOf(const QString& name) {
    if (name.isEmpty())
        throw EngineError(u"The database is not open."_s);
    return QSqlDatabase::database(name, false);
}

// like(pattern, text) with the desktop-database wildcards; Null in either gives Null.
void jetLike(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // Each text as it reads back, not through the engine's own UTF-16, which turns the
    // characters U+FFFE and U+FFFF into U+FFFD.
    const auto view = [](sqlite3_value* v) {
        return textOf(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
    };
    // The pattern is usually the same for every row of a statement: keep it compiled.
    auto* cached = static_cast<JetPattern*>(sqlite3_get_auxdata(context, 0));
    auto* pattern = cached ? cached : new JetPattern(view(argv[0]));
    sqlite3_result_int(context, pattern->matchesEveryText() || pattern->matches(view(argv[1])) ? 1 : 0);
    if (!cached)
        sqlite3_set_auxdata(context, 0, pattern, [](void* p) { delete static_cast<JetPattern*>(p); });
}

} // namespace

FileDatabase::FileDatabase(QString connection, QString fileName)
    : m_connection(std::move(connection)), m_fileName(std::move(fileName)) {}

FileDatabase::~FileDatabase() {
    close();
}

sqlite3* FileDatabase::handle() const {
    sqlite3* h = handleOf(connectionOf(m_connection));
    if (!h)
        throw EngineError(u"The database driver gave no connection handle."_s);
    return h;
}

namespace {

// While a statement waits for another program that holds the file, the busy cursor shows
// that the window is not frozen; the wait ends after the busy timeout.
bool busyCursorShown = false;

int waitWithBusyCursor(void*, int attempt) {
    constexpr int pause = 10; // milliseconds
    if (attempt * pause >= busyTimeoutMilliseconds())
        return 0;
    if (!busyCursorShown && qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        busyCursorShown = true;
    }
    QThread::msleep(pause);
    return 1;
}

void endBusyCursor() {
    if (!busyCursorShown)
        return;
    busyCursorShown = false;
    QGuiApplication::restoreOverrideCursor();
}

struct BusyCursorEnd {
    BusyCursorEnd() = default;
    BusyCursorEnd(const BusyCursorEnd&) = delete;
    BusyCursorEnd& operator=(const BusyCursorEnd&) = delete;
    ~BusyCursorEnd() { endBusyCursor(); }
};

// One prepared statement, finalized whatever happens.
class Statement {
public:
    Statement(sqlite3* db, const QString& text) : m_db(db) {
        const void* tail = nullptr;
        const int rc = sqlite3_prepare16_v2(db, text.utf16(), int(text.size() * 2), &m_stmt, &tail);
        if (rc != SQLITE_OK)
            fail();
        if (!m_stmt)
            throw EngineError(u"The statement is empty."_s);
        const auto* rest = static_cast<const char16_t*>(tail);
        const auto* end = reinterpret_cast<const char16_t*>(text.utf16()) + text.size();
        if (rest && !QStringView(rest, end - rest).trimmed().isEmpty()) {
            // The destructor does not run for a constructor that throws.
            sqlite3_finalize(m_stmt);
            throw EngineError(u"Only one statement can run at a time."_s);
        }
    }
    ~Statement() {
        sqlite3_finalize(m_stmt);
        endBusyCursor();
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Moves to the next row; false when the statement has finished.
    bool step() {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail();
        return false;
    }
    sqlite3_stmt* get() const { return m_stmt; }

private:
    [[noreturn]] void fail() {
        const auto* words = static_cast<const char16_t*>(sqlite3_errmsg16(m_db));
        throw EngineError(words ? QString::fromUtf16(words) : u"The database engine failed."_s,
                          troubleOf(sqlite3_errcode(m_db)));
    }

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace

qint64 FileDatabase::execute(const QString& statement) {
    sqlite3* db = handle();
    Statement run(db, statement);
    while (run.step()) {
    }
    return sqlite3_changes64(db);
}

std::unique_ptr<Recordset> FileDatabase::openRecordset(const QString& statement, RecordsetType) {
    Statement query(handle(), statement);
    sqlite3_stmt* stmt = query.get();
    const int columns = sqlite3_column_count(stmt);
    QStringList names;
    for (int i = 0; i < columns; ++i)
        names.append(QString::fromUtf16(static_cast<const char16_t*>(sqlite3_column_name16(stmt, i))));

    std::vector<Recordset::Cell> cells;
    std::string store;
    while (query.step()) {
        for (int i = 0; i < columns; ++i) {
            Recordset::Cell cell;
            const int type = sqlite3_column_type(stmt, i);
            switch (type) {
            case SQLITE_INTEGER:
                cell.type = Recordset::Cell::Integer;
                cell.integer = sqlite3_column_int64(stmt, i);
                break;
            case SQLITE_FLOAT:
                cell.type = Recordset::Cell::Real;
                cell.real = sqlite3_column_double(stmt, i);
                break;
            case SQLITE_TEXT:
            case SQLITE_BLOB: {
                const void* data = type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_column_text(stmt, i))
                                                       : sqlite3_column_blob(stmt, i);
                const int length = sqlite3_column_bytes(stmt, i);
                if (store.size() > size_t(std::numeric_limits<int>::max() - length))
                    throw EngineError(u"The result is too large to read."_s);
                cell.type = type == SQLITE_TEXT ? Recordset::Cell::Text : Recordset::Cell::Blob;
                cell.bytes = {quint32(store.size()), quint32(length)};
                store.append(static_cast<const char*>(data), size_t(length));
                break;
            }
            default:
                break;
            }
            cells.push_back(cell);
        }
    }
    return std::make_unique<Recordset>(std::move(names), std::move(cells), std::move(store));
}

// The write lock is taken at the start: a transaction that reads before it writes must not
// find, at its first write, that another copy has read too (the engine would refuse one of
// them), nor let another copy's save slip between its read and its write.
void FileDatabase::beginTrans() {
    const BusyCursorEnd end;
    QSqlQuery begin(connectionOf(m_connection));
    if (!begin.exec(u"BEGIN IMMEDIATE"_s))
        throw engineError(begin.lastError());
}

void FileDatabase::commitTrans() {
    const BusyCursorEnd end;
    QSqlDatabase db = connectionOf(m_connection);
    if (!db.commit())
        throw engineError(db.lastError());
}

void FileDatabase::rollback() {
    const BusyCursorEnd end;
    QSqlDatabase db = connectionOf(m_connection);
    if (!db.rollback())
        throw engineError(db.lastError());
}

QMap<QString, QStringList> FileDatabase::tableColumns() {
    const auto rows = openRecordset(QString::fromUtf8(tableColumnsQuery), Dynaset);
    QMap<QString, QStringList> tables;
    for (; !rows->atEnd(); rows->moveNext())
        tables[rows->field(u"tbl"_s).toString()].append(rows->field(u"col"_s).toString());
    return tables;
}

void FileDatabase::close() {
    closeConnection(m_connection);
}

std::unique_ptr<Database> FileDatabase::open(const QString& fileName) {
    const QFileInfo file(fileName);
    if (!file.exists())
        throw EngineError(u"Could not find file '%1'."_s.arg(fileName), EngineError::Trouble::Missing);
    if (!file.isFile())
        throw EngineError(u"'%1' is not a file."_s.arg(fileName), EngineError::Trouble::NotAFile);

    const QString name = newConnectionName();
    auto database = std::unique_ptr<FileDatabase>(new FileDatabase(name, file.absoluteFilePath()));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        // A file: address opened with mode=rw never creates the file; a plain path would.
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        url.setQuery(u"mode=rw"_s);
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(u"QSQLITE_OPEN_URI"_s);
        if (!db.open())
            throw engineError(db.lastError());

        sqlite3* handle = handleOf(db);
        if (!handle)
            throw EngineError(u"The database driver gave no connection handle."_s);
        if (sqlite3_db_readonly(handle, "main") == 1)
            throw EngineError(u"The database file '%1' cannot be written."_s.arg(fileName),
                              EngineError::Trouble::ReadOnly);
        sqlite3_busy_handler(handle, waitWithBusyCursor, nullptr);
        if (sqlite3_create_function_v2(handle, "like", 2, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr, jetLike,
                                       nullptr, nullptr, nullptr) != SQLITE_OK)
            throw EngineError(QString::fromUtf8(sqlite3_errmsg(handle)));

        // Opening is lazy: read the schema now, so a file that is no database is refused here.
        QSqlQuery probe(db);
        if (!probe.exec(u"SELECT count(*) FROM sqlite_master"_s))
            throw engineError(probe.lastError());
        checkWritable(handle, fileName); // before the folder is synced at every journal's end
        // A save acknowledged just before a power cut must not come back as a hot journal and be
        // rolled back: the folder is synced too once the journal is deleted.
        if (sqlite3_exec(handle, "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw EngineError(QString::fromUtf8(sqlite3_errmsg(handle)), troubleOf(sqlite3_errcode(handle)));
    }
    return database;
}

} // namespace platform
