// The word explorer window over the built cz.lex, driven as a user would.
#include "DefinitionText.h"
#include "DefinitionsPane.h"
#include "ExplorerButtons.h"
#include "HistoryBox.h"
#include "LexDatabase.h"
#include "LexText.h"
#include "RelationList.h"
#include "WordExplorerWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

const QString LexFile = QStringLiteral(TOLVANE_APP_DIR "/cz.lex");

class ExplorerWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(LexFile)) << "build the data first";
        db.SetFileName(LexFile.toStdString());
        form = std::make_unique<TWordExplorerForm>(db, nullptr);
        form->resize(500, 340);
        form->show();
    }

    QStringList Items() const
    {
        QStringList items;
        const QListWidget *list = form->Relations()->Synonyms();
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    QStringList Tabs() const
    {
        QStringList tabs;
        for (int i = 0; i < form->Relations()->ViewTabs()->count(); ++i)
            tabs << form->Relations()->ViewTabs()->tabText(i);
        return tabs;
    }
    QStringList Labels() const
    {
        QStringList labels;
        for (const QLabel *label : form->Defs()->findChildren<QLabel *>())
            labels << label->text();
        return labels;
    }
    void ChooseTab(const QString &name)
    {
        const int at = int(Tabs().indexOf(name));
        ASSERT_GE(at, 0) << name.toStdString();
        form->Relations()->ViewTabs()->setCurrentIndex(at);
    }
    unsigned EnabledPartsOfSpeech() const
    {
        unsigned mask = 0;
        for (int pos = 0; pos < 4; ++pos)
            if (form->Buttons()->PosButtons[std::size_t(pos)]->isEnabled())
                mask |= 1u << pos;
        return mask;
    }

    TLexDatabase db;
    std::unique_ptr<TWordExplorerForm> form;
};

TEST_F(ExplorerWindowTest, SearchShowsTheSensesAndTheirWords)
{
    struct Case
    {
        const char *word;
        unsigned partsOfSpeech; // enabled buttons: noun 1, verb 2, adjective 4, adverb 8
        const char *heading;
        std::vector<const char *> listed, absent;
    };
    const Case cases[] = {
        {"ran", 2, "Verb: run (", {"went", "ran away", "was given"}, {"go", "run", "am given"}},
        {"elapse", 2, "Verb: elapse", {"pass", "slip by"}, {}},
        {"bright", 4 | 8, "Adjective: bright", {"brilliant", "smart"}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.word);
        form->Lookup(QString::fromLatin1(c.word));
        EXPECT_EQ(EnabledPartsOfSpeech(), c.partsOfSpeech);
        const QStringList labels = Labels();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QString &l) {
            return l.startsWith(QLatin1String(c.heading));
        })) << labels.join(QLatin1String(" | ")).left(300).toStdString();
        EXPECT_EQ(form->Defs()->findChildren<TDefinitionText *>().size(),
                  qsizetype(db.Query().Senses().size()));
        EXPECT_EQ(form->CurrentRelation(), int(rtSynonyms));
        const QStringList items = Items();
        for (const char *w : c.listed)
            EXPECT_TRUE(items.contains(QLatin1String(w))) << w;
        for (const char *w : c.absent)
            EXPECT_FALSE(items.contains(QLatin1String(w))) << w;
        EXPECT_FALSE(form->SearchButton()->isEnabled());
    }
}

TEST_F(ExplorerWindowTest, RelationTabsAndLevels)
{
    form->Lookup(QStringLiteral("animate"));
    ASSERT_EQ(Tabs().mid(0, 2), QStringList({"Nearest", "Synonyms"}));
    ChooseTab(QStringLiteral("Antonyms"));
    EXPECT_EQ(form->CurrentRelation(), int(rtAntonyms));
    const QStringList direct = Items();
    EXPECT_TRUE(direct.contains(QLatin1String("inanimate")));
    TRelationList *relations = form->Relations();
    EXPECT_TRUE(relations->PlusMinus()->isVisible());
    EXPECT_TRUE(relations->Plus()->isEnabled());
    EXPECT_FALSE(relations->Minus()->isEnabled());

    QTest::keyClicks(relations->Synonyms(), QStringLiteral("+")); // typed in the list
    EXPECT_EQ(form->Depth(), 2);
    EXPECT_GT(Items().size(), direct.size());
    EXPECT_TRUE(relations->Minus()->isEnabled());
    relations->Minus()->click();
    EXPECT_EQ(form->Depth(), 1);
    EXPECT_EQ(Items(), direct);

    ChooseTab(QStringLiteral("Synonyms"));
    EXPECT_FALSE(relations->PlusMinus()->isVisible());
    EXPECT_TRUE(Items().contains(QLatin1String("enliven")));
    ChooseTab(QStringLiteral("Nearest"));
    EXPECT_EQ(form->CurrentRelation(), TRelationList::Nearest);
    EXPECT_EQ(relations->Synonyms()->currentItem()->text(), QLatin1String("animate"));
}

