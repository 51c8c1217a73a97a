// Opening of the asynchronous sockets, and the box that reports a socket
// failure with the current WinSock error number.
#include <stdio.h>
#include "common.h"

static void FillAddress(sockaddr_in *record, uint32_t address, u_short port)
{
	ZeroMemory(record, sizeof *record);
	record->sin_family = AF_INET;
	record->sin_port = htons(port);
	record->sin_addr.s_addr = htonl(address);
}

static BOOL AllowBroadcast(SOCKET s)
{
	int on = 1;
	return setsockopt(s, SOL_SOCKET, SO_BROADCAST, (const char *)&on, sizeof on) == 0;
}

static BOOL Connect(SOCKET s, int type, uint32_t address, u_short port)
{
	sockaddr_in record;

	if (type == SOCK_DGRAM && address == 0)
		return TRUE;	// no peer: the socket stays unconnected
	if (address == 0) {
		// Windows Sockets refuses 0.0.0.0; Linux, and Wine on it, would reach the local host.
		WSASetLastError(WSAEADDRNOTAVAIL);
		return FALSE;
	}
	FillAddress(&record, address, port);
	if (connect(s, (sockaddr *)&record, sizeof record) == 0)
		return TRUE;
	return type == SOCK_STREAM && WSAGetLastError() == WSAEWOULDBLOCK;
}

// Closes a socket whose opening failed, keeping the failing step's error for the caller's box.
static SOCKET GiveUp(SOCKET s)
{
	int error = WSAGetLastError();

	closesocket(s);
	WSASetLastError(error);
	return INVALID_SOCKET;
}

// Linux refuses to connect a datagram socket to the broadcast address before
// SO_BROADCAST is set, so the option comes before the connect.
SOCKET OpenAsyncSocket(HWND window, UINT message, uint32_t localAddress, u_short localPort,
		       uint32_t remoteAddress, u_short remotePort, int type, long events)
{
	sockaddr_in local;
	SOCKET s = socket(AF_INET, type, 0);

	if (s == INVALID_SOCKET)
		return INVALID_SOCKET;
	FillAddress(&local, localAddress, localPort);
	if (bind(s, (sockaddr *)&local, sizeof local) != 0 ||
	    WSAAsyncSelect(s, window, message, events) != 0 ||
	    (remoteAddress == INADDR_BROADCAST && !AllowBroadcast(s)) ||
	    !Connect(s, type, remoteAddress, remotePort))
		return GiveUp(s);
	return s;
}

void ReportSocketError(HWND window, const char *text)
{
	int error = WSAGetLastError();
	char number[16], buffer[128];

	// An overlong text is cut so that the number still shows.
	int length = snprintf(number, sizeof number, " (%d)", error);
	snprintf(buffer, sizeof buffer, "%.*s%s", (int)sizeof buffer - 1 - length, text, number);
	MessageBoxA(window, buffer, NULL, MB_ICONERROR);
}
