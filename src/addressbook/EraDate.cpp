#include "addressbook/EraDate.h"

#include <QDate>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 unixEpochJulianDay = 2440588;
constexpr double millisecondsPerDay = 86400000.0;
// The earliest moment the calendars take: with the change to the western calendar set here,
// month and day of any date read back as they were stored.
constexpr double earliestMoment = -184303902528000000.0;

icu::UnicodeString toIcu(const QString& text) {
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()));
}

QString fromIcu(const icu::UnicodeString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// A date format on the given calendar, in universal time (the dates here carry no hour).
// `numbers` overrides the digits of a field: "y=latn" writes year 1 of an era as "1", not 元.
std::unique_ptr<icu::SimpleDateFormat> makeFormat(const char16_t* pattern, const char* locale,
                                                  const char16_t* numbers = nullptr) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where(locale);
    auto format = numbers ? std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(pattern),
                                                                    icu::UnicodeString(numbers), where, status)
                          : std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(pattern), where, status);
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), where, status));
    if (U_FAILURE(status))
        return nullptr;
    if (auto* western = dynamic_cast<icu::GregorianCalendar*>(calendar.get()))
        western->setGregorianChange(earliestMoment, status);
    format->adoptCalendar(calendar.release());
    format->setLenient(true);
    return format;
}

struct EraFormats {
    std::array<std::unique_ptr<icu::SimpleDateFormat>, 4> parts; // era, era year, month, day
    std::unique_ptr<icu::SimpleDateFormat> eraDate;              // reads "平成8年01月01日"
    std::unique_ptr<icu::SimpleDateFormat> western;              // writes "yyyyMMdd"
};

const EraFormats& eraFormats() {
    static const EraFormats formats = [] {
        constexpr const char* japanese = "ja_JP@calendar=japanese";
        EraFormats f;
        f.parts[0] = makeFormat(u"GGGG", japanese);
        f.parts[1] = makeFormat(u"y", japanese, u"y=latn");
        f.parts[2] = makeFormat(u"MM", japanese);
        f.parts[3] = makeFormat(u"dd", japanese);
        f.eraDate = makeFormat(u"GGGGy年MM月dd日", japanese);
        f.western = makeFormat(u"yyyyMMdd", "en_US@calendar=gregorian");
        return f;
    }();
    return formats;
}

// Reads the whole text with the format, or says no.
std::optional<UDate> readWhole(const icu::SimpleDateFormat& format, const QString& text) {
    const icu::UnicodeString input = toIcu(text);
    icu::ParsePosition position(0);
    const UDate date = format.parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
        return std::nullopt;
    return date;
}

bool isDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

UDate moment(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - unixEpochJulianDay) * millisecondsPerDay;
}

} // namespace

namespace addressbook {

std::optional<QDate> storedBirthDate(const QString& birth) {
    const QStringList fields = birth.split(u'/');
    if (fields.size() != 3)
        return std::nullopt;
    std::array<int, 3> values{};
    for (int i = 0; i < 3; ++i) {
        if (!isDigits(fields[i]) || fields[i].size() > 4)
            return std::nullopt;
        values[static_cast<size_t>(i)] = fields[i].toInt();
    }
    const QDate date(values[0], values[1], values[2]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString storedBirthText(const QDate& date) {
    return u"%1/%2/%3"_s.arg(date.year(), 4, 10, QChar(u'0')).arg(date.month()).arg(date.day());
}

QString BirthPart(const QString& birth, qint16 part) {
    if (part < 0 || part > 3)
        return {};
    const std::optional<QDate> date = storedBirthDate(birth);
    const auto& format = eraFormats().parts[static_cast<size_t>(part)];
    if (!date || !format)
        return {};
    icu::UnicodeString shown;
    format->format(moment(*date), shown);
    QString text = fromIcu(shown);
    if (part == 1 && text.size() < 2)
        text.prepend(u'0');
    return text;
}

QString NengouToYear(const QString& era, qint16 year) {
    const EraFormats& formats = eraFormats();
    if (!formats.parts[0] || !formats.eraDate || !formats.western)
        return {};
    // The lenient reading would take a missing era for the present one, and digits in the
    // era box for part of the year: the era box must name an era and nothing else.
    if (!readWhole(*formats.parts[0], era))
        return {};
    const std::optional<UDate> date = readWhole(*formats.eraDate, era + QString::number(year) + u"年01月01日"_s);
    if (!date)
        return {};
    icu::UnicodeString rendered;
    formats.western->format(*date, rendered);
    const QString western = fromIcu(rendered);
    // Eight digits, or the year has no four-digit form.
    if (western.size() != 8 || !isDigits(western))
        return {};
    return western.left(4);
}

DateBox wrongDateBox(const QString& era, const QString& yearText, const QString& month, const QString& day) {
    if (yearText.isEmpty() && month.isEmpty() && day.isEmpty())
        return DateBox::None;
    if (!composeBirthDate(era, yearText, month, day).isEmpty())
        return DateBox::None;
    if (NengouToYear(era, 1).isEmpty())
        return DateBox::Era;
    const QString year = composeBirthDate(era, yearText, u"1"_s, u"1"_s);
    if (year.isEmpty())
        return DateBox::Year;
    return storedBirthDate(year.section(u'/', 0, 0) + u'/' + month + u"/1"_s) ? DateBox::Day : DateBox::Month;
}

QString composeBirthDate(const QString& era, const QString& yearText, const QString& month, const QString& day) {
    if (yearText.isEmpty())
        return {};
    bool whole = false;
    const int eraYear = yearText.trimmed().toInt(&whole);
    if (!whole || eraYear < 1 || eraYear > 32767)
        return {};
    const QString candidate = NengouToYear(era, static_cast<qint16>(eraYear)) + u'/' + month + u'/' + day;
    return storedBirthDate(candidate) ? candidate : QString();
}

} // namespace addressbook
