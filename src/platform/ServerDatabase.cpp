// A database on a PostgreSQL server, through the toolkit's driver: the same statements as the
// file, turned into PostgreSQL's dialect in one place (ServerDialect).
#include "platform/Engines.h"
#include "platform/Log.h"
#include "platform/ServerAddress.h"
#include "platform/ServerDialect.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>
#include <libpq-fe.h>
#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

// The server's error codes (SQLSTATE) that a user can do something about.
EngineError::Trouble troubleOfState(const QString& state) {
    using Trouble = EngineError::Trouble;
    if (state == u"55P03"_s || state == u"40P01"_s || state == u"40001"_s || state == u"57014"_s)
        return Trouble::Busy;
    if (state == u"42501"_s || state == u"25006"_s)
        return Trouble::ReadOnly;
    if (state == u"53100"_s)
        return Trouble::Full;
    if (state == u"XX001"_s || state == u"XX002"_s)
        return Trouble::Corrupt;
    if (state.startsWith(u"08"_s) || state == u"57P01"_s || state == u"3D000"_s || state == u"28000"_s ||
        state == u"28P01"_s)
        return Trouble::Unreachable;
    return Trouble::Other;
}

// The server's own words for a statement it refused: its primary message, without the
// client library's "ERROR:" and the context lines after it.
EngineError serverError(const QSqlQuery& query) {
    const QVariant handle = query.result()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "pg_result*") == 0) {
        const PGresult* result = *static_cast<PGresult* const*>(handle.constData());
        if (const char* message = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr) {
            const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
            return EngineError(QString::fromUtf8(message), troubleOfState(QString::fromLatin1(state)));
        }
    }
    const QSqlError error = query.lastError();
    QString words = error.databaseText().trimmed();
    words = words.section(u'\n', 0, 0).remove(QRegularExpression(u"^[A-Z]+: +"_s));
    return EngineError(words.isEmpty() ? error.text().trimmed() : words, troubleOfState(error.nativeErrorCode()));
}

QSqlDatabase connectionOf(const QString& name) {
    if (name.isEmpty())
        throw EngineError(u"The database is not open."_s);
    return QSqlDatabase::database(name, false);
}

// The server's numbers of the types read as numbers (pg_type.oid).
constexpr Oid boolType = 16, int8Type = 20, int2Type = 21, int4Type = 23, float4Type = 700, float8Type = 701,
              numericType = 1700;

// Every program that writes takes this lock at the start of its transaction, as the file's
// engine takes its write lock: one writer at a time, readers never wait.
constexpr qint64 writeLock = 0x54616D6F7275; // "Tamoru"

QSqlQuery run(const QString& connection, const QString& statement) {
    QSqlQuery query(connectionOf(connection));
    query.setForwardOnly(true);
    if (!query.exec(statement))
        throw serverError(query);
    return query;
}

} // namespace

ServerDatabase::ServerDatabase(QString connection, QString address)
    : m_connection(std::move(connection)), m_address(std::move(address)) {}

ServerDatabase::~ServerDatabase() {
    close();
}

std::unique_ptr<Database> ServerDatabase::open(const QString& text) {
    QString why;
    const std::optional<ServerAddress> address = readServerAddress(text, &why);
    if (!address)
        throw EngineError(why, EngineError::Trouble::Unreachable);
    if (!QSqlDatabase::isDriverAvailable(u"QPSQL"_s))
        throw EngineError(u"The toolkit's PostgreSQL driver (QPSQL) is not installed."_s,
                          EngineError::Trouble::Unreachable);
    const QString name = newConnectionName();
    auto database = std::unique_ptr<ServerDatabase>(new ServerDatabase(name, text));
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
    db.setHostName(address->host);
    if (address->port >= 0)
        db.setPort(address->port);
    db.setDatabaseName(address->database);
    db.setUserName(address->user);
    db.setConnectOptions(address->options);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        throw EngineError(error.databaseText().trimmed().isEmpty() ? error.text() : error.databaseText().trimmed(),
                          EngineError::Trouble::Unreachable);
    }
    // Texts in quotes as the file reads them (a backslash is itself); a wait for another
    // program's lock ends as the file's busy wait does.
    run(name, u"SET standard_conforming_strings = on"_s);
    run(name, u"SET client_min_messages = warning"_s);
    run(name, u"SET lock_timeout = %1"_s.arg(busyTimeoutMilliseconds()));
    // Patterns name characters by their code points, which only a UTF-8 database reads as such.
    QSqlQuery encoding = run(name, u"SHOW server_encoding"_s);
    if (!encoding.next() || encoding.value(0).toString() != u"UTF8"_s)
        throw EngineError(
            u"The server's database keeps its text in %1; Tamoru needs UTF8."_s.arg(encoding.value(0).toString()),
            EngineError::Trouble::NotOurs);
    return database;
}

