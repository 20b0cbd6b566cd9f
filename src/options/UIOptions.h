#pragma once

#include "OptionsFrame.h"

class QCheckBox;
class TSideChoice;

// Tabs as buttons, the sides of the two side groups, as stored (the sides take effect only
// while the panels are not in their default places), and whether to check for updates.
class TUIOptions : public TOptionsFrame
{
    Q_OBJECT

public:
    explicit TUIOptions(const TOptionsContext &context, QWidget *parent = nullptr);

    QString Title() const override;
    void Apply() override;

    QCheckBox *ckTabButtons() const { return tabButtons_; }
    TSideChoice *rgCommon() const { return common_; }
    TSideChoice *rgMore() const { return more_; }
    QCheckBox *ckCheckUpdates() const { return checkUpdates_; }

private:
    QCheckBox *tabButtons_;
    TSideChoice *common_;
    TSideChoice *more_;
    QCheckBox *checkUpdates_;
};
