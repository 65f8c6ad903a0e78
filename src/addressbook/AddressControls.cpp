#include "addressbook/AddressControls.h"

#include "platform/MultiLineBox.h"
#include "platform/WindowLayout.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace addressbook {

QFont windowFont() {
    return QFont(u"ＭＳ Ｐゴシック"_s, 9);
}

// The narrow number boxes hold a telephone number only in a font whose digits are as narrow
// as those of the desktop these windows were laid out for.
QFont boxFont() {
    return QFont(u"ＭＳ ゴシック"_s, 9);
}

QFont listFont() {
    return platform::fontOf(u"ＭＳ Ｐゴシック"_s, 11.25);
}

void clearTextBoxes(QWidget* frame) {
    for (QLineEdit* box : frame->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            box->clear();
    }
    for (platform::MultiLineBox* box : frame->findChildren<platform::MultiLineBox*>())
        box->setText(QString());
}

bool startsWithDigit(const QString& text) {
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

} // namespace addressbook
