// Position arithmetic of a dialog centred over its owner and kept inside the
// work area. Plain rectangles, so that it needs no window system.
#ifndef CENTER_H
#define CENTER_H

struct Frame {
	int left, top, right, bottom;
};

void CenterFrame(const Frame *dialog, const Frame *owner, const Frame *workArea, int *x, int *y);

#endif
