// BOOTP request evaluation: the acceptance test, the stored-address walk,
// the log lines and the reply bytes.
#include <gtest/gtest.h>
#include <string.h>
#include <memory>
#include <string>
#include "bootp_request.h"
#include "msglog.h"

static const unsigned char DEVICE[6] = { 0x02, 0xc4, 0x5b, 0x12, 0x34, 0x56 };
static const uint32_t TARGET = 0x0a010203;	// 10.1.2.3

static std::string Line(int i)
{
	return std::string(messageLog.lines[i], (size_t)messageLog.lengths[i]);
}

class BootpTest : public testing::Test {
protected:
	// Exactly 512 bytes on the heap, so that AddressSanitizer sees any read past the buffer.
	std::unique_ptr<unsigned char[]> message{ new unsigned char[BOOTP_BUFFER_SIZE] };
	BootpSettings settings = { { 0x02, 0xc4, 0x5b, 0x12, 0x34, 0x56 }, TARGET, 0x0a0100fe, 1 };

	void SetUp() override { memset(&messageLog, 0, sizeof messageLog); }
	int LinesWritten() const
	{
		int n = 0;
		for (int i = 0; i < LOG_LINE_COUNT; i++)
			n += messageLog.lengths[i] > 0;
		return n;
	}
};

TEST_F(BootpTest, AcceptanceTest)
{
	static const struct { int op, htype, hlen, length; bool evaluated; } cases[] = {
		{ 1, 1, 6, 300, true },
		{ 1, 1, 6, 512, true },
		{ 1, 1, 6, 299, false },
		{ 1, 1, 6, -1, false },
		{ 2, 1, 6, 300, false },
		{ 1, 6, 6, 300, false },
		{ 1, 1, 16, 300, false },
	};
	for (const auto &c : cases) {
		SetUp();
		MakeRequest(message.get(), DEVICE, { 255 });
		message[BOOTP_OP] = (unsigned char)c.op;
		message[BOOTP_HTYPE] = (unsigned char)c.htype;
		message[BOOTP_HLEN] = (unsigned char)c.hlen;
		unsigned char before[BOOTP_BUFFER_SIZE];
		memcpy(before, message.get(), sizeof before);
		bool reply = EvaluateBootpRequest(message.get(), c.length, &settings);
		EXPECT_EQ(reply, c.evaluated) << "op " << c.op << " htype " << c.htype << " hlen " << c.hlen << " length " << c.length;
		EXPECT_EQ(LinesWritten(), c.evaluated ? 2 : 0) << "length " << c.length;
		if (!c.evaluated) {
			EXPECT_EQ(memcmp(before, message.get(), sizeof before), 0) << "a dropped datagram was written";
		}
	}
}

TEST_F(BootpTest, StoredAddressWalk)
{
	static const struct { const char *what; std::initializer_list<unsigned char> options; uint32_t stored; } cases[] = {
		{ "end option first", { 255, 43, 6, 4, 4, 10, 1, 2, 3 }, 0 },
		{ "no option 43", { 1, 4, 255, 255, 255, 0, 255 }, 0 },
		{ "sub-option 4", { 43, 6, 4, 4, 10, 1, 2, 3, 255 }, TARGET },
		{ "after another option", { 1, 4, 255, 255, 255, 0, 43, 6, 4, 4, 10, 1, 2, 3, 255 }, TARGET },
		{ "after sub-option 1", { 43, 10, 1, 2, 9, 9, 4, 4, 10, 1, 2, 3, 255 }, TARGET },
		{ "last of two in one option", { 43, 12, 4, 4, 1, 1, 1, 1, 4, 4, 10, 1, 2, 3, 255 }, TARGET },
		{ "last of two options", { 43, 6, 4, 4, 1, 1, 1, 1, 43, 6, 4, 4, 10, 1, 2, 3, 255 }, TARGET },
		{ "address length 2 still takes four bytes", { 43, 8, 4, 2, 10, 1, 2, 3, 4, 4, 255 }, TARGET },
		{ "address length 2: the next sub-option starts four bytes on", { 43, 8, 4, 2, 1, 1, 4, 4, 10, 1, 2, 3, 255 }, TARGET },
		{ "option 43 of length 0", { 43, 0, 4, 4, 10, 1, 2, 3, 255 }, 0 },
		{ "code 0 has a length", { 0, 5, 43, 6, 4, 4, 1, 43, 6, 4, 4, 10, 1, 2, 3, 255 }, TARGET },
		{ "walk past the area", { 1, 60, 43 }, 0 },
		{ "sub-option 4 holding 0", { 43, 6, 4, 4, 0, 0, 0, 0, 255 }, 0 },
	};
	for (const auto &c : cases) {
		MakeRequest(message.get(), DEVICE, c.options);
		EXPECT_EQ(FindStoredAddress(message.get()), c.stored) << c.what;
	}
}

