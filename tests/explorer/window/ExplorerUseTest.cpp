// The word explorer window used from the keyboard, through its history and over a damaged file.
#include "DefinitionText.h"
#include "DefinitionsPane.h"
#include "ExplorerButtons.h"
#include "HistoryBox.h"
#include "LexDatabase.h"
#include "LexError.h"
#include "RelationList.h"
#include "WordExplorerWindow.h"
#include "WrapTabBar.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace {

const QString LexFile = QStringLiteral(TOLVANE_APP_DIR "/cz.lex");

class ExplorerUseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(LexFile)) << "build the data first";
        Open(LexFile);
    }
    void Open(const QString &file)
    {
        form.reset();
        db = std::make_unique<TLexDatabase>();
        db->SetFileName(file);
        form = std::make_unique<TWordExplorerForm>(*db, nullptr);
        form->resize(500, 340);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // The named control that holds the focus: the focused widget or its nearest named ancestor.
    QString Focused() const
    {
        static const QStringList names{"KeyWord",     "SearchButton", "Defs",       "Synonyms",
                                       "PreviousBut", "NounButton",   "VerbButton", "AdjButton",
                                       "AdvButton",   "CopyButton",   "CloseButton"};
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus == form->Relations()->ViewTabs())
            return QStringLiteral("ViewTabs");
        for (QWidget *w = focus; w; w = w->parentWidget())
            if (names.contains(w->objectName()))
                return w->objectName();
        return focus ? QStringLiteral("other") : QStringLiteral("none");
    }
    QStringList History() const
    {
        QStringList items;
        for (int i = 0; i < form->KeyWord()->count(); ++i)
            items << form->KeyWord()->itemText(i);
        return items;
    }

    std::unique_ptr<TLexDatabase> db;
    std::unique_ptr<TWordExplorerForm> form;
};

TEST_F(ExplorerUseTest, TabWalksTheWindowInReadingOrder)
{
    EXPECT_EQ(Focused(), QLatin1String("KeyWord")); // ready for typing when it opens
    struct Case
    {
        const char *word;
        QStringList order; // from the lookup box, Tab by Tab, back to it
    };
    const Case cases[] = {
        {"dog",
         {"KeyWord", "Defs", "ViewTabs", "Synonyms", "NounButton", "VerbButton", "CopyButton",
          "CloseButton", "KeyWord"}},
        // Nothing found: no text to enter, no filter to press, Previous goes back to "dog".
        {"xyzzy",
         {"KeyWord", "ViewTabs", "Synonyms", "PreviousBut", "CopyButton", "CloseButton",
          "KeyWord"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.word);
        form->Lookup(QString::fromLatin1(c.word));
        QCoreApplication::processEvents(); // the new texts show
        form->KeyWord()->setFocus(Qt::OtherFocusReason);
        QStringList seen{Focused()};
        for (qsizetype i = 1; i < c.order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << Focused();
        }
        EXPECT_EQ(seen, c.order);
        if (c.order.contains(QLatin1String("Defs"))) { // Tab entered the first definition
            form->KeyWord()->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(),
                      form->Defs()->findChildren<TDefinitionText *>().value(0));
        }
    }
}

