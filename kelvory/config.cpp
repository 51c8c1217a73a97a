// The configuration dialog and the settings it edits. Each field is taken
// on OK only if it passes its own check; nothing is saved.
#include <string.h>
#include "kelvory.h"

BootpSettings bootpSettings = { { 0x02, 0xc4, 0x5b, 0x00, 0x00, 0x00 }, 0, 0, 1 };

static void ShowSettings(HWND dialog)
{
	char text[ADDRESS_TEXT_SIZE];

	PrintEthernetAddress(text, sizeof text, bootpSettings.ethernetAddress);
	SetDlgItemTextA(dialog, IDC_ETHERNET_ADDRESS, text);
	ShowIpAddress(dialog, IDC_IP_ADDRESS, bootpSettings.targetIp);
	ShowIpAddress(dialog, IDC_HOST_IP, bootpSettings.hostIp);
	CheckRadioButton(dialog, IDC_STORE, IDC_ERASE, bootpSettings.storeAddress ? IDC_STORE : IDC_ERASE);
}

static void TakeSettings(HWND dialog)
{
	char text[ADDRESS_TEXT_SIZE];
	unsigned char candidate[ETHERNET_ADDRESS_SIZE];
	int count = GetDlgItemTextA(dialog, IDC_ETHERNET_ADDRESS, text, sizeof text);

	ParseEthernetAddress(text, count, candidate);
	if (memcmp(candidate, ETHERNET_PREFIX, sizeof ETHERNET_PREFIX) == 0)
		memcpy(bootpSettings.ethernetAddress, candidate, sizeof candidate);
	TakeIpAddress(dialog, IDC_IP_ADDRESS, &bootpSettings.targetIp);
	TakeIpAddress(dialog, IDC_HOST_IP, &bootpSettings.hostIp);
	bootpSettings.storeAddress = IsDlgButtonChecked(dialog, IDC_STORE) == BST_CHECKED;
}

INT_PTR CALLBACK ConfigBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
	switch (message) {
	case WM_INITDIALOG:
		ShowSettings(dialog);
		return TRUE;
	case WM_COMMAND:
		if (wParam == IDOK) {
			TakeSettings(dialog);
			EndDialog(dialog, IDOK);
			return TRUE;
		}
		if (wParam == IDCANCEL) {
			EndDialog(dialog, IDCANCEL);
			return TRUE;
		}
		break;
	}
	return FALSE;
}
