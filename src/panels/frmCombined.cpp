#include "frmCombined.h"

#include "DictionaryList.h"
#include "EntryText.h"
#include "KeywordHighlighter.h"
#include "UpdateBracket.h"

#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
const bool registered = (TfrmCombinedSimple::Register(), true);

QTextCharFormat Heading(const QColor &background)
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setBackground(background);
    format.setForeground(Qt::white);
    return format;
}

// The entry's items as lines: one line joined by ", " in wrap style, one item a line otherwise.
QStringList EntryLines(const QString &entry, bool wrap)
{
    return wrap ? QStringList{EntryText::Join(entry)} : EntryText::Split(entry);
}
} // namespace

TfrmCombinedSimple::TfrmCombinedSimple(QWidget *owner, int mode) : TDictFrame(owner, mode)
{
    SetCaption(tr("Combined Rhyme and Phrases List"));
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Add({mode}, &TfrmCombinedSimple::WordChange, this);
    dict.DisplayStyleChanged.Add({mode}, &TfrmCombinedSimple::DisplayStyleChange, this);
    dict.UIFontChanged.Add({mode}, &TfrmCombinedSimple::UIFontChange, this);
    BuildPage();
    ApplyUIFont();
    Refresh();
}

TfrmCombinedSimple::~TfrmCombinedSimple()
{
    Unsubscribe();
}

void TfrmCombinedSimple::Register()
{
    RegisterClass(QStringLiteral("TfrmCombinedSimple"),
                  [](QWidget *owner, int mode) { return new TfrmCombinedSimple(owner, mode); });
}

void TfrmCombinedSimple::Unsubscribe()
{
    if (!TDictionaryList::Exists())
        return;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Remove(&TfrmCombinedSimple::WordChange, this);
    dict.DisplayStyleChanged.Remove(&TfrmCombinedSimple::DisplayStyleChange, this);
    dict.UIFontChanged.Remove(&TfrmCombinedSimple::UIFontChange, this);
}

void TfrmCombinedSimple::BuildPage()
{
    pageControl_ = new QStackedWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    tbTesting_ = new QWidget(pageControl_);
    tbTesting_->setObjectName(QStringLiteral("tbTesting"));
    pageControl_->addWidget(tbTesting_);
    auto *layout = new QVBoxLayout(tbTesting_);
    layout->setContentsMargins(0, 0, 0, 0);
    plCombined_ = new QPlainTextEdit(tbTesting_);
    plCombined_->setObjectName(QStringLiteral("plCombined"));
    plCombined_->setReadOnly(true);
    plCombined_->setFrameShape(QFrame::NoFrame);
    plCombined_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    plCombined_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plCombined_->setUndoRedoEnabled(false);
    plCombined_->viewport()->setCursor(Qt::IBeamCursor);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    plCombined_->setFont(font);
    layout->addWidget(plCombined_);
    highlighter_ = new TKeywordHighlighter(plCombined_->document(), QStringLiteral(" ,.;"));
    highlighter_->setObjectName(QStringLiteral("ExtHighlighter1"));
    highlighter_->AddKeyword(QStringLiteral("Standard Rhymes"), Heading(QColor(0, 128, 255)));
    highlighter_->AddKeyword(QStringLiteral("Phrase & Proper Nouns"),
                             Heading(QColor(128, 255, 128)));
    SetBody(pageControl_);
}

void TfrmCombinedSimple::WordChange(QObject *)
{
    Refresh();
}

void TfrmCombinedSimple::DisplayStyleChange(QObject *)
{
    Refresh();
}

void TfrmCombinedSimple::UIFontChange(QObject *)
{
    ApplyUIFont();
}

void TfrmCombinedSimple::Refresh()
{
    const TDictionaryList &dict = TDictionaryList::Instance();
    const bool wrap = dict.GetWrap();
    const QString group = dict.Lookup(TDictionaryList::RhymeSlot, dict.GetRhymeWord());
    QStringList lines;
    if (!group.isEmpty()) {
        const QString rhymes = dict.CurrentRhymes(false);
        if (!rhymes.isEmpty())
            lines << QStringLiteral("Standard Rhymes") << EntryLines(rhymes, wrap) << QString();
        const QString phrases = dict.CurrentPhrases();
        if (!phrases.isEmpty())
            lines << QStringLiteral("Phrase & Proper Nouns") << EntryLines(phrases, wrap);
    }
    const QString text = lines.join(QLatin1Char('\n'));
    if (text == plCombined_->toPlainText())
        return; // the same group again: keep the reader's place
    TUpdateBracket bracket(plCombined_);
    plCombined_->setPlainText(text);
}
