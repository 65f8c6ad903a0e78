// Phone-book data in and out: vCard and CSV files written and read back, cards as other
// programs write them, the checks of an import and the files it refuses.
#include "Drive.h"
#include "addressbook/AddressExport.h"
#include "addressbook/AddressImport.h"
#include "addressbook/CsvFile.h"
#include "addressbook/VCard.h"
#include "core/FileError.h"
#include "platform/SqlText.h"

#include <QStringEncoder>

using namespace addressbook;
using enum addressbook::Column;

namespace {

enum class Format { VCard, Csv };

std::vector<IncomingEntry> readFile(Format format, const QByteArray& data) {
    return format == Format::VCard ? readVCards(data) : readCsv(data);
}

// Every row of the book, each column with the type the engine keeps it as.
QStringList rows(ProgramFolder& folder) {
    QStringList shown;
    auto rows = folder.db().openRecordset(u"select * from Mst_Address order by Name_1"_s);
    for (; !rows->atEnd(); rows->moveNext()) {
        QStringList row;
        for (const QVariant& value : rows->values())
            row.append(QString::fromLatin1(value.typeName()) + u':' + value.toString());
        shown.append(row.join(u'|'));
    }
    return shown;
}

// The record named `name` as "column=value|…", its columns of empty text left out.
QString stored(ProgramFolder& folder, const QString& name) {
    auto row =
        folder.db().openRecordset(u"select * from Mst_Address where Name_1 = '"_s + platform::sqlText(name) + u"'"_s);
    if (row->atEnd())
        return u"(none)"_s;
    QStringList shown;
    for (std::size_t i = 0; i < columnCount; ++i) {
        const QVariant value = row->field(columnName(Column(i)));
        if (value.isNull() ? Column(i) != Sex_cd : !value.toString().isEmpty())
            shown.append(columnName(Column(i)) + u'=' + (value.isNull() ? u"<Null>"_s : value.toString()));
    }
    return shown.join(u'|');
}

// The outcome of an import: its lists that are not empty, then each note as "line name: text".
QString summaryText(const ImportSummary& s) {
    QStringList parts;
    for (const auto& [label, names] : {std::pair{u"added "_s, s.added}, std::pair{u"replaced "_s, s.replaced},
                                       std::pair{u"skipped "_s, s.skipped}}) {
        if (!names.isEmpty())
            parts.append(label + names.join(u','));
    }
    for (const RecordNote& note : s.refused + s.leftOut)
        parts.append(u"%1 %2: %3"_s.arg(note.line).arg(note.name, note.text));
    return parts.join(u"; "_s);
}

using Fields = QList<std::pair<Column, QString>>;

void store(ProgramFolder& folder, const Fields& fields) {
    QStringList values(columnCount, u"''"_s);
    values[int(Sex_cd)] = u"Null"_s;
    for (const auto& [column, value] : fields)
        values[int(column)] = column == Sex_cd ? value : u"'"_s + platform::sqlText(value) + u"'"_s;
    folder.execute(u"INSERT INTO Mst_Address VALUES("_s + values.join(u',') + u")"_s);
}

const QString iroha =
    u"いろはにほへとちりぬるをわかよたれそつねならむうゐのおくやまけふこえてあさきゆめみしゑひもせす"_s;

const struct RecordCase {
    const char* tag;
    Fields fields;
    bool inShiftJis = true;
} records[] = {
    {"every column",
     {{Name_1, u"山田 太郎"_s},
      {Furigana, u"ﾔﾏﾀﾞ ﾀﾛｳ"_s},
      {Name_2, u"たろちゃん"_s},
      {Sex_cd, u"1"_s},
      {Birth, u"1996/1/5"_s},
      {Yubin, u"105-0011"_s},
      {Zyusyo, u"東京都港区芝公園4-2-8"_s},
      {Tel_1, u"03-1111-2222"_s},
      {Fax_1, u"03-1111-2223"_s},
      {PB, u"020-123-4567"_s},
      {Handy_1, u"090-1234-5678"_s},
      {Handy_2, u"070-1234-5678"_s},
      {K_Name, u"株式会社例"_s},
      {K_Yubin, u"100-0005"_s},
      {K_Address, u"東京都千代田区丸の内1-1"_s},
      {K_Tel, u"03-3333-4444"_s},
      {K_fax, u"03-3333-4445"_s},
      {Email, u"taro@example.jp"_s},
      {K_Email, u"yamada@example.co.jp"_s},
      {HP_Address, u"https://example.jp/~taro/?a=1&b=2"_s},
      {Bikou, u"備考"_s}}},
    {"quotes, commas, semicolons and backslashes",
     {{Name_1, u"O'Brien, \"Jim\"; C:\\temp\\"_s},
      {Furigana, u"\\,;\\n"_s},
      {K_Name, u"会社;部署,課"_s},
      {Zyusyo, u"a;b,c\\d"_s},
      {Yubin, u";"_s},
      {Bikou, u"\"\"''\\\\"_s},
      {HP_Address, u"http://example.com/a,b;c"_s}}},
    {"line breaks as stored",
     {{Name_1, u"改行"_s},
      {Zyusyo, u"東京都\r\n港区\r\n"_s},
      {K_Address, u"\r\n\r\n大阪市"_s},
      {Bikou, u"一行目\r\n\r\n三行目, \"引用\""_s}}},
    {"outside the BMP, folded between characters",
     {{Name_1, u"𠮷野 𩸽"_s}, {Furigana, u"ﾖｼﾉ"_s}, {Bikou, u"x"_s + u"𠮷"_s.repeated(40) + u"😀"_s}},
     false},
    {"long Japanese lines", {{Name_1, u"長い備考"_s}, {Bikou, iroha.repeated(3)}, {K_Address, u"a"_s + iroha}}},
    {"only a name", {{Name_1, u"名前だけ"_s}}},
    {"birth with leading zeros", {{Name_1, u"ゼロ"_s}, {Sex_cd, u"2"_s}, {Birth, u"2000/02/09"_s}}},
    {"second mobile alone", {{Name_1, u"ＰＨＳだけ"_s}, {Handy_2, u"070-0000-0000"_s}}},
    {"blanks and tabs at the ends",
     {{Name_1, u" 空白 "_s}, {Furigana, u"\t ｸｳﾊｸ"_s}, {Tel_1, u" 03 "_s}, {Bikou, u" \t "_s}}},
    {"characters of code page 932", {{Name_1, u"①㈱髙﨑"_s}, {Bikou, u"～∥－￢"_s}}},
};

// One card of each form, as the documents of the forms write them.
const struct CardCase {
    const char* tag;
    QByteArray card;
    QString row;
    QString summary;
} cards[] = {
    {"2.1, Shift_JIS and quoted-printable",
     "BEGIN:VCARD\r\n"
     "VERSION:2.1\r\n"
     "N;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=8E=52=93=63;=91=BE=98=59;;;\r\n"
     "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=D4=CF=C0=DE;=C0=DB=B3;;;\r\n"
     "TEL;CELL:090-1234-5678\r\n"
     "TEL;HOME;VOICE:03-1111-2222\r\n"
     "EMAIL;INTERNET:taro@example.jp\r\n"
     "ADR;HOME;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:;;=93=8C=8B=9E=93=73=8D=60=8B=E6=0D=0A=8E=C5=8C=F6=\r\n"
     "=89=80=34=2D=32=2D=38;;;105-0011;\r\n"
     "NOTE;QUOTED-PRINTABLE;CHARSET=SHIFT_JIS:=88=EA=8D=73=96=DA=0D=0A=93=F1=8D=73=96=DA\r\n"
     "ORG;CHARSET=SHIFT_JIS:\x83\x5C\x83\x74\x83\x67;\x95\x5C\x8E\xA6\r\n"
     "BDAY:1980-02-29\r\n"
     "END:VCARD\r\n",
     u"Name_1=山田 太郎|Furigana=ﾔﾏﾀﾞ ﾀﾛｳ|Birth=1980/2/29|Yubin=105-0011|Zyusyo=東京都港区\r\n芝公園4-2-8|"
     "Tel_1=03-1111-2222|Handy_1=090-1234-5678|K_Name=ソフト 表示|Email=taro@example.jp|Bikou=一行目\r\n二行目"_s,
     u"added 山田 太郎"_s},
    {"3.0 with phonetic names",
     "BEGIN:VCARD\n"
     "VERSION:3.0\n"
     "FN:鈴木 花子\n"
     "N:鈴木;花子;;;\n"
     "X-PHONETIC-FIRST-NAME:はなこ\n"
     "X-PHONETIC-LAST-NAME:すずき\n"
     "X-GENDER:Female\n"
     "BDAY:1985-07-04T00:00:00Z\n"
     "ORG:株式会社例;営業部\n"
     "TITLE:課長\n"
     "TEL;TYPE=WORK,VOICE:03-3333-4444\n"
     "TEL;TYPE=WORK;TYPE=FAX:03-3333-5555\n"
     "TEL;TYPE=CELL:080-1111-2222\n"
     "TEL;TYPE=CELL:070-3333-4444\n"
     "item1.ADR;TYPE=WORK:;;丸の内1-1;千代田区;東京都;100-0005;日本\n"
     "EMAIL;TYPE=INTERNET,WORK:hanako@example.co.jp\n"
     "URL:https://example.co.jp/\n"
     "NOTE:カンマ\\, セミコロン\\; バックスラッシュ\\\\ 改行\\n次の\n"
     " 行\n"
     "END:VCARD\n",
     u"Name_1=鈴木 花子|Furigana=すずき はなこ|Sex_cd=2|Birth=1985/7/4|Handy_1=080-1111-2222|Handy_2=070-3333-4444|"
     "K_Name=株式会社例 営業部|K_Yubin=100-0005|K_Address=日本 東京都 千代田区 丸の内1-1|K_Tel=03-3333-4444|"
     "K_fax=03-3333-5555|K_Email=hanako@example.co.jp|HP_Address=https://example.co.jp/|"
     "Bikou=カンマ, セミコロン; バックスラッシュ\\ 改行\r\n次の行"_s,
     u"added 鈴木 花子; 1 鈴木 花子: 取り込まなかった項目: TITLE"_s},
    {"4.0 with SORT-AS",
     "BEGIN:VCARD\r\n"
     "VERSION:4.0\r\n"
     "KIND:individual\r\n"
     "FN:佐藤 一郎\r\n"
     "N;SORT-AS=\"さとう,いちろう\":佐藤;一郎;;;\r\n"
     "NICKNAME:イチ\r\n"
     "GENDER:M\r\n"
     "BDAY:19700101\r\n"
     "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+81-6-5555-6666\r\n"
     "TEL;VALUE=uri;TYPE=pager:tel:020-1111-2222\r\n"
     "EMAIL;TYPE=home:ichiro@example.net\r\n"
     "ADR;TYPE=home;LABEL=\"大阪府大阪市北区^n本町2-2\":;;本町2-2;大阪市北区;大阪府;530-0001;\r\n"
     "PHOTO;MEDIATYPE=image/png:https://example.net/ichiro.png\r\n"
     "END:VCARD\r\n",
     u"Name_1=佐藤 一郎|Furigana=さとう いちろう|Name_2=イチ|Sex_cd=1|Birth=1970/1/1|Yubin=530-0001|"
     "Zyusyo=大阪府 大阪市北区 本町2-2|Tel_1=+81-6-5555-6666|PB=020-1111-2222|Email=ichiro@example.net"_s,
     u"added 佐藤 一郎; 1 佐藤 一郎: 取り込まなかった項目: PHOTO"_s},
};

// Input that changes nothing: records refused with their reasons, files refused whole.
const struct BadInputCase {
    const char* tag;
    Format format;
    QByteArray file;
    QString outcome;
} badInputs[] = {
    {"empty name", Format::Csv, "名前,性別\r\n,女性\r\n", u"2 : 名前がありません。"_s},
    {"blank name", Format::Csv, "名前\r\n\"  \"\r\n", u"2   : 名前がありません。"_s},
    {"sex name unknown", Format::Csv, "名前,性別\r\n田中,不明\r\n", u"2 田中: 性別「不明」は登録されていません。"_s},
    {"sex code unknown", Format::Csv, "名前,性別\r\n中村,3\r\n", u"2 中村: 性別「3」は登録されていません。"_s},
    {"no such day", Format::Csv, "名前,誕生日\r\n小林,1990/2/30\r\n",
     u"2 小林: 誕生日「1990/2/30」が日付ではありません。"_s},
    {"birth in era words", Format::Csv, "名前,誕生日\r\n加藤,平成2年\r\n",
     u"2 加藤: 誕生日「平成2年」が日付ではありません。"_s},
    {"card without a name", Format::VCard, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\r\nN:;;;;\r\nEND:VCARD\r\n",
     u"1 : 名前がありません。"_s},
    {"gender other", Format::VCard, "\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nFN:吉田\r\nGENDER:O\r\nEND:VCARD\r\n",
     u"2 吉田: 性別「O」は登録されていません。"_s},
    {"birthday without a year", Format::VCard, "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:伊藤\r\nBDAY:--0415\r\nEND:VCARD\r\n",
     u"1 伊藤: 誕生日「--0415」が日付ではありません。"_s},
    {"card without END", Format::VCard,
     "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:良い\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:途中\r\n",
     u"5 行目から始まる名刺に終わり（END:VCARD）がありません。ファイルが途中で切れているかもしれません。"_s},
    {"card cut by the next", Format::VCard, "BEGIN:VCARD\r\nFN:途中\r\nBEGIN:VCARD\r\nFN:次\r\nEND:VCARD\r\n",
     u"1 行目から始まる名刺に終わり（END:VCARD）がありません。ファイルが途中で切れているかもしれません。"_s},
    {"Shift_JIS without CHARSET", Format::VCard, "BEGIN:VCARD\r\nVERSION:2.1\r\nN:\x8E\x52\x93\x63\r\nEND:VCARD\r\n",
     u"3 行目の文字コードが分かりません。UTF-8 ではなく、CHARSET の指定もありません。"_s},
    {"unknown CHARSET", Format::VCard, "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=X-NONE:a\r\nEND:VCARD\r\n",
     u"3 行目の文字コード（X-NONE）は読めません。"_s},
    {"bytes not in CHARSET", Format::VCard, "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:\x80\r\nEND:VCARD\r\n",
     u"3 行目の文字が SHIFT_JIS として読めません。"_s},
    {"unknown version", Format::VCard, "BEGIN:VCARD\r\nVERSION:5.0\r\nFN:a\r\nEND:VCARD\r\n",
     u"2 行目の名刺の版（5.0）には対応していません。読めるのは 2.1、3.0、4.0 です。"_s},
    {"line without a colon", Format::VCard, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN\r\nEND:VCARD\r\n",
     u"3 行目は vCard の行として読めません。"_s},
    {"CSV read as vCard", Format::VCard, "名前,フリガナ\r\n",
     u"1 行目が名刺（BEGIN:VCARD から END:VCARD まで）の外にあります。vCard のファイルではないかもしれません。"_s},
    {"empty vCard file", Format::VCard, "\r\n", u"このファイルには名刺（vCard）がありません。"_s},
    {"row with too many fields", Format::Csv, "名前,フリガナ\r\n良い,ﾖｲ\r\n\"山田\r\n太郎\",ﾔﾏﾀﾞ,余分\r\n",
     u"3 行目の項目が 3 個あり、見出しの 2 個より多くなっています。"_s},
    {"unknown label", Format::Csv, "名前,会社\r\n",
     u"見出しの「会社」は電話帳の項目ではありません。見出しには入力画面の項目名（名前、フリガナ、…）を使います。"_s},
    {"label twice", Format::Csv, "名前,備考,備考\r\n", u"見出しに「備考」が二つあります。"_s},
    {"no name label", Format::Csv, "フリガナ\r\nﾔﾏﾀﾞ\r\n", u"見出しに「名前」がありません。"_s},
    {"no header", Format::Csv, "\r\n\r\n", u"見出しの行がありません。"_s},
    {"quote left open", Format::Csv, "名前,備考\r\n山田,\"閉じない\r\n",
     u"2 行目で始まる引用符（\"）が閉じていません。"_s},
    {"text after a quote", Format::Csv, "名前,備考\r\n山田,\"a\"b\r\n",
     u"2 行目の引用符（\"）で囲んだ項目の後に文字があります。"_s},
    {"neither UTF-8 nor Shift_JIS", Format::Csv, "名前\r\n\x80\r\n",
     u"文字コードが分かりません。UTF-8 でも Shift_JIS でもありません。"_s},
    {"byte order mark before other bytes", Format::Csv, "\xEF\xBB\xBF名前\r\n\x8E\x52\r\n",
     u"UTF-8 の印（BOM）で始まっていますが、UTF-8 として読めないところがあります。"_s},
};

const struct ChoiceCase {
    const char* tag;
    OnExisting onExisting;
    QString summary, yamada, newcomer;
} choices[] = {
    {"skip", OnExisting::Skip, u"added 新人; skipped 山田 太郎,新人"_s,
     u"Name_1=山田 太郎|Tel_1=03-0000-0000|Bikou=古いメモ"_s, u"Name_1=新人"_s},
    {"replace", OnExisting::Replace, u"added 新人; replaced 山田 太郎,新人"_s, u"Name_1=山田 太郎|Tel_1=03-9999-9999"_s,
     u"Name_1=新人|Bikou=二枚目"_s},
};

} // namespace

class CardsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrips_data() { addCases(records); }
    void roundTrips() {
        const RecordCase& c = currentCase(records);
        ProgramFolder folder;
        Mod1::OpenDb();
        store(folder, c.fields);
        store(folder, {{Name_1, u"隣"_s}, {Sex_cd, u"2"_s}, {Tel_1, u"06-0000-0000"_s}});
        const QStringList before = rows(folder);
        const struct {
            Format format;
            std::function<QByteArray()> write;
        } ways[] = {{Format::VCard, [] { return exportAddresses(AddressFormat::VCard).data; }},
                    {Format::Csv, [] { return exportAddresses(AddressFormat::Csv).data; }},
                    {Format::Csv, [] { return exportAddresses(AddressFormat::CsvShiftJis).data; }}};
        for (const auto& way : ways) {
            if (&way == &ways[2] && !c.inShiftJis)
                continue;
            const QByteArray file = way.write();
            folder.execute(u"delete from Mst_Address"_s);
            const ImportSummary summary = importEntries(readFile(way.format, file), OnExisting::Skip);
            QCOMPARE(summary.added.size(), qsizetype(2));
            QVERIFY(summary.refused.isEmpty() && summary.leftOut.isEmpty());
            QCOMPARE(rows(folder), before);
        }
    }

    // What other programs read: the lines of a card and the rows of a sheet, byte for byte.
    void writtenForms() {
        ProgramFolder folder;
        Mod1::OpenDb();
        store(folder, {{Name_1, u"山田 太郎"_s},
                       {Furigana, u"ﾔﾏﾀﾞ ﾀﾛｳ"_s},
                       {Sex_cd, u"1"_s},
                       {Birth, u"1996/01/05"_s},
                       {Yubin, u"105-0011"_s},
                       {Zyusyo, u"東京都港区\r\n芝公園4-2-8"_s},
                       {Handy_2, u"070-1234-5678"_s},
                       {K_Name, u"例, Inc."_s},
                       {Bikou, iroha}});
        QCOMPARE(QString::fromUtf8(exportAddresses(AddressFormat::VCard).data),
                 u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山田 太郎\r\nN:山田 太郎;;;;\r\nSORT-STRING:ﾔﾏﾀﾞ ﾀﾛｳ\r\n"
                 "X-PHONETIC-LAST-NAME:ﾔﾏﾀﾞ ﾀﾛｳ\r\nX-GENDER:Male\r\nBDAY:1996-01-05\r\nX-TAMORU-BIRTH:1996/01/05\r\n"
                 "ADR;TYPE=home:;;東京都港区\\n芝公園4-2-8;;;105-0011;\r\nTEL;TYPE=cell,x-phs:070-1234-5678\r\n"
                 "ORG:例\\, Inc.\r\nNOTE:いろはにほへとちりぬるをわかよたれそつねならむ\r\n"
                 " うゐのおくやまけふこえてあさきゆめみしゑひもせす\r\nEND:VCARD\r\n"_s);
        const QString sheet =
            u"名前,フリガナ,ニックネーム,性別,誕生日,郵便番号,住所,電話番号,ＦＡＸ,ポケットベル,携帯,ＰＨＳ,"
            "会社名,会社郵便番号,会社住所,会社電話番号,会社ＦＡＸ,E_Mail,会社 E_Mail,ＨＰ,備考\r\n"
            "山田 太郎,ﾔﾏﾀﾞ ﾀﾛｳ,,男性,1996/01/05,105-0011,\"東京都港区\r\n芝公園4-2-8\",,,,,"
            "070-1234-5678,\"例, Inc.\",,,,,,,,"_s +
            iroha + u"\r\n"_s;
        QCOMPARE(exportAddresses(AddressFormat::Csv).data, "\xEF\xBB\xBF" + sheet.toUtf8());
        QCOMPARE(exportAddresses(AddressFormat::CsvShiftJis).data, QStringEncoder("Shift_JIS").encode(sheet));
    }

    void cardsOfOtherPrograms_data() { addCases(cards); }
    void cardsOfOtherPrograms() {
        const CardCase& c = currentCase(cards);
        ProgramFolder folder;
        Mod1::OpenDb();
        const std::vector<IncomingEntry> entries = readVCards(c.card);
        QCOMPARE(summaryText(importEntries(entries, OnExisting::Skip)), c.summary);
        QCOMPARE(stored(folder, entries.front().entry[Name_1]), c.row);
    }

    void badInput_data() { addCases(badInputs); }
    void badInput() {
        const BadInputCase& c = currentCase(badInputs);
        ProgramFolder folder;
        Mod1::OpenDb();
        store(folder, {{Name_1, u"良い"_s}, {Bikou, u"元のまま"_s}});
        const QStringList before = rows(folder);
        QString outcome;
        try {
            outcome = summaryText(importEntries(readFile(c.format, c.file), OnExisting::Replace));
        } catch (const core::FileError& error) {
            outcome = error.message();
        }
        QCOMPARE(outcome, c.outcome);
        QCOMPARE(rows(folder), before);
    }

    // Dashes typed outside Windows are written as code page 932's look-alikes; a character it
    // lacks altogether is refused, naming it.
    void shiftJis() {
        ProgramFolder folder;
        Mod1::OpenDb();
        store(folder, {{Name_1, u"鈴木"_s}, {Bikou, u"10時〜12時、1−2−3"_s}});
        const std::vector<IncomingEntry> back = readCsv(exportAddresses(AddressFormat::CsvShiftJis).data);
        QCOMPARE(back.at(0).entry[Bikou], u"10時～12時、1－2－3"_s);
        store(folder, {{Name_1, u"吉田"_s}, {Zyusyo, u"東京都\r\n𠮷祥寺"_s}});
        QVERIFY_THROWS_EXCEPTION(core::FileError, exportAddresses(AddressFormat::CsvShiftJis));
        try {
            exportAddresses(AddressFormat::CsvShiftJis);
        } catch (const core::FileError& error) {
            QCOMPARE(error.message(),
                     u"［ 吉田 ］さんの住所にある「𠮷」（U+20BB7）は Shift_JIS にない文字なので、書き出せません。"
                     "UTF-8 で書き出してください。"_s);
        }
    }

    void nameAlreadyInTheBook_data() { addCases(choices); }
    void nameAlreadyInTheBook() {
        const ChoiceCase& c = currentCase(choices);
        ProgramFolder folder;
        Mod1::OpenDb();
        store(folder, {{Name_1, u"山田 太郎"_s}, {Tel_1, u"03-0000-0000"_s}, {Bikou, u"古いメモ"_s}});
        const QByteArray file = "名前,電話番号,備考\r\n山田 太郎,03-9999-9999,\r\n新人,,\r\n新人,,二枚目\r\n";
        QCOMPARE(summaryText(importEntries(readCsv(file), c.onExisting)), c.summary);
        QCOMPARE(stored(folder, u"山田 太郎"_s), c.yamada);
        QCOMPARE(stored(folder, u"新人"_s), c.newcomer);
    }

    void engineErrorUndoesTheImport() {
        ProgramFolder folder;
        Mod1::OpenDb();
        folder.execute(ProgramFolder::onServer()
                           ? u"ALTER TABLE Mst_Address ADD CONSTRAINT refuse CHECK (Name_1 <> '二番目')"_s
                           : u"CREATE TRIGGER refuse BEFORE INSERT ON Mst_Address WHEN NEW.Name_1 = '二番目' "
                             "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
        const QByteArray file = "名前\r\n一番目\r\n二番目\r\n三番目\r\n";
        QVERIFY_THROWS_EXCEPTION(platform::EngineError, importEntries(readCsv(file), OnExisting::Skip));
        QCOMPARE(rows(folder), QStringList());
    }
};

QTEST_GUILESS_MAIN(CardsTest)
#include "test_cards.moc"
