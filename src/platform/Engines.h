#pragma once

// The two engines behind Database, for the platform layer alone.
#include "platform/Database.h"

struct sqlite3;

namespace platform {

// What kind of trouble one of SQLite's result codes is.
EngineError::Trouble troubleOf(int engineCode);

// Every table and its columns, as the rows (tbl, col), in SQLite.
inline constexpr char tableColumnsQuery[] =
    "SELECT m.name AS tbl, p.name AS col FROM sqlite_master AS m, pragma_table_info(m.name) AS p "
    "WHERE m.type = 'table' ORDER BY m.name, p.cid";

// A stored text (UTF-8) as the user wrote it, a U+FEFF at its start included.
QString textOf(const char* data, qsizetype length);

int busyTimeoutMilliseconds();
QString newConnectionName();
// Closes the toolkit's connection of this name and forgets it; the name becomes empty.
void closeConnection(QString& name);

// The file: TEL.mdb.
class FileDatabase final : public Database {
public:
    static std::unique_ptr<Database> open(const QString& fileName);
    ~FileDatabase() override;

    qint64 execute(const QString& statement) override;
    std::unique_ptr<Recordset> openRecordset(const QString& statement, RecordsetType type) override;
    void beginTrans() override;
    void commitTrans() override;
    void rollback() override;
    void replaceWith(const QString& source) override;
    QMap<QString, QStringList> tableColumns() override;
    QString fileName() const override { return m_fileName; }
    QString place() const override { return m_fileName; }
    void close() override;

private:
    FileDatabase(QString connection, QString fileName);
    sqlite3* handle() const;

    QString m_connection;
    QString m_fileName;
};

// A database on a PostgreSQL server, through the toolkit's driver.
class ServerDatabase final : public Database {
public:
    static std::unique_ptr<Database> open(const QString& address);
    ~ServerDatabase() override;

    qint64 execute(const QString& statement) override;
    std::unique_ptr<Recordset> openRecordset(const QString& statement, RecordsetType type) override;
    void beginTrans() override;
    void commitTrans() override;
    void rollback() override;
    void replaceWith(const QString& source) override;
    QMap<QString, QStringList> tableColumns() override;
    QString fileName() const override { return {}; }
    QString place() const override { return m_address; }
    void close() override;

private:
    ServerDatabase(QString connection, QString address);

    QString m_connection;
    QString m_address;
};

} // namespace platform
