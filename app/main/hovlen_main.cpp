// hovlen: the help viewer that Parkwen's Help button (F2) starts.

#include <QApplication>
#include <QStyleFactory>
#include <QTextBrowser>

namespace {

const char* kHelp = R"(
<h1>Parkwen help</h1>
<p>Re-Volt loads every car folder in its cars folder and fails once too many add-on cars are
installed. Parkwen keeps the cars you do not want loaded in your <b>Garage Folder</b> and moves them
back and forth for you.</p>

<h2>Setting up</h2>
<p>Press <b>Settings</b> (F1) to start rigwell. Choose the game's cars folder on the left, your Garage
Folder on the right and the Max Car Amount (add-on cars only; the game's own cars do not count), then
press OK. Press <b>Refresh</b> (F5) in Parkwen to read the new settings.</p>

<h2>The main window</h2>
<ul>
<li>The left list shows the cars in the Car Folder, the right list the cars in the Garage Folder, each
with its picture. Click a car to see its picture; double-click it to open its details.</li>
<li><b>&gt;&gt;</b> (X) sends the chosen Car Folder car to the Garage; <b>&lt;&lt;</b> (Z) brings the
chosen Garage car into the Car Folder. <b>All: Gar.</b> and <b>All: Car</b> move every car.</li>
<li><b>Del. Car</b> deletes the car chosen last, after asking.</li>
<li>The counts show how many cars each folder holds. The light flashes once the Car Folder holds as many
cars as your Max Car Amount.</li>
</ul>

<h2>Sets</h2>
<p><b>Create Set</b> makes a named set of cars; <b>Edit Set</b> changes one. <b>Load set</b> brings a
set's cars into the Car Folder, <b>Set only</b> brings them in and sends every other car to the Garage,
and <b>Rem. Set</b> sends a set's cars back to the Garage.</p>

<h2>Car details</h2>
<p>The details window shows a car's statistics read from its parameters.txt and the stock car it was
built from. There you can back up, restore and delete parameter files (F2, F3), import parameters
(F1), and back up (F4), switch (F5), delete and import skins.</p>

<h2>Keys</h2>
<p>Main window: Z, X, F1 Settings, F2 Help, F3 Reset Reg., F5 Refresh.<br>
Car details: F1 Import Parameters, F2 Backup Parameters, F3 Set Parameters, F4 Backup Skin,
F5 Set Skin.</p>
)";

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parkwen Help"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTextBrowser browser;
    browser.setObjectName(QStringLiteral("hovlen"));
    browser.setWindowTitle(QStringLiteral("Parkwen Help"));
    browser.setHtml(QString::fromUtf8(kHelp));
    browser.resize(620, 640);
    browser.show();
    browser.raise();
    browser.activateWindow();
    return QApplication::exec();
}
