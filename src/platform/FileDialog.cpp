#include "platform/FileDialog.h"

#include "platform/ModalWindows.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

QString lastFolder;

// "csv" from "CSV（UTF-8） (*.csv)"; empty for "(*)".
QString suffixOf(const QString& type) {
    const QRegularExpressionMatch match = QRegularExpression(uR"(\(\*\.(\w+))"_s).match(type);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

FileAnswer askFile(QWidget* owner, FileUse use, const FileQuestion& question) {
    QFileDialog dialog(owner, question.caption);
    dialog.setObjectName(question.name);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(use == FileUse::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(use == FileUse::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(question.types);
    dialog.setDirectory(lastFolder.isEmpty() ? QDir::homePath() : lastFolder);
    dialog.setDefaultSuffix(suffixOf(question.types.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected,
                     [&dialog](const QString& type) { dialog.setDefaultSuffix(suffixOf(type)); });
    if (!question.suggested.isEmpty())
        dialog.selectFile(question.suggested);
    if (ModalWindows::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(path).absolutePath();
    return {path, int(question.types.indexOf(dialog.selectedNameFilter()))};
}

} // namespace platform
