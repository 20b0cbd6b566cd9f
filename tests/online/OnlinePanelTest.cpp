#include "DictServers.h"
#include "OnlineFixture.h"

#include "DefinitionMemo.h"
#include "FrameAdvanced.h"
#include "frmOnline.h"
#include "frmSimple.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

namespace {

// The format the highlighter gave the character at position.
QTextCharFormat FormatAt(QPlainTextEdit *memo, int position)
{
    const QTextBlock block = memo->document()->findBlock(position);
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (position - block.position() >= range.start &&
            position - block.position() < range.start + range.length)
            return range.format;
    return QTextCharFormat();
}

bool Shows(TfrmOnline *panel, const QString &start)
{
    return panel->ResultMemo1()->toPlainText().startsWith(start);
}

class OnlinePanelTest : public OnlineFixture
{
protected:
    // The DICT panel of the host of mode, on its page, the page not yet current.
    TfrmOnline *Host(int mode)
    {
        UseMode(mode);
        if (mode == 1) {
            auto *frame = new TFrameAdvanced(nullptr, nullptr);
            host.reset(frame);
            frame->Initialize(1);
            pages = frame->PageControl1();
            page = pages->findChild<QWidget *>(QStringLiteral("tbOnlineLookup"));
        } else {
            auto *frame = new TFrameSimple(nullptr, nullptr);
            host.reset(frame);
            frame->Initialize(0);
            pages = frame->pgcntrlSimple();
            page = frame->Page(QStringLiteral("tbOnline"));
        }
        host->resize(700, 500);
        host->show();
        return page ? page->findChild<TfrmOnline *>() : nullptr;
    }

    std::unique_ptr<QWidget> host;
    QTabWidget *pages = nullptr;
    QWidget *page = nullptr;
};

} // namespace

TEST_F(OnlinePanelTest, ShowsRealDefinitionsInBothHostsWhileItsPageIsCurrent)
{
    ASSERT_TRUE(SharedDictd().Running());
    for (int mode : {1, 0}) {
        TRecordingProxy proxy(SharedDictd().Port());
        UseServers({Loopback(proxy.Port())});
        TfrmOnline *panel = Host(mode);
        ASSERT_NE(panel, nullptr) << mode;
        EXPECT_EQ(panel->Mode(), mode);
        Dict().SetWord(QStringLiteral("Brine!"));
        QTest::qWait(50);
        EXPECT_TRUE(proxy.sent.isEmpty()) << "no lookup while the page is not current";

        pages->setCurrentWidget(page);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Shows(panel, "\"Brine\" gcide"); }, 20000))
            << panel->ResultMemo1()->toPlainText().left(100).toStdString();
        const QString text = panel->ResultMemo1()->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("\n\"brine\" wn \"WordNet (r) 3.0 (2006)\"\n")));
        // The lists came with the first lookup, the client's own entries on top.
        QStringList databases;
        for (int i = 0; i < panel->cmbDatabases()->count(); ++i)
            databases << panel->cmbDatabases()->itemText(i);
        EXPECT_EQ(databases.mid(0, 2), QStringList({"Default lookup", "First match"}));
        EXPECT_EQ(databases.size(), 4);
        EXPECT_EQ(panel->cmbStrategies()->currentText(), QStringLiteral("Return definitions"));
        EXPECT_EQ(panel->cmbStrategies()->maxVisibleItems(), 20);
        if (mode == 1) {
            EXPECT_EQ(proxy.sent, QList<QByteArray>({"SHOW DATABASES\r\n", "SHOW STRATEGIES\r\n",
                                                     "DEFINE * \"brine\"\r\n"}));
        }
        EXPECT_EQ(actions.Count("actStartStatus"), actions.Count("actEndStatus"));
        EXPECT_GE(actions.Count("actUpdateStatus"), actions.Count("actStartStatus"));

        // Highlighting: quotes red, "[...]" italic, "{...}" underlined blue.
        QPlainTextEdit *memo = panel->ResultMemo1();
        EXPECT_EQ(FormatAt(memo, 1).foreground().color(), QColor(Qt::red));
        EXPECT_TRUE(
            FormatAt(memo, int(text.indexOf(QLatin1String("[1913 Webster]"))) + 3).fontItalic());
        const QTextCharFormat brace =
            FormatAt(memo, int(text.indexOf(QLatin1String("{Burn}"))) + 2);
        EXPECT_TRUE(brace.fontUnderline());
        EXPECT_EQ(brace.foreground().color(), QColor(Qt::blue));

        // Back on the page with the same word: nothing is fetched again. Another database is.
        const qsizetype sent = proxy.sent.size();
        pages->setCurrentIndex(0);
        pages->setCurrentWidget(page);
        QTest::qWait(50);
        EXPECT_EQ(proxy.sent.size(), sent);
        panel->cmbDatabases()->setCurrentIndex(3);
        emit panel->cmbDatabases()->activated(3);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Shows(panel, "\"brine\" wn"); }, 20000));
        EXPECT_EQ(proxy.sent.last(), QByteArray("DEFINE wn \"brine\"\r\n"));
        // The choice is remembered; the next host starts from the first database again.
        TDictSettings::Instance().SetDictDatabase(QString());
        host.reset();
        Dict().SetWord(QString());
    }
}

