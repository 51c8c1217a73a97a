// The tool's windows and sockets: globals and handlers shared by its files.
#ifndef KELVORY_H
#define KELVORY_H

#include "common.h"
#include "bootp.h"
#include "resource.h"

#define WM_BOOTP_SERVER (WM_USER + 1)
#define WM_BOOTP_RESPONSE (WM_USER + 2)

extern HINSTANCE instanceHandle;		// for the dialog templates
extern SOCKET serverSocket;			// UDP port 67, open while the main window lives
extern SOCKET replySocket;			// open only while a reply waits to be sent
extern unsigned char messageBuffer[BOOTP_BUFFER_SIZE];	// the request, then its reply
extern BootpSettings bootpSettings;		// what requests are answered with

void BootpServer(HWND window, SOCKET socket, WORD event, WORD error);
void BootpResponse1(HWND window, SOCKET socket, WORD event, WORD error);
INT_PTR CALLBACK ConfigBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
