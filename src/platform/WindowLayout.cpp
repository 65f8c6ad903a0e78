#include "platform/WindowLayout.h"

#include "platform/Controls3D.h"
#include "platform/DriveList.h"
#include "platform/FileList.h"
#include "platform/FolderList.h"
#include "platform/MultiLineBox.h"
#include "platform/NameList.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <limits>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

// A button as tall as wide: the picture goes above the caption, not beside it.
class StackedButton : public Button3D {
public:
    using Button3D::Button3D;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        painter.drawControl(QStyle::CE_PushButton, option);

        const int pictureSize = std::min(24, height() / 3);
        const int textHeight = fontMetrics().height();
        const int gap = 3;
        const int shift = isDown() ? 1 : 0;
        const int top = (height() - pictureSize - gap - textHeight) / 2 + shift;
        const QPixmap picture = icon().pixmap(pictureSize, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap((width() - pictureSize) / 2 + shift, top, picture);
        const QRect caption(shift, top + pictureSize + gap, width(), textHeight);
        style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), text(), QPalette::ButtonText);
    }
};

QIcon iconOf(const Picture& picture) {
    if (const auto* name = std::get_if<QString>(&picture))
        return name->isEmpty() ? QIcon() : QIcon::fromTheme(*name);
    return std::get<QIcon>(picture);
}

QWidget* make(const Control& c, QWidget* parent) {
    const Properties& p = c.is;
    switch (c.kind) {
    case Kind::Frame:
        return new Frame3D(p.text, parent);
    case Kind::Panel:
    case Kind::InsetPanel: {
        auto* panel = new Panel3D(parent, c.kind == Kind::Panel ? Panel3D::Bevel::Raised : Panel3D::Bevel::Inset);
        if (!p.text.isNull())
            panel->setCaption(p.text);
        return panel;
    }
    case Kind::Label:
        return new QLabel(p.text, parent);
    case Kind::TextBox:
    case Kind::PasswordBox: {
        auto* box = new QLineEdit(parent);
        box->setMaxLength(std::numeric_limits<int>::max()); // a pasted text is never cut short unseen
        if (c.kind == Kind::PasswordBox) {
            box->setEchoMode(QLineEdit::Password);
            box->setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s); // "*"
        }
        return box;
    }
    case Kind::LinesBox:
        return new MultiLineBox(parent);
    case Kind::ComboBox:
    case Kind::DropList: {
        auto* box = new QComboBox(parent);
        if (c.kind == Kind::ComboBox) {
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            // Completion keeps the letter case typed: "alice" never becomes another entry's "Alice".
            box->completer()->setCaseSensitivity(Qt::CaseSensitive);
        }
        return box;
    }
    case Kind::List: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        return list;
    }
    case Kind::NameList:
        return new NameList(parent);
    case Kind::Button:
        return new Button3D(p.text, iconOf(p.icon), parent);
    case Kind::PictureButton: {
        auto* button = new StackedButton(p.text, iconOf(p.icon), parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::PictureBox:
        return new PictureBox(parent);
    case Kind::DriveList:
        return new DriveList(parent);
    case Kind::FolderList:
        return new FolderList(parent);
    case Kind::FileList:
        return new FileList(parent);
    }
    Q_UNREACHABLE();
}

} // namespace

void Target::wrongClass(const QWidget* made, const char* wanted) {
    qFatal("the control %s is no %s", qPrintable(made->objectName()), wanted);
}

void layOut(QWidget* parent, const QList<Control>& controls, const std::optional<QFont>& font) {
    for (const Control& c : controls) {
        const Properties& p = c.is;
        QWidget* made = make(c, parent);
        made->setObjectName(c.name);
        if (p.font || font)
            made->setFont(p.font ? *p.font : *font);
        if (p.ime)
            setImeMode(made, *p.ime);
        if (auto* label = qobject_cast<QLabel*>(made); label && p.align)
            label->setAlignment(p.align);
        if (auto* button = qobject_cast<QPushButton*>(made)) {
            if (p.iconSize)
                button->setIconSize(QSize(p.iconSize, p.iconSize));
            if (p.isDefault)
                button->setDefault(true);
        }
        if (!p.style.isEmpty())
            made->setStyleSheet(p.style);
        if (!p.tip.isEmpty())
            made->setToolTip(p.tip);
        placeTwips(made, c.at.x(), c.at.y(), c.at.width(), c.at.height());
        if (auto* panel = qobject_cast<Panel3D*>(made); panel && (p.align & Qt::AlignTop))
            panel->setTextFit(Panel3D::TextFit::Wrap); // a value of several lines
        else if (!p.text.isEmpty())
            fitCaption(made);
        if (p.hidden)
            made->hide();
        if (p.lowered)
            made->lower();
        if (p.to.put)
            p.to.put(made);
    }
}

QFont fontOf(const QString& family, double points) {
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

void chainTabOrder(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace platform
