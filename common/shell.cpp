// The application shell: single-instance start, window class, message loop,
// the About box centred on its owner, and the display-change notice.
#include "center.h"
#include "common.h"

// Another copy is found by the class name alone, hidden or not.
BOOL RegisterMainClass(HINSTANCE instance)
{
	HWND running = FindWindowA(ProgramName, NULL);
	WNDCLASSA wc;

	if (running) {
		if (IsIconic(running))
			ShowWindow(running, SW_RESTORE);
		SetForegroundWindow(running);
		return FALSE;
	}
	wc.style = CS_HREDRAW | CS_VREDRAW;
	wc.lpfnWndProc = MainWndProc;
	wc.cbClsExtra = 0;
	wc.cbWndExtra = 0;
	wc.hInstance = instance;
	wc.hIcon = LoadIconA(instance, ProgramName);
	wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
	wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
	wc.lpszMenuName = ProgramName;
	wc.lpszClassName = ProgramName;
	return RegisterClassA(&wc) != 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
	MSG msg;

	if (!RegisterMainClass(instance) || !CreateMainWindow(instance, showCommand))
		return 0;
	HACCEL accelerators = LoadAcceleratorsA(instance, ProgramName);
	while (GetMessageA(&msg, NULL, 0, 0)) {
		if (!TranslateAcceleratorA(msg.hwnd, accelerators, &msg)) {
			TranslateMessage(&msg);
			DispatchMessageA(&msg);
		}
	}
	return (int)msg.wParam;
}

static Frame FrameOf(const RECT *r)
{
	Frame f = { (int)r->left, (int)r->top, (int)r->right, (int)r->bottom };
	return f;
}

void CenterOnOwner(HWND dialog, HWND owner)
{
	RECT d, o, work;
	int x, y;

	GetWindowRect(dialog, &d);
	GetWindowRect(owner, &o);
	if (!SystemParametersInfoA(SPI_GETWORKAREA, sizeof work, &work, 0))
		SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
	Frame fd = FrameOf(&d), fo = FrameOf(&o), fw = FrameOf(&work);
	CenterFrame(&fd, &fo, &fw, &x, &y);
	SetWindowPos(dialog, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
	switch (message) {
	case WM_INITDIALOG:
		// Hidden while it moves, so it is first drawn in its final place.
		ShowWindow(dialog, SW_HIDE);
		CenterOnOwner(dialog, GetWindow(dialog, GW_OWNER));
		ShowWindow(dialog, SW_SHOW);
		return TRUE;
	case WM_COMMAND:
		if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
			EndDialog(dialog, IDOK);
			return TRUE;
		}
		break;
	}
	return FALSE;
}

void OnDisplayChange(WPARAM bitsPerPixel)
{
	if (bitsPerPixel)
		MessageBoxA(GetFocus(), "Display Changed", ProgramName, MB_OK);
	else
		MessageBeep(0);
}

// Erases and redraws the whole client area before returning.
void RepaintNow(HWND window)
{
	InvalidateRect(window, NULL, TRUE);
	UpdateWindow(window);
}

void QuitHelp(HWND window)
{
	WinHelpA(window, HelpFileName, HELP_QUIT, 0);
}
