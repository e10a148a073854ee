#include "trackinfo/mpeg_audio.h"

#include "framework/error.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace tundeck {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::size_t BlockBytes = 4096;
// How far past the tags a first frame is looked for, and the longest frame (MPEG-2.5 Layer II
// at 160 kbit/s and 8 kHz, padded) with the header after it.
constexpr std::size_t SearchBytes = 64 * 1024;
constexpr std::size_t LongestFrame = 2881 + 4;
// Head, tag blocks, audio start, search, tail: a file that needs more is not MPEG audio.
constexpr int MostReads = 8;

// The file seen through one block at a time.
class Window {
public:
    explicit Window(FileBytes& file) : file_(file) {}

    // Up to `count` bytes from `at`, fewer where the file ends or where the block at hand holds
    // `least` of them; empty once the reads are spent. Valid until the next call.
    Bytes At(std::int64_t at, std::size_t count) { return At(at, count, count); }
    Bytes At(std::int64_t at, std::size_t count, std::size_t least) {
        if (offset_ >= 0 && at >= offset_ && at - offset_ <= static_cast<std::int64_t>(block_.size())) {
            const std::size_t skip = static_cast<std::size_t>(at - offset_);
            if (skip + least <= block_.size() || atEnd_) {
                return Bytes(block_).subspan(skip, std::min(count, block_.size() - skip));
            }
        }
        if (reads_ == MostReads || at < 0) {
            return {};
        }
        ++reads_;
        const std::size_t wanted = std::max(count, BlockBytes);
        block_.resize(wanted);
        block_.resize(file_.ReadAt(at, block_.data(), wanted));
        offset_ = at;
        atEnd_ = block_.size() < wanted;
        return Bytes(block_).first(std::min(count, block_.size()));
    }

private:
    FileBytes& file_;
    std::vector<std::uint8_t> block_;
    std::int64_t offset_ = -1;
    bool atEnd_ = false; // the block ends where the file does
    int reads_ = 0;
};

std::uint32_t BigEndian32(const std::uint8_t* b) {
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
}

std::uint32_t LittleEndian32(const std::uint8_t* b) {
    return std::uint32_t{b[3]} << 24 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[1]} << 8 | b[0];
}

bool Starts(Bytes bytes, std::size_t at, const char* text) {
    const std::size_t length = std::strlen(text);
    return at + length <= bytes.size() && std::memcmp(bytes.data() + at, text, length) == 0;
}

// The length of the ID3v2 tag that `bytes` start with ("ID3", version bytes below FF, flags,
// a syncsafe size, a footer when flagged), or 0.
std::int64_t Id3v2Length(Bytes bytes) {
    if (bytes.size() < 10 || !Starts(bytes, 0, "ID3") || bytes[3] == 0xFF || bytes[4] == 0xFF ||
        (bytes[6] | bytes[7] | bytes[8] | bytes[9]) & 0x80) {
        return 0;
    }
    const std::int64_t size = std::int64_t{bytes[6]} << 21 | bytes[7] << 14 | bytes[8] << 7 | bytes[9];
    const bool footer = (bytes[5] & 0x10) != 0;
    return 10 + size + (footer ? 10 : 0);
}

std::int64_t AfterLeadingTags(Window& window) {
    std::int64_t at = 0;
    while (const std::int64_t length = Id3v2Length(window.At(at, 10))) {
        at += length;
    }
    return at;
}

MpegHeaderBytes HeaderAt(Bytes bytes, std::size_t at) {
    return {bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]};
}

unsigned VersionCode(const MpegHeaderBytes& h) {
    return (h[1] >> 3) & 3u;
}
unsigned LayerCode(const MpegHeaderBytes& h) {
    return (h[1] >> 1) & 3u;
}
unsigned BitrateIndex(const MpegHeaderBytes& h) {
    return h[2] >> 4;
}
unsigned FrequencyIndex(const MpegHeaderBytes& h) {
    return (h[2] >> 2) & 3u;
}
unsigned Padding(const MpegHeaderBytes& h) {
    return (h[2] >> 1) & 1u;
}
bool IsMono(const MpegHeaderBytes& h) {
    return h[3] >> 6 == 3;
}

// A header a real frame can have: the sync bits and no reserved or forbidden code. Free format
// is left out too: its frames cannot be measured.
bool IsFrameHeader(const MpegHeaderBytes& h) {
    return h[0] == 0xFF && (h[1] & 0xE0) == 0xE0 && VersionCode(h) != 1 && LayerCode(h) != 0 &&
           BitrateIndex(h) != 0 && BitrateIndex(h) != 15 && FrequencyIndex(h) != 3;
}

bool SameStream(const MpegHeaderBytes& a, const MpegHeaderBytes& b) {
    return VersionCode(a) == VersionCode(b) && LayerCode(a) == LayerCode(b) &&
           FrequencyIndex(a) == FrequencyIndex(b);
}

