// SPDX-License-Identifier: GPL-3.0-or-later
// runMenuCommand: polygon mode, camera centre and antialiasing with their check marks, and
// the requests for the rest.
#include "app/menu_commands.h"

#include "ui/menu_model.h"

namespace {

void choosePolygonMode(PolygonMode mode, ViewSettings& view, MenuModel& menu, GlSwitches& gl) {
    gl.polygonMode(mode);
    view.polygonMode = mode;
    menu.setChecked(WireframeCommand, mode == PolygonMode::Wireframe);
    menu.setChecked(SolidShadingCommand, mode == PolygonMode::SolidShading);
    menu.setChecked(TextureMappingCommand, mode == PolygonMode::TextureMapping);
}

void chooseCameraCentre(CameraCentre centre, ViewSettings& view, MenuModel& menu) {
    view.cameraCentre = centre;
    menu.setChecked(CenterOfArenaCommand, centre == CameraCentre::CenterOfArena);
    menu.setChecked(CurrentTankCommand, centre == CameraCentre::CurrentTank);
}

void chooseInterfaceSize(InterfaceSize size, ViewSettings& view, MenuModel& menu) {
    view.interfaceSize = size;
    menu.setChecked(InterfaceSizeAutomaticCommand, size == InterfaceSize::Automatic);
    menu.setChecked(InterfaceSize100Command, size == InterfaceSize::Percent100);
    menu.setChecked(InterfaceSize150Command, size == InterfaceSize::Percent150);
    menu.setChecked(InterfaceSize200Command, size == InterfaceSize::Percent200);
}

}  // namespace

ProgramRequest runMenuCommand(int commandId, ViewSettings& view, MenuModel& menu, GlSwitches& gl) {
    switch (commandId) {
        case NewGameCommand:
            return ProgramRequest::NewGame;
        case ExitCommand:
            return ProgramRequest::Exit;
        case HelpCommand:
            return ProgramRequest::Help;
        case AboutCommand:
            return ProgramRequest::About;
        case WireframeCommand:
            choosePolygonMode(PolygonMode::Wireframe, view, menu, gl);
            return ProgramRequest::None;
        case SolidShadingCommand:
            choosePolygonMode(PolygonMode::SolidShading, view, menu, gl);
            return ProgramRequest::None;
        case TextureMappingCommand:
            choosePolygonMode(PolygonMode::TextureMapping, view, menu, gl);
            return ProgramRequest::None;
        case CenterOfArenaCommand:
            chooseCameraCentre(CameraCentre::CenterOfArena, view, menu);
            return ProgramRequest::None;
        case CurrentTankCommand:
            chooseCameraCentre(CameraCentre::CurrentTank, view, menu);
            return ProgramRequest::None;
        case WebsiteCommand:
            return ProgramRequest::Website;
        case AntialiasingCommand:
            view.antialiasing = !view.antialiasing;
            menu.setChecked(AntialiasingCommand, view.antialiasing);
            return ProgramRequest::None;
        case InterfaceSizeAutomaticCommand:
            chooseInterfaceSize(InterfaceSize::Automatic, view, menu);
            return ProgramRequest::None;
        case InterfaceSize100Command:
            chooseInterfaceSize(InterfaceSize::Percent100, view, menu);
            return ProgramRequest::None;
        case InterfaceSize150Command:
            chooseInterfaceSize(InterfaceSize::Percent150, view, menu);
            return ProgramRequest::None;
        case InterfaceSize200Command:
            chooseInterfaceSize(InterfaceSize::Percent200, view, menu);
            return ProgramRequest::None;
        case ShieldsCommand:
            return ProgramRequest::Shields;
        case ControllersCommand:
            return ProgramRequest::Controllers;
        default:
            return ProgramRequest::None;
    }
}
