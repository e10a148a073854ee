// Tags written here read back in common tag tools, and theirs read here: Debian's id3v2 and
// python's mutagen on real files.
#include "support/temp_dir.h"
#include "trackinfo/id3_tag.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tundeck {
namespace {

std::string RunTool(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    pclose(pipe);
    return output;
}

// mutagen's reading of the file's ID3v1 tag, one "FRAME=text" per line in frame order.
std::string MutagenFrames(const std::string& path) {
    return RunTool("/usr/bin/python3 -c \"import sys; from mutagen.id3 import ParseID3v1; "
                   "f = ParseID3v1(open(sys.argv[1], 'rb').read()[-128:]); "
                   "print(';'.join(k + '=' + str(f[k]) for k in sorted(f)))\" '" +
                   path + "'");
}

TagBuffer LastTag(const std::string& file) {
    TagBuffer tag{};
    std::copy(file.end() - 128, file.end(), tag.begin());
    return tag;
}

const std::string Audio(4000, '\0');
const std::string Title30 = "A title of thirty characters!!";

TEST(Id3Interop, OurTagsReadBackInOtherTools) {
    TagBuffer numbered{'T', 'A', 'G'};
    numbered[126] = 5; // a track number the file had
    TagContents contents;
    contents.Texts = {Title30, "abc  ", "Album", "2001", "A comment"};
    contents.Genre = 17;
    const TagBuffer tag = EncodeTag(contents, numbered);
    testing::TempDir dir;
    dir.Write("ours.mp3", Audio + std::string(tag.begin(), tag.end()));

    const std::string listed = RunTool("id3v2 -l '" + dir.File("ours.mp3") + "'");
    EXPECT_NE(listed.find("Title  : " + Title30), std::string::npos) << listed;
    EXPECT_NE(listed.find("Artist: abc"), std::string::npos) << listed;
    EXPECT_NE(listed.find("Year: 2001, Genre: Rock (17)"), std::string::npos) << listed;
    EXPECT_NE(listed.find("Comment: A comment"), std::string::npos) << listed;
    EXPECT_NE(listed.find("Track: 5"), std::string::npos) << listed;
    EXPECT_EQ(MutagenFrames(dir.File("ours.mp3")),
              "COMM=A comment;TALB=Album;TCON=17;TDRC=2001;TIT2=" + Title30 + ";TPE1=abc;TRCK=5\n");
}

TEST(Id3Interop, OtherToolsTagsShowHereAndSurviveASave) {
    testing::TempDir dir;
    dir.Write("theirs.mp3", Audio);
    const std::string path = dir.File("theirs.mp3");
    RunTool("id3v2 -1 -t 'Song' -a 'Artist' -A 'Album' -y 1999 -c 'Notes' -T 7 -g 80 '" + path + "'");
    const TagBuffer fromId3v2 = LastTag(testing::ReadWholeFile(path));
    const TagContents shown = DecodeTag(fromId3v2);
    EXPECT_EQ(shown.Texts, (std::array<std::string, 5>{"Song", "Artist", "Album", "1999", "Notes"}));
    EXPECT_EQ(shown.Genre, -1); // 80 is beyond the list
    EXPECT_EQ(EncodeTag(shown, fromId3v2), fromId3v2);

    dir.Write("mutagen.mp3", Audio);
    RunTool("/usr/bin/python3 -c \"import sys; from mutagen.id3 import MakeID3v1, TIT2, TPE1, TCON; "
            "open(sys.argv[1], 'ab').write(MakeID3v1({'TIT2': TIT2(text=['" +
            Title30 + "']), 'TPE1': TPE1(text=['Band']), 'TCON': TCON(text=['Jazz'])}))\" '" +
            dir.File("mutagen.mp3") + "'");
    const TagBuffer fromMutagen = LastTag(testing::ReadWholeFile(dir.File("mutagen.mp3")));
    const TagContents mutagenShown = DecodeTag(fromMutagen);
    EXPECT_EQ(mutagenShown.Texts[0], Title30);
    EXPECT_EQ(mutagenShown.Texts[1], "Band");
    EXPECT_EQ(mutagenShown.Genre, 8); // "Jazz"
}

} // namespace
} // namespace tundeck
