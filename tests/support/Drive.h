#pragma once

// Working the windows the way a person does, and reading what a person would see.
#include "Fixture.h"
#include "ModalScript.h"
#include "app/Main.h"
#include "core/Mod1.h"
#include "platform/Controls3D.h"
#include "platform/Desktop.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

// Runs `handler` the way a handler of a window runs: from the event loop, to its end.
void runAsHandler(QObject* context, const std::function<void()>& handler);
// Lets every queued call run, so a pending activation has had its chance.
void settle();
// Shows the main window and waits for its first activation.
void startMain(Main& main);
// How often the main window has been activated: after its first showing and each time the
// program returns to it from a modal window.
int activations(Main& main);
// A left click in the middle of the widget.
void click(QWidget* widget);
// Clicks the entry of a list with exactly this text; a double click opens a folder.
void clickEntry(QAbstractItemView* list, const QString& text, bool twice = false);
// The entries of a list, in order.
QStringList entries(const QAbstractItemView* list);
// Types text into a widget as key events; Japanese and other non-ASCII text included.
void typeText(QWidget* widget, const QString& text);
// Puts texts into the boxes of a window, given as "name=text|name=text".
void fill(QWidget* window, const QString& boxes);
// What a window shows in its boxes and value panels ("Lab.."), as "name=text|name=text" in
// the order of the names; the empty ones are left out.
QString shownValues(const QWidget* window);

// A window of the program shown on its own, outside any modal loop.
template <class Window> std::unique_ptr<Window> shownWindow() {
    auto window = std::make_unique<Window>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the window was not shown");
    return window;
}

// Data-driven tests from a table of cases, each with a `tag`: the one column is the index.
template <class Case, size_t N> void addCases(const Case (&cases)[N]) {
    QTest::addColumn<int>("case");
    for (size_t i = 0; i < N; ++i)
        QTest::newRow(cases[i].tag) << int(i);
}
template <class Case, size_t N> const Case& currentCase(const Case (&cases)[N]) {
    return cases[*static_cast<int*>(QTest::qData("case", QMetaType::Int))];
}
