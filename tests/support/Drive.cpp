#include "Drive.h"

#include "app/Main.h"
#include "platform/Controls3D.h"
#include "platform/MultiLineBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

using namespace Qt::StringLiterals;

void runAsHandler(QObject* context, const std::function<void()>& handler) {
    bool done = false;
    QTimer::singleShot(0, context, [&] {
        handler();
        done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
}

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void startMain(Main& main) {
    const int before = activations(main);
    if (!main.start())
        qFatal("the main window did not start: no database");
    QTRY_VERIFY(activations(main) > before);
}

int activations(Main& main) {
    // Counted from the first look, which comes before the window is shown.
    if (!main.property("activationsCounted").toBool()) {
        main.setProperty("activationsCounted", true);
        QObject::connect(&main, &Main::activated, &main,
                         [&main] { main.setProperty("activations", main.property("activations").toInt() + 1); });
    }
    return main.property("activations").toInt();
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void clickEntry(QAbstractItemView* list, const QString& text, bool twice) {
    QAbstractItemModel* entries = list->model();
    const auto found =
        entries->match(entries->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->scrollTo(found.first());
    const QPoint at = list->visualRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList entries(const QAbstractItemView* list) {
    QStringList texts;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        texts.append(list->model()->index(i, 0).data().toString());
    return texts;
}

void typeText(QWidget* widget, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c < 128 && one.front().isPrint())
            QTest::keyClicks(widget, one);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
}

void fill(QWidget* window, const QString& boxes) {
    for (const QString& box : boxes.split(u'|', Qt::SkipEmptyParts)) {
        const QString text = box.section(u'=', 1);
        QWidget* widget = window->findChild<QWidget*>(box.section(u'=', 0, 0));
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            line->setText(text);
        else if (auto* lines = qobject_cast<platform::MultiLineBox*>(widget))
            lines->setText(text);
        else
            static_cast<QComboBox*>(widget)->setEditText(text);
    }
}

QString shownValues(const QWidget* window) {
    QStringList shown;
    const auto add = [&shown](const QObject* box, const QString& text) {
        if (!text.isEmpty())
            shown.append(box->objectName() + u'=' + text);
    };
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        auto* combo = qobject_cast<const QComboBox*>(box->parentWidget());
        add(combo ? static_cast<const QObject*>(combo) : box, box->text());
    }
    for (const platform::MultiLineBox* box : window->findChildren<platform::MultiLineBox*>())
        add(box, box->text());
    for (const platform::Panel3D* panel : window->findChildren<platform::Panel3D*>()) {
        if (panel->objectName().startsWith(u"Lab"))
            add(panel, panel->caption());
    }
    shown.sort();
    return shown.join(u'|');
}
