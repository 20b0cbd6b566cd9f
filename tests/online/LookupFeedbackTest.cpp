#include "DictServers.h"
#include "OnlineFixture.h"

#include "DefinitionMemo.h"
#include "FrameAdvanced.h"
#include "frmOnline.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <memory>
#include <optional>

namespace {

QString Text(TfrmOnline *panel)
{
    return panel->ResultMemo1()->toPlainText();
}

// The DICT panel of the editor frame on its page, with lists cached so that only lookups reach
// the servers.
class LookupFeedbackTest : public OnlineFixture
{
protected:
    TfrmOnline *Panel(const QStringList &servers, bool cachedLists = true)
    {
        UseMode(1);
        TDictSettings &settings = TDictSettings::Instance();
        if (cachedLists) {
            settings.SetDictionaryPairs(QStringLiteral("Dictionary_Databases"), {"*"},
                                        {"Default lookup"});
            settings.SetDictionaryPairs(QStringLiteral("Dictionary_Strategies"), {"*", "lev"},
                                        {"Return definitions", "Levenshtein"});
        }
        settings.SetDictServers(servers);
        settings.SetCurrentServer(servers.value(0));
        frame = std::make_unique<TFrameAdvanced>(nullptr, nullptr);
        frame->Initialize(1);
        frame->resize(700, 500);
        frame->show();
        QWidget *page =
            frame->PageControl1()->findChild<QWidget *>(QStringLiteral("tbOnlineLookup"));
        TfrmOnline *panel = page ? page->findChild<TfrmOnline *>() : nullptr;
        if (panel)
            frame->PageControl1()->setCurrentWidget(page);
        return panel;
    }

    std::unique_ptr<TFrameAdvanced> frame;
};

QByteArray Definition(const QByteArray &word, const QByteArray &text)
{
    return "150 1 found\r\n151 \"" + word + "\" wn \"W\"\r\n" + text + "\r\n.\r\n250 ok\r\n";
}

} // namespace

TEST_F(LookupFeedbackTest, ALookupSaysSoAtOnceAndClearsTheOldAnswer)
{
    TScriptedServer server;
    server.onLine = [](const QByteArray &line) -> QByteArray {
        return line.contains("\"slow\"") ? QByteArray() : Definition("brine", "salt water");
    };
    TfrmOnline *panel = Panel({Loopback(server.Port())});
    ASSERT_NE(panel, nullptr);
    Dict().SetWordNow(QStringLiteral("brine"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text(panel).contains("salt water"); }, 5000));
    const int started = actions.Count("actStartStatus");

    Dict().SetWordNow(QStringLiteral("slow"));
    // Before the server has said a word: the old answer is gone and the progress bar is on.
    EXPECT_EQ(Text(panel), QString::fromUtf8("Looking up \"slow\"…"));
    EXPECT_EQ(actions.Count("actStartStatus"), started + 1);
    EXPECT_EQ(actions.Count("actEndStatus"), started);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->Session().Busy(); }, 5000));
    EXPECT_EQ(actions.Count("actEndStatus"), started + 1);
}

