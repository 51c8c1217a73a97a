// Command requests and the answer buffer rule.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "command.h"

static std::string Bytes(const char *data, int length)
{
	return std::string(data, (size_t)length);
}

TEST(Requests, BuiltInBytes)
{
	static const struct { const char *request; int size; std::string wire; } cases[] = {
		{ VerRequest, (int)sizeof VerRequest, std::string("\0\0\0\0ver\r\nexit\r\n\0", 16) },
		{ StatsRequest, (int)sizeof StatsRequest, std::string("\0\0\0\0stats\r\nexit\r\n\0", 18) },
		{ SocketsRequest, (int)sizeof SocketsRequest, std::string("\0\0\0\0sockets\r\nexit\r\n\0", 20) },
		{ HosttabRequest, (int)sizeof HosttabRequest, std::string("\0\0\0\0hosttab\r\nexit\r\n\0", 20) },
	};
	for (const auto &c : cases) {
		EXPECT_EQ((size_t)c.size, c.wire.size());
		EXPECT_EQ(Bytes(c.request, c.size), c.wire);
	}
}

TEST(Requests, LineRequest)
{
	static const struct { const char *line; std::string wire; } cases[] = {
		{ "line 0", std::string("\0\0\0\0line 0\r\nexit\r\n", 18) },
		{ "", std::string("\0\0\0\0\r\nexit\r\n", 12) },
		{ "abcdefghijklmnopqrs", std::string("\0\0\0\0abcdefghijklmnopqrs\r\nexit\r\n", 31) },
	};
	EXPECT_STREQ(CommandLine, "line 0");
	for (const auto &c : cases) {
		strcpy(CommandLine, c.line);
		int length = FormatLineRequest();
		EXPECT_EQ(Bytes(LineRequest, length), c.wire) << "line \"" << c.line << "\"";
	}
}

TEST(AppendAnswer, KeepsTheFirst4096Bytes)
{
	static char buffer[RECEIVE_BUFFER_SIZE + 1];
	char chunk[1000];
	int count = 0;

	memset(buffer, 0xee, sizeof buffer);
	for (int i = 0; i < 5; i++) {
		memset(chunk, 'a' + i, sizeof chunk);
		count = AppendAnswer(buffer, count, chunk, sizeof chunk);
		EXPECT_EQ(count, i < 4 ? 1000 * (i + 1) : RECEIVE_BUFFER_SIZE);
	}
	EXPECT_EQ(buffer[999], 'a');
	EXPECT_EQ(buffer[1000], 'b');
	EXPECT_EQ(buffer[RECEIVE_BUFFER_SIZE - 1], 'e');
	EXPECT_EQ(buffer[RECEIVE_BUFFER_SIZE], (char)0xee);
	EXPECT_EQ(AppendAnswer(buffer, count, chunk, sizeof chunk), RECEIVE_BUFFER_SIZE);
	EXPECT_EQ(AppendAnswer(buffer, 10, chunk, 0), 10);
}
