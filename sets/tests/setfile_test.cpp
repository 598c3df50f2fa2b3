#include "sets/setfile.h"

#include <QTest>

using namespace parkwen;

class SetFileTest : public QObject
{
    Q_OBJECT
private slots:
    void twoMembers_areQuotedRecordsEndingInCrLf()
    {
        const QByteArray bytes = setFileBytes({QStringLiteral("Alpha"), QStringLiteral("Beta")});
        QCOMPARE(bytes, QByteArray("\"Alpha\"\r\n\"Beta\"\r\n"));
        QCOMPARE(bytes.size(), 17); // 1 + 5 + 1 + 2 for Alpha, 1 + 4 + 1 + 2 for Beta
        QCOMPARE(readSetFileBytes(bytes), QStringList({"Alpha", "Beta"}));
    }

    void emptySet_isZeroBytesAndReadsNoMember()
    {
        QCOMPARE(setFileBytes({}), QByteArray());
        QCOMPARE(readSetFileBytes(QByteArray()), QStringList());
    }

    void namesRoundTripExactly_withQuotesSpacesAndNonAsciiLetters()
    {
        const QStringList names{QStringLiteral("my \"fast\" car"), QStringLiteral("Café GT"),
                                QStringLiteral("Москвич"), QStringLiteral("R5Turbo")};
        QCOMPARE(readSetFileBytes(setFileBytes(names)), names);
    }

    void singleByteNamesFromElsewhere_readAsLatin1()
    {
        QCOMPARE(readSetFileBytes(QByteArray("\"Caf\xe9\"\r\n")), QStringList({QStringLiteral("Café")}));
    }

    void damagedFiles_readWithoutCrashing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("short records give empty names")
            << QByteArray("\r\n\"\r\n\"A\"\r\n") << QStringList{"", "", "A"};
        QTest::newRow("last record without CR LF")
            << QByteArray("\"A\"\r\n\"Beta\"") << QStringList{"A", "Beta"};
        QTest::newRow("last record without closing quote") << QByteArray("\"Beta") << QStringList{"Beta"};
        QTest::newRow("lone quote") << QByteArray("\"") << QStringList{""};
        QTest::newRow("CR at the very end") << QByteArray("\"A\"\r") << QStringList{"A"};
        QTest::newRow("CR without LF eats next character")
            << QByteArray("\"A\"\r\"B\"\r\n") << QStringList{"A", ""};
        QTest::newRow("unquoted line loses its ends") << QByteArray("Alpha\r\n") << QStringList{"lph"};
        QTest::newRow("LF only file is one record")
            << QByteArray("\"A\"\n\"B\"\n") << QStringList{"A\"\n\"B\"\n"};
    }
    void damagedFiles_readWithoutCrashing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        QCOMPARE(readSetFileBytes(bytes), names);
    }

    void fileName_addsPknUnlessNameEndsInExactlyPkn()
    {
        QCOMPARE(setFileName(QStringLiteral("Race")), QStringLiteral("Race.pkn"));
        QCOMPARE(setFileName(QStringLiteral("Race.pkn")), QStringLiteral("Race.pkn"));
        QCOMPARE(setFileName(QStringLiteral("Race.PKN")), QStringLiteral("Race.PKN.pkn"));
        QCOMPARE(setFileName(QStringLiteral("pkn")), QStringLiteral("pkn.pkn"));
    }

    void fileNames_thatLeaveTheFolderOrHide_areRefused()
    {
        for (const char* bad : {"a/b.pkn", "..\\x.pkn", "..pkn", "...pkn", ".pkn", ".hidden.pkn"})
            QVERIFY2(!setFileNameProblem(QString::fromUtf8(bad)).isEmpty(), bad);
        QVERIFY(!setFileNameProblem(QString(241, QLatin1Char('x'))).isEmpty());
        for (const char* good : {"Race.pkn", "Race.PKN.pkn", "a.b.pkn", "  .pkn", "Night 1 (40 cars).pkn"})
            QVERIFY2(setFileNameProblem(QString::fromUtf8(good)).isEmpty(), good);
    }
};

QTEST_GUILESS_MAIN(SetFileTest)
#include "setfile_test.moc"
