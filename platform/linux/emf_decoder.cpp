// Enhanced metafiles: libemf2svg turns the records into SVG, librsvg draws that with cairo
// straight into the surface. The size is the header's frame, already in HIMETRIC.
#include "platform/common/picture_limits.h"
#include "platform/linux/picture_decoders.h"

#include <cairo.h>
#include <emf2svg.h>
#include <librsvg/rsvg.h>

#include <dlfcn.h>

#include <cstdlib>
#include <memory>

namespace platform::pictures {
namespace {

constexpr std::uint32_t kRecordHeader = 1;       // EMR_HEADER, always the first record
constexpr std::uint32_t kSignature = 0x464D4520; // " EMF"
constexpr std::size_t kHeaderBytes = 88;         // the header up to its palette count

std::uint32_t Read32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}
std::int32_t ReadSigned32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(Read32(p));
}

using Emf2SvgFunction = decltype(&emf2svg);

// libemf2svg brings libuemf, which exports a wmf_free of its own; in the process's global symbol
// scope it would take the place of libwmf's, and the WMF loader would crash in it. So the
// converter is loaded with local binding, once, and kept for the life of the process like the
// GdkPixbuf loaders.
Emf2SvgFunction Converter() {
    static const Emf2SvgFunction converter = []() -> Emf2SvgFunction {
        void* library = dlopen(TESSILOR_EMF2SVG_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            return nullptr;
        }
        return reinterpret_cast<Emf2SvgFunction>(dlsym(library, "emf2svg"));
    }();
    return converter;
}

struct FreeSvg {
    void operator()(char* text) const { std::free(text); }
};
struct UnrefHandle {
    void operator()(RsvgHandle* handle) const { g_object_unref(handle); }
};
struct DestroySurface {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct DestroyContext {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

} // namespace

ProbeResult ProbeEmf(EncodedPicture picture, PictureFacts& facts) {
    if (picture.size < kHeaderBytes || Read32(picture.data) != kRecordHeader ||
        Read32(picture.data + 40) != kSignature) {
        return ProbeResult::NotMine;
    }
    std::uint32_t headerBytes = Read32(picture.data + 4);
    std::uint32_t fileBytes = Read32(picture.data + 48);
    if (headerBytes < kHeaderBytes || headerBytes > picture.size || fileBytes > picture.size) {
        return ProbeResult::Broken; // cut short
    }
    long long width =
        static_cast<long long>(ReadSigned32(picture.data + 32)) - ReadSigned32(picture.data + 24);
    long long height =
        static_cast<long long>(ReadSigned32(picture.data + 36)) - ReadSigned32(picture.data + 28);
    if (width <= 0 || height <= 0 || width > kMaxMetafileHimetric ||
        height > kMaxMetafileHimetric) {
        return ProbeResult::Broken;
    }
    facts.hmWidth = static_cast<int>(width);
    facts.hmHeight = static_cast<int>(height);
    return ProbeResult::Mine;
}

bool DrawEmf(EncodedPicture picture, const PictureFacts&, SurfacePixels surface) {
    Emf2SvgFunction convert = Converter();
    if (convert == nullptr) {
        return false;
    }
    generatorOptions options{};
    // No namespace prefix: the converter would allocate the prefixed form and not free it.
    options.nameSpace = nullptr;
    options.svgDelimiter = true;
    options.emfplus = true;
    options.imgWidth = surface.width;
    options.imgHeight = surface.height;
    char* svgText = nullptr;
    std::size_t svgBytes = 0;
    // The converter takes its input as a mutable pointer but only reads it.
    int converted = convert(reinterpret_cast<char*>(const_cast<std::uint8_t*>(picture.data)),
                            picture.size, &svgText, &svgBytes, &options);
    std::unique_ptr<char, FreeSvg> svg(svgText);
    if (!converted || !svg || svgBytes == 0) {
        return false;
    }

    GError* error = nullptr;
    std::unique_ptr<RsvgHandle, UnrefHandle> handle(
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.get()), svgBytes, &error));
    g_clear_error(&error);
    if (!handle) {
        return false;
    }
    double svgWidth = 0;
    double svgHeight = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &svgWidth, &svgHeight) ||
        !(svgWidth > 0) || !(svgHeight > 0)) {
        return false;
    }

    int stride = surface.width * 4;
    if (cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, surface.width) != stride) {
        return false;
    }
    // Cairo's RGB24 is blue, green, red, unused in memory on little-endian machines: the
    // surface's own layout.
    std::unique_ptr<cairo_surface_t, DestroySurface> target(cairo_image_surface_create_for_data(
        surface.bits, CAIRO_FORMAT_RGB24, surface.width, surface.height, stride));
    if (cairo_surface_status(target.get()) != CAIRO_STATUS_SUCCESS) {
        return false;
    }
    std::unique_ptr<cairo_t, DestroyContext> context(cairo_create(target.get()));
    cairo_set_source_rgb(context.get(), 0, 0, 0);
    cairo_paint(context.get());
    // Rows run bottom to top in the surface; the drawing is stretched to fill it.
    cairo_translate(context.get(), 0, surface.height);
    cairo_scale(context.get(), surface.width / svgWidth, -surface.height / svgHeight);
    RsvgRectangle viewport{0, 0, svgWidth, svgHeight};
    bool drawn = rsvg_handle_render_document(handle.get(), context.get(), &viewport, &error);
    g_clear_error(&error);
    cairo_surface_flush(target.get());
    return drawn && cairo_status(context.get()) == CAIRO_STATUS_SUCCESS;
}

} // namespace platform::pictures
