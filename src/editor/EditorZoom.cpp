#include "EditorZoom.h"

#include "DictionaryList.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

namespace EditorZoom {

int ZoomedSize(int size, int steps)
{
    if (steps == 0)
        return TFontInfo().Size;
    return std::clamp(size + steps, MinSize, MaxSize);
}

void Zoom(int steps)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    TFontInfo font = dict.GetEditorFont();
    font.Size = ZoomedSize(font.Size, steps);
    dict.SetEditorFont(font);
}

bool KeySteps(const QKeyEvent &event, int &steps)
{
    const Qt::KeyboardModifiers mods =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::ControlModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        steps = 1;
        return true;
    case Qt::Key_Minus:
        steps = -1;
        return true;
    case Qt::Key_0:
        steps = 0;
        return !(event.modifiers() & Qt::ShiftModifier);
    default:
        return false;
    }
}

int WheelSteps(const QWheelEvent &event)
{
    if (!(event.modifiers() & Qt::ControlModifier))
        return 0;
    const int delta = event.angleDelta().y();
    return delta > 0 ? 1 : delta < 0 ? -1 : 0;
}

} // namespace EditorZoom
