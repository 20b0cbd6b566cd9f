// A limerick checked against its verse form on the real word data: the syllable gutter and the
// verse-form gutter mark what breaks the form, in red and with a tool tip.
#include "FrameFixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>

namespace {

class VerseFormMarks : public FrameFixture
{
protected:
    void SetUp() override
    {
        for (const char *name : {"rdict.dat", "syllables.dat"})
            ASSERT_TRUE(QFile::link(QStringLiteral(TOLVANE_APP_DIR "/") + name, dir.file(name)));
        QDir().mkpath(dir.file(QStringLiteral("Verse Forms")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TOLVANE_SOURCE_DIR "/data/Verse Forms/Limerick.txt"),
                                dir.file(QStringLiteral("Verse Forms/Limerick.txt"))));
        FrameFixture::SetUp();
        editor()->setPlainText(QStringLiteral("There once was a man from Peru\n"
                                              "Who dreamed he was eating his shoe.\n"
                                              "He woke with a fright\n"
                                              "In the middle of the night\n"
                                              "And found it was perfectly real."));
        TDictSettings::Instance().SelectVerseForm(QStringLiteral("Limerick"));
        TDictSettings::Instance().SetShowVerseForms(true);
        Broadcast("actViewCustomDataGutter");
    }

    TEditorGutter *syllables() const { return frame->pgSyllables(); }
    TEditorGutter *forms() const { return frame->pgCustomData(); }

    static int RedPixels(QWidget *gutter)
    {
        const QImage image = gutter->grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 100 && c.blue() < 100;
            }
        return red;
    }
};

TEST_F(VerseFormMarks, ALongLineAndAMissedRhymeAreMarked)
{
    const QStringList counts = {"8", "8", "5", "7", "8"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(syllables()->RowText(row), counts[row]) << row;
        const TGutterNote count = syllables()->RowNote(row);
        const TGutterNote rhyme = forms()->RowNote(row);
        EXPECT_EQ(count.length, row == 3 ? 1 : 0) << row;
        EXPECT_EQ(rhyme.length, row == 4 ? 1 : 0) << row;
    }
    EXPECT_EQ(syllables()->RowNote(3).toolTip, "7 syllables, the form asks for 5-6");
    EXPECT_EQ(forms()->RowNote(4).toolTip,
              "Should rhyme with line 1: There once was a man from Peru");
    EXPECT_GT(RedPixels(syllables()), 0);
    EXPECT_GT(RedPixels(forms()), 0);
}

TEST_F(VerseFormMarks, MarksGoWithTheFormsGutter)
{
    TDictSettings::Instance().SetShowVerseForms(false);
    Broadcast("actViewCustomDataGutter", false);
    EXPECT_EQ(syllables()->RowNote(3).length, 0);
    EXPECT_EQ(RedPixels(syllables()), 0);
}

TEST_F(VerseFormMarks, CountingByTheRuleFollowsTheSettingAtOnce)
{
    TDictSettings::Instance().SetSyllablesFromDictionary(false);
    frame->ApplySyllableSettings();
    EXPECT_EQ(syllables()->RowText(3), "6");
    EXPECT_EQ(syllables()->RowNote(3).length, 0) << "six fits the limerick's 5-6";
    TDictSettings::Instance().SetSyllablesFromDictionary(true);
    frame->ApplySyllableSettings();
    EXPECT_EQ(syllables()->RowText(3), "7");
    EXPECT_EQ(syllables()->RowNote(3).toolTip, "7 syllables, the form asks for 5-6");
}

TEST_F(VerseFormMarks, MeterGutterScansEachRowAndFitsItsWidth)
{
    frame->SetMeterVisible(true);
    TEditorGutter *meter = frame->pgMeter();
    EXPECT_EQ(meter->x(), syllables()->x() + syllables()->width());
    EXPECT_EQ(forms()->x(), meter->x() + meter->width());
    EXPECT_EQ(meter->RowText(2), "x/xx/"); // "he" is a function word
    QTRY_VERIFY(meter->width() > meter->fontMetrics().horizontalAdvance(meter->RowText(0)));
}

// Marks belong to text lines: a wrapped line, a section label and a blank line move none of
// them, and a last word no data knows gets a neutral mark.
TEST_F(VerseFormMarks, MarksStayWithTheirTextLines)
{
    editor()->SetWordWrap(true);
    const QString longLine = QStringLiteral("There once was a man from Peru ").repeated(8);
    editor()->setPlainText(QStringLiteral("[Verse 1]\n") + longLine.trimmed() +
                           QStringLiteral("\nWho dreamed he was eating his shoe.\n\n"
                                          "He woke with a fright\n"
                                          "In the middle of the night\n"
                                          "And found it was zorblaxity."));
    QCoreApplication::processEvents();
    const auto firstRow = [this](int line) {
        return editor()->document()->findBlockByNumber(line).firstLineNumber();
    };
    ASSERT_GT(firstRow(2) - firstRow(1), 1) << "the long line wraps";
    EXPECT_EQ(syllables()->RowText(0), "") << "a section label has no count";
    EXPECT_EQ(forms()->RowText(0), "");
    const struct
    {
        int line;
        const char *pattern;
    } rows[] = {{1, "a 8-9"}, {2, "a 8-9"}, {3, ""}, {4, "b 5-6"}, {5, "b 5-6"}, {6, "a 8-9 ?"}};
    for (const auto &r : rows)
        EXPECT_EQ(forms()->RowText(firstRow(r.line)), r.pattern) << r.line;
    EXPECT_EQ(syllables()->RowText(firstRow(1) + 1), "") << "no count on a wrapped row";
    EXPECT_GT(syllables()->RowNote(firstRow(1)).length, 0) << "the long line is too long";
    EXPECT_GT(syllables()->RowNote(firstRow(5)).length, 0);
    EXPECT_EQ(syllables()->RowNote(firstRow(4)).length, 0);
    const TGutterNote unknown = forms()->RowNote(firstRow(6));
    EXPECT_TRUE(unknown.neutral);
    EXPECT_EQ(unknown.toolTip, "No pronunciation known for \"zorblaxity\"");
    EXPECT_EQ(forms()->RowText(firstRow(6)).mid(unknown.start, unknown.length), "?");
}

// A word of tens of thousands of hyphens once overflowed the stack in every gutter that counts.
TEST_F(VerseFormMarks, AWordOfManyHyphensIsCountedAndScanned)
{
    editor()->SetWordWrap(false);
    editor()->setPlainText(QStringLiteral("a-").repeated(45000) + QStringLiteral("a"));
    frame->SetMeterVisible(true);
    EXPECT_EQ(syllables()->RowText(0), "45001");
    EXPECT_EQ(frame->pgMeter()->RowText(0).size(), 45001);
    EXPECT_FALSE(syllables()->grab().isNull());
}

} // namespace
