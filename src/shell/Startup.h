#pragma once

#include <QString>

#include <memory>

class QApplication;
class TDataModule1;
class TfrmRhymeDict;

// The running program's two top objects. The data module is owned by the application object.
struct TProgram
{
    TDataModule1 *data = nullptr;
    std::unique_ptr<TfrmRhymeDict> window;
};

// Creates the data module and the main window under the splash (when showSplash). On a word-list
// error returns its message and leaves neither object behind; otherwise returns an empty text.
QString StartProgram(TProgram &program, bool showSplash);
// Opens path, named on the command line, in the verse editor. A file that does not exist yet in
// an existing folder starts a new, empty document of that name instead: the first Save writes it.
void OpenNamedDocument(TfrmRhymeDict *window, const QString &path);
// Frees the window's panels, the window, the data module and the two process-wide objects.
void EndProgram(TProgram &program);
// The whole program: start, message loop, end. Opens document (when not empty) in the verse
// editor once the window is up. Returns the exit status.
int RunProgram(QApplication &app, const QString &document = QString());
