#pragma once

#include "platform/ImeMode.h"

#include <QFont>
#include <QList>
#include <QString>
#include <functional>
#include <variant>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QObject;
class QWidget;

namespace platform {
class Button3D;
class Frame3D;
class MultiLineBox;
class Panel3D;
} // namespace platform

// The kinds of control the phone-book windows are made of, named and placed in twips.
namespace addressbook {

// A raised panel holding the caption of the box beside it.
platform::Panel3D* captionPanel(QWidget* parent, const QString& name, const QString& caption, double left, double top,
                                double width, double height);
QLineEdit* textBox(QWidget* parent, const QString& name, platform::ImeMode ime, double left, double top, double width);
// A list of names in the list font.
QListWidget* nameList(QWidget* parent, double left, double top, double width, double height);
// The selected entry of a name list; null when nothing is selected.
QListWidgetItem* selectedEntry(const QListWidget* list);
// A big button with a picture above its caption. Return in a text box never presses it.
platform::Button3D* pictureButton(QWidget* parent, const QString& name, const QString& caption, const QString& iconName,
                                  double left, double top, double width, double height);

// The frame "SSFrame1" that fills a phone-book window below its title bar.
platform::Frame3D* windowFrame(QWidget* window, const QString& caption, double width, double height);

// One row of a phone-book window: a caption panel and, beside it, the box it names. The kind
// of box made is the kind of the member that receives it; a value panel is a read-only box.
struct Row {
    QString panel; // the caption panel's name
    QString caption;
    std::variant<QLineEdit**, platform::MultiLineBox**, QComboBox**, platform::Panel3D**> box;
    QString name;
    double top;
    double width;
    platform::ImeMode ime = platform::ImeMode::NoControl;
    double height = 0; // of a box of several lines; 0 for one line
};

// Lays out rows with their caption panels at captionLeft and their boxes at boxLeft.
void layRows(QWidget* frame, double captionLeft, double boxLeft, std::initializer_list<Row> rows);

// Empties every text box of a window's frame; the combo boxes keep their text.
void clearTextBoxes(QWidget* frame);

// Lets the Tab key visit the widgets in this order.
void chainTabOrder(const QList<QWidget*>& widgets);

// The font of the phone-book windows' frames, panels and buttons.
QFont windowFont();
// The font of their text and combo boxes.
QFont boxFont();

// True when the text starts with an ASCII digit, the only sex codes there are.
bool startsWithDigit(const QString& text);

} // namespace addressbook
