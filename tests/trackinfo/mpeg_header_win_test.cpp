// Frame headers of real files: one open for reading, the size and four bytes.
#include "framework/error.h"
#include "support/temp_dir.h"
#include "trackinfo/mpeg_header_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace tundeck {
namespace {

using testing::TempDir;

const std::string Mpeg1Layer3At128 = "\xFF\xFB\x90\x64";

void ExpectNothingKnown(const MpegHeaderInfo& info, const std::string& what) {
    EXPECT_EQ(info.Version, 0) << what;
    EXPECT_EQ(info.Layer, 0) << what;
    EXPECT_EQ(info.Bitrate, 0) << what;
    EXPECT_EQ(info.SampleFrequency, 0.0) << what;
    EXPECT_EQ(info.FileSize, 0) << what;
    EXPECT_EQ(TrackSeconds(info), 0) << what;
}

class ReadMpegHeaderFile : public ::testing::Test {
protected:
    TempDir dir;

    std::string Make(const std::string& name, const std::string& bytes) {
        dir.Write(name, bytes);
        return dir.File(name);
    }

    static HANDLE Open(const std::string& path, DWORD access, DWORD share) {
        return CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    }
};

TEST_F(ReadMpegHeaderFile, DecodesTheFirstFourBytesAndCountsTheWholeFile) {
    const std::string path = Make("a.mp3", Mpeg1Layer3At128 + std::string(4'000'000 - 4, '\x55'));
    const MpegHeaderInfo info = ReadMpegHeader(path);
    EXPECT_EQ(info.Version, 1);
    EXPECT_EQ(info.Layer, 3);
    EXPECT_EQ(info.Bitrate, 128);
    EXPECT_DOUBLE_EQ(info.SampleFrequency, 44.1);
    EXPECT_EQ(info.FileSize, 4'000'000);
    EXPECT_EQ(TrackSeconds(info), 250);
    // Exactly four bytes are enough.
    EXPECT_EQ(ReadMpegHeader(Make("four.mp3", Mpeg1Layer3At128)).Bitrate, 128);
}

TEST_F(ReadMpegHeaderFile, FilesOf2GiBAndMoreAreMeasuredWhole) {
    const std::string path = Make("big.mp3", Mpeg1Layer3At128);
    {
        HANDLE file = Open(path, GENERIC_WRITE, 0);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER end{};
        end.QuadPart = std::int64_t{3} << 30; // sparse: costs no disk space
        EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
        EXPECT_TRUE(SetEndOfFile(file));
        CloseHandle(file);
    }
    const MpegHeaderInfo info = ReadMpegHeader(path);
    EXPECT_EQ(info.FileSize, std::int64_t{3} << 30);
    EXPECT_EQ(TrackSeconds(info), 201'326); // 3 GiB * 8 / 128,000, rounded down
}

TEST_F(ReadMpegHeaderFile, NoFileToReadGivesAllZeros) {
    std::filesystem::create_directory(dir.Path() / "folder.mp3");
    ExpectNothingKnown(ReadMpegHeader(dir.File("missing.mp3")), "missing file");
    ExpectNothingKnown(ReadMpegHeader(dir.File("no such dir\\a.mp3")), "missing directory");
    ExpectNothingKnown(ReadMpegHeader(dir.File("folder.mp3")), "directory");
    ExpectNothingKnown(ReadMpegHeader(""), "empty path");
    ExpectNothingKnown(ReadMpegHeader(Make("withnul.mp3", Mpeg1Layer3At128) + std::string(1, '\0') + "x"),
                       "name with a NUL");
}

TEST_F(ReadMpegHeaderFile, OthersMayReadMeanwhileButAWriterKeepsUsOut) {
    const std::string path = Make("shared.mp3", Mpeg1Layer3At128 + std::string(16'000, '\0'));
    {
        HANDLE reader = Open(path, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        EXPECT_EQ(ReadMpegHeader(path).Bitrate, 128);
        // And our read did not lock out the other reader or a later one.
        EXPECT_EQ(ReadMpegHeader(path).FileSize, 16'004);
        CloseHandle(reader);
    }
    HANDLE writer = Open(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    ExpectNothingKnown(ReadMpegHeader(path), "held open for writing");
    CloseHandle(writer);
    EXPECT_EQ(ReadMpegHeader(path).Bitrate, 128);
}

TEST_F(ReadMpegHeaderFile, ShortFileRaisesReadBeyondEndAndReleasesIt) {
    for (const std::string& bytes : {std::string(), std::string("\xFF\xFB\x90", 3)}) {
        const std::string path = Make("short.mp3", bytes);
        try {
            ReadMpegHeader(path);
            ADD_FAILURE() << bytes.size() << " bytes read without an error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Read beyond end of file");
        }
        // The handle was closed on the error path: nothing keeps the file from being deleted.
        EXPECT_TRUE(DeleteFileA(path.c_str())) << GetLastError();
    }
}

TEST_F(ReadMpegHeaderFile, RelativeNameResolvesInTheCurrentDirectory) {
    Make("here.mp3", Mpeg1Layer3At128 + std::string(8'000 - 4, '\0'));
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.Directory().c_str()));
    const MpegHeaderInfo info = ReadMpegHeader("here.mp3");
    const MpegHeaderInfo missing = ReadMpegHeader("elsewhere.mp3");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(info.Bitrate, 128);
    EXPECT_EQ(info.FileSize, 8'000);
    ExpectNothingKnown(missing, "relative name of no file");
}

} // namespace
} // namespace tundeck
