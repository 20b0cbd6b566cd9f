#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// tolvane-cli tree WORD [--context NAME] [--levels L1 L2]: the visual thesaurus tree of WORD as
// a text outline (UTF-8). Returns 0 when a tree was built, 1 when the thesaurus knows neither
// the word nor its stem nor a base form (from cz.lex in dataDir, when there), 2 on bad usage.
int RunTreeCommand(const QStringList &args, const QString &dataDir, std::ostream &out,
                   std::ostream &err);

// The help lines of the command.
extern const char *const TreeCommandHelp;
