#pragma once

#include <QObject>
#include <array>

class QAction;
class QLabel;
class QMenu;

namespace platform {
class Button3D;
class Frame3D;
class Panel3D;
class PictureBox;
enum class SystemTool;
} // namespace platform

// The launcher frame "ランチャー" of the main window: eight program slots, each a button with
// its name panel, the popup menu of a slot, and below them the five pictures that start the
// system tools.
class LauncherFrame : public QObject {
    Q_OBJECT
public:
    // Builds the slots and the tool pictures inside `frame` of `window`.
    LauncherFrame(QWidget& window, platform::Frame3D* frame);

    std::array<platform::Button3D*, 8> Cmd_LN{};
    std::array<platform::Panel3D*, 8> Lab_L{};
    QLabel* Label2;
    platform::PictureBox* PicExp;
    platform::PictureBox* PicNote;
    platform::PictureBox* PicCalc;
    platform::PictureBox* PicDef;
    platform::PictureBox* PicScan;

    // The popup menu of a slot, built once and shown at the pointer.
    QMenu* Link;
    QAction* Lnk_DEL;
    QAction* Lnk_Rem;

    void Cmd_LN_Click(int Index);
    void Cmd_LN_MouseDown(int Index, Qt::MouseButton Button);
    void Cmd_LN_MouseMove(int Index);
    void SSFrame2_Click();
    void Lnk_DEL_Click();
    void Lnk_Rem_Click();

    void PicExp_Click();
    void PicNote_Click();
    void PicCalc_Click();
    void PicDef_Click();
    void PicScan_Click();

    // Shows the saved name of each slot in its panel.
    void InitLauncher();
    // Asks whether to clear a used slot and clears it on consent.
    void DeleteLauncher(qint16 slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startTool(const QString& fileName, platform::SystemTool tool);

    QWidget& m_window;
};

// The settings key of one value of a launcher slot: the prefix "LN", "LF" or "LO" and the
// slot number.
QString launcherKey(QStringView prefix, int slot);
// Stores a launcher slot's name, file and options, in that order.
void saveLauncherSlot(int slot, const QString& name, const QString& file, const QString& options);
// Empties the three settings of a slot: its name, its file and its options.
void ClearLauncherKeys(qint16 slot);
