// The launcher: starting a slot's program, the popup menu of the slot under the pointer, the
// settings window that fills a slot, and the system-tool pictures.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "RecordingProgram.h"
#include "app/Main.h"
#include "core/Mod1.h"
#include "launcher/LauncherFrame.h"
#include "launcher/SetPath.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/FolderList.h"
#include "platform/SystemFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList prefixes{u"LN"_s, u"LF"_s, u"LO"_s};

void saveSlot(int slot, const QStringList& values) {
    for (int i = 0; i < 3; ++i)
        ProgramFolder::saveSetting(prefixes[i] + QString::number(slot), values[i]);
}

// The name, file and options of a slot; "(none)" for a key that was never written.
QStringList slotSettings(int slot) {
    QStringList values;
    for (const QString& prefix : prefixes) {
        const QString key = prefix + QString::number(slot);
        values.append(ProgramFolder::settingExists(key) ? ProgramFolder::setting(key) : u"(none)"_s);
    }
    return values;
}

// A fresh program folder with the files to start and to choose from, in one folder: a
// program, an empty one with "*" in its name, one whose interpreter is missing, and a document.
struct Files {
    Files() : dir(folder.path() + u"/bin dir"_s), program(dir + u"/記録 する"_s) {
        writeFile(dir + u"/a*b"_s, {}, true);
        writeFile(dir + u"/broken"_s, "#!/no/such/interpreter\n", true);
        writeFile(dir + u"/notes.txt"_s);
    }
    ProgramFolder folder;
    QString dir;
    RecordingProgram program;
};

QStringList listed(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// Clicks an entry of a list; a double click opens a folder.
void clickEntry(QListWidget* list, const QString& text, bool twice = false) {
    const auto items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    list->scrollToItem(items.first());
    const QPoint at = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void clickingASlot_data();
    void clickingASlot();
    void popupMenu_data();
    void popupMenu();
    void settingASlot_data();
    void settingASlot();
    void reopeningASlot_data();
    void reopeningASlot();
    void toolPictures();
};

void LauncherTest::clickingASlot_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file"); // %1 is the folder of files
    QTest::addColumn<QString>("options");
    QTest::addColumn<bool>("starts"); // a named slot that does not start gives the notice
    QTest::addColumn<QStringList>("arguments");
    const QString program = u"%1/記録 する"_s;
    QTest::newRow("no options") << u"記録"_s << program << u""_s << true << QStringList{};
    QTest::newRow("options") << u"記録"_s << program << u"-a \"ふたつの 言葉\""_s << true
                             << QStringList{u"-a"_s, u"ふたつの 言葉"_s};
    QTest::newRow("options, blanks kept") << u"記録"_s << program << u"  -q "_s << true << QStringList{u"-q"_s};
    QTest::newRow("empty name, file set") << u""_s << program << u"-x"_s << false << QStringList{};
    QTest::newRow("empty file") << u"名前"_s << u""_s << u"-x"_s << false << QStringList{};
    QTest::newRow("missing file") << u"名前"_s << u"%1/gone"_s << u""_s << false << QStringList{};
    QTest::newRow("a document") << u"名前"_s << u"%1/notes.txt"_s << u""_s << false << QStringList{};
    QTest::newRow("cannot run") << u"名前"_s << u"%1/broken"_s << u""_s << false << QStringList{};
}

void LauncherTest::clickingASlot() {
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, options);
    QFETCH(bool, starts);
    QFETCH(QStringList, arguments);
    const Files files;
    saveSlot(3, {name, file.replace(u"%1"_s, files.dir), options});
    Main main;
    startMain(main);

    ModalScript script;
    const bool notice = !starts && !name.isEmpty();
    if (notice)
        script.press(u"Cmd_OK"_s);
    QTest::mouseClick(main.launcher().Cmd_LN[3], Qt::LeftButton);
    if (starts)
        QTRY_VERIFY(files.program.ran());
    QTest::qWait(300);
    QCOMPARE(files.program.ran(), starts);
    QCOMPARE(files.program.arguments(), arguments);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), notice ? 1 : 0);
    if (notice) {
        QCOMPARE(script.messages()[0].text, u"指定されたファイルがみつかりません"_s);
        QCOMPARE(script.messages()[0].kind, 0);
    }
    QCOMPARE(slotSettings(3), (QStringList{name, file, options}));
}

