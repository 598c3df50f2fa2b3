#include "details/textbuffer.h"

#include "platform/qt/localfilesystem.h"

#include <QTemporaryDir>
#include <QTest>

using namespace parkwen;

class TextBufferTest : public QObject
{
    Q_OBJECT
private slots:
    void loadAndSave_keepEveryByte()
    {
        QTemporaryDir dir;
        LocalFileSystem fs;
        QByteArray bytes("Name\t\"Caf\xe9\"\r\n\r\n}\r\n\x01\xff end", 26);
        QVERIFY(!fs.writeFile(dir.filePath("Parameters.TXT"), bytes));

        TextBuffer buffer;
        QVERIFY(!buffer.load(fs, dir.path(), QStringLiteral("parameters.txt")));
        QCOMPARE(buffer.length(), bytes.size());
        QVERIFY(!buffer.save(fs, dir.filePath("copy.txt")));
        QCOMPARE(fs.readFile(dir.filePath("copy.txt")).value(), bytes);
    }

    void loadMissingFile_failsAndLeavesBufferEmpty()
    {
        QTemporaryDir dir;
        LocalFileSystem fs;
        TextBuffer buffer(QStringLiteral("old"));
        const Error e = buffer.load(fs, dir.filePath("parameters.txt"));
        QCOMPARE(e.fault(), err::FileNotFound);
        QVERIFY(buffer.isEmpty());
    }

    void find_ignoresCaseSelectsAndLeavesCursorWhenAbsent()
    {
        TextBuffer buffer(QStringLiteral("TopSpeed 1; topspeed 2"));
        QCOMPARE(buffer.find(QStringLiteral("TOPSPEED"), 1), 12);
        QCOMPARE(buffer.selStart(), 12);
        QCOMPARE(buffer.selectedText(), QStringLiteral("topspeed"));
        QCOMPARE(buffer.find(QStringLiteral("Mass"), 0), -1);
        QCOMPARE(buffer.selStart(), 12);
        QCOMPARE(buffer.selLength(), 8);
        QCOMPARE(buffer.find(QStringLiteral("speed"), 99), -1);
    }

    void cursor_staysInsideText()
    {
        TextBuffer buffer(QStringLiteral("abc"));
        buffer.setPosition(10);
        QCOMPARE(buffer.position(), 3);
        buffer.setSelLength(5);
        QCOMPARE(buffer.selLength(), 0);
        buffer.setPosition(-4);
        QCOMPARE(buffer.position(), 0);
        buffer.setSelLength(9);
        QCOMPARE(buffer.selectedText(), QStringLiteral("abc"));
        QCOMPARE(buffer.mid(2, 9), QStringLiteral("c"));
        QCOMPARE(buffer.mid(3, 1), QString());
    }

    void selectUpToAndReplace_editBetweenQuotes()
    {
        TextBuffer buffer(QStringLiteral("Name \"Adeon\"\r\nTPAGE"));
        buffer.find(QStringLiteral("name"));
        QVERIFY(buffer.moveTo(QLatin1Char('"')));
        buffer.advance(1);
        QVERIFY(buffer.selectUpTo(QLatin1Char('"')));
        QCOMPARE(buffer.selectedText(), QStringLiteral("Adeon"));
        buffer.replaceSelection(QStringLiteral("Mine"));
        QCOMPARE(buffer.text(), QStringLiteral("Name \"Mine\"\r\nTPAGE"));
        QCOMPARE(buffer.position(), 10);
        QVERIFY(!buffer.selectUpTo(QLatin1Char('#')));
        QCOMPARE(buffer.selectedText(), QStringLiteral("\"\r\nTPAGE"));
    }
};

QTEST_GUILESS_MAIN(TextBufferTest)
#include "textbuffer_test.moc"
