#include "platform/Database.h"

#include "platform/Engines.h"
#include "platform/Log.h"

#include <QSqlDatabase>
#include <QStringDecoder>
#include <atomic>
#include <cstring>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

std::atomic<int> busyTimeout{5000};
std::atomic<int> connectionCounter{0};

} // namespace

int busyTimeoutMilliseconds() {
    return busyTimeout;
}

void closeConnection(QString& name) {
    if (name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    name.clear();
}

QString newConnectionName() {
    return u"tamoru-%1"_s.arg(++connectionCounter);
}

// A stored text as the user wrote it: a U+FEFF at its start is part of it, not a byte-order
// mark to skip as QString::fromUtf8 does.
QString textOf(const char* data, qsizetype length) {
    if (length < 3 || std::memcmp(data, "\xEF\xBB\xBF", 3) != 0)
        return QString::fromUtf8(data, length);
    QStringDecoder decode(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decode(QByteArrayView(data, length));
}

EngineError::EngineError(const QString& message, Trouble trouble)
    : std::runtime_error(message.toStdString()), m_message(message), m_trouble(trouble) {}

// Recordset --------------------------------------------------------------------------------

Recordset::Recordset(QStringList fieldNames, std::vector<Cell> cells, std::string store)
    : m_fieldNames(std::move(fieldNames)), m_cells(std::move(cells)), m_store(std::move(store)) {}

qsizetype Recordset::rowCount() const {
    return m_fieldNames.isEmpty() ? 0 : static_cast<qsizetype>(m_cells.size()) / m_fieldNames.size();
}

bool Recordset::atEnd() const {
    if (m_closed)
        throw EngineError(u"Object invalid or no longer set."_s);
    return m_row >= rowCount();
}

void Recordset::moveNext() {
    if (atEnd())
        throw EngineError(u"No current record."_s);
    ++m_row;
}

qsizetype Recordset::columnOf(const QString& name) const {
    // Loops read the same column row after row: remember the last one looked up.
    if (name == m_lastName)
        return m_lastColumn;
    const qsizetype dot = name.lastIndexOf(u'.');
    const QStringView column = dot >= 0 ? QStringView(name).mid(dot + 1) : QStringView(name);
    for (qsizetype i = 0; i < m_fieldNames.size(); ++i) {
        if (m_fieldNames[i].compare(column, Qt::CaseInsensitive) == 0) {
            m_lastName = name;
            m_lastColumn = i;
            return i;
        }
    }
    throw EngineError(u"Item not found in this collection: %1"_s.arg(name));
}

QVariant Recordset::field(const QString& name) const {
    if (atEnd())
        throw EngineError(u"No current record."_s);
    return value(m_row, columnOf(name));
}

QVariantList Recordset::values() const {
    if (atEnd())
        throw EngineError(u"No current record."_s);
    QVariantList row;
    for (qsizetype column = 0; column < m_fieldNames.size(); ++column)
        row.append(value(m_row, column));
    return row;
}

QVariant Recordset::value(qsizetype row, qsizetype column) const {
    const Cell& cell = m_cells[static_cast<size_t>(row * m_fieldNames.size() + column)];
    switch (cell.type) {
    case Cell::Null:
        break;
    case Cell::Integer:
        return QVariant(cell.integer);
    case Cell::Real:
        return QVariant(cell.real);
    case Cell::Text:
        return textOf(m_store.data() + cell.bytes.offset, cell.bytes.length);
    case Cell::Blob:
        return QByteArray(m_store.data() + cell.bytes.offset, cell.bytes.length);
    }
    return QVariant();
}

void Recordset::close() {
    m_closed = true;
    m_cells = {};
    m_store = {};
}

// Transaction ------------------------------------------------------------------------------

Transaction::Transaction(Database& db) : m_db(db) {
    m_db.beginTrans();
}

Transaction::~Transaction() {
    if (!m_done) {
        try {
            m_db.rollback();
        } catch (const EngineError& error) {
            // The connection has usually undone the transaction already.
            qCInfo(log) << "rollback:" << error.message();
        }
    }
}

void Transaction::commit() {
    m_db.commitTrans();
    m_done = true;
}

// Workspace --------------------------------------------------------------------------------

std::unique_ptr<Workspace> Workspace::defaultWorkspace() {
    return std::make_unique<Workspace>();
}

void Workspace::close() {}

void Workspace::setBusyTimeout(int milliseconds) {
    busyTimeout = milliseconds;
}

std::unique_ptr<Database> Workspace::openDatabase(const QString& fileName) {
    return FileDatabase::open(fileName);
}

std::unique_ptr<Database> Workspace::openServer(const QString& address) {
    return ServerDatabase::open(address);
}

} // namespace platform
