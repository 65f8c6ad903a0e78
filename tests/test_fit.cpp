// Every window as a person sees it, with the fonts this desktop has: every text the program
// shows in a control of fixed size can be read whole (no caption, date or clock wider than its
// control, no several-line text taller than its panel), and every control lies inside its
// parent, over no sibling unless on purpose.
#include "EveryWindow.h"
#include "core/Mod1.h"
#include "core/Msg.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Controls that lie over a sibling on purpose ("window: control ~ sibling"): the frame of the
// month grid runs under the bar above it, the tool pictures sit in their box. Neighbours may
// also share a border of a pixel or two.
const QRegularExpression overlapsOnPurpose(
    u"^main: ((Cmd_(Edit|Now|R|F)|Cmb_(Year|Month)) ~ Frame1|Label2 ~ Pic(Exp|Note|Calc|Def|Scan))$"_s);

QStringList misplaced(const QWidget& window, const QString& name) {
    QStringList found;
    const auto thick = [](const QRect& shared) { return shared.width() > 2 && shared.height() > 2; };
    const auto counts = [&window](const QWidget* w) {
        return !w->isWindow() && w->isVisibleTo(&window) && !w->objectName().isEmpty() &&
               !w->objectName().startsWith(u"qt_"_s);
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!counts(w))
            continue;
        const QString where = name + u": "_s + w->objectName();
        if (!w->parentWidget()->rect().contains(w->geometry()))
            found.append(where + u" outside "_s + w->parentWidget()->objectName());
        for (const QWidget* other : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString pair = where + u" ~ "_s + other->objectName();
            if (counts(other) && other->objectName() > w->objectName() && thick(other->geometry() & w->geometry()) &&
                !overlapsOnPurpose.match(pair).hasMatch())
                found.append(pair);
        }
    }
    return found;
}

QStringList cutTexts(const QWidget& window, const QString& name, int& measured) {
    QStringList cut;
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
            // A value cut short shows whole under the pointer.
            if (auto* panel = qobject_cast<platform::Panel3D*>(label);
                panel && text != QString(panel->caption()).replace(u'\r', u'\n') &&
                panel->toolTip() != panel->caption())
                cut.append(name + u": "_s + panel->objectName() + u" hides the end of its text"_s);
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
    return cut;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWindowReadsWhole() {
        platform::setUpDesktop();
        EveryWindow windows;
        QString why;
        QVERIFY2(windows.ready(&why), qPrintable(why));
        QStringList found;
        int measured = 0;
        windows.visit([&](QWidget& window, const QString& name) {
            found += misplaced(window, name) + cutTexts(window, name, measured);
            if (name != u"notice"_s)
                return;
            for (const qint16 kind : {Mod1::KindQuestion, Mod1::KindQuestionCancel}) {
                Mod1::MsgKind = kind;
                Msg question;
                question.show();
                found += misplaced(question, u"question"_s) + cutTexts(question, u"question"_s, measured);
            }
        });
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        QVERIFY(measured > 100); // every window was there to measure
    }
};

QTEST_MAIN(FitTest)
#include "test_fit.moc"
