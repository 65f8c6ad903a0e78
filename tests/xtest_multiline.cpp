// Multi-line boxes on a real X display: pasting with nothing on the clipboard.
#include "platform/MultiLineBox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace Qt::StringLiterals;

class MultiLineXTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pasteWithAnEmptyClipboardKeepsTheText();
    void pasteInsertsClipboardText();
};

void MultiLineXTest::pasteWithAnEmptyClipboardKeepsTheText() {
    platform::MultiLineBox box;
    box.setText(u"日記"_s);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QApplication::clipboard()->clear();
    box.paste();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), u"日記"_s);
}

void MultiLineXTest::pasteInsertsClipboardText() {
    platform::MultiLineBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QApplication::clipboard()->setText(u"一行目\n二行目"_s);
    QTRY_COMPARE(QApplication::clipboard()->text(), u"一行目\n二行目"_s);
    box.paste();
    QCOMPARE(box.text(), u"一行目\r\n二行目"_s);
}

QTEST_MAIN(MultiLineXTest)
#include "xtest_multiline.moc"
