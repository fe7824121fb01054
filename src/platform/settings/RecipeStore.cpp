#include "RecipeStore.h"

#include "engine/text/EngineText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace platform {
namespace {

constexpr char Extension[] = ".json";
// Kept in the recipes folder under a hidden name, which no recipe can have.
constexpr char LastUsedFile[] = ".last-used";

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// A text for the user in the program's language; names and reasons go in as the bytes they are.
std::string Said(const char* source, std::initializer_list<std::string_view> arguments = {}) {
    return engine::Fill(QCoreApplication::translate("RecipeStore", source).toStdString(), arguments);
}

bool IsUtf8(const std::string& text) {
    const QByteArray bytes = QByteArray::fromStdString(text);
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The whole file, or nullopt with the reason.
std::optional<std::string> ReadAll(const std::string& path, std::string& error) {
    QFile file(PathText(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString().toStdString();
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

// Replaces the file whole: the text goes to a temporary file beside it, which takes the name only once it
// is complete.
std::string WriteWhole(const std::string& folder, const std::string& path, const std::string& text) {
    if (!QDir().mkpath(PathText(folder)))
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "cannot create the folder %1"), {folder});
    QSaveFile file(PathText(path));
    if (!file.open(QIODevice::WriteOnly))
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "cannot write %1: %2"),
                    {path, file.errorString().toStdString()});
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.commit())
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "cannot write %1: %2"),
                    {path, file.errorString().toStdString()});
    return {};
}

} // namespace

std::string ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/TitleShaperWorkshop";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config/TitleShaperWorkshop";
}

std::string RecipeNameProblem(const std::string& name) {
    if (name.empty())
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "A recipe needs a name."));
    if (!IsUtf8(name))
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "A recipe's name must be readable text."));
    if (name.size() + sizeof(Extension) - 1 > 255)
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "A recipe's name is too long."));
    if (name.front() == '.')
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "A recipe's name cannot start with a dot."));
    if (name.front() == ' ' || name.back() == ' ')
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "A recipe's name cannot start or end with a space."));
    if (name.find('/') != std::string::npos)
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "A recipe's name cannot hold \"/\"."));
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (control)
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "A recipe's name cannot hold a control character."));
    return {};
}

RecipeStore::RecipeStore() : RecipeStore(ConfigFolder() + "/recipes") {}

RecipeStore::RecipeStore(std::string folder) : folder_(std::move(folder)) {}

std::string RecipeStore::PathOf(const std::string& name) const {
    return folder_ + "/" + name + Extension;
}

std::vector<std::string> RecipeStore::Names() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        const std::string file = entry.path().filename().string();
        const std::size_t stem = file.size() - (sizeof(Extension) - 1);
        if (file.size() < sizeof(Extension) || file.compare(stem, std::string::npos, Extension) != 0)
            continue;
        // A file put there by hand whose name no recipe could have is not offered.
        std::error_code notFile;
        if (RecipeNameProblem(file.substr(0, stem)).empty() && !entry.is_directory(notFile))
            names.push_back(file.substr(0, stem));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> RecipeStore::Load(const std::string& name, std::string& error) const {
    error = RecipeNameProblem(name);
    if (!error.empty())
        return std::nullopt;
    std::string reason;
    std::optional<std::string> text = ReadAll(PathOf(name), reason);
    if (!text)
        error =
            Said(QT_TRANSLATE_NOOP("RecipeStore", "The recipe \"%1\" cannot be read: %2."), {name, reason});
    return text;
}

std::string RecipeStore::Save(const std::string& name, const std::string& text) {
    if (std::string problem = RecipeNameProblem(name); !problem.empty())
        return problem;
    if (std::string error = WriteWhole(folder_, PathOf(name), text); !error.empty())
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "The recipe \"%1\" could not be saved: %2."),
                    {name, error});
    return {};
}

std::string RecipeStore::Remove(const std::string& name) {
    if (std::string problem = RecipeNameProblem(name); !problem.empty())
        return problem;
    QFile file(PathText(PathOf(name)));
    if (!file.remove())
        return Said(QT_TRANSLATE_NOOP("RecipeStore", "The recipe \"%1\" could not be deleted: %2."),
                    {name, file.errorString().toStdString()});
    return {};
}

std::string RecipeStore::LastUsed() const {
    std::string ignored;
    std::string name = ReadAll(folder_ + "/" + LastUsedFile, ignored).value_or(std::string());
    std::error_code missing;
    if (RecipeNameProblem(name).empty() && std::filesystem::is_regular_file(PathOf(name), missing))
        return name;
    return {};
}

std::string RecipeStore::SetLastUsed(const std::string& name) {
    if (!name.empty()) {
        if (std::string problem = RecipeNameProblem(name); !problem.empty())
            return problem;
    }
    return WriteWhole(folder_, folder_ + "/" + LastUsedFile, name);
}

} // namespace platform
