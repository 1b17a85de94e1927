// Raster pictures through GdkPixbuf: the size from a loader stopped after the header, the
// pixels from a second loader at draw time.
#include "platform/common/picture_limits.h"
#include "platform/common/surface_copy.h"
#include "platform/linux/pixbuf_loading.h"
#include "platform/picture_service.h"
#include "platform/system.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace platform::pictures {
namespace {

// Bytes handed to a GdkPixbuf loader at a time while only the size is wanted: headers come
// first, so the size is known long before the pixels would be decoded.
constexpr std::size_t kProbeChunkBytes = 4096;

// A loader must be closed exactly once before its last reference goes.
class LoaderHolder {
  public:
    explicit LoaderHolder(const char* pixbufType) {
        GError* error = nullptr;
        loader_ = gdk_pixbuf_loader_new_with_type(pixbufType, &error);
        g_clear_error(&error);
    }
    ~LoaderHolder() { Release(); }
    LoaderHolder(const LoaderHolder&) = delete;
    LoaderHolder& operator=(const LoaderHolder&) = delete;

    GdkPixbufLoader* get() const { return loader_; }

    // True when the loader finished without an error.
    bool Close() {
        closed_ = true;
        GError* error = nullptr;
        bool finished = gdk_pixbuf_loader_close(loader_, &error);
        g_clear_error(&error);
        return finished;
    }

    // The error of a close after a deliberately stopped load means nothing.
    void Release() {
        if (loader_ == nullptr) {
            return;
        }
        if (!closed_) {
            Close();
        }
        g_object_unref(loader_);
        loader_ = nullptr;
    }

  private:
    GdkPixbufLoader* loader_ = nullptr;
    bool closed_ = false;
};

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using PixbufHolder = std::unique_ptr<GdkPixbuf, ObjectUnref>;

bool Write(GdkPixbufLoader* loader, const std::uint8_t* data, std::size_t size) {
    GError* error = nullptr;
    bool written = gdk_pixbuf_loader_write(loader, data, size, &error);
    g_clear_error(&error);
    return written;
}

struct SizeProbe {
    int width = 0;
    int height = 0;
};

void OnProbeSize(GdkPixbufLoader* loader, int width, int height, gpointer data) {
    auto* probe = static_cast<SizeProbe*>(data);
    probe->width = width;
    probe->height = height;
    // A size of zero asks the loader to stop here: only the header was wanted.
    gdk_pixbuf_loader_set_size(loader, 0, 0);
}

bool SizeWithinLimits(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           static_cast<long long>(width) * height <= kMaxPicturePixels;
}

struct DrawState {
    LoaderSizing sizing;
    int targetWidth; // the size wanted, in stored orientation
    int targetHeight;
    std::vector<bool> rowsDecoded; // of the loader's pixbuf
    bool sizeRefused = false;
};

int CeilDiv(int value, int divisor) {
    return (value + divisor - 1) / divisor;
}

void OnDrawSize(GdkPixbufLoader* loader, int width, int height, gpointer data) {
    auto* state = static_cast<DrawState*>(data);
    if (state->sizing == LoaderSizing::Exact) {
        gdk_pixbuf_loader_set_size(loader, state->targetWidth, state->targetHeight);
        return;
    }
    if (!SizeWithinLimits(width, height)) { // the draw sees the same header the probe saw
        state->sizeRefused = true;
        gdk_pixbuf_loader_set_size(loader, 0, 0);
        return;
    }
    if (state->sizing == LoaderSizing::JpegScaled) {
        // Asking for exactly the size a libjpeg reduction produces makes the loader decode at
        // that size and keep that one copy, instead of decoding and then scaling a second copy.
        for (int divisor : {8, 4, 2}) {
            int scaledWidth = CeilDiv(width, divisor);
            int scaledHeight = CeilDiv(height, divisor);
            if (scaledWidth >= state->targetWidth && scaledHeight >= state->targetHeight) {
                gdk_pixbuf_loader_set_size(loader, scaledWidth, scaledHeight);
                return;
            }
        }
    }
}

// Loaders fill the rows of a cut-short file with whatever was there; only rows they report as
// decoded count.
void OnAreaUpdated(GdkPixbufLoader* loader, int, int y, int, int height, gpointer data) {
    auto* state = static_cast<DrawState*>(data);
    GdkPixbuf* pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
    if (pixbuf == nullptr) {
        return;
    }
    int rows = gdk_pixbuf_get_height(pixbuf);
    if (static_cast<int>(state->rowsDecoded.size()) != rows) {
        state->rowsDecoded.assign(rows, false);
    }
    for (int row = std::max(y, 0); row < y + height && row < rows; ++row) {
        state->rowsDecoded[row] = true;
    }
}

bool AllRowsDecoded(const DrawState& state, int rows) {
    return static_cast<int>(state.rowsDecoded.size()) == rows &&
           std::all_of(state.rowsDecoded.begin(), state.rowsDecoded.end(),
                       [](bool decoded) { return decoded; });
}

DecodedPixels PixelsOf(GdkPixbuf* pixbuf) {
    return {gdk_pixbuf_read_pixels(pixbuf), gdk_pixbuf_get_width(pixbuf),
            gdk_pixbuf_get_height(pixbuf), gdk_pixbuf_get_rowstride(pixbuf),
            gdk_pixbuf_get_n_channels(pixbuf)};
}

bool IsPlainRgb(GdkPixbuf* pixbuf) {
    int channels = gdk_pixbuf_get_n_channels(pixbuf);
    return gdk_pixbuf_get_colorspace(pixbuf) == GDK_COLORSPACE_RGB &&
           gdk_pixbuf_get_bits_per_sample(pixbuf) == 8 &&
           channels == (gdk_pixbuf_get_has_alpha(pixbuf) ? 4 : 3);
}

} // namespace

