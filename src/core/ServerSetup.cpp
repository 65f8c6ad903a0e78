#include "core/ServerSetup.h"

#include "core/DataFile.h"
#include "core/FileError.h"
#include "platform/Settings.h"
#include "platform/SqlText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace core {

namespace {

// The statements of the starting schema, comments left out; texts of the tables compare by
// code point (the "C" collation), as the file's engine compares them.
QStringList serverSchema() {
    QString text;
    for (const QString& line : QString::fromUtf8(startingSchemaText).split(u'\n')) {
        if (!line.trimmed().startsWith(u"--"_s))
            text += line + u'\n';
    }
    QStringList statements;
    for (const QString& statement : text.split(u';')) {
        QString s = statement.trimmed();
        if (s.isEmpty())
            continue;
        if (s.startsWith(u"CREATE TABLE"_s))
            s.replace(QRegularExpression(u"\\bTEXT\\b"_s), u"TEXT COLLATE \"C\""_s);
        statements.append(s);
    }
    return statements;
}

qint64 count(platform::Database& db, const QString& table, const QString& condition = {}) {
    const auto rows = db.openRecordset(u"select count(*) as [TOTAL] from "_s + table +
                                       (condition.isEmpty() ? QString() : u" where "_s + condition));
    return rows->field(u"TOTAL"_s).toLongLong();
}

QString literal(const QVariant& value) {
    if (value.isNull())
        return u"Null"_s;
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Double)
        return value.toString();
    return u"'"_s + platform::sqlText(value.toString()) + u"'"_s;
}

// Every row of the table, written into the server in statements of many rows each.
qint64 copyTable(platform::Database& file, platform::Database& server, const QString& table) {
    // By name on both sides: a file may hold the columns in another order, or more of them.
    const QString columns = ourTables().value(table).join(u',');
    const auto rows = file.openRecordset(u"select "_s + columns + u" from "_s + table);
    QStringList values;
    qint64 copied = 0;
    const auto flush = [&] {
        if (!values.isEmpty())
            server.execute(u"INSERT INTO "_s + table + u" ("_s + columns + u") VALUES "_s + values.join(u','));
        values.clear();
    };
    for (; !rows->atEnd(); rows->moveNext()) {
        QStringList row;
        for (const QVariant& value : rows->values())
            row.append(literal(value));
        values.append(u"("_s + row.join(u',') + u")"_s);
        ++copied;
        if (values.size() == 500)
            flush();
    }
    flush();
    return copied;
}

} // namespace

QString serverAddress() {
    return platform::GetSetting(u"Tamoru"_s, u"Server"_s, u"Database"_s).trimmed();
}

void saveServerAddress(const QString& address) {
    platform::SaveSetting(u"Tamoru"_s, u"Server"_s, u"Database"_s, address);
}

void createServerDatabase(platform::Database& server) {
    if (!server.tableColumns().isEmpty())
        throw FileError(u"このデータベースにはすでにテーブルがあります。空のデータベースを指定してください。"_s);
    platform::Transaction transaction(server);
    for (const QString& statement : serverSchema())
        server.execute(statement);
    transaction.commit();
}

CopiedRows copyToServer(platform::Database& file, platform::Database& server) {
    try {
        checkOurs(server.tableColumns());
    } catch (const platform::EngineError&) {
        throw FileError(u"サーバーのデータベースに Tamoru のテーブルがありません。"
                        u"先に --create-server-database で作ってください。"_s);
    }
    platform::Transaction transaction(server);
    if (count(server, u"Mst_Address"_s) > 0 || count(server, u"TMP_Sche"_s) > 0 ||
        count(server, u"Mst_User"_s, u"UserName <> 'Guest'"_s) > 0 ||
        count(server, u"Mst_Sex"_s, u"Sex_Cd <> 1 And Sex_Cd <> 2"_s) > 0)
        throw FileError(u"サーバーのデータベースにはすでにデータがあります。コピーは、"
                        u"--create-server-database で作ったばかりのデータベースにだけできます。"_s);
    server.execute(u"DELETE FROM Mst_User"_s);
    server.execute(u"DELETE FROM Mst_Sex"_s);
    CopiedRows copied;
    copied.users = copyTable(file, server, u"Mst_User"_s);
    copied.sexes = copyTable(file, server, u"Mst_Sex"_s);
    copied.diary = copyTable(file, server, u"TMP_Sche"_s);
    copied.addresses = copyTable(file, server, u"Mst_Address"_s);
    transaction.commit();
    // The server learns what the tables now hold, so that the lists read through their index
    // at once rather than once its own upkeep has come round.
    server.execute(u"VACUUM ANALYZE"_s);
    return copied;
}

} // namespace core
