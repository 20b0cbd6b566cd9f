#pragma once

#include "Settings.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// A stored colour: 0x00BBGGRR, or 0xFF0000nn for the platform colour number nn, taken from the
// given palette (the application palette by default).
QColor ColorFromValue(qint32 value);
QColor ColorFromValue(qint32 value, const QPalette &palette);
// The palette role standing for platform colour number nn; Window for numbers without one.
QPalette::ColorRole SystemColorRole(int number);

QFont FontFromInfo(const TFontInfo &info);

// Pushes a font down a panel's controls: lists, memos, combo boxes and tool bars take it with
// its colour, plain panels take it and pass it on, other containers only pass it on, labels and
// buttons follow their parent. A widget with the property "keepFontColor" set keeps its colour.
void ApplyFontToControls(QWidget *container, const TFontInfo &font);