TEST_F(ExplorerUseTest, PreviousAlwaysLeadsBackThroughTheHistory)
{
    struct Case
    {
        const char *name;
        QStringList searched;
        int backSteps;        // Previous pressed before the delete
        int deleteRow;        // -1: none
        QStringList left;     // the history afterwards
        const char *previous; // where Previous goes then; nullptr: disabled
    };
    const Case cases[] = {
        {"unknown word after the first", {"dog", "xyzzy"}, 0, -1, {"dog"}, "dog"},
        {"unknown word after two", {"dog", "cat", "xyzzy"}, 0, -1, {"dog", "cat"}, "cat"},
        {"current entry deleted", {"dog", "cat", "bird"}, 1, 1, {"dog", "bird"}, "dog"},
        {"entry before deleted", {"dog", "cat", "bird"}, 0, 1, {"dog", "bird"}, "dog"},
        {"entry after deleted", {"dog", "cat", "bird"}, 1, 2, {"dog", "cat"}, "dog"},
        {"only entry before deleted", {"dog", "cat"}, 0, 0, {"cat"}, nullptr},
        {"first and current deleted", {"dog", "cat"}, 1, 0, {"cat"}, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Open(LexFile);
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
        EXPECT_EQ(History(), c.left);
        EXPECT_EQ(previous->isEnabled(), c.previous != nullptr);
        if (!c.previous)
            continue;
        previous->click();
        EXPECT_EQ(form->LookupWord(), QLatin1String(c.previous));
    }
}

// The selected tab names what the list shows, also for a sense without synonyms.
TEST_F(ExplorerUseTest, TheSelectedTabAlwaysNamesTheListShown)
{
    struct Case
    {
        const char *word;
        int sense; // clicked sense number (index into the senses); -1 none
        const char *tab;
    };
    const Case cases[] = {
        {"fish", -1, "Synonyms"},
        {"fish", 0, "Type of"}, // "any of various mostly cold-blooded aquatic vertebrates"
        {"fish", 0, "Type of"}, // clicked again: every sense, the relation kept
        {"dog", 0, "Synonyms"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.word) + " " + std::to_string(c.sense));
        if (form->LookupWord() != QLatin1String(c.word))
            form->Lookup(QString::fromLatin1(c.word));
        if (c.sense >= 0)
            emit form->Defs()->SenseClicked(c.sense);
        const QTabBar *tabs = form->Relations()->ViewTabs();
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QLatin1String(c.tab));
        EXPECT_EQ(form->Relations()->RelationAt(tabs->currentIndex()), form->CurrentRelation());
        EXPECT_GT(form->Relations()->Synonyms()->count(), 0);
    }
}

TEST_F(ExplorerUseTest, ANarrowWindowKeepsEveryRowOfTabs)
{
    form->Lookup(QStringLiteral("run"));
    const QTabBar *tabs = form->Relations()->ViewTabs();
    const QWidget *list = form->Relations()->Synonyms();
    for (int width : {900, 500, 330}) {
        SCOPED_TRACE(width);
        form->resize(width, 300);
        // The tabs' rows settle over a few layout passes, each growing the window's minimum.
        const bool settled = QTest::qWaitFor([&] {
            form->resize(form->size().expandedTo(form->minimumSizeHint()));
            return tabs->height() >= tabs->heightForWidth(tabs->width());
        });
        EXPECT_TRUE(settled) << tabs->height() << " of " << tabs->heightForWidth(tabs->width());
        EXPECT_LE(tabs->mapTo(form.get(), QPoint(0, tabs->height())).y(),
                  list->mapTo(form.get(), QPoint(0, 0)).y());
    }
    EXPECT_GT(static_cast<const TWrapTabBar *>(tabs)->RowCount(), 1);
}

TEST_F(ExplorerUseTest, CopyNeverTakesAnEmptySelectionOrTheNearestEnds)
{
    form->Lookup(QStringLiteral("dog"));
    QCoreApplication::processEvents();
    TDefinitionText *text = form->Defs()->FirstText();
    ASSERT_NE(text, nullptr);
    QListWidget *list = form->Relations()->Synonyms();
    struct Case
    {
        const char *name;
        std::function<void()> act;
        const char *word;
    };
    const Case cases[] = {
        {"caret in a definition", [&] { text->setFocus(); }, "dog"},
        {"word selected in a definition",
         [&] {
             text->setFocus();
             QTextCursor cursor(text->document());
             cursor.setPosition(2);
             cursor.setPosition(8, QTextCursor::KeepAnchor); // "member"
             text->setTextCursor(cursor);
         },
         "member"},
        {"definition and example selected",
         [&] {
             text->setFocus();
             QTextCursor cursor(text->document());
             cursor.movePosition(QTextCursor::End);
             cursor.movePosition(QTextCursor::StartOfLine, QTextCursor::KeepAnchor);
             cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 7);
             text->setTextCursor(cursor);
         },
         "breeds\n\"the dog barked all night\""},
        {"\"..\" on Nearest",
         [&] {
             form->KeyWord()->setFocus();
             form->Relations()->ViewTabs()->setCurrentIndex(0);
             list->setCurrentRow(0);
         },
         "dog"},
        {"an entry on Nearest", [&] { list->setCurrentRow(list->currentRow() + 1); }, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() != nullptr; }));
        const QString expected =
            *c.word ? QString::fromLatin1(c.word) : list->currentItem()->text();
        EXPECT_EQ(form->SelectedWord(), expected);
    }
    EXPECT_NE(list->currentItem()->text(), QLatin1String(".."));
}

