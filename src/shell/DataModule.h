#pragma once

#include "Event.h"

#include <QObject>
#include <QString>

#include <array>

class QAction;

// The shared actions of the program and the action notification through which every part
// learns that one of them ran. Owned by the application object, object name "DataModule1".
class TDataModule1 : public QObject
{
    Q_OBJECT

public:
    // Caption format of a toggle action and its argument when checked or unchecked.
    struct TToggleCaption
    {
        const char *action;
        const char *format;
        const char *ifChecked;
        const char *ifUnchecked;
    };
    static const std::array<TToggleCaption, 11> ToggleCaptions;

    explicit TDataModule1(QObject *parent);
    ~TDataModule1() override;

    // The data module of the running program, or null.
    static TDataModule1 *Find();

    // Fired with the action that ran as the sender.
    TEvent ActionEvent;

    bool DocumentOpen() const { return documentOpen_; }
    void SetDocumentOpen(bool open);
    int SaveResult = 1; // 1 the save went ahead, 2 the Save As dialog was cancelled

    QAction *Action(const QString &name) const;
    QList<QAction *> Actions() const;

    // Caption and hint of a toggle action (negative tag) from its checked state; others keep
    // theirs.
    void ApplyToggleCaption(QAction *action) const;
    void ApplyToggleCaptions() const;
    // The actions that exist only in Cadenzio mode.
    void SetModeBoundVisible(bool cadenzio) const;
    // Runs an action's execute handler as if it had been triggered with the given checked state.
    void Execute(QAction *action, bool checked);

    QAction *FileExit1, *FileNew1, *FileOpen1, *FileOpen2, *FileOpen3, *FileSave1, *FileSaveAs1,
        *FileClose1, *actSpellCheck, *actThesaurus;
    QAction *actViewLineNumbers, *actViewSyllableCnt, *actViewMeter, *actViewRhymeScheme,
        *actViewCustomDataGutter, *actViewRhymes, *actViewPhrases, *actViewThesaurus,
        *actViewRoundex, *actViewNearRhymes, *actRhymeLines, *actViewMode, *actAdvanced;
    QAction *actFileNameChange, *actStartStatus, *actUpdateStatus, *actEndStatus, *actUpdateInfo,
        *actVerseFormsUpdate, *actUpdateLookup, *actOpenRecent;

private:
    QAction *Make(const char *name, const QString &caption, const QString &hint = QString());
    QAction *MakeToggle(const char *name, const QString &caption, int tag, bool checked = false);
    void CreateFileActions();
    void CreateViewActions();
    void CreateInternalActions();
    void Connect();
    void Broadcast(QAction *action);
    void ExecuteToggle(QAction *action, bool checked);
    void SwitchMode();
    void UpdateDocOnly() const;
    void CloseMainWindow() const;

    bool documentOpen_ = false;
};
