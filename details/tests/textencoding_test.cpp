#include "details/paramfiles.h"
#include "details/paramreader.h"
#include "details/paramtext.h"
#include "details/skins.h"
#include "details/tests/importfixtures.h"
#include "details/textbuffer.h"
#include "details/textencoding.h"
#include "tests/support/scripteddialogs.h"

#include "platform/qt/localfilesystem.h"
#include "platform/qt/qtpictures.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace parkwen;
using namespace parkwen::test;

// Names and texts of old cars (Windows-1252) and new ones (UTF-8).
class TextEncodingTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_car;
    LocalFileSystem m_fs;
    QtPictures m_pictures;
    ScriptedDialogs m_dialogs;

    // "Café € Racer" as an old car writes it, with CR LF line ends and a byte that is no UTF-8.
    static QByteArray oldParams() { return paramsText("old", "Caf\xe9 \x80 Racer"); }
    // The same name as a new car writes it, with LF line ends.
    static QByteArray newParams()
    {
        QByteArray text = paramsText("new", "Caf\xc3\xa9 \xe2\x82\xac Racer");
        return text.replace("\r\n", "\n");
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_car = makeFolder(m_dir.path(), QStringLiteral("car%1").arg(QRandomGenerator::global()->generate()));
        m_dialogs = ScriptedDialogs();
    }

    void windows1252_everyByteDecodesAndComesBack()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = fromWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20ac));
        QCOMPARE(text.at(0x9f), QChar(0x0178));
        QCOMPARE(text.at(0x81), QChar(0x0081));
        QCOMPARE(text.at(0xe9), QChar(0x00e9));
        QCOMPARE(toWindows1252(text).value(), all);
        QVERIFY(!toWindows1252(QStringLiteral("Жук")).has_value());
        QVERIFY(!toWindows1252(QStringLiteral("\u00a0\u0100")).has_value());
    }

    void utf8_validOnlyWhenEverySequenceIs()
    {
        QVERIFY(isValidUtf8("plain ASCII\r\n"));
        QVERIFY(isValidUtf8("Caf\xc3\xa9 \xe2\x82\xac"));
        QVERIFY(!isValidUtf8("Caf\xe9"));
        QVERIFY(!isValidUtf8("\xc0\xaf"));     // an overlong slash
        QVERIFY(!isValidUtf8("\xe2\x82"));     // cut short
        QVERIFY(!isValidUtf8("\xed\xa0\x80")); // a surrogate
        QCOMPARE(encodingOf(oldParams()), TextEncoding::Windows1252);
        QCOMPARE(encodingOf(newParams()), TextEncoding::Utf8);
    }

    void parameterList_showsOldAndNewNamesAlike_andCopiesBytesUnchanged()
    {
        writeBytes(m_car + "/parameters.txt", paramsText("own", "Own"));
        writeBytes(m_car + "/old.txt", oldParams());
        writeBytes(m_car + "/new.txt", newParams());
        ParamFiles p(m_fs, m_dialogs, m_car);
        p.fill();
        const QString name = QStringLiteral("Café € Racer");
        QCOMPARE(p.titles(), QStringList({"Current Parameters", name, name}));

        // The files are listed by name: new.txt, then old.txt.
        p.setAsCurrent(2);
        QCOMPARE(readBytes(m_car + "/parameters.txt"), oldParams());
        m_dialogs.queueInput(QStringLiteral("Kept"));
        QVERIFY(p.backUp());
        QCOMPARE(readBytes(m_car + "/Kept.txt"), oldParams());
        QCOMPARE(p.titles().last(), name);

        p.setAsCurrent(1);
        QCOMPARE(readBytes(m_car + "/parameters.txt"), newParams());
    }

    void title_isWrittenInTheFilesOwnEncoding()
    {
        ParamFiles p(m_fs, m_dialogs, m_car);
        const QString title = QStringLiteral("Señor €");

        QByteArray old = oldParams();
        m_dialogs.queueInput(title);
        QCOMPARE(p.askImportedTitle(old), title);
        QByteArray expectedOld = oldParams();
        expectedOld.replace("Caf\xe9 \x80 Racer", "Se\xf1or \x80");
        QCOMPARE(old, expectedOld);
        QCOMPARE(paramtext::nameOf(old), title);

        QByteArray fresh = newParams();
        m_dialogs.queueInput(title);
        QCOMPARE(p.askImportedTitle(fresh), title);
        QByteArray expectedNew = newParams();
        expectedNew.replace("Caf\xc3\xa9 \xe2\x82\xac Racer", title.toUtf8());
        QCOMPARE(fresh, expectedNew);

        // A title an old car's encoding cannot hold is asked again; a new car takes it.
        QVERIFY(m_dialogs.messages().isEmpty());
        old = oldParams();
        m_dialogs.queueInput(QStringLiteral("Жук"));
        m_dialogs.queueInput(QStringLiteral("Zhuk"));
        QCOMPARE(p.askImportedTitle(old), QStringLiteral("Zhuk"));
        QCOMPARE(m_dialogs.messages().size(), 1);
        fresh = newParams();
        m_dialogs.queueInput(QStringLiteral("Жук"));
        QCOMPARE(p.askImportedTitle(fresh), QStringLiteral("Жук"));
        QCOMPARE(paramtext::nameOf(fresh), QStringLiteral("Жук"));
        QCOMPARE(m_dialogs.messages().size(), 1);
    }

    void skinNamedBeyondAscii_isFoundInOldAndNewFiles()
    {
        const QString skin = QStringLiteral("Pïnk.bmp");
        writeSkin(m_car + "/" + skin);
        writeSkin(m_car + "/other.bmp");
        QByteArray old = oldParams();
        old.replace("\\car.bmp", "\\P\xefnk.bmp");
        QByteArray fresh = newParams();
        fresh.replace("\\car.bmp", "\\P\xc3\xafnk.bmp");
        for (const QByteArray& text : {old, fresh}) {
            TextBuffer buffer(QString::fromLatin1(text));
            CarStatistics stats;
            readStatistics(buffer, stats);
            QCOMPARE(stats.currentSkin, skin);
            Skins s(m_fs, m_pictures, m_dialogs, m_car);
            s.list(stats.currentSkin);
            QCOMPARE(s.others(), QStringList{"other.bmp"});
        }
    }

    void merge_writesTheChosenSkinInTheCarsEncoding()
    {
        const QString skin = QStringLiteral("Grün.bmp");
        const auto choose = [&]() -> std::optional<QString> { return skin; };
        const QByteArray fromOld = mergeCarLines(newParams(), oldParams(), choose);
        QVERIFY(fromOld.contains("TPAGE \t\"cars\\old\\Gr\xfcn.bmp\""));
        const QByteArray fromNew = mergeCarLines(oldParams(), newParams(), choose);
        QVERIFY(fromNew.contains("TPAGE \t\"cars\\new\\Gr\xc3\xbcn.bmp\""));
        // The imported file keeps its own name bytes.
        QVERIFY(fromNew.contains("Caf\xe9 \x80 Racer"));
    }
};

QTEST_GUILESS_MAIN(TextEncodingTest)
#include "textencoding_test.moc"
