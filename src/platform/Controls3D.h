#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <variant>

namespace platform {

// A captioned frame; the controls inside are placed from its top-left corner.
class Frame3D : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame3D(const QString& caption, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A bevelled panel showing one caption. The caption is kept exactly as set; a carriage
// return in it (with or without a line feed) breaks the line on the screen. What does not fit
// is never cut off unseen: a caption that does not fit its panel is shown whole as a tooltip.
class Panel3D : public QLabel {
    Q_OBJECT
public:
    enum class Bevel { Raised, Inset };
    // How a caption meets its panel: wrapped over several lines, on one line in a font made
    // small enough (a raised panel's caption, by default), or on one line cut with "…" (an
    // inset panel's value, by default).
    enum class TextFit { Wrap, Shrink, Elide };

    explicit Panel3D(QWidget* parent = nullptr, Bevel bevel = Bevel::Raised);
    Panel3D(const QString& caption, QWidget* parent, Bevel bevel = Bevel::Raised);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setTextFit(TextFit fit, Qt::TextElideMode elide = Qt::ElideRight);

    // The text colour: a fixed colour, or a reference to a colour of the desktop's palette
    // that follows the desktop when it changes.
    void setForeColor(const QColor& color);
    void setForeColor(QPalette::ColorRole systemColor);
    QColor foreColor() const;
    bool foreColorIsSystem() const { return std::holds_alternative<QPalette::ColorRole>(m_foreColor); }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyForeColor();
    void showCaption();

    QString m_caption;
    TextFit m_fit;
    Qt::TextElideMode m_elide = Qt::ElideRight;
    std::variant<QPalette::ColorRole, QColor> m_foreColor = QPalette::WindowText;
};

// A command button, optionally with a small picture beside its caption.
class Button3D : public QPushButton {
    Q_OBJECT
public:
    explicit Button3D(const QString& caption = {}, QWidget* parent = nullptr);
    Button3D(const QString& caption, const QIcon& picture, QWidget* parent);
};

// A picture box: a drawing surface that keeps what was drawn on it across repaints.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Draws a picture at a point of the surface, over what is there.
    void drawPixmap(const QPoint& at, const QPixmap& pixmap);
    void clear();
    bool isBlank() const { return m_blank; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitSurface();

    QPixmap m_surface;
    bool m_blank = true;
};

} // namespace platform
