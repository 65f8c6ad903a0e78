#pragma once

#include <QObject>

class QWidget;

namespace platform {
class Button3D;
class Panel3D;
} // namespace platform

// The phone-book frame "電話帳" of the main window: the buttons to the entry window and to
// the search window, each beside the panel that names it.
class PhoneBookFrame : public QObject {
    Q_OBJECT
public:
    // Builds the two buttons and their panels inside `frame`.
    explicit PhoneBookFrame(QWidget* frame);

    platform::Button3D* Cmd_T1;
    platform::Panel3D* Lab_T1; // "マスタ登録"
    platform::Button3D* Cmd_T2;
    platform::Panel3D* Lab_T2; // "一覧照会"

    // Opens the entry window; returns when it has closed.
    void Cmd_T1_Click();
    // Opens the search window; returns when it has closed.
    void Cmd_T2_Click();
};
