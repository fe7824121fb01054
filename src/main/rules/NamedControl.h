#pragma once

#include <QObject>
#include <QString>
#include <string>

namespace rules {

// A control with the object name its tests find it by.
template <class Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

// A recipe's text (UTF-8) as a field shows it.
inline QString FieldText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace rules
