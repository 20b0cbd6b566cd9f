#pragma once

#include <string_view>

// Whether the user's locale is American, as the rest of the program reads it: LC_ALL, then
// LC_MESSAGES, then LANG names the locale; unset, "C" and "POSIX" are not American, and the
// first entry of LANGUAGE overrides any other. Read from the environment so that the word
// engine needs no locale library.
namespace UserLocale {

// A locale name as "en_US.UTF-8", "es-US", "en" (a language alone means its usual country).
bool NameIsUnitedStates(std::string_view name);
bool IsUnitedStates();

} // namespace UserLocale
