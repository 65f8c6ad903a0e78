// Every text the program shows in a control of fixed size can be read whole, in every window,
// with the fonts this desktop has: no caption, date or clock wider than its control, and no
// several-line text taller than its panel.
#include "EveryWindow.h"
#include "platform/Desktop.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

class FitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextFits();
};

void FitTest::everyTextFits() {
    platform::setUpDesktop();
    EveryWindow windows;
    QString why;
    QVERIFY2(windows.ready(&why), qPrintable(why));
    QStringList cut;
    int measured = 0;
    windows.visit([&](QWidget& window, const QString& name) {
        for (QWidget* control : window.findChildren<QWidget*>()) {
            QString text;
            double room = 0;
            if (auto* label = qobject_cast<QLabel*>(control)) {
                if (label->wordWrap()) {
                    if (label->heightForWidth(label->width()) > label->height())
                        cut.append(name + u": "_s + label->objectName() + u" is taller than its panel"_s);
                    continue;
                }
                text = label->text();
                room = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                text = button->text();
                room = button->width() - 6;
            }
            if (text.trimmed().isEmpty() || !control->isVisible())
                continue;
            ++measured;
            const QFontMetricsF metrics(control->font());
            for (const QString& line : text.split(u'\n')) {
                if (metrics.horizontalAdvance(line) > room)
                    cut.append(u"%1: %2 \"%3\" is %4 px in %5"_s.arg(name, control->objectName(), line)
                                   .arg(metrics.horizontalAdvance(line))
                                   .arg(room));
            }
        }
    });
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    QVERIFY(measured > 100); // every window was there to measure
}

QTEST_MAIN(FitTest)
#include "test_fit.moc"
