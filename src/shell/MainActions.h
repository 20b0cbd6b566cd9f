#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;

// The main window's own actions: editing, printing, the About window, the word explorer, the
// options, the panel positions and the web links. What they do is the window's; this holds their
// captions, shortcuts, hints and images.
class TMainActions : public QObject
{
    Q_OBJECT

public:
    explicit TMainActions(QObject *parent);

    QList<QAction *> Actions() const;
    QList<QAction *> Links() const;

    QAction *EditUndo1, *EditRedo1, *EditCut1, *EditCopy1, *EditPaste1, *EditSelectAll1, *EditFind1,
        *EditReplace1;
    QAction *actPrint1, *actPrintPreview1, *actAbout, *actWordExplorer, *actOptions,
        *actTogglePanels;
    QAction *actOfficialSite, *actOnlineUpdates, *actLicense, *actPoetCommunity,
        *actSupportCommunity, *actRegister;

private:
    QAction *Make(const char *name, const QString &caption, const QKeySequence &shortcut = {},
                  const QString &hint = QString());
    QAction *MakeLink(const char *name, const QString &caption, const char *path);
};
