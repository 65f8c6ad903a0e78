// The launcher: starting a slot's program, the popup menu of a slot, the settings window.
#include "Drive.h"
#include "launcher/LauncherFrame.h"
#include "launcher/SetPath.h"
#include "platform/ApplicationFolder.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/FolderList.h"
#include "platform/SystemFolder.h"

#include <QDir>
#include <QMenu>
#include <QScopeGuard>

namespace {

const QStringList prefixes{u"LN"_s, u"LF"_s, u"LO"_s};

void saveSlot(int slot, const QStringList& values) {
    for (int i = 0; i < 3; ++i)
        ProgramFolder::saveSetting(prefixes[i] + QString::number(slot), values[i]);
}

// The name, file and options of a slot as stored.
QStringList slotSettings(int slot) {
    QStringList values;
    for (const QString& prefix : prefixes)
        values.append(ProgramFolder::setting(prefix + QString::number(slot)));
    return values;
}

// The files to start and to choose from: a program, an empty one with "*" in its name, one whose
// interpreter is missing, and a document.
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

// A slot as stored (%1: the folder of files) and what clicking it starts; a named slot that
// does not start gives its notice.
const struct ClickCase {
    const char* tag;
    QString name, file, options;
    bool starts;
    QStringList arguments;
    QString notice = u"指定されたファイルがみつかりません"_s;
} clickCases[] = {
    {"no options", u"記録"_s, u"%1/記録 する"_s, u""_s, true, QStringList()},
    {"options", u"記録"_s, u"%1/記録 する"_s, u"-a \"ふたつの 言葉\""_s, true, {u"-a"_s, u"ふたつの 言葉"_s}},
    {"options, blanks kept", u"記録"_s, u"%1/記録 する"_s, u"  -q "_s, true, {u"-q"_s}},
    {"empty name, file set", u""_s, u"%1/記録 する"_s, u"-x"_s, false, QStringList()},
    {"empty file", u"名前"_s, u""_s, u"-x"_s, false, QStringList()},
    {"missing file", u"名前"_s, u"%1/gone"_s, u""_s, false, QStringList()},
    {"cannot run", u"名前"_s, u"%1/broken"_s, u""_s, false, QStringList()},
    {"too long", u"記録"_s, u"%1/記録 する"_s, QString(160 * 1024, u'x'), false, QStringList(),
     u"プログラムを起動できませんでした。コマンドラインが長すぎます。"_s}};

// The program standing in for the calculator (%1: the folder of files; empty: the desktop has
// none) and the notice when its picture does not start it.
const struct ToolCase {
    const char* tag;
    QString program, notice;
} toolCases[] = {{"starts", u"%1/記録 する"_s, u""_s},
                 {"none", u""_s, u"電卓のプログラムが見つかりません。"_s},
                 {"cannot run", u"%1/broken"_s, u"電卓を起動できませんでした。"_s}};

// A file chosen in the folder of files (empty: none), a name, and the answer to the one
// message window after "セット".
const QString noFile = u"起動ファイルが選択されていません。"_s, wildcard = u"ワイルドカード（＊）は使用できません。"_s;
const QString noName = u"ファイル名称が選択されていません。"_s, question = u"設定してよろしいですか？"_s;
const struct SetCase {
    const char* tag;
    QString file, name, button, message;
} setCases[] = {{"no file", u""_s, u"記録"_s, u"Cmd_OK"_s, noFile},
                {"wildcard", u"a*b"_s, u"記録"_s, u"Cmd_OK"_s, wildcard},
                {"wildcard before name", u"a*b"_s, u""_s, u"Cmd_OK"_s, wildcard},
                {"no name", u"記録 する"_s, u""_s, u"Cmd_OK"_s, noName},
                {"blank name", u"記録 する"_s, u"   "_s, u"Cmd_OK"_s, noName},
                {"No", u"記録 する"_s, u" 記録帳 "_s, u"Cmd_No"_s, question},
                {"Yes", u"記録 する"_s, u" 記録帳 "_s, u"Cmd_Yes"_s, question}};

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::setUpDesktop(); }
    void clickingASlot_data() { addCases(clickCases); }
    void clickingASlot() {
        const ClickCase& c = currentCase(clickCases);
        const Files files;
        const RecordingProgram decoy(files.dir + u"/記録"_s); // the program's path up to its blank
        const QString file = QString(c.file).replace(u"%1"_s, files.dir);
        saveSlot(3, {c.name, file, c.options});
        Main main;
        startMain(main);
        ModalScript script;
        const bool notice = !c.starts && !c.name.isEmpty();
        if (notice)
            script.press(u"Cmd_OK"_s);
        click(main.launcher().Cmd_LN[3]);
        if (c.starts)
            QTRY_VERIFY(files.program.ran());
        QTest::qWait(300);
        QCOMPARE(files.program.ran(), c.starts);
        QCOMPARE(files.program.arguments(), c.arguments);
        QVERIFY_SCRIPT(script);
        if (notice)
            QCOMPARE(script.messages()[0].text, c.notice);
        QCOMPARE(slotSettings(3), (QStringList{c.name, file, c.options}));
    }
    // The calculator's picture starts the program standing in for it, though the program's folder
    // (and so the system folder) has a blank in its path and the path up to that blank names another
    // program.
    void clickingATool_data() { addCases(toolCases); }
    void clickingATool() {
        const ToolCase& c = currentCase(toolCases);
        const Files files;
        Main main;
        startMain(main);
        platform::setApplicationFolder(files.folder.path() + u"/my app"_s);
        Mod1::WinDir = platform::systemFolder();
        const RecordingProgram decoy(files.folder.path() + u"/my"_s);
        constexpr auto tool = platform::SystemTool::Calculator;
        const auto restore = qScopeGuard(
            [before = platform::systemToolCandidates(tool)] { platform::setSystemToolCandidates(tool, before); });
        platform::setSystemToolCandidates(tool, QStringList(QString(c.program).replace(u"%1"_s, files.dir)));
        ModalScript script;
        if (!c.notice.isEmpty())
            script.press(u"Cmd_OK"_s);
        click(main.launcher().PicCalc);
        if (c.notice.isEmpty())
            QTRY_VERIFY(files.program.ran());
        QVERIFY_SCRIPT(script);
        QCOMPARE(script.messages().value(0).text, c.notice);
    }
    // The menu acts on the slot under the pointer: "対象ファイル削除" clears it on consent (the
    // file stays), "対象ファイル修正" opens the settings window on it.
    void popupMenu_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("answer"); // to the question; empty: none is asked
        QTest::newRow("clear, Yes") << u"Lnk_DEL"_s << u"Cmd_Yes"_s;
        QTest::newRow("clear, No") << u"Lnk_DEL"_s << u"Cmd_No"_s;
        QTest::newRow("change") << u"Lnk_Rem"_s << u""_s;
    }
    void popupMenu() {
        QFETCH(QString, item);
        QFETCH(QString, answer);
        const Files files;
        const QStringList slot{u"エディタ"_s, files.program.path(), u""_s};
        saveSlot(2, slot);
        Main main;
        startMain(main);
        LauncherFrame& launcher = main.launcher();
        ModalScript script;
        QString opened;
        if (answer.isEmpty())
            script.then(u"SetPath"_s, [&](QDialog& window) {
                opened = static_cast<SetPath&>(window).Txt_LN->text();
                window.close();
            });
        else
            script.press(answer);
        QTest::mouseMove(launcher.Cmd_LN[1]);
        QTest::mouseMove(launcher.Cmd_LN[2]);
        QTest::mouseClick(launcher.Cmd_LN[2], Qt::RightButton);
        QTRY_VERIFY(launcher.Link->isVisible());
        const QRect place = launcher.Link->actionGeometry(launcher.Link->findChild<QAction*>(item));
        QTest::mouseClick(launcher.Link, Qt::LeftButton, {}, place.center());
        QTRY_VERIFY_SCRIPT(script);
        QCOMPARE(opened, answer.isEmpty() ? u"エディタ"_s : QString());
        if (!answer.isEmpty()) {
            QCOMPARE(script.messages()[0].text, u"エディタ を削除してもよろしいですか？"_s);
            QCOMPARE(script.messages()[0].focus, u"Cmd_No"_s);
        }
        const bool cleared = answer == u"Cmd_Yes"_s;
        QCOMPARE(slotSettings(2), cleared ? QStringList(3) : slot);
        QCOMPARE(launcher.Lab_L[2]->caption(), cleared ? u""_s : u"エディタ"_s);
        QVERIFY(QFile::exists(files.program.path()));
    }
    // A slot without a file: its settings window opens empty on the current folder; a refusal or
    // the answer No to "セット" keeps the window open and stores nothing.
    // Reopened, the window shows the stored program in its folder on its drive, whatever kind of
    // volume holds it (a tmpfs /tmp too: the tests run once more with their folders on one).
    void reopeningASlot() {
        const Files files;
        saveSlot(6, {u"記録"_s, files.program.path(), u" -q"_s});
        Mod1::EditSlot = 6;
        SetPath w(nullptr);
        QCOMPARE(w.Di->path(), files.dir);
        QCOMPARE(w.Dr->drive(), platform::DriveList::driveOf(files.dir));
        QCOMPARE(w.FL->currentItem() ? w.FL->currentItem()->text() : QString(), u"記録 する"_s);
        QCOMPARE(w.Txt_LN->text() + w.Txt_Op->text(), u"記録 -q"_s);
    }
    void settingASlot_data() { addCases(setCases); }
    void settingASlot() {
        const SetCase& c = currentCase(setCases);
        const Files files;
        const QStringList before{u"前の名前"_s, u""_s, u"前"_s};
        saveSlot(6, before);
        Main main;
        startMain(main);
        Mod1::EditSlot = 6;
        SetPath w(main.launcher().Lab_L[6]);
        w.show();
        QCOMPARE(w.Di->path(), QDir::currentPath());
        QCOMPARE(w.Txt_LN->text() + w.Txt_Op->text() + w.Lab_LN->caption() + w.Lab_LF->caption(), QString());
        if (!c.file.isEmpty()) {
            w.Di->setPath(files.folder.path());
            clickEntry(w.Di, u"bin dir"_s, true);
            const QStringList programs{u"a*b"_s, u"broken"_s, u"記録 する"_s};
            QCOMPARE(entries(w.FL), programs);
            QTest::keyClick(w.Cmb_Pattern, Qt::Key_Down);
            QCOMPARE(entries(w.FL), (QStringList{u"a*b"_s, u"broken"_s, u"notes.txt"_s, u"記録 する"_s}));
            QTest::keyClick(w.Cmb_Pattern, Qt::Key_Up);
            QCOMPARE(entries(w.FL), programs);
            clickEntry(w.FL, c.file);
        }
        QCOMPARE(w.Lab_LF->caption(), c.file.isEmpty() ? QString() : files.dir + u'/' + c.file);
        typeText(w.Txt_LN, c.name);
        QCOMPARE(w.Lab_LN->caption(), c.name);
        typeText(w.Txt_Op, u"@Variant(x) -v  \"二 語\";a=b\\c "_s);
        const auto seen = clickAnswering(w.Cmd_Set, {c.button});
        QCOMPARE(seen.value(0).text, c.message);
        QCOMPARE(seen.value(0).focus, c.button == u"Cmd_OK"_s ? u"Cmd_OK"_s : u"Cmd_Yes"_s);
        const bool stored = c.button == u"Cmd_Yes"_s;
        QCOMPARE(w.isVisible(), !stored);
        const QStringList after{c.name, files.dir + u'/' + c.file,
                                u"@Variant(x) -v  \"二 語\";a=b\\c "_s}; // as typed, blanks and all
        QCOMPARE(slotSettings(6), stored ? after : before);
        QCOMPARE(main.launcher().Lab_L[6]->caption(), stored ? c.name : before[0]);
    }
};

QTEST_MAIN(LauncherTest)
#include "test_launcher.moc"
