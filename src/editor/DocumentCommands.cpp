#include "DocumentCommands.h"

#include "AppComponents.h"
#include "AppFolders.h"
#include "DictEditor.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

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
{}

TDocumentCommands::~TDocumentCommands() = default;

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
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        ReportError(QObject::tr("Cannot open file \"%1\": %2.").arg(path, probe.errorString()));
        return false;
    }
    probe.close();
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
    TDictSettings::Instance().AddToFileHistory(fileName_);
    SetFileName(QString());
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
    editor_->SetModified(false);
    ExecuteAppAction(QStringLiteral("actUpdateInfo"));
    return true;
}

void TDocumentCommands::Show(const QString &text, const QString &fileName,
                             const TDocumentFormat &format)
{
    editor_->show();
    SetOpen(true);
    editor_->setPlainText(text);
    lineEnds_->Apply(format.LineEnds, format.LineEnd);
    format_ = format;
    format_.LineEnds.clear(); // the paragraphs hold them now
    SetFileName(fileName);
    editor_->SetModified(false);
    ExecuteAppAction(QStringLiteral("actUpdateInfo"));
    editor_->setFocus();
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
