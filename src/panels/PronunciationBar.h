#pragma once

#include "Panel.h"

#include <array>

class QButtonGroup;
class QToolBar;
class QToolButton;

// The pronunciation buttons of a side group: up to five variants of the lookup word w, the
// plain w and w(1) to w(4), each shown by a button when rdict.dat has an entry for it, filled
// from the left. Clicking a button makes its variant the current word.
class TPronunciationBar : public TPanel
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 5;
    static constexpr int BarHeight = 50;

    TPronunciationBar(QWidget *parent, const QString &name);

    QToolBar *tbPronunciations() const { return toolBar_; }
    // Button 0..4 (tlbP1..tlbP5) and the variant it stands for (0 = the plain word).
    QToolButton *Button(int index) const { return buttons_[std::size_t(index)]; }
    int Tag(int index) const { return tags_[std::size_t(index)]; }
    // The variant key of the lookup word: "w" for 0, "w(k)" otherwise.
    static QString VariantKey(const QString &word, int variant);

    void DisableAll();
    // Enables one button per existing variant of the lookup word and presses the first.
    void RefreshButtons();
    void tlbP1Click(int index);

private:
    void BuildToolBar();

    QToolBar *toolBar_ = nullptr;
    QButtonGroup *group_ = nullptr;
    std::array<QToolButton *, ButtonCount> buttons_{};
    std::array<int, ButtonCount> tags_{};
    bool changing_ = false; // set while this bar changes the word or presses a button itself
};
