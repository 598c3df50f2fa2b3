// hovlen: the help viewer that Parkwen's Help button (F2) starts.

#include "details/detailscommands.h"
#include "library/ui/castleactions.h"
#include "translations/translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStyleFactory>
#include <QTextBrowser>

namespace {

// The help, a section a translation unit; the null section is the keys (keysSection()).
const char* const kHelp[] = {QT_TRANSLATE_NOOP("Help", R"(<h1>Parkwen help</h1>
<p>Re-Volt loads every car folder in its cars folder and fails once too many add-on cars are
installed. Parkwen keeps the cars you do not want loaded in your <b>Garage Folder</b> and moves them
back and forth for you.</p>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>Setting up</h2>
<p>Press <b>Settings</b> (F1) to start Parkwen Setup (also in the menu as "Parkwen Setup"). Choose the
game's cars folder on the left, your Garage Folder on the right and the Max Car Amount (add-on cars
only; the game's own cars do not count), then press OK. Press <b>Refresh</b> (F5) in Parkwen to read
the new settings. The first start of Parkwen opens Parkwen Setup by itself.</p>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>The main window</h2>
<ul>
<li>The left list shows the cars in the Car Folder, the right list the cars in the Garage Folder, each
with its picture. Click a car to see its picture; double-click it to open its details.</li>
<li><b>&gt;&gt;</b> (X) sends the chosen Car Folder cars to the Garage; <b>&lt;&lt;</b> (Z) brings the
chosen Garage cars into the Car Folder. <b>All: Gar.</b> and <b>All: Car</b> move every car.</li>
<li><b>Del. Car</b> deletes the chosen cars, after asking. They go to the desktop's trash where there
is one; a car folder that is a link loses only the link.</li>
<li>The counts show how many cars each folder holds. The light flashes once the Car Folder holds as many
cars as your Max Car Amount.</li>
</ul>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>Many cars</h2>
<ul>
<li><b>Filter</b>: the box above each list shows only the cars whose names contain what you type
(letter case and accents do not count); the line under the list says how many are shown. Ctrl+F moves
into the filter box of the list used last, Tab moves from a filter box to its list, Escape clears
it. The counts and the "All" buttons still take every car.</li>
<li><b>Choosing many</b>: Ctrl+click, Shift+click, Shift+arrows and Ctrl+A choose several cars;
&gt;&gt;, &lt;&lt;, X, Z and Del. Car then act on all of them.</li>
<li><b>Dragging</b>: drag chosen cars onto the other list to move them.</li>
<li><b>Undo</b>: Ctrl+Z puts back the last move command, again and again, up to the last 50.</li>
<li><b>Context menu</b>: right-click a list, or press the menu key or Shift+F10, for Move, Delete,
Open Details, Show in File Manager and Undo.</li>
<li>A car whose name is in both folders carries an orange mark on its picture.</li>
</ul>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>Installing cars</h2>
<p><b>Install Cars</b> (F6) installs cars from downloaded archives (zip, 7z, rar, tar, tar.gz,
tar.xz, tar.bz2): choose the archives, then the folder. Archives and car folders dragged from a file
manager onto a list install into that list's folder, and archives opened with Parkwen from a file
manager install after Parkwen asks for the folder. A car that is already there can be replaced, kept
beside the new one or skipped; unsafe entries are refused, and a summary says what went where.</p>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>Sets</h2>
<p><b>Create Set</b> makes a named set of cars; <b>Edit Set</b> changes one. <b>Load set</b> brings a
set's cars into the Car Folder, <b>Set only</b> brings them in and sends every other car to the Garage,
and <b>Rem. Set</b> sends a set's cars back to the Garage.</p>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>Car details</h2>
<p>The details window shows a car's statistics read from its parameters.txt and the stock car it was
built from. There you can back up, restore and delete parameter files (F2, F3), import parameters
(F1), and back up (F4), switch (F5), delete and import skins.</p>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>The car table and two Parkwens at once</h2>
<p><b>Car Table</b> (F7, or the lists' menu) shows every car of both folders in one table, with its
statistics, size, arrival and health. Click a heading to sort; filter by text, class, rating, folder
or "Problems only". The chosen cars move, are deleted or go into a set as with the main window's
buttons. The health check finds files that parameters.txt names and that are not there, cars the
lists cannot show, parameter-only variants, twins, folders that are no car and hidden leftovers;
"Fix paths" and "Show in the lists" mend what they can, after asking, and can be undone.</p>
<p>While one Parkwen changes the car folders, another that wants to change them waits and says
"Another Parkwen is changing the car folders; waiting…"; Cancel gives up. Nothing is lost when a
Parkwen is stopped: the next start finishes or undoes what it was doing.</p>)"),
                             nullptr, // the keys, from the windows' tables of commands
                             QT_TRANSLATE_NOOP("Help", R"(<h2>Command line</h2>
<p><code>parkwen --help</code> lists the commands that work without a window: <code>--list</code>,
<code>--load-set</code>, <code>--only-set</code>, <code>--remove-set</code>, <code>--move</code>,
<code>--install</code>, <code>--stats</code> (with <code>--json</code>); <code>--no-cache</code> (or
PARKWEN_NO_CACHE=1) starts the window without the thumbnail cache. <code>man parkwen</code> tells
more.</p>)"),
                             QT_TRANSLATE_NOOP("Help", R"(<h2>Where your files are</h2>
<p>Installed: the settings in <code>~/.config/parkwen/paths.mdb</code> (XDG_CONFIG_HOME), the sets
in <code>~/.local/share/parkwen/sets/</code> (XDG_DATA_HOME), the thumbnail cache in
<code>~/.cache/parkwen/thumbnails.sqlite</code> (XDG_CACHE_HOME). A program folder you may write to,
or one holding a file named <code>portable</code>, keeps the settings and sets beside the programs.
<code>parkwen --version</code> tells which.</p>)")};

// A heading row, then a row for each key of one window.
QString keyRows(const QString& window, const QList<parkwen::KeyHelp>& keys)
{
    QString rows = QStringLiteral("<tr><td colspan=\"2\"><i>%1</i></td></tr>\n").arg(window.toHtmlEscaped());
    for (const parkwen::KeyHelp& key : keys)
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>\n")
                    .arg(key.key.toHtmlEscaped(), key.does.toHtmlEscaped());
    return rows;
}

// The keys of both windows, made from the tables their keys are made from, so that the help names
// every key the windows have and no other.
QString keysSection()
{
    const auto translated = [](const char* text) { return QCoreApplication::translate("Help", text); };
    return QStringLiteral("<h2>%1</h2>\n<table cellspacing=\"0\" cellpadding=\"3\">\n%2%3</table>")
        .arg(
            translated(QT_TRANSLATE_NOOP("Help", "Keys")),
            keyRows(translated(QT_TRANSLATE_NOOP("Help", "Main window:")), parkwen::CastleActions::keyHelp()),
            keyRows(translated(QT_TRANSLATE_NOOP("Help", "Car details:")),
                    parkwen::DetailsCommands::keyHelp()));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parkwen Help"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    parkwen::installTranslations(app);
    QStringList sections;
    for (const char* section : kHelp)
        sections << (section ? QCoreApplication::translate("Help", section) : keysSection());
    QTextBrowser browser;
    browser.setObjectName(QStringLiteral("hovlen"));
    browser.setWindowTitle(QCoreApplication::translate("Help", "Parkwen Help"));
    browser.setHtml(QLatin1Char('\n') + sections.join(QStringLiteral("\n\n")) + QLatin1Char('\n'));
    browser.resize(620, 640);
    browser.show();
    browser.raise();
    browser.activateWindow();
    return QApplication::exec();
}
