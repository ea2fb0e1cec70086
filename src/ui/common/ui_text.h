#pragma once

#include "core/message.h"

#include <QString>

#include <string>
#include <string_view>

// The one place where the program's Windows-1252 record texts and its file names meet Qt.
namespace vorlane {

class Prompter;

// Windows-1252 bytes of a record or message as text, as the page renderer shows them.
QString FromCp1252(std::string_view bytes);
// Text as Windows-1252 bytes; a character that Windows-1252 cannot hold becomes '?'.
std::string ToCp1252(const QString& text);

// File names: the engine keeps them as the system's bytes.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

// Shows an engine message in an OK box.
void ShowMessage(Prompter& prompter, const Message& message);

} // namespace vorlane
