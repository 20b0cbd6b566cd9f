#pragma once

class QWidget;

// The centre frames of the two modes as the program builds them: the verse editor of Cadenzio
// mode and the tabbed lookup view of Lookup mode, both listening to the data module's actions.
QWidget *MakeEditorFrame(QWidget *parent);
QWidget *MakeLookupFrame(QWidget *parent);
// Installs both as the main window's frame factories.
void InstallProgramFrames();
