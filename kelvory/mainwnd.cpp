// The tool's main window: start-up, the message log's drawing and the
// dispatch of commands and socket notifications.
#include "kelvory.h"
#include "msglog.h"

const char ProgramName[] = "Kelvory";
const char HelpFileName[] = "Kelvory.HLP";

HINSTANCE instanceHandle;
SOCKET serverSocket = INVALID_SOCKET;

static void WriteGettingStarted(void)
{
	LogPrintf("Getting Started: ");
	LogPrintf("    Open the File Menu and Configure.  Select OK to apply the");
	LogPrintf("    configuration.  Attach the Quorlan to the network and");
	LogPrintf("    apply power.  Do NOT remove power while Storing or Erasing.");
}

BOOL CreateMainWindow(HINSTANCE instance, int showCommand)
{
	WSADATA wsaData;

	instanceHandle = instance;
	HWND window = CreateWindowExA(0, ProgramName, ProgramName, WS_OVERLAPPEDWINDOW,
				      CW_USEDEFAULT, CW_USEDEFAULT, 450, 144, NULL, NULL, instance, NULL);
	if (!window)
		return FALSE;
	ShowWindow(window, showCommand);
	UpdateWindow(window);
	if (WSAStartup(0x0101, &wsaData) != 0) {
		ReportSocketError(window, "Couldn't find a WinSock DLL");
		return FALSE;
	}
	serverSocket = OpenAsyncSocket(window, WM_BOOTP_SERVER, INADDR_ANY, 67, 0, 0, SOCK_DGRAM, FD_READ);
	if (serverSocket == INVALID_SOCKET) {
		ReportSocketError(window, "BOOTP socket busy.  Please shut down your BOOTP/DHCP server.");
		return FALSE;
	}
	WriteGettingStarted();
	RepaintNow(window);
	return TRUE;
}

// The system font of the context, at a fixed 20-pixel pitch.
static void DrawMessageLog(HWND window)
{
	PAINTSTRUCT ps;
	HDC dc = BeginPaint(window, &ps);

	for (int i = 0; i < LOG_LINE_COUNT; i++)
		TextOutA(dc, 10, 5 + 20 * i, messageLog.lines[i], messageLog.lengths[i]);
	EndPaint(window, &ps);
}

static void OnDestroy(HWND window)
{
	if (serverSocket != INVALID_SOCKET)
		closesocket(serverSocket);
	WSACleanup();	// also ends a reply socket still waiting
	QuitHelp(window);
	PostQuitMessage(0);
}

static LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
	switch (LOWORD(wParam)) {
	case IDM_ABOUT:
		DialogBoxParamA(instanceHandle, "AboutBox", window, AboutBoxProc, 0);
		return 0;
	case IDM_CONFIGURE:
		DialogBoxParamA(instanceHandle, "AddrBox", window, ConfigBoxProc, 0);
		return 0;
	case IDM_EXIT:
		DestroyWindow(window);
		return 0;
	}
	return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
	switch (message) {
	case WM_COMMAND:
		return OnCommand(window, wParam, lParam);
	case WM_PAINT:
		DrawMessageLog(window);
		return 0;
	case WM_BOOTP_SERVER:
		BootpServer(window, (SOCKET)wParam, WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
		return 0;
	case WM_BOOTP_RESPONSE:
		BootpResponse1(window, (SOCKET)wParam, WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
		return 0;
	case WM_DISPLAYCHANGE:
		OnDisplayChange(wParam);
		return 0;
	case WM_DESTROY:
		OnDestroy(window);
		return 0;
	}
	return DefWindowProcA(window, message, wParam, lParam);
}
