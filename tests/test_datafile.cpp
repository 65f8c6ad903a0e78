// TEL.mdb and the phone book going in and out of the program: backups while another copy
// writes, the restore and the files it refuses, the copy of each day, the diary as text, the
// phone-book frame's menu and the command line for scripts.
#include "Drive.h"
#include "StartingDatabase.h"
#include "app/CommandLine.h"
#include "calendar/CalendarFrame.h"
#include "calendar/DiaryRange.h"
#include "core/DataFile.h"
#include "platform/DatabaseFile.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTextStream>
#include <atomic>
#include <sqlite3.h>
#include <thread>

namespace {

// Answers a file dialog with the file and, when given, the type at that place of its list.
std::function<void(QDialog&)> choose(const QString& path, int type = -1) {
    return [path, type](QDialog& window) {
        auto& dialog = static_cast<QFileDialog&>(window);
        if (type >= 0)
            dialog.selectNameFilter(dialog.nameFilters().at(type));
        dialog.selectFile(path);
        QMetaObject::invokeMethod(&dialog, "accept");
    };
}

// Chooses the menu entry of the main window and answers what follows with the script.
void chooseMenu(Main& main, const QString& entry, ModalScript& script) {
    auto* action = main.findChild<QAction*>(entry);
    QVERIFY2(action, qPrintable(entry));
    runAsHandler(&main, [action] { action->trigger(); });
    QVERIFY_SCRIPT(script);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void sqlite(const QString& path, const char* statements) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    QCOMPARE(sqlite3_exec(db, statements, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

QString names(const QString& database) {
    auto db = platform::Workspace::defaultWorkspace()->openDatabase(database);
    QStringList shown;
    for (auto rows = db->openRecordset(u"select Name_1, Bikou from Mst_Address order by Name_1"_s); !rows->atEnd();
         rows->moveNext())
        shown.append(rows->field(u"Name_1"_s).toString() + u'=' + rows->field(u"Bikou"_s).toString());
    return shown.join(u'|');
}

void addAddress(ProgramFolder& folder, const QString& name, const QString& remark) {
    folder.execute(u"INSERT INTO Mst_Address(Name_1, Bikou) VALUES('%1', '%2')"_s.arg(name, remark));
}

const QString card = u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山田 太郎\r\nNOTE:新\r\nEND:VCARD\r\n"
                     u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:佐藤 花子\r\nEND:VCARD\r\n"_s;

const struct RefusedFileCase {
    const char* tag;
    std::function<QString(ProgramFolder&)> make; // the file to restore from
    QString reason;
} refusedFiles[] = {
    {"text",
     [](ProgramFolder& f) {
         writeFile(f.path() + u"/a.mdb"_s, "not a database at all, just text");
         return f.path() + u"/a.mdb"_s;
     },
     u"理由：データベースではありません。"_s},
    {"another program's",
     [](ProgramFolder& f) {
         sqlite(f.path() + u"/b.mdb"_s, "CREATE TABLE t (x)");
         return f.path() + u"/b.mdb"_s;
     },
     u"理由：Tamoru のデータベースではありません。"_s},
    {"a column missing",
     [](ProgramFolder& f) {
         std::string error;
         createStartingDatabase((f.path() + u"/c.mdb"_s).toStdString(), error);
         sqlite(f.path() + u"/c.mdb"_s, "ALTER TABLE Mst_Address DROP COLUMN Bikou");
         return f.path() + u"/c.mdb"_s;
     },
     u"理由：Tamoru のデータベースではありません。"_s},
    {"damaged",
     [](ProgramFolder& f) {
         const QString path = f.path() + u"/d.mdb"_s;
         std::string error;
         createStartingDatabase(path.toStdString(), error);
         sqlite(path, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                      "INSERT INTO Mst_Address(Name_1, Bikou) SELECT 'n' || i, hex(randomblob(300)) FROM n");
         QFile file(path);
         if (file.open(QIODevice::ReadWrite) && file.seek(file.size() / 2))
             file.write(QByteArray(8192, '\x5a'));
         return path;
     },
     u"理由：データベースが壊れています。"_s},
    {"in write-ahead-log form",
     [](ProgramFolder& f) {
         std::string error;
         createStartingDatabase((f.path() + u"/w.mdb"_s).toStdString(), error);
         sqlite(f.path() + u"/w.mdb"_s, "PRAGMA journal_mode = WAL");
         return f.path() + u"/w.mdb"_s;
     },
     u"理由：Tamoru のデータベースではありません。"_s},
    {"TEL.mdb itself", [](ProgramFolder& f) { return f.databasePath(); },
     u"いま使っている TEL.mdb からは復元できません。"_s},
};

const struct DiaryCase {
    const char* tag;
    QString password;
    std::function<void(DiaryRange&)> range;
    QString file; // "<none>" when none is written
    QString notice;
} diaryCases[] = {
    {"every day", u"pw"_s, [](DiaryRange& r) { click(r.Cmd_OK); },
     u"［ 山田 ］さんの日記（すべて）\n\n■ 2026/1/10（土）\n正月\n二行目\n\n■ 2026/3/1（日）\n三月\n\n"
     u"■ 2026/3/5（木）\n春\n"_s,
     u"3 日分の日記を書き出しました。"_s},
    {"days of March", u"pw"_s,
     [](DiaryRange& r) {
         r.Opt_Range->setChecked(true);
         r.Dte_From->setDate({2026, 3, 31}); // given the wrong way round
         r.Dte_To->setDate({2026, 3, 1});
         click(r.Cmd_OK);
     },
     u"［ 山田 ］さんの日記（2026/3/1 ～ 2026/3/31）\n\n■ 2026/3/1（日）\n三月\n\n■ 2026/3/5（木）\n春\n"_s,
     u"2 日分の日記を書き出しました。"_s},
    {"no day in the range", u"pw"_s,
     [](DiaryRange& r) {
         r.Opt_Range->setChecked(true);
         r.Dte_From->setDate({2025, 1, 1});
         r.Dte_To->setDate({2025, 12, 31});
         click(r.Cmd_OK);
     },
     u"<none>"_s, u"書き出す日記がありません。"_s},
    {"wrong password", u"鈴木のパスワード"_s, nullptr, u"<none>"_s, u"パスワードが間違っています。"_s},
};

const struct ImportCase {
    const char* tag;
    QString answer;
    QString book;
    QString summary;
} imports[] = {
    {"replace", u"Cmd_Yes2"_s, u"佐藤 花子=|山田 太郎=新"_s,
     u"追加 1 件　置き換え 1 件\r飛ばした 0 件　読み込めない 0 件"_s},
    {"skip", u"Cmd_No2"_s, u"佐藤 花子=|山田 太郎=元"_s,
     u"追加 1 件　置き換え 0 件\r飛ばした 1 件　読み込めない 0 件"_s},
    {"cancel", u"Cmd_Cancel2"_s, u"山田 太郎=元"_s, {}},
};

const struct CommandCase {
    const char* tag;
    QStringList arguments; // "FILE" is the file beside TEL.mdb, "TEL" TEL.mdb itself
    QString file;          // written to FILE before
    int status;
    QString said;          // what standard output and standard error began with
    QString book;          // the book after
    QByteArray fileStarts; // FILE after
} commands[] = {
    {"export vCard",
     {u"--export-vcard"_s, u"FILE"_s},
     {},
     0,
     u"1 件のデータを書き出しました。\n場所："_s,
     u"山田 太郎=元"_s,
     "BEGIN:VCARD\r\nVERSION:3.0\r\n"},
    {"export CSV in Shift_JIS",
     {u"--export-csv"_s, u"FILE"_s, u"--shift-jis"_s},
     {},
     0,
     u"1 件のデータを書き出しました。"_s,
     u"山田 太郎=元"_s,
     QStringEncoder("Shift_JIS").encode(u"名前,フリガナ"_s)},
    {"import, skipping",
     {u"--import-vcard"_s, u"FILE"_s},
     card,
     0,
     u"読み込みました。\n追加 1 件　置き換え 0 件\n飛ばした 1 件　読み込めない 0 件\n"_s,
     u"佐藤 花子=|山田 太郎=元"_s,
     {}},
    {"import, replacing",
     {u"--import-vcard"_s, u"FILE"_s, u"--replace"_s},
     card,
     0,
     u"読み込みました。\n追加 1 件　置き換え 1 件"_s,
     u"佐藤 花子=|山田 太郎=新"_s,
     {}},
    {"backup",
     {u"--backup"_s, u"FILE"_s},
     {},
     0,
     u"バックアップを作成しました。"_s,
     u"山田 太郎=元"_s,
     "SQLite format 3"},
    {"truncated card", {u"--import-vcard"_s, u"FILE"_s}, card.left(60), 1, u"tamoru: "_s, u"山田 太郎=元"_s, {}},
    {"CSV with too many fields",
     {u"--import-csv"_s, u"FILE"_s},
     u"名前,備考\r\n佐藤,a,b\r\n"_s,
     1,
     u"tamoru: 2 行目の項目が 3 個あり"_s,
     u"山田 太郎=元"_s,
     {}},
    {"export over TEL.mdb",
     {u"--export-csv"_s, u"TEL"_s},
     {},
     1,
     u"tamoru: TEL.mdb そのものには書き出せません。"_s,
     u"山田 太郎=元"_s,
     {}},
    {"two actions",
     {u"--backup"_s, u"FILE"_s, u"--export-csv"_s, u"FILE"_s},
     {},
     2,
     u"tamoru: "_s,
     u"山田 太郎=元"_s,
     {}},
    {"--replace alone", {u"--replace"_s}, {}, 2, u"tamoru: "_s, u"山田 太郎=元"_s, {}},
};

} // namespace

class DataFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }

    // The copy holds every row committed before it started, in a file that passes the integrity
    // check, while another connection keeps committing rows.
    void backupWhileAnotherCopyWrites() {
        ProgramFolder folder;
        folder.execute(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                       "INSERT INTO TMP_Sche SELECT 'd' || i, hex(randomblob(500)), 'u' FROM n"_s);
        Mod1::OpenDb();
        std::atomic<int> committed{0};
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            auto db = platform::Workspace::defaultWorkspace()->openDatabase(folder.databasePath());
            for (int i = 1; !stop; ++i) {
                db->execute(u"INSERT INTO Mst_Address(Name_1) VALUES('%1')"_s.arg(i, 8, 10, QChar(u'0')));
                committed = i;
            }
            db->close();
        });
        QTRY_VERIFY(committed >= 20);
        const int before = committed;
        const QString target = folder.path() + u"/copy.mdb"_s;
        core::makeBackup(target);
        QTRY_VERIFY(committed >= before + 20); // the writer went on after the copy
        stop = true;
        writer.join();

