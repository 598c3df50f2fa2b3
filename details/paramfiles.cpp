#include "details/paramfiles.h"

#include "details/discard.h"

#include "details/naming.h"
#include "details/paramtext.h"

#include <QCoreApplication>

namespace parkwen {

ParamFiles::ParamFiles(FileSystem& fs, Dialogs& dialogs, QString carPath)
    : m_fs(fs), m_dialogs(dialogs), m_carPath(std::move(carPath))
{
}

QStringList ParamFiles::titles() const
{
    QStringList out;
    for (const Entry& e : m_entries)
        out << e.title;
    return out;
}

QString ParamFiles::pathOf(const QString& fileName) const
{
    return joinPath(m_carPath, m_fs.resolve(m_carPath, fileName));
}

void ParamFiles::reportError(const Error& e)
{
    m_dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
}

bool ParamFiles::readInto(const QString& fileName, QByteArray& text, bool report)
{
    Result<QByteArray> r = m_fs.readFile(pathOf(fileName));
    if (!r.ok()) {
        if (report)
            reportError(r.error());
        return false;
    }
    text = r.take();
    return true;
}

void ParamFiles::fill()
{
    m_entries.clear();
    m_entries.append({currentTitle(), currentFileName()});
    for (const QString& name : m_fs.listFiles(m_carPath, QStringLiteral("*.txt"))) {
        if (name.toUpper() == QLatin1String("PARAMETERS.TXT"))
            continue;
        QByteArray text;
        // A file that cannot be read is simply not a parameter file we can offer.
        if (!readInto(name, text, false) || !paramtext::isParameterText(text))
            continue;
        addFile(name, text);
    }
}

void ParamFiles::addFile(const QString& fileName, const QByteArray& text)
{
    const paramtext::Field field = paramtext::nameField(text);
    // A file without a name field is listed under its file name, so that it can still be chosen.
    const QString title = field.found ? paramtext::nameOf(text) : fileName;
    addEntry(title, fileName);
}

void ParamFiles::addEntry(const QString& title, const QString& fileName)
{
    m_entries.append({title, fileName});
}

QString ParamFiles::askImportedTitle(QByteArray& text)
{
    for (;;) {
        const std::optional<QString> answer = m_dialogs.input(
            QCoreApplication::translate("ParamFiles", "Give Your Imported Parameters A title:"), QString());
        if (!answer || answer->isEmpty())
            break;
        // The title goes between the double quotes of one line, in the file's own encoding.
        bool usable = paramtext::canHoldName(text, *answer);
        for (const QChar c : *answer)
            if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0)
                usable = false;
        if (!usable) {
            m_dialogs.message(QCoreApplication::translate(
                                  "ParamFiles",
                                  "A title cannot contain double quotes, line breaks or characters "
                                  "outside the Western European alphabet. Please type another title."),
                              Dialogs::Icon::Exclamation);
            continue;
        }
        text = paramtext::withName(text, *answer);
        return *answer;
    }
    return paramtext::nameOf(text);
}

void ParamFiles::showEntry(int row)
{
    if (row < 0 || row >= count())
        return;
    QByteArray text;
    if (!readInto(m_entries[row].fileName, text, true))
        return;
    if (showText)
        showText(text);
}

bool ParamFiles::backUp()
{
    const std::optional<QString> answer = askPlainName(
        m_dialogs, QCoreApplication::translate("ParamFiles", "Back Up As:"), QStringLiteral("Backup"),
        [&](const QString& typed) {
            const QString target = m_fs.resolve(m_carPath, typed + QStringLiteral(".txt"));
            if (target.compare(currentFileName(), Qt::CaseInsensitive) != 0)
                return true;
            m_dialogs.message(QCoreApplication::translate("ParamFiles",
                                                          "Parameters.txt cannot be backed up onto itself. "
                                                          "Please choose another name."),
                              Dialogs::Icon::Exclamation);
            return false;
        });
    if (!answer)
        return false;

    // An existing file of that name (in any letter case) is replaced only when the user says so.
    const QString target = m_fs.resolve(m_carPath, *answer + QStringLiteral(".txt"));
    if (!confirmReplace(m_fs, m_dialogs, joinPath(m_carPath, target)))
        return false;
    CarDoor::Pass pass = CarDoor::enter(m_door);
    if (!pass)
        return false;
    if (Error e = m_fs.replaceFileAtomic(pathOf(currentFileName()), joinPath(m_carPath, target))) {
        reportError(e);
        return false;
    }
    pass.reset();
    QByteArray text;
    readInto(target, text, false);
    const paramtext::Field field = paramtext::nameField(text);
    const QString title = field.found ? paramtext::nameOf(text) : target;

    // A backup over a listed file keeps its one entry: two entries for one file would leave a dead
    // entry behind once either is deleted.
    bool listed = false;
    for (int k = 1; k < count(); ++k) {
        if (m_entries[k].fileName.compare(target, Qt::CaseInsensitive) == 0) {
            m_entries[k] = {title, target};
            listed = true;
        }
    }
    if (!listed)
        addEntry(title, target);
    m_dialogs.inform(QCoreApplication::translate("ParamFiles", "Parameters.txt Backed Up"));
    return true;
}

void ParamFiles::setAsCurrent(int selected)
{
    if (selected < 0 || selected >= count())
        return;
    if (selected == 0) {
        m_dialogs.message(
            QCoreApplication::translate(
                "ParamFiles", "Copying Parameters.txt to Parameters.txt is pointless. I aint doing it, OK?"),
            Dialogs::Icon::Exclamation);
        return;
    }
    // The chosen file is copied beside parameters.txt and renamed over it: a failed copy leaves the
    // car's parameters.txt as it was.
    CarDoor::Pass pass = CarDoor::enter(m_door);
    if (!pass)
        return;
    if (Error e = m_fs.replaceFileAtomic(pathOf(m_entries[selected].fileName), pathOf(currentFileName()))) {
        reportError(e);
        return;
    }
    pass.reset();
    m_dialogs.inform(QCoreApplication::translate("ParamFiles", "Parameters Set"));
}

bool ParamFiles::deleteEntry(int selected)
{
    if (selected < 0 || selected >= count()) {
        m_dialogs.message(
            QCoreApplication::translate(
                "ParamFiles",
                "No File Selected for Deletion. Fix: Select a File from the Parameters Listbox."),
            Dialogs::Icon::Exclamation);
        return false;
    }
    if (selected == 0 || m_entries[selected].fileName.compare(currentFileName(), Qt::CaseInsensitive) == 0) {
        m_dialogs.message(QCoreApplication::translate("ParamFiles", "Cannot Delete Parameters.txt"),
                          Dialogs::Icon::Exclamation);
        return false;
    }
    const QString path = pathOf(m_entries[selected].fileName);
    if (!confirmDiscard(m_fs, m_dialogs, path))
        return false;
    CarDoor::Pass pass = CarDoor::enter(m_door);
    if (!pass)
        return false;
    const Error e = discardFile(m_fs, path);
    pass.reset();
    // A file already gone only needs its entry removed.
    if (e && e.fault() != err::FileNotFound) {
        reportError(e);
        return false;
    }
    m_entries.removeAt(selected);
    showEntry(0);
    m_dialogs.inform(QCoreApplication::translate("ParamFiles", "Parameters.txt Removed"));
    return true;
}

} // namespace parkwen
