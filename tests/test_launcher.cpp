// The launcher slots of the main window: starting a slot's program, the popup menu that
// clears a slot, the slot under the pointer, and the five system-tool pictures.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "RecordingProgram.h"
#include "core/Main.h"
#include "core/Mod1.h"
#include "launcher/LauncherFrame.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/SystemFolder.h"

#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void saveSlot(int slot, const QString& name, const QString& file, const QString& options) {
    ProgramFolder::saveSetting(u"LN%1"_s.arg(slot), name);
    ProgramFolder::saveSetting(u"LF%1"_s.arg(slot), file);
    ProgramFolder::saveSetting(u"LO%1"_s.arg(slot), options);
}

QStringList slotSettings(int slot) {
    QStringList values;
    for (const auto& prefix : {u"LN"_s, u"LF"_s, u"LO"_s}) {
        const QString key = prefix + QString::number(slot);
        values.append(ProgramFolder::settingExists(key) ? ProgramFolder::setting(key) : u"(none)"_s);
    }
    return values;
}

// Points at a slot's button and presses the right button there, as a person does.
void pointAt(QWidget* button) {
    QTest::mouseMove(button, QPoint(1, 1)); // a move to where the pointer already is tells nothing
    QTest::mouseMove(button);
}

void rightClickSlot(LauncherFrame& launcher, int slot) {
    pointAt(launcher.Cmd_LN[slot]);
    QTest::mousePress(launcher.Cmd_LN[slot], Qt::RightButton);
    QTest::mouseRelease(launcher.Cmd_LN[slot], Qt::RightButton);
}

void chooseMenuItem(QMenu* menu, QAction* item) {
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

void waitAMoment() {
    QTest::qWait(300);
}

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void slotStartsItsProgram_data();
    void slotStartsItsProgram();
    void slotThatCannotStart_data();
    void slotThatCannotStart();
    void clearingASlot_data();
    void clearingASlot();
    void linkSlotFollowsThePointer();
    void toolPictures_data();
    void toolPictures();
};

void LauncherTest::initTestCase() {
    platform::setUpDesktop();
}

void LauncherTest::slotStartsItsProgram_data() {
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no options") << u""_s << QStringList{};
    QTest::newRow("options") << u"  -a \"ふたつの 言葉\" "_s << QStringList{u"-a"_s, u"ふたつの 言葉"_s};
}

void LauncherTest::slotStartsItsProgram() {
    QFETCH(QString, options);
    QFETCH(QStringList, arguments);
    ProgramFolder folder;
    RecordingProgram program(folder.path() + u"/my programs/記録 する"_s);
    saveSlot(3, u"記録"_s, program.path(), options);
    Main main;
    startMain(main);

    ModalScript script; // no window may open
    QTest::mouseClick(main.launcher().Cmd_LN[3], Qt::LeftButton);
    QTRY_VERIFY(program.ran());
    QCOMPARE(program.arguments(), arguments);
    settle();
    QVERIFY2(script.finished(), qPrintable(script.report()));
}

void LauncherTest::slotThatCannotStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file"); // %1 is the program folder
    QTest::addColumn<bool>("notice");
    QTest::newRow("empty name, file set") << u""_s << u"%1/program"_s << false;
    QTest::newRow("name, empty file") << u"名前"_s << u""_s << true;
    QTest::newRow("name, missing file") << u"名前"_s << u"%1/gone"_s << true;
    QTest::newRow("name, a document") << u"名前"_s << u"%1/notes.txt"_s << true;
}

void LauncherTest::slotThatCannotStart() {
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(bool, notice);
    ProgramFolder folder;
    RecordingProgram program(folder.path() + u"/program"_s);
    QFile document(folder.path() + u"/notes.txt"_s);
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.close();
    saveSlot(0, name, file.replace(u"%1"_s, folder.path()), u"-x"_s);
    const QStringList before = slotSettings(0);
    Main main;
    startMain(main);

    ModalScript script;
    if (notice)
        script.press(u"Cmd_OK"_s);
    QTest::mouseClick(main.launcher().Cmd_LN[0], Qt::LeftButton);
    waitAMoment();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    if (notice) {
        QCOMPARE(script.messages().size(), 1);
        QCOMPARE(script.messages()[0].text, u"指定されたファイルがみつかりません"_s);
        QCOMPARE(script.messages()[0].kind, 0);
    }
    QVERIFY(!program.ran());
    QCOMPARE(slotSettings(0), before);
}

void LauncherTest::clearingASlot_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("Yes") << u"Cmd_Yes"_s;
    QTest::newRow("No") << u"Cmd_No"_s;
}

