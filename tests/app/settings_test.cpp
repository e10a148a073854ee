#include "app/settings.h"
#include "framework/error.h"

#include <gtest/gtest.h>

#include <set>

namespace tundeck {
namespace {

// Records what the file asks of the windows; only directories in `existing` can be entered.
struct RecordingTarget : SettingsTarget {
    std::set<std::string> existing{"D:\\Music"};
    std::string directory = "c:\\";
    WindowGeometry geometry;

    bool SetBrowserDirectory(const std::string& path) override {
        if (existing.count(path) == 0) {
            return false;
        }
        directory = path;
        return true;
    }
    void SetWindowLeft(std::int32_t left) override { geometry.Left = left; }
    void SetWindowTop(std::int32_t top) override { geometry.Top = top; }
    void SetClientWidth(std::int32_t width) override { geometry.ClientWidth = width; }
    void SetClientHeight(std::int32_t height) override { geometry.ClientHeight = height; }
};

class SettingsFile : public ::testing::Test {
protected:
    Settings settings;
    RecordingTarget target;

    void Read(std::string_view text) {
        for (std::string_view line : SplitSettingsLines(text)) {
            ApplySettingsLine(line, settings, target);
        }
    }
};

constexpr const char* DefaultFile = "LastDir=D:\\Music\r\n"
                                    "MelvDir=P\r\n"
                                    "FulPath=0\r\n"
                                    "AutoRnd=1\r\n"
                                    "AutoM3u=1\r\n"
                                    "Remembr=1\r\n"
                                    "DragMov=0\r\n"
                                    "FileDrg=1\r\n"
                                    "TrueOrd=1\r\n"
                                    "ShutWin=0\r\n"
                                    "RestWin=0\r\n"
                                    "GetRecu=1\r\n"
                                    "WinShow=0\r\n"
                                    "DblMode=1\r\n"
                                    "WinLook=0\r\n"
                                    "WinPosX=10\r\n"
                                    "WinPosY=10\r\n"
                                    "WinSizX=575\r\n"
                                    "WinSizY=452\r\n"
                                    "Melvn3X=100\r\n"
                                    "Melvn3Y=100\r\n"
                                    "HFactor=0.4556\r\n"
                                    "VFactor=0.3300\r\n"
                                    "\r\n"
                                    "Warning - be careful if you edit this file manually!!!\r\n";

TEST_F(SettingsFile, WritesTheDefaultsInOrder) {
    settings.PlayerExecutable = "P";
    EXPECT_EQ(FormatSettingsFile(settings, "D:\\Music", WindowGeometry{}), DefaultFile);
}

TEST_F(SettingsFile, RoundTripsEveryValue) {
    Settings changed;
    changed.PlayerExecutable = "C:\\Program Files\\player.exe";
    changed.ShowFullPath = true;
    changed.AutoPlayAfterRandom = false;
    changed.AutoPlayArguments = false;
    changed.RememberPlaylist = false;
    changed.DragMovesTracks = true;
    changed.FileDragStartsDrag = false;
    changed.NumberAfterPlaylist = false;
    changed.ClosePlayerAtExit = true;
    changed.RestorePlayerAtExit = true;
    changed.RecurseDroppedDirectories = false;
    changed.PlayerWindowHandling = 3;
    changed.DoubleClickAction = 255;
    changed.PlayerAppearance = -7;
    changed.SavedPlayerX = -500;
    changed.SavedPlayerY = 2147483647;
    changed.HorizontalFactor = 1.0;
    changed.VerticalFactor = 0.0;
    const WindowGeometry geometry{-20, 30, 800, 173};
    Read(FormatSettingsFile(changed, "D:\\Music", geometry));
    EXPECT_EQ(FormatSettingsFile(settings, target.directory, target.geometry),
              FormatSettingsFile(changed, "D:\\Music", geometry));
    EXPECT_EQ(target.geometry.Left, -20);
}

TEST_F(SettingsFile, SingleLineLeavesEveryOtherDefault) {
    Read("FulPath=1");
    Settings expected;
    expected.ShowFullPath = true;
    EXPECT_EQ(FormatSettingsFile(settings, "x", {}), FormatSettingsFile(expected, "x", {}));
}

TEST_F(SettingsFile, FlagsAreTrueOnlyForExactlyOne) {
    for (const char* value : {"true", " 1", "1 ", "", "01", "2"}) {
        settings.ShowFullPath = true;
        Read(std::string("FulPath=") + value);
        EXPECT_FALSE(settings.ShowFullPath) << '"' << value << '"';
    }
    Read("FulPath=1");
    EXPECT_TRUE(settings.ShowFullPath);
}

TEST_F(SettingsFile, IntegersTakeBlanksSignAndKeepLowBitsOfBytes) {
    Read("DblMode=258\r\nWinLook= 2\r\nWinShow=-1\r\nMelvn3X=-500\r\nWinPosX=-20\r\nWinSizY=+300");
    EXPECT_EQ(settings.DoubleClickAction, 2);
    EXPECT_EQ(settings.PlayerAppearance, 2);
    EXPECT_EQ(settings.PlayerWindowHandling, 255);
    EXPECT_EQ(settings.SavedPlayerX, -500);
    EXPECT_EQ(target.geometry.Left, -20);
    EXPECT_EQ(target.geometry.ClientHeight, 300);
}

TEST_F(SettingsFile, KeysAreMatchedWithCaseOnTheirFirstEightCharacters) {
    Read("winshow=3\r\n WinShow=3\r\nWinShow =3\r\nWinShow\r\nWinShow=1\r\nWinShow=2\r\nDblModeX=3");
    EXPECT_EQ(settings.PlayerWindowHandling, 2); // the later line wins
    EXPECT_EQ(settings.DoubleClickAction, 1);
}

TEST_F(SettingsFile, MalformedIntegerStopsWithItsMessage) {
    const std::string text = "FulPath=1\r\nWinShow=3x\r\nAutoRnd=0\r\n";
    try {
        Read(text);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'3x' is not a valid integer value");
    }
    EXPECT_TRUE(settings.ShowFullPath);        // applied before the bad line
    EXPECT_TRUE(settings.AutoPlayAfterRandom); // never reached
    EXPECT_THROW(Read("Melvn3Y="), Error);
}

TEST_F(SettingsFile, RealsUseAPointAndKeepTheValueOnBadInput) {
    Read("HFactor=0.123456\r\nVFactor=0,5");
    EXPECT_DOUBLE_EQ(settings.HorizontalFactor, 0.123456);
    EXPECT_DOUBLE_EQ(settings.VerticalFactor, 0.33);
    EXPECT_NE(FormatSettingsFile(settings, "", {}).find("HFactor=0.1235\r\n"), std::string::npos);
    Read("VFactor= 1E0");
    EXPECT_NE(FormatSettingsFile(settings, "", {}).find("VFactor=1.0000\r\n"), std::string::npos);
    // A tie rounds away from zero, as the number reads: a splitter at 289 of 544 pixels.
    for (const auto& [factor, line] : {std::pair{289.0 / 544, "HFactor=0.5313\r\n"},
                                       {0.99995, "HFactor=1.0000\r\n"},
                                       {0.00004, "HFactor=0.0000\r\n"}}) {
        settings.HorizontalFactor = factor;
        EXPECT_NE(FormatSettingsFile(settings, "", {}).find(line), std::string::npos) << factor;
    }
}

TEST_F(SettingsFile, LastDirAppliesOnlyAnExistingDirectory) {
    Read("LastDir=C:\\Removed");
    EXPECT_EQ(target.directory, "c:\\");
    Read(std::string("LastDir=D:\\Music\0x", 19));
    EXPECT_EQ(target.directory, "c:\\");
    Read("LastDir=D:\\Music");
    EXPECT_EQ(target.directory, "D:\\Music");
}

TEST_F(SettingsFile, PathsKeepBlanksAndTheEmptyValue) {
    Read("MelvDir= C:\\My Player\\p.exe ");
    EXPECT_EQ(settings.PlayerExecutable, " C:\\My Player\\p.exe ");
    Read("MelvDir=");
    EXPECT_EQ(settings.PlayerExecutable, "");
}

TEST(SplitSettingsLines, CrEndsALineAndSkipsOneLineFeed) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(SplitSettingsLines(""), Lines{});
    EXPECT_EQ(SplitSettingsLines("a"), Lines{"a"});
    EXPECT_EQ(SplitSettingsLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitSettingsLines("a\rb"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitSettingsLines("a\r\n\nb"), (Lines{"a", "\nb"}));
    EXPECT_EQ(SplitSettingsLines("a\nb"), (Lines{"a\nb"}));
    EXPECT_EQ(SplitSettingsLines("\r\r"), (Lines{"", ""}));
}

} // namespace
} // namespace tundeck
