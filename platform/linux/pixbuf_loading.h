// Decoding through a GdkPixbuf loader of a named type, shared by the raster formats and WMF.
#pragma once

#include "platform/linux/picture_decoders.h"

namespace platform::pictures {

// How the loader is asked for a size once it knows the picture's.
enum class LoaderSizing {
    Natural,    // decode at the picture's own size
    JpegScaled, // the smallest of libjpeg's 1/2, 1/4, 1/8 reductions that is not below the target
    Exact,      // the target size itself (the loader draws vector pictures at any size)
};

// Decodes `picture` with the loader `pixbufType` and draws it into the surface, turned upright
// from `orientation`. False when the loader fails or leaves rows undecoded.
bool DrawThroughPixbufLoader(EncodedPicture picture, const char* pixbufType, int orientation,
                             LoaderSizing sizing, SurfacePixels surface);

} // namespace platform::pictures
