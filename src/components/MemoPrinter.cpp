#include "MemoPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
constexpr double ScreenDpi = 96.0;

// The text laid out into lines of the body's width and cut into pages.
class TPrintPages
{
public:
    TPrintPages(const QString &text, const QFont &font, QPaintDevice *device, qreal width,
                int linesPerPage)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTabStopDistance(QFontMetricsF(font, device).horizontalAdvance(QLatin1Char(' ')) *
                                  8);
        pages_.emplace_back();
        for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
            auto &layout = layouts_.emplace_back(std::make_unique<QTextLayout>(
                QString(paragraph).remove(QLatin1Char('\r')), font, device));
            layout->setTextOption(option);
            layout->beginLayout();
            for (QTextLine line = layout->createLine(); line.isValid();
                 line = layout->createLine()) {
                line.setLineWidth(width);
                line.setPosition(QPointF(0, 0));
                if (int(pages_.back().size()) >= linesPerPage)
                    pages_.emplace_back();
                pages_.back().push_back(line);
            }
            layout->endLayout();
        }
    }

    int Count() const { return int(pages_.size()); }
    const std::vector<QTextLine> &Page(int n) const { return pages_[size_t(n - 1)]; }

private:
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    std::vector<std::vector<QTextLine>> pages_;
};

// Where things go on the paper, in device pixels.
struct TPageGeometry
{
    QRectF paper;
    QRectF body;
    qreal header = 0;
    qreal footer = 0;
    qreal pitch = 1;
    int linesPerPage = 1;
};

TPageGeometry Geometry(QPrinter *printer, const TPrintLayout &layout, const QFont &font)
{
    const qreal dpi = printer->resolution();
    TPageGeometry g;
    g.paper = QRectF(printer->pageLayout().fullRectPixels(printer->resolution()));
    g.body = QRectF(
        QPointF(g.paper.left() + (layout.left + layout.gutter) * dpi,
                g.paper.top() + layout.top * dpi),
        QPointF(g.paper.right() - layout.right * dpi, g.paper.bottom() - layout.bottom * dpi));
    // Paper too small for the margins still gets a line of text an inch wide.
    g.body.setWidth(std::max(g.body.width(), dpi));
    g.header = g.paper.top() + layout.header * dpi;
    g.footer = g.paper.bottom() - layout.footer * dpi;
    g.pitch = std::max(1.0, layout.lineSpacing * QFontMetricsF(font, printer).height());
    g.linesPerPage = std::max(1, int(g.body.height() / g.pitch));
    return g;
}

// The printer's range as first and last page, clipped to the pages there are.
std::pair<int, int> Range(const QPrinter *printer, int count)
{
    if (printer->printRange() != QPrinter::PageRange || printer->fromPage() <= 0)
        return {1, count};
    const int to = printer->toPage() <= 0 ? count : std::min(printer->toPage(), count);
    return {printer->fromPage(), to};
}
} // namespace

TMemoPrinter::TMemoPrinter(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("MemoPrinter1"));
}

QFont TMemoPrinter::HeaderFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(11 * 72.0 / ScreenDpi);
    return font;
}

QFont TMemoPrinter::PrintFont(const QFont &font)
{
    QFont print(font);
    if (font.pixelSize() > 0)
        print.setPointSizeF(font.pixelSize() * 72.0 / ScreenDpi);
    return print;
}

int TMemoPrinter::Print(QPrinter *printer, const QTextCursor &source) const
{
    if (!printer || source.isNull()) // a null cursor has no document to ask for
        return 0;
    const QTextDocument *document = source.document();
    const bool selection = printer->printRange() == QPrinter::Selection;
    const QString text = selection ? source.selection().toPlainText() : document->toPlainText();
    return PrintText(printer, text, document->defaultFont());
}

int TMemoPrinter::PrintText(QPrinter *printer, const QString &text, const QFont &font) const
{
    const QFont textFont = PrintFont(font);
    printer->setFullPage(true); // margins are measured from the paper's edges
    const TPageGeometry g = Geometry(printer, Layout, textFont);
    const TPrintPages pages(text, textFont, printer, g.body.width(), g.linesPerPage);
    const auto [first, last] = Range(printer, pages.Count());
    if (first > last)
        return 0;
    QPainter painter;
    if (!painter.begin(printer))
        return 0;
    const QFont header = HeaderFont();
    const QFontMetricsF headerMetrics(header, printer);
    for (int n = first; n <= last; ++n) {
        if (n > first)
            printer->newPage();
        painter.setFont(header);
        painter.drawText(QPointF(g.body.left(), g.header + headerMetrics.ascent()), Title);
        const QString footer = tr("Page %1 of %2").arg(n).arg(pages.Count());
        painter.drawText(QPointF(g.body.center().x() - headerMetrics.horizontalAdvance(footer) / 2,
                                 g.footer - headerMetrics.descent()),
                         footer);
        qreal y = g.body.top();
        for (const QTextLine &line : pages.Page(n)) {
            line.draw(&painter, QPointF(g.body.left(), y));
            y += g.pitch;
        }
    }
    painter.end();
    return last - first + 1;
}
