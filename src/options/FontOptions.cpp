#include "FontOptions.h"

#include "DictionaryList.h"
#include "FontWalk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

constexpr int FirstScalableSize = 7;
constexpr int LastScalableSize = 30;

// Emily Dickinson, published 1891.
const char *const SamplePoem = "Hope is the thing with feathers\n"
                               "That perches in the soul,\n"
                               "And sings the tune without the words,\n"
                               "And never stops at all.";

} // namespace

TFontOptions::TFontOptions(const TOptionsContext &, QWidget *parent)
    : TFontOptions(QStringLiteral("Font"), parent)
{}

TFontOptions::TFontOptions(const QString &section, QWidget *parent) : TOptionsFrame(parent)
{
    setObjectName(QStringLiteral("FontOptions"));
    TDictSettings::Instance().ReadFont(section, stored_);
    BuildControls();
    Load();
}

void TFontOptions::BuildControls()
{
    fonts_ = new QComboBox(this);
    fonts_->setObjectName(QStringLiteral("cmbFonts"));
    sizes_ = new QComboBox(this);
    sizes_->setObjectName(QStringLiteral("cmbSizes"));
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Font Name:"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Font Size:"), this), 0, 1);
    grid->addWidget(fonts_, 1, 0);
    grid->addWidget(sizes_, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);

    auto *style = new QGroupBox(tr("Font Style"), this);
    bold_ = new QCheckBox(tr("Bold"), style);
    bold_->setObjectName(QStringLiteral("ckBold"));
    italic_ = new QCheckBox(tr("Italic"), style);
    italic_->setObjectName(QStringLiteral("ckItalic"));
    auto *styleRow = new QHBoxLayout(style);
    styleRow->addWidget(bold_);
    styleRow->addWidget(italic_);
    styleRow->addStretch(1);

    auto *sampleGroup = new QGroupBox(tr("Sample"), this);
    sample_ = new QPlainTextEdit(QString::fromLatin1(SamplePoem), sampleGroup);
    sample_->setObjectName(QStringLiteral("mSample"));
    sample_->setReadOnly(true);
    sample_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *sampleBox = new QVBoxLayout(sampleGroup);
    sampleBox->addWidget(sample_);

    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(style);
    column->addWidget(sampleGroup, 1);

    connect(fonts_, &QComboBox::currentIndexChanged, this, [this] { cmbFontsChange(); });
    connect(sizes_, &QComboBox::currentIndexChanged, this, [this] { UpdateSample(); });
    connect(bold_, &QCheckBox::toggled, this, [this] { UpdateSample(); });
    connect(italic_, &QCheckBox::toggled, this, [this] { UpdateSample(); });
}

void TFontOptions::Load()
{
    QStringList faces = FamilyNames(QFontDatabase::families());
    // A face that is not installed keeps its stored name (another face stands in for it), so
    // that OK without changes leaves the stored font as it was.
    if (!faces.contains(stored_.Face))
        faces << stored_.Face;
    faces.sort(Qt::CaseInsensitive);
    bold_->setChecked(stored_.Bold);
    italic_->setChecked(stored_.Italic);
    const QSignalBlocker quiet(fonts_);
    fonts_->addItems(faces);
    fonts_->setCurrentIndex(std::max(0, fonts_->findText(stored_.Face)));
    cmbFontsChange();
}

QStringList TFontOptions::FamilyNames(const QStringList &families)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList names;
    for (QString family : families)
        names << family.remove(foundry);
    names.sort(Qt::CaseInsensitive);
    names.removeDuplicates();
    return names;
}

QList<int> TFontOptions::SizesOf(const QString &face)
{
    const QString installed =
        QFontDatabase::hasFamily(face) ? face : QFontInfo(QFont(face)).family();
    if (QFontDatabase::isSmoothlyScalable(installed)) {
        QList<int> sizes;
        for (int size = FirstScalableSize; size <= LastScalableSize; ++size)
            sizes << size;
        return sizes;
    }
    return QFontDatabase::pointSizes(installed);
}

void TFontOptions::cmbFontsChange()
{
    {
        const QSignalBlocker quiet(sizes_);
        sizes_->clear();
        for (int size : SizesOf(fonts_->currentText()))
            sizes_->addItem(QString::number(size), size);
        sizes_->setCurrentIndex(std::max(0, sizes_->findData(stored_.Size)));
    }
    UpdateSample();
}

TFontInfo TFontOptions::ChosenFont() const
{
    TFontInfo font = stored_;
    if (fonts_->currentIndex() >= 0)
        font.Face = fonts_->currentText();
    if (sizes_->currentIndex() >= 0)
        font.Size = sizes_->currentData().toInt();
    font.Bold = bold_->isChecked();
    font.Italic = italic_->isChecked();
    return font;
}

void TFontOptions::UpdateSample()
{
    const TFontInfo font = ChosenFont();
    sample_->setFont(FontFromInfo(font));
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::Text, ColorFromValue(font.Color));
    sample_->setPalette(palette);
}

QString TFontOptions::Title() const
{
    return tr("Editor") + QLatin1Char('|') + tr("Font");
}

void TFontOptions::Apply()
{
    TDictionaryList::Instance().SetEditorFont(ChosenFont());
}
