// The table of decoders, asked in order; content alone decides, never the file name.
#include "platform/linux/picture_decoders.h"
#include "platform/common/jpeg_markers.h"

#include <cstring>
#include <iterator>

namespace platform::pictures {
namespace {

bool StartsWith(EncodedPicture picture, const void* signature, std::size_t length,
                std::size_t offset = 0) {
    return picture.size >= offset + length &&
           std::memcmp(picture.data + offset, signature, length) == 0;
}

ProbeResult ProbeBmp(EncodedPicture picture, PictureFacts& facts) {
    if (!StartsWith(picture, "BM", 2)) {
        return ProbeResult::NotMine;
    }
    return ProbeWithPixbuf("bmp", picture, facts);
}

ProbeResult ProbeJpeg(EncodedPicture picture, PictureFacts& facts) {
    const std::uint8_t signature[] = {0xFF, 0xD8, 0xFF};
    if (!StartsWith(picture, signature, sizeof signature)) {
        return ProbeResult::NotMine;
    }
    // The JPEG loader fills whatever a cut-short file lacks with grey and reports success, so a
    // file without its end marker is refused here.
    if (!JpegHasEndOfImage(picture.data, picture.size)) {
        return ProbeResult::Broken;
    }
    ProbeResult result = ProbeWithPixbuf("jpeg", picture, facts);
    if (result == ProbeResult::Mine) {
        facts.orientation = JpegExifOrientation(picture.data, picture.size);
        if (facts.orientation >= 5) { // quarter turns: shown with width and height exchanged
            int width = facts.hmWidth;
            facts.hmWidth = facts.hmHeight;
            facts.hmHeight = width;
        }
    }
    return result;
}

ProbeResult ProbeGif(EncodedPicture picture, PictureFacts& facts) {
    if (!StartsWith(picture, "GIF87a", 6) && !StartsWith(picture, "GIF89a", 6)) {
        return ProbeResult::NotMine;
    }
    return ProbeWithPixbuf("gif", picture, facts);
}

ProbeResult ProbeIcon(EncodedPicture picture, PictureFacts& facts) {
    const std::uint8_t signature[] = {0, 0, 1, 0}; // reserved 0, type 1 (icon)
    if (!StartsWith(picture, signature, sizeof signature) || picture.size < 6) {
        return ProbeResult::NotMine;
    }
    if (picture.data[4] == 0 && picture.data[5] == 0) {
        return ProbeResult::Broken; // an icon file without images
    }
    return ProbeWithPixbuf("ico", picture, facts);
}

ProbeResult ProbePng(EncodedPicture picture, PictureFacts& facts) {
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!StartsWith(picture, signature, sizeof signature)) {
        return ProbeResult::NotMine;
    }
    return ProbeWithPixbuf("png", picture, facts);
}

ProbeResult ProbeTiff(EncodedPicture picture, PictureFacts& facts) {
    if (!StartsWith(picture, "II*\0", 4) && !StartsWith(picture, "MM\0*", 4)) {
        return ProbeResult::NotMine;
    }
    return ProbeWithPixbuf("tiff", picture, facts);
}

ProbeResult ProbeWebp(EncodedPicture picture, PictureFacts& facts) {
    if (!StartsWith(picture, "RIFF", 4) || !StartsWith(picture, "WEBP", 4, 8)) {
        return ProbeResult::NotMine;
    }
    return ProbeWithPixbuf("webp", picture, facts);
}

const PictureDecoder kDecoders[] = {
    {"bmp", ProbeBmp, DrawWithPixbuf},   {"jpeg", ProbeJpeg, DrawWithPixbuf},
    {"gif", ProbeGif, DrawWithPixbuf},   {"ico", ProbeIcon, DrawWithPixbuf},
    {"png", ProbePng, DrawWithPixbuf},   {"tiff", ProbeTiff, DrawWithPixbuf},
    {"webp", ProbeWebp, DrawWithPixbuf}, {"wmf", ProbeWmf, DrawWmf},
    {"emf", ProbeEmf, DrawEmf},
};

} // namespace

std::span<const PictureDecoder> DecoderTable() {
    return kDecoders;
}

} // namespace platform::pictures
