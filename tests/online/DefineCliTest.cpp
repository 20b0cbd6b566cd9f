#include "DictServers.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

struct TRun
{
    int status = -1;
    QString out, err;
};

TRun Cli(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(TOLVANE_APP_DIR "/tolvane-cli"), args);
    TRun run;
    if (!process.waitForFinished(20000))
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString Server(quint16 port)
{
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

} // namespace

TEST(DefineCli, PrintsDefinitionsAndTellsNotFoundFromUnreachable)
{
    TDictd &dictd = SharedDictd();
    ASSERT_TRUE(dictd.Running());
    const QString live = Server(dictd.Port());
    const QString dead = Server(RefusingPort());

    const TRun found = Cli({"define", "brine", "--server", dead, "--server", live});
    EXPECT_EQ(found.status, 0) << found.err.toStdString();
    EXPECT_TRUE(found.out.startsWith(QStringLiteral("\"Brine\" gcide")));
    EXPECT_TRUE(found.out.contains(QStringLiteral("\"brine\" wn \"WordNet")));

    const TRun wn = Cli({"define", "--database", "wn", "brine", "--server", live});
    EXPECT_TRUE(wn.out.startsWith(QStringLiteral("\"brine\" wn")));

    const TRun match =
        Cli({"define", "brin", "--strategy", "prefix", "--database", "wn", "--server", live});
    EXPECT_EQ(match.status, 0);
    EXPECT_TRUE(match.out.contains(QStringLiteral("wn \"brine\"")));

    const TRun nothing = Cli({"define", "qzxqzxq", "--server", live});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.out, QStringLiteral("No data found\n"));

    const TRun unreachable = Cli({"define", "brine", "--server", dead});
    EXPECT_EQ(unreachable.status, 2);
    EXPECT_TRUE(unreachable.out.isEmpty());
    EXPECT_TRUE(unreachable.err.contains(QStringLiteral("Unable to connect")));

    for (const QStringList &bad : {QStringList{"define"}, QStringList{"define", "x", "--server"},
                                   QStringList{"define", "x", "--server", "h:99999"}}) {
        const TRun usage = Cli(bad);
        EXPECT_EQ(usage.status, 2) << bad.join(' ').toStdString();
        EXPECT_FALSE(usage.err.isEmpty());
    }
}
