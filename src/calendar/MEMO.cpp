#include "calendar/MEMO.h"

#include "calendar/DiaryTable.h"
#include "core/ChangedRow.h"
#include "core/EngineGuard.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"
#include "platform/WindowLayout.h"

#include <QApplication>
#include <QCloseEvent>

using namespace Qt::StringLiterals;

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
        {PictureButton,
         u"Cmd_Exit"_s,
         {6480, 6615, 915, 915},
         {.text = u"ＥＸＩＴ"_s, .icon = u"go-previous"_s, .to = &Cmd_Exit}},
        {PictureButton,
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
    const calendar::DiaryRow row = calendar::readDiaryRow(date, m_user);
    Data_Date->setCaption(row.date);
    Lab_User->setCaption(row.user);
    Txt_Memo->setText(row.text);
    m_loadedText = row.text;
    Txt_Memo->setFocus();
    MemoChanged = 0;
}

bool MEMO::saveText() {
    const QString date = Data_Date->caption();
    const QString text = Txt_Memo->text();
    switch (core::writeUnlessChanged(
        this, date + u" のメモ"_s, m_loadedText, [&] { return calendar::readDiaryRow(date, m_user).text; },
        [&] { calendar::writeDiaryText(date, m_user, text); })) {
    case core::Saving::Written:
        m_loadedText = text;
        MemoChanged = 0;
        return true;
    case core::Saving::Reload:
        Txt_Memo->setText(m_loadedText);
        MemoChanged = 0;
        return false;
    case core::Saving::BackToEditing:
        break;
    }
    return false;
}

void MEMO::Cmd_Set_Click() {
    const QString date = Data_Date->caption();
    Mod1::Ret =
        QString::number(Mod1::ShowMessage(u"［ "_s + date + u" ］"_s + u"\r"_s + u"のメモを更新してよろしいですか？"_s,
                                          Mod1::KindQuestion, this, Mod1::FocusNo));
    if (Mod1::Ret.toInt() == Mod1::AnswerNo)
        return;
    // The change counts as saved only once the row has been written.
    if (!saveText())
        return;
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
        if (!saveText())
            break;
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
    if (MemoChanged == 1) {
        event->ignore();
        QApplication::beep();
        return;
    }
    event->accept();
    done(QDialog::Rejected);
}
