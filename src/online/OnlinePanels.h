#pragma once

#include <QString>

// Registers the online panels ("TfrmOnline", "TfrmGenericOnline") with the panel factory.
void RegisterOnlinePanels();

class QWidget;

// Starts the update check for the main window (once; later calls do nothing). host: the web
// host of the version file, port 80; downloadPage: what "&Update Now!" opens.
void StartUpdateCheck(QWidget *window, const QString &host, const QString &downloadPage);
