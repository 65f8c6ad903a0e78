// Random use of the whole program: clicks on any enabled control, random text (Japanese,
// quotes, wildcards, line breaks, very long strings) and random answers to every message
// window, with the stored data checked after every step.
//
// A short run in CI; a long one on demand:
//   TAMORU_RANDOM_SEEDS=20 TAMORU_RANDOM_STEPS=2000 build/tests/test_randomuse
// A failing run prints its seed and its last steps; TAMORU_RANDOM_SEED=<seed> replays it.
#include "Drive.h"
#include "Fixture.h"
#include "ModalScript.h"
#include "app/Main.h"
#include "calendar/MEMO.h"
#include "core/Mod1.h"
#include "platform/Clock.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"
#include "platform/ModalWindows.h"
#include "platform/MultiLineBox.h"
#include "platform/ProgramEnd.h"
#include "platform/ProgramStart.h"
#include "platform/SqlText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <random>

using namespace Qt::StringLiterals;

namespace {

int setting(const char* name, int otherwise) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : otherwise;
}

// The buttons that lead out of a window, the safest first.
const QStringList wayOut{u"いいえ"_s, u"確認"_s, u"ｷｬﾝｾﾙ"_s, u"EXIT"_s, u"ＥＸＩＴ"_s};

class RandomUse {
public:
    RandomUse(ProgramFolder& folder, Main& main, quint32 seed, int steps)
        : m_folder(folder), m_main(main), m_random(seed), m_stepsLeft(steps) {}

    // Steps on the main window; whatever it opens is driven from inside that window.
    void run() {
        platform::ModalWindows::setShownHook([this](QDialog& window) { drive(window); });
        while (m_stepsLeft > 0 && m_failure.isEmpty()) {
            act(&m_main);
            settle();
            check();
        }
        platform::ModalWindows::setShownHook(nullptr);
    }

    QString failure() const { return m_failure; }
    QString lastSteps(qsizetype count = 40) const {
        return m_log.mid(std::max<qsizetype>(0, m_log.size() - count)).join(u'\n');
    }
    int stepsRun() const { return int(m_log.size()); }

private:
    void drive(QDialog& window) {
        QPointer<QDialog> open(&window);
        while (open && open->isVisible() && m_stepsLeft > 0 && m_failure.isEmpty()) {
            act(open);
            if (open)
                check();
        }
        if (open && open->isVisible())
            leave(*open);
    }

    // Out of a window through its own buttons: any window must have a way out.
    void leave(QDialog& window) {
        QPointer<QDialog> open(&window);
        for (int attempt = 0; attempt < 4 && open && open->isVisible(); ++attempt) {
            for (const QString& caption : wayOut) {
                if (QAbstractButton* button = buttonCaptioned(*open, caption)) {
                    log(u"leave %1 by %2"_s.arg(open->objectName(), caption));
                    QTest::mouseClick(button, Qt::LeftButton);
                    break;
                }
            }
        }
        if (open && open->isVisible()) {
            fail(u"no way out of %1"_s.arg(open->objectName()));
            open->done(0);
        }
    }

