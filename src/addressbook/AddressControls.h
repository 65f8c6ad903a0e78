#pragma once

#include "platform/ImeMode.h"

#include <QFont>
#include <QString>

class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace platform {
class Button3D;
class MultiLineBox;
class Panel3D;
} // namespace platform

// The kinds of control the phone-book windows are made of, named and placed in twips.
namespace addressbook {

// A raised panel holding the caption of the box beside it.
platform::Panel3D* captionPanel(QWidget* parent, const QString& name, const QString& caption, double left, double top,
                                double width, double height);
// A sunken panel that shows a value, left-aligned.
platform::Panel3D* valuePanel(QWidget* parent, const QString& name, double left, double top, double width,
                              double height);
QLineEdit* textBox(QWidget* parent, const QString& name, platform::ImeMode ime, double left, double top, double width);
platform::MultiLineBox* multiLineBox(QWidget* parent, const QString& name, platform::ImeMode ime, double left,
                                     double top, double width, double height);
// An editable combo box whose typed text is never added to its list.
QComboBox* comboBox(QWidget* parent, const QString& name, double left, double top, double width);
// A list of names in the list font.
QListWidget* nameList(QWidget* parent, double left, double top, double width, double height);
// A big button with a picture above its caption. Return in a text box never presses it.
platform::Button3D* pictureButton(QWidget* parent, const QString& name, const QString& caption, const QString& iconName,
                                  double left, double top, double width, double height);

// The font of the phone-book windows' frames, panels and buttons.
QFont windowFont();
// The font of their text and combo boxes.
QFont boxFont();

// True when the text starts with an ASCII digit, the only sex codes there are.
bool startsWithDigit(const QString& text);

} // namespace addressbook
