// Multi-line boxes on a real X display: pasting from the clipboard, empty or not.
#include "platform/MultiLineBox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace Qt::StringLiterals;

class MultiLineXTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void paste() {
        platform::MultiLineBox box;
        box.setText(u"日記"_s);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QApplication::clipboard()->clear();
        box.paste();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), u"日記"_s); // nothing to paste keeps the text
        QApplication::clipboard()->setText(u"一行目\n二行目"_s);
        QTRY_COMPARE(QApplication::clipboard()->text(), u"一行目\n二行目"_s);
        box.selectAll();
        box.paste();
        QCOMPARE(box.text(), u"一行目\r\n二行目"_s);
    }
};

QTEST_MAIN(MultiLineXTest)
#include "xtest_multiline.moc"
