#include "AlignPanel.h"
#include "EditorGutter.h"
#include "FrameFixture.h"
#include "Syllables.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {
class Gutters : public FrameFixture
{
protected:
    TEditorGutter *lines() const { return frame->pgLineNumbers(); }
    TEditorGutter *syllables() const { return frame->pgSyllables(); }
    TEditorGutter *forms() const { return frame->pgCustomData(); }

    void WriteVerseForm(const QString &name, const QByteArray &text)
    {
        QDir().mkpath(dir.path() + QStringLiteral("Verse Forms"));
        dir.write(QStringLiteral("Verse Forms/") + name + QStringLiteral(".txt"), text);
        TDictSettings::Instance().SelectVerseForm(name);
    }
    static int ExpectedLineNumberWidth(const TDictEditor *editor, int digits)
    {
        const int measure = editor->fontMetrics().horizontalAdvance(QString(digits, u'0'));
        return measure < 21 ? 24 : measure + 4;
    }
};

// Rows of the picture, from top down, with a pixel whose strongest channel is the ink's
// (antialiasing blends glyph edges into the background).
int InkedRowsBelow(const QImage &image, int top, int channel)
{
    auto ink = [channel](QColor c) {
        const int v[3] = {c.red(), c.green(), c.blue()};
        return v[channel] > v[(channel + 1) % 3] + 40 && v[channel] > v[(channel + 2) % 3] + 40;
    };
    int rows = 0;
    for (int y = std::max(0, top); y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image.pixelColor(x, y))) {
                ++rows;
                break;
            }
    return rows;
}
} // namespace

TEST_F(Gutters, SyllableRowsShowTheCountExceptForEmptyAndZeroLines)
{
    editor()->setPlainText(QStringLiteral("hello world\n\n0\nThe fire burned bright."));
    EXPECT_EQ(syllables()->RowText(0), "3");
    EXPECT_EQ(syllables()->RowText(1), "");
    EXPECT_EQ(syllables()->RowText(2), "");
    EXPECT_EQ(syllables()->RowText(3), "4");
    EXPECT_EQ(syllables()->RowText(4), "");
}

TEST_F(Gutters, AWrappedLineShowsItsCountOnItsFirstRow)
{
    editor()->SetWordWrap(true);
    const QString paragraph = QStringLiteral("beautiful yellow ").repeated(12).trimmed();
    editor()->setPlainText(paragraph + QStringLiteral("\nThe fire burned bright."));
    QCoreApplication::processEvents();
    const int rows = editor()->DisplayLineCount();
    ASSERT_GT(rows, 2);
    EXPECT_EQ(syllables()->RowText(0), QString::number(12 * 5));
    for (int row = 1; row < rows - 1; ++row)
        EXPECT_EQ(syllables()->RowText(row), "") << row;
    EXPECT_EQ(syllables()->RowText(rows - 1), "4");
}

TEST_F(Gutters, SyllableRowsAreEmptyWhileTheActionIsUnchecked)
{
    editor()->setPlainText(QStringLiteral("hello world"));
    actions->Action("actViewSyllableCnt")->setChecked(false);
    EXPECT_EQ(syllables()->RowText(0), "");
}

TEST_F(Gutters, LineNumberWidthFollowsTheDigitsOfTheRowCount)
{
    editor()->setPlainText(QStringLiteral("x\n").repeated(8) + QStringLiteral("x"));
    ASSERT_EQ(editor()->DisplayLineCount(), 9);
    EXPECT_EQ(lines()->width(), ExpectedLineNumberWidth(editor(), 1));
    editor()->appendPlainText(QStringLiteral("x"));
    ASSERT_EQ(editor()->DisplayLineCount(), 10);
    EXPECT_EQ(lines()->width(), ExpectedLineNumberWidth(editor(), 2));
    editor()->setPlainText(QStringLiteral("x\n").repeated(12345));
    EXPECT_EQ(lines()->width(), ExpectedLineNumberWidth(editor(), 5));
    EXPECT_GT(lines()->width(), 24);
}

TEST_F(Gutters, ColumnsStandLeftToRightAndCloseUpWhenOneIsHidden)
{
    Broadcast("actViewCustomDataGutter");
    TDictSettings::Instance().SetShowVerseForms(true);
    Broadcast("actViewCustomDataGutter");
    ASSERT_FALSE(forms()->isHidden());
    TAlignPanel *panel = frame->AlignPanel1();
    EXPECT_EQ(lines()->x(), 0);
    EXPECT_EQ(syllables()->x(), lines()->width());
    EXPECT_EQ(forms()->x(), lines()->width() + syllables()->width());
    EXPECT_EQ(panel->width(), lines()->width() + syllables()->width() + forms()->width());
    EXPECT_EQ(forms()->height(), panel->height());

    Broadcast("actViewLineNumbers", false);
    EXPECT_TRUE(lines()->isHidden());
    EXPECT_EQ(syllables()->x(), 0);
    EXPECT_EQ(forms()->x(), syllables()->width());
    Broadcast("actViewSyllableCnt", false);
    EXPECT_EQ(forms()->x(), 0);
    EXPECT_EQ(panel->width(), forms()->width());
    Broadcast("actViewLineNumbers", true);
    EXPECT_EQ(forms()->x(), lines()->width());
}

