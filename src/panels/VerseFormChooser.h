#pragma once

#include "Panel.h"

#include <QComboBox>
#include <QStringList>

class QToolButton;

// A combo box that announces each drop-down before its list opens.
class TDropDownCombo : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void DropDown();
};

// The verse-form strip of the Common group: chooses the verse form whose pattern the verse
// editor shows beside its rows, and opens its example page.
class TVerseFormChooser : public TPanel
{
    Q_OBJECT

public:
    static constexpr int StripHeight = 53;

    explicit TVerseFormChooser(QWidget *parent);

    TDropDownCombo *cmbVerseForms() const { return combo_; }
    QToolButton *btnVerseFormExample() const { return button_; }

    // The verse forms on offer: the names of the listable .txt files of the folder, sorted
    // regardless of case, a name equal to an earlier one dropped.
    static QStringList VerseFormNames(const QString &folder);

    void cmbVerseFormsDropDown();
    void cmbVerseFormsSelect(int index);
    // Chooses the verse form of the last run again; one whose file is gone falls back to none,
    // with a note in the main window's status bar.
    void RestoreChosen();
    void btnVerseFormExampleClick();

private:
    TDropDownCombo *combo_ = nullptr;
    QToolButton *button_ = nullptr;
};
