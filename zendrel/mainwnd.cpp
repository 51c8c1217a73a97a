// The client's main window: start-up, the output view, and the dispatch of
// menu and key commands and of the exchange's socket notifications.
#include "layout.h"
#include "zendrel.h"

const char ProgramName[] = "zendrel";
const char HelpFileName[] = "zendrel.HLP";

HINSTANCE instanceHandle;
HWND mainWindow;
OutputView outputView;

static void MeasureFont(HWND window)
{
	TEXTMETRICA tm;
	HDC dc = GetDC(window);

	SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
	GetTextMetricsA(dc, &tm);
	outputView.charWidth = tm.tmMaxCharWidth;
	outputView.lineHeight = tm.tmHeight;
	ReleaseDC(window, dc);
}

BOOL CreateMainWindow(HINSTANCE instance, int showCommand)
{
	WSADATA wsaData;

	instanceHandle = instance;
	mainWindow = CreateWindowExA(0, ProgramName, "zendrel: Quorlan(R) Version Log", WS_OVERLAPPEDWINDOW,
				     CW_USEDEFAULT, CW_USEDEFAULT, 720, 432, NULL, NULL, instance, NULL);
	if (!mainWindow)
		return FALSE;
	MeasureFont(mainWindow);
	ShowWindow(mainWindow, showCommand);
	UpdateWindow(mainWindow);
	if (WSAStartup(0x0101, &wsaData) != 0) {
		ReportSocketError(mainWindow, "Couldn't find a WinSock DLL");
		return FALSE;
	}
	commandExchange.deviceSocket = INVALID_SOCKET;
	// Handled once the message loop runs: ask for the address, then read the version.
	PostMessageA(mainWindow, WM_COMMAND, IDM_EDIT_ADDRESS, 0);
	return TRUE;
}

// Every byte of the answer so far, from the first, one character cell each.
static void DrawOutput(HWND window)
{
	const CommandExchange *x = &commandExchange;
	PAINTSTRUCT ps;
	OutputCursor cursor;
	int px, py;
	HDC dc = BeginPaint(window, &ps);

	SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
	StartOutput(&cursor);
	for (int i = 0; i < x->receivedCount; i++)
		if (PlaceOutputByte(&cursor, (unsigned char)x->receiveBuffer[i],
				    outputView.charWidth, outputView.lineHeight, &px, &py))
			TextOutA(dc, px, py, &x->receiveBuffer[i], 1);
	EndPaint(window, &ps);
}

static void RunLine(HWND window)
{
	int length = FormatLineRequest();
	StartCommand(window, LineRequest, length);
}

// The dialogs' results are not looked at: OK and Cancel both run the command.
static LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
	switch (LOWORD(wParam)) {
	case IDM_ABOUT:
		DialogBoxParamA(instanceHandle, "AboutBox", window, AboutBoxProc, 0);
		break;
	case IDM_EDIT_ADDRESS:
		DialogBoxParamA(instanceHandle, "AddrBox", window, AddrBoxProc, 0);
		StartCommand(window, VerRequest, sizeof VerRequest);
		break;
	case IDM_EXIT:
		DestroyWindow(window);
		break;
	case IDM_READ_VERSION:
		StartCommand(window, VerRequest, sizeof VerRequest);
		break;
	case IDM_ENTER_LINE:
		DialogBoxParamA(instanceHandle, "LineBox", window, LineBoxProc, 0);
		RunLine(window);
		break;
	case IDM_RUN_STATS:
		StartCommand(window, StatsRequest, sizeof StatsRequest);
		break;
	case IDM_RUN_SOCKETS:
		StartCommand(window, SocketsRequest, sizeof SocketsRequest);
		break;
	case IDM_RUN_HOSTTAB:
		StartCommand(window, HosttabRequest, sizeof HosttabRequest);
		break;
	case IDM_RUN_LINE:
		RunLine(window);
		break;
	default:
		return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
	}
	return 0;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
	switch (message) {
	case WM_PAINT:
		DrawOutput(window);
		return 0;
	case WM_COMMAND:
		return OnCommand(window, wParam, lParam);
	case WM_DEVICE_SOCKET:
		OnDeviceSocket(window, (SOCKET)wParam, lParam);
		return 0;
	case WM_DISPLAYCHANGE:
		OnDisplayChange(wParam);
		return 0;
	case WM_DESTROY:
		QuitHelp(window);
		WSACleanup();	// also ends an exchange still open
		PostQuitMessage(0);
		return 0;
	}
	return DefWindowProcA(window, message, wParam, lParam);
}
