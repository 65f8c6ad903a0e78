#include "users/SeqUser.h"

#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "core/Text.h"
#include "platform/Controls3D.h"
#include "platform/ListClick.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"
#include "users/UserTable.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

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

    using enum platform::Kind;
    using enum platform::ImeMode;
    platform::layOut(this, {{Frame, u"SSFrame1"_s, {0, 0, 7125, 2850}, {.text = u"ユーザー登録"_s, .to = &SSFrame1}}});
    const QList<platform::Control> controls{
        {List, u"LS"_s, {90, 315, 2760, 1410}, {.font = platform::fontOf(u"ＭＳ Ｐゴシック"_s, 11.25), .to = &LS}},
        {Panel, u"SSPanel3"_s, {3060, 315, 1500, 270}, {.text = u"ユーザー名"_s, .to = &SSPanel3}},
        {TextBox, u"Txt_UserName"_s, {4635, 315, 2400, 285}, {.ime = Off, .to = &Txt_UserName}},
        {Panel, u"SSPanel2"_s, {3060, 630, 1500, 270}, {.text = u"現在のパスワード"_s, .to = &SSPanel2}},
        {PasswordBox, u"Txt_OldPass"_s, {4635, 630, 2400, 285}, {.ime = Disabled, .to = &Txt_OldPass}},
        {Panel, u"SSPanel1"_s, {3060, 1170, 1500, 270}, {.text = u"新パスワード"_s, .to = &SSPanel1}},
        {PasswordBox, u"Txt_NewPass"_s, {4635, 1170, 2400, 285}, {.ime = Disabled, .to = &Txt_NewPass}},
        {Panel, u"SSPanel4"_s, {3060, 1485, 1500, 270}, {.text = u"新パスワード確認"_s, .to = &SSPanel4}},
        {PasswordBox, u"Txt_NewPass2"_s, {4635, 1485, 2400, 285}, {.ime = Disabled, .to = &Txt_NewPass2}},
        {Panel, u"Lab_OldPass"_s, {945, 1845, 1095, 270}, {.hidden = true, .to = &Lab_OldPass}},
        {Button, u"Cmd_Clear"_s, {2115, 1845, 915, 915}, {.text = u"クリア"_s, .to = &Cmd_Clear}},
        {Button, u"Cmd_Insert"_s, {3060, 1845, 915, 915}, {.text = u"追加"_s, .to = &Cmd_Insert}},
        {Button, u"Cmd_Update"_s, {4005, 1845, 915, 915}, {.text = u"修正"_s, .to = &Cmd_Update}},
        {Button, u"Cmd_Delete"_s, {4950, 1845, 915, 915}, {.text = u"削除"_s, .to = &Cmd_Delete}},
        {Button, u"Cmd_EXIT"_s, {6075, 1845, 915, 915}, {.text = u"EXIT"_s, .to = &Cmd_EXIT}},
    };
    platform::layOut(SSFrame1, controls);
    for (platform::Button3D* button : {Cmd_Clear, Cmd_Insert, Cmd_Update, Cmd_Delete, Cmd_EXIT})
        button->setAutoDefault(false);

    platform::chainTabOrder({Txt_UserName, Txt_OldPass, Txt_NewPass, Txt_NewPass2, Cmd_Clear, Cmd_Insert, Cmd_Update,
                             Cmd_Delete, Cmd_EXIT, LS});
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
    // A password changed by another copy since it was read here is not overwritten: the typed
    // current password was checked against the one read, so the user is asked for it again.
    if (!users::changePassword(selected, Lab_OldPass->caption(), Txt_NewPass->text())) {
        LS_Click();
        notice(selected + u" さんのパスワードが別の Tamoru で変更されました。\r"_s +
               u"パスワードを入力し直してください。"_s);
        return;
    }
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
