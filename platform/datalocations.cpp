#include "platform/datalocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef PARKWEN_HELPERS_FROM_BIN
#define PARKWEN_HELPERS_FROM_BIN "../libexec/parkwen"
#endif
#ifndef PARKWEN_BIN_FROM_HELPERS
#define PARKWEN_BIN_FROM_HELPERS "../../games"
#endif
#ifndef PARKWEN_SHARE_FROM_BIN
#define PARKWEN_SHARE_FROM_BIN "../share/parkwen"
#endif

namespace parkwen {

namespace {

const QString kBlank = QStringLiteral("blank.pkn");

QString clean(const QString& path)
{
    return QDir::cleanPath(path);
}

QString under(const QString& folder, const char* relative)
{
    return clean(folder + QLatin1Char('/') + QString::fromUtf8(relative));
}

QString mainProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("parkwen.exe");
#else
    return QStringLiteral("parkwen");
#endif
}

// The blank set of a folder, looked up ignoring case like every delivered file; empty when absent.
QString blankIn(const QString& folder)
{
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(kBlank)).isFile())
        return dir.filePath(kBlank);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : files)
        if (name.compare(kBlank, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return QString();
}

} // namespace

DataLocations::Environment DataLocations::Environment::system()
{
    Environment env;
    env.configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    env.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    env.writable = [](const QString& folder) { return QFileInfo(folder).isWritable(); };
    return env;
}

QString DataLocations::pathsFile() const
{
    return configFolder + QStringLiteral("/paths.mdb");
}

QString DataLocations::setsFolder() const
{
    return dataFolder + QStringLiteral("/sets");
}

DataLocations DataLocations::resolve(const QString& executableFolder, Asker asker)
{
    return resolve(executableFolder, asker, Environment::system());
}

DataLocations DataLocations::resolve(const QString& executableFolder, Asker asker, const Environment& env)
{
    DataLocations at;
    const QString exe = clean(executableFolder);
    at.mainFolder = exe;
    at.helperFolder = exe;

    // The installed layout is recognised by the other half of the install standing where it was put:
    // the helper folder beside games/, or the main program in games/ beside the helper folder. Looking it up
    // relative to the running program lets a whole install move elsewhere.
    if (asker == Asker::Main) {
        const QString helpers = under(exe, PARKWEN_HELPERS_FROM_BIN);
        if (QFileInfo(helpers).isDir() && helpers != exe) {
            at.installedLayout = true;
            at.helperFolder = helpers;
        }
    } else {
        const QString bin = under(exe, PARKWEN_BIN_FROM_HELPERS);
        if (bin != exe && QFileInfo(bin + QLatin1Char('/') + mainProgramName()).isFile() &&
            under(bin, PARKWEN_HELPERS_FROM_BIN) == exe) {
            at.installedLayout = true;
            at.mainFolder = bin;
        }
    }

    // A "portable" file keeps everything beside the programs even in an installed layout. Without it
    // an installed layout never writes into the programs' folder, even one its user may write to
    // (an install into ~/.local); any other folder is portable as long as it can be written to.
    const bool marked = QFileInfo(at.mainFolder + QLatin1Char('/') + QLatin1String(PortableMarker)).exists();
    if (marked)
        at.portable = true;
    else if (at.installedLayout)
        at.portable = false;
    else
        at.portable = env.writable ? env.writable(at.mainFolder) : true;

    if (at.portable) {
        at.configFolder = at.mainFolder;
        at.dataFolder = at.mainFolder;
    } else {
        at.configFolder = clean(env.configHome + QLatin1Char('/') + QLatin1String(FolderName));
        at.dataFolder = clean(env.dataHome + QLatin1Char('/') + QLatin1String(FolderName));
    }
    const QString shipped = at.installedLayout ? under(at.mainFolder, PARKWEN_SHARE_FROM_BIN) : at.mainFolder;
    at.deliveredBlank = blankIn(shipped);
    if (at.deliveredBlank.isEmpty())
        at.deliveredBlank = shipped + QLatin1Char('/') + kBlank;
    return at;
}

Error DataLocations::prepare() const
{
    if (portable)
        return {};
    for (const QString& folder : {configFolder, dataFolder}) {
        if (!QDir().mkpath(folder))
            return Error::of(err::PathNotFound);
    }
    if (!blankIn(dataFolder).isEmpty())
        return {};
    const QString target = dataFolder + QLatin1Char('/') + kBlank;
    // An empty file is a set without members: a sound blank set when none was shipped.
    if (QFileInfo(deliveredBlank).isFile()) {
        if (!QFile::copy(deliveredBlank, target))
            return Error::of(err::PermissionDenied);
        // A copy from a read-only system folder would be read-only too.
        QFile::setPermissions(target,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return {};
    }
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return Error::of(err::PermissionDenied);
    return {};
}

QStringList DataLocations::describe() const
{
    return {portable ? QCoreApplication::translate("DataLocations", "Data: portable, kept beside the program")
                     : QCoreApplication::translate("DataLocations", "Data: per user"),
            QCoreApplication::translate("DataLocations", "Settings: ") + pathsFile(),
            QCoreApplication::translate("DataLocations", "Sets: ") + setsFolder(),
            QCoreApplication::translate("DataLocations", "Programs: ") + helperFolder};
}

} // namespace parkwen
