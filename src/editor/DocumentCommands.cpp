#include "DocumentCommands.h"

#include "AppComponents.h"
#include "AppFolders.h"
#include "DictEditor.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>
#include <stdexcept>

namespace {
// The busy cursor while a long read or layout keeps the window from answering.
class TBusyCursor
{
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};
} // namespace

TDocumentCommands::TDocumentCommands(TDictEditor *editor)
    : editor_(editor), lineEnds_(std::make_unique<TLineEnds>(editor->document()))
{
    watch_.OnChange = [this] { CheckDisk(); };
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(RecoveryDelayMs);
    QObject::connect(&recoveryTimer_, &QTimer::timeout, &recoveryTimer_,
                     [this] { WriteRecovery(); });
    QTextDocument *document = editor_->document();
    QObject::connect(document, &QTextDocument::contentsChanged, &recoveryTimer_,
                     [this] { EditorChanged(); });
    QObject::connect(document, &QTextDocument::modificationChanged, &recoveryTimer_,
                     [this](bool modified) {
                         if (modified)
                             return EditorChanged();
                         DropRecovery();
                     });
}

// Text still unsaved when the window goes without its close question (the session ends) stays
// for the next start.
TDocumentCommands::~TDocumentCommands()
{
    if (recovery_ && !(open_ && editor_->Modified()))
        recovery_->Remove();
}

bool TDocumentCommands::Execute(const QObject *action)
{
    const TDocumentActions &a = actions_;
    if (!action)
        return false;
    if (action == a.New)
        New();
    else if (action == a.OpenFromAppFolder)
        OpenFrom(AppFolder());
    else if (action == a.OpenFromDocuments)
        OpenFrom(DocumentsFolder());
    else if (action == a.OpenFromLastFolder)
        OpenFrom(GetLastFolder());
    else if (action == a.OpenRecent)
        Open(a.OpenRecent->text());
    else if (action == a.Save)
        Save();
    else if (action == a.SaveAs)
        SaveAs();
    else if (action == a.Close)
        Close();
    else
        return false;
    return true;
}

void TDocumentCommands::New()
{
    if (open_ && !Close())
        return;
    Show(QString(), QString(), TDocumentFormat());
    SetReadOnly(false);
}

bool TDocumentCommands::OpenFrom(const QString &folder)
{
    const QString path = ChooseFile ? ChooseFile(folder, false) : QString();
    if (path.isEmpty())
        return false;
    SetLastFolder(QFileInfo(path).absolutePath());
    if (actions_.OpenFromLastFolder)
        actions_.OpenFromLastFolder->setEnabled(true);
    return Open(path);
}

// "Save changes?" comes before the read, so that the file read is the one just saved. A file
// that cannot be opened is reported before the question; a failed read leaves the editor as
// it was.
bool TDocumentCommands::Open(const QString &path)
{
    try {
        TDocumentFile::CheckReadable(path);
    } catch (const std::runtime_error &error) {
        ReportError(QString::fromStdString(error.what()));
        return false;
    }
    if (!QuerySave())
        return false;
    QString text;
    TDocumentFormat format;
    if (!Read(path, text, format))
        return false;
    const bool readOnly = !format.Keepable;
    if (readOnly && !(AskOpenReadOnly && AskOpenReadOnly(path)))
        return false;
    {
        const TBusyCursor busy;
        Show(text, path, format);
    }
    SetReadOnly(readOnly);
    TDictSettings::Instance().AddToFileHistory(path);
    return true;
}

bool TDocumentCommands::Read(const QString &path, QString &text, TDocumentFormat &format)
{
    QString failure;
    try {
        const TBusyCursor busy;
        text = TDocumentFile::Decode(TDocumentFile::ReadBytes(path), format);
        return true;
    } catch (const std::runtime_error &error) {
        failure = QString::fromStdString(error.what());
    }
    ReportError(failure);
    return false;
}

bool TDocumentCommands::Save()
{
    if (fileName_.isEmpty() || !SavesInPlace())
        return SaveAs();
    return Write(fileName_);
}

// A save replaces the file by a new one beside it, so the folder must be writable too.
bool TDocumentCommands::SavesInPlace() const
{
    const QFileInfo file(fileName_);
    return !readOnly_ && (!file.exists() || file.isWritable()) &&
           QFileInfo(file.absolutePath()).isWritable();
}

bool TDocumentCommands::SaveAs()
{
    const QString path = ChooseFile ? ChooseFile(AppFolder(), true) : QString();
    return !path.isEmpty() && SaveAs(path);
}

bool TDocumentCommands::SaveAs(const QString &path)
{
    if (!Write(path))
        return false;
    SetFileName(path);
    SetReadOnly(false); // the new file holds what the editor holds
    return true;
}

bool TDocumentCommands::Close()
{
    if (!QuerySave())
        return false;
    editor_->clear();
    editor_->SetModified(false);
    DropRecovery(); // also when clearing reset the flag without a word
    TDictSettings::Instance().AddToFileHistory(fileName_);
    SetFileName(QString());
    watch_.Watch(QString());
    format_ = TDocumentFormat();
    SetReadOnly(false);
    editor_->hide();
    SetOpen(false);
    return true;
}

void TDocumentCommands::SetFileName(const QString &name)
{
    fileName_ = name;
    if (FileNameChanged)
        FileNameChanged();
}

// True when the changes were saved or may be dropped.
bool TDocumentCommands::QuerySave()
{
    if (!open_ || !editor_->Modified())
        return true;
    const QMessageBox::StandardButton answer = AskSaveChanges();
    if (answer == QMessageBox::Cancel)
        return false;
    return answer != QMessageBox::Yes || Save();
}

