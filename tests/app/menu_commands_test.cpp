#include "app/menu_commands.h"
#include "ui/menu_model.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct RecordingSwitches : GlSwitches {
    void polygonMode(PolygonMode mode) override { modes.push_back(mode); }
    std::vector<PolygonMode> modes;
};

struct MenuCommands : ::testing::Test {
    ViewSettings view;
    MenuModel menu;
    RecordingSwitches gl;

    ProgramRequest run(int id) { return runMenuCommand(id, view, menu, gl); }
};

TEST_F(MenuCommands, PolygonModesReachGlAtOnceAndKeepOneCheckMark) {
    const std::pair<int, PolygonMode> modes[] = {
        {WireframeCommand, PolygonMode::Wireframe},
        {SolidShadingCommand, PolygonMode::SolidShading},
        {TextureMappingCommand, PolygonMode::TextureMapping}};
    for (const auto& [command, mode] : modes) {
        EXPECT_EQ(run(command), ProgramRequest::None);
        EXPECT_EQ(view.polygonMode, mode);
        ASSERT_FALSE(gl.modes.empty());
        EXPECT_EQ(gl.modes.back(), mode);
        for (const auto& other : modes) {
            EXPECT_EQ(menu.isChecked(other.first), other.first == command) << other.first;
        }
    }
    EXPECT_EQ(gl.modes.size(), 3u);
}

TEST_F(MenuCommands, CameraCentreIsARadioPairAndAntialiasingToggles) {
    for (CameraCentre centre : {CameraCentre::CenterOfArena, CameraCentre::CurrentTank}) {
        const bool arena = centre == CameraCentre::CenterOfArena;
        run(arena ? CenterOfArenaCommand : CurrentTankCommand);
        EXPECT_EQ(view.cameraCentre, centre);
        EXPECT_EQ(menu.isChecked(CenterOfArenaCommand), arena);
        EXPECT_EQ(menu.isChecked(CurrentTankCommand), !arena);
    }
    for (bool on : {true, false}) {
        run(AntialiasingCommand);
        EXPECT_EQ(view.antialiasing, on);
        EXPECT_EQ(menu.isChecked(AntialiasingCommand), on);
    }
    EXPECT_TRUE(gl.modes.empty());
}

TEST_F(MenuCommands, OtherCommandsAreLeftToTheProgram) {
    const std::pair<int, ProgramRequest> requests[] = {
        {NewGameCommand, ProgramRequest::NewGame}, {ExitCommand, ProgramRequest::Exit},
        {HelpCommand, ProgramRequest::Help},       {AboutCommand, ProgramRequest::About},
        {WebsiteCommand, ProgramRequest::Website}, {ShieldsCommand, ProgramRequest::Shields}};
    for (const auto& [command, request] : requests) {
        EXPECT_EQ(run(command), request) << command;
    }
    for (int unused : {0, 2, 9, 10, 15, 17, -1}) {
        EXPECT_EQ(run(unused), ProgramRequest::None) << unused;
    }
    EXPECT_TRUE(gl.modes.empty());
    EXPECT_EQ(view.polygonMode, PolygonMode::TextureMapping);
    EXPECT_EQ(view.cameraCentre, CameraCentre::CurrentTank);
}

}  // namespace