void LauncherTest::clearingASlot() {
    QFETCH(QString, answer);
    ProgramFolder folder;
    RecordingProgram program(folder.path() + u"/editor"_s);
    saveSlot(2, u"エディタ"_s, program.path(), u""_s);
    Main main;
    startMain(main);
    LauncherFrame& launcher = main.launcher();
    QCOMPARE(launcher.Lab_L[2]->caption(), u"エディタ"_s);
    QCOMPARE(launcher.Lnk_DEL->text(), u"対象ファイル削除"_s);

    ModalScript script;
    script.press(answer);
    rightClickSlot(launcher, 2);
    QCOMPARE(Mod1::LinkSlot, qint16(2));
    chooseMenuItem(launcher.Link, launcher.Lnk_DEL);
    QTRY_VERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"エディタ を削除してもよろしいですか？"_s);
    QCOMPARE(script.messages()[0].kind, 1);
    QCOMPARE(script.messages()[0].focus, u"Cmd_No"_s);

    const bool cleared = answer == u"Cmd_Yes"_s;
    QCOMPARE(slotSettings(2),
             cleared ? (QStringList{u""_s, u""_s, u""_s}) : (QStringList{u"エディタ"_s, program.path(), u""_s}));
    QCOMPARE(launcher.Lab_L[2]->caption(), cleared ? u""_s : u"エディタ"_s);

    // The program file itself stays; a click starts it only while the slot is set.
    QVERIFY(QFile::exists(program.path()));
    QTest::mouseClick(launcher.Cmd_LN[2], Qt::LeftButton);
    if (cleared) {
        waitAMoment();
        QVERIFY(!program.ran());
    } else {
        QTRY_VERIFY(program.ran());
    }

    // Clearing an empty slot asks nothing.
    ModalScript quiet;
    runAsHandler(&main, [] { Mod1::DeleteLauncher(5); });
    QVERIFY2(quiet.finished(), qPrintable(quiet.report()));
}

void LauncherTest::linkSlotFollowsThePointer() {
    ProgramFolder folder;
    saveSlot(4, u"四"_s, u"/bin/true"_s, u""_s);
    ProgramFolder::saveSetting(u"LN99"_s, u"どこにもない"_s); // left by hand in the store
    Main main;
    startMain(main);
    LauncherFrame& launcher = main.launcher();

    pointAt(launcher.Cmd_LN[4]);
    QCOMPARE(Mod1::LinkSlot, qint16(4));
    pointAt(launcher.Cmd_LN[7]);
    QCOMPARE(Mod1::LinkSlot, qint16(7));
    QTest::mousePress(launcher.Cmd_LN[7], Qt::LeftButton);
    QTest::mouseRelease(launcher.Cmd_LN[7], Qt::LeftButton);
    QVERIFY(!launcher.Link->isVisible()); // only the right button shows the menu

    QTest::mouseClick(main.SSFrame2, Qt::LeftButton, {}, QPoint(main.SSFrame2->width() - 3, 30));
    QCOMPARE(Mod1::LinkSlot, qint16(99));

    // With no slot, neither item does anything.
    ModalScript script;
    launcher.Lnk_DEL->trigger();
    launcher.Lnk_Rem->trigger();
    settle();
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(ProgramFolder::setting(u"LN99"_s), u"どこにもない"_s);
    QCOMPARE(Mod1::EditSlot, qint16(0));
}

void LauncherTest::toolPictures_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("name");
    QTest::newRow("PicExp") << u"PicExp"_s << int(platform::SystemTool::FileManager) << u"ファイルマネージャー"_s;
    QTest::newRow("PicNote") << u"PicNote"_s << int(platform::SystemTool::TextEditor) << u"テキストエディター"_s;
    QTest::newRow("PicCalc") << u"PicCalc"_s << int(platform::SystemTool::Calculator) << u"電卓"_s;
    QTest::newRow("PicDef") << u"PicDef"_s << int(platform::SystemTool::DiskUsage) << u"ディスク使用量"_s;
    QTest::newRow("PicScan") << u"PicScan"_s << int(platform::SystemTool::DiskCheck) << u"ディスクの検査"_s;
}

// Each picture starts the desktop program standing in for its tool; a tool this desktop
// lacks is named in a notice.
void LauncherTest::toolPictures() {
    QFETCH(QString, picture);
    QFETCH(int, tool);
    QFETCH(QString, name);
    ProgramFolder folder;
    RecordingProgram standIn(folder.path() + u"/stand in"_s);
    const auto which = platform::SystemTool(tool);
    const QStringList before = platform::systemToolCandidates(which);
    platform::setSystemToolCandidates(which, {standIn.path()});
    Main main;
    startMain(main);
    auto* pictureBox = main.findChild<platform::PictureBox*>(picture);
    QVERIFY(pictureBox);

    ModalScript script;
    Mod1::Ret.clear();
    QTest::mouseClick(pictureBox, Qt::LeftButton);
    QTRY_VERIFY(standIn.ran());
    QCOMPARE(standIn.arguments(), QStringList{});
    QVERIFY2(Mod1::Ret.toLongLong() > 0, qPrintable(Mod1::Ret)); // the process number

    standIn.forget();
    QTest::mouseClick(pictureBox, Qt::LeftButton); // again: nothing checks it is running
    QTRY_VERIFY(standIn.ran());

    platform::setSystemToolCandidates(which, {u"no-such-program-here"_s});
    script.press(u"Cmd_OK"_s);
    QTest::mouseClick(pictureBox, Qt::LeftButton);
    QTRY_VERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, name + u"のプログラムが見つかりません。"_s);
    QCOMPARE(script.messages()[0].kind, 0);
    platform::setSystemToolCandidates(which, before);
}

QTEST_MAIN(LauncherTest)
#include "test_launcher.moc"
