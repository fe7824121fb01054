// The program entry: the services, the one window, the event loop.
#include "FolderTree/TFolderTree.h"
#include "main/Dialogs.h"
#include "main/TForm1.h"
#include "platform/settings/FolderStore.h"
#include "platform/shell/LinuxShellNamespace.h"
#include "platform/files/PosixFileSystem.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Lets the desktop match the window with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("titleshaperworkshop"));

    const auto shell = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem files;
    platform::SettingsFolderStore store;
    MessageBoxDialogs dialogs(ApplicationTitle(QCoreApplication::applicationFilePath()));

    // Destroyed when main returns, after the loop: that stores the folder the tree still shows.
    TForm1 form({*shell, files, files, store, dialogs});
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    return application.exec();
}
