#include "ProgramFrames.h"

#include "DataModule.h"
#include "DocumentCommands.h"
#include "FrameAdvanced.h"
#include "frmRhymeDict.h"
#include "frmSimple.h"

namespace {

TEvent *ActionEvent()
{
    TDataModule1 *data = TDataModule1::Find();
    return data ? &data->ActionEvent : nullptr;
}

} // namespace

QWidget *MakeEditorFrame(QWidget *parent)
{
    auto *frame = new TFrameAdvanced(parent, ActionEvent());
    if (const TDataModule1 *d = TDataModule1::Find())
        frame->Documents()->SetActions({.New = d->FileNew1,
                                        .OpenFromAppFolder = d->FileOpen1,
                                        .OpenFromDocuments = d->FileOpen2,
                                        .OpenFromLastFolder = d->FileOpen3,
                                        .OpenRecent = d->actOpenRecent,
                                        .Save = d->FileSave1,
                                        .SaveAs = d->FileSaveAs1,
                                        .Close = d->FileClose1});
    frame->DocumentOpenHook = [](bool open) {
        if (TDataModule1 *module = TDataModule1::Find())
            module->SetDocumentOpen(open);
    };
    return frame;
}

QWidget *MakeLookupFrame(QWidget *parent)
{
    return new TFrameSimple(parent, ActionEvent());
}

void InstallProgramFrames()
{
    TfrmRhymeDict::AdvancedFrameFactory = MakeEditorFrame;
    TfrmRhymeDict::SimpleFrameFactory = MakeLookupFrame;
}
