#pragma once

#include <QString>

#include <memory>

class TWordExplorer;

// The word explorer behind actWordExplorer, unless a hook was set before start. Install checks that
// cz.lex opens: when it does, it sets TfrmRhymeDict::WordExplorerHook and returns the component,
// which the main window then owns; otherwise it leaves the hook unset, puts the reason into
// TfrmRhymeDict::WordExplorerHint and returns nothing.
std::unique_ptr<TWordExplorer> InstallWordExplorer();
void UninstallWordExplorer();
