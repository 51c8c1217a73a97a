// Centring of a dialog over its owner, clamped to the work area.
#include "center.h"

// One axis: centre, then only one of the two clamps applies, so a dialog
// wider than the work area ends on the far edge.
static int CenterSpan(int ownerStart, int ownerSize, int size, int workStart, int workEnd)
{
	int start = ownerStart + (ownerSize - size) / 2;	// truncates towards zero

	if (start < workStart)
		start = workStart;
	else if (start + size > workEnd)
		start = workEnd - size;
	return start;
}

void CenterFrame(const Frame *dialog, const Frame *owner, const Frame *workArea, int *x, int *y)
{
	*x = CenterSpan(owner->left, owner->right - owner->left, dialog->right - dialog->left,
			workArea->left, workArea->right);
	*y = CenterSpan(owner->top, owner->bottom - owner->top, dialog->bottom - dialog->top,
			workArea->top, workArea->bottom);
}
