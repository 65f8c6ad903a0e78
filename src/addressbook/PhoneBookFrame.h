#pragma once

#include <QObject>

class Main;

// The phone-book frame "電話帳" of the main window: the buttons to the entry window and to
// the search window.
class PhoneBookFrame : public QObject {
    Q_OBJECT
public:
    explicit PhoneBookFrame(Main& main);

private:
    Main& m_main;
};
