// The placement state as the caption-bar commands and the window manager drive it: the record
// always holds the last normal bounds, and closing a maximised window keeps where to return.
#include "window/PlacementState.h"

#include <gtest/gtest.h>

namespace kthread {
namespace {

const QRect kWorkArea(100, 40, 1600, 1000);
const QRect kMoved(300, 200, 900, 640);

// A window placed at the centre, then moved and resized by the user.
PlacementState Placed() {
    PlacementState state;
    state.startCentred(kWorkArea);
    state.takeGranted(QRect(500, 264, 800, 584)); // the minimum height lifted 551 to 584
    state.finishPlacing();
    state.track(kMoved, false);
    return state;
}

TEST(PlacementState, FirstShowTakesWhatTheWindowGot) {
    PlacementState state;
    state.startCentred(kWorkArea);
    EXPECT_EQ(state.record().bounds(), QRect(500, 264, 800, 551));
    state.takeGranted(QRect(500, 264, 800, 584));
    EXPECT_EQ(state.record().bounds(), QRect(500, 264, 800, 584));
    state.finishPlacing();
    EXPECT_FALSE(state.locked());
}

TEST(PlacementState, MovesAreKeptOnlyForANormalUnlockedWindow) {
    PlacementState state = Placed();
    EXPECT_EQ(state.record().bounds(), kMoved);
    state.track(QRect(0, 0, 10, 10), true); // minimised or maximised by now
    state.lock();
    state.track(QRect(1, 1, 20, 20), false);
    EXPECT_EQ(state.record().bounds(), kMoved);
}

TEST(PlacementState, MaximiseAndRestoreReturnToTheNormalBounds) {
    PlacementState state = Placed();
    state.maximise(kMoved, false);
    EXPECT_EQ(state.record().FFormState, FormState::Maximised);
    EXPECT_TRUE(state.locked());
    state.track(kWorkArea, false); // the maximised geometry is not recorded
    EXPECT_EQ(state.record().bounds(), kMoved);
    EXPECT_EQ(state.restore(), kMoved);
    EXPECT_EQ(state.record().FFormState, FormState::Normal);
    EXPECT_FALSE(state.locked());
}

TEST(PlacementState, MaximisingAMinimisedWindowKeepsTheRecordedBounds) {
    PlacementState state = Placed();
    state.minimise();
    state.maximise(QRect(0, 0, 160, 30), true);
    EXPECT_EQ(state.record().bounds(), kMoved);
}

TEST(PlacementState, WindowManagerMaximiseAfterItsGeometryUndoesThatTrack) {
    PlacementState state = Placed();
    // Some window managers report the maximised bounds first and the state second.
    state.track(kWorkArea, false);
    EXPECT_EQ(state.followWindowManager(false, true, kWorkArea), std::nullopt);
    EXPECT_EQ(state.record().FFormState, FormState::Maximised);
    EXPECT_EQ(state.record().bounds(), kMoved);

    const std::optional<QRect> back = state.followWindowManager(false, false, kWorkArea);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, kMoved);
    EXPECT_EQ(state.record().FFormState, FormState::Normal);
}

TEST(PlacementState, WindowManagerMinimiseLocksUntilTheWindowComesBack) {
    PlacementState state = Placed();
    EXPECT_EQ(state.followWindowManager(true, false, QRect(0, 0, 160, 30)), std::nullopt);
    EXPECT_TRUE(state.locked());
    EXPECT_EQ(state.record().bounds(), kMoved);
    // Back as a normal window, somewhere else.
    const QRect elsewhere(50, 60, 900, 640);
    EXPECT_EQ(state.followWindowManager(false, false, elsewhere), std::nullopt);
    EXPECT_FALSE(state.locked());
    EXPECT_EQ(state.record().bounds(), elsewhere);
}

TEST(PlacementState, StartedMinimisedComesBackNormal) {
    PlacementState state;
    state.startCentred(kWorkArea);
    state.storedValues().FFormState = FormState::Minimised;
    state.finishPlacing();
    state.followWindowManager(false, false, kMoved);
    EXPECT_EQ(state.record().FFormState, FormState::Normal);
    EXPECT_EQ(state.record().bounds(), kMoved);
}

} // namespace
} // namespace kthread
