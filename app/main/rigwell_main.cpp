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
    // The file description and the comments have no place among Qt's application details; they stay in
    // rigwellInfo for a platform's version resource.

    parkwen::LocalFileSystem fs;
    parkwen::QtDialogs dialogs(parkwen::rigwellInfo::title);
    parkwen::Form1 window(QCoreApplication::applicationDirPath() + QStringLiteral("/paths.mdb"),
                          QDir::currentPath(), fs, dialogs);
    // A failure while the window opens is told before the window is ever shown, in a box of its own.
    if (!window.Form_Load())
        return 1;
    dialogs.setParent(&window);
    window.show();
    const int code = app.exec();
    return code != 0 ? code : (window.stored() ? 0 : 1);
}
