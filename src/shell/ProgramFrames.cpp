#include "ProgramFrames.h"

#include "DataModule.h"
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
