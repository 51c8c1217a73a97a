// The command service's reading of a connection: the start-up strings and
// the command lines, whatever the reads cut them into.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "command_parser.h"

static std::vector<std::string> Lines(const std::vector<std::string> &reads)
{
	CommandParser parser;
	std::vector<std::string> lines;

	StartCommandParser(&parser);
	for (const std::string &read : reads)
		for (char byte : read)
			if (TakeCommandByte(&parser, (unsigned char)byte))
				lines.push_back(parser.line);
	return lines;
}

static std::string S(const char *bytes, size_t size)
{
	return std::string(bytes, size);
}

TEST(CommandParser, Lines)
{
	const std::string overlong(300, 'x');
	const struct { const char *what; std::vector<std::string> reads; std::vector<std::string> lines; } cases[] = {
		{ "the ver request", { S("\0\0\0\0ver\r\nexit\r\n\0", 16) }, { "ver", "exit" } },
		{ "a line request", { S("\0\0\0\0line 0\r\nexit\r\n", 18) }, { "line 0", "exit" } },
		{ "LF alone", { S("\0\0\0\0stats\nexit\n", 15) }, { "stats", "exit" } },
		{ "start-up strings with text", { S("\0alice\0bob\0vt100/9600\0ver\r\n", 27) }, { "ver" } },
		{ "split across reads", { S("\0\0", 2), S("\0", 1), S("\0ve", 3), "r\r", "\n", S("\0exit\r\n", 7) }, { "ver", "exit" } },
		{ "an empty line", { S("\0\0\0\0\r\nexit\r\n", 12) }, { "", "exit" } },
		{ "a CR inside a line stays", { S("\0\0\0\0a\rb\n", 8) }, { "a\rb" } },
		{ "a zero byte inside a line is dropped", { S("\0\0\0\0ve\0r\n", 10) }, { "ver" } },
		{ "no line end yet", { S("\0\0\0\0ver", 7) }, {} },
		{ "start-up not complete", { S("\0\0\0ver\r\n", 8) }, {} },
		{ "an overlong line is cut", { S("\0\0\0\0", 4) + overlong + "\r\n" }, { overlong.substr(0, COMMAND_TEXT_SIZE - 1) } },
	};
	for (const auto &c : cases)
		EXPECT_EQ(Lines(c.reads), c.lines) << c.what;
}

TEST(CommandParser, EventText)
{
	static const struct { const char *line, *text; } cases[] = {
		{ "ver", "ver" }, { "line 0", "line_0" }, { "", "" }, { "a\tb\rc  d", "a_b_c__d" },
	};
	for (const auto &c : cases) {
		char text[COMMAND_TEXT_SIZE];
		PrintCommandText(text, sizeof text, c.line);
		EXPECT_STREQ(text, c.text) << "line \"" << c.line << "\"";
	}
}