qint64 ServerDatabase::execute(const QString& statement) {
    QSqlQuery query = run(m_connection, serverStatement(statement));
    return std::max(0, query.numRowsAffected());
}

std::unique_ptr<Recordset> ServerDatabase::openRecordset(const QString& statement, RecordsetType) {
    // Not forward-only: the driver then reads the whole result at once, and its rows are read
    // here as the server sent them (the driver's own conversion would drop a U+FEFF that
    // begins a text).
    QSqlQuery query(connectionOf(m_connection));
    if (!query.exec(serverStatement(statement)))
        throw serverError(query);
    const QVariant handle = query.result()->handle();
    // The driver names the type after the client library's own structure.
    if (!handle.isValid() || qstrcmp(handle.typeName(), "pg_result*") != 0)
        throw EngineError(u"The database driver gave no result handle."_s);
    const PGresult* result = *static_cast<PGresult* const*>(handle.constData());
    const int columns = PQnfields(result);
    const int rows = PQntuples(result);
    QStringList names;
    for (int i = 0; i < columns; ++i)
        names.append(QString::fromUtf8(PQfname(result, i)));
    std::vector<Recordset::Cell> cells;
    cells.reserve(size_t(rows) * size_t(columns));
    std::string store;
    for (int row = 0; row < rows; ++row) {
        for (int i = 0; i < columns; ++i) {
            Recordset::Cell cell;
            if (!PQgetisnull(result, row, i)) {
                const char* value = PQgetvalue(result, row, i);
                const int length = PQgetlength(result, row, i);
                switch (PQftype(result, i)) {
                case boolType:
                    cell.type = Recordset::Cell::Integer;
                    cell.integer = *value == 't' ? 1 : 0;
                    break;
                case int2Type:
                case int4Type:
                case int8Type:
                    cell.type = Recordset::Cell::Integer;
                    cell.integer = QByteArrayView(value, length).toLongLong();
                    break;
                case float4Type:
                case float8Type:
                case numericType:
                    cell.type = Recordset::Cell::Real;
                    cell.real = QByteArrayView(value, length).toDouble();
                    break;
                default:
                    if (store.size() > size_t(std::numeric_limits<int>::max() - length))
                        throw EngineError(u"The result is too large to read."_s);
                    cell.type = Recordset::Cell::Text;
                    cell.bytes = {quint32(store.size()), quint32(length)};
                    store.append(value, size_t(length));
                }
            }
            cells.push_back(cell);
        }
    }
    return std::make_unique<Recordset>(std::move(names), std::move(cells), std::move(store));
}

void ServerDatabase::beginTrans() {
    run(m_connection, u"BEGIN"_s);
    try {
        run(m_connection, u"SELECT pg_advisory_xact_lock(%1)"_s.arg(writeLock));
    } catch (const EngineError&) {
        run(m_connection, u"ROLLBACK"_s);
        throw;
    }
}

void ServerDatabase::commitTrans() {
    run(m_connection, u"COMMIT"_s);
}

void ServerDatabase::rollback() {
    run(m_connection, u"ROLLBACK"_s);
}

void ServerDatabase::replaceWith(const QString&) {
    throw EngineError(u"A database on a server is not replaced from a file; use the server's own tools."_s);
}

QMap<QString, QStringList> ServerDatabase::tableColumns() {
    QSqlQuery query =
        run(m_connection, u"SELECT table_name, column_name FROM information_schema.columns "
                          "WHERE table_schema = current_schema() ORDER BY table_name, ordinal_position"_s);
    QMap<QString, QStringList> tables;
    while (query.next())
        tables[query.value(0).toString()].append(query.value(1).toString());
    return tables;
}

void ServerDatabase::close() {
    closeConnection(m_connection);
}

} // namespace platform
