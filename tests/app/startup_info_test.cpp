// How the program's start-up information is read: the show state and the program file behind the title.
#include "startup_info.h"

#include <gtest/gtest.h>

namespace pairfinder {
namespace {

TEST(StartShowState, MaximisedAndMinimisedOnlyForTheirOwnCommands) {
    EXPECT_EQ(ShowStateFor(3), StartShowState::Maximised);
    EXPECT_EQ(ShowStateFor(7), StartShowState::Minimised);
    // SW_SHOWMINIMIZED (2) and SW_MINIMIZE (6) are not the task-bar start and show the window normally.
    for (int command : {-1, 0, 1, 2, 4, 5, 6, 8, 9, 10, 11}) {
        EXPECT_EQ(ShowStateFor(command), StartShowState::Normal) << "show command " << command;
    }
}

#ifdef _WIN32

TEST(WindowsStartupInfo, NamesThisProgramFile) {
    const std::string path = ProgramFilePath();
    ASSERT_GE(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), ".exe");
    EXPECT_NE(path.find("startup_tests"), std::string::npos) << path;
}

TEST(WindowsStartupInfo, ReportsARealShowCommand) {
    const int command = StartupShowCommand();
    EXPECT_GE(command, 0);
    EXPECT_LE(command, 11);
}

#else

TEST(StartupInfoElsewhere, LeavesShowStateAndProgramFileToTheToolkit) {
    EXPECT_EQ(StartupShowCommand(), -1);
    EXPECT_EQ(ShowStateFor(StartupShowCommand()), StartShowState::Normal);
    EXPECT_TRUE(ProgramFilePath().empty());
}

#endif

}  // namespace
}  // namespace pairfinder
