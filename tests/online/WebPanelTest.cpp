#include "OnlineFixture.h"

#include "FrameAdvanced.h"
#include "UrlTemplate.h"
#include "frmGenericOnline.h"
#include "frmSimple.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <memory>

namespace {

// python3's web server on loopback, serving a folder of the test's own and logging requests.
class TWebServer
{
public:
    TWebServer()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
        probe.close();
        process.start(QStringLiteral("python3"),
                      {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                       QString::number(port), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                       QStringLiteral("--directory"), dir.path()});
        for (int i = 0; i < 100 && process.state() != QProcess::NotRunning; ++i) {
            QTcpSocket probeClient;
            probeClient.connectToHost(QHostAddress::LocalHost, port);
            if (probeClient.waitForConnected(200))
                return;
            QTest::qWait(50);
        }
    }
    ~TWebServer()
    {
        process.kill();
        process.waitForFinished(3000);
    }
    void Page(const QString &name, const QString &title)
    {
        QFile file(QDir(dir.path()).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(("<html><head><title>" + title + "</title></head><body><h1>" + title +
                        "</h1></body></html>")
                           .toUtf8());
    }
    // The request lines the server logged so far.
    QString Log()
    {
        log += QString::fromUtf8(process.readAllStandardError());
        return log;
    }
    QString Template() const { return QStringLiteral("http://127.0.0.1:%1/%s.html").arg(port); }

    QTemporaryDir dir;
    QProcess process;
    QString log;
    quint16 port = 0;
};

} // namespace

TEST(UrlTemplate, OwnSubstitutionOnly)
{
    struct Case
    {
        const char *urlTemplate, *word, *url;
    };
    const Case cases[] = {
        {"https://en.wikipedia.org/wiki/%s", "ice cream",
         "https://en.wikipedia.org/wiki/ice%20cream"},
        {"https://x.org/search?q=definition%%3A+%s", "caf\xc3\xa9",
         "https://x.org/search?q=definition%3A+caf%C3%A9"},
        {"https://x.org/%s", "a\"b\\c&d=e/f", "https://x.org/a%22b%5Cc%26d%3De%2Ff"},
        // Other directives stay as they are; a template without "%s" ignores the word.
        {"https://x.org/%d/%n/%s%", "w", "https://x.org/%d/%n/w%"},
        {"https://x.org/static", "w", "https://x.org/static"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FillUrlTemplate(QString::fromUtf8(c.urlTemplate), QString::fromUtf8(c.word)),
                  QString::fromUtf8(c.url))
            << c.urlTemplate;
}

class WebPanelTest : public OnlineFixture
{
};

TEST_F(WebPanelTest, TabsNavigateWhenCurrentAndFollowTheSettings)
{
    TWebServer server;
    server.Page(QStringLiteral("ice cream.html"), QStringLiteral("Ice cream page"));
    server.Page(QString::fromUtf8("café.html"), QStringLiteral("Cafe page"));
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetOnlineDictionary(QStringLiteral("Local"), server.Template());
    settings.SetOnlineDictionary(QStringLiteral("Other"), server.Template());
    UseMode(1);
    auto frame = std::make_unique<TFrameAdvanced>(nullptr, nullptr);
    frame->Initialize(1);
    frame->resize(800, 600);
    frame->show();
    QTabWidget *pages = frame->PageControl1();
    ASSERT_EQ(frame->WebTabCount(), 2);
    ASSERT_EQ(pages->tabText(3), QStringLiteral("Local"));
    auto *panel = pages->widget(3)->findChild<TfrmGenericOnline *>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Template(), server.Template());

    // Not the current page: no navigation until it is.
    Dict().SetWord(QStringLiteral("ice cream"));
    QTest::qWait(100);
    EXPECT_TRUE(panel->LastUrl().isEmpty());
    pages->setCurrentIndex(3);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->wbOnline()->title() == QStringLiteral("Ice cream page"); }, 30000))
        << panel->wbOnline()->title().toStdString();
    EXPECT_TRUE(server.Log().contains(QStringLiteral("GET /ice%20cream.html ")));

    Dict().SetWord(QString::fromUtf8("café"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->wbOnline()->title() == QStringLiteral("Cafe page"); }, 30000));
    EXPECT_TRUE(server.Log().contains(QStringLiteral("GET /caf%C3%A9.html ")));
    // Back to the tab with the same word: no reload.
    pages->setCurrentIndex(0);
    pages->setCurrentIndex(3);
    QTest::qWait(300);
    EXPECT_EQ(server.Log().count(QStringLiteral("GET /caf")), 1);

    // The settings change: the current mode's host rebuilds its tabs.
    settings.SetOnlineLookupEnabled(QStringLiteral("Local"), false);
    settings.SetOnlineLookupEnabled(QStringLiteral("Other"), true);
    Dict().NotifyOnlineDictionaries();
    EXPECT_EQ(frame->WebTabCount(), 1);
    EXPECT_EQ(pages->tabText(3), QStringLiteral("Other"));
    EXPECT_EQ(pages->count(), 4);
}

TEST_F(WebPanelTest, SchemelessTemplatesTheShownTabAndTheNetworkSwitch)
{
    TWebServer server;
    server.Page(QStringLiteral("love.html"), QStringLiteral("Love page"));
    const QString schemeless = QStringLiteral("127.0.0.1:%1/%s.html").arg(server.port);
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetOnlineDictionary(QStringLiteral("First"), server.Template());
    settings.SetOnlineDictionary(QStringLiteral("Local"), schemeless);
    UseMode(1);
    auto frame = std::make_unique<TFrameAdvanced>(nullptr, nullptr);
    frame->Initialize(1);
    frame->resize(800, 600);
    frame->show();
    QTabWidget *pages = frame->PageControl1();
    ASSERT_EQ(pages->tabText(4), QStringLiteral("Local"));
    pages->setCurrentIndex(4);
    Dict().SetWordNow(QStringLiteral("love"));
    auto *panel = pages->widget(4)->findChild<TfrmGenericOnline *>();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return panel->wbOnline()->title() == QStringLiteral("Love page"); }, 30000))
        << panel->LastUrl().toString().toStdString();
    EXPECT_TRUE(server.Log().contains(QStringLiteral("GET /love.html ")));

    // The web tabs are rebuilt (Options applied): the user stays on the same dictionary.
    settings.SetOnlineDictionary(QStringLiteral("Third"), server.Template());
    Dict().NotifyOnlineDictionaries();
    EXPECT_EQ(pages->tabText(pages->currentIndex()), QStringLiteral("Local"));

    // Off: the tab says so and asks nothing of the network.
    settings.SetUseNetwork(false);
    panel = pages->currentWidget()->findChild<TfrmGenericOnline *>();
    ASSERT_NE(panel, nullptr);
    Dict().SetWordNow(QStringLiteral("brine"));
    QTest::qWait(500);
    EXPECT_EQ(panel->LastUrl(), QUrl(QStringLiteral("about:blank")));
    EXPECT_FALSE(server.Log().contains(QStringLiteral("/brine")));
}
