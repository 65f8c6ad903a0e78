#include "users/SeqUser.h"

#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "core/Text.h"
#include "platform/Controls3D.h"
#include "platform/ImeMode.h"
#include "platform/ListClick.h"
#include "platform/Twips.h"
#include "users/UserTable.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;
using platform::placeTwips;

namespace {

// Characters, not UTF-16 units: a full-width character and one outside the basic plane
// both count as one.
qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}

const QString nameTooLong = u"ユーザー名は半角10文字までです。"_s;
const QString passwordTooLong = u"パスワードは半角10文字までです。"_s;
const QString wrongPassword = u"パスワードが違います。"_s;
const QString noneSelected = u"リストが選択されていません。"_s;

} // namespace

SeqUser::SeqUser(QWidget* parent) : QDialog(parent) {
    setObjectName(u"SeqUser"_s);
    setWindowTitle(u"Tamoru ～ 使用者設定 ～"_s);
    platform::setClientSizeTwips(this, 7125, 2925);

    SSFrame1 = new platform::Frame3D(u"ユーザー登録"_s, this);
    SSFrame1->setObjectName(u"SSFrame1"_s);
    placeTwips(SSFrame1, 0, 0, 7125, 2850);
    QWidget* frame = SSFrame1;

    LS = new QListWidget(frame);
    LS->setObjectName(u"LS"_s);
    QFont listFont(u"ＭＳ Ｐゴシック"_s);
    listFont.setPointSizeF(11.25);
    LS->setFont(listFont);
    LS->setSelectionMode(QAbstractItemView::SingleSelection);
    placeTwips(LS, 90, 315, 2760, 1410);

    const auto panel = [frame](const char16_t* name, const QString& caption, double top) {
        auto* p = new platform::Panel3D(caption, frame);
        p->setObjectName(QString::fromUtf16(name));
        placeTwips(p, 3060, top, 1500, 270);
        return p;
    };
    const auto box = [frame](const char16_t* name, double top, bool password) {
        auto* b = new QLineEdit(frame);
        b->setObjectName(QString::fromUtf16(name));
        if (password) {
            b->setEchoMode(QLineEdit::Password);
            b->setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s); // "*"
        }
        platform::setImeMode(b, password ? platform::ImeMode::Disabled : platform::ImeMode::Off);
        placeTwips(b, 4635, top, 2400, 285);
        return b;
    };
    SSPanel3 = panel(u"SSPanel3", u"ユーザー名"_s, 315);
    Txt_UserName = box(u"Txt_UserName", 315, false);
    SSPanel2 = panel(u"SSPanel2", u"現在のパスワード"_s, 630);
    Txt_OldPass = box(u"Txt_OldPass", 630, true);
    SSPanel1 = panel(u"SSPanel1", u"新パスワード"_s, 1170);
    Txt_NewPass = box(u"Txt_NewPass", 1170, true);
    SSPanel4 = panel(u"SSPanel4", u"新パスワード確認"_s, 1485);
    Txt_NewPass2 = box(u"Txt_NewPass2", 1485, true);

    Lab_OldPass = new platform::Panel3D(frame);
    Lab_OldPass->setObjectName(u"Lab_OldPass"_s);
    placeTwips(Lab_OldPass, 945, 1845, 1095, 270);
    Lab_OldPass->hide();

    const auto command = [frame](const char16_t* name, const QString& caption, double left) {
        auto* b = new platform::Button3D(caption, frame);
        b->setObjectName(QString::fromUtf16(name));
        b->setAutoDefault(false);
        placeTwips(b, left, 1845, 915, 915);
        return b;
    };
    Cmd_Clear = command(u"Cmd_Clear", u"クリア"_s, 2115);
    Cmd_Insert = command(u"Cmd_Insert", u"追加"_s, 3060);
    Cmd_Update = command(u"Cmd_Update", u"修正"_s, 4005);
    Cmd_Delete = command(u"Cmd_Delete", u"削除"_s, 4950);
    Cmd_EXIT = command(u"Cmd_EXIT", u"EXIT"_s, 6075);

    setTabOrder(Txt_UserName, Txt_OldPass);
    setTabOrder(Txt_OldPass, Txt_NewPass);
    setTabOrder(Txt_NewPass, Txt_NewPass2);
    setTabOrder(Txt_NewPass2, Cmd_Clear);
    setTabOrder(Cmd_Clear, Cmd_Insert);
    setTabOrder(Cmd_Insert, Cmd_Update);
    setTabOrder(Cmd_Update, Cmd_Delete);
    setTabOrder(Cmd_Delete, Cmd_EXIT);
    setTabOrder(Cmd_EXIT, LS);
    Txt_UserName->setFocus();

    // A choice in the list, by mouse or keys; refilling the list is no choice.
    core::connectGuarded(new platform::ListClick(LS), &platform::ListClick::clicked, this, &SeqUser::LS_Click);
    core::connectGuarded(Cmd_Insert, &QPushButton::clicked, this, &SeqUser::Cmd_Insert_Click);
    core::connectGuarded(Cmd_Update, &QPushButton::clicked, this, &SeqUser::Cmd_Update_Click);
    core::connectGuarded(Cmd_Delete, &QPushButton::clicked, this, &SeqUser::Cmd_Delete_Click);
    connect(Cmd_Clear, &QPushButton::clicked, this, &SeqUser::Cmd_Clear_Click);
    connect(Cmd_EXIT, &QPushButton::clicked, this, &SeqUser::Cmd_EXIT_Click);

    Form_Load();
}

