// Centring of the About box over its owner, inside the work area.
#include <gtest/gtest.h>
#include "center.h"

TEST(CenterFrame, Table)
{
	static const Frame work = { 0, 0, 1024, 738 };
	static const struct { Frame dialog, owner; int x, y; const char *what; } cases[] = {
		{ { 0, 0, 200, 100 }, { 100, 100, 500, 400 }, 200, 200, "centred" },
		{ { 0, 0, 151, 81 }, { 300, 300, 400, 400 }, 275, 309, "wider dialog truncates towards zero" },
		{ { 0, 0, 200, 100 }, { -300, -200, 100, 0 }, 0, 0, "owner off the top left: left and top clamp" },
		{ { 0, 0, 200, 100 }, { 900, 700, 1100, 800 }, 824, 638, "owner in the bottom right: right and bottom clamp" },
		{ { 0, 0, 1200, 100 }, { 200, 0, 1224, 100 }, -176, 0, "wider than the work area: right edge on the right" },
		{ { 0, 0, 1200, 100 }, { -400, 0, 600, 100 }, 0, 0, "wider than the work area, left clamp wins" },
	};
	for (const auto &c : cases) {
		int x = 0xee, y = 0xee;
		CenterFrame(&c.dialog, &c.owner, &work, &x, &y);
		EXPECT_EQ(x, c.x) << c.what;
		EXPECT_EQ(y, c.y) << c.what;
	}
}

TEST(CenterFrame, WorkAreaWithOffset)
{
	// A taskbar on the top or left moves the work area's origin.
	const Frame work = { 40, 30, 1024, 768 }, dialog = { 0, 0, 100, 50 }, owner = { 0, 0, 60, 40 };
	int x, y;
	CenterFrame(&dialog, &owner, &work, &x, &y);
	EXPECT_EQ(x, 40);
	EXPECT_EQ(y, 30);
}