        QCOMPARE(platform::inspectDatabaseFile(target).size(), 4);
        auto copy = platform::Workspace::defaultWorkspace()->openDatabase(target);
        auto rows = copy->openRecordset(u"select count(*) as n, max(Name_1) as last from Mst_Address"_s);
        const int held = rows->field(u"n"_s).toInt();
        QVERIFY2(held >= before, qPrintable(u"%1 of %2"_s.arg(held).arg(before)));
        QCOMPARE(rows->field(u"last"_s).toInt(), held); // every row up to the last, none missing
    }

    void restoreRefusesFile_data() { addCases(refusedFiles); }
    void restoreRefusesFile() {
        const RefusedFileCase& c = currentCase(refusedFiles);
        ProgramFolder folder;
        addAddress(folder, u"山田 太郎"_s, u"元"_s);
        const QString file = c.make(folder);
        Main main;
        startMain(main);
        ModalScript script;
        script.then(u"Dlg_Restore"_s, choose(file)).press(u"Cmd_OK"_s);
        chooseMenu(main, u"Mnu_Restore"_s, script);
        QVERIFY2(script.messages()[0].text.startsWith(u"このファイルからは復元できません。"_s) &&
                     script.messages()[0].text.contains(c.reason),
                 qPrintable(script.messages()[0].text));
        QCOMPARE(names(folder.databasePath()), u"山田 太郎=元"_s);
        QCOMPARE(QDir(folder.path()).entryList({u"TEL_*"_s}), QStringList());
    }

    // The question starts on No, which changes nothing; Yes puts the backup's data in place and
    // keeps what it replaced.
    void restoreReplacesAfterYes() {
        ProgramFolder folder;
        addAddress(folder, u"山田 太郎"_s, u"バックアップの時"_s);
        Main main;
        startMain(main);
        const QString backup = folder.path() + u"/saved.mdb"_s;
        core::makeBackup(backup);
        folder.execute(u"DELETE FROM Mst_Address"_s);
        addAddress(folder, u"後から"_s, u"復元の前"_s);

        ModalScript no;
        no.then(u"Dlg_Restore"_s, choose(backup)).press(u"Cmd_No"_s);
        chooseMenu(main, u"Mnu_Restore"_s, no);
        QCOMPARE(no.messages()[0].focus, u"Cmd_No"_s);
        QCOMPARE(names(folder.databasePath()), u"後から=復元の前"_s);

        ModalScript yes;
        yes.then(u"Dlg_Restore"_s, choose(backup)).press(u"Cmd_Yes"_s).press(u"Cmd_OK"_s);
        chooseMenu(main, u"Mnu_Restore"_s, yes);
        QCOMPARE(names(folder.databasePath()), u"山田 太郎=バックアップの時"_s);
        const QStringList kept = QDir(folder.path()).entryList({u"TEL_復元前_*.mdb"_s});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(names(folder.path() + u'/' + kept[0]), u"後から=復元の前"_s);
        QVERIFY(yes.messages()[1].text.endsWith(QDir::toNativeSeparators(folder.path() + u'/' + kept[0])));
    }

    // One copy a day at the first start, the newest seven kept, other files left alone; a copy
    // that cannot be made is told.
    void dailyCopies() {
        ProgramFolder folder;
        const QString copies = folder.path() + u"/自動バックアップ"_s;
        writeFile(copies + u"/TEL_メモ.mdb"_s, "mine");
        for (int day = 1; day <= 9; ++day)
            QVERIFY(core::makeDailyCopy(folder.databasePath(), copies, QDate(2026, 11, day)));
        QVERIFY(!core::makeDailyCopy(folder.databasePath(), copies, QDate(2026, 11, 9)));
        QStringList expected;
        for (int day = 3; day <= 9; ++day)
            expected.append(core::datedCopyName(QDate(2026, 11, day)));
        expected.append(u"TEL_メモ.mdb"_s);
        QCOMPARE(QDir(copies).entryList(QDir::Files, QDir::Name), expected);

        {
            Main main;
            startMain(main);
            main.waitForDailyCopy();
            QCOMPARE(platform::inspectDatabaseFile(copies + u'/' + core::datedCopyName(QDate::currentDate())).size(),
                     4);
        }
        QVERIFY(QDir(copies).removeRecursively());
        writeFile(copies, "a file where the folder would be");
        Main main;
        ModalScript script; // the notice may come while the window is still being shown
        script.press(u"Cmd_OK"_s);
        startMain(main);
        main.waitForDailyCopy();
        QVERIFY_SCRIPT(script);
        QVERIFY(script.messages()[0].text.startsWith(u"自動バックアップを作成できませんでした。"_s));
    }

    // Only the user's own entries, oldest first, after the user's password; blank days left out.
    void diaryAsText_data() { addCases(diaryCases); }
    void diaryAsText() {
        const DiaryCase& c = currentCase(diaryCases);
        ProgramFolder folder;
        folder.execute(u"INSERT INTO Mst_User VALUES ('山田', 'pw'), ('鈴木', '鈴木のパスワード')"_s);
        folder.execute(u"INSERT INTO TMP_Sche VALUES ('2026/3/5', '春', '山田'), ('2026/1/10', '正月\r\n二行目', "
                       "'山田'), ('2026/3/1', '三月', '山田'), ('2026/3/2', '　\r\n', '山田'), "
                       "('2026/3/5', '鈴木の春', '鈴木')"_s);
        ProgramFolder::saveSetting(u"User"_s, u"山田"_s);
        Main main;
        startMain(main);
        const QString file = folder.path() + u"/diary.txt"_s;
        ModalScript script;
        script.typePassword(c.password);
        if (c.range) {
            script.then(u"DiaryRange"_s, [&](QDialog& w) { c.range(static_cast<DiaryRange&>(w)); });
            script.then(u"Dlg_ExportDiary"_s, choose(file));
        }
        script.press(u"Cmd_OK"_s);
        chooseMenu(main, u"Mnu_ExportDiary"_s, script);
        QCOMPARE(QString::fromUtf8(contents(file)), c.file);
        QVERIFY2(script.messages().last().text.startsWith(c.notice), qPrintable(script.messages().last().text));
    }

    // A name the book already has is replaced, skipped or the whole file left, as answered.
    void importFromMenu_data() { addCases(imports); }
    void importFromMenu() {
        const ImportCase& c = currentCase(imports);
        ProgramFolder folder;
        addAddress(folder, u"山田 太郎"_s, u"元"_s);
        const QString file = folder.path() + u"/cards.vcf"_s;
        writeFile(file, card.toUtf8());
        Main main;
        startMain(main);
        ModalScript script;
        script.then(u"Dlg_Import"_s, choose(file)).press(c.answer);
        if (!c.summary.isEmpty())
            script.press(u"Cmd_OK"_s);
        chooseMenu(main, u"Mnu_ImportVCard"_s, script);
        QCOMPARE(script.messages()[0].text, u"電話帳にすでにある名前が 1 件あります。\r（山田 太郎）\r置き換えますか？"
                                            u"（いいえ：飛ばす　ｷｬﾝｾﾙ：読み込まない）"_s);
        QCOMPARE(script.messages()[0].focus, u"Cmd_Cancel2"_s);
        if (!c.summary.isEmpty())
            QCOMPARE(script.messages()[1].text, u"読み込みました。\r"_s + c.summary);
        QCOMPARE(names(folder.databasePath()), c.book);
    }

    // The CSV type chosen in the dialog decides the encoding.
    void exportFromMenu() {
        ProgramFolder folder;
        addAddress(folder, u"山田 太郎"_s, u"元"_s);
        Main main;
        startMain(main);
        const QString file = folder.path() + u"/book.csv"_s;
        ModalScript script;
        script.then(u"Dlg_Export"_s, choose(file, 1)).press(u"Cmd_OK"_s);
        chooseMenu(main, u"Mnu_ExportCsv"_s, script);
        QVERIFY(contents(file).startsWith(QByteArray(QStringEncoder("Shift_JIS").encode(u"名前,"_s))));
        QCOMPARE(script.messages()[0].text,
                 u"1 件のデータを書き出しました。\r場所："_s + QDir::toNativeSeparators(file));
    }

    void commandLine_data() { addCases(commands); }
    void commandLine() {
        const CommandCase& c = currentCase(commands);
        ProgramFolder folder;
        addAddress(folder, u"山田 太郎"_s, u"元"_s);
        const QString file = folder.path() + u"/file"_s;
        if (!c.file.isEmpty())
            writeFile(file, c.file.toUtf8());
        QStringList arguments{u"tamoru"_s};
        for (const QString& argument : c.arguments)
            arguments.append(argument == u"FILE"_s ? file : argument == u"TEL"_s ? folder.databasePath() : argument);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(answerArguments(arguments, outStream, errStream), std::optional<int>(c.status));
        QVERIFY2((out + err).startsWith(c.said), qPrintable(out + err));
        QCOMPARE(names(folder.databasePath()), c.book);
        QVERIFY2(contents(file).startsWith(c.fileStarts), contents(file).left(40).constData());
    }
};

QTEST_MAIN(DataFileTest)
#include "test_datafile.moc"
