// rigwell: asks where the Car Folder and the Garage Folder are and the Max Car Amount, and keeps them
// in paths.mdb beside the program for Parkwen to read. It takes no command line.

#include "form1.h"
#include "qt/localfilesystem.h"
#include "qt/qtdialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(parkwen::rigwellInfo::productName);
    QApplication::setApplicationVersion(parkwen::rigwellInfo::version);
    // The rest of the version information has no place among Qt's application details; keep it where
    // "about" requests and platform tools can find it.
    app.setProperty("fileDescription", parkwen::rigwellInfo::fileDescription);
    app.setProperty("comments", parkwen::rigwellInfo::comments);

    parkwen::LocalFileSystem fs;
    parkwen::QtDialogs dialogs(parkwen::rigwellInfo::title);
    parkwen::Form1 window(QCoreApplication::applicationDirPath() + QStringLiteral("/paths.mdb"), QDir::currentPath(),
                          fs, dialogs);
    // A failure while the window opens is told before the window is ever shown, in a box of its own.
    if (!window.Form_Load())
        return 1;
    dialogs.setParent(&window);
    window.show();
    const int code = app.exec();
    return code != 0 ? code : (window.stored() ? 0 : 1);
}
