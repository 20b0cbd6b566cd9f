#include "MemoPrinter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace {
// Page objects of a PDF file; the page tree ("/Type /Pages") is not one.
int PdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int count = 0;
    for (auto it = page.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

QString Lines(int count, const QString &line = QStringLiteral("Shall I compare thee"))
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << line;
    return lines.join(QLatin1Char('\n'));
}
} // namespace

// An A4 PDF printer into a scratch folder and a document in a 10-point font: about 40 lines
// fit on a page at one-and-a-half spacing.
class MemoPrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setOutputFileName(Pdf());
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(10);
        document.setDefaultFont(font);
        memoPrinter.Title = QStringLiteral("sonnet.txt");
    }
    QString Pdf() const { return dir.file(QStringLiteral("out.pdf")); }
    int PrintAll(const QString &text)
    {
        document.setPlainText(text);
        return memoPrinter.Print(printer.get(), QTextCursor(&document));
    }

    TempDir dir;
    std::unique_ptr<QPrinter> printer;
    QTextDocument document;
    TMemoPrinter memoPrinter;
};

TEST_F(MemoPrinterTest, ShortAndLongDocuments)
{
    EXPECT_EQ(PrintAll(Lines(20)), 1);
    EXPECT_EQ(PdfPageCount(Pdf()), 1);
    EXPECT_EQ(PrintAll(Lines(60)), 2);
    EXPECT_EQ(PdfPageCount(Pdf()), 2);
}

TEST_F(MemoPrinterTest, AnEmptyDocumentStillPrintsOnePage)
{
    EXPECT_EQ(PrintAll(QString()), 1);
    EXPECT_EQ(PdfPageCount(Pdf()), 1);
}

TEST_F(MemoPrinterTest, LongParagraphsWrapOntoFurtherPages)
{
    const QString paragraph = Lines(200, QStringLiteral("and summer's lease")).replace('\n', ' ');
    EXPECT_GE(PrintAll(paragraph), 2) << "one paragraph, wrapped into many lines";
    const QString word(20000, QLatin1Char('x'));
    EXPECT_GE(PrintAll(word), 2) << "a word wider than the page breaks anywhere";
}

TEST_F(MemoPrinterTest, LineSpacingFollowsTheFontAndTheLayout)
{
    const QString text = Lines(30);
    EXPECT_EQ(PrintAll(text), 1);
    memoPrinter.Layout.lineSpacing = 3.0;
    EXPECT_EQ(PrintAll(text), 2) << "double the pitch, double the pages";
    memoPrinter.Layout.lineSpacing = 1.5;
    QFont large = document.defaultFont();
    large.setPointSize(20);
    document.setDefaultFont(large);
    EXPECT_EQ(PrintAll(text), 2);
}

TEST_F(MemoPrinterTest, PrintsTheSelectionOnly)
{
    document.setPlainText(Lines(60));
    QTextCursor selection(&document);
    selection.setPosition(document.findBlockByNumber(5).position(), QTextCursor::KeepAnchor);
    printer->setPrintRange(QPrinter::Selection);
    EXPECT_EQ(memoPrinter.Print(printer.get(), selection), 1);
    EXPECT_EQ(PdfPageCount(Pdf()), 1);
}

TEST_F(MemoPrinterTest, PrintsAPageRangeClippedToThePagesThereAre)
{
    document.setPlainText(Lines(100)); // three pages
    printer->setPrintRange(QPrinter::PageRange);
    printer->setFromTo(2, 2);
    EXPECT_EQ(memoPrinter.Print(printer.get(), QTextCursor(&document)), 1);
    EXPECT_EQ(PdfPageCount(Pdf()), 1);
    printer->setFromTo(2, 99);
    EXPECT_EQ(memoPrinter.Print(printer.get(), QTextCursor(&document)), 2);
    EXPECT_EQ(PdfPageCount(Pdf()), 2);
    QFile::remove(Pdf());
    printer->setFromTo(5, 9);
    EXPECT_EQ(memoPrinter.Print(printer.get(), QTextCursor(&document)), 0);
    EXPECT_FALSE(QFile::exists(Pdf())) << "a range past the end prints nothing";
}

TEST_F(MemoPrinterTest, ANullCursorPrintsNothing)
{
    EXPECT_EQ(memoPrinter.Print(printer.get(), QTextCursor()), 0);
    EXPECT_FALSE(QFile::exists(Pdf()));
}
