#pragma once

#include <QString>

#include <string>
#include <string_view>

// The database's text is Windows-1252; the window shows and reads QStrings.
namespace LexText {

QString ToQString(std::string_view text);
// Characters Windows-1252 cannot hold become "?".
std::string FromQString(const QString &text);
// The database's file name as the engine keeps it (the file system's bytes) and as shown.
std::string ToFileName(const QString &path);
QString FromFileName(const std::string &name);

} // namespace LexText
