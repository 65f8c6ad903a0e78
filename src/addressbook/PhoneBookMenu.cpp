#include "addressbook/PhoneBookMenu.h"

#include "addressbook/AddressFiles.h"
#include "core/DataFile.h"
#include "core/EngineGuard.h"
#include "core/FileError.h"
#include "core/Mod1.h"
#include "core/WholeFile.h"
#include "platform/FileDialog.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QWidget>

using namespace Qt::StringLiterals;
using addressbook::AddressFormat;

namespace {

void notice(QWidget* owner, const QString& text) {
    Mod1::ShowMessage(text, Mod1::KindNotice, owner, Mod1::FocusOk);
}

// Runs a step that reads or writes a file; a file or the database that refuses is told under
// `failure`, and the step is abandoned.
template <class Step> void fileStep(QWidget* owner, const QString& failure, Step&& step) {
    try {
        step();
    } catch (const core::FileError& error) {
        notice(owner, failure + u"\r"_s + error.message());
    } catch (const platform::EngineError& error) {
        notice(owner, failure + u"\r理由："_s + core::reasonOf(error));
    }
}

const QString vCardType = u"vCard ファイル (*.vcf *.vcard)"_s;
const QString anyType = u"すべてのファイル (*)"_s;
const QString databaseType = u"データベース (*.mdb)"_s;

void importFile(QWidget* owner, AddressFormat format) {
    const bool vCard = format == AddressFormat::VCard;
    const platform::FileAnswer file =
        platform::askFile(owner, platform::FileUse::Open,
                          {u"Dlg_Import"_s,
                           vCard ? u"vCard ファイルを読み込む"_s : u"CSV ファイルを読み込む"_s,
                           {},
                           {vCard ? vCardType : u"CSV ファイル (*.csv)"_s, anyType}});
    if (file.path.isEmpty())
        return;
    fileStep(owner, u"読み込めませんでした。"_s, [&] {
        const std::vector<addressbook::IncomingEntry> entries = addressbook::readAddressFile(file.path, format);
        if (entries.empty()) {
            notice(owner, u"読み込むデータがありません。\r"_s + core::placeOf(file.path));
            return;
        }
        auto onExisting = addressbook::OnExisting::Skip;
        if (const QStringList existing = addressbook::namesInBook(entries); !existing.isEmpty()) {
            const qint16 answer =
                Mod1::ShowMessage(u"電話帳にすでにある名前が %1 件あります。\r（%2）\r"_s.arg(existing.size())
                                          .arg(addressbook::someNames(existing, 5)) +
                                      u"置き換えますか？（いいえ：飛ばす　ｷｬﾝｾﾙ：読み込まない）"_s,
                                  Mod1::KindQuestionCancel, owner, Mod1::FocusCancel);
            if (answer != Mod1::AnswerYes && answer != Mod1::AnswerNo)
                return;
            onExisting = answer == Mod1::AnswerYes ? addressbook::OnExisting::Replace : addressbook::OnExisting::Skip;
        }
        const addressbook::ImportSummary summary = addressbook::importEntries(entries, onExisting);
        notice(owner, u"読み込みました。\r"_s + addressbook::summaryText(summary, 8));
    });
}

void exportFile(QWidget* owner, bool vCard) {
    const QString day = QDate::currentDate().toString(u"yyyy-MM-dd"_s);
    const platform::FileAnswer file =
        platform::askFile(owner, platform::FileUse::Save,
                          {u"Dlg_Export"_s, vCard ? u"vCard ファイルに書き出す"_s : u"CSV ファイルに書き出す"_s,
                           u"電話帳_"_s + day + (vCard ? u".vcf"_s : u".csv"_s),
                           vCard ? QStringList{vCardType}
                                 : QStringList{u"CSV ファイル（UTF-8） (*.csv)"_s,
                                               u"CSV ファイル（Shift_JIS・表計算ソフト向け） (*.csv)"_s}});
    if (file.path.isEmpty())
        return;
    const AddressFormat format = vCard            ? AddressFormat::VCard
                                 : file.type == 1 ? AddressFormat::CsvShiftJis
                                                  : AddressFormat::Csv;
    fileStep(owner, u"書き出せませんでした。"_s, [&] {
        const qsizetype count = addressbook::exportAddressFile(file.path, format);
        notice(owner, u"%1 件のデータを書き出しました。\r"_s.arg(count) + core::placeOf(file.path));
    });
}

void backUp(QWidget* owner) {
    const platform::FileAnswer file = platform::askFile(
        owner, platform::FileUse::Save,
        {u"Dlg_Backup"_s, u"バックアップを作成"_s, core::datedCopyName(QDate::currentDate()), {databaseType}});
    if (file.path.isEmpty())
        return;
    fileStep(owner, u"バックアップを作成できませんでした。"_s, [&] {
        core::makeBackup(file.path);
        notice(owner, u"バックアップを作成しました。\r"_s + core::placeOf(file.path));
    });
}

void restore(QWidget* owner) {
    const platform::FileAnswer file = platform::askFile(
        owner, platform::FileUse::Open, {u"Dlg_Restore"_s, u"バックアップから復元"_s, {}, {databaseType, anyType}});
    if (file.path.isEmpty())
        return;
    fileStep(owner, u"このファイルからは復元できません。\r"_s + core::placeOf(file.path), [&] {
        core::checkBackupFile(file.path);
        const qint16 answer =
            Mod1::ShowMessage(u"ユーザー、日記、電話帳のすべてを\rこのファイルの内容に置き換えます。\r"_s +
                                  core::placeOf(file.path) + u"\rよろしいですか？"_s,
                              Mod1::KindQuestion, owner, Mod1::FocusNo);
        if (answer != Mod1::AnswerYes)
            return;
        const QString kept = core::restoreBackup(file.path, QDateTime::currentDateTime());
        notice(owner, u"復元しました。\r置き換える前のデータは次のファイルに残しました。\r"_s + core::placeOf(kept));
    });
}

} // namespace

