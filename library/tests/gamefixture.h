#pragma once

#include "library/gamecontent.h"
#include "tests/support/testlibrary.h"

namespace parkwen::test {

// A game folder as players run it today: its own cars, three packs (one of them not loaded), a
// packlist in CR LF with a comment, a line naming a missing pack, an empty pack and the writable
// `local *`.
struct Game
{
    QTemporaryDir root;
    QString game = makeFolder(root.path(), QStringLiteral("rvgl"));
    QString packs = makeFolder(game, QStringLiteral("packs"));
    LocalFileSystem fs;

    Game()
    {
        makeFolder(game, QStringLiteral("cars"));
        for (const char* pack : {"rva", "io", "spare"})
            makeFolder(packs, QString::fromLatin1(pack) + QStringLiteral("/cars"));
        makeFolder(packs, QStringLiteral("local")); // where the game will write; nothing yet
        makeFolder(packs, QStringLiteral("empty")); // loaded, with nothing the game reads
        addCar(QStringLiteral("default"), QStringLiteral("adeon"));
        addCar(QStringLiteral("default"), QStringLiteral("toyeca"));
        addCar(QStringLiteral("rva"), QStringLiteral("toyeca"), "MODEL 0 \"cars\\toyeca\\body.prm\"\n");
        addCar(QStringLiteral("rva"), QStringLiteral("dart"));
        addCar(QStringLiteral("io"), QStringLiteral("dart"), "MODEL 0 \"cars\\dart\\body.prm\"\n", false);
        addCar(QStringLiteral("spare"), QStringLiteral("wisp"));
        writeBytes(packs + QStringLiteral("/default.txt"),
                   "; my race packs\r\ndefault\r\nrva\r\nio\r\nghost\r\nempty\r\n;spare\r\nlocal *\r\n");
    }
    QString carsOf(const QString& pack) const
    {
        return pack == QLatin1String("default") ? game + QStringLiteral("/cars")
                                                : packs + QLatin1Char('/') + pack + QStringLiteral("/cars");
    }
    // A car folder with a parameters.txt (naming `params`' files) and, unless left out, its model.
    void addCar(const QString& pack, const QString& name, const QByteArray& params = "Name \"x\"\n",
                bool withModel = true)
    {
        const QString car = makeFolder(carsOf(pack), name);
        writeBytes(car + QStringLiteral("/parameters.txt"), params);
        if (withModel)
            writeBytes(car + QStringLiteral("/body.prm"), pack.toUtf8());
        writeBytes(car + QStringLiteral("/car.bmp"), pack.toUtf8());
    }
    GameContent read(const QString& packlist = QString())
    {
        return GameContent::read(fs, *GameFolder::of(carsOf(QStringLiteral("default"))), packlist);
    }
};

} // namespace parkwen::test
