#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace platform {
class Button3D;
class Frame3D;
class MultiLineBox;
} // namespace platform

// The search window of the phone book: each filled box narrows the search by a part of one
// column, the sex box by sex code. "検索" opens the results on top, and this window waits
// underneath with its conditions.
class Search_1 : public QDialog {
    Q_OBJECT
public:
    explicit Search_1(QWidget* parent = nullptr);

    platform::Frame3D* SSFrame1;
    QLineEdit* Txt_Furigana;
    QLineEdit* Txt_Name_1;
    QLineEdit* Txt_Name_2;
    QComboBox* Cmb_Sex;
    platform::MultiLineBox* Txt_Zyusyo;
    QLineEdit* Txt_Tel_1;
    QLineEdit* Txt_Fax;
    QLineEdit* Txt_PB;
    QLineEdit* Txt_Handy_1;
    QLineEdit* Txt_Handy_2;
    QLineEdit* Txt_K_Name;
    QLineEdit* Txt_Email;
    QLineEdit* Txt_K_Email;
    QLineEdit* Txt_HP_Address;
    platform::Button3D* Cmd_Clear;
    platform::Button3D* Cmd_Insert; // "EXIT"
    platform::Button3D* Cmd_Search;

    void Form_Load();
    void Cmd_Clear_Click();
    void Cmd_Insert_Click();
    void Cmd_Search_Click();

    // Empties the search boxes and puts the sex box back on "0 全部".
    void ClearSearchConditions();

private:
    void buildControls();
    // The select statement of the boxes as they stand.
    QString searchStatement() const;
};