TEST_F(LookupFeedbackTest, AServerThatTricklesIsCutOffByTheDeadline)
{
    TScriptedServer server;
    QTimer trickle;
    server.onLine = [&](const QByteArray &) {
        trickle.start(200);
        return QByteArray("150 1 found\r\n151 \"x\" wn \"W\"\r\n");
    };
    QObject::connect(&trickle, &QTimer::timeout, [&] {
        for (const QPointer<QTcpSocket> &socket : server.connections)
            if (socket)
                socket->write("one more line\r\n");
    });
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetDictServers({Loopback(server.Port())});
    settings.SetCurrentServer(Loopback(server.Port()));
    settings.SetDictionaryPairs(QStringLiteral("Dictionary_Databases"), {"*"}, {"Default lookup"});
    settings.SetDictionaryPairs(QStringLiteral("Dictionary_Strategies"), {"*"},
                                {"Return definitions"});
    TDictSession session;
    session.Client().SetDeadline(1500);
    std::optional<QString> answer;
    QObject::connect(&session, &TDictSession::Answered, [&](const QString &t) { answer = t; });
    QElapsedTimer clock;
    clock.start();
    session.Lookup(QStringLiteral("x"), 0, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
    // The idle timer alone never fires while lines keep coming.
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_EQ(*answer, DictProtocol::UnableToConnect());
    EXPECT_EQ(TDictClient::DeadlineMs, 15000);
}

TEST_F(LookupFeedbackTest, AHugeAnswerArrivesInPiecesAndSaysWhereItWasCut)
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
    TfrmOnline *panel = Panel({Loopback(server.Port())});
    ASSERT_NE(panel, nullptr);
    bool sawPieces = false;
    Dict().SetWordNow(QStringLiteral("x"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            sawPieces = sawPieces || panel->Appending();
            return !panel->Session().Busy() && !panel->Appending();
        },
        30000));
    EXPECT_TRUE(sawPieces);
    const QString text = Text(panel);
    EXPECT_TRUE(text.startsWith(QStringLiteral("\"x\" wn \"W\"\n") + QString::fromLatin1(line)));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n(The answer was cut at 8 MB.)\n")))
        << text.right(200).toStdString();
    // Every whole line that came is shown once, in order.
    const qsizetype lines = (TDictClient::MaxResponseBytes - 16) / 101;
    EXPECT_EQ(text.count(QString::fromLatin1(line)), lines);
}

TEST_F(LookupFeedbackTest, TwoServersOnOneHostFailOverInFileOrder)
{
    ASSERT_TRUE(SharedDictd().Running());
    const QString dead = Loopback(RefusingPort());
    const QString live = Loopback(SharedDictd().Port());
    dir.write(QStringLiteral("settings.ini"),
              ("[Dictionary_Servers]\r\n" + dead + "\r\n" + live +
               "\r\n[Dictionary_CurrentServer]\r\n"
               "Name=127.0.0.1\r\nPort=" +
               live.mid(10) +
               "\r\n[Dictionary_Databases]\r\n*=Default lookup\r\n"
               "[Dictionary_Strategies]\r\n*=Return definitions\r\n")
                  .toUtf8());
    TDictSettings::FreeInstance();
    TDictSettings &settings = TDictSettings::Instance();
    QStringList servers;
    settings.GetDictServers(servers);
    EXPECT_EQ(servers, QStringList({dead, live}));

    // The current server is the second line: the cached lists stay and it is asked first.
    {
        TDictSession session;
        std::optional<QString> answer;
        QObject::connect(&session, &TDictSession::Answered, [&](const QString &t) { answer = t; });
        session.Lookup(QStringLiteral("brine"), 0, 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 20000));
        EXPECT_TRUE(answer->contains(QStringLiteral("\"brine\" wn")));
        EXPECT_EQ(session.Databases().names, QStringList({"*"}));
    }
    // Starting at the dead one, the lookup moves on to the second server of the same host.
    settings.SetCurrentServer(dead);
    TDictSession session;
    std::optional<QString> answer;
    QObject::connect(&session, &TDictSession::Answered, [&](const QString &t) { answer = t; });
    session.Lookup(QStringLiteral("brine"), 0, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 20000));
    EXPECT_TRUE(answer->contains(QStringLiteral("\"brine\" wn")));
    EXPECT_EQ(settings.GetCurrentServer(), live);
}

