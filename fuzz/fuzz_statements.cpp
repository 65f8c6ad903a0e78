// Arbitrary text through the quoting helper into each shape of statement the program builds,
// against a scratch database. What must always hold: the statement runs, it touches only the
// row it names, a stored value reads back exactly, and a search finds what the pattern rules
// say. With TAMORU_FUZZ_SERVER naming the socket folder of a PostgreSQL server
// (scripts/test-server), the scratch database is made there instead, and the same statements
// go through the server's dialect.
#include "StartingDatabase.h"
#include "core/ServerSetup.h"
#include "platform/Database.h"
#include "platform/JetPattern.h"
#include "platform/SqlText.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>

using namespace Qt::StringLiterals;
using platform::sqlText;

namespace {

std::unique_ptr<platform::Database> db;

[[noreturn]] void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

// Runs a statement that must be valid, whatever the values in it.
void run(const QString& statement) {
    try {
        db->execute(statement);
    } catch (const platform::EngineError& error) {
        fail("statement refused", error.message() + u"\n"_s + statement);
    }
}

std::unique_ptr<platform::Recordset> query(const QString& statement) {
    try {
        return db->openRecordset(statement);
    } catch (const platform::EngineError& error) {
        fail("query refused", error.message() + u"\n"_s + statement);
    }
}

qint64 count(const QString& statement) {
    return query(statement)->field(u"TOTAL"_s).toLongLong();
}

// Every row but the scratch one, as one text.
QString others() {
    auto rows = query(u"select * from TMP_Sche where Date_Data <> 'fuzz' order by UserName, Date_Data"_s);
    QString all;
    for (; !rows->atEnd(); rows->moveNext())
        all += rows->field(u"Date_Data"_s).toString() + u'\x1f' + rows->field(u"Daily_Data"_s).toString() + u'\x1f' +
               rows->field(u"UserName"_s).toString() + u'\x1e';
    auto users = query(u"select * from Mst_User order by UserName"_s);
    for (; !users->atEnd(); users->moveNext())
        all += users->field(u"UserName"_s).toString() + u'\x1f' + users->field(u"UserPass"_s).toString() + u'\x1e';
    return all;
}

QString othersAtStart;

// Text as the keyboard gives it (UTF-8 taken apart), or any UTF-16 code units at all, lone
// surrogates and noncharacters included, as a file edited elsewhere can hold them.
bool codeUnits = false;
QString fromBytes(const std::string& bytes) {
    if (!codeUnits)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QString units(qsizetype(bytes.size() / 2), Qt::Uninitialized);
    std::memcpy(units.data(), bytes.data(), size_t(units.size()) * 2);
    return units;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir folder;
    const QString server = qEnvironmentVariable("TAMORU_FUZZ_SERVER");
    if (!server.isEmpty()) {
        const auto address = [&server](const QString& database) {
            return u"postgresql:///%1?host=%2&user=tamoru"_s.arg(database, server);
        };
        const QString scratch = u"fuzz_%1"_s.arg(QCoreApplication::applicationPid());
        try {
            platform::Workspace::defaultWorkspace()
                ->openServer(address(u"postgres"_s))
                ->execute(u"CREATE DATABASE "_s + scratch);
            db = platform::Workspace::defaultWorkspace()->openServer(address(scratch));
            core::createServerDatabase(*db);
        } catch (const std::exception& error) {
            fail("cannot make the scratch database on the server", QString::fromUtf8(error.what()));
        }
        std::atexit([] { db.reset(); });
    } else {
        const QString file = folder.filePath(u"TEL.mdb"_s);
        std::string error;
        if (!createStartingDatabase(file.toStdString(), error))
            fail("cannot make the scratch database", QString::fromStdString(error));
        db = platform::Workspace::defaultWorkspace()->openDatabase(file);
        std::atexit([] { db.reset(); }); // before the application object goes
        // Durability is not what is being tried here; speed is.
        db->execute(u"PRAGMA synchronous = OFF"_s);
        db->execute(u"PRAGMA journal_mode = MEMORY"_s);
    }
    db->execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('O''Neil' , 'x'' OR ''a''=''a')"_s);
    db->execute(u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('2026/12/6' , 'a*b?c#[d]' , 'Guest')"_s);
    db->execute(
        u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('2026/12/7' , '日記''です' , 'O''Neil')"_s);
    othersAtStart = others();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    codeUnits = input.ConsumeBool();
    const QString user = fromBytes(input.ConsumeRandomLengthString(128));
    const QString first = fromBytes(input.ConsumeRandomLengthString(2048));
    const QString second = fromBytes(input.ConsumeRandomLengthString(2048));
    const QString fragment = fromBytes(input.ConsumeRemainingBytesAsString());

    // A count query with two values, as the password check builds it.
    const qint64 users = count(u"select count(*) as [TOTAL] FROM Mst_User WHERE UserName = '"_s + sqlText(user) +
                               u"' AND UserPass = '"_s + sqlText(first) + u"'"_s);
    const QString storedUser = platform::storedText(user), storedFirst = platform::storedText(first);
    const bool known = (storedUser == u"Guest"_s && storedFirst.isEmpty()) ||
                       (storedUser == u"O'Neil"_s && storedFirst == u"x' OR 'a'='a"_s);
    if (users != (known ? 1 : 0))
        fail("the password check matched", user + u" / "_s + first);

    const QString row = u" WHERE Date_Data = 'fuzz' AND UserName = '"_s + sqlText(user) + u"'"_s;
    run(u"INSERT INTO TMP_Sche(Date_Data,Daily_Data,UserName) values('fuzz' , '"_s + sqlText(first) + u"' , '"_s +
        sqlText(user) + u"')"_s);
    if (count(u"select count(*) as [TOTAL] FROM TMP_Sche"_s + row) != 1)
        fail("the inserted row is not found", user);
    auto stored = query(u"SELECT * FROM TMP_Sche"_s + row);
    if (stored->field(u"Daily_Data"_s).toString() != storedFirst ||
        stored->field(u"UserName"_s).toString() != storedUser)
        fail("the inserted text reads back changed", first);

    run(u"UPDATE TMP_Sche SET Daily_Data = '"_s + sqlText(second) + u"'"_s + row);
    stored = query(u"SELECT * FROM TMP_Sche"_s + row);
    if (stored->field(u"Daily_Data"_s).toString() != platform::storedText(second))
        fail("the updated text reads back changed", second);

    // A contains-search finds exactly what the pattern rules say, wildcards typed included.
    const qint64 found = count(u"select count(*) as [TOTAL] FROM TMP_Sche"_s + row + u" AND Daily_Data like '*"_s +
                               sqlText(fragment) + u"*'"_s);
    const bool expected = platform::JetPattern(QString(u'*' + platform::storedText(fragment) + u'*'))
                              .matches(platform::storedText(second));
    if (found != (expected ? 1 : 0))
        fail("the search disagrees with the pattern rules", fragment + u" in "_s + second);

    run(u"delete from TMP_Sche"_s + row + u";"_s);
    if (count(u"select count(*) as [TOTAL] FROM TMP_Sche WHERE Date_Data = 'fuzz'"_s) != 0)
        fail("the deleted row is still there", user);
    if (others() != othersAtStart)
        fail("other rows changed", user);
    return 0;
}
