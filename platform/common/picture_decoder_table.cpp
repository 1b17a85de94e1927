#include "platform/common/picture_decoder_table.h"

namespace platform::pictures {

const PictureDecoder* FindPictureDecoder(std::span<const PictureDecoder> table,
                                         EncodedPicture picture, PictureFacts& facts) {
    for (const PictureDecoder& decoder : table) {
        PictureFacts candidate;
        ProbeResult result = decoder.probe(picture, candidate);
        if (result == ProbeResult::Broken) {
            return nullptr;
        }
        if (result == ProbeResult::Mine) {
            facts = candidate;
            return &decoder;
        }
    }
    return nullptr;
}

} // namespace platform::pictures
