#pragma once

#include <QString>

#include <string>
#include <string_view>

// The Porter (1980) stem of a lower-case English word. Pure; upper-case letters count as
// consonants and never match a suffix.
std::string StemWord(std::string_view word);
QString StemWord(const QString &word);
