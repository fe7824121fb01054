// The program entry: the command line, the services, the one window, the event loop.
#include "CommandLine.h"
#include "TerminalRecipe.h"
#include "TerminalUndo.h"
#include "main/Dialogs.h"
#include "main/TForm1.h"
#include "main/Translations.h"
#include "main/layout/WindowPlacement.h"
#include "platform/files/FolderToOpen.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/metadata/LibraryFactsReader.h"
#include "platform/settings/FolderStore.h"
#include "platform/settings/RecipeStore.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {

std::string CurrentFolder() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes =
        (text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

int main(int argc, char** argv) {
    Translations translations;
    // The command line is read, and a terminal's request answered, before the window's application object
    // exists, which needs a display; this one carries the translations meanwhile.
    std::optional<QCoreApplication> terminal(std::in_place, argc, argv);
    translations.Install();
    const CommandLine line = ParseCommandLine(std::vector<std::string>(argv, argv + argc));
    switch (line.request) {
    case CommandLine::Request::ShowHelp:
    case CommandLine::Request::ShowVersion:
        Print(stdout, line.text);
        return 0;
    case CommandLine::Request::Refuse:
        Print(stderr, line.text);
        return CommandLineErrorCode;
    case CommandLine::Request::Undo: {
        platform::PosixFileSystem files;
        platform::JournalFolder journal;
        return TerminalUndo(journal, files, std::cout, std::cerr);
    }
    case CommandLine::Request::Recipe: {
        platform::PosixFileSystem files;
        platform::JournalFolder journal;
        const platform::RecipeStore recipes;
        platform::metadata::LibraryFactsReader facts;
        return TerminalRecipe({line.recipe, line.folder, line.apply}, {files, files, journal, recipes, facts},
                              std::cout, std::cerr);
    }
    case CommandLine::Request::Run:
        break;
    }

    terminal.reset();
    QApplication application(argc, argv);
    translations.Install();
    // Lets the desktop match the window with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("titleshaperworkshop"));

    const auto shell = platform::CreateLinuxShellNamespace();
    platform::PosixFileSystem files;
    platform::SettingsFolderStore store;
    MessageBoxDialogs dialogs(ApplicationTitle(QCoreApplication::applicationFilePath()));
    platform::JournalFolder journal;
    platform::RecipeStore recipes;

    // Destroyed when main returns, after the loop: that stores the folder the tree still shows.
    TForm1 form({*shell, files, files, store, dialogs, &journal, &recipes},
                FolderToOpen(line.folder, CurrentFolder()));
    if (const QScreen* screen = form.screen())
        form.move(layout::CentredOnScreen(screen->availableGeometry(), form.frameGeometry().size()));
    form.show();
    return application.exec();
}