void LauncherTest::popupMenu_data() {
    QTest::addColumn<QString>("item");   // chosen from the menu of slot 2; empty: a click on the frame first
    QTest::addColumn<QString>("answer"); // to the question; empty: none is asked
    QTest::newRow("clear, Yes") << u"Lnk_DEL"_s << u"Cmd_Yes"_s;
    QTest::newRow("clear, No") << u"Lnk_DEL"_s << u"Cmd_No"_s;
    QTest::newRow("change") << u"Lnk_Rem"_s << u""_s;
    QTest::newRow("no slot") << u""_s << u""_s;
}

// The menu acts on the slot under the pointer: "対象ファイル削除" clears it on consent,
// "対象ファイル修正" opens the settings window for it. After a click on the frame there is no
// slot (99), and neither item does anything.
void LauncherTest::popupMenu() {
    QFETCH(QString, item);
    QFETCH(QString, answer);
    const Files files;
    saveSlot(2, {u"エディタ"_s, files.program.path(), u""_s});
    ProgramFolder::saveSetting(u"LN99"_s, u"どこにもない"_s); // left by hand in the store
    Main main;
    startMain(main);
    LauncherFrame& launcher = main.launcher();
    ModalScript script;
    if (item.isEmpty()) {
        QTest::mouseClick(main.SSFrame2, Qt::LeftButton, {}, QPoint(main.SSFrame2->width() - 3, 30));
        QCOMPARE(Mod1::LinkSlot, qint16(99));
        launcher.Lnk_DEL->trigger();
        launcher.Lnk_Rem->trigger();
    } else {
        if (answer.isEmpty())
            script.then(u"SetPath"_s, [](QDialog& window) { window.close(); });
        else
            script.press(answer);
        QTest::mouseMove(launcher.Cmd_LN[2], QPoint(1, 1)); // a move to where the pointer is tells nothing
        QTest::mouseMove(launcher.Cmd_LN[2]);
        QTest::mouseClick(launcher.Cmd_LN[2], Qt::RightButton);
        QTRY_VERIFY(launcher.Link->isVisible());
        const QRect place = launcher.Link->actionGeometry(launcher.Link->findChild<QAction*>(item));
        QTest::mouseClick(launcher.Link, Qt::LeftButton, {}, place.center());
    }
    QTRY_VERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(Mod1::EditSlot, qint16(item == u"Lnk_Rem"_s ? 2 : 0));
    if (!answer.isEmpty()) {
        QCOMPARE(script.messages()[0].text, u"エディタ を削除してもよろしいですか？"_s);
        QCOMPARE(script.messages()[0].kind, 1);
        QCOMPARE(script.messages()[0].focus, u"Cmd_No"_s);
    }
    const bool cleared = answer == u"Cmd_Yes"_s;
    QCOMPARE(slotSettings(2), cleared ? QStringList(3) : (QStringList{u"エディタ"_s, files.program.path(), u""_s}));
    QCOMPARE(launcher.Lab_L[2]->caption(), cleared ? u""_s : u"エディタ"_s);
    QCOMPARE(ProgramFolder::setting(u"LN99"_s), u"どこにもない"_s);
    QVERIFY(QFile::exists(files.program.path())); // only the settings go, never the file
}

