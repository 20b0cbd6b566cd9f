#include "ThesaurusDialog.h"
#include "AppFolderFixture.h"

#include "AppFolders.h"
#include "DictionaryList.h"
#include "Settings.h"
#include "TempDir.h"
#include "Thesaurus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
QStringList Rows(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}
} // namespace

class ThesaurusDialogTest : public AppFolderFixture
{
protected:
    std::unique_ptr<TThesaurusDialog> Open(const QString &word)
    {
        shown = TThesaurusDialog::LookUpForDialog(thes, word);
        return std::make_unique<TThesaurusDialog>(nullptr, thes);
    }

    TThesaurus thes{QStringLiteral("/usr/share/mythes/th_en_US_v2.idx"),
                    QStringLiteral("/usr/share/mythes/th_en_US_v2.dat")};
    QString shown;
};

TEST_F(ThesaurusDialogTest, ShowsTheWordOrItsStemOrTheWordUnfound)
{
    EXPECT_EQ(TThesaurusDialog::LookUpForDialog(thes, QStringLiteral("bright")),
              QStringLiteral("bright"));
    EXPECT_EQ(thes.ContextCount(), 12);
    EXPECT_EQ(TThesaurusDialog::LookUpForDialog(thes, QStringLiteral("loves")),
              QStringLiteral("love"));
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("love"));
    EXPECT_EQ(TThesaurusDialog::LookUpForDialog(thes, QStringLiteral("brightnesses")),
              QStringLiteral("bright"));
    EXPECT_EQ(TThesaurusDialog::LookUpForDialog(thes, QStringLiteral("read(1)")),
              QStringLiteral("read(1)"));
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("read(1)"));
    EXPECT_EQ(thes.ContextCount(), 0);
}

TEST_F(ThesaurusDialogTest, MeaningsAndTheirWordsInTheEnginesOrder)
{
    auto dialog = Open(QStringLiteral("bright"));
    ASSERT_EQ(dialog->lbMeanings()->count(), 12);
    EXPECT_EQ(dialog->lbMeanings()->item(0)->text(), QStringLiteral("agleam (adj)"));
    EXPECT_EQ(dialog->lbMeanings()->item(11)->text(), QStringLiteral("brilliantly (adv)"));
    EXPECT_EQ(dialog->lbWords()->item(0)->text(), QStringLiteral("agleam"));
    EXPECT_EQ(dialog->edReplace()->text(), QStringLiteral("bright"));

    dialog->lbMeanings()->setCurrentRow(2); // "(adj)|smart|intelligent (similar term)"
    EXPECT_EQ(Rows(dialog->lbWords()), QStringList({"smart", "intelligent"}));
}

TEST_F(ThesaurusDialogTest, ReplaceHandsTheChosenWordToTheEditor)
{
    auto dialog = Open(QStringLiteral("bright"));
    dialog->lbMeanings()->setCurrentRow(2);
    dialog->lbWords()->setCurrentRow(1);
    EXPECT_EQ(dialog->edReplace()->text(), QStringLiteral("intelligent"));
    dialog->show();
    QTest::mouseClick(dialog->btnReplace(), Qt::LeftButton);
    EXPECT_EQ(TDictionaryList::Instance().GetPickedWord(), QStringLiteral("intelligent"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(ThesaurusDialogTest, DoubleClickedWordReplacesAtOnce)
{
    auto dialog = Open(QStringLiteral("loves"));
    dialog->show();
    QListWidget *words = dialog->lbWords();
    const QRect row = words->visualItemRect(words->item(1));
    QTest::mouseClick(words->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(words->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(TDictionaryList::Instance().GetPickedWord(), words->item(1)->text());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(ThesaurusDialogTest, CancelAndAnEmptyReplacementPickNothing)
{
    auto dialog = Open(QStringLiteral("bright"));
    dialog->edReplace()->setText(QStringLiteral("  "));
    EXPECT_FALSE(dialog->btnReplace()->isEnabled());
    dialog->reject();
    EXPECT_TRUE(TDictionaryList::Instance().GetPickedWord().isEmpty());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(ThesaurusDialogTest, UnknownWordShowsNothingAndLookUpTriesTheTypedWord)
{
    auto dialog = Open(QStringLiteral("qwzxvyk"));
    EXPECT_EQ(dialog->lbMeanings()->count(), 0);
    EXPECT_EQ(dialog->lbWords()->count(), 0);
    EXPECT_TRUE(dialog->lblWord()->text().contains(QStringLiteral("qwzxvyk")));
    dialog->edReplace()->setText(QStringLiteral("loving"));
    QTest::mouseClick(dialog->btnLookUp(), Qt::LeftButton);
    EXPECT_GT(dialog->lbMeanings()->count(), 0);
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("loving"));
    EXPECT_EQ(dialog->result(), 0); // still open
}

TEST_F(ThesaurusDialogTest, ExecuteShowsTheStemsMeaningsAndReportsTheChoice)
{
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TThesaurusDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->edReplace()->text(), QStringLiteral("love"));
        dialog->lbWords()->setCurrentRow(0); // "emotion (generic term)"
        dialog->btnReplace()->click();
    });
    EXPECT_TRUE(TThesaurusDialog::Execute(nullptr, thes, QStringLiteral("loves")));
    EXPECT_EQ(TDictionaryList::Instance().GetPickedWord(), QStringLiteral("emotion"));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(TThesaurusDialog::Execute(nullptr, thes, QStringLiteral("bright")));
    EXPECT_EQ(TDictionaryList::Instance().GetPickedWord(), QStringLiteral("emotion"));
}
