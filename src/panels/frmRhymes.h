#pragma once

#include "WordListFrame.h"

// The rhymes of the current word: its group's entry in rdict.dat. In list style a word without
// an entry is retried by its stem.
class TfrmRhymes : public TWordListFrame
{
    Q_OBJECT

public:
    TfrmRhymes(QWidget *owner, int mode);
    ~TfrmRhymes() override;

    TListBox *lbRhymes() const { return ListBox(); }
    static void Register();

protected:
    void Refresh() override;
};
