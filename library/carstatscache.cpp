#include "library/carstatscache.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace parkwen {

namespace {

// Bumped whenever what a reading holds changes: an older file is then simply not used.
constexpr qint32 kVersion = 4;
constexpr quint32 kMagic = 0x50574353; // "PWCS"

QDataStream& operator<<(QDataStream& s, const std::optional<double>& v)
{
    return s << v.has_value() << v.value_or(0.0);
}

QDataStream& operator>>(QDataStream& s, std::optional<double>& v)
{
    bool has = false;
    double value = 0;
    s >> has >> value;
    v = has ? std::optional<double>(value) : std::nullopt;
    return s;
}

QDataStream& operator<<(QDataStream& s, const std::optional<QString>& v)
{
    return s << v.has_value() << v.value_or(QString());
}

QDataStream& operator>>(QDataStream& s, std::optional<QString>& v)
{
    bool has = false;
    QString value;
    s >> has >> value;
    v = has ? std::optional<QString>(value) : std::nullopt;
    return s;
}

// The class, the rating and the powered wheels as small numbers, -1 for none.
qint32 numberOf(const std::optional<PoweredWheels>& w)
{
    return w ? ((*w)[0] ? 8 : 0) | ((*w)[1] ? 4 : 0) | ((*w)[2] ? 2 : 0) | ((*w)[3] ? 1 : 0) : -1;
}

template <typename Enum> qint32 numberOf(const std::optional<Enum>& value)
{
    return value ? qint32(*value) : -1;
}

// A number outside the values reads as none: the file is only ever a copy of what was read.
template <typename Enum> std::optional<Enum> enumOf(qint32 number, Enum last)
{
    return number >= 0 && number <= qint32(last) ? std::optional<Enum>(Enum(number)) : std::nullopt;
}

std::optional<PoweredWheels> wheelsOf(qint32 n)
{
    if (n < 0 || n > 15)
        return std::nullopt;
    return PoweredWheels{bool(n & 8), bool(n & 4), bool(n & 2), bool(n & 1)};
}

void write(QDataStream& s, const CarReading& r)
{
    const CarRecord& c = r.car;
    const CarStatistics& st = c.stats;
    s << c.folderName << c.path << c.inGarage << c.hasParameters << c.listed << c.picture
      << c.nameInParameters << st.speedMph << st.massKg << numberOf(st.carClass) << numberOf(st.rating)
      << numberOf(st.poweredWheels) << st.gripPercent << st.turnPercent << st.accelPercent << st.baseCar
      << st.currentSkin << qint32(c.skins) << c.bytes << c.arrivedMs;
    s << qint32(c.problems.size());
    for (const CarProblem& p : c.problems)
        s << qint32(p.kind) << p.text;
    s << r.files << qint32(r.paths.size());
    for (const ParamPath& p : r.paths)
        s << p.key << p.path;
    const FileStamp& p = r.parametersStamp;
    s << r.parameters << r.folderNs << p.size << p.modifiedNs << p.changedNs << p.inode << p.device;
}

void read(QDataStream& s, CarReading& r)
{
    CarRecord& c = r.car;
    CarStatistics& st = c.stats;
    qint32 skins = 0;
    qint32 carClass = -1;
    qint32 rating = -1;
    qint32 wheels = -1;
    s >> c.folderName >> c.path >> c.inGarage >> c.hasParameters >> c.listed >> c.picture >>
        c.nameInParameters >> st.speedMph >> st.massKg >> carClass >> rating >> wheels >> st.gripPercent >>
        st.turnPercent >> st.accelPercent >> st.baseCar >> st.currentSkin >> skins >> c.bytes >> c.arrivedMs;
    st.carClass = enumOf(carClass, CarClass::Special);
    st.rating = enumOf(rating, Rating::Pro);
    st.poweredWheels = wheelsOf(wheels);
    c.skins = skins;
    qint32 count = 0;
    s >> count;
    for (qint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        qint32 kind = 0;
        CarProblem p;
        s >> kind >> p.text;
        p.kind = CarProblem::Kind(kind);
        c.problems << p;
    }
    s >> r.files >> count;
    for (qint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        ParamPath p;
        s >> p.key >> p.path;
        r.paths << p;
    }
    FileStamp& p = r.parametersStamp;
    s >> r.parameters >> r.folderNs >> p.size >> p.modifiedNs >> p.changedNs >> p.inode >> p.device;
}

} // namespace

CarStatsCache::CarStatsCache(QString file) : m_file(std::move(file))
{
    load();
}

void CarStatsCache::load()
{
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll(); // one read: far faster than the stream's small ones
    QDataStream s(bytes);
    quint32 magic = 0;
    qint32 version = 0;
    qint32 count = 0;
    s >> magic >> version >> count;
    if (magic != kMagic || version != kVersion)
        return;
    for (qint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        CarReading r;
        read(s, r);
        if (s.status() == QDataStream::Ok)
            m_old.insert(r.car.path, std::move(r));
    }
    if (s.status() != QDataStream::Ok)
        m_old.clear(); // a damaged file: read everything again
}

const CarReading* CarStatsCache::find(const QString& path) const
{
    auto it = m_old.constFind(path);
    return it == m_old.constEnd() ? nullptr : &*it;
}

void CarStatsCache::keep(const QString& path)
{
    auto it = m_old.find(path);
    if (it == m_old.end())
        return;
    m_new.insert(path, std::move(*it));
    m_old.erase(it);
}

void CarStatsCache::store(const CarReading& reading)
{
    m_new.insert(reading.car.path, reading);
    m_changed = true;
}

bool CarStatsCache::save()
{
    if (!m_changed && m_old.isEmpty()) {
        m_old = std::move(m_new);
        m_new.clear();
        return true;
    }
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream s(&file);
    s << kMagic << kVersion << qint32(m_new.size());
    for (const CarReading& r : std::as_const(m_new))
        write(s, r);
    if (s.status() != QDataStream::Ok || !file.commit())
        return false;
    m_old = std::move(m_new);
    m_new.clear();
    m_changed = false;
    return true;
}

} // namespace parkwen
