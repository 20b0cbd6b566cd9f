#include "DefinitionText.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>

namespace {

const QColor ExampleColour(0, 0, 128); // navy

QString Escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

TDefinitionText::TDefinitionText(const QString &definition, const QString &examples,
                                 QWidget *parent)
    : QTextEdit(parent), definition_(definition), examples_(examples)
{
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::ClickFocus); // Tab enters only the first text (the window's tab order)
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    document()->setDocumentMargin(1);
    viewport()->setAutoFillBackground(false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    Fill(QColor());
}

void TDefinitionText::Fill(const QColor &colour)
{
    QString html =
        QStringLiteral("<span%1>%2</span>")
            .arg(colour.isValid() ? QStringLiteral(" style=\"color:%1\"").arg(colour.name())
                                  : QString(),
                 Escaped(definition_));
    if (!examples_.isEmpty())
        html += QStringLiteral("<br><span style=\"color:%1\">%2</span>")
                    .arg(ExampleColour.name(), Escaped(examples_));
    setHtml(html);
}

void TDefinitionText::SetHighlight(const QColor &colour)
{
    Fill(colour);
}

int TDefinitionText::heightForWidth(int width) const
{
    QTextDocument *doc = document();
    const qreal old = doc->textWidth();
    doc->setTextWidth(width - 2 * frameWidth());
    const int height = qCeil(doc->size().height()) + 2 * frameWidth();
    doc->setTextWidth(old);
    return height;
}

QSize TDefinitionText::sizeHint() const
{
    const int width = QTextEdit::sizeHint().width();
    return {width, heightForWidth(width)};
}

QString TDefinitionText::SelectedText() const
{
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QString TDefinitionText::TrimmedSelection() const
{
    static const QString trim = QStringLiteral(" !\"'(),.:;");
    QString text = SelectedText();
    qsizetype start = 0, end = text.size();
    while (start < end && trim.contains(text.at(start)))
        ++start;
    while (end > start && trim.contains(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

void TDefinitionText::LookupSelection()
{
    const QString word = TrimmedSelection();
    if (!word.isEmpty())
        emit LookupRequested(word);
}

void TDefinitionText::keyPressEvent(QKeyEvent *event)
{
    const QTextCursor cursor = textCursor();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit NumberClicked();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emit PageStep(event->key() == Qt::Key_PageUp ? -1 : 1);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        QTextCursor moved = cursor;
        const bool up = event->key() == Qt::Key_Up;
        if (!moved.movePosition(up ? QTextCursor::Up : QTextCursor::Down)) {
            emit LeaveText(up ? -1 : 1);
            return;
        }
        break;
    }
    default:
        break;
    }
    QTextEdit::keyPressEvent(event);
}

bool TDefinitionText::focusNextPrevChild(bool next)
{
    emit TabOut(!next);
    return true;
}

void TDefinitionText::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTextEdit::mouseDoubleClickEvent(event);
    if (textCursor().selectedText().size() >= 2)
        LookupSelection();
}

void TDefinitionText::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu DefPopup(this);
    QAction *DefMenLookup = DefPopup.addAction(tr("&Lookup word"));
    DefMenLookup->setEnabled(textCursor().hasSelection());
    connect(DefMenLookup, &QAction::triggered, this, &TDefinitionText::LookupSelection);
    QAction *DefMenCopy = DefPopup.addAction(tr("&Copy"));
    connect(DefMenCopy, &QAction::triggered, this, [this] {
        const QString text = textCursor().hasSelection() ? SelectedText() : toPlainText();
        QApplication::clipboard()->setText(text);
    });
    DefPopup.exec(event->globalPos());
}
