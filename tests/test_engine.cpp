// The database engine as the program uses it: the statements' dialect on SQLite, the one
// quoting helper, errors, and a file that must never be created.
#include "Fixture.h"
#include "core/EngineGuard.h"
#include "platform/Database.h"
#include "platform/JetPattern.h"
#include "platform/SqlText.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;
using platform::EngineError;

class EngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void likeMatches_data();
    void likeMatches();
    void likeRunsInStatements_data();
    void likeRunsInStatements();
    void quotedValuesReadBackExactly_data();
    void quotedValuesReadBackExactly();
    void readingRows();
    void engineErrorCarriesTheEnginesWords();
    void unusableFilesAreRefused();
    void lockedDatabaseWaitsThenFails();
    void transactionRollsBackUnlessCommitted();
};

void EngineTest::likeMatches_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("match");

    QTest::newRow("star matches any run") << u"*ab*"_s << u"xxabyy"_s << true;
    QTest::newRow("star matches the empty run") << u"**"_s << u""_s << true;
    QTest::newRow("empty pattern only empty text") << u""_s << u""_s << true;
    QTest::newRow("empty pattern not text") << u""_s << u"a"_s << false;
    QTest::newRow("whole text, not a part") << u"ab"_s << u"abc"_s << false;
    QTest::newRow("question one character") << u"a?c"_s << u"abc"_s << true;
    QTest::newRow("question not zero characters") << u"a?c"_s << u"ac"_s << false;
    QTest::newRow("question one kanji") << u"山?"_s << u"山田"_s << true;
    QTest::newRow("question one non-BMP character") << u"a?b"_s << u"a𠮷b"_s << true;
    QTest::newRow("hash a digit") << u"0#-#"_s << u"03-5"_s << true;
    QTest::newRow("hash a full-width digit") << u"#"_s << u"５"_s << true;
    QTest::newRow("hash not a letter") << u"#"_s << u"x"_s << false;
    QTest::newRow("class member") << u"[abc]x"_s << u"bx"_s << true;
    QTest::newRow("class non-member") << u"[abc]x"_s << u"dx"_s << false;
    QTest::newRow("class range") << u"[a-f]"_s << u"e"_s << true;
    QTest::newRow("class range ignores case") << u"[a-f]"_s << u"E"_s << true;
    QTest::newRow("class of kana range") << u"[ア-オ]*"_s << u"ウエダ"_s << true;
    QTest::newRow("negated class excludes") << u"[!abc]"_s << u"a"_s << false;
    QTest::newRow("negated class admits") << u"[!abc]"_s << u"z"_s << true;
    QTest::newRow("negated class ignores case") << u"[!a]"_s << u"A"_s << false;
    QTest::newRow("bracketed star is literal") << u"a[*]b"_s << u"a*b"_s << true;
    QTest::newRow("bracketed star not a wildcard") << u"a[*]b"_s << u"axb"_s << false;
    QTest::newRow("bracketed question is literal") << u"[?]"_s << u"?"_s << true;
    QTest::newRow("bracketed hash is literal") << u"[#]"_s << u"#"_s << true;
    QTest::newRow("unclosed bracket stands for itself") << u"*[*"_s << u"a[b"_s << true;
    QTest::newRow("empty brackets match nothing") << u"a[]b"_s << u"ab"_s << true;
    QTest::newRow("ascii case") << u"*TAMORU*"_s << u"my tamoru diary"_s << true;
    QTest::newRow("full-width case") << u"ＡＢＣ"_s << u"ａｂｃ"_s << true;
    QTest::newRow("greek case") << u"σ*"_s << u"Σοφία"_s << true;
    QTest::newRow("width is not folded") << u"ABC"_s << u"ＡＢＣ"_s << false;
    QTest::newRow("kana kinds differ") << u"やまだ"_s << u"ヤマダ"_s << false;
    QTest::newRow("percent is literal") << u"a%"_s << u"abc"_s << false;
    QTest::newRow("underscore is literal") << u"a_c"_s << u"abc"_s << false;
    QTest::newRow("backtracking star") << u"*a*b*c"_s << u"aXbaYbcZc"_s << true;
    QTest::newRow("backtracking star fails") << u"*a*b*c"_s << u"aXbaYbZ"_s << false;
    QTest::newRow("line break is a character") << u"a?b"_s << u"a\nb"_s << true;
    QTest::newRow("quote is a character") << u"*'*"_s << u"O'Neil"_s << true;
}

