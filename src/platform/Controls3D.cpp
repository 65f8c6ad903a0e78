#include "platform/Controls3D.h"

#include "platform/TextFit.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

bool isClick(QWidget* widget, QMouseEvent* event) {
    return event->button() == Qt::LeftButton && widget->rect().contains(event->position().toPoint());
}

} // namespace

Frame3D::Frame3D(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void Frame3D::mouseReleaseEvent(QMouseEvent* event) {
    QGroupBox::mouseReleaseEvent(event);
    if (isClick(this, event))
        Q_EMIT clicked();
}

// An etched border with the caption set into its top line, drawn the same on every desktop.
void Frame3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int captionHeight = metrics.height();
    const QRect border = rect().adjusted(0, captionHeight / 2, 0, 0);
    qDrawShadeRect(&painter, border, palette(), true, 1, 0);
    if (!title().isEmpty()) {
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 6, captionHeight);
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
}

Panel3D::Panel3D(QWidget* parent, Bevel bevel)
    : QLabel(parent), m_fit(bevel == Bevel::Raised ? TextFit::Shrink : TextFit::Elide) {
    setFrameStyle(QFrame::Panel | (bevel == Bevel::Raised ? QFrame::Raised : QFrame::Sunken));
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    // The panel paints its own face: a new caption repaints the panel alone, not the frame and
    // window behind it.
    setAutoFillBackground(true);
}

Panel3D::Panel3D(const QString& caption, QWidget* parent, Bevel bevel) : Panel3D(parent, bevel) {
    setCaption(caption);
}

void Panel3D::setCaption(const QString& caption) {
    if (caption == m_caption && !caption.isNull())
        return;
    m_caption = caption;
    showCaption();
}

void Panel3D::setTextFit(TextFit fit, Qt::TextElideMode elide) {
    m_fit = fit;
    m_elide = elide;
    showCaption();
}

void Panel3D::showCaption() {
    QString shown = m_caption;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    const int room = contentsRect().width() - 2 * margin() - (indent() > 0 ? indent() : 0);
    bool whole = true;
    switch (m_fit) {
    case TextFit::Wrap:
        setWordWrap(true);
        setText(shown);
        whole = heightForWidth(width()) <= height();
        break;
    case TextFit::Shrink:
        setWordWrap(false);
        shrinkToFit(this, shown, room);
        setText(shown);
        break;
    case TextFit::Elide: {
        setWordWrap(false);
        const QString line = shown.contains(u'\n') ? shown.split(u'\n').join(u' ') : shown;
        const QString cut = fontMetrics().elidedText(line, m_elide, room);
        setText(cut);
        whole = cut == line && !shown.contains(u'\n');
        break;
    }
    }
    if (const QString tip = whole ? QString() : m_caption; tip != toolTip())
        setToolTip(tip); // each setting is an event, and the clock sets its caption every second
}

// Drawn as a label draws its plain text, with one difference: a repaint that stays inside the
// bevel (a new caption) leaves the bevel alone, as the clock repaints every second.
void Panel3D::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!contentsRect().contains(event->rect()))
        drawFrame(&painter);
    const bool rightToLeft = text().isRightToLeft();
    const Qt::Alignment align = QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment());
    // A label with a frame and no indent of its own keeps half an "x" from the aligned sides.
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (indent > 0)
        room.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
                    align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
    const int flags = int(align) | Qt::TextExpandTabs | (wordWrap() ? Qt::TextWordWrap : 0) |
                      (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, room, flags, option.palette, isEnabled(), text(), foregroundRole());
}

void Panel3D::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showCaption();
}

void Panel3D::setForeColor(const QColor& color) {
    if (const auto* now = std::get_if<QColor>(&m_foreColor); now && *now == color)
        return;
    m_foreColor = color;
    applyForeColor();
}

void Panel3D::setForeColor(QPalette::ColorRole systemColor) {
    if (const auto* now = std::get_if<QPalette::ColorRole>(&m_foreColor); now && *now == systemColor)
        return;
    m_foreColor = systemColor;
    applyForeColor();
}

QColor Panel3D::foreColor() const {
    if (const auto* role = std::get_if<QPalette::ColorRole>(&m_foreColor))
        return palette().color(*role);
    return std::get<QColor>(m_foreColor);
}

void Panel3D::applyForeColor() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, std::holds_alternative<QColor>(m_foreColor)
                                         ? std::get<QColor>(m_foreColor)
                                         : QPalette().color(std::get<QPalette::ColorRole>(m_foreColor)));
    setPalette(p);
}

void Panel3D::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange && foreColorIsSystem())
        applyForeColor();
    if (event->type() == QEvent::FontChange && m_fit == TextFit::Elide)
        showCaption();
}

void Panel3D::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (isClick(this, event))
        Q_EMIT clicked();
}

Button3D::Button3D(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

Button3D::Button3D(const QString& caption, const QIcon& picture, QWidget* parent)
    : QPushButton(picture, caption, parent) {}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::fitSurface() {
    if (!m_surface.isNull() && m_surface.size() == size())
        return;
    QPixmap resized(size());
    resized.fill(Qt::transparent);
    if (!m_surface.isNull()) {
        QPainter painter(&resized);
        painter.drawPixmap(0, 0, m_surface);
    }
    m_surface = resized;
}

void PictureBox::drawPixmap(const QPoint& at, const QPixmap& pixmap) {
    fitSurface();
    QPainter painter(&m_surface);
    painter.drawPixmap(at, pixmap);
    m_blank = false;
    update();
}

void PictureBox::clear() {
    m_surface = QPixmap(size());
    m_surface.fill(Qt::transparent);
    m_blank = true;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_surface);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitSurface();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (isClick(this, event))
        Q_EMIT clicked();
}

} // namespace platform
