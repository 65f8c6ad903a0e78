#pragma once

#include <QObject>

class QComboBox;
class QPushButton;
class QWidget;

namespace platform {
class Button3D;
}

// The user frame "ユーザー" of the main window: the current user, whose name is the text of
// Cmb_User, and the button to the user management window. It also handles the two buttons
// along the bottom edge of the main window: minimise (SSCommand2) and quit (SSCommand1).
class UserFrame : public QObject {
    Q_OBJECT
public:
    // Builds the controls inside `frame` of `window` and handles its quit and minimise buttons.
    UserFrame(QWidget& window, QWidget* frame, QPushButton* quit, QPushButton* minimise);

    QComboBox* Cmb_User;
    platform::Button3D* FE_User;

    // Refills the list from the user table and shows the saved user ("Guest" when none, or
    // when the saved user is no longer in the table).
    void FillUserList();
    // Saves the shown user as the one to show at the next start.
    void saveCurrentUser();

    void Cmb_User_LostFocus();
    void FE_User_Click();
    void SSCommand1_Click();
    void SSCommand2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
};
