#include "sets/setediting.h"

#include "sets/setfile.h"

#include <QCoreApplication>
#include <QHash>

namespace parkwen {

namespace {
QString NoName()
{
    return QCoreApplication::translate("SetEditing", "No Name Specified. Name your Set:");
}
QString NamePrompt()
{
    return QCoreApplication::translate("SetEditing", "My Set's Name Is:");
}
QString SetExists()
{
    return QCoreApplication::translate("SetEditing", "Set Exists, Retry Naming Set or Cancel?");
}
} // namespace

QStringList SetForm::members() const
{
    QStringList out;
    for (qsizetype i = 0; i < entries.size() && i < ticked.size(); ++i)
        if (ticked[i])
            out << entries[i];
    return out;
}

void SetForm::tickMembers(const QStringList& memberNames)
{
    // The first entry of each name in list order; a name listed twice (both folders hold it) ticks the
    // garage entry.
    QHash<QString, qsizetype> firstRow;
    for (qsizetype i = entries.size() - 1; i >= 0; --i)
        firstRow.insert(entries[i], i);
    ticked.resize(entries.size());
    for (const QString& name : memberNames) {
        const auto it = firstRow.constFind(name);
        if (it != firstRow.constEnd())
            ticked[*it] = true;
    }
}

SetForm newSetForm(const QStringList& garageCars, const QStringList& folderCars)
{
    SetForm form;
    form.entries = garageCars + folderCars;
    form.ticked = QList<bool>(form.entries.size(), false);
    return form;
}

Result<SetForm> editSetForm(const QStringList& garageCars, const QStringList& folderCars, SetStore& store,
                            const QString& fileName)
{
    SetForm form = newSetForm(garageCars, folderCars);
    form.editMode = true;
    form.name = fileName;
    Result<QStringList> members = store.read(fileName);
    if (!members.ok())
        return members.error();
    form.tickMembers(members.value());
    return form;
}

std::optional<QString> askSetName(Dialogs& dialogs)
{
    for (;;) {
        const std::optional<QString> answer = dialogs.input(NamePrompt(), QString());
        if (!answer)
            return std::nullopt;
        if (answer->isEmpty()) {
            dialogs.message(NoName(), Dialogs::Icon::Exclamation);
            continue;
        }
        const QString fileName = setFileName(*answer);
        const QString problem = setFileNameProblem(fileName);
        if (!problem.isEmpty()) {
            dialogs.message(problem, Dialogs::Icon::Exclamation);
            continue;
        }
        return fileName;
    }
}

bool saveSet(SetForm& form, SetStore& store, Dialogs& dialogs)
{
    auto fail = [&](const Error& e) {
        dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    };

    QString fileName;
    if (form.editMode) {
        // The set being edited keeps the file it came from, whatever the case of its extension, and that
        // file is replaced only once the new one is complete.
        fileName = form.name;
        if (fileName.isEmpty())
            return fail(Error::of(err::FileNotFound));
    } else {
        if (form.name.isEmpty()) {
            dialogs.message(NoName(), Dialogs::Icon::Exclamation);
            const std::optional<QString> answer = askSetName(dialogs);
            if (!answer)
                return false;
            form.name = *answer;
        }
        fileName = setFileName(form.name);
        if (const QString problem = setFileNameProblem(fileName); !problem.isEmpty()) {
            dialogs.message(problem, Dialogs::Icon::Exclamation);
            const std::optional<QString> answer = askSetName(dialogs);
            if (!answer)
                return false;
            fileName = *answer;
        }
        form.name = fileName;
    }

    if (Error e = store.setUp(dialogs))
        return fail(e);

    if (!form.editMode) {
        while (store.isTaken(fileName)) {
            if (dialogs.message(SetExists(), Dialogs::Icon::Question, Dialogs::Buttons::RetryCancel) !=
                Dialogs::Answer::Retry)
                return false;
            const std::optional<QString> answer = askSetName(dialogs);
            if (!answer)
                return false;
            fileName = *answer;
            form.name = fileName;
        }
    }

    if (Error e = store.write(fileName, form.members()))
        return fail(e);
    return true;
}

} // namespace parkwen
