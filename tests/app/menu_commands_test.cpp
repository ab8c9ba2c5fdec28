#include "app/menu_commands.h"
#include "ui/menu_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RecordingSwitches : GlSwitches {
    void polygonMode(PolygonMode mode) override { modes.push_back(mode); }
    void polygonSmoothing(bool on) override { smoothing.push_back(on); }
    std::vector<PolygonMode> modes;
    std::vector<bool> smoothing;
};

struct MenuCommands : ::testing::Test {
    ViewSettings view;
    MenuModel menu;
    RecordingSwitches gl;

    ProgramRequest run(int id) { return runMenuCommand(id, view, menu, gl); }
    void expectModeChecks(bool wire, bool solid, bool texture) {
        EXPECT_EQ(menu.isChecked(WireframeCommand), wire);
        EXPECT_EQ(menu.isChecked(SolidShadingCommand), solid);
        EXPECT_EQ(menu.isChecked(TextureMappingCommand), texture);
    }
};

TEST_F(MenuCommands, PolygonModesSwitchGlStateAndKeepOneCheckMark) {
    expectModeChecks(false, false, true);
    EXPECT_EQ(run(WireframeCommand), ProgramRequest::None);
    EXPECT_EQ(view.polygonMode, PolygonMode::Wireframe);
    expectModeChecks(true, false, false);
    run(SolidShadingCommand);
    EXPECT_EQ(view.polygonMode, PolygonMode::SolidShading);
    expectModeChecks(false, true, false);
    run(TextureMappingCommand);
    EXPECT_EQ(view.polygonMode, PolygonMode::TextureMapping);
    expectModeChecks(false, false, true);
    const std::vector<PolygonMode> applied{PolygonMode::Wireframe, PolygonMode::SolidShading,
                                           PolygonMode::TextureMapping};
    EXPECT_EQ(gl.modes, applied) << "each choice reaches GL at once";
}

TEST_F(MenuCommands, CameraCentreFollowsTheCheckedItem) {
    EXPECT_TRUE(menu.isChecked(CurrentTankCommand));
    run(CenterOfArenaCommand);
    EXPECT_EQ(view.cameraCentre, CameraCentre::CenterOfArena);
    EXPECT_TRUE(menu.isChecked(CenterOfArenaCommand));
    EXPECT_FALSE(menu.isChecked(CurrentTankCommand));
    run(CurrentTankCommand);
    EXPECT_EQ(view.cameraCentre, CameraCentre::CurrentTank);
    EXPECT_FALSE(menu.isChecked(CenterOfArenaCommand));
    EXPECT_TRUE(menu.isChecked(CurrentTankCommand));
    EXPECT_TRUE(gl.modes.empty());
}

TEST_F(MenuCommands, AntialiasingToggles) {
    run(AntialiasingCommand);
    EXPECT_TRUE(view.antialiasing);
    EXPECT_TRUE(menu.isChecked(AntialiasingCommand));
    run(AntialiasingCommand);
    EXPECT_FALSE(view.antialiasing);
    EXPECT_FALSE(menu.isChecked(AntialiasingCommand));
    const std::vector<bool> applied{true, false};
    EXPECT_EQ(gl.smoothing, applied);
}

TEST_F(MenuCommands, OtherCommandsAreLeftToTheProgram) {
    EXPECT_EQ(run(NewGameCommand), ProgramRequest::NewGame);
    EXPECT_EQ(run(ExitCommand), ProgramRequest::Exit);
    EXPECT_EQ(run(HelpCommand), ProgramRequest::Help);
    EXPECT_EQ(run(AboutCommand), ProgramRequest::About);
    EXPECT_EQ(run(WebsiteCommand), ProgramRequest::Website);
    EXPECT_EQ(run(ShieldsCommand), ProgramRequest::Shields);
    for (int unused : {0, 2, 9, 10, 15, 17, -1}) {
        EXPECT_EQ(run(unused), ProgramRequest::None) << unused;
    }
    EXPECT_TRUE(gl.modes.empty());
    EXPECT_TRUE(gl.smoothing.empty());
    EXPECT_EQ(view.polygonMode, PolygonMode::TextureMapping);
    EXPECT_EQ(view.cameraCentre, CameraCentre::CurrentTank);
}

}  // namespace
