// The word explorer window by keyboard, through its history, narrow, and over a missing file.
#include "DefinitionText.h"
#include "DefinitionsPane.h"
#include "ExplorerButtons.h"
#include "HistoryBox.h"
#include "LexDatabase.h"
#include "LexError.h"
#include "RelationList.h"
#include "WordExplorerWindow.h"
#include "WrapTabBar.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class ExplorerUseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.SetFileName(TOLVANE_APP_DIR "/cz.lex");
        form = std::make_unique<TWordExplorerForm>(db, nullptr);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TLexDatabase db;
    std::unique_ptr<TWordExplorerForm> form;
};

TEST_F(ExplorerUseTest, PreviousAlwaysLeadsBackThroughTheHistory)
{
    struct Case
    {
        QStringList searched;
        int backSteps, deleteRow; // deleteRow -1: none
        const char *previous;     // nullptr: disabled
    } const cases[] = {
        {{"dog", "xyzzy"}, 0, -1, "dog"},      // an unknown word at the first entry
        {{"dog", "cat", "bird"}, 1, 1, "dog"}, // the current entry deleted
        {{"dog", "cat", "bird"}, 0, 1, "dog"}, // the one before it deleted
        {{"dog", "cat"}, 1, 0, nullptr},       // not forward to "cat"
    };
    for (const Case &c : cases) {
        SetUp();
        for (const QString &word : c.searched)
            form->Lookup(word);
        QToolButton *previous = form->Buttons()->PreviousBut;
        for (int i = 0; i < c.backSteps; ++i)
            previous->click();
        if (c.deleteRow >= 0) {
            THistoryBox *box = form->KeyWord();
            box->view()->setCurrentIndex(box->model()->index(c.deleteRow, 0));
            QTest::keyClick(box->view(), Qt::Key_Delete);
            box->hidePopup();
        }
        ASSERT_EQ(previous->isEnabled(), c.previous != nullptr)
            << c.searched.join(' ').toStdString();
        if (c.previous) {
            previous->click();
            EXPECT_EQ(form->LookupWord(), QLatin1String(c.previous));
        }
    }
}

TEST_F(ExplorerUseTest, KeysCopyAndTabsFollowWhatIsShown)
{
    form->Lookup(QStringLiteral("fish"));
    QCoreApplication::processEvents();                       // the new texts show
    EXPECT_EQ(QApplication::focusWidget(), form->KeyWord()); // the window opens for typing
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Defs()->FirstText());
    EXPECT_EQ(form->SelectedWord(), QLatin1String("fish")); // a caret copies no empty text
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTabBar *tabs = form->Relations()->ViewTabs();
    EXPECT_EQ(QApplication::focusWidget(), tabs);

    // A sense without synonyms shows the first relation it has, under that relation's tab.
    emit form->Defs()->SenseClicked(0);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QLatin1String("Type of"));
    EXPECT_EQ(form->Relations()->RelationAt(tabs->currentIndex()), form->CurrentRelation());
    tabs->setCurrentIndex(0);
    form->Relations()->Synonyms()->setCurrentRow(0); // Nearest's ".." is no word to copy
    EXPECT_EQ(form->SelectedWord(), QLatin1String("fish"));
}

TEST_F(ExplorerUseTest, ANarrowWindowKeepsEveryRowOfTabsAndEachTakesItsClick)
{
    form->Lookup(QStringLiteral("run"));
    auto *tabs = static_cast<TWrapTabBar *>(form->Relations()->ViewTabs());
    form->resize(330, 300);
    // The rows settle over a few layout passes, each growing the window's minimum.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        form->resize(form->size().expandedTo(form->minimumSizeHint()));
        return tabs->height() >= tabs->heightForWidth(tabs->width());
    }));
    ASSERT_GT(tabs->RowCount(), 1);
    for (int i = tabs->count() - 1; i >= 0; --i) {
        const auto at = std::size_t(i);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRects(tabs->width())[at].center());
        EXPECT_EQ(tabs->currentIndex(), i);
        EXPECT_EQ(tabs->TabRects(tabs->width())[at].bottom() + 1, tabs->height()); // by the list
    }
}

// A failed lookup must not leave the last word's senses over an empty query.
TEST_F(ExplorerUseTest, ADatabaseErrorLeavesAnEmptyWindow)
{
    form->Lookup(QStringLiteral("bright"));
    db.SetFileName(TOLVANE_APP_DIR "/missing.lex");
    EXPECT_THROW(form->Lookup(QStringLiteral("dog")), ELexError);
    EXPECT_EQ(form->Defs()->FirstText(), nullptr);
    EXPECT_EQ(form->Relations()->ViewTabs()->count(), 1);
    EXPECT_FALSE(form->Buttons()->PosButtons[2]->isEnabled());
    EXPECT_TRUE(form->SearchButton()->isEnabled()); // the user may try again
}

} // namespace
