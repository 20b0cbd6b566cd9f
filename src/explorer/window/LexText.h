#pragma once

#include <QString>

#include <string>
#include <string_view>

// The database's text is Windows-1252; the window shows and reads QStrings.
namespace LexText {

QString ToQString(std::string_view text);
// Characters Windows-1252 cannot hold become "?".
std::string FromQString(const QString &text);

} // namespace LexText
