// The command exchange: one TCP connection to port 513 of the device, the
// request sent when it becomes writable, the answer gathered until it closes.
#include "zendrel.h"

CommandExchange commandExchange = { INVALID_SOCKET, NULL, 0, { 0 }, 0 };

void StartCommand(HWND window, const char *request, int length)
{
	CommandExchange *x = &commandExchange;

	x->request = request;
	x->requestLength = length;
	x->receivedCount = 0;
	RepaintNow(window);	// the old answer goes before the new connection opens
	if (x->deviceSocket != INVALID_SOCKET) {
		closesocket(x->deviceSocket);
		x->deviceSocket = INVALID_SOCKET;
	}
	x->deviceSocket = OpenAsyncSocket(window, WM_DEVICE_SOCKET, INADDR_ANY, 0, DeviceAddress, 513,
					  SOCK_STREAM, FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE);
	if (x->deviceSocket == INVALID_SOCKET)
		ReportSocketError(window, "Unable to open socket");
}

// Reads one chunk and keeps what fits. Bytes past a full buffer are read and
// dropped all the same, so that the socket does not go on reporting them.
static int ReceiveChunk(void)
{
	static char chunk[RECEIVE_BUFFER_SIZE];
	CommandExchange *x = &commandExchange;
	int n = recv(x->deviceSocket, chunk, sizeof chunk, 0);

	if (n > 0)
		x->receivedCount = AppendAnswer(x->receiveBuffer, x->receivedCount, chunk, n);
	return n;
}

static void SendRequest(void)
{
	CommandExchange *x = &commandExchange;

	if (send(x->deviceSocket, x->request, x->requestLength, 0) == SOCKET_ERROR &&
	    WSAGetLastError() != WSAEWOULDBLOCK)
		ReportSocketError(mainWindow, "Socket error, send()");
}

void OnDeviceSocket(HWND window, SOCKET socket, LPARAM lParam)
{
	CommandExchange *x = &commandExchange;

	// Notifications still queued for a closed socket are dropped.
	if (x->deviceSocket == INVALID_SOCKET || socket != x->deviceSocket)
		return;
	switch (WSAGETSELECTEVENT(lParam)) {
	case FD_READ:
		if (ReceiveChunk() == SOCKET_ERROR && WSAGetLastError() != WSAEWOULDBLOCK)
			ReportSocketError(mainWindow, "Socket error, recv()");
		RepaintNow(window);
		break;
	case FD_WRITE:
		SendRequest();
		break;
	case FD_CLOSE:
		// The close may be reported while the answer's last bytes are still unread.
		while (ReceiveChunk() > 0)
			;
		closesocket(x->deviceSocket);
		x->deviceSocket = INVALID_SOCKET;
		RepaintNow(window);
		break;
	}
}
