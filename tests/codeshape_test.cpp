// Holds the source tree to the shape ARCHITECTURE.md draws: includes point down the layers, no
// header includes itself round a circle, and outside the tests no file passes 600 lines and no
// function 100.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr int MaxFileLines = 600;
constexpr int MaxFunctionLines = 100;

struct SourceFile
{
    QString path; // from the top of the tree
    QStringList lines;
    QStringList includes; // project headers, from the top of the tree
};

QString folderOf(const QString& path)
{
    return path.section(QLatin1Char('/'), 0, 0);
}

bool isTestCode(const QString& path)
{
    return path.startsWith(QLatin1String("tests/")) || path.contains(QLatin1String("/tests/"));
}

bool isWindowCode(const QString& path)
{
    return path.contains(QLatin1String("/ui/"));
}

// The top: the programs, the command line and the benchmarks may use every window.
bool isTop(const QString& folder)
{
    return folder == QLatin1String("app") || folder == QLatin1String("bench");
}

QHash<QString, int> layers()
{
    QHash<QString, int> ranks;
    for (const QString& entry : QStringLiteral(PARKWEN_LAYERS).split(QLatin1Char(','), Qt::SkipEmptyParts))
        ranks.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1).toInt());
    return ranks;
}

QList<SourceFile> readTree()
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+\\.h)\""));
    const QDir top(QStringLiteral(PARKWEN_SOURCE_DIR));
    const QHash<QString, int> ranks = layers();
    QList<SourceFile> files;
    QDirIterator it(top.path(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = top.relativeFilePath(it.next());
        if (!ranks.contains(folderOf(path)))
            continue; // build folders and the like
        QFile file(it.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        SourceFile source{path, QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')), {}};
        if (source.lines.endsWith(QString()))
            source.lines.removeLast();
        for (const QString& line : std::as_const(source.lines)) {
            const QRegularExpressionMatch m = include.match(line);
            if (m.hasMatch())
                source.includes << m.captured(1);
        }
        files << source;
    }
    return files;
}

// Function bodies as the house style writes them: a "{" alone at the start of a line after the
// head, up to the "}" alone at the start of a line. Class bodies are not functions.
QStringList longFunctions(const SourceFile& file)
{
    static const QRegularExpression typeHead(
        QStringLiteral("^(template\\s*<.*>\\s*)?(class|struct|union|enum)\\b"));
    QStringList found;
    const QStringList& lines = file.lines;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i] != QLatin1String("{"))
            continue;
        int head = i - 1;
        while (head > 0 && (lines[head].isEmpty() || lines[head].front().isSpace()))
            --head;
        int end = i + 1;
        while (end < lines.size() && lines[end] != QLatin1String("}") && lines[end] != QLatin1String("};"))
            ++end;
        if (head >= 0 && typeHead.match(lines[head]).hasMatch()) {
            continue;
        }
        if (end - i + 1 > MaxFunctionLines)
            found << QStringLiteral("%1:%2 (%3 lines)").arg(file.path).arg(i + 1).arg(end - i + 1);
        i = end;
    }
    return found;
}

} // namespace

class CodeShapeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_files = readTree();
        QVERIFY2(m_files.size() > 100, "the source tree was not found");
    }

    // A layer uses only the layers below it, and logic never a window; the top uses everything.
    void includes_pointDownTheLayers()
    {
        const QHash<QString, int> ranks = layers();
        QStringList wrong;
        for (const SourceFile& file : std::as_const(m_files)) {
            if (isTestCode(file.path))
                continue;
            const QString folder = folderOf(file.path);
            for (const QString& header : file.includes) {
                const QString used = folderOf(header);
                if (!ranks.contains(used))
                    continue;
                const bool window =
                    isWindowCode(header) && !isTop(folder) && (!isWindowCode(file.path) || used != folder);
                const bool up = used != folder && ranks.value(used) >= ranks.value(folder);
                if (window || up)
                    wrong << file.path + QStringLiteral(" includes ") + header;
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void includes_nameTheirFolderAndFormNoCircle()
    {
        QHash<QString, QStringList> edges;
        QStringList unnamed;
        for (const SourceFile& file : std::as_const(m_files))
            for (const QString& header : file.includes) {
                if (!header.contains(QLatin1Char('/')))
                    unnamed << file.path + QStringLiteral(" includes ") + header;
                edges[file.path] << header;
            }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));

        // Depth-first, with the path so far: a header met again on its own path closes a circle.
        enum class Mark { New, OnPath, Done };
        QHash<QString, Mark> marks;
        QStringList path;
        QString circle;
        std::function<void(const QString&)> visit = [&](const QString& node) {
            marks[node] = Mark::OnPath;
            path << node;
            for (const QString& next : edges.value(node)) {
                if (!circle.isEmpty())
                    return;
                if (marks.value(next) == Mark::OnPath)
                    circle = (path.mid(path.indexOf(next)) << next).join(QStringLiteral(" -> "));
                else if (marks.value(next) == Mark::New)
                    visit(next);
            }
            path.removeLast();
            marks[node] = Mark::Done;
        };
        for (const SourceFile& file : std::as_const(m_files))
            if (marks.value(file.path) == Mark::New && circle.isEmpty())
                visit(file.path);
        QVERIFY2(circle.isEmpty(), qPrintable(circle));
    }

    void filesAndFunctions_stayShortOutsideTheTests()
    {
        QStringList tooLong;
        for (const SourceFile& file : std::as_const(m_files)) {
            if (isTestCode(file.path))
                continue;
            if (file.lines.size() > MaxFileLines)
                tooLong << QStringLiteral("%1 (%2 lines)").arg(file.path).arg(file.lines.size());
            tooLong << longFunctions(file);
        }
        QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong.join(QLatin1Char('\n'))));
    }

    // The names the windows give their controls and handlers stay in the windows (and the tests that
    // find controls by them); below the windows names say what things do. Strings are not names: a
    // benchmark may find a control by its name.
    void formNames_stayInTheWindows()
    {
        static const QRegularExpression formName(QStringLiteral(
            "\\b(\\w+_(Click|DblClick|NodeClick|Change|Timer|KeyDown|KeyPress|Unload)|loadparams|Formatt|"
            "par2?(?=\\()|"
            "OtherIm|kakar|Xtrabmps|PicSel|Cart_It|Cart3|Gartery|Garter|Carter|LoadCard|LoadGuard|Pikcha|"
            "PikFra|Electricity)\\b"));
        static const QRegularExpression literal(QStringLiteral("\"(\\\\.|[^\"\\\\])*\""));
        QStringList found;
        for (const SourceFile& file : std::as_const(m_files)) {
            // The programs deliver their windows' first events (rigwell's Form_Load).
            if (isTestCode(file.path) || isWindowCode(file.path) ||
                file.path.startsWith(QLatin1String("app/main/")))
                continue;
            for (int i = 0; i < file.lines.size(); ++i) {
                QString line = file.lines[i];
                line.remove(literal);
                const QRegularExpressionMatch m = formName.match(line);
                if (m.hasMatch())
                    found << QStringLiteral("%1:%2: %3").arg(file.path).arg(i + 1).arg(m.captured(1));
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

private:
    QList<SourceFile> m_files;
};

QTEST_GUILESS_MAIN(CodeShapeTest)
#include "codeshape_test.moc"