ProbeResult ProbeWithPixbuf(const char* pixbufType, EncodedPicture picture, PictureFacts& facts) {
    LoaderHolder loader(pixbufType);
    if (loader.get() == nullptr) {
        return ProbeResult::Broken; // the format is known but its loader is not installed
    }
    SizeProbe probe;
    g_signal_connect(loader.get(), "size-prepared", G_CALLBACK(OnProbeSize), &probe);
    for (std::size_t at = 0; at < picture.size && probe.width == 0;) {
        std::size_t chunk = std::min(kProbeChunkBytes, picture.size - at);
        if (!Write(loader.get(), picture.data + at, chunk)) {
            break;
        }
        at += chunk;
    }
    loader.Release();
    if (!SizeWithinLimits(probe.width, probe.height)) {
        return ProbeResult::Broken;
    }
    facts.pixbufType = pixbufType;
    facts.hmWidth = MulDiv(probe.width, kHimetricPerInch, LogicalDpiX());
    facts.hmHeight = MulDiv(probe.height, kHimetricPerInch, LogicalDpiY());
    return ProbeResult::Mine;
}

bool DrawThroughPixbufLoader(EncodedPicture picture, const char* pixbufType, int orientation,
                             LoaderSizing sizing, SurfacePixels surface) {
    bool quarterTurn = orientation >= 5;
    DrawState state{sizing,
                    quarterTurn ? surface.height : surface.width,
                    quarterTurn ? surface.width : surface.height,
                    {}};
    LoaderHolder loader(pixbufType);
    if (loader.get() == nullptr) {
        return false;
    }
    g_signal_connect(loader.get(), "size-prepared", G_CALLBACK(OnDrawSize), &state);
    g_signal_connect(loader.get(), "area-updated", G_CALLBACK(OnAreaUpdated), &state);
    if (!Write(loader.get(), picture.data, picture.size)) {
        return false;
    }
    bool closed = loader.Close();
    GdkPixbuf* loaded = gdk_pixbuf_loader_get_pixbuf(loader.get());
    if (!closed || state.sizeRefused || loaded == nullptr || !IsPlainRgb(loaded) ||
        !AllRowsDecoded(state, gdk_pixbuf_get_height(loaded))) {
        return false;
    }
    // Keep the pixbuf and let the loader go, so only one decoded copy is alive from here on.
    PixbufHolder decoded(GDK_PIXBUF(g_object_ref(loaded)));
    loader.Release();
    // The libwmf loader never drops the reference it created its pixbuf with. With the loader
    // gone, a reference beyond ours can only be that one; without the fix the whole decoded
    // picture would leak with each metafile.
    if (std::strcmp(pixbufType, "wmf") == 0 && G_OBJECT(decoded.get())->ref_count > 1) {
        g_object_unref(decoded.get());
    }

    int width = gdk_pixbuf_get_width(decoded.get());
    int height = gdk_pixbuf_get_height(decoded.get());
    if (width == state.targetWidth && height == state.targetHeight) {
        CopyUprightOverBlack(PixelsOf(decoded.get()), orientation, surface);
        return true;
    }
    double scaleX = static_cast<double>(state.targetWidth) / width;
    double scaleY = static_cast<double>(state.targetHeight) / height;
    if (orientation == 1) {
        // Scale straight into the surface's memory, then reorder it there.
        PixbufHolder target(gdk_pixbuf_new_from_data(surface.bits, GDK_COLORSPACE_RGB, TRUE, 8,
                                                     surface.width, surface.height,
                                                     surface.width * 4, nullptr, nullptr));
        if (!target) {
            return false;
        }
        gdk_pixbuf_scale(decoded.get(), target.get(), 0, 0, surface.width, surface.height, 0, 0,
                         scaleX, scaleY, GDK_INTERP_BILINEAR);
        ConvertRgbaInPlace(surface);
        return true;
    }
    // Turned pictures are scaled at the surface's size first and then turned into it.
    PixbufHolder scaled(
        gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, state.targetWidth, state.targetHeight));
    if (!scaled) {
        return false;
    }
    gdk_pixbuf_scale(decoded.get(), scaled.get(), 0, 0, state.targetWidth, state.targetHeight, 0, 0,
                     scaleX, scaleY, GDK_INTERP_BILINEAR);
    decoded.reset();
    CopyUprightOverBlack(PixelsOf(scaled.get()), orientation, surface);
    return true;
}

bool DrawWithPixbuf(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface) {
    LoaderSizing sizing = std::strcmp(facts.pixbufType, "jpeg") == 0 ? LoaderSizing::JpegScaled
                                                                     : LoaderSizing::Natural;
    return DrawThroughPixbufLoader(picture, facts.pixbufType, facts.orientation, sizing, surface);
}

} // namespace platform::pictures
