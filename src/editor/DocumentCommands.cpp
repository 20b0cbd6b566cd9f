#include "DocumentCommands.h"

#include "AppComponents.h"
#include "AppFolders.h"
#include "DictEditor.h"
#include "Settings.h"

#include <QAction>
#include <QFileInfo>
#include <QTextDocument>

#include <stdexcept>

TDocumentCommands::TDocumentCommands(TDictEditor *editor) : editor_(editor) {}

bool TDocumentCommands::Execute(QAction *action)
{
    const QString name = action->objectName();
    if (name == QLatin1String("FileNew1"))
        New();
    else if (name == QLatin1String("FileOpen1"))
        OpenFrom(AppFolder());
    else if (name == QLatin1String("FileOpen2"))
        OpenFrom(DocumentsFolder());
    else if (name == QLatin1String("FileOpen3"))
        OpenFrom(GetLastFolder());
    else if (name == QLatin1String("actOpenRecent"))
        Open(action->text());
    else if (name == QLatin1String("FileSave1"))
        Save();
    else if (name == QLatin1String("FileSaveAs1"))
        SaveAs();
    else if (name == QLatin1String("FileClose1"))
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
}

bool TDocumentCommands::OpenFrom(const QString &folder)
{
    const QString path = ChooseFile ? ChooseFile(folder, false) : QString();
    if (path.isEmpty())
        return false;
    SetLastFolder(QFileInfo(path).absolutePath());
    if (QAction *lastFolder = FindAppAction(QStringLiteral("FileOpen3")))
        lastFolder->setEnabled(true);
    return Open(path);
}

// The file is read before anything changes, so a failed read leaves the editor as it was.
bool TDocumentCommands::Open(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = TDocumentFile::ReadBytes(path);
    } catch (const std::runtime_error &error) {
        ReportError(QString::fromStdString(error.what()));
        return false;
    }
    if (!QuerySave())
        return false;
    TDocumentFormat format;
    const QString text = TDocumentFile::Decode(bytes, format);
    Show(text, path, format);
    TDictSettings::Instance().AddToFileHistory(path);
    return true;
}

bool TDocumentCommands::Save()
{
    if (fileName_.isEmpty())
        return SaveAs();
    return Write(fileName_);
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
    try {
        TDocumentFile::WriteBytes(path, TDocumentFile::Encode(EditorText(), format));
    } catch (const std::runtime_error &error) {
        ReportError(QString::fromStdString(error.what()));
        return false;
    }
    format_ = format;
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
    format_ = format;
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

void TDocumentCommands::SetOpen(bool open)
{
    open_ = open;
    if (DocumentOpenChanged)
        DocumentOpenChanged(open);
}
