#include "imports.h"

#include "naming.h"
#include "paramtext.h"

namespace parkwen {

bool acceptParameters(FileSystem& fs, Dialogs& dialogs, const QString& path)
{
    Result<QByteArray> text = fs.readFile(path);
    if (!text.ok()) {
        dialogs.message(text.error().miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    if (!paramtext::isParameterText(text.value())) {
        dialogs.message(QStringLiteral("Not A valid Parameter Set! Please Select a valid set of Parameters."),
                        Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

bool acceptBitmap(FileSystem& fs, Dialogs& dialogs, const QString& path)
{
    if (!Skins::hasSkinSize(fs.fileSize(path))) {
        dialogs.message(QStringLiteral("Not a valid Skin. Please Select another Skin"), Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

namespace {

// One text of the merge with its current position and selection.
struct Buffer
{
    QByteArray text;
    qsizetype position = 0;
    qsizetype selStart = 0;
    qsizetype selLength = 0;

    QByteArray selection() const { return text.mid(selStart, selLength); }

    // Finds `word` from `from`; the position becomes its start.
    bool find(const QByteArray& word, qsizetype from)
    {
        const qsizetype at = paramtext::find(text, word, from);
        if (at < 0)
            return false;
        position = selStart = at;
        selLength = word.size();
        return true;
    }
    // Finds `word` from `from` and selects its line, up to the line break.
    bool takeLine(const QByteArray& word, qsizetype from)
    {
        if (!find(word, from))
            return false;
        qsizetype end = selStart;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        selLength = end - selStart;
        return true;
    }
    void replaceSelection(const QByteArray& with)
    {
        text.replace(selStart, selLength, with);
        position = selStart + with.size();
        selLength = 0;
    }
};

// Takes the line of `word` in both buffers, each from its position + `skip`. When either lacks it,
// both are left as they were.
bool takeBoth(Buffer& rtb, Buffer& rtb2, const QByteArray& word, qsizetype skip)
{
    const Buffer keep1 = rtb;
    const Buffer keep2 = rtb2;
    if (rtb.takeLine(word, rtb.position + skip) && rtb2.takeLine(word, rtb2.position + skip))
        return true;
    rtb = keep1;
    rtb2 = keep2;
    return false;
}

// Copies up to `times` lines of `word` from the car into the import; returns how many it copied.
int copyLines(Buffer& rtb, Buffer& rtb2, const QByteArray& word, int times, qsizetype skip)
{
    int done = 0;
    while (done < times && takeBoth(rtb, rtb2, word, skip)) {
        rtb.replaceSelection(rtb2.selection());
        ++done;
    }
    return done;
}

// Finds the first occurrence of `word` in both buffers; it is passed over, not copied.
bool findBoth(Buffer& rtb, Buffer& rtb2, const QByteArray& word)
{
    const Buffer keep1 = rtb;
    const Buffer keep2 = rtb2;
    if (rtb.find(word, 0) && rtb2.find(word, 0))
        return true;
    rtb = keep1;
    rtb2 = keep2;
    return false;
}

} // namespace

QByteArray mergeCarLines(const QByteArray& imported, const QByteArray& car,
                         const std::function<std::optional<QString>()>& chooseSkin, MergeCounts* counts)
{
    Buffer rtb{imported};
    Buffer rtb2{car};
    MergeCounts done;

    // Model lines: the first "MODEL" (the heading of the model block) is passed over.
    if (findBoth(rtb, rtb2, "MODEL"))
        done.models = copyLines(rtb, rtb2, "MODEL", 19, 1);

    // Texture line: the car's own line, its file name replaced by the chosen skin.
    if (takeBoth(rtb, rtb2, "TPAGE", 1)) {
        QByteArray line = rtb2.selection();
        qsizetype nameStart = qMax(line.lastIndexOf('\\'), line.lastIndexOf('/'));
        if (nameStart < 0)
            nameStart = line.indexOf('"');
        if (nameStart >= 0 && chooseSkin) {
            if (const std::optional<QString> skin = chooseSkin()) {
                line.truncate(nameStart + 1);
                line += skin->toLatin1() + '"';
            }
        }
        rtb.replaceSelection(line);
        done.textures = 1;
    }

    done.collisions = copyLines(rtb, rtb2, "COLL", 1, 1);
    done.modelNumbers = copyLines(rtb, rtb2, "ModelNum", 20, 1);

    // Offset lines: the first "Offset" is passed over.
    if (findBoth(rtb, rtb2, "Offset"))
        done.offsets = copyLines(rtb, rtb2, "Offset", 23, 2);

    if (counts)
        *counts = done;
    return rtb.text;
}

bool importParameters(ImportContext& context, ParamFiles& params)
{
    FileSystem& fs = context.fs;
    Dialogs& dialogs = context.dialogs;
    const QString carPath = params.carPath();

    const std::optional<QString> source = context.choosers.chooseParameters(
        context.startFolder, [&](const QString& path) { return acceptParameters(fs, dialogs, path); });
    if (!source)
        return false;
    const std::optional<QString> fileName =
        askNewFileName(fs, dialogs, carPath, QStringLiteral("Select the filename for Imported Parameters:"),
                       QStringLiteral("ImpParam"), QStringLiteral(".txt"));
    if (!fileName)
        return false;

    // Both texts are read before anything is written: the copy is written once, whole and merged.
    Result<QByteArray> text = fs.readFile(*source);
    if (!text.ok()) {
        dialogs.message(text.error().miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    Result<QByteArray> car = fs.readFile(params.pathOf(ParamFiles::currentFileName()));
    if (!car.ok()) {
        dialogs.message(car.error().miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    QByteArray copy = text.take();
    const QString title = params.par2(copy);
    copy = mergeCarLines(copy, car.value(), [&]() -> std::optional<QString> {
        const QStringList skins = Skins::skinsOf(fs, carPath);
        if (skins.isEmpty())
            return std::nullopt;
        return context.choosers.chooseSkin(carPath, skins);
    });
    if (Error e = fs.writeFileAtomic(joinPath(carPath, *fileName), copy)) {
        dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    params.addEntry(title.isEmpty() ? *fileName : title, *fileName);
    dialogs.inform(QStringLiteral("Import Successful"));
    return true;
}

bool importSkin(ImportContext& context, Skins& skins, const QString& carPath)
{
    FileSystem& fs = context.fs;
    Dialogs& dialogs = context.dialogs;
    const std::optional<QString> source = context.choosers.chooseBitmap(
        context.startFolder, [&](const QString& path) { return acceptBitmap(fs, dialogs, path); });
    if (!source)
        return false;
    const std::optional<QString> fileName =
        askNewFileName(fs, dialogs, carPath, QStringLiteral("Select the filename for Imported Skin:"),
                       QStringLiteral("Impskin"), QStringLiteral(".bmp"));
    if (!fileName)
        return false;
    if (Error e = fs.replaceFileAtomic(*source, joinPath(carPath, *fileName))) {
        dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    skins.addSkin(*fileName);
    dialogs.inform(QStringLiteral("Import Successful"));
    return true;
}

} // namespace parkwen