void EngineTest::likeMatches() {
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, match);
    QCOMPARE(platform::JetPattern(pattern).matches(text), match);
}

// The same wildcards through the engine, on stored rows, the way the search builds them.
void EngineTest::likeRunsInStatements_data() {
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("contains") << u"Name_1 like '*田*'"_s << QStringList{u"山田"_s, u"田中"_s};
    QTest::newRow("case") << u"Email like '*EXAMPLE*'"_s << QStringList{u"田中"_s};
    QTest::newRow("class") << u"Tel_1 like '0[3-4]*'"_s << QStringList{u"山田"_s};
    QTest::newRow("negated class") << u"Tel_1 like '0[!3]*'"_s << QStringList{u"田中"_s};
    QTest::newRow("quote searched for") << u"Name_1 like '*''*'"_s << QStringList{u"O'Neil"_s};
    QTest::newRow("empty between stars skips Null") << u"Email like '**'"_s << QStringList{u"田中"_s, u"O'Neil"_s};
    QTest::newRow("Null never matches") << u"Name_2 like '*'"_s << QStringList{};
    QTest::newRow("Null pattern never matches") << u"Name_1 like Null"_s << QStringList{};
}

void EngineTest::likeRunsInStatements() {
    QFETCH(QString, condition);
    QFETCH(QStringList, names);
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_Address(Name_1,Furigana,Tel_1,Email) values('山田','ﾔﾏﾀﾞ','03-1234',Null)"_s);
    folder.execute(
        u"INSERT INTO Mst_Address(Name_1,Furigana,Tel_1,Email) values('田中','ﾀﾅｶ','06-1234','t@example.jp')"_s);
    folder.execute(u"INSERT INTO Mst_Address(Name_1,Furigana,Tel_1,Email) values('O''Neil','ｵﾆｰﾙ',Null,'')"_s);
    auto rows = folder.db().openRecordset(u"SELECT * FROM Mst_Address Where "_s + condition + u" Order by Furigana"_s);
    QStringList found;
    for (; !rows->atEnd(); rows->moveNext())
        found.append(rows->field(u"name_1"_s).toString());
    found.sort();
    names.sort();
    QCOMPARE(found, names);
}

void EngineTest::quotedValuesReadBackExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << u""_s;
    QTest::newRow("one quote") << u"'"_s;
    QTest::newRow("injection") << u"x' OR 'a'='a"_s;
    QTest::newRow("statement end") << u"a'); DELETE FROM Mst_User; --"_s;
    QTest::newRow("line breaks") << u"一行目\r\n二行目\n\n"_s;
    QTest::newRow("blanks kept") << u"  両端  "_s;
    QTest::newRow("wildcards kept") << u"*?#[!]"_s;
    QTest::newRow("non-BMP") << u"𠮷野家 😀"_s;
    QTest::newRow("NUL inside") << u"a"_s + QChar(0) + u"b'"_s;
    QTest::newRow("long") << QString(200000, u'あ') + u"'"_s;
}

void EngineTest::quotedValuesReadBackExactly() {
    QFETCH(QString, value);
    ProgramFolder folder;
    const QString quoted = platform::sqlText(value);
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('"_s + quoted + u"' , '"_s + quoted + u"')"_s);
    auto rows = folder.db().openRecordset(u"select * from Mst_User Where UserName = '"_s + quoted + u"' "_s);
    QVERIFY(!rows->atEnd());
    QCOMPARE(rows->field(u"UserPass"_s).toString(), value);
    QCOMPARE(folder.scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), 2); // nothing else touched
}

// Fields by the alias, in any letter case, with or without their table; Null as a null
// value; and no reading where there is no row.
void EngineTest::readingRows() {
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_Address(Name_1, Sex_cd, Birth) values('a', 2, Null)"_s);
    auto& db = folder.db();
    QCOMPARE(db.openRecordset(u"select count(*) as [TOTAL] FROM mst_address WHERE name_1 = 'a'"_s)
                 ->field(u"total"_s)
                 .toInt(),
             1);
    auto rows = db.openRecordset(u"select Mst_Address.* , Mst_Sex.* from Mst_Address , Mst_Sex"
                                 u" Where Name_1 = 'a'  AND Mst_Address.Sex_cd = Mst_Sex.sex_cd ;"_s);
    QCOMPARE(rows->field(u"Mst_Address.Sex_cd"_s).toInt(), 2);
    QCOMPARE(rows->field(u"sex_name"_s).toString(), u"女性"_s);
    QVERIFY(rows->field(u"Birth"_s).isNull());
    QVERIFY_THROWS_EXCEPTION(EngineError, rows->field(u"NoSuchColumn"_s));
    rows->moveNext();
    QVERIFY(rows->atEnd());
    QVERIFY_THROWS_EXCEPTION(EngineError, rows->field(u"Name_1"_s));
    QVERIFY_THROWS_EXCEPTION(EngineError, rows->moveNext());
    rows->close();
    QVERIFY_THROWS_EXCEPTION(EngineError, rows->atEnd());
}

