#include "details/imports.h"

#include "details/naming.h"
#include "details/paramtext.h"
#include "details/textbuffer.h"
#include "details/textencoding.h"

#include <QCoreApplication>

namespace parkwen {

bool acceptParameters(FileSystem& fs, Dialogs& dialogs, const QString& path)
{
    Result<QByteArray> text = fs.readFile(path);
    if (!text.ok()) {
        dialogs.message(text.error().miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    if (!paramtext::isParameterText(text.value())) {
        dialogs.message(QCoreApplication::translate(
                            "Imports", "Not A valid Parameter Set! Please Select a valid set of Parameters."),
                        Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

bool acceptBitmap(FileSystem& fs, Pictures& pictures, Dialogs& dialogs, const QString& path)
{
    if (!Skins::isSkin(fs, pictures, path)) {
        dialogs.message(
            QCoreApplication::translate("Imports", "Not a valid Skin. Please Select another Skin"),
            Dialogs::Icon::Exclamation);
        return false;
    }
    return true;
}

namespace {

// Finds `word` from `from` and selects its line, up to the line break.
bool takeLine(TextBuffer& b, const QString& word, int from)
{
    if (b.find(word, from) < 0)
        return false;
    int end = b.position();
    while (end < b.length() && b.at(end) != QLatin1Char('\r') && b.at(end) != QLatin1Char('\n'))
        ++end;
    b.setSelLength(end - b.position());
    return true;
}

// Where the next search starts: `skip` characters on from the position, but never past the start of
// the next line when the position stands on a line break. After a copied line the position stands on
// its line break; the skip is meant to pass it, whether the file ends its lines in CR LF or LF.
int searchFrom(const TextBuffer& b, int skip)
{
    const int at = b.position();
    int lineBreak = 0;
    if (b.at(at) == QLatin1Char('\r'))
        lineBreak = b.at(at + 1) == QLatin1Char('\n') ? 2 : 1;
    else if (b.at(at) == QLatin1Char('\n'))
        lineBreak = 1;
    return at + (lineBreak > 0 ? qMin(skip, lineBreak) : skip);
}

// Takes the line of `word` in both buffers, each from its position + `skip`. When either lacks it,
// both are left as they were.
bool takeBoth(TextBuffer& rtb, TextBuffer& rtb2, const QString& word, int skip)
{
    const TextBuffer keep1 = rtb;
    const TextBuffer keep2 = rtb2;
    if (takeLine(rtb, word, searchFrom(rtb, skip)) && takeLine(rtb2, word, searchFrom(rtb2, skip)))
        return true;
    rtb = keep1;
    rtb2 = keep2;
    return false;
}

// Copies up to `times` lines of `word` from the car into the import; returns how many it copied.
int copyLines(TextBuffer& rtb, TextBuffer& rtb2, const QString& word, int times, int skip)
{
    int done = 0;
    while (done < times && takeBoth(rtb, rtb2, word, skip)) {
        rtb.replaceSelection(rtb2.selectedText());
        ++done;
    }
    return done;
}

// Finds the first occurrence of `word` in both buffers; it is passed over, not copied.
bool findBoth(TextBuffer& rtb, TextBuffer& rtb2, const QString& word)
{
    const TextBuffer keep1 = rtb;
    const TextBuffer keep2 = rtb2;
    if (rtb.find(word, 0) >= 0 && rtb2.find(word, 0) >= 0)
        return true;
    rtb = keep1;
    rtb2 = keep2;
    return false;
}

} // namespace

QByteArray mergeCarLines(const QByteArray& imported, const QByteArray& car,
                         const std::function<std::optional<QString>()>& chooseSkin, MergeCounts* counts)
{
    TextBuffer rtb(QString::fromLatin1(imported));
    TextBuffer rtb2(QString::fromLatin1(car));
    MergeCounts done;

    // Model lines: the first "MODEL" (the heading of the model block) is passed over.
    if (findBoth(rtb, rtb2, QStringLiteral("MODEL")))
        done.models = copyLines(rtb, rtb2, QStringLiteral("MODEL"), 19, 1);

    // Texture line: the car's own line, its file name replaced by the chosen skin.
    if (takeBoth(rtb, rtb2, QStringLiteral("TPAGE"), 1)) {
        TextBuffer r3(rtb2.selectedText());
        qsizetype nameStart =
            qMax(r3.text().lastIndexOf(QLatin1Char('\\')), r3.text().lastIndexOf(QLatin1Char('/')));
        if (nameStart < 0)
            nameStart = r3.text().indexOf(QLatin1Char('"'));
        if (nameStart >= 0 && chooseSkin) {
            if (const std::optional<QString> skin = chooseSkin()) {
                // The line is the car's own, so the name is written in the car file's encoding
                // (as UTF-8 when Windows-1252 has no bytes for it).
                std::optional<QByteArray> bytes = encodeText(*skin, encodingOf(car));
                if (!bytes)
                    bytes = skin->toUtf8();
                r3.select(int(nameStart) + 1, r3.length());
                r3.replaceSelection(QString::fromLatin1(*bytes) + QLatin1Char('"'));
            }
        }
        const QString line = r3.text();
        rtb.replaceSelection(line);
        done.textures = 1;
    }

    done.collisions = copyLines(rtb, rtb2, QStringLiteral("COLL"), 1, 1);
    done.modelNumbers = copyLines(rtb, rtb2, QStringLiteral("ModelNum"), 20, 1);

    // Offset lines: the first "Offset" is passed over.
    if (findBoth(rtb, rtb2, QStringLiteral("Offset")))
        done.offsets = copyLines(rtb, rtb2, QStringLiteral("Offset"), 23, 2);

    if (counts)
        *counts = done;
    return rtb.bytes();
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
        askNewFileName(fs, dialogs, carPath,
                       QCoreApplication::translate("Imports", "Select the filename for Imported Parameters:"),
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
    const QString title = params.askImportedTitle(copy);
    copy = mergeCarLines(copy, car.value(), [&]() -> std::optional<QString> {
        const QStringList skins = Skins::skinsOf(fs, context.pictures, carPath);
        if (skins.isEmpty())
            return std::nullopt;
        return context.choosers.chooseSkin(carPath, skins);
    });
    CarDoor::Pass pass = CarDoor::enter(params.door());
    if (!pass)
        return false;
    if (Error e = fs.writeFileAtomic(joinPath(carPath, *fileName), copy)) {
        dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    pass.reset();
    params.addEntry(title.isEmpty() ? *fileName : title, *fileName);
    dialogs.inform(QCoreApplication::translate("Imports", "Import Successful"));
    return true;
}

bool importSkin(ImportContext& context, Skins& skins, const QString& carPath)
{
    FileSystem& fs = context.fs;
    Dialogs& dialogs = context.dialogs;
    const std::optional<QString> source =
        context.choosers.chooseBitmap(context.startFolder, [&](const QString& path) {
            return acceptBitmap(fs, context.pictures, dialogs, path);
        });
    if (!source)
        return false;
    const std::optional<QString> fileName =
        askNewFileName(fs, dialogs, carPath,
                       QCoreApplication::translate("Imports", "Select the filename for Imported Skin:"),
                       QStringLiteral("Impskin"), QStringLiteral(".bmp"));
    if (!fileName)
        return false;
    CarDoor::Pass pass = CarDoor::enter(skins.door());
    if (!pass)
        return false;
    if (Error e = fs.replaceFileAtomic(*source, joinPath(carPath, *fileName))) {
        dialogs.message(e.miscMessage(), Dialogs::Icon::Exclamation);
        return false;
    }
    pass.reset();
    skins.addSkin(*fileName);
    dialogs.inform(QCoreApplication::translate("Imports", "Import Successful"));
    return true;
}

} // namespace parkwen
