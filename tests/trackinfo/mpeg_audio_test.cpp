#include "trackinfo/mpeg_audio.h"

#include "framework/error.h"
#include "support/memory_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tundeck {
namespace {

using MemoryFile = testing::MemoryBytes;

const std::string Mpeg1At128("\xFF\xFB\x90\x44", 4);     // 44.1 kHz joint stereo: 417-byte frames
const std::string Mpeg1At64("\xFF\xFB\x50\x44", 4);      // 208-byte frames
const std::string Mpeg1MonoAt128("\xFF\xFB\x90\xC4", 4); // side information of 17 bytes
const std::string Mpeg2At64("\xFF\xF3\x80\x44", 4);      // 22.05 kHz: 208-byte frames
const std::string Mpeg25MonoAt16("\xFF\xE3\x20\xC4", 4); // 11.025 kHz: 104-byte frames

std::string Frames(const std::string& header, int count, std::size_t length) {
    std::string frames;
    while (count-- > 0) {
        frames += header + std::string(length - 4, '\0');
    }
    return frames;
}

// Four bytes of `value`, `bits` of it to a byte (7 for a syncsafe size), most significant first.
std::string Number(std::uint32_t value, int bits = 8, bool bigEndian = true) {
    std::string bytes;
    for (int shift = 3 * bits; shift >= 0; shift -= bits) {
        bytes += static_cast<char>(value >> shift & ((1u << bits) - 1));
    }
    return bigEndian ? bytes : std::string(bytes.rbegin(), bytes.rend());
}

std::string Id3v2(std::size_t size, bool footer = false) {
    const std::string sizeBytes = Number(static_cast<std::uint32_t>(size), 7);
    return std::string("ID3\x04\x00", 5) + (footer ? '\x10' : '\0') + sizeBytes + std::string(size, 'p') +
           (footer ? "3DI\x04" + std::string(2, '\0') + sizeBytes : "");
}

// A first frame carrying a VBR header `at` bytes from its start.
std::string VbrFrame(const std::string& header, std::size_t length, std::size_t at, const std::string& body) {
    return Frames(header, 1, length).replace(at, body.size(), body);
}

std::string Xing(const char* tag, std::uint32_t frames) {
    return tag + Number(3) + Number(frames) + Number(1);
}
std::string Vbri(std::uint32_t frames) {
    return "VBRI" + std::string(10, '\1') + Number(frames);
}
std::string Id3v1() {
    return "TAG" + std::string(125, 't');
}

// Footer, and header when asked, around `items` bytes of items.
std::string Ape(std::size_t items, bool header) {
    const std::string common = "APETAGEX" + Number(2000, 8, false) +
                               Number(static_cast<std::uint32_t>(items + 32), 8, false) + Number(1, 8, false);
    const std::string reserved(8, '\0');
    return (header ? common + Number(0xA0000000u, 8, false) + reserved : "") + std::string(items, 'a') +
           common + Number(header ? 0x80000000u : 0, 8, false) + reserved;
}

TEST(AnalyseMpegAudio, FindsTheRealFirstFrameAndTheAudioAroundIt) {
    const std::string cbr = Frames(Mpeg1At128, 1000, 417); // 417,000 bytes: 26 s
    const std::string junk = std::string("\0\0", 2) + Mpeg1At128 + std::string(300, '\0');
    std::string manyTags;
    std::string alternating;
    for (int i = 0; i < 20'000; ++i) {
        manyTags += Id3v2(0);
        alternating += i < 500 ? Frames(Mpeg1At128, 1, 417) + Frames(Mpeg1At64, 1, 208) : "";
    }
    struct Case {
        const char* what;
        std::string file;
        int version, layer, bitrate;
        double kilohertz;
        int seconds, mostReads;
    };
    const Case cases[] = {
        {"untagged", cbr, 1, 3, 128, 44.1, 26, 2},
        {"an ID3v2 tag", Id3v2(50'000) + cbr, 1, 3, 128, 44.1, 26, 3},
        {"two tags, the second with a footer", Id3v2(100) + Id3v2(5'000, true) + cbr, 1, 3, 128, 44.1, 26, 3},
        {"a tag past the head", Id3v2(300'000) + cbr, 1, 3, 128, 44.1, 26, 3},
        {"junk with a false sync", Id3v2(10) + junk + Frames(Mpeg2At64, 1000, 208), 2, 3, 64, 22.05, 26, 3},
        {"junk and no tag", std::string(1'000, 'j') + cbr, 1, 3, 128, 44.1, 26, 3},
        {"zero padding after the tag", Id3v2(10) + std::string(3000, '\0') + cbr, 1, 3, 128, 44.1, 26, 3},
        {"ID3v1 and APEv2 at the end", cbr + Ape(20'000, true) + Id3v1(), 1, 3, 128, 44.1, 26, 2},
        {"APEv2 alone at the end", cbr + Ape(20'000, false), 1, 3, 128, 44.1, 26, 2},
        // 2,000 frames of 1,152 samples at 44.1 kHz: 52.2 s; 417,000 bytes over them: 63.9 kbit/s.
        {"Xing", Id3v2(1'000) + VbrFrame(Mpeg1At128, 417, 36, Xing("Xing", 2000)) + cbr, 1, 3, 64, 44.1, 52,
         3},
        {"Info", VbrFrame(Mpeg1At128, 417, 36, Xing("Info", 2000)) + cbr, 1, 3, 128, 44.1, 52, 2},
        {"Info in a frame of another bitrate", VbrFrame(Mpeg1At64, 208, 36, Xing("Info", 2000)) + cbr, 1, 3,
         128, 44.1, 52, 2},
        {"Xing, mono", VbrFrame(Mpeg1MonoAt128, 417, 21, Xing("Xing", 2000)) + cbr, 1, 3, 64, 44.1, 52, 2},
        {"Xing, MPEG-2", VbrFrame(Mpeg2At64, 208, 21, Xing("Xing", 4000)) + cbr, 2, 3, 32, 22.05, 104, 2},
        {"Xing, MPEG-2.5 mono", VbrFrame(Mpeg25MonoAt16, 104, 13, Xing("Xing", 1000)) + cbr, 3, 3, 64, 11.025,
         52, 2},
        {"VBRI", VbrFrame(Mpeg1At128, 417, 36, Vbri(2000)) + cbr, 1, 3, 64, 44.1, 52, 2},
        {"Xing without a frame count", VbrFrame(Mpeg1At128, 417, 36, "Xing" + Number(2)) + cbr, 1, 3, 128,
         44.1, 26, 2},
        {"Xing in Layer II is audio", VbrFrame("\xFF\xFD\x90\x44", 417, 36, Xing("Xing", 2000)), 1, 2, 160,
         44.1, 0, 2},
        // No real frame: the first four bytes as they stand, over the whole file.
        {"a tag and no audio", Id3v2(100) + std::string(23'890, '\0'), 3, 2, 24, 11.025, 8, 3},
        {"free format", Id3v2(10) + Frames("\xFF\xFB\x00\x44", 100, 417), 3, 2, 24, 11.025, 13, 3},
        {"a chain of tags that never ends", manyTags + cbr, 3, 2, 24, 11.025, 205, 8},
        // Without a VBR header a VBR file's rate is estimated from frames sampled across it, its
        // first frame left out: here half at 128 and half at 64 kbit/s, 95.7 on average.
        {"VBR without a VBR header", Id3v2(100) + Frames("\xFF\xFB\xE0\x44", 1, 1044) + alternating, 1, 3, 96,
         44.1, 26, 5},
    };
    for (const Case& c : cases) {
        MemoryFile file(c.file);
        const MpegHeaderInfo info = file.Analyse();
        EXPECT_EQ(std::tuple(info.Version + 0, info.Layer + 0, info.Bitrate, TrackSeconds(info)),
                  std::tuple(c.version, c.layer, c.bitrate, c.seconds))
            << c.what;
        EXPECT_DOUBLE_EQ(info.SampleFrequency, c.kilohertz) << c.what;
        EXPECT_EQ(info.FileSize, static_cast<std::int64_t>(c.file.size())) << c.what;
        EXPECT_LE(file.Reads, c.mostReads) << c.what;
    }
}

// Untagged files, and files without a real frame, read exactly as their first four bytes say.
TEST(AnalyseMpegAudio, EveryHeaderAtByteZeroReadsAsBefore) {
    for (unsigned second = 0xE0; second < 256; ++second) { // the sync bits set, every code
        for (unsigned third = 0; third < 256; third += 4) {
            const MpegHeaderBytes bytes{0xFF, static_cast<std::uint8_t>(second),
                                        static_cast<std::uint8_t>(third), 0x44};
            const MpegHeaderInfo before = DecodeMpegHeader(bytes, 2'004);
            const MpegHeaderInfo now =
                MemoryFile(std::string(bytes.begin(), bytes.end()) + std::string(2'000, '\0')).Analyse();
            ASSERT_EQ(std::tuple(now.Version, now.Layer, now.Bitrate, now.SampleFrequency, TrackSeconds(now)),
                      std::tuple(before.Version, before.Layer, before.Bitrate, before.SampleFrequency,
                                 TrackSeconds(before)))
                << second << " " << third;
        }
    }
    EXPECT_THROW(MemoryFile("\xFF\xFB\x90").Analyse(), Error);
}

} // namespace
} // namespace tundeck
