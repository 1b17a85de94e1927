// The decoders of the Linux picture service, one table entry per format family.
#pragma once

#include "platform/common/picture_decoder_table.h"

namespace platform::pictures {

// The Linux table, asked in order.
std::span<const PictureDecoder> DecoderTable();

// The entries of the table, by family.
ProbeResult ProbeWmf(EncodedPicture picture, PictureFacts& facts);
bool DrawWmf(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface);
ProbeResult ProbeEmf(EncodedPicture picture, PictureFacts& facts);
bool DrawEmf(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface);

// Raster formats through GdkPixbuf: the probe of each format checks its signature and then
// asks the loader named `pixbufType` for the size.
ProbeResult ProbeWithPixbuf(const char* pixbufType, EncodedPicture picture, PictureFacts& facts);
bool DrawWithPixbuf(EncodedPicture picture, const PictureFacts& facts, SurfacePixels surface);

} // namespace platform::pictures