TEST_F(LookupFeedbackTest, AWordWithoutDefinitionOffersSuggestionsThatLookUp)
{
    ASSERT_TRUE(SharedDictd().Running());
    TRecordingProxy proxy(SharedDictd().Port());
    TfrmOnline *panel = Panel({Loopback(proxy.Port())});
    ASSERT_NE(panel, nullptr);
    Dict().SetWordNow(QStringLiteral("recieve"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text(panel).contains("Did you mean:"); }, 20000))
        << Text(panel).toStdString();
    EXPECT_TRUE(Text(panel).startsWith(QStringLiteral("No data found\n\nDid you mean:\n")));
    EXPECT_TRUE(Text(panel).contains(QStringLiteral("\n{receive}\n"))) << Text(panel).toStdString();
    // Each word once, whatever letter case each database gives it.
    EXPECT_FALSE(Text(panel).contains(QStringLiteral("{Receive}")));
    EXPECT_EQ(proxy.sent.mid(0, 3),
              QList<QByteArray>({"DEFINE * \"recieve\"\r\n", "MATCH * . \"recieve\"\r\n",
                                 "MATCH * lev \"recieve\"\r\n"}));

    // A click on the suggestion makes it the current word, and its definitions follow.
    TDefinitionMemo *memo = panel->ResultMemo1();
    const QTextBlock block =
        memo->document()
            ->find(QStringLiteral("{receive}"), 0, QTextDocument::FindCaseSensitively)
            .block();
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
    const QPoint at = memo->cursorRect(cursor).center();
    EXPECT_EQ(memo->WordUnder(at), QStringLiteral("receive"));
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("receive"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text(panel).startsWith("\"Receive\" gcide"); }, 20000))
        << Text(panel).left(200).toStdString();
    // gcide's cross-references are links too.
    EXPECT_TRUE(Text(panel).contains(QLatin1Char('{')));
}

TEST_F(LookupFeedbackTest, CrossReferencesAndTheSelectionLookUp)
{
    TScriptedServer server;
    server.onLine = [](const QByteArray &line) {
        // 'DEFINE * "word"' CR LF
        return Definition(line.mid(10, line.size() - 13), "See {brine pit} and {Salt}.");
    };
    TfrmOnline *panel = Panel({Loopback(server.Port())});
    ASSERT_NE(panel, nullptr);
    Dict().SetWordNow(QStringLiteral("brine"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text(panel).contains("See {brine"); }, 5000));
    TDefinitionMemo *memo = panel->ResultMemo1();
    QTextCursor cursor = memo->document()->find(QStringLiteral("Salt"));
    cursor.setPosition(cursor.selectionStart() + 1);
    const QPoint at = memo->cursorRect(cursor).center();
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("salt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Text(panel).startsWith("\"salt\" wn"); }, 5000));

    // The context menu looks the selection up.
    QTextCursor selection = memo->document()->find(QStringLiteral("brine pit"));
    memo->setTextCursor(selection);
    std::unique_ptr<QMenu> menu(memo->CreateContextMenu());
    QAction *lookUp = menu->actions().last();
    EXPECT_EQ(lookUp->text(), QStringLiteral("Look up selection"));
    lookUp->trigger();
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("brine pit"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return server.sent.last() == QByteArray("DEFINE * \"brine pit\"\r\n"); }, 5000));
}

TEST_F(LookupFeedbackTest, WithTheNetworkOffNothingConnects)
{
    TScriptedServer server;
    server.onLine = [](const QByteArray &) { return Definition("x", "text"); };
    TDictSettings::Instance().SetUseNetwork(false);
    TfrmOnline *panel = Panel({Loopback(server.Port())}, false);
    ASSERT_NE(panel, nullptr);
    Dict().SetWordNow(QStringLiteral("brine"));
    QTest::qWait(300);
    EXPECT_EQ(Text(panel), QStringLiteral("Online lookups are turned off in Options."));
    EXPECT_TRUE(server.sent.isEmpty());

    // Switched on again in Options: the word is looked up without another change.
    TDictSettings::Instance().SetUseNetwork(true);
    Dict().NotifyOnlineDictionaries();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Text(panel).startsWith("\"x\" wn"); }, 5000))
        << Text(panel).toStdString();
}
