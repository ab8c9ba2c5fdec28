// SPDX-License-Identifier: GPL-3.0-or-later
// Menu commands run by the program: ViewSettings, the GL switches they reach, ProgramRequest;
// menu_commands.cpp has the bodies.
#pragma once

#include "app/interface_scale.h"
#include "render/camera.h"
#include "render/polygon_mode.h"

class MenuModel;

// The view choices the Options menu makes. Antialiasing is applied by each frame to the
// scene alone, so it needs no GL switch here.
struct ViewSettings {
    PolygonMode polygonMode = PolygonMode::TextureMapping;
    CameraCentre cameraCentre = CameraCentre::CurrentTank;
    bool antialiasing = false;
    InterfaceSize interfaceSize = InterfaceSize::Automatic;  // for this run only
};

// Where the Options menu's choices reach the GL state; tests record the calls.
class GlSwitches {
  public:
    virtual ~GlSwitches() = default;
    virtual void polygonMode(PolygonMode mode) = 0;
};

// The real switches, on the current GL context.
class CurrentContextSwitches : public GlSwitches {
  public:
    void polygonMode(PolygonMode mode) override { applyPolygonMode(mode); }
};

// What a menu command leaves for the program to do beyond settings and check marks.
enum class ProgramRequest {
    None,
    NewGame,
    Exit,
    Help,
    About,
    Website,
    Shields,
    Controllers,
};

// Runs a menu command: view settings change at once, with their GL state and check
// marks in step; the rest is returned as a request. Unknown ids do nothing.
ProgramRequest runMenuCommand(int commandId, ViewSettings& view, MenuModel& menu, GlSwitches& gl);
