#include "DictClient.h"
#include "DictServers.h"
#include "DictSession.h"

#include "AppFolderFixture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <optional>

namespace DP = DictProtocol;

namespace {

struct TExchange
{
    TDictClient::TOutcome outcome = TDictClient::TOutcome::Unreachable;
    QByteArray response;
    QStringList failed;
    int started = 0, ended = 0, chunks = 0;
};

// Runs one command over the servers and waits for its end (the client's own time-outs bound it).
TExchange Exchange(const QStringList &servers, const QByteArray &command, int current = 0)
{
    TDictClient client;
    client.SetServers(servers, current);
    TExchange result;
    bool done = false;
    QObject::connect(&client, &TDictClient::ServerFailed,
                     [&](const QString &entry) { result.failed << entry; });
    QObject::connect(&client, &TDictClient::ReadStarted, [&] { ++result.started; });
    QObject::connect(&client, &TDictClient::ReadEnded, [&] { ++result.ended; });
    QObject::connect(&client, &TDictClient::ChunkReceived, [&] { ++result.chunks; });
    QObject::connect(&client, &TDictClient::Finished,
                     [&](TDictClient::TOutcome outcome, const QByteArray &response) {
                         result.outcome = outcome;
                         result.response = response;
                         done = true;
                     });
    client.Start(command);
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    return result;
}

class DictdTest : public AppFolderFixture
{
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        if (!SharedDictd().Running())
            GTEST_FAIL() << "dictd did not start";
    }
};

} // namespace

TEST_F(DictdTest, DefineSendsOneCommandAndFormatsRealDefinitions)
{
    TRecordingProxy proxy(SharedDictd().Port());
    const TExchange x = Exchange({Loopback(proxy.Port())}, DP::Command({"brine", "*", ""}));
    EXPECT_EQ(x.outcome, TDictClient::TOutcome::Answered);
    // The answer ended at its final status line, and the client closed without a QUIT.
    EXPECT_TRUE(x.response.endsWith("\r\n") && x.response.contains("\r\n250 ok"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return proxy.closedByClient == 1; }, 2000));
    EXPECT_EQ(proxy.sent, QList<QByteArray>({"DEFINE * \"brine\"\r\n"}));
    EXPECT_EQ(x.started, 1);
    EXPECT_EQ(x.ended, 1);
    EXPECT_GE(x.chunks, 1);

    const QString text = DP::FormatResponse(x.response);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("\"Brine\" gcide \"The Collaborative International Dictionary of English")))
        << text.left(200).toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral("\n\"brine\" wn \"WordNet (r) 3.0 (2006)\"\nbrine\n")));
    for (const QString &line : text.split(QLatin1Char('\n')))
        EXPECT_FALSE(line.startsWith(QLatin1String("250")) ||
                     line.startsWith(QLatin1String("150")) ||
                     line.startsWith(QLatin1String("220")) || line == QLatin1String("."));
}

TEST_F(DictdTest, MatchAndHostileWordsReachTheServerAsOneCommand)
{
    TRecordingProxy proxy(SharedDictd().Port());
    const QStringList servers = {Loopback(proxy.Port())};
    const TExchange match = Exchange(servers, DP::Command({"brin", "wn", "prefix"}));
    EXPECT_TRUE(DP::FormatResponse(match.response).contains(QStringLiteral("wn \"brine\"")));

    // The server takes each escaped word as one word: no syntax error, no second answer.
    const TExchange quoted = Exchange(servers, DP::Command({"a\"b\\c", "*", ""}));
    EXPECT_EQ(DP::FormatResponse(quoted.response), DP::NoDataFound());
    const TExchange injected = Exchange(servers, DP::Command({"brine\r\nSHOW DB", "*", ""}));
    EXPECT_EQ(DP::FormatResponse(injected.response), DP::NoDataFound());
    EXPECT_FALSE(injected.response.contains("\n110 "));
    EXPECT_EQ(proxy.sent,
              QList<QByteArray>({"MATCH wn prefix \"brin\"\r\n", "DEFINE * \"a\\\"b\\\\c\"\r\n",
                                 "DEFINE * \"brineSHOW DB\"\r\n"}));
}

