#include "calendar/MEMO.h"

#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/SqlText.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;
using platform::sqlText;

MEMO::MEMO(const QString& date, const QString& user, QWidget* parent) : QDialog(parent), m_user(user) {
    setObjectName(u"MEMO"_s);
    setWindowTitle(u"Tamoru ～ 日記その他 ～"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    platform::setClientSizeTwips(this, 8370, 7590);

    using enum platform::Kind;
    using enum platform::ImeMode;
    const QFont editorFont = platform::fontOf(u"ＭＳ ゴシック"_s, 11.25);
    const QList<platform::Control> controls{
        {InsetPanel, u"Lab_User"_s, {45, 45, 2220, 285}, {.to = &Lab_User}},
        {InsetPanel, u"Data_Date"_s, {7200, 0, 1140, 285}, {.to = &Data_Date}},
        {LinesBox, u"Txt_Memo"_s, {45, 315, 8295, 6225}, {.font = editorFont, .ime = Hiragana, .to = &Txt_Memo}},
        {Button,
         u"Cmd_Exit"_s,
         {6480, 6615, 915, 915},
         {.text = u"ＥＸＩＴ"_s, .icon = u"go-previous"_s, .to = &Cmd_Exit}},
        {Button,
         u"Cmd_Set"_s,
         {7425, 6615, 915, 915},
         {.text = u"セット"_s, .icon = u"document-save"_s, .to = &Cmd_Set}},
    };
    platform::layOut(this, controls);
    for (platform::Button3D* button : {Cmd_Exit, Cmd_Set}) {
        button->setAutoDefault(false);
        button->setIconSize(QSize(24, 24));
    }

    platform::chainTabOrder({Txt_Memo, Cmd_Exit, Cmd_Set});
    connect(Txt_Memo, &QPlainTextEdit::textChanged, this, [this] { MemoChanged = 1; });
    core::connectGuarded(Cmd_Set, &QPushButton::clicked, this, &MEMO::Cmd_Set_Click);
    core::connectGuarded(Cmd_Exit, &QPushButton::clicked, this, &MEMO::Cmd_Exit_Click);

    Form_Load(date);
}

void MEMO::Form_Load(const QString& date) {
    platform::moveTwips(this, 400, 400);
    Mod1::Sql = u"SELECT * FROM TMP_Sche"_s + u" WHERE Date_Data = '"_s + sqlText(date) + u"'"_s +
                u" And UserName = '"_s + sqlText(m_user) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    Data_Date->setCaption(Mod1::Rs->field(u"date_data"_s).toString());
    Lab_User->setCaption(Mod1::Rs->field(u"UserName"_s).toString());
    Txt_Memo->setText(Mod1::Rs->field(u"Daily_Data"_s).toString());
    Txt_Memo->setFocus();
    MemoChanged = 0;
}

// Writes the text over the diary row of this date and user. A row that is gone (its user
// deleted from another window of the program in the meantime) is an error, never a success.
void MEMO::saveText() {
    Mod1::Sql = u"UPDATE TMP_Sche"_s + u" SET Daily_Data = '"_s + sqlText(Txt_Memo->text()) + u"'"_s +
                u" Where Date_Data = '"_s + sqlText(Data_Date->caption()) + u"'"_s + u" And UserName = '"_s +
                sqlText(m_user) + u"'"_s;
    if (Mod1::Db->execute(Mod1::Sql) == 0)
        throw platform::EngineError(u"この日の日記の行がデータベースにありません。"_s);
}

void MEMO::Cmd_Set_Click() {
    const QString date = Data_Date->caption();
    Mod1::Ret =
        QString::number(Mod1::ShowMessage(u"［ "_s + date + u" ］"_s + u"\r"_s + u"のメモを更新してよろしいですか？"_s,
                                          Mod1::KindQuestion, this, Mod1::FocusNo));
    if (Mod1::Ret.toInt() == Mod1::AnswerNo)
        return;
    // The change counts as saved only once the row has been written.
    saveText();
    MemoChanged = 0;
    Mod1::ShowMessage(u"メモを更新しました。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
}

void MEMO::Cmd_Exit_Click() {
    if (MemoChanged != 1) {
        accept();
        return;
    }
    Mod1::Ret = QString::number(Mod1::ShowMessage(u"メモが更新されていませんが更新しますか？"_s,
                                                  Mod1::KindQuestionCancel, this, Mod1::FocusYes));
    switch (Mod1::Ret.toInt()) {
    case Mod1::AnswerYes:
        saveText();
        MemoChanged = 0;
        Mod1::ShowMessage(Data_Date->caption() + u" のメモを更新しました。"_s, Mod1::KindNotice, this, Mod1::FocusOk);
        accept();
        break;
    case Mod1::AnswerCancel:
        break;
    default: // No, or no answer
        accept();
        break;
    }
}

void MEMO::reject() {}

void MEMO::closeEvent(QCloseEvent* event) {
    event->accept();
    done(QDialog::Rejected);
}
