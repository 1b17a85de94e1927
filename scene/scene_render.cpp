#include "scene/scene_render.h"

#include "platform/gl_context.h"
#include "scene/scene_state.h"
#include "textures/texture_record.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// Gold.
GLfloat materialAmbient[] = {0.24725f, 0.1995f, 0.0745f, 1.0f};
GLfloat materialDiffuse[] = {0.75164f, 0.60648f, 0.22648f, 1.0f};
GLfloat materialSpecular[] = {0.628281f, 0.555802f, 0.366065f, 1.0f};
GLfloat materialShininess[] = {51.2f};

constexpr float kPivotDistance = 4.0f; // from the eye to the centre of the sphere
constexpr float kSphereRadius = 1.0f;  // from the pivot to every picture

// An outer picture: its slot, its offset from its arm's angle, and which way it flips.
struct ArmPicture {
    int slot;
    float offset;  // degrees
    int direction; // 1: +flipAngle; 0: -flipAngle
};

constexpr ArmPicture kColumn[] = {{1, -30.0f, 1}, {2, -60.0f, 1}, {3, 30.0f, 0}, {4, 60.0f, 0}};
constexpr ArmPicture kRow[] = {{5, 30.0f, 0}, {6, 60.0f, 0}, {7, -30.0f, 1}, {8, -60.0f, 1}};

// Places an outer picture on the sphere at `angle` about (x, y, 0), then turns it back so that
// it keeps the cross's own orientation.
void DrawArmPicture(const ArmPicture& picture, float armAngle, GLfloat x, GLfloat y, int axis) {
    glBindTexture(GL_TEXTURE_2D, pictureSlots[picture.slot].id);
    glPushMatrix();
    float angle = armAngle + picture.offset; // rounded once to single precision
    glRotatef(angle, x, y, 0.0f);
    glTranslatef(0.0f, 0.0f, kSphereRadius);
    glRotatef(-angle, x, y, 0.0f);
    DrawPictureQuad(true, axis, picture.direction);
    glPopMatrix();
}

} // namespace

void ResizeView(std::uint16_t width, std::uint16_t height) {
    if (height == 0) {
        height = 1;
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(50.0, static_cast<GLdouble>(width) / static_cast<GLdouble>(height), 1.0, 500.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void DrawPictureQuad(bool flip, int axis, int direction) {
    glPushMatrix();
    if (flip) {
        GLfloat angle = direction == 1 ? sceneState.flipAngle : -sceneState.flipAngle;
        if (axis == kFlipAxisY) {
            glRotatef(angle, 0.0f, 1.0f, 0.0f);
        } else if (axis == kFlipAxisX) {
            glRotatef(angle, 1.0f, 0.0f, 0.0f);
        }
    }
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 0.0f, -1.0f);
    glTexCoord2d(0.0, 0.0);
    glVertex3f(-0.5f, -0.5f, 0.0f);
    glTexCoord2d(1.0, 0.0);
    glVertex3f(0.5f, -0.5f, 0.0f);
    glTexCoord2d(1.0, 1.0);
    glVertex3f(0.5f, 0.5f, 0.0f);
    glTexCoord2d(0.0, 1.0);
    glVertex3f(-0.5f, 0.5f, 0.0f);
    glEnd();
    glPopMatrix();
}

void SetupLights() {
    // Built afresh each call; lights not listed keep OpenGL's defaults.
    GLfloat light0Position[] = {-5.0f, 5.0f, 8.0f, 1.0f};
    GLfloat light0Diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    GLfloat light0Ambient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    GLfloat light1Position[] = {5.0f, -1.0f, -5.0f, 1.0f};
    GLfloat light1Ambient[] = {0.0f, 0.0f, 0.0f, 1.0f};
    GLfloat light1Diffuse[] = {0.4f, 0.4f, 0.4f, 1.0f};
    GLfloat light1Specular[] = {0.5f, 0.5f, 0.5f, 1.0f};

    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 0.1f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.05f);
    glLightfv(GL_LIGHT0, GL_POSITION, light0Position);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light0Diffuse);
    glLightfv(GL_LIGHT0, GL_AMBIENT, light0Ambient);
    glLightfv(GL_LIGHT1, GL_POSITION, light1Position);
    glLightfv(GL_LIGHT1, GL_AMBIENT, light1Ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, light1Diffuse);
    glLightfv(GL_LIGHT1, GL_SPECULAR, light1Specular);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
}

void ApplySurfaceState() {
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glMaterialfv(GL_FRONT, GL_AMBIENT, materialAmbient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, materialDiffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, materialSpecular);
    glMaterialfv(GL_FRONT, GL_SHININESS, materialShininess);
    glEnable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, pictureSlots[0].id);
    // With the identity model-view matrix, so the light positions are in eye coordinates.
    SetupLights();
}

void RenderFrame() {
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    ApplySurfaceState();
    WrapViewPitch();

    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -kPivotDistance);
    glRotatef(sceneState.viewPitch, 1.0f, 0.0f, 0.0f);
    glRotatef(sceneState.viewYaw, 0.0f, 1.0f, 0.0f);
    glColor3f(0.75f, 0.75f, 0.75f);

    // The centre picture, slot 0, already bound. The undoing turns come in the same order as
    // the placing ones, which leaves the centre slightly tilted when both arms are turned.
    glPushMatrix();
    glRotatef(sceneState.columnAngle, 1.0f, 0.0f, 0.0f);
    glRotatef(sceneState.rowAngle, 0.0f, 1.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, kSphereRadius);
    glRotatef(-sceneState.columnAngle, 1.0f, 0.0f, 0.0f);
    glRotatef(-sceneState.rowAngle, 0.0f, 1.0f, 0.0f);
    DrawPictureQuad(false, kFlipAxisX, 1);
    glPopMatrix();

    for (const ArmPicture& picture : kColumn) {
        DrawArmPicture(picture, sceneState.columnAngle, 1.0f, 0.0f, kFlipAxisX);
    }
    for (const ArmPicture& picture : kRow) {
        DrawArmPicture(picture, sceneState.rowAngle, 0.0f, 1.0f, kFlipAxisY);
    }

    glPopMatrix();
    glFlush();
    platform::PresentFrame();
}
