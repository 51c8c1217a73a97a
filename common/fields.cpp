// IPv4 address fields of the dialogs: shown as "%d.%d.%d.%d", and taken
// back only when the text parses to an address other than 0.
#include "common.h"
#include "address.h"

void ShowIpAddress(HWND dialog, int control, uint32_t address)
{
	char text[ADDRESS_TEXT_SIZE];

	PrintIpAddress(text, sizeof text, address);
	SetDlgItemTextA(dialog, control, text);
}

void TakeIpAddress(HWND dialog, int control, uint32_t *address)
{
	char text[ADDRESS_TEXT_SIZE];
	int count = GetDlgItemTextA(dialog, control, text, sizeof text);
	uint32_t parsed = ParseIpAddress(text, count);

	if (parsed != 0)
		*address = parsed;	// unreadable text and 0.0.0.0 keep the old address
}
