#include "app/cli/carjson.h"

#include "details/statcaptions.h"
#include "library/carhealth.h"

#include <QDateTime>
#include <QJsonArray>

namespace parkwen {

namespace {

QJsonValue numberOrNull(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

// A percentage as the bar's tooltip gives it; null where the file did not give the values.
QJsonValue percentOf(const std::optional<double>& percent)
{
    return percent ? QJsonValue(roundedPercent(*percent)) : QJsonValue();
}

QString kindName(CarProblem::Kind kind)
{
    switch (kind) {
    case CarProblem::Kind::BrokenPath:
        return QStringLiteral("broken-path");
    case CarProblem::Kind::NotListed:
        return QStringLiteral("not-listed");
    case CarProblem::Kind::BorrowedParts:
        return QStringLiteral("variant");
    case CarProblem::Kind::SameName:
        return QStringLiteral("same-name");
    case CarProblem::Kind::SameFolderName:
        return QStringLiteral("same-folder-name");
    case CarProblem::Kind::NotACar:
        return QStringLiteral("not-a-car");
    case CarProblem::Kind::Leftover:
        return QStringLiteral("leftover");
    }
    return QString();
}

} // namespace

QJsonObject statisticsJson(const CarStatistics& stats)
{
    QJsonObject object;
    object[QStringLiteral("speed")] = numberOrNull(stats.speedMph);
    object[QStringLiteral("class")] = textOrNull(classText(stats));
    object[QStringLiteral("rating")] = textOrNull(ratingText(stats));
    object[QStringLiteral("grip")] = percentOf(stats.gripPercent);
    object[QStringLiteral("turn")] = percentOf(stats.turnPercent);
    object[QStringLiteral("acceleration")] = percentOf(stats.accelPercent);
    object[QStringLiteral("mass")] = numberOrNull(stats.massKg);
    object[QStringLiteral("transmission")] = textOrNull(transmissionText(stats));
    object[QStringLiteral("base")] = textOrNull(baseText(stats));
    object[QStringLiteral("skin")] = textOrNull(stats.currentSkin);
    return object;
}

QJsonObject carJson(const CarRecord& car)
{
    // A folder without car parameters has no statistics; nulls say so rather than the readers'
    // empty captions.
    QJsonObject object = statisticsJson(car.hasParameters ? car.stats : CarStatistics());
    if (!car.hasParameters)
        for (const QString& key : object.keys())
            object[key] = QJsonValue();
    object[QStringLiteral("car")] = car.folderName;
    object[QStringLiteral("folder")] = car.inGarage ? QStringLiteral("garage") : QStringLiteral("car");
    object[QStringLiteral("path")] = car.path;
    object[QStringLiteral("name")] = textOrNull(car.nameInParameters);
    object[QStringLiteral("listed")] = car.listed;
    object[QStringLiteral("picture")] = textOrNull(car.picture);
    object[QStringLiteral("skins")] = car.skins;
    object[QStringLiteral("bytes")] = double(car.bytes);
    object[QStringLiteral("arrived")] =
        QDateTime::fromMSecsSinceEpoch(car.arrivedMs, Qt::UTC).toString(Qt::ISODate);
    object[QStringLiteral("healthy")] = car.healthy();
    QJsonArray problems;
    for (const CarProblem& p : car.problems) {
        QJsonObject problem;
        problem[QStringLiteral("kind")] = kindName(p.kind);
        problem[QStringLiteral("text")] = p.text;
        if (!p.path.isEmpty())
            problem[QStringLiteral("path")] = p.path;
        if (!p.fixedPath.isEmpty())
            problem[QStringLiteral("fix")] = p.fixedPath;
        if (!p.other.isEmpty())
            problem[QStringLiteral("other")] = p.other;
        problems.append(problem);
    }
    object[QStringLiteral("problems")] = problems;
    return object;
}

} // namespace parkwen
