#pragma once

// Every command but lex needs Qt; they live in a module beside tolvane-cli that the front loads
// only for them, so that lex starts as fast as a program without Qt.
extern "C" int TolvaneCliCommands(int argc, char **argv);

using TCliCommandsEntry = decltype(&TolvaneCliCommands);
inline constexpr const char *CliCommandsModule = "tolvane-cli-commands.so";
inline constexpr const char *CliCommandsSymbol = "TolvaneCliCommands";
