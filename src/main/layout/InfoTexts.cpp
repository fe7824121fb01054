#include "InfoTexts.h"

#include <QCoreApplication>

namespace layout {

// The pages are translated under one context of their own, as they are functions of no class.

// Each page must fit its text page at the window's smallest size: only the About page has a scroll bar.
// Paragraphs are separated by blank lines; the pages wrap the lines themselves.

QString HelpText() {
    return QCoreApplication::translate(
        "InfoTexts",
        "Choose a folder in the tree at the top left, or drop one onto the window; its files fill the grid "
        "below, the present names on the left and the new "
        "names on the right. Press Go to apply the checked mode at once, or press Preview, edit the results "
        "in the grid by hand and then press Go. Without a Preview in the mode now checked, Go first works "
        "the new names out as Preview does (in Part Replacer, Substring Deleter and Substring Adder afresh, "
        "so changes made by hand count only after Preview) and stops with a message when two new names are "
        "the same. After a Preview in the mode now checked, Go takes the new names as they stand; when that "
        "Preview stopped with a message, Go does nothing until a Preview passes. A blank new name leaves its "
        "file alone (Delete blanks the selected ones). Go never overwrites a file; when a new name is the "
        "name of a file further down the list, you are asked whether to go on. Checking another mode, "
        "choosing another folder and Refresh blank the new names.\n"
        "\n"
        "Veze Zazedoz works through the clipboard: Copy puts the old names on it, one a line; edit them in "
        "any editor, copy them and Paste them back as the new names, line by line. Paste changes nothing "
        "while the clipboard holds fewer lines than there are files.\n"
        "Manual: Duiplicate copies the old names over, ready to be edited by hand.\n"
        "Part Replacer replaces the Replace text by the With text wherever it stands in a name, and deletes "
        "it when With is blank.\n"
        "Substring Deleter deletes the String To Delete text from every name.\n"
        "Substring Adder first inserts the text beside Position after that many characters, then adds "
        "Begining in front and End behind. Text placed past the end of a name is joined at its end.\n"
        "\n"
        "Ctrl+Z (or Quillmap --undo) undoes the last 20 Gos one by one, even after a crash. Ctrl+R: "
        "Rules.\n"
        "The list follows folders that are created, removed or renamed, but not files changed by other "
        "programs: press Refresh to read the folder again.");
}

QString AboutText() {
    return QCoreApplication::translate(
        "InfoTexts",
        "Title Shaper Workshop\n"
        "\n"
        "This program was written for a plain reason: a camera, a scanner or a download leaves a folder full "
        "of names like IMG_0412.JPG, and giving a hundred files sensible names one at a time is tedious and "
        "easy to get wrong. Here the whole folder is renamed in one go, and every new name can be looked at "
        "and corrected before a single file is touched.\n"
        "\n"
        "It does one job and tries to do it safely. It never overwrites a file: a new name that is already "
        "taken is reported and that file is left as it was. It keeps no files of its own besides one line in "
        "your settings that remembers the last folder you looked at, and the records of the last 20 Gos, "
        "from which they can be undone.\n"
        "\n"
        "The program is free. You may use it at home or at work, as often and on as many machines as you "
        "like, and pass it on to anyone, as long as you pass it on whole. Nobody owes anything for it; "
        "whoever finds it worth something may contribute, as the Pay Up page explains, but that is entirely "
        "up to you.\n"
        "\n"
        "It comes without any warranty. The last 20 Gos can be undone, one after another, but only as long "
        "as no other program has taken the old names, so preview a large batch before you press Go.\n"
        "\n"
        "The mode called Veze Zazedoz is the most flexible of all: it sends the names on a round trip "
        "through "
        "whatever editor you like best, with its search and replace, its columns and its macros.");
}

QString ProgrammingText(const QString& settingsFile) {
    return QCoreApplication::translate(
               "InfoTexts",
               "Title Shaper Workshop is written in C++ with the Qt toolkit and runs as one program file, "
               "Quillmap.\n"
               "\n"
               "The folder tree is a control of its own. It shows the desktop, the computer with its drives "
               "and "
               "mounted media, and optionally the trash and the network shares, lists a folder's sub-folders "
               "the "
               "first time it is opened, and keeps itself up to date while folders are created, removed or "
               "renamed "
               "elsewhere.\n"
               "\n"
               "The renaming itself is done by a small engine that knows nothing about windows or disks, so "
               "that "
               "every rule can be checked on its own. Renaming on disk refuses to replace an existing file.\n"
               "\n"
               "Between runs the program remembers the last folder viewed, in your settings file, %1, under "
               "the key CloseDir, and the records of the last 20 Gos, in the folder TitleShaperWorkshop of "
               "your state folder ($XDG_STATE_HOME, usually ~/.local/state); delete them to start afresh.\n"
               "\n"
               "All the texts of these pages are held in the window itself; there is no help file. The two "
               "columns "
               "of the grid are resized with the window, so that each always takes half of its width.")
        .arg(settingsFile);
}

QString PayUpText() {
    return QCoreApplication::translate(
        "InfoTexts",
        "Title Shaper Workshop costs nothing, and it will stay that way.\n"
        "\n"
        "If it has saved you an afternoon of renaming and you would like to give something back, you are "
        "welcome to, but nobody expects it and nothing changes if you do not. There is no registration, no "
        "key to unlock and no version that does more for money.\n"
        "\n"
        "The contributions that help most cost no money at all: tell the place where you found the program "
        "what you liked and what went wrong, describe a folder whose names it handled badly, or suggest a "
        "mode you missed. A short, exact report of a fault is worth more than any payment.\n"
        "\n"
        "If you would rather send money, give it to a cause you care about in the program's name, and "
        "consider the debt paid in full.");
}

} // namespace layout