TEST_F(Gutters, InitializeShowsTheGuttersTheSettingsAskFor)
{
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetShowLineNumbers(false);
    settings.SetShowSyllables(true);
    settings.SetShowVerseForms(true);
    frame->Initialize(1);
    EXPECT_TRUE(lines()->isHidden());
    EXPECT_FALSE(syllables()->isHidden());
    EXPECT_FALSE(forms()->isHidden());
    EXPECT_TRUE(frame->PanelsPlaced());
}

TEST_F(Gutters, VerseFormUpdateLoadsThePatternAndSizesTheColumn)
{
    WriteVerseForm(QStringLiteral("Tercet"), "a 8\nb 8\na 8 and a much longer pattern\n");
    Broadcast("actVerseFormsUpdate");
    ASSERT_EQ(frame->VerseFormLines().size(), 3);
    EXPECT_EQ(forms()->RowText(0), "a 8");
    EXPECT_EQ(forms()->RowText(2), "a 8 and a much longer pattern");
    EXPECT_EQ(forms()->RowText(3), "");
    EXPECT_EQ(forms()->RowText(-1), "");
    const int widest = forms()->fontMetrics().horizontalAdvance("a 8 and a much longer pattern");
    EXPECT_EQ(forms()->width(), std::max(20, widest) + 4);

    WriteVerseForm(QStringLiteral("Short"), "x\n");
    Broadcast("actVerseFormsUpdate");
    EXPECT_EQ(forms()->width(), std::max(20, forms()->fontMetrics().horizontalAdvance("x")) + 4);
}

TEST_F(Gutters, AWholePatternShowsBelowAShortDocument)
{
    TDictSettings::Instance().SetShowVerseForms(true);
    WriteVerseForm(QStringLiteral("Long"), QByteArray("8\n").repeated(10));
    Broadcast("actViewCustomDataGutter");
    editor()->setPlainText(QStringLiteral("only line"));
    const QImage image = forms()->grab().toImage();
    const int below = editor()->RowHeight() +
                      forms()->mapFromGlobal(editor()->viewport()->mapToGlobal(QPoint())).y();
    // Glyph rows of nine more pattern lines, several pixels each, in green.
    EXPECT_GT(InkedRowsBelow(image, below, 1), 9 * 3);
    EXPECT_EQ(InkedRowsBelow(syllables()->grab().toImage(), below, 0), 0);
    EXPECT_GT(InkedRowsBelow(syllables()->grab().toImage(), 0, 0), 3);
}

TEST_F(Gutters, AVanishedVerseFormFileIsReportedAndLeavesThePatternEmpty)
{
    WriteVerseForm(QStringLiteral("Gone"), "a\nb\n");
    Broadcast("actVerseFormsUpdate");
    ASSERT_EQ(frame->VerseFormLines().size(), 2);
    QFile::remove(dir.path() + QStringLiteral("Verse Forms/Gone.txt"));
    QStringList reported;
    frame->ReportError = [&](const QString &message) { reported << message; };
    Broadcast("actVerseFormsUpdate");
    EXPECT_TRUE(frame->VerseFormLines().isEmpty());
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.first().contains("Gone.txt")) << reported.first().toStdString();
    EXPECT_EQ(forms()->width(), 24);
}

TEST_F(Gutters, FontsReachTheEditorAndTheGuttersWhichKeepTheirColours)
{
    TFontInfo editorFont;
    editorFont.Face = QStringLiteral("Courier");
    editorFont.Size = 20;
    Dict().SetEditorFont(editorFont);
    EXPECT_EQ(editor()->font().pointSize(), 20);
    editor()->setPlainText(QStringLiteral("x"));
    // The line-number width is measured with the editor's font.
    EXPECT_EQ(lines()->width(), ExpectedLineNumberWidth(editor(), 1));

    TDictSettings::Instance().Ini().WriteBool(QStringLiteral("MainForm"),
                                              QStringLiteral("EnableUIFonts"), true);
    TFontInfo uiFont;
    uiFont.Size = 14;
    uiFont.Color = 0x00FF0000; // blue
    Dict().SetUIFont(uiFont);
    EXPECT_EQ(syllables()->font().pointSize(), 14);
    EXPECT_EQ(syllables()->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    EXPECT_EQ(forms()->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    EXPECT_EQ(editor()->font().pointSize(), 20);
}

TEST_F(Gutters, PaintingAsksOnlyForTheRowsInView)
{
    editor()->SetWordWrap(true);
    editor()->setPlainText(QStringLiteral("love and more ").repeated(4000)); // one long paragraph
    QCoreApplication::processEvents();
    ASSERT_GT(editor()->DisplayLineCount(), 500);
    QList<int> asked;
    syllables()->RowText = [&](int row) {
        asked << row;
        return QString();
    };
    syllables()->repaint();
    const int inView = editor()->viewport()->height() / editor()->RowHeight() + 2;
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_EQ(asked.first(), 0);
    EXPECT_LE(asked.size(), inView);
}
