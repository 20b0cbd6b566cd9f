#pragma once

#include "FontOptions.h"

// The font of the lookup panels and the main window; offered only while the settings allow it.
class TEditorFontOptions : public TFontOptions
{
    Q_OBJECT

public:
    explicit TEditorFontOptions(const TOptionsContext &context, QWidget *parent = nullptr);

    QString Title() const override;
    void Apply() override;
};
