#pragma once

#include <QStringList>

#include <ostream>

// tolvane-cli define: a word's definitions from a DICT server, formatted as the program's
// online dictionary shows them. Needs no word list.
namespace DefineCommand {

// args: everything after "define". Returns the exit status.
int Run(const QStringList &args, std::ostream &out, std::ostream &err);

} // namespace DefineCommand