void EngineTest::engineErrorCarriesTheEnginesWords() {
    ProgramFolder folder;
    try {
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('a'b' , '')"_s);
        QFAIL("a broken statement ran");
    } catch (const EngineError& error) {
        QVERIFY2(error.message().contains(u"syntax error"_s), qPrintable(error.message()));
    }
    try {
        folder.db().openRecordset(u"select * from NoSuchTable"_s);
        QFAIL("a query on a missing table ran");
    } catch (const EngineError& error) {
        QVERIFY2(error.message().contains(u"no such table: NoSuchTable"_s), qPrintable(error.message()));
    }
    // Two statements at once are refused rather than run.
    QVERIFY_THROWS_EXCEPTION(EngineError, folder.execute(u"delete from Mst_User where 0; delete from Mst_User"_s));
    QCOMPARE(folder.scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), 1);
}

// A missing file is never created, and a file that is no database is refused untouched.
void EngineTest::unusableFilesAreRefused() {
    for (const QByteArray& content : {QByteArray(), QByteArray(4096, 'x')}) {
        ProgramFolder folder(ProgramFolder::Database::None);
        if (!content.isNull()) {
            QFile file(folder.databasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        try {
            platform::Workspace::defaultWorkspace()->openDatabase(folder.databasePath());
            QFAIL("an unusable file was opened");
        } catch (const EngineError& error) {
            const QString expected = content.isNull() ? u"Could not find file"_s : u"not a database"_s;
            QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
        }
        QCOMPARE(QFile::exists(folder.databasePath()), !content.isNull());
        if (!content.isNull())
            QCOMPARE(QFileInfo(folder.databasePath()).size(), 4096);
    }
}

void EngineTest::lockedDatabaseWaitsThenFails() {
    ProgramFolder folder;
    platform::Workspace::setBusyTimeout(200);
    auto db = platform::Workspace::defaultWorkspace()->openDatabase(folder.databasePath());
    {
        // Another program holds the file for writing.
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(folder.databasePath());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(u"BEGIN EXCLUSIVE"_s));
        QElapsedTimer waited;
        waited.start();
        std::atomic<int> cursorWhileWaiting{-1};
        std::thread look([&cursorWhileWaiting] {
            QThread::msleep(100);
            const QCursor* cursor = QGuiApplication::overrideCursor();
            cursorWhileWaiting = cursor ? cursor->shape() : -2;
        });
        QString reason;
        try {
            db->execute(u"UPDATE Mst_User SET UserPass = 'x'"_s);
        } catch (const EngineError& error) {
            reason = core::reasonOf(error);
        }
        look.join();
        QCOMPARE(reason, u"他のプログラムが使用中です。しばらくしてからもう一度お試しください。"_s);
        QVERIFY(waited.elapsed() >= 150);
        QCOMPARE(cursorWhileWaiting.load(), int(Qt::WaitCursor)); // the window is not frozen without a sign
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(lock.exec(u"ROLLBACK"_s));
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    db->execute(u"UPDATE Mst_User SET UserPass = 'x'"_s); // free again
    platform::Workspace::setBusyTimeout(5000);
}

void EngineTest::transactionRollsBackUnlessCommitted() {
    ProgramFolder folder;
    auto& db = folder.db();
    {
        platform::Transaction t(db);
        db.execute(u"delete from mst_user where username = 'Guest';"_s);
    }
    QCOMPARE(folder.scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), 1);
    {
        platform::Transaction t(db);
        db.execute(u"delete from mst_user where username = 'Guest';"_s);
        t.commit();
    }
    QCOMPARE(folder.scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), 0);
}

QTEST_MAIN(EngineTest)
#include "test_engine.moc"