TEST_F(BootpTest, OptionAtTheAreaEndReadsBeyondThe300thByte)
{
	// Code 0 of length 57 carries the walk to the last byte of the area.
	MakeRequest(message.get(), DEVICE, { 0, 57 });
	message[299] = 43;
	const unsigned char beyond[] = { 6, 4, 4, 10, 1, 2, 3 };
	memcpy(message.get() + 300, beyond, sizeof beyond);
	EXPECT_EQ(FindStoredAddress(message.get()), TARGET);
}

TEST_F(BootpTest, SubOptionWalkStopsAtTheBufferEnd)
{
	MakeRequest(message.get(), DEVICE, { 0, 57 });
	message[299] = 43;
	message[300] = 255;
	// Empty sub-options of code 1 up to the end, then a sub-option 4 whose address would straddle it.
	for (int i = 301; i + 1 < BOOTP_BUFFER_SIZE; i += 2) {
		message[i] = 1;
		message[i + 1] = 0;
	}
	EXPECT_EQ(FindStoredAddress(message.get()), 0u);
	message[509] = 4;
	message[510] = 4;
	EXPECT_EQ(FindStoredAddress(message.get()), 0u);
	message[505] = 4;	// the last address that fits: bytes 507 to 510
	message[506] = 4;
	message[507] = 10, message[508] = 1, message[509] = 2, message[510] = 3;
	EXPECT_EQ(FindStoredAddress(message.get()), TARGET);
}

TEST_F(BootpTest, DecisionLines)
{
	static const struct { uint32_t storeAddress, stored, target; const char *line; } cases[] = {
		{ 1, TARGET, TARGET, "Address 10.1.2.3 stored." },
		{ 1, 0x0a010204, TARGET, "...Storing address 10.1.2.3" },
		{ 1, 0, TARGET, "...Storing address 10.1.2.3" },
		{ 1, 0, 0, "Address 0.0.0.0 stored." },
		{ 0, TARGET, TARGET, "...Erasing Stored address" },
		{ 0, 0, TARGET, "Address erased." },
	};
	for (const auto &c : cases) {
		SetUp();
		settings.storeAddress = c.storeAddress;
		settings.targetIp = c.target;
		if (c.stored)
			MakeRequest(message.get(), DEVICE, { 43, 6, 4, 4, (unsigned char)(c.stored >> 24),
				(unsigned char)(c.stored >> 16), (unsigned char)(c.stored >> 8), (unsigned char)c.stored, 255 });
		else
			MakeRequest(message.get(), DEVICE, { 255 });
		EXPECT_TRUE(EvaluateBootpRequest(message.get(), 300, &settings)) << c.line;
		EXPECT_EQ(Line(2), "Request From:  02:c4:5b:12:34:56");
		EXPECT_EQ(Line(3), c.line);
	}
}

TEST_F(BootpTest, OtherEthernetAddressIsNotAnswered)
{
	const unsigned char other[6] = { 0x02, 0xc4, 0x5b, 0x12, 0x34, 0x57 };
	MakeRequest(message.get(), other, { 255 });
	unsigned char before[BOOTP_BUFFER_SIZE];
	memcpy(before, message.get(), sizeof before);
	EXPECT_FALSE(EvaluateBootpRequest(message.get(), 300, &settings));
	EXPECT_EQ(Line(2), "Request From:  02:c4:5b:12:34:57");
	EXPECT_EQ(Line(3), "Ethernet address does not match.  IP not assigned.");
	EXPECT_EQ(memcmp(before, message.get(), sizeof before), 0);

	// Only bytes 28 to 33 of chaddr are compared.
	MakeRequest(message.get(), DEVICE, { 255 });
	memset(message.get() + 34, 0xab, 10);
	EXPECT_TRUE(EvaluateBootpRequest(message.get(), 300, &settings));
}

TEST_F(BootpTest, ReplyBytes)
{
	for (uint32_t store = 0; store < 2; store++) {
		settings.storeAddress = store;
		MakeRequest(message.get(), DEVICE, { 43, 6, 4, 4, 9, 9, 9, 9, 255 });
		unsigned char expected[BOOTP_BUFFER_SIZE];
		memcpy(expected, message.get(), sizeof expected);
		expected[BOOTP_OP] = BOOTREPLY;
		expected[BOOTP_HOPS] = 0;
		PutBootpAddress(expected + BOOTP_YIADDR, TARGET);
		expected[BOOTP_FILE] = 0;
		const unsigned char command[6] = { 43, 3, 3, 1, (unsigned char)(store ? 1 : 2), 255 };
		memcpy(expected + 240, command, sizeof command);

		ASSERT_TRUE(EvaluateBootpRequest(message.get(), 300, &settings));
		for (int i = 0; i < BOOTP_BUFFER_SIZE; i++)
			EXPECT_EQ(message[i], expected[i]) << "byte " << i << " with store " << store;

		SetReplyServerAddress(message.get(), settings.hostIp);
		PutBootpAddress(expected + BOOTP_SIADDR, 0x0a0100fe);
		EXPECT_EQ(memcmp(message.get(), expected, BOOTP_BUFFER_SIZE), 0) << "siaddr";
		EXPECT_EQ(message[20], 10);
		EXPECT_EQ(message[23], 0xfe);
	}
}
