#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class Main;
class QWidget;

// Every window of the program, each made as a person meets it, in a program folder of its own
// with a few rows to show and the widest date there is: the main window, user management, the
// diary editor, the password prompt, notices and questions, the choice of the diary days to
// write out, the launcher settings, and the entry, search and results windows of the phone book. For the gallery of
// pictures and for the test that every text fits.
class EveryWindow {
public:
    EveryWindow();
    ~EveryWindow();
    EveryWindow(const EveryWindow&) = delete;
    EveryWindow& operator=(const EveryWindow&) = delete;

    // False, with the reason, when the program folder could not be made.
    bool ready(QString* why = nullptr) const;

    // Shows each window in turn and lets `look` at it while it shows.
    void visit(const std::function<void(QWidget& window, const QString& name)>& look);

private:
    QTemporaryDir m_folder;
    QString m_problem;
    std::unique_ptr<Main> m_main;
};
