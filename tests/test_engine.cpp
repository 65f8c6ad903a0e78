// The engine as the program uses it: the wildcards of its statements, the one quoting helper.
#include "Drive.h"
#include "core/EngineGuard.h"
#include "platform/Database.h"
#include "platform/JetPattern.h"
#include "platform/SqlText.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>
#include <atomic>
#include <thread>

namespace {

const struct LikeCase {
    const char* tag;
    QString pattern, text;
    bool match;
} likeCases[] = {{"star matches any run", u"*ab*"_s, u"xxabyy"_s, true},
                 {"question one character", u"a?c"_s, u"abc"_s, true},
                 {"question one non-BMP character", u"a?b"_s, u"a𠮷b"_s, true},
                 {"hash a full-width digit", u"0#-#"_s, u"0５-5"_s, true},
                 {"class range ignores case", u"[a-f]"_s, u"E"_s, true},
                 {"class of kana range", u"[ア-オ]*"_s, u"ウエダ"_s, true},
                 {"negated class ignores case", u"[!a]"_s, u"A"_s, false},
                 {"bracketed star is literal", u"a[*]b"_s, u"a*b"_s, true},
                 {"unclosed bracket stands for itself", u"*[*"_s, u"a[b"_s, true},
                 {"width is not folded", u"ABC"_s, u"ＡＢＣ"_s, false},
                 {"backtracking star", u"*a*b*c"_s, u"aXbaYbcZc"_s, true},
                 {"empty matches only empty", u""_s, u"a"_s, false},
                 {"a noncharacter is itself", u"*\uFFFD*"_s, u"a\uFFFFb"_s, false}};

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void likeMatches_data() { addCases(likeCases); }
    void likeMatches() {
        const LikeCase& c = currentCase(likeCases);
        QCOMPARE(platform::JetPattern(c.pattern).matches(c.text), c.match);
        ProgramFolder folder; // the engine's like says the same of the stored text
        const QString like = u"select ('%1' like '%2') as [TOTAL]"_s;
        QCOMPARE(folder.scalar(like.arg(platform::sqlText(c.text), platform::sqlText(c.pattern))).toBool(), c.match);
    }
    // A quoted value reads back as typed (NULs dropped, a lone surrogate made U+FFFD) and
    // touches nothing else.
    void quotedValuesReadBackExactly_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char* tag, const QString& value, const QString& stored = {}) {
            QTest::newRow(tag) << value << (stored.isNull() ? value : stored);
        };
        row("one quote", u"'"_s);
        row("injection", u"x' OR 'a'='a"_s);
        row("statement end", u"a'); DELETE FROM Mst_User; --"_s);
        row("line breaks, blanks, wildcards", u" 一行目\r\n二行目\n*?#[!] "_s);
        row("non-BMP", u"𠮷野家 😀"_s);
        row("NUL inside", u"a"_s + QChar(0) + u"b'"_s, u"ab'"_s);
        row("a thousand NULs", QString(1000, QChar(0)) + u"'x"_s, u"'x"_s);
        row("a lone surrogate before the quote", QChar(0xD800) + u"' OR 1=1 --"_s, u"\uFFFD' OR 1=1 --"_s);
        row("a leading U+FEFF", u"\uFEFF\uFEFFx'"_s);
        row("long", QString(200000, u'あ') + u"'"_s);
    }
    void quotedValuesReadBackExactly() {
        QFETCH(QString, value);
        QFETCH(QString, stored);
        if (ProgramFolder::onServer() && stored.size() > 1000)
            QSKIP("a server indexes names of up to about 2,700 bytes");
        ProgramFolder folder;
        const QString quoted = platform::sqlText(value);
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('%1' , '%1')"_s.arg(quoted));
        auto rows = folder.db().openRecordset(u"select * from Mst_User Where UserName = '%1' "_s.arg(quoted));
        QVERIFY(!rows->atEnd());
        QCOMPARE(rows->field(u"UserPass"_s).toString(), stored);
        rows->moveNext();
        QVERIFY(rows->atEnd());
        QCOMPARE(folder.scalar(u"select count(*) as [TOTAL] FROM Mst_User"_s).toInt(), 2);
    }
    // A save is durable: the folder is synced once the journal is deleted.
    void savesSyncTheFolder() {
        if (ProgramFolder::onServer())
            QSKIP("a test of the file");
        ProgramFolder folder;
        QCOMPARE(folder.db().openRecordset(u"PRAGMA synchronous"_s)->field(u"synchronous"_s).toInt(), 3); // EXTRA
    }
    // A file another program holds: the statement waits with the busy cursor on view, then gives
    // up with a reason in the user's words.
    void lockedFileWaitsVisiblyThenFails() {
        if (ProgramFolder::onServer())
            QSKIP("a test of the file");
        ProgramFolder folder;
        platform::Workspace::setBusyTimeout(300);
        auto db = platform::Workspace::defaultWorkspace()->openDatabase(folder.databasePath());
        folder.db().beginTrans();
        folder.execute(u"UPDATE Mst_User SET UserPass = 'held'"_s);
        std::atomic<int> cursorWhileWaiting = -1;
        std::thread look([&cursorWhileWaiting] {
            QThread::msleep(150);
            const QCursor* cursor = QGuiApplication::overrideCursor();
            cursorWhileWaiting = cursor ? cursor->shape() : -2;
        });
        QString reason;
        try {
            db->execute(u"UPDATE Mst_User SET UserPass = 'x'"_s);
        } catch (const platform::EngineError& error) {
            reason = core::reasonOf(error);
        }
        look.join();
        folder.db().rollback();
        platform::Workspace::setBusyTimeout(5000);
        QCOMPARE(cursorWhileWaiting.load(), int(Qt::WaitCursor));
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(reason, u"他のプログラムが使用中です。しばらくしてからもう一度お試しください。"_s);
    }
};

QTEST_MAIN(EngineTest)
#include "test_engine.moc"
