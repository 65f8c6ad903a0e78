// The main window's life: its load, its activation each time the program returns to it,
// its unload, and what happens when TEL.mdb cannot be used.
#include "Drive.h"
#include "StartingDatabase.h"
#include "addressbook/DataCreate.h"
#include "addressbook/DataView.h"
#include "addressbook/Search_1.h"
#include "calendar/CalendarFrame.h"
#include "calendar/MEMO.h"
#include "clock/ClockPart.h"
#include "core/Msg.h"
#include "core/Msg2.h"
#include "launcher/LauncherFrame.h"
#include "launcher/SetPath.h"
#include "platform/ModalWindows.h"
#include "users/SeqUser.h"
#include "users/UserFrame.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

class MainTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    // The toolkit's own texts are Japanese too, the text boxes' menu for one.
    void toolkitTextsInJapanese() {
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QVERIFY2(menu->actions().first()->text().startsWith(u"元に戻す"_s),
                 qPrintable(menu->actions().first()->text()));
    }
    // The activation follows the first showing, and the modal windows of a handler once it has
    // ended: the saved user shown again, the tool icons drawn, the cursor in the alarm; a failing
    // step says so once. The unload saves the user on view and closes the database.
    void loadActivationAndUnload() {
        ProgramFolder folder;
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , '')"_s);
        folder.execute(u"DROP INDEX Mst_Address_Reading"_s); // as in a file made by an older version
        Main main;
        QCOMPARE(main.windowTitle(), u"Tamoru Ver3.5"_s);
        QVERIFY(main.Timer1->isActive() && Mod1::Db);
        QCOMPARE(folder.scalar(u"select count(*) as [TOTAL] from sqlite_master where name = 'Mst_Address_Reading'"_s),
                 1);
        QCOMPARE(Mod1::WinDir, folder.systemFolder());
        const LauncherFrame& l = main.launcher();
        const QList<platform::PictureBox*> pictures{l.PicExp, l.PicNote, l.PicCalc, l.PicDef, l.PicScan};
        QCOMPARE(activations(main), 0);
        startMain(main);
        QCOMPARE(activations(main), 1);
        QCOMPARE(main.users().Cmb_User->currentText(), u"Guest"_s);
        QCOMPARE(main.focusWidget(), main.clock().Txt_A_1);
        main.users().Cmb_User->setEditText(u"山田"_s); // chosen, never saved
        folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('Bob' , '')"_s);
        for (auto* p : pictures)
            p->clear();
        int whileSecondOpen = -1, atTheEnd = -1;
        ModalScript script;
        script.press(u"Cmd_OK"_s).then(u"Msg2"_s, [&](QDialog& prompt) {
            settle(); // the activation queued when the first window closed is due now
            whileSecondOpen = activations(main);
            prompt.close();
        });
        runAsHandler(&main, [&] {
            Mod1::ShowMessage(u"first"_s, 0, &main, 0);
            Msg2 prompt;
            platform::ModalWindows::exec(prompt);
            atTheEnd = activations(main);
        });
        QVERIFY_SCRIPT(script);
        QCOMPARE(whileSecondOpen, 1);
        QCOMPARE(atTheEnd, 1);
        QTRY_COMPARE(activations(main), 2);
        QCOMPARE(main.users().Cmb_User->currentText(), u"Guest"_s); // the saved user again
        QCOMPARE(main.users().Cmb_User->count(), 3);                // the new user listed
        QCOMPARE(main.focusWidget(), main.clock().Txt_A_1);
        for (auto* p : pictures)
            QVERIFY2(!p->isBlank(), qPrintable(p->objectName()));
        folder.execute(u"ALTER TABLE Mst_User RENAME TO Old_User"_s);
        ModalScript broken;
        broken.press(u"Cmd_OK"_s).press(u"Cmd_OK"_s);
        runAsHandler(&main, [&] { Mod1::ShowMessage(u"x"_s, 0, &main, 0); });
        QTRY_VERIFY_SCRIPT(broken);
        settle();
        QCOMPARE(activations(main), 3);
        QVERIFY(broken.messages()[1].text.startsWith(u"データベースの処理に失敗しました。\r"_s));
        QVERIFY(broken.messages()[1].text.contains(u"no such table: Mst_User"_s));
        QCOMPARE(main.focusWidget(), main.clock().Txt_A_1);
        main.users().Cmb_User->setEditText(u"誰か知らない人"_s);
        QVERIFY(main.close());
        QCOMPARE(ProgramFolder::setting(u"User"_s), u"誰か知らない人"_s);
        QVERIFY(!Mod1::Db && !Mod1::Ws);
    }
    // TEL.mdb cannot be used: the rest of the load runs, one notice says where and why, the
    // main window never shows, and nothing is created, changed or saved over.
    void databaseProblemStopsInOrder_data() {
        QTest::addColumn<QString>("content"); // null: no file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QString() << u"理由：ファイルが見つかりません。"_s;
        QTest::newRow("not a database") << u"this is a letter, not a database"_s
                                        << u"理由：データベースではありません。"_s;
        QTest::newRow("a database of another program")
            << u"sqlite"_s << u"理由：Tamoru のデータベースではありません。"_s;
        // The file can be written, but its folder cannot take the journal of a save.
        QTest::newRow("a folder without new files") << u"folder"_s << u"理由：ファイルに書き込めません。"_s;
    }
    void databaseProblemStopsInOrder() {
        QFETCH(QString, content);
        QFETCH(QString, reason);
        ProgramFolder folder(content == u"folder"_s ? ProgramFolder::Database::Starting
                                                    : ProgramFolder::Database::None);
        if (content == u"sqlite"_s) {
            QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
            other.setDatabaseName(folder.databasePath());
            QVERIFY(other.open() && QSqlQuery(other).exec(u"CREATE TABLE Notes (x TEXT)"_s));
            other.close();
        } else if (!content.isNull() && content != u"folder"_s) {
            writeFile(folder.databasePath(), content.toUtf8());
        }
        QSqlDatabase::removeDatabase(u"other"_s);
        const auto bytes = [&] {
            QFile f(folder.databasePath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = bytes();
        ProgramFolder::saveSetting(u"User"_s, u"山田"_s);
        ProgramFolder::saveSetting(u"LN7"_s, u"電卓"_s);
        std::optional<FolderWithoutNewFiles> closed;
        if (content == u"folder"_s)
            closed.emplace(folder.path());
        ModalScript script;
        script.press(u"Cmd_OK"_s);
        {
            Main main;
            QCOMPARE(main.launcher().Lab_L[7]->caption(), u"電卓"_s);
            QVERIFY(!main.start());
            settle();
            QVERIFY(!main.isVisible() && activations(main) == 0);
        }
        QVERIFY_SCRIPT(script);
        const QString text = script.messages().first().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(folder.databasePath())) && text.contains(reason),
                 qPrintable(text));
        QCOMPARE(QFile::exists(folder.databasePath()), !content.isNull());
        QCOMPARE(bytes(), before);
        QCOMPARE(ProgramFolder::setting(u"User"_s), u"山田"_s);
    }
    // An installed program: a TEL.mdb beside it wins, then the user's own as it is; with
    // neither, the first start copies the packaged starting database into the user's data
    // folder and says where, that once. A start that cannot do so stops with the usual notice,
    // naming the file. No file appears but that copy.
    void databasePlace_data() {
        QTest::addColumn<QStringList>("present"); // of beside, user, starting; "closed": the user's folder
        QTest::addColumn<QString>("opened");      // the file whose rows the program shows; none: it stops
        QTest::addColumn<QString>("notice");      // its text, %1 for the file it names
        QTest::addColumn<QString>("named");
        const QString copied = u"はじめての起動のため、\rデータベース TEL.mdb を用意しました。\r場所：%1"_s;
        const QString stops = u"データベース TEL.mdb を開けないため、\rTamoru を終了します。\r場所：%1\r理由："_s;
        QTest::newRow("beside the program")
            << QStringList{u"beside"_s, u"user"_s, u"starting"_s} << u"beside"_s << QString() << QString();
        QTest::newRow("the user's own") << QStringList{u"user"_s, u"starting"_s} << u"user"_s << QString() << QString();
        QTest::newRow("first start") << QStringList{u"starting"_s} << u"starting"_s << copied << u"user"_s;
        QTest::newRow("no starting database")
            << QStringList{} << QString() << stops + u"ファイルが見つかりません。"_s << u"starting"_s;
        QTest::newRow("a user's folder without new files") << QStringList{u"starting"_s, u"closed"_s} << QString()
                                                           << stops + u"ファイルに書き込めません。"_s << u"user"_s;
    }
    void databasePlace() {
        QFETCH(QStringList, present);
        QFETCH(QString, opened);
        QFETCH(QString, notice);
        QFETCH(QString, named);
        ProgramFolder folder(ProgramFolder::Database::None, ProgramFolder::Layout::Installed);
        const QHash<QString, QString> files{{u"beside"_s, folder.path() + u"/TEL.mdb"_s},
                                            {u"user"_s, folder.databasePath()},
                                            {u"starting"_s, folder.startingDatabasePath()}};
        for (const QString& which : present) {
            if (files.contains(which))
                makeDatabase(files[which], which);
        }
        const bool copies = notice.startsWith(u"はじめて"_s);
        {
            const QString userFolder = QFileInfo(folder.databasePath()).path();
            std::optional<FolderWithoutNewFiles> closed;
            if (present.contains(u"closed"_s) && QDir().mkpath(userFolder))
                closed.emplace(userFolder);
            ModalScript script;
            if (!notice.isEmpty())
                script.press(u"Cmd_OK"_s);
            Main main;
            QCOMPARE(activations(main), 0);
            QCOMPARE(main.start(), !opened.isEmpty());
            settle();
            QVERIFY_SCRIPT(script);
            if (!notice.isEmpty())
                QCOMPARE(script.messages().first().text, notice.arg(QDir::toNativeSeparators(files[named])));
            if (!opened.isEmpty()) {
                QCOMPARE(activations(main), 1);
                QVERIFY(main.users().Cmb_User->findText(opened) >= 0);
                QCOMPARE(Mod1::WinDir, folder.systemFolder());
                QVERIFY(main.close());
            }
        }
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            QCOMPARE(QFile::exists(file.value()), present.contains(file.key()) || (file.key() == u"user"_s && copies));
        if (opened.isEmpty())
            return;
        Main again; // says nothing this time, and shows the same rows
        QVERIFY(again.start());
        settle();
        QVERIFY(again.users().Cmb_User->findText(opened) >= 0);
        QVERIFY(again.close());
    }

private:
    // A starting database whose one user tells which file it is.
    static void makeDatabase(const QString& path, const QString& user) {
        QDir().mkpath(QFileInfo(path).path());
        std::string error;
        QVERIFY2(createStartingDatabase(path.toStdString(), error), error.c_str());
        platform::Workspace::defaultWorkspace()->openDatabase(path)->execute(
            u"INSERT INTO Mst_User(UserName , UserPass) Values('%1' , '')"_s.arg(user));
    }
};

QTEST_MAIN(MainTest)
#include "test_main.moc"
