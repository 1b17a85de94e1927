// Where the pictures of the cross stand and how the whole cross is turned, and the controls that
// change it. No window system and no GL here.
#pragma once

#include <cstdint>

// The five browse angles, in degrees, all 0 at start.
struct SceneState {
    float viewPitch;   // the whole cross about the X axis (Home, End)
    float viewYaw;     // the whole cross about the Y axis (Insert, Delete)
    float flipAngle;   // flip of the eight outer pictures (right button)
    float columnAngle; // the column about the X axis (Up, Down); moves the centre too
    float rowAngle;    // the row about the Y axis (Left, Right); moves the centre too
};

extern SceneState sceneState;

// The step of the arrow keys, in degrees; read at each use.
extern float scrollStep;

// One browse input: a key-down with its virtual-key code, or a right-button press.
struct BrowseInput {
    enum class Type { KeyDown, RightButtonDown };
    Type type;
    std::uintptr_t virtualKey; // for KeyDown
};

// Applies one input's step to sceneState; keys without a binding change nothing.
void HandleBrowseInput(const BrowseInput& input);

// Once per frame: a viewPitch of 360 or more starts again at 0.
void WrapViewPitch();
