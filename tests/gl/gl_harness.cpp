#include "tests/gl/gl_harness.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstdio>

namespace {

// Mesa's surfaceless platform needs no X server; the default display is the fallback.
EGLDisplay OpenDisplay() {
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay != nullptr) {
        EGLDisplay display =
            getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) {
            return display;
        }
    }
    EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) {
        return display;
    }
    return EGL_NO_DISPLAY;
}

} // namespace

OffscreenGl::OffscreenGl(int width, int height) : width_(width), height_(height) {
    EGLDisplay display = OpenDisplay();
    if (display == EGL_NO_DISPLAY) {
        std::fprintf(stderr, "no EGL display\n");
        return;
    }
    display_ = display;
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                       EGL_PBUFFER_BIT,
                                       EGL_RED_SIZE,
                                       8,
                                       EGL_GREEN_SIZE,
                                       8,
                                       EGL_BLUE_SIZE,
                                       8,
                                       EGL_DEPTH_SIZE,
                                       16,
                                       EGL_RENDERABLE_TYPE,
                                       EGL_OPENGL_BIT,
                                       EGL_NONE};
    EGLConfig config;
    EGLint count = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &count) || count == 0) {
        std::fprintf(stderr, "no EGL pbuffer config\n");
        return;
    }
    const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(display, config, surfaceAttributes);
    if (surface == EGL_NO_SURFACE) {
        std::fprintf(stderr, "no EGL pbuffer\n");
        return;
    }
    surface_ = surface;
    eglBindAPI(EGL_OPENGL_API);
    const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context == EGL_NO_CONTEXT) {
        std::fprintf(stderr, "no EGL context\n");
        return;
    }
    context_ = context;
    ok_ = eglMakeCurrent(display, surface, surface, context) == EGL_TRUE;
}

OffscreenGl::~OffscreenGl() {
    if (display_ == nullptr) {
        return;
    }
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (context_ != nullptr) {
        eglDestroyContext(display_, context_);
    }
    if (surface_ != nullptr) {
        eglDestroySurface(display_, surface_);
    }
    eglTerminate(display_);
}

std::vector<std::uint8_t> OffscreenGl::ReadPixels() const {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width_) * height_ * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

OffscreenGl::Rgb OffscreenGl::PixelAt(int x, int y) const {
    unsigned char rgba[4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}
