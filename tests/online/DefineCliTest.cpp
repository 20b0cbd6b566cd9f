#include "DictServers.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

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

namespace {

// The program runs while this process serves it, so the event loop must keep running.
TRun CliServed(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(TOLVANE_APP_DIR "/tolvane-cli"), args);
    TRun run;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000))
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

TEST(DefineCli, ExitStatusFollowsTheServersVerdict)
{
    struct Case
    {
        const char *answer;
        bool close; // the server hangs up after answering
        int status;
        const char *err; // a text stderr holds
    };
    const Case cases[] = {
        {"150 1 found\r\n151 \"x\" wn \"W\"\r\nx\r\n.\r\n250 ok\r\n", false, 0, ""},
        {"152 1 match\r\nwn \"x\"\r\n.\r\n250 ok\r\n", false, 0, ""},
        {"552 no match\r\n", false, 1, ""},
        {"551 invalid strategy\r\n", false, 3, "551 invalid strategy"},
        {"550 invalid database\r\n", false, 3, "550 invalid database"},
        {"530 access denied\r\n", false, 3, "530 access denied"},
        {"420 server temporarily unavailable\r\n", false, 3, "420 server"},
        {"150 1 found\r\n151 \"x\" wn \"W\"\r\nhalf a li", true, 3, "ended before its status"},
        {"150 1 found\r\n151 \"x\" wn \"W\"\r\nx\r\n.\r\n", false, 3, "ended before its status"},
    };
    for (const Case &c : cases) {
        TScriptedServer server;
        server.onConnect = [](QTcpSocket *s) { s->write("220 scripted <> <1@x>\r\n"); };
        server.onLine = [&](const QByteArray &line) {
            // Suggestions are asked for after a 552; this server has none.
            if (line.startsWith("MATCH"))
                return QByteArray("552 no match\r\n");
            server.connections.last()->write(c.answer);
            if (c.close)
                server.connections.last()->disconnectFromHost();
            return QByteArray();
        };
        const TRun run = CliServed({"define", "x", "--server", Server(server.Port())});
        EXPECT_EQ(run.status, c.status) << c.answer;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.err))) << run.err.toStdString();
        EXPECT_EQ(run.out.isEmpty(), c.status == 3) << c.answer;
    }
}

TEST(DefineCli, AWordWithoutDefinitionGetsSuggestions)
{
    TDictd &dictd = SharedDictd();
    ASSERT_TRUE(dictd.Running());
    const TRun run = Cli({"define", "recieve", "--server", Server(dictd.Port())});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("No data found\n\nDid you mean:\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\n  receive\n"))) << run.out.toStdString();
}
