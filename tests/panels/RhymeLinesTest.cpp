#include "PanelFixture.h"

#include "ListViewData.h"
#include "frmRhymeLines.h"

#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

namespace {
QStringList Column(const QAbstractItemModel *model, int column)
{
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

bool HasImage(const QAbstractItemModel *model, int column)
{
    return model->headerData(column, Qt::Horizontal, Qt::DecorationRole).canConvert<QPixmap>();
}
} // namespace

TEST(ListViewDataTest, KeepsTextOrderIgnoringCaseAndDropsCaseDuplicates)
{
    TListViewData rows;
    for (const char *row : {"cherry", "Banana", "apple", "BANANA", "Apple"})
        rows.Add(QString::fromLatin1(row));
    ASSERT_EQ(rows.Count(), 3);
    // A plain comparison would put the capitalised "Banana" before "apple".
    EXPECT_EQ(rows.At(0), QStringLiteral("apple"));
    EXPECT_EQ(rows.At(1), QStringLiteral("Banana"));
    EXPECT_EQ(rows.At(2), QStringLiteral("cherry"));
    EXPECT_FALSE(rows.Add(QStringLiteral("CHERRY")));
    EXPECT_TRUE(rows.Add(QStringLiteral("cherry pie")));
    rows.Clear();
    EXPECT_EQ(rows.Count(), 0);
}

TEST(ListViewDataTest, SortByAnotherTextBothWaysKeepingTiesInOrder)
{
    TListViewData rows;
    for (const char *row : {"1@b", "2@A", "3@b", "4@c"})
        rows.Add(QString::fromLatin1(row));
    const auto afterAt = [](const QString &row) { return row.mid(row.indexOf('@') + 1); };
    rows.SortBy(afterAt, true);
    QStringList order;
    for (int i = 0; i < rows.Count(); ++i)
        order << rows.At(i);
    EXPECT_EQ(order, QStringList({"2@A", "1@b", "3@b", "4@c"}));
    rows.SortBy(afterAt, false);
    order.clear();
    for (int i = 0; i < rows.Count(); ++i)
        order << rows.At(i);
    EXPECT_EQ(order, QStringList({"4@c", "1@b", "3@b", "2@A"}));
}

class RhymeLinesTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        WriteList(QStringLiteral("rdict.dat"),
                  {{"dark", "ARK"}, {"park", "ARK"}, {"lone", "ONE"}, {"none", "NIL"}});
        WriteList(QStringLiteral("rpoetry.dat"),
                  {{"ARK", "12@The night is dark#7@Walk in the park#12@THE NIGHT IS DARK#"
                           "9@a lark#30@No source here#plain text"},
                   {"ONE", "5@All alone"},
                   {"12[P]", "Anon@Night Songs"},
                   {"7[P]", "Blake@Songs of Innocence"},
                   {"9[P]", "Clare@Poems"},
                   {"5[P]", "no at sign"}});
    }
    static QAbstractItemModel *Table(TfrmRhymeLines &panel) { return panel.ListView1()->model(); }
    static QStringList Lines(TfrmRhymeLines &panel) { return Column(Table(panel), 0); }
};

TEST_F(RhymeLinesTest, RowsShowLineTitleAndAuthorFromTheSourceRecord)
{
    UseMode(0);
    TfrmRhymeLines panel(nullptr, 0);
    Dict().SetWord(QStringLiteral("dark"));
    // Sorted by the whole entry, so by line id first; the upper-case twin of 12 is gone.
    ASSERT_EQ(panel.Rows().Count(), 5);
    EXPECT_EQ(panel.Rows().At(0), QStringLiteral("12@The night is dark"));
    QAbstractItemModel *model = Table(panel);
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("The night is dark"));
    EXPECT_EQ(model->index(0, 1).data().toString(), QStringLiteral("Night Songs"));
    EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("Anon"));
    // Without a source record ("30") or without "@" at all, the row stays empty.
    for (int row : {1, 4})
        for (int column = 0; column < 3; ++column)
            EXPECT_TRUE(model->index(row, column).data().toString().isEmpty()) << row;
    EXPECT_EQ(Lines(panel)[2], QStringLiteral("Walk in the park"));
    EXPECT_FALSE(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(panel.Panel2()->isHidden());
    EXPECT_EQ(panel.Caption(), QStringLiteral("Rhyme Lines"));
}

TEST_F(RhymeLinesTest, SourceWithoutAtSignAndWordsWithoutLinesLeaveTheTableEmpty)
{
    UseMode(0);
    TfrmRhymeLines panel(nullptr, 0);
    Dict().SetWord(QStringLiteral("lone")); // one line without separator, source lacks "@"
    ASSERT_EQ(panel.Rows().Count(), 1);
    EXPECT_TRUE(Lines(panel)[0].isEmpty());
    Dict().SetWord(QStringLiteral("none")); // a group without lines
    EXPECT_EQ(Table(panel)->rowCount(), 0);
    Dict().SetWord(QStringLiteral("dark"));
    Dict().SetWord(QStringLiteral("unknown")); // no group key at all
    EXPECT_EQ(Table(panel)->rowCount(), 0);
}

