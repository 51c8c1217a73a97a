// Placement of the answer's bytes in the output view.
#include <gtest/gtest.h>
#include <vector>
#include "layout.h"

struct Placed {
	int x, y;
	unsigned char byte;
	bool operator==(const Placed &o) const { return x == o.x && y == o.y && byte == o.byte; }
};

static std::vector<Placed> Layout(std::vector<unsigned char> bytes, int charWidth, int lineHeight)
{
	std::vector<Placed> placed;
	OutputCursor cursor;
	int x, y;

	StartOutput(&cursor);
	for (unsigned char b : bytes)
		if (PlaceOutputByte(&cursor, b, charWidth, lineHeight, &x, &y))
			placed.push_back({ x, y, b });
	return placed;
}

TEST(OutputLayout, Table)
{
	const int w = 8, h = 16;
	static const struct { const char *what; std::vector<unsigned char> bytes; std::vector<Placed> placed; } cases[] = {
		{ "CR LF", { 0x41, 0x42, 0x0d, 0x0a, 0x43, 0x44 },
		  { { 10, 10, 0x41 }, { 10 + w, 10, 0x42 }, { 10, 10 + h, 0x43 }, { 10 + w, 10 + h, 0x44 } } },
		{ "LF alone", { 0x41, 0x42, 0x0a, 0x43, 0x44 },
		  { { 10, 10, 0x41 }, { 10 + w, 10, 0x42 }, { 10 + 2 * w, 10 + h, 0x43 }, { 10 + 3 * w, 10 + h, 0x44 } } },
		{ "CR alone", { 0x41, 0x0d, 0x42 }, { { 10, 10, 0x41 }, { 10, 10, 0x42 } } },
		{ "zero, tab and high bytes take a cell", { 0x00, 0x09, 0xff, 0x41 },
		  { { 10, 10, 0x00 }, { 10 + w, 10, 0x09 }, { 10 + 2 * w, 10, 0xff }, { 10 + 3 * w, 10, 0x41 } } },
		{ "empty", {}, {} },
		{ "line feeds only", { 0x0a, 0x0a, 0x41 }, { { 10, 10 + 2 * h, 0x41 } } },
	};
	for (const auto &c : cases)
		EXPECT_TRUE(Layout(c.bytes, w, h) == c.placed) << c.what;
}
