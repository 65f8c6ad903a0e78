#include "platform/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

constexpr int depthRole = Qt::UserRole + 1;
constexpr int indentPixels = 10;

// Draws each folder indented by its depth, so the list reads like a branch of the tree.
class IndentedFolders : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem indented = option;
        indented.rect.adjust(index.data(depthRole).toInt() * indentPixels, 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(index.data(depthRole).toInt() * indentPixels, 0);
    }
};

QListWidgetItem* folderItem(const QString& path, const QString& name, int depth, const QIcon& icon) {
    auto* item = new QListWidgetItem(icon, name);
    item->setData(Qt::UserRole, path);
    item->setData(depthRole, depth);
    item->setToolTip(QDir::toNativeSeparators(path));
    return item;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    setItemDelegate(new IndentedFolders(this));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

void FolderList::setPath(const QString& path) {
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (clean == m_path)
        return;
    m_path = clean;
    fill();
    Q_EMIT changed();
}

void FolderList::fill() {
    clear();
    QStringList chain; // from the root down to the current folder
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const QIcon open = QIcon::fromTheme(u"folder-open"_s, style()->standardIcon(QStyle::SP_DirOpenIcon));
    const QIcon closed = QIcon::fromTheme(u"folder"_s, style()->standardIcon(QStyle::SP_DirClosedIcon));
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& folder = chain[depth];
        const QString name = depth == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        addItem(folderItem(folder, name, depth, open));
    }
    setCurrentRow(count() - 1);

    const QDir current(m_path);
    const auto inside = current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : inside)
        addItem(folderItem(current.absoluteFilePath(name), name, int(chain.size()), closed));
}

} // namespace platform