void LauncherTest::settingASlot_data() {
    QTest::addColumn<QString>("file"); // chosen in the folder of files; empty: none
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button"); // the answer to the one message window
    QTest::addColumn<QString>("message");
    const QString noFile = u"起動ファイルが選択されていません。"_s,
                  wildcard = u"ワイルドカード（＊）は使用できません。"_s,
                  noName = u"ファイル名称が選択されていません。"_s, question = u"設定してよろしいですか？"_s;
    QTest::newRow("at once") << u""_s << u""_s << u"Cmd_OK"_s << noFile;
    QTest::newRow("no file") << u""_s << u"記録"_s << u"Cmd_OK"_s << noFile;
    QTest::newRow("wildcard") << u"a*b"_s << u"記録"_s << u"Cmd_OK"_s << wildcard;
    QTest::newRow("wildcard before name") << u"a*b"_s << u""_s << u"Cmd_OK"_s << wildcard;
    QTest::newRow("no name") << u"記録 する"_s << u""_s << u"Cmd_OK"_s << noName;
    QTest::newRow("blank name") << u"記録 する"_s << u"   "_s << u"Cmd_OK"_s << noName;
    QTest::newRow("No") << u"記録 する"_s << u" 記録帳 "_s << u"Cmd_No"_s << question;
    QTest::newRow("Yes") << u"記録 する"_s << u" 記録帳 "_s << u"Cmd_Yes"_s << question;
}

// The settings window of a slot without a file opens empty, on the current folder. A person
// opens a folder, looks at every file and back at the programs, chooses one, names it and
// presses "セット": a refusal or the answer No keeps the window open and stores nothing.
void LauncherTest::settingASlot() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(QString, message);
    const Files files;
    const QStringList before{u"前の名前"_s, u""_s, u"前"_s};
    saveSlot(6, before);
    Main main;
    startMain(main);
    Mod1::EditSlot = 6;
    SetPath w(main.launcher().Lab_L[6]);
    w.show();
    QCOMPARE(w.Di->path(), QDir::currentPath());
    QCOMPARE(w.Dr->drive(), platform::DriveList::driveOf(QDir::currentPath()));
    QCOMPARE(w.FL->pattern(), u"*.exe"_s);
    QCOMPARE(w.Txt_LN->text() + w.Txt_Op->text() + w.Lab_LN->caption() + w.Lab_LF->caption(), QString());
    if (!file.isEmpty()) {
        w.Di->setPath(files.folder.path());
        clickEntry(w.Di, u"bin dir"_s, true);
        const QStringList programs{u"a*b"_s, u"broken"_s, u"記録 する"_s};
        QCOMPARE(listed(w.FL), programs);
        QTest::keyClick(w.Cmb_Pattern, Qt::Key_Down);
        QCOMPARE(listed(w.FL), (QStringList{u"a*b"_s, u"broken"_s, u"notes.txt"_s, u"記録 する"_s}));
        QTest::keyClick(w.Cmb_Pattern, Qt::Key_Up);
        QCOMPARE(listed(w.FL), programs);
        clickEntry(w.FL, file);
    }
    QCOMPARE(w.Lab_LF->caption(), file.isEmpty() ? QString() : files.dir + u'/' + file);
    typeText(w.Txt_LN, name);
    QCOMPARE(w.Lab_LN->caption(), name);
    typeText(w.Txt_Op, u"-v  \"二 語\""_s);

    ModalScript script;
    script.press(button);
    QTest::mouseClick(w.Cmd_Set, Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages().size(), 1);
    QCOMPARE(script.messages()[0].text, message);
    QCOMPARE(script.messages()[0].kind, button == u"Cmd_OK"_s ? 0 : 1);
    QCOMPARE(script.messages()[0].focus, button == u"Cmd_OK"_s ? u"Cmd_OK"_s : u"Cmd_Yes"_s);
    const bool stored = button == u"Cmd_Yes"_s;
    QCOMPARE(w.isVisible(), !stored);
    const QStringList after{name, files.dir + u'/' + file, u"-v  \"二 語\""_s}; // blanks stay
    QCOMPARE(slotSettings(6), stored ? after : before);
    QCOMPARE(main.launcher().Lab_L[6]->caption(), stored ? name : before[0]);
}

