#include <gtest/gtest.h>

#include <string>

#include "EffectTestSupport.h"
#include "imaging/Pictures.h"

// Every effect's frames of the message box's window, side by side, for the eye. Each must
// read as its movement: zooms, fades, unfolds, folds, the turn and the switch-off.
TEST(EffectContactSheets, EveryShowAndHideEffectOfTheMessageBoxWindow)
{
    const EffectRect window { 100, 50, 321, 150 };
    for (int effect = 1; effect <= 11; ++effect) {
        SCOPED_TRACE(effect);
        FrameRecorder recorder;
        SkinWindow box;
        const HWND handle = openAndShow(box, boxOptions(effect <= 10 ? effect : 0, effect));
        ASSERT_NE(handle, nullptr);
        if (effect <= 10) {
            EXPECT_EQ(recorder.frames.size(), effect == 10 ? 20u : 10u);
            saveArtifact(L"effect-show-" + std::to_wstring(effect) + L".png", contactSheet(recorder.frames, window));
        }
        recorder.frames.clear();
        SendMessageW(handle, WM_CLOSE, 0, 0);
        EXPECT_GE(recorder.frames.size(), 9u);
        saveArtifact(L"effect-hide-" + std::to_wstring(effect) + L".png", contactSheet(recorder.frames, window));
    }
}
