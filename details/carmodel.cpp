#include "details/carmodel.h"

#include "details/paramrefs.h"
#include "details/textencoding.h"

#include <QCoreApplication>

namespace parkwen {

namespace {

// The non-empty runs of `text` between the characters `isSeparator` picks. Every car's picture may
// be drawn from its models at start-up, so this runs over thousands of parameter files: no
// regular expression.
template <typename Separator> QStringList splitAt(const QString& text, Separator isSeparator)
{
    QStringList parts;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || isSeparator(text[i])) {
            if (start >= 0)
                parts << text.mid(start, i - start);
            start = -1;
        } else if (start < 0) {
            start = i;
        }
    }
    return parts;
}

QString partName(int wheel)
{
    static const char* const names[] = {QT_TRANSLATE_NOOP("CarModel", "wheel 1 (front left)"),
                                        QT_TRANSLATE_NOOP("CarModel", "wheel 2 (front right)"),
                                        QT_TRANSLATE_NOOP("CarModel", "wheel 3 (back left)"),
                                        QT_TRANSLATE_NOOP("CarModel", "wheel 4 (back right)")};
    return QCoreApplication::translate("CarModel", names[wheel]);
}

// The words of a line without its comment; a line starting with ";)" counts, as today's game reads it.
QStringList wordsOf(QString line, QString& quoted)
{
    line = line.trimmed();
    if (line.startsWith(QLatin1String(";)")))
        line = line.mid(2);
    const qsizetype open = line.indexOf(QLatin1Char('"'));
    const qsizetype comment = line.indexOf(QLatin1Char(';'));
    quoted.clear();
    if (open >= 0 && (comment < 0 || open < comment)) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), open + 1);
        // A value whose closing quote is missing ("NONE) runs to the end of the line.
        quoted = close < 0 ? line.mid(open + 1) : line.mid(open + 1, close - open - 1);
        line = line.left(open);
    } else if (comment >= 0) {
        line = line.left(comment);
    }
    return splitAt(line, [](QChar c) {
        // Blanks as a regular expression's \s reads them (ASCII only), and commas.
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == u',';
    });
}

bool is(const QString& word, const char* key)
{
    return word.compare(QLatin1String(key), Qt::CaseInsensitive) == 0;
}

QVector3D vectorOf(const QStringList& words)
{
    return QVector3D(words.value(1).toFloat(), words.value(2).toFloat(), words.value(3).toFloat());
}

struct Block
{
    CarLayout::Part* part = nullptr;
    QVector3D offset2;
    int depth = -1; // how deep its braces stand; the whole file is often inside a pair of its own
};

void readBlockLine(Block& block, const QStringList& words)
{
    if (!block.part || words.isEmpty())
        return;
    const QString& key = words.first();
    if (is(key, "ModelNum")) {
        bool ok = false;
        const int model = words.value(1).toInt(&ok);
        block.part->model = ok ? model : -1;
    } else if (is(key, "Offset") || is(key, "Offset1")) {
        block.part->offset = vectorOf(words);
    } else if (is(key, "Offset2")) {
        block.offset2 = vectorOf(words);
    } else if (is(key, "IsPresent")) {
        block.part->present = is(words.value(1), "TRUE");
    }
}

// The part a block heading names ("WHEEL 2 {"); nullptr for blocks that place no model here.
CarLayout::Part* partOf(CarLayout& layout, const QStringList& words)
{
    const QString& key = words.first();
    if (is(key, "BODY"))
        return &layout.body;
    if (is(key, "SPINNER"))
        return &layout.spinner;
    if (is(key, "WHEEL")) {
        bool ok = false;
        const int n = words.value(1).toInt(&ok);
        if (ok && n >= 0 && n < CarLayout::WheelCount)
            return &layout.wheels[size_t(n)];
    }
    return nullptr;
}

// A step down from `folder` to the entry named `name` in any letter case; empty when there is none.
QString walk(FileSystem& fs, QString folder, const QStringList& parts)
{
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return QString();
        const QString next = joinPath(folder, fs.resolve(folder, part));
        if (!fs.exists(next))
            return QString();
        folder = next;
    }
    return parts.isEmpty() ? QString() : folder;
}

QString parentOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