TEST_F(DictdTest, SessionFetchesCachesAndFailsOver)
{
    TRecordingProxy proxy(SharedDictd().Port());
    TDictSettings &settings = TDictSettings::Instance();
    // A dead first server, and lists cached from it that the live one does not have.
    const QString dead = Loopback(RefusingPort());
    settings.Ini().WriteStrings(QStringLiteral("Dictionary_Servers"),
                                {QStringLiteral("127.0.0.1"), QStringLiteral("localhost")},
                                {dead.mid(10), QString::number(proxy.Port())});
    settings.SetCurrentServer(dead);
    settings.SetDictionaryPairs(QStringLiteral("Dictionary_Databases"), {"old"}, {"Old"});
    settings.SetDictionaryPairs(QStringLiteral("Dictionary_Strategies"), {"older"}, {"Older"});

    std::optional<QString> answer;
    {
        TDictSession session;
        QObject::connect(&session, &TDictSession::Answered, [&](const QString &t) { answer = t; });
        session.Lookup(QStringLiteral("brine"), 0, 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 20000));
        EXPECT_TRUE(answer->contains(QStringLiteral("\"brine\" wn")));
        EXPECT_EQ(settings.GetCurrentServer(), QStringLiteral("localhost=%1").arg(proxy.Port()));
        EXPECT_EQ(session.Databases().names, QStringList({"*", "!", "gcide", "wn"}));
        EXPECT_EQ(session.Strategies().names.mid(0, 3), QStringList({"*", "exact", "prefix"}));
        EXPECT_EQ(session.Strategies().descriptions.at(0), QStringLiteral("Return definitions"));
        EXPECT_EQ(session.Databases().descriptions.at(1), QStringLiteral("First match"));

        // Later lookups use the lists; the second strategy makes a MATCH.
        answer.reset();
        session.Lookup(QStringLiteral("brin"), 3, 2);
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 20000));
    }
    EXPECT_EQ(proxy.sent,
              QList<QByteArray>({"SHOW DATABASES\r\n", "SHOW STRATEGIES\r\n",
                                 "DEFINE * \"brine\"\r\n", "MATCH wn prefix \"brin\"\r\n"}));
    QStringList names, values;
    settings.GetDictionaryPairs(QStringLiteral("Dictionary_Databases"), names, values);
    EXPECT_EQ(names, QStringList({"*", "!", "gcide", "wn"}));
    EXPECT_EQ(values.at(3), QStringLiteral("WordNet (r) 3.0 (2006)"));

    // The next run reads the lists from the settings and asks the server only for the word.
    TDictSession next;
    answer.reset();
    QObject::connect(&next, &TDictSession::Answered, [&](const QString &t) { answer = t; });
    next.Lookup(QStringLiteral("brine"), 0, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 20000));
    EXPECT_EQ(proxy.sent.size(), 5);
    EXPECT_EQ(proxy.sent.last(), QByteArray("DEFINE * \"brine\"\r\n"));
    EXPECT_EQ(next.Databases().names.size(), 4);
}

TEST(DictClient, OddAnswersEndCleanly)
{
    struct Case
    {
        const char *name;
        std::function<void(QTcpSocket *)> onConnect;
        std::function<QByteArray(const QByteArray &)> onLine;
        QString shown;
    };
    const QByteArray greeting = "220 scripted <auth> <1@x>\r\n";
    const Case cases[] = {
        {"greets, then nothing", [&](QTcpSocket *s) { s->write(greeting); }, nullptr,
         DP::NoDataFound()},
        {"silent", nullptr, nullptr, DP::UnableToConnect()},
        {"closes at once", [](QTcpSocket *s) { s->disconnectFromHost(); }, nullptr,
         DP::UnableToConnect()},
        {"only 552", nullptr, [](const QByteArray &) { return QByteArray("552 no match\r\n"); },
         DP::NoDataFound()},
        {"half a line, then silence", nullptr,
         [](const QByteArray &) { return QByteArray("151 \"x\" wn \"W\"\r\nhalf a li"); },
         QStringLiteral("\"x\" wn \"W\"\nhalf a li\n")},
        {"not UTF-8, then close", nullptr,
         [](const QByteArray &) { return QByteArray("151 \"x\" wn \"W\"\r\n\xc3\x28\xff\r\n"); },
         QStringLiteral("\"x\" wn \"W\"\n\u00C3(\u00FF\n")},
    };
    for (const Case &c : cases) {
        TScriptedServer server;
        server.onConnect = c.onConnect;
        server.onLine = c.onLine;
        if (QByteArray(c.name).contains("close"))
            server.onLine = [&server, f = c.onLine](const QByteArray &line) {
                const QByteArray reply = f ? f(line) : QByteArray();
                server.connections.last()->write(reply);
                server.connections.last()->disconnectFromHost();
                return QByteArray();
            };
        const TExchange x = Exchange({Loopback(server.Port())}, "DEFINE * \"x\"\r\n");
        EXPECT_EQ(DP::FormatResponse(x.response), c.shown) << c.name;
        EXPECT_EQ(x.started, x.ended) << c.name;
    }
}

TEST(DictClient, AHugeAnswerIsCut)
{
    TScriptedServer server;
    const QByteArray line(99, 'x');
    server.onLine = [&](const QByteArray &) {
        QByteArray answer = "151 \"x\" wn \"W\"\r\n";
        answer.reserve(10 * 1024 * 1024 + 100);
        while (answer.size() < 10 * 1024 * 1024)
            answer += line + "\r\n";
        return answer;
    };
    const TExchange x = Exchange({Loopback(server.Port())}, "DEFINE * \"x\"\r\n");
    EXPECT_EQ(x.outcome, TDictClient::TOutcome::Answered);
    EXPECT_EQ(x.response.size(), TDictClient::MaxResponseBytes);
}

TEST(DictClient, UnusableServersAreSkippedInOrder)
{
    TScriptedServer live;
    live.onLine = [](const QByteArray &) { return QByteArray("552 no match\r\n"); };
    const QString refused = Loopback(RefusingPort());
    const QStringList servers = {
        refused, QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1=99999"),
        QStringLiteral("no-such-host.invalid=2628"), Loopback(live.Port())};
    const TExchange x = Exchange(servers, "DEFINE * \"x\"\r\n");
    EXPECT_EQ(x.outcome, TDictClient::TOutcome::Answered);
    EXPECT_EQ(x.failed, servers.mid(0, 4));
    EXPECT_EQ(live.sent, QList<QByteArray>({"DEFINE * \"x\"\r\n"}));

    // Starting past the live one, the list runs out: nobody could be reached.
    const TExchange none = Exchange(servers.mid(0, 2), "DEFINE * \"x\"\r\n");
    EXPECT_EQ(none.outcome, TDictClient::TOutcome::Unreachable);
    EXPECT_EQ(none.started, 0);
}
