#include "scene/scene_state.h"

#include "platform/messages.h"

SceneState sceneState{};
float scrollStep = 0.2f;

namespace {
constexpr float kTurnStep = 0.3f; // Home, End, Insert, Delete, in degrees
constexpr float kFlipStep = 0.1f; // right button, in degrees
} // namespace

void HandleBrowseInput(const BrowseInput& input) {
    if (input.type == BrowseInput::Type::RightButtonDown) {
        sceneState.flipAngle += kFlipStep;
        return;
    }
    switch (input.virtualKey) {
    case VK_LEFT:
        sceneState.rowAngle -= scrollStep;
        break;
    case VK_UP:
        sceneState.columnAngle -= scrollStep;
        break;
    case VK_RIGHT:
        sceneState.rowAngle += scrollStep;
        break;
    case VK_DOWN:
        sceneState.columnAngle += scrollStep;
        break;
    case VK_HOME:
        sceneState.viewPitch += kTurnStep;
        break;
    case VK_END:
        sceneState.viewPitch -= kTurnStep;
        break;
    case VK_INSERT:
        sceneState.viewYaw -= kTurnStep;
        break;
    case VK_DELETE:
        sceneState.viewYaw += kTurnStep;
        break;
    default:
        break;
    }
}

// The excess over 360 is dropped, not carried: the cross jumps back to its starting pitch.
void WrapViewPitch() {
    if (sceneState.viewPitch >= 360.0f) {
        sceneState.viewPitch = 0.0f;
    }
}
