#include "ShellFixture.h"

#include "EditorGutter.h"

namespace {

class MeterActionTest : public ShellFixture
{
protected:
    TFrameAdvanced *Frame() const
    {
        return qobject_cast<TFrameAdvanced *>(program.window->FrameAdvanced());
    }
};

TEST_F(MeterActionTest, HiddenAtFirstStartThenStoredAndRestoredLikeTheGutterToggles)
{
    WriteSettings();
    UseEditorFrame();
    StartShown();
    QAction *meter = Data()->actViewMeter;
    EXPECT_FALSE(meter->isChecked());
    EXPECT_EQ(meter->text(), "Meter");
    ASSERT_NE(Frame(), nullptr);
    EXPECT_TRUE(Frame()->pgMeter()->isHidden());

    meter->trigger();
    EXPECT_TRUE(Settings().GetShowMeter());
    EXPECT_FALSE(Frame()->pgMeter()->isHidden());
    EXPECT_EQ(meter->text(), "Meter");

    Restart(); // the editor frame stays chosen
    StartShown();
    EXPECT_TRUE(Data()->actViewMeter->isChecked());
    EXPECT_FALSE(Frame()->pgMeter()->isHidden());
}

} // namespace
