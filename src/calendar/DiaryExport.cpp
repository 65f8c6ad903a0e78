#include "calendar/DiaryExport.h"

#include "calendar/CalendarFrame.h"
#include "calendar/DiaryRange.h"
#include "core/EngineGuard.h"
#include "core/FileError.h"
#include "core/Mod1.h"
#include "core/WholeFile.h"
#include "platform/FileDialog.h"
#include "platform/ModalWindows.h"
#include "platform/SqlText.h"

#include <QDir>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace calendar {

namespace {

struct Entry {
    QDate date;
    QString stored;
    QString text;
};

QString heading(const Entry& entry) {
    if (!entry.date.isValid())
        return entry.stored;
    return entry.stored + u"（"_s + QLocale(QLocale::Japanese).toString(entry.date, u"ddd"_s) + u"）"_s;
}

} // namespace

DiaryText diaryText(const QString& user, QDate from, QDate to) {
    Mod1::Sql = u"SELECT Date_Data, Daily_Data FROM TMP_Sche WHERE UserName = '"_s + platform::sqlText(user) + u"'"_s;
    Mod1::Rs = Mod1::Db->openRecordset(Mod1::Sql);
    const bool everyDay = from.isNull() && to.isNull();
    std::vector<Entry> entries;
    for (; !Mod1::Rs->atEnd(); Mod1::Rs->moveNext()) {
        const QString stored = Mod1::Rs->field(u"Date_Data"_s).toString();
        QString text = Mod1::Rs->field(u"Daily_Data"_s).toString();
        if (text.trimmed().isEmpty())
            continue;
        const QDate date = QDate::fromString(stored, u"yyyy/M/d"_s);
        if (date.isValid() ? (!everyDay && (date < from || date > to)) : !everyDay)
            continue;
        text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
        entries.push_back({date, stored, text});
    }
    // Dated entries by day, then the unreadable dates in their stored order.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid();
        return a.date < b.date;
    });

    QString text = u"［ "_s + user + u" ］さんの日記"_s;
    text += everyDay ? u"（すべて）\n"_s
                     : u"（%1 ～ %2）\n"_s.arg(from.toString(u"yyyy/M/d"_s), to.toString(u"yyyy/M/d"_s));
    for (const Entry& entry : entries) {
        text += u"\n■ "_s + heading(entry) + u'\n' + entry.text;
        if (!entry.text.endsWith(u'\n'))
            text += u'\n';
    }
    return {text.toUtf8(), qsizetype(entries.size())};
}

} // namespace calendar

void CalendarFrame::Mnu_ExportDiary_Click() {
    const std::optional<QString> user = userBehindPassword(u"Guestの方の日記はありません。"_s);
    if (!user)
        return;
    DiaryRange range(&m_window, QDate(m_year, m_month, 1));
    if (platform::ModalWindows::exec(range) != QDialog::Accepted)
        return;
    const platform::FileAnswer file =
        platform::askFile(&m_window, platform::FileUse::Save,
                          {u"Dlg_ExportDiary"_s,
                           u"日記を書き出す"_s,
                           u"日記_"_s + *user + u"_"_s + QDate::currentDate().toString(u"yyyy-MM-dd"_s) + u".txt"_s,
                           {u"テキスト ファイル (*.txt)"_s}});
    if (file.path.isEmpty())
        return;
    const calendar::DiaryText diary = calendar::diaryText(*user, range.from(), range.to());
    if (diary.days == 0) {
        Mod1::ShowMessage(u"書き出す日記がありません。"_s, Mod1::KindNotice, &m_window, Mod1::FocusOk);
        return;
    }
    try {
        core::writeWholeFile(file.path, diary.text);
    } catch (const core::FileError& error) {
        Mod1::ShowMessage(u"書き出せませんでした。\r"_s + error.message(), Mod1::KindNotice, &m_window, Mod1::FocusOk);
        return;
    }
    Mod1::ShowMessage(u"%1 日分の日記を書き出しました。\r場所："_s.arg(diary.days) +
                          QDir::toNativeSeparators(file.path),
                      Mod1::KindNotice, &m_window, Mod1::FocusOk);
}
