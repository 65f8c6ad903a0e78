#pragma once

#include <QDialog>

namespace platform {
class Panel3D;
class Button3D;
class MultiLineBox;
} // namespace platform

// The diary editor: the diary text of the selected date for the current user.
class MEMO : public QDialog {
    Q_OBJECT
public:
    // The editor of the diary row of `date` ("yyyy/m/d") and `user`.
    MEMO(const QString& date, const QString& user, QWidget* parent = nullptr);

    platform::Panel3D* Lab_User;
    platform::Panel3D* Data_Date;
    platform::MultiLineBox* Txt_Memo;
    platform::Button3D* Cmd_Exit;
    platform::Button3D* Cmd_Set;

    // 1 when the text has been changed since it was loaded or last saved.
    qint16 MemoChanged = 0;

    void Cmd_Set_Click();
    void Cmd_Exit_Click();

protected:
    // Escape does not throw the text away; the window closes through "ＥＸＩＴ".
    void reject() override;
    // The desktop closing the window (no close box is offered, but a desktop may close it
    // all the same): closes without a question when nothing is unsaved, and is refused while
    // the text holds unsaved changes, so they are never dropped without a word.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load(const QString& date);
    // False when nothing was written: another copy changed the row and the user chose to read
    // it again or to go back to editing.
    bool saveText();

    QString m_user;
    QString m_loadedText; // the row's text as last read or written here
};
