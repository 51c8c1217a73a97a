// Output layout: LF moves down, CR moves back to the margin, and every other
// byte, zero bytes and tabs included, takes one character cell. No wrapping.
#include "layout.h"

void StartOutput(OutputCursor *cursor)
{
	cursor->x = OUTPUT_MARGIN;
	cursor->y = OUTPUT_MARGIN;
}

// True when the byte is drawn, at *x, *y.
bool PlaceOutputByte(OutputCursor *cursor, unsigned char byte, int charWidth, int lineHeight, int *x, int *y)
{
	if (byte == '\n') {
		cursor->y += lineHeight;
		return false;
	}
	if (byte == '\r') {
		cursor->x = OUTPUT_MARGIN;
		return false;
	}
	*x = cursor->x;
	*y = cursor->y;
	cursor->x += charWidth;
	return true;
}
