#include "ClipboardBytes.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

namespace clipboard_bytes {
namespace {

constexpr char PlainText[] = "text/plain";

} // namespace

void Put(const std::string& text) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QLatin1String(PlainText), QByteArray::fromStdString(text));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

std::string Held() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    if (data->hasFormat(QLatin1String(PlainText)))
        return data->data(QLatin1String(PlainText)).toStdString();
    if (data->hasText())
        return data->text().toStdString();
    return {};
}

} // namespace clipboard_bytes
