#include "ui/common/ui_text.h"

#include "core/codepage.h"
#include "qt/qt_fonts.h"
#include "ui/common/prompter.h"

#include <QFile>

namespace vorlane {

QString FromCp1252(std::string_view bytes) {
    return PageText(bytes);
}

std::string ToCp1252(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void ShowMessage(Prompter& prompter, const Message& message) {
    prompter.Inform(FromCp1252(message.Text), FromCp1252(message.Caption));
}

} // namespace vorlane