CarLayout readCarLayout(const QByteArray& parameters)
{
    CarLayout layout;
    for (auto& wheel : layout.wheels)
        wheel.present = false;
    layout.spinner.present = true;
    const QString text = decodeText(parameters, encodingOf(parameters));
    Block block;
    int depth = 0;
    for (const QString& line : splitAt(text, [](QChar c) { return c == u'\r' || c == u'\n'; })) {
        QString quoted;
        QStringList words = wordsOf(line, quoted);
        if (words.isEmpty())
            continue;
        if (!block.part && is(words.first(), "MODEL") && !quoted.isNull()) {
            bool ok = false;
            const int n = words.value(1).toInt(&ok);
            const QString path = quoted.trimmed();
            if (ok && n >= 0 && n < CarLayout::ModelCount)
                layout.models[size_t(n)] = is(path, "NONE") ? QString() : path;
        } else if (!block.part && is(words.first(), "TPAGE") && !quoted.isNull()) {
            layout.skin = quoted.trimmed();
        }
        const qsizetype open = words.indexOf(QStringLiteral("{"));
        if (open >= 0) {
            ++depth;
            if (!block.part) {
                if (CarLayout::Part* part = partOf(layout, words)) {
                    block = Block{part, QVector3D(), depth};
                    words = words.mid(open + 1);
                }
            }
        }
        if (block.part && depth == block.depth && !words.isEmpty() && words.first() != QLatin1String("}"))
            readBlockLine(block, words);
        if (words.contains(QStringLiteral("}")) && depth > 0) {
            if (block.part && depth == block.depth) {
                block.part->offset += block.offset2;
                block = Block{};
            }
            --depth;
        }
    }
    return layout;
}

QString resolveCarFile(FileSystem& fs, const QString& carPath, const QString& carFolder, const QString& path)
{
    const QStringList parts = pathParts(path);
    if (parts.size() >= 3 && parts[1].compare(lastName(carPath), Qt::CaseInsensitive) == 0) {
        const QString own = walk(fs, carPath, parts.mid(2));
        if (!own.isEmpty())
            return own;
    }
    if (parts.size() >= 2) {
        const QString beside = walk(fs, parentOf(carPath), parts.mid(1));
        if (!beside.isEmpty())
            return beside;
        if (!carFolder.isEmpty()) {
            const QString inCars = walk(fs, carFolder, parts.mid(1));
            if (!inCars.isEmpty())
                return inCars;
        }
    }
    return carFolder.isEmpty() ? QString() : walk(fs, parentOf(carFolder), parts);
}

namespace {

// Reads one part's model; the error says which part and file when it cannot be drawn.
Result<CarPart> readPart(FileSystem& fs, const QString& carPath, const QString& carFolder,
                         const CarLayout& layout, const CarLayout::Part& part, const QString& what)
{
    if (part.model < 0 || part.model >= CarLayout::ModelCount || layout.models[size_t(part.model)].isEmpty())
        return Error(err::FileNotFound,
                     QCoreApplication::translate("CarModel", "%1 names no model (model %2)")
                         .arg(what)
                         .arg(part.model));
    const QString written = layout.models[size_t(part.model)];
    const QString file = resolveCarFile(fs, carPath, carFolder, written);
    if (file.isEmpty())
        return Error(
            err::FileNotFound,
            QCoreApplication::translate("CarModel", "%1: the model \"%2\" is not there").arg(what, written));
    Result<PrmModel> model = loadPrm(fs, file);
    if (!model.ok())
        return Error(model.error().fault(), QCoreApplication::translate("CarModel", "%1: \"%2\": %3")
                                                .arg(what, written, model.error().description()));
    if (model.value().meshes.isEmpty() || model.value().meshes.first().polygons.isEmpty())
        return Error(err::InvalidPicture,
                     QCoreApplication::translate("CarModel", "%1: the model \"%2\" holds no polygons")
                         .arg(what, written));
    return CarPart{what, file, part.offset, model.value().meshes.first()};
}

} // namespace

CarModel readCarModel(FileSystem& fs, const QString& carPath, const QString& carFolder)
{
    CarModel car;
    const QString parameters = joinPath(carPath, fs.resolve(carPath, QStringLiteral("parameters.txt")));
    Result<QByteArray> text = fs.readFile(parameters);
    if (!text.ok()) {
        car.bodyError = Error(
            text.error().fault(),
            QCoreApplication::translate("CarModel", "parameters.txt: %1").arg(text.error().description()));
        return car;
    }
    const CarLayout layout = readCarLayout(text.value());
    const QStringList skin = pathParts(layout.skin);
    if (!skin.isEmpty()) {
        const QString file = joinPath(carPath, fs.resolve(carPath, skin.last()));
        if (fs.exists(file) && !fs.isFolder(file))
            car.skinPath = file;
    }

    Result<CarPart> body = readPart(fs, carPath, carFolder, layout, layout.body,
                                    QCoreApplication::translate("CarModel", "The body"));
    if (!body.ok()) {
        car.bodyError = body.error();
        return car;
    }
    car.body = body.take();
    car.body.offset = QVector3D();
    for (int i = 0; i < CarLayout::WheelCount; ++i) {
        const CarLayout::Part& wheel = layout.wheels[size_t(i)];
        if (!wheel.present)
            continue;
        Result<CarPart> part = readPart(fs, carPath, carFolder, layout, wheel, partName(i));
        if (part.ok())
            car.parts << part.take();
        else
            car.missing << part.error().description();
    }
    if (layout.spinner.model >= 0) {
        Result<CarPart> part = readPart(fs, carPath, carFolder, layout, layout.spinner,
                                        QCoreApplication::translate("CarModel", "the spinner"));
        if (part.ok())
            car.parts << part.take();
        else
            car.missing << part.error().description();
    }
    return car;
}

} // namespace parkwen