TEST_F(ExplorerWindowTest, PartOfSpeechButtonNarrowsTheWordList)
{
    form->Lookup(QStringLiteral("bright"));
    const QStringList all = Items();
    TPosButton *adverbs = form->Buttons()->PosButtons[3];
    QTest::mousePress(adverbs, Qt::LeftButton); // reacts on mouse down
    EXPECT_TRUE(adverbs->isChecked());
    const QStringList adverbWords = Items();
    EXPECT_LT(adverbWords.size(), all.size());
    EXPECT_TRUE(adverbWords.contains(QLatin1String("brightly")));
    QTest::mouseRelease(adverbs, Qt::LeftButton);
    EXPECT_TRUE(adverbs->isChecked());
    QTest::mousePress(adverbs, Qt::LeftButton);
    EXPECT_FALSE(adverbs->isChecked());
    EXPECT_EQ(Items(), all);
}

TEST_F(ExplorerWindowTest, HistoryStepsBackAndMovesARepeatedWordToTheEnd)
{
    for (const char *w : {"dog", "cat", "bird"})
        form->Lookup(QString::fromLatin1(w));
    QToolButton *previous = form->Buttons()->PreviousBut;
    const char *expected[] = {"cat", "dog"};
    for (const char *w : expected) {
        ASSERT_TRUE(previous->isEnabled());
        previous->click();
        EXPECT_EQ(form->LookupWord(), QLatin1String(w));
    }
    EXPECT_FALSE(previous->isEnabled());
    form->Lookup(QStringLiteral("cat"));
    THistoryBox *box = form->KeyWord();
    QStringList history;
    for (int i = 0; i < box->count(); ++i)
        history << box->itemText(i);
    EXPECT_EQ(history, QStringList({"dog", "bird", "cat"}));
    EXPECT_TRUE(previous->isEnabled());
}

TEST_F(ExplorerWindowTest, UnknownWordShowsTheNearestEntries)
{
    form->Lookup(QStringLiteral("runz"));
    EXPECT_TRUE(Labels().contains(QLatin1String("Word not found: runz")));
    EXPECT_EQ(Tabs(), QStringList{QStringLiteral("Nearest")});
    const QStringList items = Items();
    ASSERT_GT(items.size(), 100);
    EXPECT_EQ(items.front(), QLatin1String(".."));
    EXPECT_EQ(items.back(), QLatin1String(".."));
    const QString before = items.at(1);
    emit form->Relations()->ItemChosen(0); // ".." at the top: earlier entries
    QCoreApplication::processEvents();
    EXPECT_GT(Items().indexOf(before), 100);
    EXPECT_EQ(form->LookupWord(), QLatin1String("runz"));
}

TEST_F(ExplorerWindowTest, ASenseNumberSelectsThatSenseAlone)
{
    form->Lookup(QStringLiteral("dog"));
    const QStringList all = Items();
    QTest::mousePress(form->Buttons()->PosButtons[1], Qt::LeftButton); // verbs only
    EXPECT_FALSE(Items().contains(QLatin1String("frump")));
    emit form->Defs()->SenseClicked(1);                        // the noun sense "frump"
    EXPECT_FALSE(form->Buttons()->PosButtons[1]->isChecked()); // widened to every part
    EXPECT_EQ(Items(), QStringList{QStringLiteral("frump")});
    emit form->Defs()->SenseClicked(1); // again: deselected
    EXPECT_EQ(Items(), all);
}

