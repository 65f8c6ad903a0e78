#pragma once

#include <QObject>
#include <array>

class Main;
class QLabel;

namespace platform {
class Button3D;
class Panel3D;
class PictureBox;
} // namespace platform

// The launcher frame "ランチャー" of the main window: eight program slots, each a button with
// its name panel, and below them the five pictures that start the system tools.
class LauncherFrame : public QObject {
    Q_OBJECT
public:
    explicit LauncherFrame(Main& main);

    std::array<platform::Button3D*, 8> Cmd_LN{};
    std::array<platform::Panel3D*, 8> Lab_L{};
    QLabel* Label2;
    platform::PictureBox* PicExp;
    platform::PictureBox* PicNote;
    platform::PictureBox* PicCalc;
    platform::PictureBox* PicDef;
    platform::PictureBox* PicScan;

private:
    Main& m_main;
};

namespace Mod1 {

// Shows the saved name of each launcher slot in its panel.
void InitLauncher();

} // namespace Mod1
