// The address and command-line dialogs. Both open where their templates
// put them, and neither says anything about text it cannot use.
#include "zendrel.h"

INT_PTR CALLBACK AddrBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
	switch (message) {
	case WM_INITDIALOG:
		ShowIpAddress(dialog, IDC_IP_ADDRESS, DeviceAddress);
		return TRUE;
	case WM_COMMAND:
		if (wParam == IDOK)
			TakeIpAddress(dialog, IDC_IP_ADDRESS, &DeviceAddress);
		if (wParam == IDOK || wParam == IDCANCEL) {
			EndDialog(dialog, (INT_PTR)wParam);
			return TRUE;
		}
		break;
	}
	return FALSE;
}

INT_PTR CALLBACK LineBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
	switch (message) {
	case WM_INITDIALOG:
		SetDlgItemTextA(dialog, IDC_COMMAND_LINE, CommandLine);
		return TRUE;
	case WM_COMMAND:
		if (wParam == IDOK)
			GetDlgItemTextA(dialog, IDC_COMMAND_LINE, CommandLine, sizeof CommandLine);
		if (wParam == IDOK || wParam == IDCANCEL) {
			EndDialog(dialog, (INT_PTR)wParam);
			return TRUE;
		}
		break;
	}
	return FALSE;
}