    static QAbstractButton* buttonCaptioned(QDialog& window, const QString& caption) {
        for (auto* b : window.findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled() && b->text().trimmed() == caption && b->window() == &window)
                return b;
        return nullptr;
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    QString randomText() {
        static const QStringList pieces{
            u"山田"_s, u"ﾀﾛｳ"_s, u"たろう"_s, u"'"_s,  u"''"_s, u"*"_s,      u"?"_s,    u"#"_s,          u"["_s,
            u"!]"_s,   u"%_"_s,  u"\r\n"_s,   u"\n"_s, u" "_s,  u"a"_s,      u"Z"_s,    u"7"_s,          u"12"_s,
            u"𠮷"_s,   u"😀"_s,   u"Guest"_s,  u"pw"_s, u"/"_s,  u"1 男性"_s, u"平成"_s, u"' OR '1'='1"_s};
        if (pick(40) == 0)
            return QString(20000 + pick(20000), u"長"[0]);
        QString text;
        for (int n = pick(5); n > 0; --n)
            text += pieces[pick(int(pieces.size()))];
        return text;
    }

    // One action of a person on one enabled control of the window.
    void act(QWidget* window) {
        --m_stepsLeft;
        QList<QWidget*> controls;
        for (auto* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled() || w->window() != window || qobject_cast<QMenu*>(w))
                continue;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                qobject_cast<QAbstractItemView*>(w) || qobject_cast<platform::Panel3D*>(w) ||
                qobject_cast<platform::PictureBox*>(w) || qobject_cast<platform::Frame3D*>(w) ||
                (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget())))
                controls.append(w);
        }
        if (controls.isEmpty())
            return;
        // A person usually knows their password.
        if (window->objectName() == u"Msg2"_s && pick(2) == 0) {
            const QString user = m_main.findChild<QComboBox*>(u"Cmb_User"_s)->currentText();
            const QString password = user == u"山田"_s ? u"pw"_s : QString();
            log(u"Msg2 types the password of %1"_s.arg(user));
            typeText(window->findChild<QLineEdit*>(u"Txt_Msg"_s), password);
            QTest::mouseClick(buttonCaptioned(*static_cast<QDialog*>(window), u"確認"_s), Qt::LeftButton);
            return;
        }
        // The items of a control array count as one choice, so 42 day buttons do not crowd out
        // the rest of the window.
        QMap<QString, QList<QWidget*>> groups;
        for (QWidget* w : controls)
            groups[w->objectName().section(u'(', 0, 0)].append(w);
        const QList<QWidget*>& group = std::next(groups.cbegin(), pick(int(groups.size()))).value();
        QWidget* control = group[pick(int(group.size()))];
        const QString where = window->objectName() + u'.' + control->objectName();

        if (auto* box = qobject_cast<QComboBox*>(control)) {
            if (box->isEditable() && pick(3) == 0) {
                const QString text = randomText().left(200);
                log(u"%1 type %2"_s.arg(where, text.left(60)));
                box->setFocus();
                box->lineEdit()->selectAll();
                typeText(box->lineEdit(), text);
                if (pick(2) == 0)
                    QTest::keyClick(box, Qt::Key_Return);
            } else {
                log(u"%1 pick %2"_s.arg(where).arg(pick(2) ? u"down"_s : u"up"_s));
                box->setFocus();
                QTest::keyClick(box, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            }
        } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
            const QString text = randomText();
            log(u"%1 type %2"_s.arg(where, text.left(60)));
            line->setFocus();
            line->selectAll();
            if (text.size() > 64)
                line->insert(text);
            else
                typeText(line, text);
        } else if (auto* editor = qobject_cast<QPlainTextEdit*>(control)) {
            const QString text = randomText();
            log(u"%1 type %2"_s.arg(where, text.left(60)));
            editor->setFocus();
            if (pick(2))
                editor->selectAll();
            editor->insertPlainText(text);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
            const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
            if (rows == 0)
                return;
            const QModelIndex index = view->model()->index(pick(rows), 0, view->rootIndex());
            view->scrollTo(index);
            const QPoint at = view->visualRect(index).center();
            log(u"%1 click row %2"_s.arg(where).arg(index.row()));
            if (pick(4) == 0)
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            else
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        } else if (control->objectName().startsWith(u"Cmd_LN("_s) && pick(2) == 0) {
            // The popup menu of a launcher slot.
            auto* menu = m_main.findChild<QMenu*>(u"Link"_s);
            QTest::mouseMove(control);
            const auto actions = menu->actions();
            QAction* chosen = actions[pick(int(actions.size()))];
            log(u"%1 menu %2"_s.arg(where, chosen->text()));
            chosen->trigger();
        } else {
            log(u"%1 click"_s.arg(where));
            QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        }
    }

    // What must hold after every step.
    void check() {
        if (!m_failure.isEmpty())
            return;
        auto& db = m_folder.db();
        static const struct {
            const char16_t* query; // gives one value named v
            const char16_t* expected;
            const char16_t* failure;
        } rules[] = {
            {u"select integrity_check as v from pragma_integrity_check", u"ok", u"the database file is damaged"},
            {u"select count(*) as v from (select 1 from TMP_Sche group by Date_Data, UserName having count(*) > 1)",
             u"0", u"two diary rows for one day and user"},
            {u"select count(*) as v from TMP_Sche where UserName not in (select UserName from Mst_User)", u"0",
             u"a diary row whose user is gone"},
            {u"select count(*) as v from Mst_User where UserName = 'Guest'", u"1", u"Guest is gone"},
        };
        for (const auto& rule : rules) {
            if (db.openRecordset(QString::fromUtf16(rule.query))->field(u"v"_s).toString() !=
                QStringView(rule.expected))
                return fail(QString::fromUtf16(rule.failure));
        }
        // An editor that counts its text as saved shows exactly what is stored.
        if (auto* memo = qobject_cast<MEMO*>(QApplication::activeModalWidget()); memo && memo->MemoChanged == 0) {
            auto row = db.openRecordset(u"select * from TMP_Sche where Date_Data = '"_s +
                                        platform::sqlText(memo->Data_Date->caption()) + u"' and UserName = '"_s +
                                        platform::sqlText(memo->Lab_User->caption()) + u"'"_s);
            if (row->atEnd() || row->field(u"Daily_Data"_s).toString() != memo->Txt_Memo->text())
                return fail(u"the diary shown as saved is not what is stored"_s);
        }
    }

    void log(const QString& line) { m_log.append(u"%1: %2"_s.arg(m_log.size()).arg(line)); }
    void fail(const QString& why) {
        if (m_failure.isEmpty())
            m_failure = why;
        m_stepsLeft = 0;
    }

    ProgramFolder& m_folder;
    Main& m_main;
    std::mt19937 m_random;
    int m_stepsLeft;
    QStringList m_log;
    QString m_failure;
};

} // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void randomUse_data();
    void randomUse();
};