// A failed write reports the error and leaves the name, the text and the modified flag alone.
bool TDocumentCommands::Write(const QString &path)
{
    if (path == fileName_ && watch_.ChangedSinceRead() && AskSaveOverChange &&
        !AskSaveOverChange(path))
        return false;
    TDocumentFormat format = format_;
    format.LineEnds = lineEnds_->Collect(format.LineEnd);
    try {
        TDocumentFile::WriteBytes(path, TDocumentFile::Encode(EditorText(), format));
    } catch (const std::runtime_error &error) {
        ReportError(QString::fromStdString(error.what()));
        return false;
    }
    format_ = format; // the encoding may have changed to hold the text
    format_.LineEnds.clear();
    watch_.Watch(path);
    editor_->SetModified(false);
    ExecuteAppAction(QStringLiteral("actUpdateInfo"));
    return true;
}

void TDocumentCommands::Show(const QString &text, const QString &fileName,
                             const TDocumentFormat &format)
{
    editor_->show();
    SetOpen(true);
    SetFileName(fileName);
    Fill(text, format);
    editor_->setFocus();
}

void TDocumentCommands::Fill(const QString &text, const TDocumentFormat &format)
{
    editor_->setPlainText(text);
    lineEnds_->Apply(format.LineEnds, format.LineEnd);
    format_ = format;
    format_.LineEnds.clear(); // the paragraphs hold them now
    watch_.Watch(fileName_);
    editor_->SetModified(false);
    ExecuteAppAction(QStringLiteral("actUpdateInfo"));
}

// The raw text, not toPlainText(), which turns no-break spaces into spaces.
QString TDocumentCommands::EditorText() const
{
    QString text = editor_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void TDocumentCommands::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    editor_->setReadOnly(readOnly);
}

void TDocumentCommands::SetOpen(bool open)
{
    open_ = open;
    if (DocumentOpenChanged)
        DocumentOpenChanged(open);
}

// --- changes on disk -----------------------------------------------------------------------

void TDocumentCommands::CheckDisk()
{
    if (!open_ || fileName_.isEmpty() || checking_ || !watch_.ChangedSinceSeen())
        return;
    if (QApplication::activeModalWidget()) {
        watch_.Retry(); // not under another question
        return;
    }
    const QScopedValueRollback checking(checking_, true);
    const QString name = QFileInfo(fileName_).fileName();
    if (!watch_.Exists()) {
        watch_.MarkSeen();
        editor_->SetModified(true); // the text is nowhere else now
        Note(QObject::tr("\"%1\" was deleted by another program; Save writes it again.").arg(name));
        return;
    }
    if (editor_->Modified() && !(AskReload && AskReload(fileName_))) {
        watch_.MarkSeen();
        return;
    }
    if (Reload())
        Note(QObject::tr("\"%1\" was changed by another program and has been reloaded.").arg(name));
}

// The caret and the view stay where they were, as far as the new text reaches.
bool TDocumentCommands::Reload()
{
    QString text;
    TDocumentFormat format;
    if (!Read(fileName_, text, format)) {
        watch_.MarkSeen();
        return false;
    }
    const int caret = editor_->textCursor().position();
    const int scroll = editor_->verticalScrollBar()->value();
    Fill(text, format); // the page shown and the focus stay as they are
    SetReadOnly(!format.Keepable);
    QTextCursor cursor = editor_->textCursor();
    cursor.setPosition(std::min(caret, editor_->document()->characterCount() - 1));
    editor_->setTextCursor(cursor);
    editor_->verticalScrollBar()->setValue(scroll);
    return true;
}

void TDocumentCommands::Note(const QString &note)
{
    if (ShowNote)
        ShowNote(note);
}

// --- recovery ------------------------------------------------------------------------------

TRecoveryStore &TDocumentCommands::Recovery()
{
    if (!recovery_)
        recovery_ = std::make_unique<TRecoveryStore>();
    return *recovery_;
}

void TDocumentCommands::EditorChanged()
{
    if (!open_ || !editor_->Modified())
        return;
    if (!recoveryTimer_.isActive())
        unsavedSince_.start();
    if (unsavedSince_.elapsed() >= RecoveryMaxDelayMs)
        WriteRecovery();
    else
        recoveryTimer_.start();
}

void TDocumentCommands::DropRecovery()
{
    recoveryTimer_.stop();
    if (recovery_)
        recovery_->Remove();
}

void TDocumentCommands::WriteRecovery()
{
    recoveryTimer_.stop();
    if (open_ && editor_->Modified())
        Recovery().Write(fileName_, EditorText());
}

void TDocumentCommands::OfferRecovery()
{
    if (!AskRecover)
        return;
    for (const TRecoveryStore::TEntry &entry : Recovery().Orphans()) {
        if (!AskRecover(entry)) {
            Recovery().Drop(entry);
            continue;
        }
        if (!QuerySave())
            continue; // offered again at the next start
        Recover(entry);
        Recovery().Drop(entry);
    }
}

// The file itself is read only for its encoding and line ends; nothing is written to it.
void TDocumentCommands::Recover(const TRecoveryStore::TEntry &entry)
{
    TDocumentFormat format;
    if (!entry.document.isEmpty()) {
        try {
            TDocumentFile::Decode(TDocumentFile::ReadBytes(entry.document), format);
        } catch (const std::runtime_error &) {
            format = TDocumentFormat(); // gone or unreadable: Save writes it anew
        }
        format.LineEnds.clear();
        format.Keepable = true;
    }
    Show(entry.text, entry.document, format);
    SetReadOnly(false);
    editor_->SetModified(true);
    WriteRecovery(); // this run's own copy, before the old one goes
}
