// The four-line message log and LogPrintf.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "msglog.h"

static std::string Line(int i)
{
	return std::string(messageLog.lines[i], (size_t)messageLog.lengths[i]);
}

class MessageLogTest : public testing::Test {
protected:
	void SetUp() override { memset(&messageLog, 0, sizeof messageLog); }
};

TEST_F(MessageLogTest, StartsEmptyAndScrollsUp)
{
	for (int i = 0; i < LOG_LINE_COUNT; i++)
		EXPECT_EQ(messageLog.lengths[i], 0);
	LogPrintf("Getting Started: ");
	LogPrintf("    Open the File Menu and Configure.  Select OK to apply the");
	LogPrintf("    configuration.  Attach the Quorlan to the network and");
	LogPrintf("    apply power.  Do NOT remove power while Storing or Erasing.");
	EXPECT_EQ(Line(0), "Getting Started: ");
	EXPECT_EQ(Line(3), "    apply power.  Do NOT remove power while Storing or Erasing.");
	LogPrintf("Request From:  %02x:%02x:%02x:%02x:%02x:%02x", 2, 0xc4, 0x5b, 0, 0x1a, 0xff);
	EXPECT_EQ(Line(0), "    Open the File Menu and Configure.  Select OK to apply the");
	EXPECT_EQ(Line(2), "    apply power.  Do NOT remove power while Storing or Erasing.");
	EXPECT_EQ(Line(3), "Request From:  02:c4:5b:00:1a:ff");
}

TEST_F(MessageLogTest, ShortLineAfterLongKeepsItsOwnLength)
{
	LogPrintf("    apply power.  Do NOT remove power while Storing or Erasing.");
	LogPrintf("Address erased.");
	EXPECT_EQ(messageLog.lengths[3], 15);
	EXPECT_EQ(Line(3), "Address erased.");
	LogPrintf("x");
	// The moved line is its 15 characters with no terminator; the slot's tail is stale.
	EXPECT_EQ(Line(2), "Address erased.");
	EXPECT_NE(messageLog.lines[2][15], '\0');
}

TEST_F(MessageLogTest, EmptyAndOverlongLines)
{
	LogPrintf("first");
	LogPrintf("");
	EXPECT_EQ(messageLog.lengths[3], 0);
	EXPECT_EQ(Line(2), "first");

	LogPrintf("%s", std::string(200, 'a').c_str());
	EXPECT_EQ(messageLog.lengths[3], LOG_LINE_SIZE - 1);
	EXPECT_EQ(messageLog.lines[3][LOG_LINE_SIZE - 1], '\0');
	EXPECT_EQ(Line(3), std::string(79, 'a'));
	// The slot is the last of the lines: the lengths right behind it are intact.
	EXPECT_EQ(messageLog.lengths[2], 0);
	EXPECT_EQ(Line(1), "first");
}
