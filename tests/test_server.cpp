// Several PCs on one book: the statements as PostgreSQL runs them, a server's database made
// and filled from the file, a second program on another PC's settings, and a server that
// cannot be reached. All but the first need a server (scripts/test-server); without one they
// report skipped.
#include "Drive.h"
#include "addressbook/DataCreate.h"
#include "addressbook/PhoneBookFrame.h"
#include "app/CommandLine.h"
#include "core/ServerSetup.h"
#include "platform/NameList.h"
#include "platform/ServerDialect.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const struct DialectCase {
    const char* tag;
    QString statement;
    QString server;
} dialect[] = {
    {"a name in brackets", u"select count(*) as [TOTAL] from Mst_User"_s,
     u"select count(*) as \"TOTAL\" from Mst_User"_s},
    {"brackets and like inside a text stay", u"select * from Mst_Address where Bikou = '[x] like ''*'''"_s,
     u"select * from Mst_Address where Bikou = '[x] like ''*'''"_s},
    {"like", u"select Name_1 from Mst_Address where Name_1 like '*a*' order by Furigana"_s,
     u"select Name_1 from Mst_Address where Name_1 ~ '[aA]' order by Furigana"_s},
    {"stars alone", u"select * from Mst_Address where Tel_1 like '**'"_s,
     u"select * from Mst_Address where Tel_1 >= ''"_s},
    {"an empty pattern, a star at one end", u"select * from T where a like '' and b like 'x*' and c like '*y'"_s,
     u"select * from T where a ~ '^$' and b ~ '^[xX]' and c ~ '[yY]$'"_s},
    {"not like, a semicolon at the end", u"delete from Mst_User where UserName NOT LIKE 'G?';"_s,
     u"delete from Mst_User where UserName !~ '^[gG].$'"_s},
};

void say(const QStringList& arguments, int status) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const std::optional<int> said = answerArguments(QStringList{u"tamoru"_s} + arguments, outStream, errStream);
    QVERIFY2(said == status, qPrintable(out + err));
}

} // namespace

class ServerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }

    void statementsAsTheServerRunsThem_data() { addCases(dialect); }
    void statementsAsTheServerRunsThem() {
        const DialectCase& c = currentCase(dialect);
        QCOMPARE(platform::serverStatement(c.statement), c.server);
    }

    // Made once on an empty database and refused on one with tables; the file's rows then go
    // over whole, once.
    void createAndCopy() {
        if (!ProgramFolder::onServer())
            QSKIP("no server");
        ProgramFolder folder;
        const QString server = folder.serverAddress();
        folder.db().execute(u"DROP TABLE Mst_User, TMP_Sche, Mst_Sex, Mst_Address"_s);
        say({u"--create-server-database"_s, server}, 0);
        say({u"--create-server-database"_s, server}, 1);
        // A database that keeps its text in another encoding would read the patterns otherwise.
        const QString name = server.section(u'/', 3).section(u'?', 0, 0);
        folder.db().execute(u"CREATE DATABASE "_s + name +
                            u"_ascii ENCODING 'SQL_ASCII' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0"_s);
        say({u"--create-server-database"_s, QString(server).replace(name, name + u"_ascii"_s)}, 1);
        folder.db().execute(u"DROP DATABASE "_s + name + u"_ascii"_s);
        {
            auto file = platform::Workspace::defaultWorkspace()->openDatabase(folder.databasePath());
            file->execute(u"INSERT INTO Mst_User VALUES ('山田', 'pw'), ('空', Null)"_s);
            file->execute(u"INSERT INTO TMP_Sche VALUES ('2026/3/5', 'O''Neil の日記', '山田')"_s);
            file->execute(u"INSERT INTO Mst_Address(Name_1, Sex_cd, Bikou) VALUES ('佐藤', 2, '𠮷\r\n')"_s);
        }
        core::saveServerAddress({}); // the copy reads the file whatever this PC uses
        say({u"--copy-to-server"_s, server}, 0);
        say({u"--copy-to-server"_s, server}, 1);
        const auto rows = folder.db().openRecordset(u"select UserName, UserPass from Mst_User order by UserName"_s);
        QStringList users;
        for (; !rows->atEnd(); rows->moveNext())
            users.append(rows->field(u"UserName"_s).toString() + u'=' +
                         (rows->field(u"UserPass"_s).isNull() ? u"<Null>"_s : rows->field(u"UserPass"_s).toString()));
        QCOMPARE(users.join(u'|'), u"Guest=|山田=pw|空=<Null>"_s);
        QCOMPARE(folder.scalar(u"select Daily_Data as [TOTAL] from TMP_Sche"_s).toString(), u"O'Neil の日記"_s);
        QCOMPARE(folder.scalar(u"select Bikou as [TOTAL] from Mst_Address where Sex_cd = 2"_s).toString(), u"𠮷\r\n"_s);
    }

    // Another PC (a program with settings of its own) adds an address: it is in this
    // program's list at the entry window's next opening.
    void anotherPcsAddress() {
        if (!ProgramFolder::onServer())
            QSKIP("no server");
        ProgramFolder folder;
        Main main;
        startMain(main);
        QTemporaryDir otherPc;
        const QString cards = otherPc.filePath(u"card.vcf"_s);
        writeFile(cards, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:別の PC\r\nEND:VCARD\r\n");
        for (const QStringList& arguments :
             {QStringList{u"--server"_s, folder.serverAddress()}, QStringList{u"--import-vcard"_s, cards}}) {
            QProcess other;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(u"XDG_CONFIG_HOME"_s, otherPc.path());
            other.setProcessEnvironment(environment);
            other.start(QString::fromUtf8(TAMORU_PROGRAM), arguments);
            QVERIFY(other.waitForFinished(60000));
            QVERIFY2(other.exitCode() == 0, other.readAllStandardError().constData());
        }
        ModalScript script;
        script.then(u"DataCreate"_s, [](QDialog& window) {
            QCOMPARE(entries(static_cast<DataCreate&>(window).LS), QStringList{u"別の PC"_s});
            window.close();
        });
        click(main.phoneBook().Cmd_T1);
        QVERIFY_SCRIPT(script);
    }

    // No silent fall-back to the file: the notice names the server, and the program stops.
    void serverOutOfReach() {
        if (!ProgramFolder::onServer())
            QSKIP("no server");
        ProgramFolder folder;
        const QString nowhere = u"postgresql:///tamoru?host=%1&connect_timeout=2"_s.arg(folder.path());
        core::saveServerAddress(nowhere);
        Main main;
        ModalScript script;
        script.press(u"Cmd_OK"_s);
        QVERIFY(!main.start());
        QVERIFY_SCRIPT(script);
        const QString text = script.messages().value(0).text;
        QVERIFY2(text.startsWith(u"サーバーのデータベースに接続できないため、\rTamoru を終了します。\r場所："_s +
                                 nowhere + u"\r理由：サーバーに接続できません。"_s),
                 qPrintable(text));
    }
};

QTEST_MAIN(ServerTest)
#include "test_server.moc"
