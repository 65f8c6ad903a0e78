#pragma once

class QWidget;

namespace platform {

// The Japanese input-method mode of a text box. "Disabled" turns the input method off for
// the box altogether; the others are hints that the desktop's input method may honour.
enum class ImeMode {
    NoControl = 0,
    On = 1,
    Off = 2,
    Disabled = 3,
    Hiragana = 4,
    Katakana = 5,
    KatakanaHalf = 6,
    AlphaFull = 7,
    Alpha = 8,
};

void setImeMode(QWidget* box, ImeMode mode);
ImeMode imeMode(const QWidget* box);

} // namespace platform
