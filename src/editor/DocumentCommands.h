#pragma once

#include "DocumentFile.h"
#include "LineEnds.h"

#include <QMessageBox>
#include <QString>

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
// "Save changes?" question. The questions, the file dialogs and the error boxes go through the
// hooks, so tests can answer them.
class TDocumentCommands
{
public:
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
    QString EditorText() const;
    void SetOpen(bool open);
    void SetReadOnly(bool readOnly);

    TDictEditor *editor_;
    TDocumentActions actions_;
    std::unique_ptr<TLineEnds> lineEnds_;
    QString fileName_;
    TDocumentFormat format_;
    bool open_ = false;
    bool readOnly_ = false;
};