// Bytes from a frame header to the next one.
std::size_t FrameLength(const MpegHeaderBytes& h) {
    const MpegHeaderInfo info = DecodeMpegHeader(h, 0);
    const std::int64_t bits = std::int64_t{info.Bitrate} * 1000;
    if (info.Layer == 1) {
        return static_cast<std::size_t>((12 * bits / SampleRate(info) + Padding(h)) * 4);
    }
    return static_cast<std::size_t>(SamplesPerFrame(info) / 8 * bits / SampleRate(info) + Padding(h));
}

// The first frame header within `limit` bytes of `area` that the next frame's header confirms
// (junk holds false syncs), of the same stream as `like` where given.
std::optional<std::size_t> ConfirmedFrame(Bytes area, std::size_t limit, const MpegHeaderBytes* like) {
    for (std::size_t at = 0; at < limit && at + 4 <= area.size(); ++at) {
        if (area[at] != 0xFF || !IsFrameHeader(HeaderAt(area, at)) ||
            (like != nullptr && !SameStream(*like, HeaderAt(area, at)))) {
            continue;
        }
        const std::size_t next = at + FrameLength(HeaderAt(area, at));
        if (next + 4 <= area.size() && IsFrameHeader(HeaderAt(area, next)) &&
            SameStream(HeaderAt(area, at), HeaderAt(area, next))) {
            return at;
        }
    }
    return std::nullopt;
}

// Where the first real frame stands: a frame header right at the audio start, else the first
// confirmed one within the search window.
std::optional<std::int64_t> FirstFrame(Window& window, std::int64_t audioStart) {
    const Bytes start = window.At(audioStart, 4);
    if (start.size() == 4 && IsFrameHeader(HeaderAt(start, 0))) {
        return audioStart;
    }
    const std::optional<std::size_t> at =
        ConfirmedFrame(window.At(audioStart, SearchBytes + LongestFrame), SearchBytes, nullptr);
    if (!at) {
        return std::nullopt;
    }
    return audioStart + static_cast<std::int64_t>(*at);
}

// The bytes of a first frame that a VBR header can reach.
constexpr std::size_t VbrHeaderReach = 36 + 18;

struct VbrHeader {
    std::uint32_t Frames = 0;
    bool Averaged = false; // a VBR file's ("Xing", "VBRI"), not a CBR file's ("Info")
};

// A Xing or Info header after the side information, or a VBRI header 32 bytes after the frame
// header, in a Layer III frame that starts `frame`; one without a frame count counts as none.
std::optional<VbrHeader> ReadVbrHeader(Bytes frame) {
    const MpegHeaderBytes h = HeaderAt(frame, 0);
    if (LayerCode(h) != 1) {
        return std::nullopt;
    }
    const std::size_t sideInformation = VersionCode(h) == 3 ? (IsMono(h) ? 17 : 32) : (IsMono(h) ? 9 : 17);
    const std::size_t xing = 4 + sideInformation;
    const bool isXing = Starts(frame, xing, "Xing");
    if ((isXing || Starts(frame, xing, "Info")) && xing + 12 <= frame.size() &&
        (BigEndian32(&frame[xing + 4]) & 1) != 0 && BigEndian32(&frame[xing + 8]) != 0) {
        return VbrHeader{BigEndian32(&frame[xing + 8]), isXing};
    }
    constexpr std::size_t Vbri = 36;
    if (Starts(frame, Vbri, "VBRI") && Vbri + 18 <= frame.size() && BigEndian32(&frame[Vbri + 14]) != 0) {
        return VbrHeader{BigEndian32(&frame[Vbri + 14]), true};
    }
    return std::nullopt;
}

// Where the audio ends: before an ID3v1 tag in the last 128 bytes and an APEv2 tag (its footer,
// and its header when flagged) in front of that or at the very end.
std::int64_t AudioEnd(Window& window, std::int64_t fileSize, std::int64_t frame) {
    constexpr std::int64_t Id3v1 = 128;
    constexpr std::int64_t ApeFooter = 32;
    const std::int64_t from = std::max(frame + 4, fileSize - Id3v1 - ApeFooter);
    if (from >= fileSize) {
        return fileSize;
    }
    const Bytes tail = window.At(from, static_cast<std::size_t>(fileSize - from));
    if (tail.size() < static_cast<std::size_t>(fileSize - from)) {
        return fileSize; // unread (or cut short since it was measured): no tags known
    }
    std::int64_t end = fileSize;
    if (end - Id3v1 >= from && Starts(tail, static_cast<std::size_t>(end - Id3v1 - from), "TAG")) {
        end -= Id3v1;
    }
    if (end - ApeFooter < from) {
        return end;
    }
    const std::size_t footer = static_cast<std::size_t>(end - ApeFooter - from);
    if (Starts(tail, footer, "APETAGEX")) {
        const std::int64_t size = LittleEndian32(&tail[footer + 12]);
        const bool header = (LittleEndian32(&tail[footer + 20]) & 0x80000000u) != 0;
        const std::int64_t length = size + (header ? ApeFooter : 0);
        if (size >= ApeFooter && length <= end - frame - 4) {
            end -= length;
        }
    }
    return end;
}