PhoneBookMenu::PhoneBookMenu(QWidget* frame) : QObject(frame), m_frame(frame) {
    const auto add = [frame](const QString& name, const QString& text) {
        auto* action = new QAction(text, frame);
        action->setObjectName(name);
        frame->addAction(action);
        return action;
    };
    const auto separator = [frame] {
        auto* line = new QAction(frame);
        line->setSeparator(true);
        frame->addAction(line);
    };
    Mnu_ImportVCard = add(u"Mnu_ImportVCard"_s, u"vCard ファイルを読み込む..."_s);
    Mnu_ImportCsv = add(u"Mnu_ImportCsv"_s, u"CSV ファイルを読み込む..."_s);
    separator();
    Mnu_ExportVCard = add(u"Mnu_ExportVCard"_s, u"vCard ファイルに書き出す..."_s);
    Mnu_ExportCsv = add(u"Mnu_ExportCsv"_s, u"CSV ファイルに書き出す..."_s);
    separator();
    Mnu_Backup = add(u"Mnu_Backup"_s, u"バックアップを作成..."_s);
    Mnu_Restore = add(u"Mnu_Restore"_s, u"バックアップから復元..."_s);
    frame->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(Mnu_ImportVCard, &QAction::triggered, this, [this] { importFile(owner(), AddressFormat::VCard); });
    connect(Mnu_ImportCsv, &QAction::triggered, this, [this] { importFile(owner(), AddressFormat::Csv); });
    connect(Mnu_ExportVCard, &QAction::triggered, this, [this] { exportFile(owner(), true); });
    connect(Mnu_ExportCsv, &QAction::triggered, this, [this] { exportFile(owner(), false); });
    connect(Mnu_Backup, &QAction::triggered, this, [this] { backUp(owner()); });
    connect(Mnu_Restore, &QAction::triggered, this, [this] { restore(owner()); });
}

QWidget* PhoneBookMenu::owner() const {
    return m_frame->window();
}
