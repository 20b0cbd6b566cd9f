#pragma once

#include "WordListFrame.h"

#include <QStringList>

// Words whose endings sound alike: the sdxdict.dat entry under the Roundex code of the lookup
// word. The list keeps the entry's order and reads its rows from the panel's own string list.
class TfrmRoundex : public TWordListFrame
{
    Q_OBJECT

public:
    TfrmRoundex(QWidget *owner, int mode);
    ~TfrmRoundex() override;

    TListBox *lbSoundex() const { return ListBox(); }
    const QStringList &Items() const { return items_; }
    static void Register();

protected:
    void Refresh() override;

private:
    QString lbSoundexData(int index) const;

    QStringList items_;
};
