#include "carlibrary.h"

#include <QSet>
#include <QtConcurrent/QtConcurrentMap>
#include <QThreadPool>

#include <numeric>

namespace parkwen {

namespace {

const QString kCarSuffix = QStringLiteral("CAR");

QString accessErrorMessage()
{
    return QStringLiteral(
        "Path\\File Access Error. Most Likely: Caused by Hidden\\Read-Only\\System Files in "
        "Directory Or Folder Already Exists. Fix Manually.");
}

// The folder that holds `path`.
QString parentOf(const QString& path)
{
    const qsizetype at = path.lastIndexOf(QLatin1Char('/'));
    return at <= 0 ? QStringLiteral("/") : path.left(at);
}

// The first "*.jpg" directly inside a folder, else its first "*.bmp"; empty when there is neither.
QString pictureFileIn(FileSystem& fs, const QString& folder)
{
    QStringList files = fs.listFiles(folder, QStringLiteral("*.jpg"));
    if (files.isEmpty())
        files = fs.listFiles(folder, QStringLiteral("*.bmp"));
    return files.isEmpty() ? QString() : files.first();
}

// Flushes every path to the disk and waits for all of them; the first failure, if any.
Error syncAll(FileSystem& fs, const QStringList& paths)
{
    // Flushing mostly waits for the disk, so more threads than cores pay off.
    static QThreadPool pool;
    pool.setMaxThreadCount(16);
    QList<Error> results(paths.size());
    QList<qsizetype> indexes(paths.size());
    std::iota(indexes.begin(), indexes.end(), qsizetype(0));
    QtConcurrent::blockingMap(&pool, indexes, [&](qsizetype i) { results[i] = fs.sync(paths[i]); });
    for (const Error& e : std::as_const(results))
        if (e)
            return e;
    return {};
}

// Copies every file directly inside `source` into the (new, empty) folder `target` and makes the
// copies durable: each copy is checked against the source's size, then the copies, the target
// folder and the folder holding it are flushed to the disk. On failure the copies made so far are
// removed again, together with the target folder, so that nothing half-copied is left behind and
// the move can simply be tried again; the source is never touched. `copied` receives the names of
// the files copied.
Error copyCarFolder(FileSystem& fs, const QString& source, const QString& target, QSet<QString>& copied)
{
    const QStringList files = fs.listFiles(source);
    QStringList written;
    auto undo = [&](const Error& e) {
        for (const QString& file : std::as_const(written))
            fs.deleteFile(joinPath(target, file));
        fs.removeFolder(target);
        copied.clear();
        return e;
    };
    for (const QString& file : files) {
        const QString from = joinPath(source, file);
        const QString to = joinPath(target, file);
        written << file;
        if (Error e = fs.copyFile(from, to)) {
            if (!fs.exists(to))
                written.removeLast();
            return undo(e);
        }
        if (fs.fileSize(to) != fs.fileSize(from))
            return undo(Error::of(err::DiskFull));
    }
    // The copies, the target folder and the folder holding it are flushed side by side: the file
    // system then commits them together instead of one journal commit and disk flush each.
    QStringList toFlush;
    for (const QString& file : std::as_const(written))
        toFlush << joinPath(target, file);
    toFlush << target << parentOf(target);
    if (Error e = syncAll(fs, toFlush))
        return undo(e);
    for (const QString& file : std::as_const(written))
        copied.insert(file);
    return {};
}

} // namespace

void CarLibrary::Garter_Click()
{
    moveCar(true);
}

void CarLibrary::Carter_Click()
{
    moveCar(false);
}

void CarLibrary::moveCar(bool toGarage)
{
    CarList& sourceList = toGarage ? Cart3 : Gartery;
    CarList& targetList = toGarage ? Gartery : Cart3;
    PictureStore& sourceStore = toGarage ? CarpList : GargList;
    PictureStore& targetStore = toGarage ? GargList : CarpList;
    QString& selection = toGarage ? carSelection : garageSelection;
    FileSystem& fs = m_platform.fs;
    Dialogs& dialogs = m_platform.dialogs;

    const QString name = selection;
    if (name.isEmpty()) {
        dialogs.inform(QStringLiteral("Please Select Something to Move. Fix, Think About It"));
        return;
    }
    const QString key = name + kCarSuffix;
    const QString sourceFolder = joinPath(toGarage ? carFolder : garageFolder, name);
    const QString targetFolder = joinPath(toGarage ? garageFolder : carFolder, name);

    // A car that is no longer on the disk (moved or removed behind the program's back) is not
    // moved: creating its target folder would only leave an empty folder there.
    if (!fs.isFolder(sourceFolder)) {
        dialogs.plain(Error::of(err::PathNotFound).description());
        return;
    }

    // The target folder must be new; an existing one is never written into.
    if (Error e = fs.createFolder(targetFolder)) {
        dialogs.plain(e.number() == err::PathFileAccess ? accessErrorMessage() : e.description());
        return;
    }

    // Every file is copied and on the disk before the first source file is deleted, so that a
    // failure or a power cut at any moment leaves at least one complete copy of the car.
    QSet<QString> copied;
    if (Error e = copyCarFolder(fs, sourceFolder, targetFolder, copied)) {
        dialogs.plain(e.description());
        return;
    }

    // Delete the source files. Only files that were copied are deleted; a file that can't be
    // deleted for a reason other than access is reported once and left, and the folder removal
    // below then reports what stays.
    QSet<QString> kept;
    for (;;) {
        QString file;
        for (const QString& listed : fs.listFiles(sourceFolder)) {
            if (copied.contains(listed) && !kept.contains(listed)) {
                file = listed;
                break;
            }
        }
        if (file.isEmpty())
            break;
        const QString path = joinPath(sourceFolder, file);
        if (toGarage) {
            if (Error e = fs.setNormal(path))
                dialogs.plain(e.description());
        }
        if (Error e = fs.deleteFile(path)) {
            if (e.number() == err::PathFileAccess) {
                dialogs.plain(accessErrorMessage());
                return;
            }
            dialogs.plain(e.description());
            kept.insert(file);
        }
    }

    if (toGarage) {
        if (Error e = fs.setNormal(sourceFolder))
            dialogs.plain(e.description());
    }
    if (Error e = fs.removeFolder(sourceFolder)) {
        if (e.number() == err::PathFileAccess) {
            dialogs.plain(accessErrorMessage());
            return;
        }
        dialogs.plain(e.description());
    }

    // The car has moved on the disk; bring the lists up to date entry by entry.
    const int row = sourceList.rowOfKey(key);
    if (row >= 0) {
        sourceList.removeRow(row);
        if (toGarage && stockMode)
            shiftStockFlagsDown(row + 1);
    } else {
        dialogs.plain(QStringLiteral("Element not found"));
    }

    if (!targetStore.contains(key)) {
        const QString file = pictureFileIn(fs, targetFolder);
        // The target folder holds copies of the files the source list's thumbnail was read from:
        // while the picture file is there, that thumbnail is shared instead of decoded again.
        if (!file.isEmpty() && sourceStore.contains(key)) {
            targetStore.add(key, sourceStore.picture(key));
        } else {
            auto loaded =
                m_platform.pictures.load(file.isEmpty() ? targetFolder : joinPath(targetFolder, file),
                                         QSize(PictureStore::Size, PictureStore::Size));
            if (loaded.ok())
                targetStore.add(key, loaded.take()); // a key registered before keeps its old picture
            else
                dialogs.plain(loaded.error().description());
        }
    }
    targetList.append(key, name);

    if (toGarage) {
        addToGam(1);
        addToCam(-1);
    } else {
        addToCam(1);
        addToGam(-1);
    }
    frameCaption = name;

    if (sourceList.isEmpty()) {
        selection.clear();
        emit changed();
        return;
    }
    if (sourceList.hasSelection()) {
        selection = sourceList.selectedText();
        picture = sourceStore.picture(selection + kCarSuffix);
    } else {
        picture = sourceStore.picture(key);
    }

    if (toGarage) {
        if (Cart3.hasSelection()) {
            const int position = Cart3.selectedRow() + 1;
            const bool stock = position < StockFlagCount && stockFlags[size_t(position)] == -1;
            garterEnabled = !stock;
            delEnabled = !stock;
        } else {
            garterEnabled = false;
            delEnabled = false;
            if (!Gartery.isEmpty())
                picture = GargList.picture(Gartery.at(0).key);
        }
    }
    emit changed();
}

void CarLibrary::shiftStockFlagsDown(int position)
{
    if (position < 1)
        return;
    for (int p = position; p < StockFlagCount - 1; ++p)
        stockFlags[size_t(p)] = stockFlags[size_t(p + 1)];
}

void CarLibrary::CopAll_Click()
{
    const int passes = Gartery.count();
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QStringLiteral("Sending all cars to the Car Folder"), passes);
    for (int pass = 0; pass < passes && !Gartery.isEmpty(); ++pass) {
        garageSelection = Gartery.text(0);
        Carter_Click();
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

void CarLibrary::DelAll_Click()
{
    const int passes = Cart3.count();
    Progress* progress = m_platform.progress;
    if (progress)
        progress->begin(QStringLiteral("Sending all cars to the Garage Folder"), passes);
    int position = 1;
    for (int pass = 0; pass < passes && position <= Cart3.count(); ++pass) {
        carSelection = Cart3.text(position - 1);
        if (stockMode && position < StockFlagCount && stockFlags[size_t(position)] == -1) {
            ++position;
        } else {
            // The entries after a moved car move up, so the position stays.
            Garter_Click();
        }
        if (progress)
            progress->step(pass + 1);
    }
    if (progress)
        progress->end();
}

} // namespace parkwen
