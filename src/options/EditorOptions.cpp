#include "EditorOptions.h"

#include "DictEditor.h"
#include "Settings.h"
#include "VerseGutters.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// A tab width the editor can use: a whole number of columns, at least one.
bool ParseTabStops(const QString &text, int &columns)
{
    bool ok = false;
    columns = text.trimmed().toInt(&ok, 10);
    return ok && columns > 0;
}
} // namespace

TEditorOptions::TEditorOptions(const TOptionsContext &context, QWidget *parent)
    : TOptionsFrame(parent), editor_(context.editor), gutters_(context.gutters)
{
    setObjectName(QStringLiteral("EditorOptions"));
    group_ = new QGroupBox(tr("Editor Settings"), this);
    auto *column = new QVBoxLayout(this);
    column->addWidget(group_);
    column->addStretch(1);
    auto *inGroup = new QVBoxLayout(group_);
    checks_ = new QVBoxLayout;
    inGroup->addLayout(checks_);

    const TDictSettings &settings = TDictSettings::Instance();
    wordWrap_ =
        AddCheck(tr("Word Wrap"), QStringLiteral("ckWordWrap"), settings.GetEditorWordWrap());
    // The editor's own state: the stored choice is applied only by this page.
    persistentBlocks_ =
        AddCheck(tr("Persistent Blocks"), QStringLiteral("ckPersistentBlocks"),
                 editor_ ? editor_->PersistentBlocks() : settings.GetPersistentBlocks(false));
    smartTabs_ = AddCheck(tr("Smart Tabs"), QStringLiteral("ckSmartTabs"),
                          editor_ ? editor_->SmartTabs : settings.GetSmartTabs(false));
    syllablesFromDictionary_ = AddCheck(tr("Count syllables by pronunciation"),
                                        QStringLiteral("ckSyllablesFromDictionary"),
                                        settings.GetSyllablesFromDictionary());

    auto *row = new QHBoxLayout;
    auto *label = new QLabel(tr("Tab Stops:"), group_);
    tabStops_ = new QLineEdit(QString::number(settings.GetTabStops()), group_);
    tabStops_->setObjectName(QStringLiteral("edtTabStops"));
    tabStops_->setMaximumWidth(60);
    label->setBuddy(tabStops_);
    row->addWidget(label);
    row->addWidget(tabStops_);
    row->addStretch(1);
    inGroup->addLayout(row);
}

QCheckBox *TEditorOptions::AddCheck(const QString &caption, const QString &name, bool checked)
{
    auto *box = new QCheckBox(caption, group_);
    box->setObjectName(name);
    box->setChecked(checked);
    checks_->addWidget(box);
    return box;
}

QString TEditorOptions::Title() const
{
    return tr("Editor");
}

void TEditorOptions::Validate()
{
    int columns = 0;
    if (!ParseTabStops(tabStops_->text(), columns))
        throw EInvalidOptionException(tr("Tab Stops"), tabStops_);
}

void TEditorOptions::Apply()
{
    TDictSettings &settings = TDictSettings::Instance();
    if (editor_)
        editor_->SetWordWrap(wordWrap_->isChecked());
    settings.SetEditorWordWrap(wordWrap_->isChecked());
    if (editor_)
        editor_->SetPersistentBlocks(persistentBlocks_->isChecked());
    settings.SetPersistentBlocks(persistentBlocks_->isChecked());
    if (editor_)
        editor_->SmartTabs = smartTabs_->isChecked();
    settings.SetSmartTabs(smartTabs_->isChecked());
    // Not part of the editor settings that OK always rewrites: stored only when changed.
    if (syllablesFromDictionary_->isChecked() != settings.GetSyllablesFromDictionary())
        settings.SetSyllablesFromDictionary(syllablesFromDictionary_->isChecked());
    if (gutters_)
        gutters_->ApplySyllableSettings();
    int columns = 0;
    if (!ParseTabStops(tabStops_->text(), columns))
        return; // Validate refused it already
    settings.SetTabStops(columns);
    if (editor_)
        editor_->SetTabStops(columns);
}
