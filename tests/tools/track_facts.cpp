// Prints what the program reads from each track file named on the command line, one line each:
// seconds, version, layer, bitrate in kbit/s and sample rate in Hz, tab-separated, then the path.
// For scripts that check the reading against other tools.
#include "trackinfo/mpeg_header_win.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        try {
            const tundeck::MpegHeaderInfo info = tundeck::ReadMpegHeader(argv[i]);
            std::printf("%d\t%d\t%d\t%d\t%d\t%s\n", tundeck::TrackSeconds(info), info.Version, info.Layer,
                        info.Bitrate, tundeck::SampleRate(info), argv[i]);
        } catch (const std::exception& error) {
            std::printf("error\t%s\t%s\n", error.what(), argv[i]);
        }
    }
    return 0;
}
