#include "DictionaryList.h"
#include "Settings.h"
#include "frmRhymeDict.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane Dictionary of Rhyme"));
    int rc = 1;
    try {
        TDictSettings::Instance();
        TDictionaryList::Instance();
        TfrmRhymeDict window;
        window.resize(800, 600);
        window.show();
        rc = QApplication::exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromUtf8(e.what()));
    }
    TDictionaryList::FreeInstance();
    TDictSettings::FreeInstance();
    return rc;
}
