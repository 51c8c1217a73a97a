// The command service's answers and their stretching to a fixed length.
#include <gtest/gtest.h>
#include <string.h>
#include <algorithm>
#include <string>
#include "answers.h"

static std::string Answer(const char *line)
{
	char text[ANSWER_TEXT_SIZE];
	int length = FormatAnswer(text, sizeof text, line);
	return std::string(text, (size_t)length);
}

// Every answer is whole lines, each ended by CR LF.
static bool IsCrLfText(const std::string &text)
{
	if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
		return false;
	for (size_t i = 0; i < text.size(); i++)
		if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
			return false;
	return true;
}

TEST(Answers, BuiltInCommandsAnswerInLines)
{
	static const struct { const char *line, *first; int minLines; } cases[] = {
		{ "ver", "Quorlan ", 3 },
		{ "stats", "Ethernet statistics\r\n", 3 },
		{ "sockets", "Proto ", 3 },
		{ "hosttab", "Host table", 3 },
		{ "line 0", "Line 0: ", 3 },
		{ "line 7", "Line 7: ", 3 },
	};
	for (const auto &c : cases) {
		std::string text = Answer(c.line);
		EXPECT_TRUE(IsCrLfText(text)) << c.line;
		EXPECT_EQ(text.compare(0, strlen(c.first), c.first), 0) << c.line << ": " << text;
		EXPECT_GE(std::count(text.begin(), text.end(), '\n'), c.minLines) << c.line;
		EXPECT_LT(text.size(), (size_t)ANSWER_TEXT_SIZE - 1) << c.line << " was cut";
	}
}

TEST(Answers, OtherLines)
{
	static const struct { const char *line, *answer; } cases[] = {
		{ "exit", "" },
		{ "", "" },
		{ "xyz", "unknown command: xyz\r\n" },
		{ "ver ", "unknown command: ver \r\n" },
		{ "EXIT", "unknown command: EXIT\r\n" },
		{ "line x", "unknown command: line x\r\n" },
		{ "line 1 2", "unknown command: line 1 2\r\n" },
		{ "line 8", "line 8: no such line (0 to 7)\r\n" },
	};
	for (const auto &c : cases)
		EXPECT_EQ(Answer(c.line), c.answer) << "line \"" << c.line << "\"";
	EXPECT_TRUE(IsExitCommand("exit"));
	EXPECT_FALSE(IsExitCommand("exit "));
}

TEST(Answers, CutToTheBuffer)
{
	char text[10];
	EXPECT_EQ(FormatAnswer(text, sizeof text, "ver"), 9);
	EXPECT_EQ(text[9], 0);
}

TEST(Answers, Stretch)
{
	static const struct { int size; const char *out; } cases[] = {
		{ 0, "" }, { 1, "\n" }, { 2, "\r\n" }, { 3, "a\r\n" }, { 9, "abc\r\nab\r\n" },
	};
	for (const auto &c : cases) {
		char out[16];
		memset(out, 0xee, sizeof out);
		StretchAnswer(out, c.size, "abc\r\n", 5);
		EXPECT_EQ(std::string(out, (size_t)c.size), c.out) << "size " << c.size;
		EXPECT_EQ(out[c.size], (char)0xee) << "size " << c.size;
	}
}
