#pragma once

#include <QDialog>
#include <array>

namespace platform {
class Button3D;
class Frame3D;
class NameList;
class Panel3D;
} // namespace platform

// The results of a phone-book search: the names the search statement in Mod1::SearchSql
// finds, and the clicked record in read-only panels. A click on the e-mail, company e-mail
// or home-page panel copies its text to the clipboard after a question.
class DataView : public QDialog {
    Q_OBJECT
public:
    // The result with which "EXIT" closes the window: the search window closes after it.
    static constexpr int ClosesSearch = 2;

    explicit DataView(QWidget* parent = nullptr);

    platform::Frame3D* SSFrame1;
    platform::NameList* LS;
    platform::Panel3D* Lab01;
    platform::Panel3D* Lab02;
    platform::Panel3D* Lab03;
    platform::Panel3D* Lab04;
    platform::Panel3D* Lab05;
    platform::Panel3D* Lab06;
    platform::Panel3D* Lab07;
    platform::Panel3D* Lab08;
    platform::Panel3D* Lab09;
    platform::Panel3D* Lab10;
    platform::Panel3D* Lab11;
    platform::Panel3D* Lab12;
    platform::Panel3D* Lab13;
    platform::Panel3D* Lab14;
    platform::Panel3D* Lab15;
    platform::Panel3D* Lab16;
    platform::Panel3D* Lab17;
    platform::Panel3D* Lab18;
    platform::Panel3D* Lab19;
    platform::Panel3D* Lab20;
    platform::Panel3D* Lab21;
    platform::Button3D* SSCommand1; // "条件再セット"
    platform::Button3D* EXIT;

    void Form_Load();
    void LS_Click();
    void Lab17_Click();
    void Lab18_Click();
    void Lab19_Click();
    void SSCommand1_Click();
    void EXIT_Click();

    // Empties the value panels Lab01 to Lab21.
    void ClearResultPanels();

private:
    void buildControls();
    void showRecord();
    void offerCopy(const platform::Panel3D* panel, const QString& question);
};
