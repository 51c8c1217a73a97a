// IPv4 and Ethernet address parsing and printing.
#include <gtest/gtest.h>
#include <string.h>
#include "address.h"

static uint32_t Ip(int a, int b, int c, int d)
{
	return (uint32_t)a << 24 | (uint32_t)b << 16 | (uint32_t)c << 8 | (uint32_t)d;
}

TEST(ParseIpAddress, Table)
{
	static const struct { const char *text; uint32_t expected; } cases[] = {
		{ "192.168.1.10", Ip(192, 168, 1, 10) },
		{ " 192 . 168 .1. 10 ", Ip(192, 168, 1, 10) },
		{ "19 2.168.0.1", Ip(192, 168, 0, 1) },
		{ "10", Ip(0, 0, 0, 10) },
		{ "1.2", Ip(0, 0, 1, 2) },
		{ "1..2", Ip(0, 1, 0, 2) },
		{ "1.2.3.", Ip(1, 2, 3, 0) },
		{ "1.2.3.4.5", Ip(2, 3, 4, 5) },
		{ "1.2.3.4.5.6", 0 },
		{ "010.001.000.009", Ip(10, 1, 0, 9) },
		{ "255.255.255.255", 0xffffffffu },
		{ "256.1.1.1", 0 },
		{ "25 6.1.1.1", 0 },
		{ "1.2.3.4x", 0 },
		{ "1.2.\t3.4", 0 },
		{ "1.2.3.4\xb0", 0 },
		{ "", 0 },
		{ "   ", 0 },
		{ "0.0.0.0", 0 },
	};
	for (const auto &c : cases)
		EXPECT_EQ(ParseIpAddress(c.text, (int)strlen(c.text)), c.expected) << "text \"" << c.text << "\"";
}

TEST(ParseIpAddress, ReadsExactlyCountCharacters)
{
	// A terminator inside the count is an ordinary, rejected character; text past the count is not read.
	EXPECT_EQ(ParseIpAddress("1.2.3.4\0", 8), 0u);
	EXPECT_EQ(ParseIpAddress("1.2.3.4x", 7), Ip(1, 2, 3, 4));
}

TEST(ParseEthernetAddress, Table)
{
	static const struct { const char *text; unsigned char expected[6]; } cases[] = {
		{ "12:34:56:78:9a:bc", { 0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc } },
		{ "12:34:56:78:9A:BC", { 0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc } },
		{ "12-34-56-78-9A-BC", { 0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc } },
		{ "123456789abc", { 0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc } },
		{ "2:34:56:78:9a:bc", { 0x23, 0x45, 0x67, 0x89, 0xab, 0xc0 } },
		{ "12:3", { 0x12, 0x30, 0, 0, 0, 0 } },
		{ "02:c4:5b:1", { 0x02, 0xc4, 0x5b, 0x10, 0, 0 } },
		{ "02:c4:5b:12:34:56:7", { 0x02, 0xc4, 0x5b, 0x12, 0x34, 0x56 } },
		{ "02:c4:5b:12:34:56:78", { 0x02, 0xc4, 0x5b, 0x12, 0x34, 0x56 } },
		{ "\xff" "0g2 c4.5b", { 0x02, 0xc4, 0x5b, 0, 0, 0 } },
		{ "", { 0, 0, 0, 0, 0, 0 } },
		{ "gh:ij", { 0, 0, 0, 0, 0, 0 } },
	};
	for (const auto &c : cases) {
		unsigned char got[8];
		memset(got, 0xee, sizeof got);
		ParseEthernetAddress(c.text, (int)strlen(c.text), got);
		EXPECT_EQ(memcmp(got, c.expected, 6), 0) << "text \"" << c.text << "\"";
		EXPECT_EQ(got[6], 0xee) << "wrote past six bytes for \"" << c.text << "\"";
	}
}

TEST(PrintAddress, FormsAndRoundTrip)
{
	static const uint32_t ips[] = { Ip(192, 168, 1, 10), Ip(0, 0, 0, 1), 0xffffffffu, Ip(10, 0, 0, 0) };
	static const char *const texts[] = { "192.168.1.10", "0.0.0.1", "255.255.255.255", "10.0.0.0" };
	char buffer[ADDRESS_TEXT_SIZE];

	for (int i = 0; i < 4; i++) {
		PrintIpAddress(buffer, sizeof buffer, ips[i]);
		EXPECT_STREQ(buffer, texts[i]);
		EXPECT_EQ(ParseIpAddress(buffer, (int)strlen(buffer)), ips[i]) << buffer;
	}
	PrintIpAddress(buffer, sizeof buffer, 0);
	EXPECT_STREQ(buffer, "0.0.0.0");
	EXPECT_EQ(ParseIpAddress(buffer, (int)strlen(buffer)), 0u);

	const unsigned char mac[6] = { 0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc };
	unsigned char back[6];
	PrintEthernetAddress(buffer, sizeof buffer, mac);
	EXPECT_STREQ(buffer, "12:34:56:78:9a:bc");
	ParseEthernetAddress(buffer, (int)strlen(buffer), back);
	EXPECT_EQ(memcmp(back, mac, 6), 0);
}
