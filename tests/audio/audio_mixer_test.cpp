// The mixer component: its device count and the device-number check.
#include "audio/AudioMixer.h"

#include "platform/mm/MMSystem.h"

#include <gtest/gtest.h>

#include <string>

TEST(AudioMixer, CountsTheBackendsMixersAndChecksTheNumber) {
    struct Case {
        const char* backend;
        std::uint32_t count;
        std::uint32_t firstBad;
        const char* message;
    } cases[] = {
        {"loopback", 1, 1, "MixerID maximum for this machine: 0"},
        {"none", 0, 0, "MixerID maximum for this machine: -1"},
    };
    for (const Case& c : cases) {
        std::string msg;
        ASSERT_TRUE(mm::SelectBackend(c.backend, msg)) << msg;
        TAudioMixer mixer(nullptr);
        EXPECT_EQ(mixer.DeviceCount(), c.count) << c.backend;
        EXPECT_EQ(mixer.MixerID(), 0u);
        ASSERT_NE(mixer.Manager(), nullptr);
        EXPECT_EQ(mixer.Manager()->Mixer, &mixer);
        if (c.count > 0) {
            mixer.SetMixerID(c.count - 1);
            EXPECT_EQ(mixer.MixerID(), c.count - 1);
        }
        for (std::uint32_t bad : {c.firstBad, c.firstBad + 1, 0xFFFFFFFFu}) {
            try {
                mixer.SetMixerID(bad);
                ADD_FAILURE() << c.backend << ": " << bad << " accepted";
            } catch (const EMixerID& e) {
                EXPECT_EQ(std::string(e.what()), c.message);
            }
        }
        EXPECT_EQ(mixer.MixerID(), c.count > 0 ? c.count - 1 : 0u) << "the old value stays";
        mixer.Designing = true;
        EXPECT_NO_THROW(mixer.SetMixerID(c.firstBad));
        EXPECT_FALSE(mixer.MixerOpen());
    }
}

TEST(AudioMixer, IsAnExceptionOfThePlatformsKind) {
    std::string msg;
    ASSERT_TRUE(mm::SelectBackend("none", msg));
    TAudioMixer mixer(nullptr);
    EXPECT_THROW(mixer.SetMixerID(0), vcl::Exception);
}
