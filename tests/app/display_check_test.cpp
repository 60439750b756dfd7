// When the program refuses to start for want of a display, and when it must go on to the toolkit.
#include "display_check.h"

#include <gtest/gtest.h>

namespace pairfinder {
namespace {

bool Refuses(const DisplayEnvironment& environment) {
    return !MissingDisplayReason(environment).empty();
}

TEST(MissingDisplay, WithNeitherDisplayTheDefaultPlatformIsRefusedInOneLine) {
    const std::string reason = MissingDisplayReason({});
    EXPECT_NE(reason.find("no display to open the window on"), std::string::npos) << reason;
    EXPECT_EQ(reason.find('\n'), std::string::npos);
    // Set but empty is what a shell's "DISPLAY= program" leaves.
    EXPECT_TRUE(Refuses({"", "", ""}));
    EXPECT_TRUE(Refuses({"xcb", nullptr, nullptr}));
    EXPECT_TRUE(Refuses({"wayland;xcb", "", nullptr}));
    EXPECT_TRUE(Refuses({"xcb:nomitshm", nullptr, nullptr}));
}

TEST(MissingDisplay, EitherDisplayIsEnoughToTryTheToolkit) {
    EXPECT_FALSE(Refuses({nullptr, ":0", nullptr}));
    EXPECT_FALSE(Refuses({nullptr, nullptr, "wayland-0"}));
    EXPECT_FALSE(Refuses({"xcb", ":99", nullptr}));
    EXPECT_FALSE(Refuses({"wayland-egl", nullptr, "wayland-1"}));
}

TEST(MissingDisplay, PlatformsWithoutAWindowSystemNeedNoDisplay) {
    // The tests and the benchmarks run the window offscreen.
    EXPECT_FALSE(Refuses({"offscreen", nullptr, nullptr}));
    EXPECT_FALSE(Refuses({"minimal", nullptr, nullptr}));
    EXPECT_FALSE(Refuses({"vnc:size=800x600", nullptr, nullptr}));
    // A list is tried in order, so one entry without a window system is enough.
    EXPECT_FALSE(Refuses({"xcb;offscreen", nullptr, nullptr}));
    EXPECT_TRUE(Refuses({"xcb;wayland", nullptr, nullptr}));
}

}  // namespace
}  // namespace pairfinder
