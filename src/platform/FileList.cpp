#include "platform/FileList.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace platform {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool FileList::matches(const QFileInfo& file) const {
#ifndef Q_OS_WIN
    if (m_pattern.compare(u"*.exe"_s, Qt::CaseInsensitive) == 0)
        return file.isExecutable();
#endif
    for (QString pattern : m_pattern.split(u';', Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern == u"*.*"_s) // every file, with or without a dot in its name
            return true;
        const auto wildcard = QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
        if (wildcard.match(file.fileName()).hasMatch())
            return true;
    }
    return false;
}

void FileList::refresh() {
    clear();
    const QDir folder(m_path);
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (matches(file))
            addItem(file.fileName());
    }
}

QString FileList::fileName() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

} // namespace platform
