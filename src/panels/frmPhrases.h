#pragma once

#include "WordListFrame.h"

// The phrases and proper nouns that rhyme with the current word: the "[P]" entry of its group.
class TfrmPhrases : public TWordListFrame
{
    Q_OBJECT

public:
    TfrmPhrases(QWidget *owner, int mode);
    ~TfrmPhrases() override;

    TListBox *lbPhrases() const { return ListBox(); }
    static void Register();

protected:
    void Refresh() override;
};
