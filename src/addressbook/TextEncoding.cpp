#include "addressbook/TextEncoding.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unicode/ucnv.h>

using namespace Qt::StringLiterals;

namespace addressbook {

namespace {

struct CloseConverter {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, CloseConverter>;

// ICU's table of code page 932: its own "Shift_JIS" is the same table.
constexpr const char* cp932 = "windows-31j";

Converter openStrict(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    if (U_FAILURE(status))
        return nullptr;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFallback(converter.get(), false);
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

// A file converts every value on its own: opening the converter each time would cost more
// than the conversions.
UConverter* strictConverter(const char* name) {
    thread_local std::map<std::string, Converter, std::less<>> converters;
    auto found = converters.find(std::string_view(name));
    if (found == converters.end())
        found = converters.emplace(name, openStrict(name)).first;
    if (found->second)
        ucnv_reset(found->second.get());
    return found->second.get();
}

std::optional<QString> decodeWith(const char* name, QByteArrayView bytes) {
    UConverter* converter = strictConverter(name);
    if (!converter)
        return std::nullopt;
    // No character set here takes fewer bytes for a character than UTF-16 takes units.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter, reinterpret_cast<UChar*>(text.data()), static_cast<int32_t>(text.size()), bytes.data(),
                      static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    text.truncate(length);
    return text;
}

} // namespace

bool isKnownCharset(const QString& name) {
    return strictConverter(name.toLatin1().constData()) != nullptr;
}

std::optional<QString> decodeCharset(QByteArrayView bytes, const QString& name) {
    return decodeWith(name.toLatin1().constData(), bytes);
}

std::optional<QString> decodeUtf8(QByteArrayView bytes) {
    return decodeWith("UTF-8", bytes);
}

std::optional<QString> decodeCp932(QByteArrayView bytes) {
    return decodeWith(cp932, bytes);
}

namespace {

// Characters that Japanese text typed outside Windows holds where code page 932 has a
// character that looks the same: the wave dash of "10時〜12時", the minus of "1−2−3", and
// their kin. Written as code page 932's own, they read back as those.
QString withCp932Lookalikes(QStringView text) {
    static constexpr std::pair<char16_t, char16_t> lookalikes[] = {
        {u'\u301C', u'\uFF5E'}, {u'\u2016', u'\u2225'}, {u'\u2212', u'\uFF0D'}, {u'\u2014', u'\u2015'},
        {u'\u00A2', u'\uFFE0'}, {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'}};
    QString mapped = text.toString();
    for (const auto& [from, to] : lookalikes)
        mapped.replace(QChar(from), QChar(to));
    return mapped;
}

} // namespace

std::optional<QByteArray> encodeCp932(QStringView original) {
    UConverter* converter = strictConverter(cp932);
    if (!converter)
        return std::nullopt;
    const QString text = withCp932Lookalikes(original);
    QByteArray bytes(2 * text.size() + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()),
                        reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    bytes.truncate(length);
    return bytes;
}

QString firstCharacterOutsideCp932(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.mid(i, length);
        if (!encodeCp932(character))
            return character.toString();
        i += length - 1;
    }
    return {};
}

} // namespace addressbook
