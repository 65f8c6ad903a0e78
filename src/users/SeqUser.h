#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QListWidget;

namespace platform {
class Button3D;
class Frame3D;
class Panel3D;
} // namespace platform

// The user management window "Tamoru ～ 使用者設定 ～": adds users, changes a user's password
// and deletes users together with their diaries. Opened from the user frame of the main
// window; built afresh for each opening.
class SeqUser : public QDialog {
    Q_OBJECT
public:
    explicit SeqUser(QWidget* parent = nullptr);

    platform::Frame3D* SSFrame1;
    QListWidget* LS;
    platform::Panel3D* SSPanel3;
    QLineEdit* Txt_UserName;
    platform::Panel3D* SSPanel2;
    QLineEdit* Txt_OldPass;
    platform::Panel3D* SSPanel1;
    QLineEdit* Txt_NewPass;
    platform::Panel3D* SSPanel4;
    QLineEdit* Txt_NewPass2;
    platform::Panel3D* Lab_OldPass; // the stored password of the user last chosen; never shown
    platform::Button3D* Cmd_Clear;
    platform::Button3D* Cmd_Insert;
    platform::Button3D* Cmd_Update;
    platform::Button3D* Cmd_Delete;
    platform::Button3D* Cmd_EXIT;

    void Form_Load();
    void LS_Click();
    void Cmd_Insert_Click();
    void Cmd_Update_Click();
    void Cmd_Delete_Click();
    void Cmd_Clear_Click();
    void Cmd_EXIT_Click();

    // Empties the fields and forgets the stored password; the choice in the list stays.
    void ClearUserFields();

private:
    QString selectedEntry() const;
    // Whether the typed current password is the stored one. With a user selected, the stored
    // password must be the one read for that user.
    bool currentPasswordFits() const;
    qint16 notice(const QString& text);
    // A notice, then the focus back on the name box.
    void refuse(const QString& text);
    // Refuses Guest (with `guestRefused`) and an empty choice; true when it did.
    bool refusedChoice(const QString& selected, const QString& guestRefused);
    // Asks; on No the focus goes back to the name box and false is returned.
    bool confirmed(const QString& question, qint16 focus);

    std::optional<QString> m_storedPasswordOf; // the entry whose password Lab_OldPass holds
};
