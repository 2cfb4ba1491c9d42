#include <gtest/gtest.h>

#include "settings/settings.h"

namespace tonewright {
namespace {

TagTemplate Filled() {
    TagTemplate tag;
    tag.TitleAsFileName = 0;
    tag.Title = "Old title";
    tag.CustomTrackNum = 7;
    return tag;
}

TEST(SettingsTagTemplate, LoadsOnlyAStoredTemplate) {
    MemorySettingsStore store;
    store.preset("Options", "MonoType", "1");
    TagTemplate tag = Filled();
    EXPECT_FALSE(LoadTagTemplate(store, "MP3", tag));
    EXPECT_EQ(tag.Title, "Old title");

    // In a stored template a missing or empty text is empty; a missing number is kept.
    store.preset("Options/OGGTag", "Artist", "");
    store.preset("Options/OGGTag", "Album", "Ünïcødé, \"quoted\"");
    store.preset("Options/OGGTag", "TrackNumType", "1");
    EXPECT_TRUE(LoadTagTemplate(store, "OGG", tag));
    EXPECT_EQ(tag.Title, "");
    EXPECT_EQ(tag.Artist, "");
    EXPECT_EQ(tag.Album, "Ünïcødé, \"quoted\"");
    EXPECT_EQ(tag.TrackNumType, 1);
    EXPECT_EQ(tag.TitleAsFileName, 0);
    EXPECT_EQ(tag.CustomTrackNum, 7);
}

TEST(SettingsFirstRun, MarksTheStoreOnce) {
    MemorySettingsStore store;
    EXPECT_TRUE(CheckFirstRun(store));
    EXPECT_EQ(store.values().at("Options/FirstRun"), "0");
    EXPECT_FALSE(CheckFirstRun(store));
    store.preset("Options", "FirstRun", "5");
    EXPECT_TRUE(CheckFirstRun(store));

    MemorySettingsStore unreadable;
    unreadable.setReadable(false);
    unreadable.setWritable(false);
    EXPECT_TRUE(CheckFirstRun(unreadable));
    EXPECT_TRUE(unreadable.writes().empty());
}

}  // namespace
}  // namespace tonewright
