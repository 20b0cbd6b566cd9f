// The word explorer component runs its window modally and keeps what the user chose.
#include "WordExplorer.h"
#include "ExplorerButtons.h"
#include "HistoryBox.h"
#include "LexError.h"
#include "RelationList.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

const QString LexFile = QStringLiteral(TOLVANE_APP_DIR "/cz.lex");

// Runs step on the window once it is shown modally.
void WhenShown(TWordExplorer &explorer, std::function<void(TWordExplorerForm &)> step)
{
    QTimer::singleShot(0, [&explorer, step] {
        TWordExplorerForm *form = explorer.Form();
        ASSERT_TRUE(form && QApplication::activeModalWidget() == form);
        step(*form);
    });
}

TEST(WordExplorerTest, ExecuteReturnsTheChosenWordAndRemembersTheWindow)
{
    ASSERT_TRUE(QFile::exists(LexFile)) << "build the data first";
    TWordExplorer explorer;
    explorer.SetDatabaseFile(LexFile);
    explorer.Caption = QStringLiteral("Cadenzio Word Explorer");
    explorer.LookupWord = QStringLiteral("bright");
    int executed = 0, copyClicks = 0;
    explorer.OnExecute = [&] {
        ++executed;
        EXPECT_EQ(explorer.Form()->LookupWord(), QLatin1String("bright"));
    };
    explorer.OnCopyClick = [&] { ++copyClicks; };
    WhenShown(explorer, [](TWordExplorerForm &form) {
        EXPECT_EQ(form.windowTitle(), QLatin1String("Cadenzio Word Explorer"));
        form.resize(620, 410);
        form.Lookup(QStringLiteral("dog"));
        QListWidget *list = form.Relations()->Synonyms();
        const auto frump = list->findItems(QStringLiteral("frump"), Qt::MatchExactly);
        ASSERT_FALSE(frump.isEmpty());
        list->setCurrentItem(frump.front());
        form.Buttons()->CopyButton->click(); // closes with OK by default
    });
    EXPECT_TRUE(explorer.Execute());
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(copyClicks, 1);
    EXPECT_EQ(explorer.Form(), nullptr); // freed on close
    EXPECT_EQ(explorer.LookupWord, QLatin1String("dog"));
    EXPECT_EQ(explorer.SelectedWord(), QLatin1String("frump"));
    EXPECT_EQ(explorer.WinWidth(), 620);
    EXPECT_EQ(explorer.WinHeight(), 410);
}

TEST(WordExplorerTest, AKeptWindowKeepsItsHistory)
{
    TWordExplorer explorer;
    explorer.SetDatabaseFile(LexFile);
    explorer.FreeOnClose = false;
    for (const char *word : {"love", "dove"}) {
        explorer.LookupWord = QString::fromLatin1(word);
        WhenShown(explorer, [](TWordExplorerForm &form) { form.reject(); });
        EXPECT_FALSE(explorer.Execute());
        ASSERT_NE(explorer.Form(), nullptr);
    }
    EXPECT_EQ(explorer.Form()->KeyWord()->count(), 2);
    EXPECT_TRUE(explorer.Form()->Buttons()->PreviousBut->isEnabled());
}

TEST(WordExplorerTest, AMissingDatabaseRaisesAndFreesTheWindow)
{
    TWordExplorer explorer;
    explorer.SetDatabaseFile(QStringLiteral("/nonexistent/cz.lex"));
    explorer.LookupWord = QStringLiteral("love");
    EXPECT_THROW(explorer.Execute(), ELexError);
    EXPECT_EQ(explorer.Form(), nullptr);
}

} // namespace
