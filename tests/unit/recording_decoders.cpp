#include "tests/unit/recording_decoders.h"

#include "textures/texture_loader.h"

namespace {
std::vector<DecoderCall> calls;
bool decoderResult = false;
} // namespace

const std::vector<DecoderCall>& RecordedCalls() {
    return calls;
}
void ResetRecordedCalls() {
    calls.clear();
}
void SetDecoderResult(bool result) {
    decoderResult = result;
}

bool TextureLoader::LoadTga(const char* path, TextureRecord&) {
    calls.push_back({Decoder::Tga, path});
    return decoderResult;
}

bool TextureLoader::LoadPicture(const char* path, TextureRecord&) {
    calls.push_back({Decoder::Picture, path});
    return decoderResult;
}