// The frames that follow the first one within a block: behind an Info frame they say a CBR
// file's bitrate, and in a VBR file without a VBR header they give the best estimate of it
// that needs no scan.
struct FrameRun {
    std::int64_t Frames = 0; // whole frames, the first among them
    std::int64_t Bytes = 0;
    std::optional<MpegHeaderBytes> Second;
    bool Varies = false; // the bitrate changes along the run
};

FrameRun FollowFrames(Bytes area) {
    FrameRun run;
    const MpegHeaderBytes first = HeaderAt(area, 0);
    for (std::size_t at = 0; at + 4 <= area.size();) {
        const MpegHeaderBytes header = HeaderAt(area, at);
        if (!IsFrameHeader(header) || !SameStream(first, header)) {
            break;
        }
        if (run.Frames == 1) {
            run.Second = header;
        }
        const std::size_t length = FrameLength(header);
        if (at + length > area.size()) {
            break;
        }
        run.Varies = run.Varies || BitrateIndex(header) != BitrateIndex(first);
        ++run.Frames;
        run.Bytes += static_cast<std::int64_t>(length);
        at += length;
    }
    return run;
}

// A VBR file without a VBR header: the frames after its first (which encoders make of a size
// of their own) and frames sampled at a quarter, half and three quarters of its audio.
void SampleFurther(Window& window, std::int64_t frame, std::int64_t audioEnd, const MpegHeaderBytes& first,
                   FrameRun& run) {
    run.Frames -= 1;
    run.Bytes -= static_cast<std::int64_t>(FrameLength(first));
    for (int quarter = 1; quarter <= 3; ++quarter) {
        const Bytes area = window.At(frame + (audioEnd - frame) * quarter / 4, BlockBytes);
        if (const std::optional<std::size_t> start = ConfirmedFrame(area, area.size(), &first)) {
            const FrameRun more = FollowFrames(area.subspan(*start));
            run.Frames += more.Frames;
            run.Bytes += more.Bytes;
        }
    }
}

// The rate of `bytes` of audio over `frames` frames, in whole kbit/s, rounded.
std::int32_t AverageBitrate(std::int64_t bytes, std::int64_t frames, const MpegHeaderInfo& info) {
    const double seconds = static_cast<double>(frames) * SamplesPerFrame(info) / SampleRate(info);
    const double kbits = std::round(static_cast<double>(bytes) * 8 / seconds / 1000);
    return static_cast<std::int32_t>(std::min<double>(kbits, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

MpegHeaderInfo AnalyseMpegAudio(FileBytes& file, std::int64_t fileSize) {
    Window window(file);
    const Bytes head = window.At(0, 4);
    if (head.size() < 4) {
        RaiseIoError(IoReadBeyondEnd);
    }
    const MpegHeaderBytes first = HeaderAt(head, 0);
    const std::optional<std::int64_t> frame = FirstFrame(window, AfterLeadingTags(window));
    if (!frame) {
        return DecodeMpegHeader(first, fileSize);
    }
    // The frame's VBR header, and as many frames after it as the block at hand holds.
    const Bytes frameBytes = window.At(*frame, BlockBytes, VbrHeaderReach);
    if (frameBytes.size() < 4) {
        return DecodeMpegHeader(first, fileSize);
    }
    const MpegHeaderBytes header = HeaderAt(frameBytes, 0);
    MpegHeaderInfo info = DecodeMpegHeader(header, fileSize);
    const std::optional<VbrHeader> vbr = ReadVbrHeader(frameBytes);
    FrameRun run = FollowFrames(frameBytes);
    const std::int64_t audioEnd = AudioEnd(window, fileSize, *frame);
    const std::int64_t audioBytes = std::max<std::int64_t>(0, audioEnd - *frame);
    info.OtherBytes = fileSize - audioBytes;
    if (vbr) {
        info.Frames = vbr->Frames;
        if (vbr->Averaged) {
            info.Bitrate = AverageBitrate(audioBytes, info.Frames, info);
        } else if (run.Second) {
            // An encoder may give the Info frame a bitrate of its own; the audio's frames say the file's.
            info.Bitrate = DecodeMpegHeader(*run.Second, 0).Bitrate;
        }
    } else if (run.Varies) {
        SampleFurther(window, *frame, audioEnd, header, run);
        info.Bitrate = AverageBitrate(run.Bytes, run.Frames, info);
    }
    return info;
}

} // namespace tundeck
