#include "platform/TextFit.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>
#include <QVariant>

namespace platform {

namespace {

constexpr char baseFontProperty[] = "tamoruBaseFont";
constexpr char fittedFontProperty[] = "tamoruFittedFont";
constexpr double smallestPoints = 6;

double widestLine(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

void shrinkToFit(QWidget* control, const QString& text, int room) {
    // A font set since the last fit (by the window, not by this) is the new most.
    QVariant base = control->property(baseFontProperty);
    const QVariant fitted = control->property(fittedFontProperty);
    if (!base.isValid() || control->font() != (fitted.isValid() ? fitted : base).value<QFont>()) {
        base = control->font();
        control->setProperty(baseFontProperty, base);
    }
    QFont font = base.value<QFont>();
    while (widestLine(font, text) > room && font.pointSizeF() > smallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    // Set only on a change: each setting of a property is an event (the clock fits every second).
    if (!fitted.isValid() || fitted.value<QFont>() != font)
        control->setProperty(fittedFontProperty, font);
    if (font != control->font())
        control->setFont(font);
}

void fitCaption(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const int indent = label->indent() > 0 ? label->indent() : 0;
        shrinkToFit(label, label->text(), label->contentsRect().width() - 2 * label->margin() - indent);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        const QStyle* style = button->style();
        int room = button->width() - 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                                          style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        if (!button->icon().isNull() && button->height() < 2 * button->iconSize().height())
            room -= button->iconSize().width() + 4; // the picture stands beside the caption
        shrinkToFit(button, button->text(), room);
    }
}

} // namespace platform
