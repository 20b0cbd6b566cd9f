#pragma once

#include "OptionsFrame.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QVBoxLayout;

// Word wrap, persistent blocks, smart tabs, how syllables are counted and the tab width of the
// verse editor.
class TEditorOptions : public TOptionsFrame
{
    Q_OBJECT

public:
    explicit TEditorOptions(const TOptionsContext &context, QWidget *parent = nullptr);

    QString Title() const override;
    void Validate() override;
    void Apply() override;

    QCheckBox *ckWordWrap() const { return wordWrap_; }
    QCheckBox *ckPersistentBlocks() const { return persistentBlocks_; }
    QCheckBox *ckSmartTabs() const { return smartTabs_; }
    QCheckBox *ckSyllablesFromDictionary() const { return syllablesFromDictionary_; }
    QLineEdit *edtTabStops() const { return tabStops_; }

protected:
    // A further check box of the group, below the others and above the tab stops.
    QCheckBox *AddCheck(const QString &caption, const QString &name, bool checked);

private:
    TDictEditor *editor_;
    TVerseGutters *gutters_;
    QGroupBox *group_;
    QVBoxLayout *checks_;
    QCheckBox *wordWrap_;
    QCheckBox *persistentBlocks_;
    QCheckBox *smartTabs_;
    QCheckBox *syllablesFromDictionary_;
    QLineEdit *tabStops_;
};
