#pragma once

#include <QDialog>

namespace platform {
class Panel3D;
class Button3D;
} // namespace platform

// The message window: one notice or question, shown by Mod1::ShowMessage. It reads the
// text, kind, owner and focus from the message globals and leaves the answer in MsgResult.
class Msg : public QDialog {
    Q_OBJECT
public:
    explicit Msg(QWidget* parent = nullptr);

    platform::Panel3D* LB_Msg;
    platform::Button3D* Cmd_OK;
    platform::Button3D* Cmd_Yes;
    platform::Button3D* Cmd_No;
    platform::Button3D* Cmd_Yes2;
    platform::Button3D* Cmd_No2;
    platform::Button3D* Cmd_Cancel2;

protected:
    void showEvent(QShowEvent* event) override;
    // Escape and the title bar's close box give the answer a message box gives them: OK for a
    // notice, Cancel for a question with cancel; a Yes/No question waits for its answer.
    void reject() override;

private:
    void Form_Load();
    void Form_Activate();
    void answer(qint16 code);
    void fitText();
};
