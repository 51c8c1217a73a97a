// The BOOTP responder: one request at a time is read from the server socket
// and answered by a broadcast from a reply socket of its own.
#include "kelvory.h"

SOCKET replySocket = INVALID_SOCKET;
unsigned char messageBuffer[BOOTP_BUFFER_SIZE];

static void ListenForRequests(HWND window)
{
	WSAAsyncSelect(serverSocket, window, WM_BOOTP_SERVER, FD_READ);
}

static BOOL OpenReplySocket(HWND window)
{
	replySocket = OpenAsyncSocket(window, WM_BOOTP_RESPONSE, INADDR_ANY, 0,
				      INADDR_BROADCAST, 68, SOCK_DGRAM, FD_WRITE);
	if (replySocket == INVALID_SOCKET) {
		ReportSocketError(window, "Unable to open bootp response socket");
		return FALSE;
	}
	SetReplyServerAddress(messageBuffer, bootpSettings.hostIp);
	return TRUE;
}

void BootpServer(HWND window, SOCKET socket, WORD event, WORD error)
{
	if (error != 0)
		ReportSocketError(window, "BootpServer() WinSock error");
	if (event == FD_READ) {
		// While a reply is pending the datagram waits in the socket.
		if (replySocket != INVALID_SOCKET)
			return;
		WSAAsyncSelect(serverSocket, window, 0, 0);
		int length = recv(socket, (char *)messageBuffer, BOOTP_BUFFER_SIZE, 0);
		// The server socket stays silent until the reply has gone out.
		if (!EvaluateBootpRequest(messageBuffer, length, &bootpSettings) || !OpenReplySocket(window))
			ListenForRequests(window);
	}
	RepaintNow(window);
}

void BootpResponse1(HWND window, SOCKET socket, WORD event, WORD error)
{
	if (error != 0)
		ReportSocketError(window, "BootpResponse1() WinSock error");
	if (socket != replySocket || replySocket == INVALID_SOCKET || event != FD_WRITE)
		return;
	if (send(replySocket, (const char *)messageBuffer, BOOTP_MESSAGE_SIZE, 0) == SOCKET_ERROR) {
		if (WSAGetLastError() == WSAEWOULDBLOCK)
			return;	// the same reply goes out at the next FD_WRITE
		ReportSocketError(window, "Socket Error, BootpResponse2()");
	}
	closesocket(replySocket);
	replySocket = INVALID_SOCKET;
	ListenForRequests(window);
}
