// The window's frame fitting, driven through every order in which a window manager may tell a change of the
// window: its new size, its new frame and its new state, settled once the manager pauses.
#include "frame_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pairfinder::testing {
namespace {

using Look = FrameFit::Look;

// openbox's frames on a 1280 x 1024 screen: a normal window has borders round it, a maximised one a title
// alone.
const QSize NormalFrame(2, 25);
const QSize MaximisedFrame(0, 19);
const QSize Maximised = QSize(1280, 1024) - MaximisedFrame;
const QSize Layout(739, 645);
const QSize Framed = Layout - NormalFrame;

enum class Report { Size, Frame, State };
using Order = std::array<Report, 3>;

struct Change {
    Look To;
    // The client size the window asks for once the change is settled; none when it must be left alone.
    std::optional<QSize> Fitted;
};

struct Story {
    const char* Name;
    // From the framed window, one change after the other.
    std::vector<Change> Changes;
};

// A manager's reports of one change in one order, then its pause, in which the window settles what it saw.
std::optional<QSize> Tell(FrameFit& fit, Look& now, const Change& change, const Order& order) {
    for (Report report : order) {
        if (report == Report::Size) now.Client = change.To.Client;
        if (report == Report::Frame) now.Frame = change.To.Frame;
        if (report == Report::State) now.State = change.To.State;
    }
    const auto fitted = fit.Settle(now);
    if (fitted) now.Client = *fitted;
    return fitted;
}

std::string Spelled(const Order& order) {
    std::string text;
    for (Report report : order) {
        text += report == Report::Size ? " size" : report == Report::Frame ? " frame" : " state";
    }
    return text;
}

TEST(FrameFit, EveryOrderOfAWindowManagersReportsGivesTheSameSize) {
    const Look framed{NormalFrame, Framed, Qt::WindowNoState};
    const Look maximised{MaximisedFrame, Maximised, Qt::WindowMaximized};
    const QSize thinFrame(0, 20);
    const std::vector<Story> stories = {
        {"a theme's new frame round a window of unchanged size",
         {{{thinFrame, Framed, Qt::WindowNoState}, Framed + NormalFrame - thinFrame}}},
        {"the player drags the window", {{{NormalFrame, {500, 400}, Qt::WindowNoState}, std::nullopt}}},
        {"maximising and restoring", {{maximised, std::nullopt}, {framed, std::nullopt}}},
        {"filling the work area without saying it maximised, moved there, and back",
         {{{MaximisedFrame, Maximised, Qt::WindowNoState}, std::nullopt},
          {{MaximisedFrame, Maximised, Qt::WindowNoState}, std::nullopt},
          {framed, std::nullopt}}},
        {"a manager that keeps the outer size round its new frame",
         {{{thinFrame, Framed + NormalFrame - thinFrame, Qt::WindowNoState}, std::nullopt}}},
        {"going full screen and back",
         {{{{0, 0}, {1280, 1024}, Qt::WindowFullScreen}, std::nullopt}, {framed, std::nullopt}}},
        {"minimising, the frame gone, and back",
         {{{{0, 0}, Framed, Qt::WindowMinimized}, std::nullopt}, {framed, std::nullopt}}},
    };
    for (const Story& story : stories) {
        Order order{Report::Size, Report::Frame, Report::State};
        do {
            FrameFit fit;
            // Shown at the layout's size before the manager framed it; framed, the outer size stays.
            EXPECT_EQ(fit.Settle({{0, 0}, Layout, Qt::WindowNoState}), std::nullopt);
            EXPECT_EQ(fit.Settle({NormalFrame, Layout, Qt::WindowNoState}), Framed);
            Look now = framed;
            EXPECT_EQ(fit.Settle(now), std::nullopt) << "the fitted size, settled again";
            for (const Change& change : story.Changes) {
                EXPECT_EQ(Tell(fit, now, change, order), change.Fitted)
                    << story.Name << ", told as" << Spelled(order);
            }
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

}  // namespace
}  // namespace pairfinder::testing
