// Layout of the output view: where each byte of the answer is drawn.
#ifndef LAYOUT_H
#define LAYOUT_H

#define OUTPUT_MARGIN 10	// client pixels left of and above the first character

struct OutputCursor {
	int x, y;
};

void StartOutput(OutputCursor *cursor);
bool PlaceOutputByte(OutputCursor *cursor, unsigned char byte, int charWidth, int lineHeight, int *x, int *y);

#endif
