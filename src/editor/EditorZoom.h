#pragma once

class QKeyEvent;
class QWheelEvent;

// Zooming the verse editor changes the stored editor font's size, as the font page does, so
// every view of the text and the next start agree.
namespace EditorZoom {

constexpr int MinSize = 7;
constexpr int MaxSize = 30;

// The size after steps of zoom (one point each, within 7..30); 0 steps is the default size.
int ZoomedSize(int size, int steps);
// Applies steps of zoom to the editor font.
void Zoom(int steps);
// The zoom steps a key asks for (Ctrl++, Ctrl+=, Ctrl+-, Ctrl+0), or nothing when it is none;
// reset is set for Ctrl+0.
bool KeySteps(const QKeyEvent &event, int &steps);
// Ctrl with the wheel: one step per notch, none without Ctrl.
int WheelSteps(const QWheelEvent &event);

} // namespace EditorZoom
