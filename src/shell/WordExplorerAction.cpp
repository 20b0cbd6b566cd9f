#include "WordExplorerAction.h"

#include "AppFolders.h"
#include "LexDatabase.h"
#include "LexError.h"
#include "WordExplorer.h"
#include "frmRhymeDict.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

namespace {

bool installed = false; // the hook is ours, not one set before start

QString Tr(const char *text)
{
    return QCoreApplication::translate("WordExplorerAction", text);
}

// Empty when the database opens; else why the explorer cannot be offered.
QString CheckDatabase(TLexDatabase &db)
{
    const QString file = WordExplorerFile();
    if (!QFileInfo(file).isFile())
        return Tr("Word Explorer is unavailable: its database %1 is missing.").arg(file);
    try {
        TLexFileGuard guard(db);
        db.Open();
    } catch (const ELexError &error) {
        return Tr("Word Explorer is unavailable: its database %1 cannot be read (%2).")
            .arg(file, QString::fromUtf8(error.what()));
    }
    return {};
}

void RunExplorer(TWordExplorer &explorer, QWidget *window, const QString &word)
{
    explorer.Caption = Tr("Cadenzio Word Explorer");
    explorer.SetDatabaseFile(WordExplorerFile());
    explorer.LookupWord = word;
    explorer.ScreenCentered = true;
    QPointer<QWidget> owner(window);
    explorer.OnExecute = [&explorer, owner] {
        if (owner && explorer.Form())
            explorer.Form()->setWindowIcon(owner->windowIcon());
    };
    try {
        explorer.Execute();
    } catch (const ELexError &error) {
        QMessageBox::critical(window, QApplication::applicationName(),
                              LexErrorText(explorer.DatabaseFile(), error.what()));
    }
}

} // namespace

std::unique_ptr<TWordExplorer> InstallWordExplorer()
{
    if (TfrmRhymeDict::WordExplorerHook)
        return nullptr;
    auto explorer = std::make_unique<TWordExplorer>();
    explorer->setObjectName(QStringLiteral("WordExplorer1"));
    explorer->CopyClickAction = cbpCopyClipboard;
    explorer->SetDatabaseFile(WordExplorerFile());
    const QString problem = CheckDatabase(explorer->Database());
    if (!problem.isEmpty()) {
        TfrmRhymeDict::WordExplorerHook = nullptr;
        TfrmRhymeDict::WordExplorerHint = problem;
        return nullptr;
    }
    TfrmRhymeDict::WordExplorerHint.clear();
    installed = true;
    TWordExplorer *component = explorer.get();
    TfrmRhymeDict::WordExplorerHook = [component](QWidget *window, const QString &word) {
        RunExplorer(*component, window, word);
    };
    return explorer;
}

void UninstallWordExplorer()
{
    if (installed)
        TfrmRhymeDict::WordExplorerHook = nullptr;
    installed = false;
    TfrmRhymeDict::WordExplorerHint.clear();
}
