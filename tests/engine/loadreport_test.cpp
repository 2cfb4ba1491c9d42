#include <gtest/gtest.h>

#include "engine/loadreport.h"

using namespace tonewright;

TEST(LoadFailureReport, ListsThirtyPathsThenMoreFiles) {
    LoadFailureReport report;
    for (int i = 1; i <= 35; ++i) report.AddFailure("/music/bad" + std::to_string(i) + ".wav", "");
    std::string expected = "Failed to load the following files.\n\n";
    for (int i = 1; i <= 30; ++i) expected += "/music/bad" + std::to_string(i) + ".wav\n";
    expected += "<more files>...\n\n";
    const std::string message = report.Message();
    EXPECT_EQ(message.substr(0, expected.size()), expected);
    EXPECT_EQ(report.failures(), 35);
    EXPECT_EQ(message.find("bad31"), std::string::npos);
}

TEST(LoadFailureReport, EndsWithTheLastReasonGiven) {
    LoadFailureReport report;
    report.AddFailure("/a.cda", "first reason");
    report.AddFailure("/b.swf", "second reason");
    report.AddFailure("/c.xyz", "");
    EXPECT_EQ(report.Message(), "Failed to load the following files.\n\n/a.cda\n/b.swf\n/c.xyz\n\nsecond reason");
}

TEST(LoadFailureReport, WithoutReasonPointsToSupport) {
    LoadFailureReport report;
    EXPECT_TRUE(report.empty());
    report.AddFailure("/x.wav", "");
    EXPECT_FALSE(report.empty());
    EXPECT_NE(report.Message().find("Feedback and Support"), std::string::npos);
}
