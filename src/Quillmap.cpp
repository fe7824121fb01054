// The program entry: the services, the one window, the event loop.
#include "FolderTree/TFolderTree.h"
#include "main/Dialogs.h"
#include "main/TForm1.h"
#include "main/TerminalUndo.h"
#include "platform/files/JournalFile.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/settings/FolderStore.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QStringList>
#include <iostream>

namespace {

// Whether the command line asks for the undo of the last Go. Read before any application object exists,
// because the undo must also work where there is no display.
bool AsksForUndo(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption undo(QStringLiteral("undo"),
                                  QStringLiteral("Rename the files of the last Go back to their old names."));
    parser.addOption(undo);
    parser.parse(arguments);
    return parser.isSet(undo);
}

} // namespace

int main(int argc, char** argv) {
    if (AsksForUndo(argc, argv)) {
        platform::PosixFileSystem files;
        platform::JournalFile journal;
        return TerminalUndo(journal, files, std::cout, std::cerr);
    }
    QApplication application(argc, argv);
    // Lets the desktop match the window with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("titleshaperworkshop"));

    const auto shell = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem files;
    platform::SettingsFolderStore store;
    MessageBoxDialogs dialogs(ApplicationTitle(QCoreApplication::applicationFilePath()));
    platform::JournalFile journal;

    // Destroyed when main returns, after the loop: that stores the folder the tree still shows.
    TForm1 form({*shell, files, files, store, dialogs, &journal});
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    return application.exec();
}