void RandomUseTest::initTestCase() {
    platform::setUpDesktop();
    platform::setClock([] { return QDateTime(QDate(2026, 3, 5), QTime(12, 0, 0)); });
    // Nothing is ever started or ended for real.
    platform::setProgramStarter([](const QString&) { return platform::StartedProgram{}; });
    platform::setProgramEndHandler([] {});
}

void RandomUseTest::cleanupTestCase() {
    platform::setClock(nullptr);
    platform::setProgramStarter(nullptr);
    platform::setProgramEndHandler(nullptr);
}

void RandomUseTest::randomUse_data() {
    QTest::addColumn<quint32>("seed");
    const int only = setting("TAMORU_RANDOM_SEED", -1);
    if (only >= 0) {
        QTest::newRow("replay") << quint32(only);
        return;
    }
    for (int seed = 1; seed <= setting("TAMORU_RANDOM_SEEDS", 4); ++seed)
        QTest::addRow("seed %d", seed) << quint32(seed);
}

void RandomUseTest::randomUse() {
    QFETCH(quint32, seed);
    ProgramFolder folder;
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('山田' , 'pw')"_s);
    folder.execute(u"INSERT INTO Mst_User(UserName , UserPass) Values('O''Neil' , '')"_s);
    folder.execute(u"INSERT INTO Mst_Address(Name_1,Furigana,Name_2,Sex_cd,Birth,Email) Values('山田 太郎' , "
                   u"'ﾔﾏﾀﾞ' , '' , 1 , '1996/1/5' , 'taro@example.jp')"_s);
    ProgramFolder::saveSetting(u"User"_s, u"山田"_s);
    Main main;
    startMain(main);

    RandomUse use(folder, main, seed, setting("TAMORU_RANDOM_STEPS", 250));
    use.run();
    QVERIFY2(use.failure().isEmpty(),
             qPrintable(u"seed %1 failed: %2 (replay with TAMORU_RANDOM_SEED=%1)\n%3"_s.arg(seed).arg(
                 use.failure(), use.lastSteps())));
    qInfo("seed %u: %d steps run clean", seed, use.stepsRun());
    if (qEnvironmentVariableIsSet("TAMORU_RANDOM_VERBOSE"))
        qInfo("%s", qPrintable(use.lastSteps(use.stepsRun())));
}

QTEST_MAIN(RandomUseTest)
#include "test_randomuse.moc"
