// tolvane-cli runs lex in a front of its own, without Qt: what it prints and its exit status are
// those of the command line inside the program.
#include "TolvaneCli.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct TRun
{
    int status = -1;
    std::string out, err;
    bool operator==(const TRun &) const = default;
};

std::ostream &operator<<(std::ostream &os, const TRun &run)
{
    return os << run.status << "\nout: " << run.out.substr(0, 300) << "\nerr: " << run.err;
}

TRun InProgram(const QString &dataDir, const QStringList &args)
{
    std::ostringstream out, err;
    TTolvaneCli cli(dataDir, out, err);
    const int status = cli.Run(QStringList{"lex"} + args);
    return {status, out.str(), err.str()};
}

TRun InFront(const QStringList &args)
{
    QProcess front;
    front.start(QStringLiteral(TOLVANE_CLI), args);
    if (!front.waitForFinished(20000))
        return {};
    return {front.exitCode(), front.readAllStandardOutput().toStdString(),
            front.readAllStandardError().toStdString()};
}

} // namespace

TEST(LexFront, PrintsWhatTheProgramsCommandLinePrints)
{
    const QString app = QStringLiteral(TOLVANE_APP_DIR "/");
    ASSERT_TRUE(QFile::exists(app + "cz.lex")) << "build the data first";
    TempDir missing, damaged, folder;
    QFile real(app + "cz.lex");
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    damaged.write("cz.lex", real.read(200000)); // its trailer cut off
    ASSERT_TRUE(QDir(folder.path()).mkdir("cz.lex"));

    struct TCase
    {
        QString dataDir; // empty: the program's own folder
        QStringList args;
        int status;
    };
    const TCase cases[] = {
        {{}, {"love"}, 0},
        {{}, {"ran"}, 0},
        {{}, {"dog's"}, 0},
        {{}, {"xyzzy"}, 1},
        {{}, {"--rel", "Antonyms", "bright"}, 0},
        {{}, {"love", "--rel", "type-of"}, 0},
        {{}, {"  ice", "cream\t"}, 0},
        {{}, {"caf\u00e9"}, 0},
        {{}, {"\u65e5\u672c"}, 1},
        {{}, {"love", "--rel", "cousins"}, 2},
        {{}, {"love", "--rel"}, 2},
        {{}, {}, 2},
        {app, {"ran"}, 0},
        {missing.path(), {"love"}, 2},
        {damaged.path(), {"love"}, 2},
        {folder.path(), {"love"}, 2},
    };
    for (const TCase &c : cases) {
        const QStringList data =
            c.dataDir.isEmpty() ? QStringList() : QStringList{"--data", c.dataDir};
        const TRun front = InFront(data + QStringList{"lex"} + c.args);
        EXPECT_EQ(front, InProgram(c.dataDir.isEmpty() ? app : c.dataDir, c.args))
            << c.args.join(' ').toStdString();
        EXPECT_EQ(front.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(front.out.empty(), c.status != 0) << c.args.join(' ').toStdString();
        EXPECT_EQ(front.err.empty(), c.status != 2) << c.args.join(' ').toStdString();
    }
}
