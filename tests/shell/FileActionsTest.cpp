#include "ShellFixture.h"

#include "DocumentCommands.h"

#include <QAction>

using FileActionsTest = ShellFixture;

// The program's File actions reach the verse editor's document commands, each its own.
TEST_F(FileActionsTest, EachFileActionRunsItsDocumentCommand)
{
    WriteSettings();
    UseEditorFrame();
    TfrmRhymeDict *window = StartShown();
    ASSERT_TRUE(window);
    TDocumentCommands *docs = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced())->Documents();
    ASSERT_TRUE(docs->IsOpen()) << "Cadenzio mode starts with a new document";
    QStringList dialogs;
    docs->ChooseFile = [&dialogs](const QString &folder, bool save) {
        dialogs << (save ? "save:" : "open:") + folder;
        return QString(); // cancelled
    };
    SetLastFolder(dir.file("last"));
    Data()->FileOpen3->setEnabled(true);
    const TDataModule1 *d = Data();
    const struct
    {
        QAction *action;
        QString dialog;
        bool open;
    } cases[] = {
        {d->FileOpen1, "open:" + AppFolder(), true},
        {d->FileOpen2, "open:" + DocumentsFolder(), true},
        {d->FileOpen3, "open:" + dir.file("last"), true},
        {d->FileSaveAs1, "save:" + AppFolder(), true},
        {d->FileSave1, "save:" + AppFolder(), true}, // an untitled document asks for a name
        {d->FileClose1, {}, false},
        {d->FileNew1, {}, true},
    };
    for (const auto &c : cases) {
        dialogs.clear();
        c.action->trigger();
        const std::string name = c.action->objectName().toStdString();
        EXPECT_EQ(dialogs, c.dialog.isEmpty() ? QStringList() : QStringList{c.dialog}) << name;
        EXPECT_EQ(docs->IsOpen(), c.open) << name;
    }
}
