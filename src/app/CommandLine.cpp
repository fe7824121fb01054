#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <filesystem>

namespace {

// Options the toolkit itself reads when the window starts (a session manager restarts the program with
// -session, a user may choose -style or -platform). They pass here unseen and untouched.
QList<QCommandLineOption> ToolkitOptions() {
    QList<QCommandLineOption> options;
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
          "qwindowtitle", "session", "style", "stylesheet", "display", "geometry", "title"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    for (const char* name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    return options;
}

// The bytes behind an argument: decoding may have lost bytes that are not UTF-8, so the argument is
// looked up among the raw ones. The folder comes last, so the last match is the one meant.
std::string RawArgument(const QString& decoded, const std::vector<std::string>& arguments) {
    for (auto raw = arguments.rbegin(); raw != arguments.rend(); ++raw) {
        if (QString::fromLocal8Bit(raw->data(), static_cast<qsizetype>(raw->size())) == decoded)
            return *raw;
    }
    return decoded.toLocal8Bit().toStdString();
}

QString ProgramName(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().empty())
        return QStringLiteral("Quillmap");
    return QString::fromStdString(std::filesystem::path(arguments.front()).filename().string());
}

// The text names the program as %1.
CommandLine Refused(const QString& program, const char* text) {
    CommandLine line;
    line.request = CommandLine::Request::Refuse;
    line.text = QCoreApplication::translate("CommandLine", text).arg(program);
    return line;
}

// "--recipe FILE FOLDER", with or without --apply.
CommandLine RecipeLine(const QCommandLineParser& parser, const QCommandLineOption& recipe,
                       const QCommandLineOption& undo, const QString& program,
                       const std::vector<std::string>& arguments) {
    if (!parser.isSet(recipe))
        return Refused(
            program, QT_TRANSLATE_NOOP("CommandLine", "%1: --apply needs --recipe FILE FOLDER; see --help."));
    if (parser.isSet(undo))
        return Refused(program,
                       QT_TRANSLATE_NOOP("CommandLine",
                                         "%1: --recipe and --undo cannot be given together; see --help."));
    const QStringList recipes = parser.values(recipe);
    if (recipes.size() > 1)
        return Refused(program,
                       QT_TRANSLATE_NOOP("CommandLine", "%1: only one recipe can be given; see --help."));
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1)
        return Refused(
            program, QT_TRANSLATE_NOOP("CommandLine", "%1: --recipe needs exactly one FOLDER; see --help."));
    CommandLine line;
    line.request = CommandLine::Request::Recipe;
    line.recipe = RawArgument(recipes.front(), arguments);
    line.folder = RawArgument(folders.front(), arguments);
    line.apply = parser.isSet(QStringLiteral("apply"));
    return line;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    QStringList decoded;
    for (const std::string& argument : arguments)
        decoded.append(QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size())));
    const QString program = ProgramName(arguments);

    QCommandLineParser parser;
    // "-style" and "--style" both name the option, as the toolkit's own options are written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Title Shaper Workshop renames many files of one folder at a time."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the program's version and exit."));
    const QCommandLineOption undo(
        QStringLiteral("undo"),
        QCoreApplication::translate("CommandLine", "Rename the files of the last Go back to their old names, "
                                                   "without a window, and exit: 0 when every file was "
                                                   "renamed back, 1 when any could not be, 2 when there is "
                                                   "nothing to undo."));
    const QCommandLineOption recipe(
        QStringLiteral("recipe"),
        QCoreApplication::translate(
            "CommandLine",
            "Show, without a window, the new names a recipe gives the files of FOLDER: one line "
            "a file it renames, the old name, a tab and the new name, and what stands in the way "
            "of a rename. FILE is a recipe file or the name of a saved recipe. Exit 0 when every "
            "rename can be done, 1 when any cannot, 2 for a bad recipe or folder."),
        QCoreApplication::translate("CommandLine", "FILE"));
    const QCommandLineOption apply(
        QStringLiteral("apply"),
        QCoreApplication::translate("CommandLine", "With --recipe: rename the files as shown, never "
                                                   "overwriting one; --undo renames them back."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(undo);
    parser.addOption(recipe);
    parser.addOption(apply);
    parser.addOptions(ToolkitOptions());
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QCoreApplication::translate(
            "CommandLine", "The folder to open instead of the one viewed last. A file opens the folder it "
                           "lies in; a path that does not exist opens its deepest existing folder."),
        QStringLiteral("[FOLDER]"));

    CommandLine line;
    if (!parser.parse(decoded)) {
        line.request = CommandLine::Request::Refuse;
        // A user who mistyped an option learns where the right ones are listed.
        line.text = QCoreApplication::translate("CommandLine", "%1: %2 (try '%1 --help')")
                        .arg(program, parser.errorText());
        return line;
    }
    if (parser.isSet(help)) {
        line.request = CommandLine::Request::ShowHelp;
        // The parser's own usage line names whatever started the parse; this one names the program.
        const QString help = parser.helpText();
        line.text = QCoreApplication::translate("CommandLine", "Usage: %1 [options] [FOLDER]").arg(program) +
                    help.mid(help.indexOf(QLatin1Char('\n')));
        return line;
    }
    if (parser.isSet(version)) {
        line.request = CommandLine::Request::ShowVersion;
        line.text = program + QLatin1Char(' ') + QStringLiteral(TSW_VERSION);
        return line;
    }
    const QStringList folders = parser.positionalArguments();
    if (parser.isSet(recipe) || parser.isSet(apply))
        return RecipeLine(parser, recipe, undo, program, arguments);
    if (parser.isSet(undo)) {
        line.request = folders.isEmpty() ? CommandLine::Request::Undo : CommandLine::Request::Refuse;
        // The undo acts in the folder of the last Go, which its record names; a folder here means nothing.
        if (!folders.isEmpty())
            line.text = QCoreApplication::translate("CommandLine", "%1: --undo takes no folder; see --help.")
                            .arg(program);
        return line;
    }
    if (folders.size() > 1) {
        line.request = CommandLine::Request::Refuse;
        line.text = QCoreApplication::translate(
                        "CommandLine", "%1: only one folder can be opened, but %2 were given; see --help.")
                        .arg(program)
                        .arg(folders.size());
        return line;
    }
    if (!folders.isEmpty())
        line.folder = RawArgument(folders.front(), arguments);
    return line;
}
