#include "DataModule.h"
#include "FrameAdvanced.h"
#include "Startup.h"
#include "frmRhymeDict.h"
#include "frmSimple.h"

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
    TfrmRhymeDict::SimpleFrameFactory = [](QWidget *parent) -> QWidget * {
        TDataModule1 *data = TDataModule1::Find();
        return new TFrameSimple(parent, data ? &data->ActionEvent : nullptr);
    };
    return RunProgram(app);
}
