#include "launcher/LauncherFrame.h"

#include "core/AppSettings.h"
#include "core/Main.h"
#include "platform/Controls3D.h"
#include "platform/Twips.h"

#include <QLabel>

using namespace Qt::StringLiterals;
using platform::placeTwips;

LauncherFrame::LauncherFrame(Main& main) : QObject(&main), m_main(main) {
    QWidget* frame = main.SSFrame2;
    for (int i = 0; i < 8; ++i) {
        Cmd_LN[i] = new platform::Button3D({}, frame);
        Cmd_LN[i]->setObjectName(u"Cmd_LN(%1)"_s.arg(i));
        placeTwips(Cmd_LN[i], 90, 270 + 360 * i, 330, 330);
        Lab_L[i] = new platform::Panel3D(frame, platform::Panel3D::Bevel::Inset);
        Lab_L[i]->setObjectName(u"Lab_L(%1)"_s.arg(i));
        Lab_L[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        placeTwips(Lab_L[i], 450, 270 + 360 * i, 2580, 330);
    }

    Label2 = new QLabel(frame);
    Label2->setObjectName(u"Label2"_s);
    Label2->setFrameStyle(QFrame::Box | QFrame::Plain);
    placeTwips(Label2, 90, 3150, 2940, 600);

    const auto picture = [frame](const char16_t* name, double left) {
        auto* p = new platform::PictureBox(frame);
        p->setObjectName(QString::fromUtf16(name));
        placeTwips(p, left, 3195, 510, 510);
        return p;
    };
    PicExp = picture(u"PicExp", 135);
    PicNote = picture(u"PicNote", 675);
    PicCalc = picture(u"PicCalc", 1260);
    PicDef = picture(u"PicDef", 1845);
    PicScan = picture(u"PicScan", 2430);
}

namespace Mod1 {

void InitLauncher() {
    LauncherFrame& launcher = Main::form()->launcher();
    for (int i = 0; i < 8; ++i)
        launcher.Lab_L[i]->setCaption(core::setting(u"LN%1"_s.arg(i)));
}

} // namespace Mod1
