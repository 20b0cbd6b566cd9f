// Ctrl+W offers the word explorer only over a cz.lex that opens, and says why otherwise.
#include "MainActions.h"
#include "ShellFixture.h"

#include <QAction>
#include <QFile>
#include <QtEndian>

namespace {

const QString BuiltLex = QStringLiteral(TOLVANE_APP_DIR "/cz.lex");

class WordExplorerActionTest : public ShellFixture
{
protected:
    void PutLex(qint64 bytes) // -1: the whole built file
    {
        QFile built(BuiltLex);
        ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << "build the data first";
        const QByteArray data = bytes < 0 ? built.readAll() : built.read(bytes);
        Write(data);
    }
    // The whole file with its word index overwritten, so that no block can be decoded.
    void PutLexWithBrokenIndex()
    {
        QFile built(BuiltLex);
        ASSERT_TRUE(built.open(QIODevice::ReadOnly));
        QByteArray data = built.readAll();
        const auto *trailer = reinterpret_cast<const uchar *>(data.constData() + data.size() - 44);
        const qint64 indexStart = qFromLittleEndian<quint32>(trailer);
        const qint64 directoryStart = qFromLittleEndian<quint32>(trailer + 4);
        data.replace(indexStart, directoryStart - indexStart,
                     QByteArray(directoryStart - indexStart, '\xFF'));
        Write(data);
    }
    void Write(const QByteArray &data)
    {
        QFile::remove(dir.file(QStringLiteral("cz.lex")));
        dir.write(QStringLiteral("cz.lex"), data);
    }
};

TEST_F(WordExplorerActionTest, OfferedOnlyWhenTheDatabaseOpens)
{
    struct Case
    {
        const char *name;
        qint64 bytes; // -2: no file
        bool enabled;
        const char *hint;
    };
    const Case cases[] = {
        {"missing", -2, false, "is missing"},
        {"truncated", 30, false, "cannot be read"},
        {"built", -1, true, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bytes != -2)
            PutLex(c.bytes);
        TfrmRhymeDict *window = Start();
        ASSERT_TRUE(window);
        QAction *action = window->MainActions()->actWordExplorer;
        EXPECT_EQ(action->isEnabled(), c.enabled);
        EXPECT_EQ(bool(TfrmRhymeDict::WordExplorerHook), c.enabled);
        if (!c.enabled) {
            EXPECT_TRUE(action->statusTip().contains(QLatin1String(c.hint)))
                << action->statusTip().toStdString();
            EXPECT_TRUE(action->toolTip().contains(QLatin1String("cz.lex")));
        }
        Restart();
    }
}

TEST_F(WordExplorerActionTest, OpensTheWindowAndReportsALaterDamagedFile)
{
    PutLex(-1);
    TfrmRhymeDict *window = Start();
    ASSERT_TRUE(window && TfrmRhymeDict::WordExplorerHook);
    WatchModals();
    window->MainActions()->actWordExplorer->trigger();
    EXPECT_EQ(modals, QStringList{QStringLiteral("TWordExplorerForm")});

    PutLexWithBrokenIndex();
    modals.clear();
    TfrmRhymeDict::WordExplorerHook(window, QStringLiteral("love"));
    EXPECT_EQ(modals, QStringList{QStringLiteral("QMessageBox")});
}

} // namespace
