#pragma once

#include "OptionsFrame.h"

class QCheckBox;
class QListWidget;
class QListWidgetItem;

// The rhyme-line list that the rhyme-lines panel looks in: one of the lists the settings name,
// chosen with check marks that act as radio buttons; and whether the word lists show offensive
// words.
class TDictionaryOptions : public TOptionsFrame
{
    Q_OBJECT

public:
    explicit TDictionaryOptions(const TOptionsContext &context, QWidget *parent = nullptr);

    QString Title() const override;
    // Loads the first checked list, also when it is the current one.
    void Apply() override;

    QListWidget *CheckListBox1() const { return list_; }
    QCheckBox *ckShowOffensive() const { return showOffensive_; }
    // The name of the first checked entry; empty when none is.
    QString CheckedName() const;

private:
    void CheckOnly(QListWidgetItem *item);
    void ApplyOffensiveWords();

    std::function<void(const QString &message)> showMessage_;
    QListWidget *list_;
    QCheckBox *showOffensive_;
    bool checking_ = false;
};
