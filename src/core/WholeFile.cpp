#include "core/WholeFile.h"

#include "core/FileError.h"
#include "core/Mod1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace core {

namespace {

QString where(const QString& path) {
    return u"\r"_s + placeOf(path);
}

} // namespace

QByteArray readWholeFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw FileError(u"ファイルが見つかりません。"_s + where(path));
    if (!info.isFile())
        throw FileError(u"ファイルではありません。"_s + where(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(u"ファイルを開けません。"_s + where(path));
    QByteArray data = file.read(largestFileRead + 1);
    if (file.error() != QFileDevice::NoError)
        throw FileError(u"ファイルを読めません。"_s + where(path));
    if (data.size() > largestFileRead)
        throw FileError(u"ファイルが大きすぎます（%1 MB まで）。"_s.arg(largestFileRead / 1024 / 1024) + where(path));
    return data;
}

QString placeOf(const QString& path) {
    return u"場所："_s + QDir::toNativeSeparators(path);
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

void writeWholeFile(const QString& path, const QByteArray& data) {
    if (Mod1::Db && sameFile(path, Mod1::Db->fileName()))
        throw FileError(u"TEL.mdb そのものには書き出せません。別のファイルを選んでください。"_s);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(u"ファイルに書き込めません。"_s + where(path));
    if (file.write(data) != data.size() || !file.commit())
        throw FileError((file.error() == QFileDevice::ResourceError ? u"ディスクがいっぱいです。"_s
                                                                    : u"ファイルに書き込めません。"_s) +
                        where(path));
}

} // namespace core
