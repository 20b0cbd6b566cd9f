#pragma once

#include "WordListFrame.h"

#include <memory>

class TDIAnsiStringHash;
class TNearRhymes;

// Words that nearly rhyme with the lookup word, nearest and commonest first, from near.dat of the
// application folder. Without that file the panel stays empty.
class TfrmNearRhymes : public TWordListFrame
{
    Q_OBJECT

public:
    TfrmNearRhymes(QWidget *owner, int mode);
    ~TfrmNearRhymes() override;

    TListBox *lbNearRhymes() const { return ListBox(); }
    static void Register();

protected:
    void Refresh() override;

private:
    const TNearRhymes *Engine();

    std::unique_ptr<TDIAnsiStringHash> data_;
    std::unique_ptr<TNearRhymes> engine_;
    bool loaded_ = false;
};
