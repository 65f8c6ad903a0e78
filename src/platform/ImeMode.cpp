#include "platform/ImeMode.h"

#include <QVariant>
#include <QWidget>

namespace platform {

namespace {
constexpr char property[] = "imeMode";
}

void setImeMode(QWidget* box, ImeMode mode) {
    box->setProperty(property, static_cast<int>(mode));
    box->setAttribute(Qt::WA_InputMethodEnabled, mode != ImeMode::Disabled);
    Qt::InputMethodHints hints = box->inputMethodHints() & ~Qt::ImhPreferLatin;
    if (mode == ImeMode::Off || mode == ImeMode::Alpha || mode == ImeMode::AlphaFull)
        hints |= Qt::ImhPreferLatin;
    box->setInputMethodHints(hints);
}

ImeMode imeMode(const QWidget* box) {
    const QVariant v = box->property(property);
    return v.isValid() ? static_cast<ImeMode>(v.toInt()) : ImeMode::NoControl;
}

} // namespace platform
