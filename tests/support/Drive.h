#pragma once

#include <functional>

class Main;
class QObject;

// Runs `handler` the way a handler of a window runs: from the event loop, to its end.
void runAsHandler(QObject* context, const std::function<void()>& handler);

// Lets every queued call run, so a pending activation has had its chance.
void settle();

// How many times the main window's activation has run.
int activations(Main& main);

// Shows the main window and waits for its first activation.
void startMain(Main& main);
