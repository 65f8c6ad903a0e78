#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace platform {
class Button3D;
class DriveList;
class FileList;
class FolderList;
class Frame3D;
class Panel3D;
} // namespace platform

// The launcher settings window "ランチャー設定": a drive, a folder and a file are chosen, a
// display name and options typed, and "セット" stores them as the launcher slot EditSlot.
class SetPath : public QDialog {
    Q_OBJECT
public:
    // `slotPanel` is the main window's panel that shows the name of the slot being edited.
    explicit SetPath(platform::Panel3D* slotPanel, QWidget* parent = nullptr);

    platform::Frame3D* SSFrame1;
    platform::DriveList* Dr;
    platform::FolderList* Di;
    QComboBox* Cmb_Pattern;
    platform::FileList* FL;
    platform::Panel3D* SSPanel16;
    QLineEdit* Txt_LN;
    platform::Panel3D* SSPanel3;
    QLineEdit* Txt_Op;
    platform::Panel3D* SSPanel1;
    platform::Panel3D* Lab_LN;
    platform::Panel3D* SSPanel2;
    platform::Panel3D* Lab_LF;
    platform::Button3D* Cmd_Insert;
    platform::Button3D* Cmd_Set;

    void Dr_Change();
    void Di_Change();
    void Cmb_Pattern_Click();
    void FL_Click();
    void Txt_LN_Change();
    void Cmd_Insert_Click();
    void Cmd_Set_Click();

private:
    void Form_Load();
    // Opens the lists on the folder of a stored file and selects the file; when the folder
    // is gone or the file is not listed, the lists stay as they are and nothing is selected.
    void showStoredFile(const QString& storedFile);

    platform::Panel3D* m_slotPanel;
    QString m_readableDrive; // the drive shown before the one being chosen
};
