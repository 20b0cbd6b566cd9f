#pragma once

#include <QFont>
#include <QObject>
#include <QString>

class QPrinter;
class QTextCursor;

// Page layout of a printed document, in inches from the paper's edges. The gutter is added to
// the left margin; the header and footer sit at their distance from the top and bottom edge.
struct TPrintLayout
{
    double left = 0.75;
    double right = 0.5;
    double top = 0.75;
    double bottom = 0.75;
    double gutter = 0.5;
    double header = 0.4;
    double footer = 0.4;
    // Line pitch as a multiple of the height of a line of the text's font.
    double lineSpacing = 1.5;
};

// Prints the editor's plain text: word-wrapped, one column, a header with the document's title and
// a footer with the page number, pages numbered from 1. The same output feeds the print preview.
class TMemoPrinter : public QObject
{
    Q_OBJECT

public:
    explicit TMemoPrinter(QObject *parent = nullptr);

    TPrintLayout Layout;
    // Shown in the header of every page.
    QString Title;

    // "MS Sans Serif" at 11 screen pixels (fontconfig substitutes an installed face).
    static QFont HeaderFont();
    // A screen font sized in pixels is given the same size in points, so it prints as it shows.
    static QFont PrintFont(const QFont &font);

    // Prints the cursor's document, or only its selection when the printer's range says so, on
    // the pages of the printer's range. Returns the number of pages printed (0 when nothing was).
    int Print(QPrinter *printer, const QTextCursor &source) const;
    // Prints a text in a font on all pages of the printer's range.
    int PrintText(QPrinter *printer, const QString &text, const QFont &font) const;
};
