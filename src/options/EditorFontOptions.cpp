#include "EditorFontOptions.h"

#include "DictionaryList.h"

TEditorFontOptions::TEditorFontOptions(const TOptionsContext &, QWidget *parent)
    : TFontOptions(QStringLiteral("UIFont"), parent)
{
    setObjectName(QStringLiteral("EditorFontOptions"));
}

QString TEditorFontOptions::Title() const
{
    return tr("UI") + QLatin1Char('|') + tr("Font");
}

void TEditorFontOptions::Apply()
{
    TDictionaryList::Instance().SetUIFont(ChosenFont());
}
