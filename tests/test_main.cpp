// The main window's life: its load, its activation each time the program returns to it,
// its unload, and what happens when TEL.mdb cannot be used.
#include "Drive.h"
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

#include <QDir>
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
};

QTEST_MAIN(MainTest)
#include "test_main.moc"