void SeqUser::Form_Load() {
    Mod1::TargetForm = this;
    platform::moveTwips(this, 400, 400);

    const QStringList names = users::userNames();
    {
        const QSignalBlocker quiet(LS);
        LS->clear();
        LS->addItems(names);
    }
    ClearUserFields();
}

QString SeqUser::selectedEntry() const {
    const QList<QListWidgetItem*> chosen = LS->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

bool SeqUser::currentPasswordFits() const {
    // After "クリア", or when the chosen entry's row could not be read, the stored password is
    // empty but belongs to nobody: an empty current password must not pass for the user.
    const QString selected = selectedEntry();
    if (!selected.isEmpty() && m_storedPasswordOf != selected)
        return false;
    return Lab_OldPass->caption() == Txt_OldPass->text();
}

qint16 SeqUser::notice(const QString& text) {
    return Mod1::ShowMessage(text, Mod1::KindNotice, this, Mod1::FocusOk);
}

void SeqUser::refuse(const QString& text) {
    notice(text);
    Txt_UserName->setFocus();
}

bool SeqUser::refusedChoice(const QString& selected, const QString& guestRefused) {
    const QString refusal = selected == u"Guest"_s ? guestRefused : selected.isEmpty() ? noneSelected : QString();
    if (refusal.isEmpty())
        return false;
    refuse(refusal);
    return true;
}

bool SeqUser::confirmed(const QString& question, qint16 focus) {
    if (Mod1::ShowMessage(question, Mod1::KindQuestion, this, focus) != Mod1::AnswerNo)
        return true;
    Txt_UserName->setFocus();
    return false;
}

void SeqUser::LS_Click() {
    const QString n = selectedEntry();
    const std::optional<QString> password = users::storedPassword(n);
    ClearUserFields();
    if (password) {
        Txt_UserName->setText(n);
        Lab_OldPass->setCaption(*password);
        m_storedPasswordOf = n;
    }
    Txt_OldPass->setFocus();
}

void SeqUser::Cmd_Insert_Click() {
    const QString name = Txt_UserName->text();
    if (core::trimBlanks(name).isEmpty()) {
        notice(u"名前が入力されていません。"_s);
        return;
    }
    for (int i = 0; i < LS->count(); ++i) {
        if (LS->item(i)->text() == name) {
            notice(u"その名前はすでに登録されています。"_s);
            return;
        }
    }
    if (characterCount(core::trimBlanks(name)) > 10) {
        notice(nameTooLong);
        return;
    }
    if (characterCount(core::trimBlanks(Txt_NewPass->text())) > 10) {
        notice(passwordTooLong);
        return;
    }
    if (!confirmed(u"ＤＢに［ "_s + name + u" ］さんを追加してよろしいですか？"_s, Mod1::FocusYes))
        return;
    users::insertUser(name, Txt_NewPass->text());
    notice(u"ＤＢに追加しました。"_s);
    Form_Load();
    ClearUserFields();
    Txt_UserName->setFocus();
}

void SeqUser::Cmd_Update_Click() {
    const QString selected = selectedEntry();
    if (selected != Txt_UserName->text())
        return refuse(u"ユーザー名の更新はできません。"_s + u"\r"_s + u"一度削除してから登録しなおしてください。"_s);
    if (refusedChoice(selected, u"Guest は修正できません。"_s))
        return;
    if (!currentPasswordFits())
        return refuse(wrongPassword);
    if (Txt_NewPass->text() != Txt_NewPass2->text()) {
        notice(u"新パスワードの確認がとれません。"_s);
        Txt_NewPass2->clear();
        Txt_NewPass2->setFocus();
        return;
    }
    if (characterCount(core::trimBlanks(Txt_NewPass->text())) > 10) {
        notice(passwordTooLong);
        return;
    }
    if (!confirmed(u"ＤＢの［ "_s + selected + u"］さんを修正してよろしいですか？"_s, Mod1::FocusYes))
        return;
    users::changePassword(Txt_UserName->text(), Txt_NewPass->text());
    notice(u"パスワードを修正しました。"_s);
    Form_Load();
    Txt_OldPass->setFocus();
}

void SeqUser::Cmd_Delete_Click() {
    const QString selected = selectedEntry();
    if (!currentPasswordFits())
        return refuse(wrongPassword);
    if (refusedChoice(selected, u"Guest は削除できません。"_s))
        return;
    if (!confirmed(u"ユーザー ［ "_s + selected + u" ］さんを削除してよろしいですか？"_s + u"\r"_s +
                       u"削除すると日記も削除されます。"_s,
                   Mod1::FocusNo))
        return;
    users::deleteUserWithDiary(selected);
    notice(u"ユーザーを削除しました。"_s);
    ClearUserFields();
    Form_Load();
    Txt_UserName->setFocus();
}

void SeqUser::Cmd_Clear_Click() {
    ClearUserFields();
    Txt_UserName->setFocus();
}

void SeqUser::Cmd_EXIT_Click() {
    close();
}

void SeqUser::ClearUserFields() {
    Mod1::TargetForm = this;
    Txt_UserName->clear();
    Txt_OldPass->clear();
    Txt_NewPass->clear();
    Txt_NewPass2->clear();
    Lab_OldPass->setCaption({});
    m_storedPasswordOf.reset();
}
