// The client's windows and sockets: globals and handlers shared by its files.
#ifndef ZENDREL_H
#define ZENDREL_H

#include "common.h"
#include "command.h"
#include "resource.h"

#define WM_DEVICE_SOCKET (WM_USER + 1)

// One command exchange with the device at a time.
struct CommandExchange {
	SOCKET deviceSocket;	// INVALID_SOCKET while no exchange is open
	const char *request;	// not owned: a built-in request or LineRequest
	int requestLength;
	char receiveBuffer[RECEIVE_BUFFER_SIZE];	// the first bytes of the answer
	int receivedCount;
};

// Font metrics of the output view, measured once.
struct OutputView {
	int charWidth;
	int lineHeight;
};

extern CommandExchange commandExchange;
extern OutputView outputView;
extern HINSTANCE instanceHandle;	// for the dialog templates
extern HWND mainWindow;			// owns the exchange's error boxes

void StartCommand(HWND window, const char *request, int length);
void OnDeviceSocket(HWND window, SOCKET socket, LPARAM lParam);
INT_PTR CALLBACK AddrBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LineBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