TEST_F(ExplorerWindowTest, KeysMoveBetweenDefinitionsAndEnterSelects)
{
    form->Lookup(QStringLiteral("dog"));
    const QList<TDefinitionText *> texts = form->Defs()->findChildren<TDefinitionText *>();
    ASSERT_GE(texts.size(), 3);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    texts[0]->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return texts[0]->hasFocus(); }));
    QTest::keyClick(texts[0], Qt::Key_Up); // nothing before the first
    EXPECT_TRUE(texts[0]->hasFocus());
    for (int i = 0; i < 6 && texts[0]->hasFocus(); ++i)
        QTest::keyClick(texts[0], Qt::Key_Down);
    EXPECT_TRUE(texts[1]->hasFocus());
    QTest::keyClick(texts[1], Qt::Key_Return);
    EXPECT_EQ(Items(), QStringList{QStringLiteral("frump")});
    QTest::keyClick(texts[1], Qt::Key_Tab);
    EXPECT_TRUE(form->Relations()->ViewTabs()->hasFocus());
}

// The text clicked is replaced by the new lookup's while its own event is still running.
TEST_F(ExplorerWindowTest, DoubleClickedWordInADefinitionIsLookedUp)
{
    form->Lookup(QStringLiteral("dog"));
    TDefinitionText *text = form->Defs()->findChildren<TDefinitionText *>().front();
    ASSERT_TRUE(text->toPlainText().startsWith(QLatin1String("A member")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return text->isVisible() && text->width() > 100; }));
    QTextCursor cursor(text->document());
    cursor.setPosition(4); // inside "member"
    const QPoint at = text->cursorRect(cursor).center();
    QTest::mousePress(text->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(text->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->LookupWord(), QLatin1String("member"));
    EXPECT_EQ(form->KeyWord()->Text(), QLatin1String("member"));
}

TEST_F(ExplorerWindowTest, PreviousAfterAnUnknownWordReturnsToTheLastFoundOne)
{
    form->Lookup(QStringLiteral("dog"));
    form->Lookup(QStringLiteral("cat"));
    form->Lookup(QStringLiteral("runz"));
    form->Buttons()->PreviousBut->click();
    EXPECT_EQ(form->LookupWord(), QLatin1String("cat"));
    form->Buttons()->PreviousBut->click();
    EXPECT_EQ(form->LookupWord(), QLatin1String("dog"));
}

TEST_F(ExplorerWindowTest, CopyPutsTheSelectedWordOnTheClipboard)
{
    form->SetCopyClickAction(cbpCopyClipboard);
    form->Lookup(QStringLiteral("bright"));
    QListWidget *list = form->Relations()->Synonyms();
    struct Case
    {
        const char *selectedItem; // nullptr: none
        const char *copied;
    };
    for (const Case &c : {Case{nullptr, "bright"}, Case{"brilliant", "brilliant"}}) {
        list->setCurrentRow(-1);
        if (c.selectedItem) {
            const auto found = list->findItems(QLatin1String(c.selectedItem), Qt::MatchExactly);
            ASSERT_FALSE(found.isEmpty());
            list->setCurrentItem(found.front());
        }
        form->Buttons()->CopyButton->click();
        EXPECT_EQ(QApplication::clipboard()->text(), QLatin1String(c.copied));
        EXPECT_TRUE(form->isVisible()); // copying does not close the window
    }
}

// The program looks its word up before it shows the window.
TEST(ExplorerWindowShowTest, TabsFilledBeforeTheWindowShowsAreVisible)
{
    TLexDatabase db;
    db.SetFileName(LexFile.toStdString());
    TWordExplorerForm form(db, nullptr);
    form.Lookup(QStringLiteral("bright"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_GT(form.Relations()->ViewTabs()->height(), 10);
    EXPECT_GT(form.Relations()->ViewTabs()->count(), 3);
}

TEST(LexTextTest, WindowsCodePageRoundTrips)
{
    const std::string bytes = "caf\xE9 \x80 \x93quoted\x94";
    const QString text = LexText::ToQString(bytes);
    EXPECT_EQ(text, QString::fromUtf8("café € “quoted”"));
    EXPECT_EQ(LexText::FromQString(text), bytes);
    EXPECT_EQ(LexText::FromQString(QString::fromUtf8("π")), "?");
}

} // namespace
