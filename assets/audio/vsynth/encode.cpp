#include "vsynth/encode.hpp"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

namespace vsynth {

namespace {
void put16(Bytes& b, std::uint16_t v) {
    b.push_back(std::uint8_t(v & 0xFF));
    b.push_back(std::uint8_t(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, std::uint16_t(v & 0xFFFF));
    put16(b, std::uint16_t(v >> 16));
}
void putTag(Bytes& b, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(tag[i]));
}

std::int16_t toPcm(float x) {
    const double v = std::clamp(double(x), -1.0, 1.0) * 32767.0;
    return std::int16_t(std::lround(v));
}
}  // namespace

Bytes encodeWav(const Stereo& s) {
    const std::uint32_t channels = 2, bits = 16;
    const std::uint32_t dataBytes = std::uint32_t(s.size() * channels * bits / 8);
    Bytes b;
    b.reserve(44 + dataBytes);
    putTag(b, "RIFF");
    put32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    put32(b, 16);  // fmt chunk size
    put16(b, 1);   // PCM
    put16(b, std::uint16_t(channels));
    put32(b, kSampleRate);
    put32(b, kSampleRate * channels * bits / 8);   // byte rate
    put16(b, std::uint16_t(channels * bits / 8));  // block align
    put16(b, std::uint16_t(bits));
    putTag(b, "data");
    put32(b, dataBytes);
    for (std::size_t i = 0; i < s.size(); ++i) {
        put16(b, std::uint16_t(toPcm(s.l[i])));
        put16(b, std::uint16_t(toPcm(s.r[i])));
    }
    return b;
}

Bytes encodeMp3(const Stereo& s, int kbps, int quality) {
    lame_global_flags* gf = lame_init();
    lame_set_in_samplerate(gf, kSampleRate);
    lame_set_out_samplerate(gf, kSampleRate);
    lame_set_num_channels(gf, 2);
    lame_set_mode(gf, JOINT_STEREO);
    lame_set_VBR(gf, vbr_off);
    lame_set_brate(gf, kbps);
    lame_set_quality(gf, quality);
    lame_set_bWriteVbrTag(gf, 1);
    Bytes out;
    if (lame_init_params(gf) < 0) {
        lame_close(gf);
        return out;
    }
    constexpr std::size_t kChunk = 8192;
    std::vector<unsigned char> buf(kChunk * 5 / 4 + 7200);
    std::vector<float> l(kChunk), r(kChunk);
    for (std::size_t pos = 0; pos < s.size(); pos += kChunk) {
        const std::size_t n = std::min(kChunk, s.size() - pos);
        for (std::size_t i = 0; i < n; ++i) {  // keep the encoder's input strictly in range
            l[i] = std::clamp(s.l[pos + i], -1.0f, 1.0f);
            r[i] = std::clamp(s.r[pos + i], -1.0f, 1.0f);
        }
        const int got = lame_encode_buffer_ieee_float(gf, l.data(), r.data(), int(n), buf.data(),
                                                      int(buf.size()));
        if (got > 0)
            out.insert(out.end(), buf.begin(), buf.begin() + got);
    }
    const int tail = lame_encode_flush(gf, buf.data(), int(buf.size()));
    if (tail > 0)
        out.insert(out.end(), buf.begin(), buf.begin() + tail);
    // The stream starts with a placeholder frame; replace it with the finished info frame.
    const std::size_t tagSize = lame_get_lametag_frame(gf, buf.data(), buf.size());
    if (tagSize > 0 && tagSize <= out.size() && tagSize <= buf.size())
        std::memcpy(out.data(), buf.data(), tagSize);
    lame_close(gf);
    return out;
}

bool writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

}  // namespace vsynth
