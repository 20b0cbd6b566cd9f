#pragma once

#include "Thesaurus.h"
#include "WordListFrame.h"

#include <vector>

class QLabel;
class TContextBox;

// The live thesaurus: the contexts (meanings) of the current word in a drop-down box, and the
// words of the chosen context as a list or as wrapped text. Live in Cadenzio mode only.
class TfrmThesaurus : public TWordListFrame
{
    Q_OBJECT

public:
    static constexpr int CaptionStripHeight = 47;

    TfrmThesaurus(QWidget *owner, int mode);
    ~TfrmThesaurus() override;

    QLabel *Label1() const { return label1_; }
    TContextBox *cmbContext() const { return cmbContext_; }
    TListBox *lbData() const { return ListBox(); }
    static void Register();

    // Word-changed handler: the contexts of the lookup word, or of its stem or base form.
    void RebuildContexts(QObject *sender = nullptr);

protected:
    // Shows the words of the selected context.
    void Refresh() override;

private:
    void BuildCaptionStrip();
    bool LookUpContexts(const QString &word);
    QStringList SelectedWords() const;
    static bool InCadenzioMode();

    QLabel *label1_ = nullptr;
    TContextBox *cmbContext_ = nullptr;
    TThesaurus Thesaurus1;
    std::vector<TThesaurusContext> contexts_;
};
