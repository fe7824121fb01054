#include "FolderStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <stdexcept>

namespace platform {
namespace {

constexpr char ValueName[] = "CloseDir";

// A fresh accessor for every access, as the value is read once at start and written once at close.
QSettings OpenSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Harbeck"),
                     QStringLiteral("TitleShaperWorkshop"));
}

// The stored text ends at its first NUL, as a C string would.
std::string UpToNul(QByteArray bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return bytes.toStdString();
}

} // namespace

std::string SettingsFolderStore::LoadFolder() {
    const QSettings settings = OpenSettings();
    const QVariant value = settings.value(QLatin1String(ValueName));
    if (!value.isValid())
        return {};
    // A folder is written as text when its bytes are UTF-8 and as a byte array when they are not, so both
    // read back as a folder; any other type is somebody else's value.
    switch (value.typeId()) {
    case QMetaType::QString:
        return UpToNul(value.toString().toUtf8());
    case QMetaType::QByteArray:
        return UpToNul(value.toByteArray());
    default:
        throw std::runtime_error(QCoreApplication::translate("FolderStore", "Invalid data type for '%1'")
                                     .arg(QLatin1String(ValueName))
                                     .toStdString());
    }
}

void SettingsFolderStore::SaveFolder(const std::string& folder) {
    QSettings settings = OpenSettings();
    const QByteArray bytes = QByteArray::fromStdString(folder);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes)
        settings.setValue(QLatin1String(ValueName), text);
    else
        settings.setValue(QLatin1String(ValueName), bytes);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw std::runtime_error(QCoreApplication::translate("FolderStore", "Failed to set data for '%1'")
                                     .arg(QLatin1String(ValueName))
                                     .toStdString());
}

std::string SettingsFolderStore::Location() const {
    return OpenSettings().fileName().toStdString();
}

} // namespace platform
