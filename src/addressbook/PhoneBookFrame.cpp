#include "addressbook/PhoneBookFrame.h"

#include "core/Main.h"

PhoneBookFrame::PhoneBookFrame(Main& main) : QObject(&main), m_main(main) {}
