#pragma once

#include "DictFrame.h"

class QPlainTextEdit;
class QStackedWidget;
class TKeywordHighlighter;

// Lookup mode's combined list: the rhymes of the current word's group under the heading
// "Standard Rhymes", then its phrases and proper nouns under "Phrase & Proper Nouns", in the
// global display style.
class TfrmCombinedSimple : public TDictFrame
{
    Q_OBJECT

public:
    TfrmCombinedSimple(QWidget *owner, int mode);
    ~TfrmCombinedSimple() override;
    static void Register();

    void Refresh();

    QStackedWidget *PageControl1() const { return pageControl_; }
    QWidget *tbTesting() const { return tbTesting_; }
    QPlainTextEdit *plCombined() const { return plCombined_; }
    TKeywordHighlighter *ExtHighlighter1() const { return highlighter_; }

private:
    void BuildPage();
    void Unsubscribe();
    void WordChange(QObject *sender);
    void DisplayStyleChange(QObject *sender);
    void UIFontChange(QObject *sender);

    QStackedWidget *pageControl_ = nullptr;
    QWidget *tbTesting_ = nullptr;
    QPlainTextEdit *plCombined_ = nullptr;
    TKeywordHighlighter *highlighter_ = nullptr;
};
