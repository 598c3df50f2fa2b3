#pragma once

#include "platform/filesystem.h"

#include <QTreeWidget>

namespace parkwen {

// A folder list: the folders from the root down to the open folder, one below the other, and the
// open folder's sub-folders under it. Choosing a row, by click or by arrow keys, makes its folder the
// current folder; a sub-folder can be unfolded in place to look inside. Double-click or Enter opens a
// folder: the list then shows the way down to it and its sub-folders, which is how the user climbs to
// any other branch. Other drives, where the system has them, are rows of their own.
class FolderList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit FolderList(FileSystem& fs, QWidget* parent = nullptr);

    // The current folder: an absolute path without a trailing separator (except the root).
    const QString& path() const { return m_path; }
    // Opens `folder` and makes it the current folder; the folder is taken to exist.
    void setPath(const QString& folder);

signals:
    void pathChanged(const QString& folder);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    QTreeWidgetItem* addFolder(QTreeWidgetItem* parent, const QString& folder, const QString& text);
    void fill(QTreeWidgetItem* item);
    void choose(QTreeWidgetItem* item);
    void open(QTreeWidgetItem* item);
    static QString folderOf(const QTreeWidgetItem* item);

    FileSystem& m_fs;
    QString m_path;
};

} // namespace parkwen
