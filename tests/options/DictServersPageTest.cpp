#include "OptionsFixture.h"

#include "DictServerOptions.h"
#include "OnlineDictionaryOptions.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTreeWidget>

namespace {

class DictServersPageTest : public OptionsFixture
{
protected:
    static QStringList Servers()
    {
        QStringList servers;
        Store().GetDictServers(servers);
        return servers;
    }
};

// Answers every connection with a greeting and a database listing, then hangs up.
class TListingServer : public QTcpServer
{
public:
    TListingServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                socket->write("220 test.server dictd 1.12 <auth.mime> <1@x>\r\n");
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    socket->write("110 2 databases present\r\ngcide \"The Collaborative\"\r\n"
                                  "wn \"WordNet\"\r\n.\r\n250 ok\r\n");
                    socket->disconnectFromHost();
                });
            }
        });
    }
};

} // namespace

TEST_F(DictServersPageTest, ServersOnOneHostAreEditedAndReadBack)
{
    Settings("[Dictionary_Servers]\r\n127.0.0.1=26478\r\n127.0.0.1=2628\r\n"
             "[Dictionary_Databases]\r\nwn=WordNet\r\n");
    auto form = Form();
    auto *page = PageOf<TDictServerOptions>(*form);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Entries(), QStringList({"127.0.0.1=26478", "127.0.0.1=2628"}));
    EXPECT_FALSE(page->btnUp()->isEnabled()); // the first is chosen

    struct Step
    {
        const char *action;
        const char *host;
        int port;
        QStringList entries;
    };
    const Step steps[] = {
        {"add", "localhost", 2629, {"127.0.0.1=26478", "127.0.0.1=2628", "localhost=2629"}},
        {"up", nullptr, 0, {"127.0.0.1=26478", "localhost=2629", "127.0.0.1=2628"}},
        {"edit", "127.0.0.1", 2630, {"127.0.0.1=26478", "127.0.0.1=2630", "127.0.0.1=2628"}},
        {"add", " bad host", 1, {"127.0.0.1=26478", "127.0.0.1=2630", "127.0.0.1=2628"}},
        {"down", nullptr, 0, {"127.0.0.1=26478", "127.0.0.1=2628", "127.0.0.1=2630"}},
        {"remove", nullptr, 0, {"127.0.0.1=26478", "127.0.0.1=2628"}},
    };
    for (const Step &step : steps) {
        const QString action = QString::fromLatin1(step.action);
        page->RunEditForm = [&](TDictServerEditForm &form) {
            form.edtHost()->setText(QString::fromLatin1(step.host));
            form.edtPort()->setValue(step.port);
            form.accept();
            return form.result() == QDialog::Accepted;
        };
        QPushButton *button = action == "add"    ? page->btnAdd()
                              : action == "edit" ? page->btnEdit()
                              : action == "up"   ? page->btnUp()
                              : action == "down" ? page->btnDown()
                                                 : page->btnRemove();
        ASSERT_TRUE(button->isEnabled()) << step.action;
        button->click();
        EXPECT_EQ(page->Entries(), step.entries) << step.action;
    }
    // Nothing is stored before OK; then every line, the repeated host too, reads back.
    EXPECT_EQ(Servers(), QStringList({"127.0.0.1=26478", "127.0.0.1=2628"}));
    page->RunEditForm = [](TDictServerEditForm &form) {
        form.edtHost()->setText(QStringLiteral("127.0.0.1"));
        form.edtPort()->setValue(2628);
        form.accept();
        return true;
    };
    page->btnAdd()->click(); // the same server twice is the user's choice
    form->accept();
    form->ApplyPages();
    EXPECT_EQ(Servers(), QStringList({"127.0.0.1=26478", "127.0.0.1=2628", "127.0.0.1=2628"}));
    EXPECT_TRUE(Store().Ini().SectionExists(QStringLiteral("Dictionary_Databases")));
    auto again = Form();
    EXPECT_EQ(PageOf<TDictServerOptions>(*again)->Entries(), Servers());

    // Refresh lists: the cached lists go with OK, so the next lookup fetches them.
    PageOf<TDictServerOptions>(*again)->btnRefresh()->click();
    EXPECT_TRUE(Store().Ini().SectionExists(QStringLiteral("Dictionary_Databases")));
    again->accept();
    again->ApplyPages();
    EXPECT_FALSE(Store().Ini().SectionExists(QStringLiteral("Dictionary_Databases")));
}

TEST_F(DictServersPageTest, TestShowsTheBannerAndDatabases)
{
    TListingServer server;
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 refusing = probe.serverPort();
    probe.close();
    Settings(QStringLiteral("[Dictionary_Servers]\r\n127.0.0.1=%1\r\n127.0.0.1=%2\r\n")
                 .arg(server.serverPort())
                 .arg(refusing)
                 .toUtf8());
    auto form = Form();
    auto *page = PageOf<TDictServerOptions>(*form);
    page->btnTest()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Testing(); }, 5000));
    EXPECT_EQ(page->mTestResult()->toPlainText(),
              QString::fromUtf8("test.server dictd 1.12 <auth.mime> <1@x>\nDatabases:\n"
                                "  gcide – The Collaborative\n  wn – WordNet"));
    page->lvServers()->setCurrentItem(page->lvServers()->topLevelItem(1));
    page->btnTest()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Testing(); }, 5000));
    EXPECT_EQ(page->mTestResult()->toPlainText(),
              QStringLiteral("Unable to connect to online dictionary."));
}

TEST_F(DictServersPageTest, WebDictionariesAreRemovedAndReorderedAndTheSwitchStored)
{
    Settings("[OnlineDictionaries]\r\nA=http://127.0.0.1:9/a/%s\r\nB=http://127.0.0.1:9/b/%s\r\n"
             "C=http://127.0.0.1:9/c/%s\r\n");
    auto form = Form();
    auto *page = PageOf<TfrmOnlineDictionaryOptions>(*form);
    QListWidget *list = page->CheckListBox1();
    EXPECT_TRUE(page->ckUseNetwork()->isChecked());
    list->setCurrentRow(2);
    page->btnUp()->click(); // A C B
    page->btnUp()->click(); // C A B
    EXPECT_FALSE(page->btnUp()->isEnabled());
    list->setCurrentRow(1);
    page->btnRemove()->click(); // C B
    list->item(1)->setCheckState(Qt::Unchecked);
    page->ckUseNetwork()->setChecked(false);
    form->accept();
    form->ApplyPages();
    EXPECT_EQ(Store().PeekOnlineDictionaries(),
              QStringList({"C=http://127.0.0.1:9/c/%s", "B=http://127.0.0.1:9/b/%s"}));
    EXPECT_TRUE(Store().IsOnlineLookupEnabled(QStringLiteral("C")));
    EXPECT_FALSE(Store().IsOnlineLookupEnabled(QStringLiteral("B")));
    EXPECT_FALSE(Store().GetUseNetwork());

    // The last entry cannot go: an empty list would bring the defaults back.
    auto again = Form();
    page = PageOf<TfrmOnlineDictionaryOptions>(*again);
    EXPECT_FALSE(page->ckUseNetwork()->isChecked());
    page->CheckListBox1()->setCurrentRow(0);
    page->btnRemove()->click();
    EXPECT_FALSE(page->btnRemove()->isEnabled());
}