// A record that cannot be read must not leave the last word's senses on show over an empty
// query, where a filter or a sense number would act on what is no longer there.
TEST_F(ExplorerUseTest, ADatabaseErrorLeavesAnEmptyWindow)
{
    form->Lookup(QStringLiteral("dog"));
    const TSynset &dog = *db->Query().Senses().at(0);
    ASSERT_FALSE(dog.Pointers.empty());
    const std::uint32_t target = dog.Pointers[0].Target;
    const std::size_t offset = std::size_t(dog.Offset);
    QFile in(LexFile);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray bytes = in.readAll();
    const char old[3] = {char(target), char(target >> 8), char(target >> 16)};
    const qsizetype at = bytes.indexOf(QByteArray(old, 3), qsizetype(offset));
    ASSERT_GE(at, qsizetype(offset));
    ASSERT_LT(at, qsizetype(offset) + 16);
    bytes.replace(at, 3, QByteArray("\xff\xff\x7f", 3)); // a pointer past every section
    TempDir dir;
    const QString damaged = dir.write(QStringLiteral("cz.lex"), bytes);
    Open(damaged);

    form->Lookup(QStringLiteral("bright"));
    ASSERT_FALSE(form->Defs()->findChildren<TDefinitionText *>().isEmpty());
    EXPECT_THROW(form->Lookup(QStringLiteral("dog")), ELexError);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->Defs()->findChildren<TDefinitionText *>().isEmpty());
    EXPECT_TRUE(db->Query().Senses().empty());
    EXPECT_EQ(form->Relations()->ViewTabs()->count(), 1);
    EXPECT_EQ(form->Relations()->Synonyms()->count(), 0);
    for (const TPosButton *button : form->Buttons()->PosButtons)
        EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(form->SearchButton()->isEnabled()); // the user may try again
    EXPECT_TRUE(form->Buttons()->PreviousBut->isEnabled());
    form->Buttons()->PreviousBut->click(); // back to a word that reads
    EXPECT_EQ(form->LookupWord(), QLatin1String("bright"));
    EXPECT_FALSE(db->Query().Senses().empty());

    const QString message = LexErrorText(damaged, "Invalid database pointer");
    EXPECT_TRUE(message.contains(damaged) && message.contains(QLatin1String("Invalid database")))
        << message.toStdString();
}

} // namespace

namespace {

TEST(WrapTabBarTest, EveryTabIsInSightAndAClickOnItChoosesIt)
{
    TWrapTabBar bar(nullptr);
    for (const char *name : {"Nearest", "Synonyms", "Antonyms", "Attribs", "Derived", "Parts",
                             "Type of", "Types", "Part of", "See also", "Similar"})
        bar.addTab(QString::fromLatin1(name));
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    for (int width : {180, 420, 2000}) {
        SCOPED_TRACE(width);
        bar.resize(width, bar.heightForWidth(width));
        for (int i = 0; i < bar.count(); ++i) {
            const std::vector<QRect> rects = bar.TabRects(width);
            ASSERT_EQ(rects.size(), std::size_t(bar.count()));
            int bottom = 0;
            for (std::size_t a = 0; a < rects.size(); ++a) {
                EXPECT_TRUE(bar.rect().contains(rects[a])) << a;
                for (std::size_t b = a + 1; b < rects.size(); ++b)
                    EXPECT_FALSE(rects[a].intersects(rects[b])) << a << " " << b;
                bottom = qMax(bottom, rects[a].bottom() + 1);
            }
            EXPECT_EQ(bottom, bar.heightForWidth(width));
            QTest::mouseClick(&bar, Qt::LeftButton, {}, rects[std::size_t(i)].center());
            EXPECT_EQ(bar.currentIndex(), i);
            // The chosen tab's row moves next to the page below.
            EXPECT_EQ(bar.TabRects(width)[std::size_t(i)].bottom() + 1, bottom);
        }
        EXPECT_EQ(bar.RowCount() > 1, width < 1000);
    }
}

} // namespace
