#pragma once

#include <QFont>
#include <QString>

class QWidget;

// What the phone-book windows share of their looks.
namespace addressbook {

// Empties every text box of a window's frame; the combo boxes keep their text.
void clearTextBoxes(QWidget* frame);

// The font of the phone-book windows' frames, panels and buttons.
QFont windowFont();
// The font of their text and combo boxes.
QFont boxFont();
// The font of their lists of names.
QFont listFont();

// True when the text starts with an ASCII digit, the only sex codes there are.
bool startsWithDigit(const QString& text);

} // namespace addressbook
