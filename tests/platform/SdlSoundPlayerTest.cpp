// Runs with SDL's dummy audio driver (set by the test environment): the
// sound is "played" in real time without a sound card.

#include "platform/SdlSoundPlayer.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <thread>

namespace {

// A mono 16-bit PCM WAV file of `samples` silent samples at 44100 Hz.
void writeSilentWav(const std::string& path, uint32_t samples)
{
    auto put32 = [](std::ofstream& out, uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [](std::ofstream& out, uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = samples * 2;
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);      // PCM
    put16(out, 1);      // mono
    put32(out, 44100);  // sample rate
    put32(out, 88200);  // byte rate
    put16(out, 2);      // block align
    put16(out, 16);     // bits
    out.write("data", 4);
    put32(out, dataBytes);
    const std::string silence(dataBytes, '\0');
    out.write(silence.data(), static_cast<std::streamsize>(silence.size()));
}

}  // namespace

TEST(SdlSoundPlayer, PlaysInTheBackgroundAndClosesTheDeviceAtTheEnd)
{
    testsupport::TempDir dir;
    const std::string wav = dir.file("ring.wav");
    writeSilentWav(wav, 4410);  // 0.1 s
    platform::SdlSoundPlayer player;
    std::string error;
    ASSERT_TRUE(player.play(wav, &error)) << error;
    while (player.isPlaying())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // A second sound after the first one ended plays as well.
    ASSERT_TRUE(player.play(wav, &error)) << error;
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

TEST(SdlSoundPlayer, ANewSoundCutsOffTheOneStillPlaying)
{
    testsupport::TempDir dir;
    const std::string longWav = dir.file("long.wav");
    writeSilentWav(longWav, 44100 * 30);  // 30 s, far longer than the test
    platform::SdlSoundPlayer player;
    ASSERT_TRUE(player.play(longWav));
    ASSERT_TRUE(player.play(longWav));
    EXPECT_TRUE(player.isPlaying());
    // Destroying the player stops the sound without waiting for its end.
}

TEST(SdlSoundPlayer, AFileThatIsNoSoundIsReportedWithItsName)
{
    testsupport::TempDir dir;
    const std::string path = dir.file("missing.wav");
    platform::SdlSoundPlayer player;
    std::string error;
    EXPECT_FALSE(player.play(path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(player.isPlaying());

    std::ofstream(dir.file("text.wav")) << "not a sound";
    EXPECT_FALSE(player.play(dir.file("text.wav"), &error));
    EXPECT_NE(error.find("text.wav"), std::string::npos) << error;
}
