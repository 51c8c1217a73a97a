// The stand-in's BOOTP client: the request bytes, how Kelvory's evaluation
// reads them, and which replies are acted on.
#include <gtest/gtest.h>
#include <string.h>
#include <initializer_list>
#include <vector>
#include "bootp_client.h"
#include "msglog.h"

static const unsigned char MAC[6] = { 0x02, 0xc4, 0x5b, 0x00, 0x00, 0x01 };
static const uint32_t XID = 0x8badf00d;
static const uint32_t STORED = 0x0ad5004d;	// 10.213.0.77

TEST(BootpRequest, Bytes)
{
	struct Byte { int offset; unsigned char value; };
	static const std::initializer_list<Byte> HEADER = {
		{ 0, 1 }, { 1, 1 }, { 2, 6 },				// op, htype, hlen
		{ 4, 0x8b }, { 5, 0xad }, { 6, 0xf0 }, { 7, 0x0d },	// xid, network order
		{ 10, 0x80 },						// the broadcast flag
		{ 28, 0x02 }, { 29, 0xc4 }, { 30, 0x5b }, { 31, 0 }, { 32, 0 }, { 33, 0x01 },
		{ 236, 99 }, { 237, 130 }, { 238, 83 }, { 239, 99 },	// the magic cookie
	};
	static const struct { uint32_t stored; std::vector<unsigned char> options; } cases[] = {
		{ 0, { 255 } },
		{ STORED, { 43, 6, 4, 4, 10, 213, 0, 77, 255 } },
	};
	for (const auto &c : cases) {
		unsigned char message[BOOTP_BUFFER_SIZE], expected[BOOTP_MESSAGE_SIZE] = { 0 };
		memset(message, 0xee, sizeof message);
		for (const Byte &b : HEADER)
			expected[b.offset] = b.value;
		memcpy(expected + 240, c.options.data(), c.options.size());

		BuildBootpRequest(message, MAC, XID, c.stored);
		for (int i = 0; i < BOOTP_MESSAGE_SIZE; i++)
			EXPECT_EQ(message[i], expected[i]) << "byte " << i << ", stored " << std::hex << c.stored;
		EXPECT_EQ(message[BOOTP_MESSAGE_SIZE], 0xee) << "written past the message";
		EXPECT_EQ(FindStoredAddress(message), c.stored) << "Kelvory reads another stored address";
	}
}

// A request of the stand-in, answered by Kelvory's own evaluation, and the
// stand-in acting on that reply.
TEST(BootpReply, KelvoryStoreAndErase)
{
	static const struct { uint32_t storeAddress, stored; int command; uint32_t after; } cases[] = {
		{ 1, 0, STORE_CMD_STORE, STORED },
		{ 1, STORED, STORE_CMD_STORE, STORED },
		{ 0, STORED, STORE_CMD_ERASE, 0 },
	};
	BootpSettings settings = { { 0x02, 0xc4, 0x5b, 0x00, 0x00, 0x01 }, STORED, 0x0ad50001, 0 };
	for (const auto &c : cases) {
		unsigned char message[BOOTP_BUFFER_SIZE] = { 0 };
		BootpReply reply;
		settings.storeAddress = c.storeAddress;
		BuildBootpRequest(message, MAC, XID, c.stored);
		ASSERT_TRUE(EvaluateBootpRequest(message, BOOTP_MESSAGE_SIZE, &settings));
		SetReplyServerAddress(message, settings.hostIp);

		ASSERT_EQ(ReadBootpReply(message, BOOTP_MESSAGE_SIZE, MAC, XID, &reply), REPLY_MATCHED);
		EXPECT_EQ(reply.command, c.command) << "store choice " << c.storeAddress;
		EXPECT_EQ(reply.yiaddr, STORED);
		EXPECT_EQ(reply.siaddr, settings.hostIp);
		EXPECT_EQ(ApplyStoreCommand(c.stored, reply.command, reply.yiaddr), c.after);
	}
}

