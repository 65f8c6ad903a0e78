#pragma once

#include <QDialog>

class QLineEdit;

namespace platform {
class Panel3D;
class Button3D;
} // namespace platform

// The password prompt. It shows MsgText as its question and, on "確認", leaves what was typed
// in MsgText. Closed any other way it leaves MsgText as it was (the question).
class Msg2 : public QDialog {
    Q_OBJECT
public:
    explicit Msg2(QWidget* parent = nullptr);

    platform::Panel3D* LB_Msg;
    QLineEdit* Txt_Msg;
    platform::Button3D* Cmd_OK;

private:
    void Form_Load();
    void Cmd_OK_Click();
};
