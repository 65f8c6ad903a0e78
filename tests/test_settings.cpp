// The settings store: application "Tamoru", section "DATA", every value text.
#include "Fixture.h"
#include "core/AppSettings.h"
#include "platform/Settings.h"

#include <QTest>

using namespace Qt::StringLiterals;

class SettingsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingKeyReadsEmpty();
    void emptyValueKeepsTheKey();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void sectionsAndApplicationsAreSeparate();
    void noCacheBetweenWriterAndReader();
};

void SettingsTest::missingKeyReadsEmpty() {
    ProgramFolder folder;
    QCOMPARE(core::setting(u"User"_s), QString());
    QCOMPARE(core::setting(u"LN7"_s), QString());
}

void SettingsTest::emptyValueKeepsTheKey() {
    ProgramFolder folder;
    core::saveSetting(u"LN2"_s, u"メモ帳"_s);
    core::saveSetting(u"LN2"_s, QString());
    QVERIFY(ProgramFolder::settingExists(u"LN2"_s));
    QCOMPARE(core::setting(u"LN2"_s), u""_s);
}

void SettingsTest::valuesRoundTrip_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("japanese") << u"山田　太郎"_s;
    QTest::newRow("blanks at the ends") << u"  x  "_s;
    QTest::newRow("comma") << u"a, b,c"_s;
    QTest::newRow("looks like a variant") << u"@Variant(x)"_s;
    QTest::newRow("semicolon and equals") << u"a;b=c"_s;
    QTest::newRow("quotes and backslashes") << u"\"C:\\Program Files\\x.exe\" '-a'"_s;
    QTest::newRow("line break") << u"a\r\nb"_s;
    QTest::newRow("non-BMP") << u"𠮷"_s;
}

void SettingsTest::valuesRoundTrip() {
    QFETCH(QString, value);
    ProgramFolder folder;
    core::saveSetting(u"LO0"_s, value);
    QCOMPARE(core::setting(u"LO0"_s), value);
}

void SettingsTest::sectionsAndApplicationsAreSeparate() {
    ProgramFolder folder;
    platform::SaveSetting(u"Tamoru"_s, u"OTHER"_s, u"User"_s, u"x"_s);
    platform::SaveSetting(u"Another"_s, u"DATA"_s, u"User"_s, u"y"_s);
    QCOMPARE(core::setting(u"User"_s), QString());
    core::saveSetting(u"User"_s, u"z"_s);
    QCOMPARE(ProgramFolder::setting(u"User"_s), u"z"_s);
}

// A value written by one window is seen by the next read anywhere, also when another
// program wrote it.
void SettingsTest::noCacheBetweenWriterAndReader() {
    ProgramFolder folder;
    core::saveSetting(u"User"_s, u"a"_s);
    ProgramFolder::saveSetting(u"User"_s, u"b"_s);
    QCOMPARE(core::setting(u"User"_s), u"b"_s);
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
