#pragma once

#include "platform/filesystem.h"

#include <QTreeWidget>

namespace parkwen {

// A folder list: the tree of folders from the root of the machine (each drive on systems that have
// drives) down to the current folder, whose sub-folders are shown. Any folder is reached by opening
// its parents; choosing a folder by click or by arrow keys makes it the current folder.
class FolderList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit FolderList(FileSystem& fs, QWidget* parent = nullptr);

    // The current folder: an absolute path without a trailing separator (except the root).
    const QString& path() const { return m_path; }
    // Shows `folder` as the current folder; the folder is taken to exist.
    void setPath(const QString& folder);

signals:
    void pathChanged(const QString& folder);

private:
    QTreeWidgetItem* addFolder(QTreeWidgetItem* parent, const QString& folder, const QString& text);
    void fill(QTreeWidgetItem* item);
    void choose(QTreeWidgetItem* item);
    static QString folderOf(const QTreeWidgetItem* item);

    FileSystem& m_fs;
    QString m_path;
};

} // namespace parkwen
