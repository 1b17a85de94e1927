// Stand-ins for the two decoders that record each call instead of decoding.
#pragma once

#include <string>
#include <vector>

enum class Decoder { None, Tga, Picture };

struct DecoderCall {
    Decoder decoder;
    std::string path;
};

const std::vector<DecoderCall>& RecordedCalls();
void ResetRecordedCalls();

// What the stand-ins return.
void SetDecoderResult(bool result);
