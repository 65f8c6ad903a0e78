#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// An error of the database engine, carrying the engine's own words and, where it is one the
// user can do something about, what kind of trouble it is.
class EngineError : public std::runtime_error {
public:
    enum class Trouble {
        Other,
        Missing,
        NotAFile,
        CannotOpen,
        ReadOnly,
        NotADatabase,
        NotOurs,
        Busy,
        Full,
        Corrupt,
        RowGone,
        Unreachable // a server that cannot be reached, or refuses the connection
    };

    explicit EngineError(const QString& message, Trouble trouble = Trouble::Other);
    const QString& message() const { return m_message; }
    Trouble trouble() const { return m_trouble; }

private:
    QString m_message;
    Trouble m_trouble;
};

// The rows of one query, read in full when it is opened so that no statement stays open
// (and no lock stays held) between the query and the next one. Values are kept as the engine
// gives them and become Qt values only when a field is read.
class Recordset {
public:
    // One value of the result: Null, a number, or text (UTF-8) or bytes in the store.
    struct Cell {
        struct Bytes {
            quint32 offset;
            quint32 length;
        };
        enum Type : unsigned char { Null, Integer, Real, Text, Blob } type = Null;
        union {
            qint64 integer;
            double real;
            Bytes bytes;
        };
    };

    Recordset(QStringList fieldNames, std::vector<Cell> cells, std::string store);

    // True when no current row is left (at once for an empty result).
    bool atEnd() const;
    void moveNext();

    // The value of a column of the current row, by name without regard to case; a name may
    // carry its table ("Mst_Address.Sex_cd"). A Null value is a null QVariant. Throws when
    // there is no current row or no such column.
    QVariant field(const QString& name) const;

    // Every value of the current row, in the order of the columns.
    QVariantList values() const;

    qsizetype rowCount() const;
    void close();

    // Any row's value, by the row's place and the column's, for a view that reads only the rows
    // it shows; both must be in range.
    QVariant value(qsizetype row, qsizetype column) const;
    // The place of a column, as `field` finds it; throws when there is no such column.
    qsizetype columnOf(const QString& name) const;

private:
    QStringList m_fieldNames;
    std::vector<Cell> m_cells; // row after row
    std::string m_store;       // the text and bytes of the cells
    qsizetype m_row = 0;
    bool m_closed = false;
    mutable QString m_lastName;
    mutable qsizetype m_lastColumn = 0;
};

// A database the program works on: the file (SQLite), or a database on a PostgreSQL server
// shared by several PCs. Both run the same statement texts (see ServerDialect.h).
class Database {
public:
    enum RecordsetType { Dynaset = 2 };

    virtual ~Database() = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs an insert, update or delete; the change is applied when the call returns.
    // Returns how many rows it changed.
    virtual qint64 execute(const QString& statement) = 0;
    // Runs a query and returns its rows in the statement's order.
    virtual std::unique_ptr<Recordset> openRecordset(const QString& statement, RecordsetType type = Dynaset) = 0;

    // A transaction holds the write lock from its start: a transaction that reads before it
    // writes must not let another program's save slip between its read and its write.
    virtual void beginTrans() = 0;
    virtual void commitTrans() = 0;
    virtual void rollback() = 0;

    // Replaces every table, index and row with those of the database file `source`, in one
    // transaction: another program sees the old data or the new, never a mix. Throws as
    // copyDatabaseFile does; a server refuses.
    virtual void replaceWith(const QString& source) = 0;

    // Every table with its columns, in the order of the table's definition.
    virtual QMap<QString, QStringList> tableColumns() = 0;
    // The database's file; empty for a server.
    virtual QString fileName() const = 0;
    // The database as messages name it: its file, or the server's address.
    virtual QString place() const = 0;
    virtual void close() = 0;

protected:
    Database() = default;
};

// Commits when asked to, rolls back when it goes out of scope without.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

class Workspace {
public:
    // The engine's default workspace (number 0).
    static std::unique_ptr<Workspace> defaultWorkspace();

    // Opens an existing database file for reading and writing. A file that is missing, that
    // cannot be written, or that is not a database is refused with an EngineError; nothing
    // is ever created.
    std::unique_ptr<Database> openDatabase(const QString& fileName);
    // Connects to a database on a PostgreSQL server, named by its address
    // ("postgresql://host:5432/tamoru?sslmode=prefer"; see ServerAddress.h). The password is
    // never part of it: the client library finds it (~/.pgpass, a service file). A server that
    // cannot be reached, or a database that is not there, is refused with CannotOpen.
    std::unique_ptr<Database> openServer(const QString& address);
    void close();

    // How long a statement waits for another program that holds the file, in milliseconds.
    static void setBusyTimeout(int milliseconds);
};

} // namespace platform
