#pragma once

#include "SenseDisplay.h"

#include <QScrollArea>

#include <map>
#include <vector>

class QGridLayout;
class QLabel;
class TDefinitionText;

// The definitions pane: per sense a heading when it starts one (with pronunciation and usage),
// a number in its own column and the definition text with its examples.
class TDefinitionsPane : public QScrollArea
{
    Q_OBJECT

public:
    explicit TDefinitionsPane(QWidget *parent);

    void Show(const std::vector<TSenseDisplay> &senses);
    void ShowNotFound(const QString &word);
    void Clear();
    // Colours a sense (by its index in the query) as selected; -1 clears the selection.
    void SetSelectedSense(int senseIndex);
    void ScrollToPartOfSpeech(int pos);
    void ApplyFontSize(int points);
    // The focused definition text's selection, or empty when no text has the focus.
    bool FocusedSelection(QString &text) const;
    void FocusFirstText();
    TDefinitionText *FirstText() const; // nullptr when none is shown

    // The selection colour: the highlight unless it cannot be told from the window or its text.
    static QColor SelectionColour(const QPalette &palette);

signals:
    void SenseClicked(int senseIndex);
    void LookupRequested(const QString &word);
    void TabOut(bool backwards);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    struct TShownSense
    {
        QLabel *number;
        TDefinitionText *text;
    };
    QWidget *AddHeading(const TSenseDisplay &sense, int row);
    void AddSense(const TSenseDisplay &sense, int row);
    void ConnectText(TDefinitionText *text, int senseIndex);
    void MoveFocus(TDefinitionText *from, int step);
    int NumberWidth() const;

    QWidget *content_ = nullptr;
    QGridLayout *grid_ = nullptr;
    std::map<int, TShownSense> senses_;
    std::vector<TDefinitionText *> texts_;
    std::map<int, QWidget *> firstHeading_; // part of speech -> its first heading
    int selected_ = -1;
};
