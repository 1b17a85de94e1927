// Drawing the cross: nine lit, gold-toned squares on a sphere around a pivot in front of the eye.
// Needs the window's GL context to be current.
#pragma once

#include <cstdint>

// Sets the viewport and the perspective projection for a client area of this size.
void ResizeView(std::uint16_t width, std::uint16_t height);

// Draws one frame from sceneState and the slots' texture names, and presents it.
void RenderFrame();

// Axis codes of DrawPictureQuad.
constexpr int kFlipAxisX = 1;
constexpr int kFlipAxisY = 3;

// Draws one unit square facing the viewer, turned by +flipAngle (direction 1) or -flipAngle
// (any other direction) about the X (1) or Y (3) axis when `flip` is set.
void DrawPictureQuad(bool flip, int axis, int direction);

// The material, capabilities, slot 0's texture and the lights, re-sent every frame.
void ApplySurfaceState();
void SetupLights();
