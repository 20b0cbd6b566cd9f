#include "DataModule.h"
#include "FrameAdvanced.h"
#include "Startup.h"
#include "frmRhymeDict.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char **argv)
{
    // The embedded browser refuses to start as root unless its sandbox is off.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    TfrmRhymeDict::AdvancedFrameFactory = [](QWidget *parent) -> QWidget * {
        TDataModule1 *data = TDataModule1::Find();
        auto *frame = new TFrameAdvanced(parent, data ? &data->ActionEvent : nullptr);
        frame->DocumentOpenHook = [](bool open) {
            if (TDataModule1 *module = TDataModule1::Find())
                module->SetDocumentOpen(open);
        };
        return frame;
    };
    return RunProgram(app);
}