TEST(BootpReply, Verdicts)
{
	static const struct { const char *what; int offset; unsigned char value; int length; ReplyVerdict verdict; } cases[] = {
		{ "a reply", 0, 2, 300, REPLY_MATCHED },
		{ "a longer datagram", 0, 2, 512, REPLY_MATCHED },
		{ "299 bytes", 0, 2, 299, REPLY_SHORT },
		{ "a request", 0, 1, 300, REPLY_OP },
		{ "another xid", 7, 0x0c, 300, REPLY_XID },
		{ "another Ethernet address", 33, 0x02, 300, REPLY_CHADDR },
		{ "chaddr past the Ethernet address", 34, 0x99, 300, REPLY_MATCHED },
	};
	for (const auto &c : cases) {
		unsigned char message[BOOTP_BUFFER_SIZE] = { 0 };
		BootpReply reply = { 0, 0, 0, 0 };
		BuildBootpRequest(message, MAC, XID, 0);
		message[BOOTP_OP] = BOOTREPLY;
		message[c.offset] = c.value;
		EXPECT_EQ(ReadBootpReply(message, c.length, MAC, XID, &reply), c.verdict) << c.what;
	}
}

// Raw option bytes from message byte 240 on, with the command a device finds.
TEST(BootpReply, StoreCommandWalk)
{
	static const int N = STORE_COMMAND_NONE;
	static const struct { const char *what; std::vector<unsigned char> options; int command; } cases[] = {
		{ "store", { 43, 3, 3, 1, 1, 255 }, STORE_CMD_STORE },
		{ "erase", { 43, 3, 3, 1, 2, 255 }, STORE_CMD_ERASE },
		{ "an unknown value is passed on", { 43, 3, 3, 1, 9, 255 }, 9 },
		{ "end option first", { 255, 43, 3, 3, 1, 1 }, N },
		{ "no option 43", { 1, 4, 255, 255, 255, 0, 255 }, N },
		{ "after another option", { 1, 4, 255, 255, 255, 0, 43, 3, 3, 1, 2, 255 }, STORE_CMD_ERASE },
		{ "pad is one byte", { 0, 0, 43, 3, 3, 1, 1, 255 }, STORE_CMD_STORE },
		{ "after sub-option 4", { 43, 9, 4, 4, 10, 213, 0, 77, 3, 1, 2, 255 }, STORE_CMD_ERASE },
		{ "last of two", { 43, 6, 3, 1, 1, 3, 1, 2, 255 }, STORE_CMD_ERASE },
		{ "option 43 of length 0", { 43, 0, 3, 1, 1, 255 }, N },
		{ "sub-option 3 of length 0", { 43, 2, 3, 0, 255 }, N },
		{ "sub-option longer than its option", { 43, 3, 3, 2, 1, 255 }, N },
		{ "option longer than the message", { 43, 60, 3, 1, 1, 255 }, N },
		{ "option ending at the message end", { 43, 58, 3, 1, 2, 255 }, STORE_CMD_ERASE },
		{ "a long option carries the walk out", { 1, 58, 43, 3, 3, 1, 1 }, N },
	};
	for (const auto &c : cases) {
		unsigned char message[BOOTP_MESSAGE_SIZE] = { 0 };
		memcpy(message + 240, c.options.data(), c.options.size());
		EXPECT_EQ(FindStoreCommand(message), c.command) << c.what;
	}
}

// Option 43 as the last five bytes of the message: its data ends exactly at
// byte 299, or its length byte is the message's last byte.
TEST(BootpReply, StoreCommandAtTheMessageEnd)
{
	unsigned char message[BOOTP_MESSAGE_SIZE] = { 0 };

	message[240] = 1, message[241] = 53;	// bytes 240 to 294
	const unsigned char tail[] = { 43, 3, 3, 1, 2 };
	memcpy(message + 295, tail, sizeof tail);
	EXPECT_EQ(FindStoreCommand(message), STORE_CMD_ERASE);
	message[241] = 54;	// now byte 296 starts option 43 and its command would be byte 300
	memcpy(message + 296, tail, 4);
	EXPECT_EQ(FindStoreCommand(message), STORE_COMMAND_NONE);
	message[241] = 57;	// option 43 at byte 299, its length beyond the message
	message[299] = 43;
	EXPECT_EQ(FindStoreCommand(message), STORE_COMMAND_NONE);
}

TEST(BootpReply, ApplyStoreCommand)
{
	static const struct { uint32_t stored; int command; uint32_t yiaddr, after; } cases[] = {
		{ 0, STORE_CMD_STORE, STORED, STORED },
		{ 0x0a000001, STORE_CMD_STORE, STORED, STORED },
		{ STORED, STORE_CMD_ERASE, STORED, 0 },
		{ 0, STORE_CMD_ERASE, STORED, 0 },
		{ STORED, STORE_COMMAND_NONE, 0x0a000001, STORED },
		{ STORED, 9, 0x0a000001, STORED },
	};
	for (const auto &c : cases)
		EXPECT_EQ(ApplyStoreCommand(c.stored, c.command, c.yiaddr), c.after) << "command " << c.command;
}
