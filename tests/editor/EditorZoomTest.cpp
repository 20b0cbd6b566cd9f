#include "FrameFixture.h"

#include "EditorZoom.h"

#include <QWheelEvent>

using FrameZoom = FrameFixture;

// Ctrl with +, =, - or 0 and Ctrl with the wheel change the stored editor font, which the editor
// shows; without Ctrl the keys type and the wheel scrolls.
TEST_F(FrameZoom, KeysAndWheelZoomTheStoredEditorFont)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int size;
    } keys[] = {{Qt::Key_Equal, Qt::ControlModifier, 11},
                {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, 12},
                {Qt::Key_Minus, Qt::ControlModifier, 11},
                {Qt::Key_Plus, Qt::ShiftModifier, 11},
                {Qt::Key_0, Qt::ControlModifier, TFontInfo().Size}};
    for (const auto &k : keys) {
        QTest::keyClick(editor(), k.key, k.mods);
        EXPECT_EQ(Dict().GetEditorFont().Size, k.size) << k.key;
    }
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("+")) << "only Shift+Plus typed";

    TFontInfo stored;
    auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), {}, {0, delta}, Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor()->viewport(), &event);
    };
    wheel(120, Qt::ControlModifier);
    wheel(120, Qt::NoModifier);
    TDictSettings::Instance().ReadFont(QStringLiteral("Font"), stored);
    EXPECT_EQ(stored.Size, TFontInfo().Size + 1);
    EXPECT_EQ(QFontInfo(editor()->font()).pointSize(), TFontInfo().Size + 1);
    for (int i = 0; i < 40; ++i)
        wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(Dict().GetEditorFont().Size, EditorZoom::MinSize);
}
