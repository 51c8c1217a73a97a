// Window and socket helpers shared by both programs: asynchronous sockets
// and their error box, and the application shell with its About box.
#ifndef COMMON_H
#define COMMON_H

#include <windows.h>
#include <winsock.h>
#include <stdint.h>
#include "commands.h"

// Values that each program gives the shell.
extern const char ProgramName[];	// class, menu, accelerator table and icon name
extern const char HelpFileName[];	// told to quit when the main window goes
BOOL CreateMainWindow(HINSTANCE instance, int showCommand);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

SOCKET OpenAsyncSocket(HWND window, UINT message, uint32_t localAddress, u_short localPort,
		       uint32_t remoteAddress, u_short remotePort, int type, long events);
void ReportSocketError(HWND window, const char *text);

BOOL RegisterMainClass(HINSTANCE instance);
void CenterOnOwner(HWND dialog, HWND owner);
INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void OnDisplayChange(WPARAM bitsPerPixel);
void QuitHelp(HWND window);
void RepaintNow(HWND window);

void ShowIpAddress(HWND dialog, int control, uint32_t address);
void TakeIpAddress(HWND dialog, int control, uint32_t *address);

#endif