TEST_F(OnlinePanelTest, ANewWordAbandonsTheLookupAndTheNewestFollowsOnce)
{
    UseMode(1);
    // Cached lists, so that only the lookups reach the server.
    TDictSettings::Instance().SetDictionaryPairs(QStringLiteral("Dictionary_Databases"), {"*"},
                                                 {"Default lookup"});
    TDictSettings::Instance().SetDictionaryPairs(QStringLiteral("Dictionary_Strategies"), {"*"},
                                                 {"Return definitions"});
    TScriptedServer server;
    server.onConnect = [](QTcpSocket *s) { s->write("220 slow <auth> <1@x>\r\n"); };
    server.onLine = [](const QByteArray &line) -> QByteArray {
        if (line.contains("\"first\""))
            return QByteArray(); // silent: the lookup stays under way
        return "150 1 found\r\n151 " + line.mid(9, line.size() - 11) +
               " wn \"W\"\r\ntext\r\n.\r\n250 ok\r\n";
    };
    UseServers({Loopback(server.Port())});
    TDictSettings::Instance().SetCurrentServer(Loopback(server.Port()));
    TfrmOnline *panel = Host(1);
    ASSERT_NE(panel, nullptr);
    pages->setCurrentWidget(page);
    Dict().SetWord(QStringLiteral("first"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.sent.size() == 1; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.sent[0].endsWith("\n"); }, 5000));
    // Two changes while the first is still reading: one lookup, of the newest.
    Dict().SetWord(QStringLiteral("second"));
    Dict().SetWord(QStringLiteral("third"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shows(panel, "\"third\" wn"); }, 5000))
        << panel->ResultMemo1()->toPlainText().toStdString();
    QTest::qWait(100);
    EXPECT_EQ(server.sent, QList<QByteArray>({"DEFINE * \"first\"\r\n", "DEFINE * \"third\"\r\n"}));
    EXPECT_TRUE(server.connections.at(0).isNull() ||
                server.connections.at(0)->state() != QAbstractSocket::ConnectedState);
    EXPECT_EQ(actions.Count("actStartStatus"), actions.Count("actEndStatus"));
}

TEST_F(OnlinePanelTest, UnreachableServersAreSaidSo)
{
    UseServers({Loopback(RefusingPort())});
    TfrmOnline *panel = Host(0);
    ASSERT_NE(panel, nullptr);
    Dict().SetWord(QStringLiteral("brine"));
    pages->setCurrentWidget(page);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return panel->ResultMemo1()->toPlainText() ==
                   QStringLiteral("Unable to connect to online dictionary.");
        },
        5000));
}