TEST_F(RhymeLinesTest, ColumnClicksCycleTheImagesAndSort)
{
    UseMode(0);
    TfrmRhymeLines panel(nullptr, 0);
    Dict().SetWord(QStringLiteral("dark"));
    QAbstractItemModel *model = Table(panel);
    EXPECT_FALSE(panel.ListView1()->horizontalHeader()->isSortIndicatorShown());
    EXPECT_EQ(panel.SortColumn(), -1);
    for (int column = 0; column < 3; ++column)
        EXPECT_FALSE(HasImage(model, column));

    panel.ListView1ColumnClick(1); // Title, ascending
    EXPECT_EQ(panel.Model()->ImageIndex(1), 0);
    EXPECT_TRUE(HasImage(model, 1));
    // Empty titles first, then in title order regardless of case.
    EXPECT_EQ(Column(model, 1),
              QStringList({"", "", "Night Songs", "Poems", "Songs of Innocence"}));

    panel.ListView1ColumnClick(1); // Title, descending
    EXPECT_EQ(panel.Model()->ImageIndex(1), 1);
    EXPECT_EQ(Column(model, 1),
              QStringList({"Songs of Innocence", "Poems", "Night Songs", "", ""}));

    panel.ListView1ColumnClick(2); // Author, ascending; Title loses its image
    EXPECT_EQ(panel.Model()->ImageIndex(1), -1);
    EXPECT_FALSE(HasImage(model, 1));
    EXPECT_EQ(panel.Model()->ImageIndex(2), 0);
    EXPECT_EQ(panel.SortColumn(), 2);
    EXPECT_EQ(Column(model, 2), QStringList({"", "", "Anon", "Blake", "Clare"}));

    // The next word rebuilds the rows in entry order; the image stays until the next click.
    Dict().SetWord(QStringLiteral("park"));
    Dict().SetWord(QStringLiteral("dark"));
    EXPECT_EQ(panel.Rows().At(0), QStringLiteral("12@The night is dark"));
    EXPECT_EQ(panel.Model()->ImageIndex(2), 0);
}

TEST_F(RhymeLinesTest, ClickingTheHeaderSortsByThatColumn)
{
    UseMode(0);
    auto panel = Shown(new TfrmRhymeLines(nullptr, 0), 400, 200);
    Dict().SetWord(QStringLiteral("dark"));
    QHeaderView *header = panel->ListView1()->horizontalHeader();
    const QPoint author(header->sectionViewportPosition(2) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, author);
    EXPECT_EQ(panel->SortColumn(), 2);
    EXPECT_EQ(Column(Table(*panel), 2).last(), QStringLiteral("Clare"));
}

TEST_F(RhymeLinesTest, ColumnWidthsFollowTheTableWidth)
{
    UseMode(0);
    auto panel = Shown(new TfrmRhymeLines(nullptr, 0), 400, 200);
    QTableView *view = panel->ListView1();
    ASSERT_EQ(view->width(), 400);
    const int scrollBar =
        view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view->verticalScrollBar());
    QHeaderView *header = view->horizontalHeader();
    EXPECT_EQ(header->sectionSize(0), 200);
    EXPECT_EQ(header->sectionSize(1), 100);
    EXPECT_EQ(header->sectionSize(2), 100 - scrollBar - 2);

    panel->resize(301, 200);
    QApplication::processEvents();
    EXPECT_EQ(header->sectionSize(0), 150);
    EXPECT_EQ(header->sectionSize(1), 75);
}

TEST_F(RhymeLinesTest, HiddenCadenzioPanelSkipsRefreshLookupPanelDoesNot)
{
    UseMode(1);
    TfrmRhymeLines hidden(nullptr, 1);
    Dict().SetWord(QStringLiteral("dark"));
    EXPECT_EQ(hidden.Rows().Count(), 0);
    hidden.show();
    hidden.Refresh();
    EXPECT_EQ(hidden.Rows().Count(), 5);

    TDictSettings::Instance().SetIsAdvanced(false);
    TfrmRhymeLines lookup(nullptr, 0); // never shown, still filled in its own mode
    EXPECT_EQ(lookup.Rows().Count(), 5);
    Dict().SetWord(QStringLiteral("lone"));
    EXPECT_EQ(lookup.Rows().Count(), 1);
    EXPECT_EQ(hidden.Rows().Count(), 5); // not its mode: untouched
}

// Only the rows on screen are formatted, however many the table holds.
TEST(RhymeLinesModelTest, FormatsOnlyVisibleRows)
{
    int asked = 0;
    TRhymeLinesModel model(nullptr, [&asked](int row) {
        ++asked;
        return TRhymeLineRow{QString::number(row), QString(), QString()};
    });
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.setModel(&model);
    view.resize(300, 200);
    view.show();
    model.SetCount(100000);
    QApplication::processEvents();
    view.viewport()->repaint();
    EXPECT_GT(asked, 0);
    EXPECT_LT(asked, 1000);
    EXPECT_EQ(model.index(99999, 0).data().toString(), QStringLiteral("99999"));
}
