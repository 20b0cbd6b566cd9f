#pragma once

#include "DiskWatch.h"
#include "DocumentFile.h"
#include "LineEnds.h"
#include "Recovery.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QObject;
class TDictEditor;

// The program's File actions that run the document commands.
struct TDocumentActions
{
    QAction *New = nullptr;
    QAction *OpenFromAppFolder = nullptr;
    QAction *OpenFromDocuments = nullptr;
    QAction *OpenFromLastFolder = nullptr; // enabled once a file was opened from a folder
    QAction *OpenRecent = nullptr;         // its caption is the file's path
    QAction *Save = nullptr;
    QAction *SaveAs = nullptr;
    QAction *Close = nullptr;
};

// The verse editor's one document: New, Open, Save, Save As and Close with the
// "Save changes?" question. The file is watched for changes by other programs, and unsaved text
// is kept in a recovery file RecoveryDelayMs after the last edit (RecoveryMaxDelayMs at most
// while typing goes on). The questions, the file dialogs and the error boxes go through the
// hooks, so tests can answer them.
class TDocumentCommands
{
public:
    static constexpr int RecoveryDelayMs = 3000;
    static constexpr int RecoveryMaxDelayMs = 30000;

    explicit TDocumentCommands(TDictEditor *editor);
    ~TDocumentCommands();

    // Yes, No or Cancel to "Save changes?".
    std::function<QMessageBox::StandardButton()> AskSaveChanges;
    // Whether to open, read-only, a file that saving would change (a binary file).
    std::function<bool(const QString &path)> AskOpenReadOnly;
    // The file chosen in an Open (save false) or Save As dialog starting in folder; empty when
    // cancelled.
    std::function<QString(const QString &folder, bool save)> ChooseFile;
    std::function<void(const QString &message)> ReportError;
    // "Reload" (true) or "Keep Mine" (false) when another program changed the file under edits.
    std::function<bool(const QString &path)> AskReload;
    // Whether to save over a file another program changed since it was read; saves when unset.
    std::function<bool(const QString &path)> AskSaveOverChange;
    // "Recover" (true) or "Discard" (false) for text a run that is gone left unsaved.
    std::function<bool(const TRecoveryStore::TEntry &entry)> AskRecover;
    // A short note for the status bar.
    std::function<void(const QString &note)> ShowNote;
    // Runs after the file name changed, and when a document opens (true) or closes (false).
    std::function<void()> FileNameChanged;
    std::function<void(bool open)> DocumentOpenChanged;

    void SetActions(const TDocumentActions &actions) { actions_ = actions; }
    // Runs the command of one of the File actions; false when action is none of them.
    bool Execute(const QObject *action);

    void New();
    bool OpenFrom(const QString &folder);
    bool Open(const QString &path);
    // Where the file cannot be written in place (opened read-only, a read-only file or
    // folder), Save asks for another name.
    bool Save();
    bool SaveAs();
    bool SaveAs(const QString &path);
    // False when the user cancelled or the save failed; the document then stays as it was.
    bool Close();

    // Compares the file with what the editor last read or wrote: reloads an unedited document
    // (with a note), asks under edits, keeps the text of a deleted file as modified.
    void CheckDisk();
    // Offers the unsaved text of runs that ended without saving it.
    void OfferRecovery();
    TRecoveryStore &Recovery();
    TDiskWatch &DiskWatch() { return watch_; }
    void SetRecoveryDelay(int ms) { recoveryTimer_.setInterval(ms); }

    bool IsOpen() const { return open_; }
    bool IsReadOnly() const { return readOnly_; }
    QString FileName() const { return fileName_; }
    void SetFileName(const QString &name);
    const TDocumentFormat &Format() const { return format_; }

private:
    bool QuerySave();
    bool Read(const QString &path, QString &text, TDocumentFormat &format);
    bool SavesInPlace() const;
    bool Write(const QString &path);
    void Show(const QString &text, const QString &fileName, const TDocumentFormat &format);
    void Fill(const QString &text, const TDocumentFormat &format);
    QString EditorText() const;
    void SetOpen(bool open);
    void SetReadOnly(bool readOnly);
    bool Reload();
    void Recover(const TRecoveryStore::TEntry &entry);
    void EditorChanged();
    void WriteRecovery();
    void DropRecovery();
    void Note(const QString &note);

    TDictEditor *editor_;
    TDocumentActions actions_;
    std::unique_ptr<TLineEnds> lineEnds_;
    QString fileName_;
    TDocumentFormat format_;
    bool open_ = false;
    bool readOnly_ = false;
    bool checking_ = false;
    TDiskWatch watch_;
    std::unique_ptr<TRecoveryStore> recovery_; // made when first needed
    QTimer recoveryTimer_;
    QElapsedTimer unsavedSince_;
};