void LauncherTest::reopeningASlot_data() {
    QTest::addColumn<QString>("stored"); // %1 is the folder of files
    QTest::addColumn<QString>("folder"); // the folder the lists open on; empty: the current one
    QTest::addColumn<QString>("selected");
    QTest::newRow("as listed") << u"%1/記録 する"_s << u"%1"_s << u"記録 する"_s;
    QTest::newRow("other letter case") << u"%1/A*B"_s << u"%1"_s << u"a*b"_s;
    QTest::newRow("blanks after the name") << u"%1/記録 する  "_s << u"%1"_s << u"記録 する"_s;
    QTest::newRow("file gone") << u"%1/消えた"_s << u"%1"_s << u""_s;
    QTest::newRow("not a program") << u"%1/notes.txt"_s << u"%1"_s << u""_s;
    QTest::newRow("folder gone") << u"%1/消えた/記録 する"_s << u""_s << u""_s;
    QTest::newRow("no folder") << u"記録 する"_s << u""_s << u""_s;
    // The root folder ends in "/" already, so a file there is stored with two of them.
    const QString root = QDir::rootPath();
    const auto inRoot = QDir(root).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    const auto program = std::find_if(inRoot.begin(), inRoot.end(), [](const auto& f) { return f.isExecutable(); });
    if (program != inRoot.end())
        QTest::newRow("in the root folder") << root + u'/' + program->fileName() << root << program->fileName();
    else if (!inRoot.isEmpty())
        QTest::newRow("in the root folder, not a program") << root + u'/' + inRoot.first().fileName() << root << u""_s;
}

// The settings window opens on the folder of the stored file and selects the file.
void LauncherTest::reopeningASlot() {
    QFETCH(QString, stored);
    QFETCH(QString, folder);
    QFETCH(QString, selected);
    const Files files;
    stored.replace(u"%1"_s, files.dir);
    folder = folder.isEmpty() ? QDir::currentPath() : folder.replace(u"%1"_s, files.dir);
    saveSlot(6, {u"記録"_s, stored, u" -q"_s});
    Mod1::EditSlot = 6;
    SetPath w(nullptr);
    w.show();
    QCOMPARE(w.Di->path(), folder);
    QCOMPARE(w.Dr->drive(), platform::DriveList::driveOf(folder));
    QCOMPARE(w.FL->fileName(), selected);
    QCOMPARE(w.Lab_LF->caption(), selected.isEmpty() ? QString() : folder + u'/' + selected);
    QCOMPARE(QStringList({w.Txt_LN->text(), w.Lab_LN->caption(), w.Txt_Op->text()}),
             (QStringList{u"記録"_s, u"記録"_s, u" -q"_s}));
}

// Each picture starts the program that stands in for its tool, and a tool this desktop lacks
// is named in a notice. Every tool has a stand-in of the test's own, so no tool of the desktop
// is ever started.
void LauncherTest::toolPictures() {
    using platform::SystemTool;
    ProgramFolder folder;
    const SystemTool tools[]{SystemTool::FileManager, SystemTool::TextEditor, SystemTool::Calculator,
                             SystemTool::DiskUsage, SystemTool::DiskCheck};
    std::vector<RecordingProgram> standIns;
    QList<QStringList> before;
    for (const SystemTool tool : tools) {
        standIns.emplace_back(folder.path() + u"/tool %1"_s.arg(int(tool)));
        before.append(platform::systemToolCandidates(tool));
        platform::setSystemToolCandidates(tool, {standIns.back().path()});
    }
    const auto restore = qScopeGuard([&] {
        for (const SystemTool tool : tools)
            platform::setSystemToolCandidates(tool, before[int(tool)]);
    });
    Main main;
    startMain(main);
    LauncherFrame& l = main.launcher();
    platform::PictureBox* const pictures[]{l.PicExp, l.PicNote, l.PicCalc, l.PicDef, l.PicScan};
    ModalScript script;
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(pictures[i], Qt::LeftButton);
        QTRY_VERIFY2(standIns[i].ran(), qPrintable(pictures[i]->objectName()));
    }
    platform::setSystemToolCandidates(SystemTool::Calculator, {u"no-such-program-here"_s});
    script.press(u"Cmd_OK"_s);
    QTest::mouseClick(l.PicCalc, Qt::LeftButton);
    QTRY_VERIFY2(script.finished(), qPrintable(script.report()));
    QCOMPARE(script.messages()[0].text, u"電卓のプログラムが見つかりません。"_s);
}

QTEST_MAIN(LauncherTest)
#include "test_launcher.moc"
