// A running copy of the verse editor for the recovery tests: opens a document, types into it,
// says "ready" once its recovery file is on disk and then runs until it is killed.
//   test_recovery_child APP_FOLDER RECOVERY_FOLDER DOCUMENT TEXT
#include "AppFolders.h"
#include "DictEditor.h"
#include "DocumentCommands.h"
#include "Recovery.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 5)
        return 2;
    OverrideAppFolder(QString::fromLocal8Bit(argv[1]));
    const QString folder = QString::fromLocal8Bit(argv[2]);
    TRecoveryStore::OverrideFolder(folder);
    TDictEditor editor;
    TDocumentCommands documents(&editor);
    documents.ReportError = [](const QString &message) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    };
    documents.SetRecoveryDelay(50);
    if (!documents.Open(QString::fromLocal8Bit(argv[3])))
        return 3;
    editor.moveCursor(QTextCursor::End);
    editor.insertPlainText(QString::fromLocal8Bit(argv[4]));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files).isEmpty())
            return;
        poll.stop();
        std::puts("ready");
        std::fflush(stdout);
    });
    poll.start(20);
    return app.exec();
}
