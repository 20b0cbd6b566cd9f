#pragma once

#include "OptionsFrame.h"
#include "Settings.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

// The editor font: face, size, bold and italic over the stored font, whose colour is kept; a
// sample poem shows the font being chosen.
class TFontOptions : public TOptionsFrame
{
    Q_OBJECT

public:
    explicit TFontOptions(const TOptionsContext &context, QWidget *parent = nullptr);

    QString Title() const override;
    void Apply() override;

    // The sizes a face offers: 7 to 30 for a scalable face, else the sizes it was made in. A face
    // that is not installed offers those of the face that stands in for it.
    static QList<int> SizesOf(const QString &face);
    // One name per family, sorted: Qt lists a family made by several foundries once per foundry
    // ("Nimbus Sans [UKWN]", "Nimbus Sans [URW ]"), and a font is chosen by family alone.
    static QStringList FamilyNames(const QStringList &families);
    // The stored font with the page's face, size (when one is chosen), bold and italic.
    TFontInfo ChosenFont() const;

    QComboBox *cmbFonts() const { return fonts_; }
    QComboBox *cmbSizes() const { return sizes_; }
    QCheckBox *ckBold() const { return bold_; }
    QCheckBox *ckItalic() const { return italic_; }
    QPlainTextEdit *mSample() const { return sample_; }

protected:
    // Loads the font stored in that settings section.
    TFontOptions(const QString &section, QWidget *parent);

private:
    void BuildControls();
    void Load();
    void cmbFontsChange();
    void UpdateSample();

    TFontInfo stored_;
    QComboBox *fonts_ = nullptr;
    QComboBox *sizes_ = nullptr;
    QCheckBox *bold_ = nullptr;
    QCheckBox *italic_ = nullptr;
    QPlainTextEdit *sample_ = nullptr;
};
