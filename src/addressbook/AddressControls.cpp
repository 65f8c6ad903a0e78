#include "addressbook/AddressControls.h"

#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleOptionButton>
#include <QStylePainter>

using namespace Qt::StringLiterals;
using platform::placeTwips;

namespace addressbook {

namespace {

constexpr double boxHeight = 285;

// The big buttons are as tall as wide: the picture goes above the caption, not beside it.
class StackedButton : public platform::Button3D {
public:
    using platform::Button3D::Button3D;

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

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

QFont windowFont() {
    return QFont(u"ＭＳ Ｐゴシック"_s, 9);
}

// The narrow number boxes hold a telephone number only in a font whose digits are as narrow
// as those of the desktop these windows were laid out for.
QFont boxFont() {
    return QFont(u"ＭＳ ゴシック"_s, 9);
}

platform::Panel3D* captionPanel(QWidget* parent, const QString& name, const QString& caption, double left, double top,
                                double width, double height) {
    auto* panel = new platform::Panel3D(caption, parent);
    panel->setObjectName(name);
    panel->setFont(windowFont());
    placeTwips(panel, left, top, width, height);
    return panel;
}

QLineEdit* textBox(QWidget* parent, const QString& name, platform::ImeMode ime, double left, double top, double width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(boxFont());
    platform::setImeMode(box, ime);
    placeTwips(box, left, top, width, boxHeight);
    return box;
}

platform::Frame3D* windowFrame(QWidget* window, const QString& caption, double width, double height) {
    auto* frame = new platform::Frame3D(caption, window);
    frame->setObjectName(u"SSFrame1"_s);
    frame->setFont(windowFont());
    placeTwips(frame, 45, 0, width, height);
    return frame;
}

void layRows(QWidget* frame, double captionLeft, double boxLeft, std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        captionPanel(frame, row.panel, row.caption, captionLeft, row.top, 1500, 270);
        const auto place = [&](QWidget* box, double height) {
            box->setObjectName(row.name);
            placeTwips(box, boxLeft, row.top, row.width, height);
        };
        std::visit(Overloaded{
                       [&](QLineEdit** box) { *box = textBox(frame, row.name, row.ime, boxLeft, row.top, row.width); },
                       [&](platform::MultiLineBox** box) {
                           *box = new platform::MultiLineBox(frame);
                           (*box)->setFont(boxFont());
                           platform::setImeMode(*box, row.ime);
                           place(*box, row.height);
                       },
                       [&](QComboBox** box) {
                           *box = new QComboBox(frame);
                           (*box)->setFont(boxFont());
                           (*box)->setEditable(true);
                           (*box)->setInsertPolicy(QComboBox::NoInsert);
                           place(*box, boxHeight);
                       },
                       [&](platform::Panel3D** box) {
                           *box = new platform::Panel3D(frame, platform::Panel3D::Bevel::Inset);
                           (*box)->setFont(windowFont());
                           // A value of several lines shows from its first line.
                           (*box)->setAlignment(Qt::AlignLeft | (row.height > 0 ? Qt::AlignTop : Qt::AlignVCenter));
                           (*box)->setIndent(3);
                           place(*box, row.height > 0 ? row.height : 270);
                       },
                   },
                   row.box);
    }
}

void clearTextBoxes(QWidget* frame) {
    for (QLineEdit* box : frame->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            box->clear();
    }
    for (platform::MultiLineBox* box : frame->findChildren<platform::MultiLineBox*>())
        box->setText(QString());
}

void chainTabOrder(const QList<QWidget*>& widgets) {
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

QListWidget* nameList(QWidget* parent, double left, double top, double width, double height) {
    auto* list = new QListWidget(parent);
    list->setObjectName(u"LS"_s);
    QFont font = windowFont();
    font.setPointSizeF(11.25);
    list->setFont(font);
    list->setUniformItemSizes(true); // a long list lays out at once
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    placeTwips(list, left, top, width, height);
    return list;
}

QListWidgetItem* selectedEntry(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

platform::Button3D* pictureButton(QWidget* parent, const QString& name, const QString& caption, const QString& iconName,
                                  double left, double top, double width, double height) {
    auto* button = new StackedButton(caption, QIcon::fromTheme(iconName), parent);
    button->setObjectName(name);
    button->setFont(windowFont());
    button->setAutoDefault(false);
    button->setDefault(false);
    placeTwips(button, left, top, width, height);
    return button;
}

bool startsWithDigit(const QString& text) {
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

} // namespace addressbook
