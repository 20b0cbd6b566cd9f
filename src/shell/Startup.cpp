#include "Startup.h"

#include "AppFolders.h"
#include "CommandLine.h"
#include "DIAnsiStringHash.h"
#include "DataModule.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "DocumentCommands.h"
#include "FrameAdvanced.h"
#include "Icons.h"
#include "Links.h"
#include "MessageBoxWidth.h"
#include "OnlinePanels.h"
#include "OptionsRegistry.h"
#include "PanelRegistry.h"
#include "Settings.h"
#include "Splash.h"
#include "VerseGutters.h"
#include "WordExplorer.h"
#include "WordExplorerAction.h"
#include "frmOptions.h"
#include "frmRhymeDict.h"
#include "frmVisThesaurus.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <stdexcept>

namespace {
// The loader's own text, with the file it was reading.
QString WordListErrorMessage(const EWordListError &error)
{
    const QString reason = QString::fromUtf8(error.what());
    if (error.FileName().isEmpty())
        return reason;
    return QCoreApplication::translate("Startup", "Cannot load the word list \"%1\". %2")
        .arg(error.FileName(), reason);
}

void ShowOptions(QWidget *window)
{
    TOptionsContext context;
    if (auto *main = qobject_cast<TfrmRhymeDict *>(window)) {
        context.editor = qobject_cast<TDictEditor *>(main->Editor());
        context.gutters = dynamic_cast<TVerseGutters *>(main->FrameAdvanced());
    }
    TOptionsForm::Execute(window, context);
}
} // namespace

QString StartProgram(TProgram &program, bool showSplash)
{
    TDictSettings::Instance(); // the first-run flag reflects the file as it was at start
    RegisterLookupPanels();
    RegisterVisualPanels();
    RegisterOnlinePanels();
    std::unique_ptr<TfrmSplash> splash;
    if (showSplash) {
        splash = std::make_unique<TfrmSplash>();
        splash->ShowNow();
    }
    auto data = std::make_unique<TDataModule1>(qApp);
    // Before the window: its actions are enabled by whether the hook is set.
    std::unique_ptr<TWordExplorer> explorer = InstallWordExplorer();
    try {
        program.window = std::make_unique<TfrmRhymeDict>(data.get());
    } catch (const EWordListError &error) {
        UninstallWordExplorer();
        return WordListErrorMessage(error);
    } catch (const std::runtime_error &error) {
        UninstallWordExplorer();
        return QString::fromUtf8(error.what());
    }
    if (explorer)
        explorer.release()->setParent(program.window.get());
    program.data = data.release();
    return QString();
}

void OpenNamedDocument(TfrmRhymeDict *window, const QString &path)
{
    const QFileInfo file(path);
    // A missing folder is opened all the same, so that the error names the file.
    if (file.exists() || file.isSymLink() || !file.absoluteDir().exists()) {
        window->OpenDocument(path);
        return;
    }
    window->FirstActivate();
    TDataModule1 *data = TDataModule1::Find();
    auto *frame = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced());
    if (!data || !frame)
        return;
    if (TDictionaryList::Instance().GetMode() != 1)
        data->actAdvanced->trigger();
    TDocumentCommands *documents = frame->Documents();
    if (!documents->IsOpen())
        data->FileNew1->trigger();
    if (!documents->IsOpen())
        return;
    documents->SetFileName(file.absoluteFilePath());
    SetLastFolder(file.absolutePath());
    data->FileOpen3->setEnabled(true);
}

void EndProgram(TProgram &program)
{
    UninstallWordExplorer();
    program.window.reset();
    delete program.data;
    program.data = nullptr;
    TDictionaryList::FreeInstance();
    TDictSettings::FreeInstance();
}

int RunProgram(QApplication &app, const QString &document)
{
    NameApplication();
    QApplication::setWindowIcon(ProgramIcon());
    TMessageBoxWidth::Install();
    TProgram program;
    RegisterOptionsPages(); // asks the settings whether the UI font has a page
    TfrmRhymeDict::OptionsHook = ShowOptions;
    const QString error = StartProgram(program, true);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, QApplication::applicationName(), error);
        EndProgram(program);
        return 1;
    }
    TfrmRhymeDict *window = program.window.get();
    TfrmRhymeDict::UpdateCheckHook = [window] {
        StartUpdateCheck(window, QUrl(QString::fromLatin1(Links::WebHost)).host(),
                         Links::Url(Links::OnlineUpdates));
    };
    window->show();
    if (!document.isEmpty())
        QTimer::singleShot(0, window, [window, document] { OpenNamedDocument(window, document); });
    // After the first activation's new document and the one asked for.
    QTimer::singleShot(0, window, [window] {
        if (auto *frame = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced()))
            frame->OfferRecovery();
    });
    const int status = app.exec();
    TfrmRhymeDict::UpdateCheckHook = [] {};
    EndProgram(program);
    return status;
}
