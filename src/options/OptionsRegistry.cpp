#include "OptionsRegistry.h"

#include "DictServerOptions.h"
#include "DictionaryOptions.h"
#include "EditorFontOptions.h"
#include "EditorOptions.h"
#include "FontOptions.h"
#include "OnlineDictionaryOptions.h"
#include "Settings.h"
#include "UIOptions.h"

namespace {

std::vector<TOptionsPageClass> &Pages()
{
    static std::vector<TOptionsPageClass> pages;
    return pages;
}

template <typename Page> TOptionsFrame *Create(const TOptionsContext &context)
{
    return new Page(context);
}

} // namespace

const std::vector<TOptionsPageClass> &OptionsPages()
{
    return Pages();
}

void RegisterOptionsPage(TOptionsPageClass pageClass)
{
    Pages().push_back(pageClass);
}

void RegisterOptionsPages()
{
    Pages().clear();
    RegisterOptionsPage(&Create<TUIOptions>);
    RegisterOptionsPage(&Create<TEditorOptions>);
    RegisterOptionsPage(&Create<TFontOptions>);
    RegisterOptionsPage(&Create<TDictionaryOptions>);
    if (TDictSettings::Instance().GetEnableUIFonts())
        RegisterOptionsPage(&Create<TEditorFontOptions>);
    RegisterOptionsPage(&Create<TfrmOnlineDictionaryOptions>);
    RegisterOptionsPage(&Create<TDictServerOptions>);
}
