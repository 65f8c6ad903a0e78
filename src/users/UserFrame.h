#pragma once

#include <QObject>

class Main;
class QComboBox;

namespace platform {
class Button3D;
}

// The user frame "ユーザー" of the main window: the current user, whose name is the text of
// Cmb_User, and the button to the user management window.
class UserFrame : public QObject {
    Q_OBJECT
public:
    explicit UserFrame(Main& main);

    QComboBox* Cmb_User;
    platform::Button3D* FE_User;

    // Refills the list from the user table and shows the saved user ("Guest" when none).
    void FillUserList();
    // Saves the shown user as the one to show at the next start.
    void saveCurrentUser();

private:
    Main& m_main;
};
