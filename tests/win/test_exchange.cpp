// The command exchange's socket handling against a scripted socket: the
// WinSock calls that exchange.cpp makes, and the helpers it calls, are
// defined here. Built by mingw-w64 and run under Wine.
#include <stdio.h>
#include <string.h>
#include "zendrel.h"

// What the one scripted socket holds and what was done to it.
static struct {
	char pending[8192];	// bytes the peer has sent that are not read yet
	int pendingCount;
	bool peerClosed;	// recv returns 0 once pending is empty
	int recvError, sendError;	// a failure to report instead of the data
	int closes;
	char sent[64];
	int sentLength;
} fake;
static int lastError, repaints, reports;
static char reportText[64];
static SOCKET nextSocket = 7;	// what OpenAsyncSocket returns

HWND mainWindow;

int WINAPI recv(SOCKET, char *buffer, int length, int)
{
	if (fake.recvError) {
		lastError = fake.recvError;
		return SOCKET_ERROR;
	}
	if (fake.pendingCount == 0) {
		lastError = WSAEWOULDBLOCK;
		return fake.peerClosed ? 0 : SOCKET_ERROR;
	}
	int n = length < fake.pendingCount ? length : fake.pendingCount;
	memcpy(buffer, fake.pending, (size_t)n);
	memmove(fake.pending, fake.pending + n, (size_t)(fake.pendingCount - n));
	fake.pendingCount -= n;
	return n;
}

int WINAPI send(SOCKET, const char *buffer, int length, int)
{
	if (fake.sendError) {
		lastError = fake.sendError;
		return SOCKET_ERROR;
	}
	memcpy(fake.sent, buffer, (size_t)length);
	fake.sentLength = length;
	return length;
}

int WINAPI closesocket(SOCKET)
{
	fake.closes++;
	return 0;
}

int WINAPI WSAGetLastError(void)
{
	return lastError;
}

SOCKET OpenAsyncSocket(HWND, UINT, uint32_t, u_short, uint32_t, u_short, int, long)
{
	return nextSocket;
}

void ReportSocketError(HWND, const char *text)
{
	reports++;
	snprintf(reportText, sizeof reportText, "%s", text);
}

void RepaintNow(HWND)
{
	repaints++;
}

static int passed, failed;

#define ok(condition, ...) \
	do { \
		if (condition) { \
			passed++; \
		} else { \
			failed++; \
			printf("%s:%d: ", __FILE__, __LINE__); \
			printf(__VA_ARGS__); \
			printf("\n"); \
		} \
	} while (0)

static void Peer(const char *bytes, int count)
{
	memcpy(fake.pending + fake.pendingCount, bytes, (size_t)count);
	fake.pendingCount += count;
}

static void Fresh(void)
{
	memset(&fake, 0, sizeof fake);
	repaints = reports = 0;
	reportText[0] = '\0';
	nextSocket = 7;
	commandExchange.deviceSocket = INVALID_SOCKET;
	StartCommand(NULL, VerRequest, sizeof VerRequest);
}

static void Notify(int event)
{
	OnDeviceSocket(NULL, commandExchange.deviceSocket, WSAMAKESELECTREPLY(event, 0));
}

static void TestAnswerAndClose(void)
{
	static char answer[3000];
	memset(answer, 'v', sizeof answer);

	Fresh();
	Notify(FD_CONNECT);
	Notify(FD_WRITE);
	ok(fake.sentLength == 16 && memcmp(fake.sent, VerRequest, 16) == 0, "sent %d bytes", fake.sentLength);
	Peer(answer, 1000);
	Notify(FD_READ);
	ok(commandExchange.receivedCount == 1000, "after a chunk: %d", commandExchange.receivedCount);
	// The close is reported while the last chunk is still unread.
	Peer(answer, 2000);
	fake.peerClosed = true;
	Notify(FD_CLOSE);
	ok(commandExchange.receivedCount == 3000, "after the close: %d, the last chunk lost", commandExchange.receivedCount);
	ok(commandExchange.deviceSocket == INVALID_SOCKET && fake.closes == 1, "socket %d closes %d",
	   (int)commandExchange.deviceSocket, fake.closes);
	ok(reports == 0, "box \"%s\"", reportText);
	int before = repaints;
	Notify(FD_READ);
	ok(repaints == before, "a notification after the close repainted");
}

static void TestFullBuffer(void)
{
	static char answer[6000];
	for (int i = 0; i < (int)sizeof answer; i++)
		answer[i] = (char)('a' + i % 26);

	Fresh();
	Peer(answer, 3000);
	Notify(FD_READ);
	Peer(answer + 3000, 3000);
	Notify(FD_READ);
	ok(commandExchange.receivedCount == RECEIVE_BUFFER_SIZE, "count %d", commandExchange.receivedCount);
	ok(memcmp(commandExchange.receiveBuffer, answer, RECEIVE_BUFFER_SIZE) == 0, "the first 4096 bytes changed");
	// Bytes past the buffer are read and dropped: nothing is left to report again.
	Notify(FD_READ);
	ok(fake.pendingCount == 0, "%d bytes left unread on a full buffer", fake.pendingCount);
	ok(reports == 0, "box \"%s\"", reportText);
}

static void TestFailures(void)
{
	static const struct { int event, recvError, sendError; const char *box; int count; } cases[] = {
		{ FD_READ, WSAEWOULDBLOCK, 0, "", 5 },
		{ FD_READ, WSAECONNRESET, 0, "Socket error, recv()", 5 },
		{ FD_WRITE, 0, WSAEWOULDBLOCK, "", 5 },
		{ FD_WRITE, 0, WSAENOTCONN, "Socket error, send()", 5 },
	};
	for (const auto &c : cases) {
		Fresh();
		Peer("hello", 5);
		Notify(FD_READ);
		fake.recvError = c.recvError;
		fake.sendError = c.sendError;
		int before = repaints;
		Notify(c.event);
		ok(strcmp(reportText, c.box) == 0, "event %d: box \"%s\"", c.event, reportText);
		ok(commandExchange.receivedCount == c.count, "event %d: count %d", c.event, commandExchange.receivedCount);
		ok(commandExchange.deviceSocket == 7, "event %d: the socket was given up", c.event);
		ok((repaints > before) == (c.event == FD_READ), "event %d: repaints %d", c.event, repaints - before);
	}
}

static void TestStartAndStrangers(void)
{
	Fresh();
	Peer("old", 3);
	Notify(FD_READ);
	nextSocket = 8;
	StartCommand(NULL, StatsRequest, sizeof StatsRequest);
	ok(fake.closes == 1 && commandExchange.deviceSocket == 8, "the old socket was not closed first");
	ok(commandExchange.receivedCount == 0, "the view was not emptied");
	OnDeviceSocket(NULL, 7, WSAMAKESELECTREPLY(FD_READ, 0));
	ok(fake.pendingCount == 0 && commandExchange.receivedCount == 0, "a notification for the old socket was taken");

	nextSocket = INVALID_SOCKET;
	StartCommand(NULL, VerRequest, sizeof VerRequest);
	ok(strcmp(reportText, "Unable to open socket") == 0, "box \"%s\"", reportText);
	Peer("late", 4);
	OnDeviceSocket(NULL, 8, WSAMAKESELECTREPLY(FD_READ, 0));
	ok(commandExchange.receivedCount == 0, "a notification without an exchange was taken");
}

int main(void)
{
	TestAnswerAndClose();
	TestFullBuffer();
	TestFailures();
	TestStartAndStrangers();
	printf("%d passed, %d failed\n", passed, failed);
	return failed != 0;
}
