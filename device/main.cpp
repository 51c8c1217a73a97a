// quorlan-standin: a native stand-in for a Quorlan device in a private test
// network. Its command service and its BOOTP client share one poll() loop,
// and everything they do is told as event lines on stdout.
#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>
#include "answers.h"
#include "bootp_client.h"
#include "command_parser.h"
#include "events.h"
#include "netns.h"
#include "options.h"

#define MAX_CONNECTIONS 32
#define CLOSE_WAIT_MS 5000	// after our side is shut down, how long the peer has to close its own
#define KEEP_OPEN_MS 30000	// how long --keep-open waits for the peer after "exit"
#define DATAGRAM_SIZE 1500	// larger than any reply, so that a long one is seen whole
#define BOOTP_SERVER_PORT 67
#define BOOTP_CLIENT_PORT 68

// A growing byte array.
struct ByteBuffer {
	unsigned char *data;
	size_t count, room;
};

// One command connection.
struct Connection {
	int fd;			// -1: the slot is free
	int number;		// counts from 1 in the order of accept
	CommandParser parser;
	ByteBuffer received;	// every byte received, for the close event
	ByteBuffer output;	// answers queued; the first `sent` bytes of them are gone
	size_t sent;
	size_t chunkLeft;	// bytes of the current chunk still to go (with --chunk)
	int64_t sendAt;		// nothing is sent before this time: the pause between chunks
	bool writeBlocked;	// the socket took no more; wait until it is writable
	bool exitSeen;		// "exit" was read: send what is queued, then end
	bool peerClosed;	// the peer has shut down its side
	bool shutDown;		// our side is shut down too
	int64_t closeAt;	// the connection ends at this time whatever happens; 0: no limit
};

// The BOOTP client.
struct BootpClient {
	int fd;			// the socket on port 68; -1 when the client does not run
	uint32_t stored;	// the address the device holds, host order; 0: none
	uint32_t xid;		// of the last request
	int sent;		// requests sent so far
	int count;		// requests to send in all
	int64_t nextAt;		// when the next request is due
	int64_t endAt;		// when the client stops at the latest
	bool answered;		// with --once: the request has had its reply
};

static StandinOptions options;			// as parsed, for the life of the process
static int listener = -1;			// the command service's socket; -1 when not listening
static Connection connections[MAX_CONNECTIONS];	// open command connections
static int connectionsAccepted;			// numbers the connections
static BootpClient bootp = { -1, 0, 0, 0, 0, 0, 0, false };	// the BOOTP client's state
static bool bootpFinished;			// the BOOTP client has printed "done"
static volatile sig_atomic_t stopRequested;	// SIGINT or SIGTERM arrived

static int64_t NowMs(void)
{
	struct timespec now;
	clock_gettime(CLOCK_MONOTONIC, &now);
	return (int64_t)now.tv_sec * 1000 + now.tv_nsec / 1000000;
}

// Start-up failures only: the run cannot go on without the socket.
static void Die(const char *what)
{
	fprintf(stderr, "quorlan-standin: %s: %s\n", what, strerror(errno));
	exit(1);
}

static unsigned char *Reserve(ByteBuffer *buffer, size_t count)
{
	if (buffer->count + count > buffer->room) {
		size_t room = buffer->room ? buffer->room : 1024;
		while (room < buffer->count + count)
			room *= 2;
		buffer->data = (unsigned char *)realloc(buffer->data, room);
		if (buffer->data == NULL)
			Die("out of memory");
		buffer->room = room;
	}
	buffer->count += count;
	return buffer->data + buffer->count - count;
}

static void Append(ByteBuffer *buffer, const void *bytes, size_t count)
{
	if (count > 0)
		memcpy(Reserve(buffer, count), bytes, count);
}

static void SetOption(int fd, int level, int name, const void *value, socklen_t size, const char *what)
{
	if (setsockopt(fd, level, name, value, size) != 0)
		Die(what);
}

static int OpenBoundSocket(int type, int port, const char *what)
{
	int fd = socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
	int on = 1;
	struct sockaddr_in address;

	if (fd < 0)
		Die(what);
	SetOption(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on, what);
	if (type == SOCK_DGRAM)
		SetOption(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on, what);
	memset(&address, 0, sizeof address);
	address.sin_family = AF_INET;
	address.sin_addr.s_addr = htonl(INADDR_ANY);
	address.sin_port = htons((uint16_t)port);
	if (bind(fd, (struct sockaddr *)&address, sizeof address) != 0)
		Die(what);
	return fd;
}

// ---- command service

static void OpenListener(void)
{
	listener = OpenBoundSocket(SOCK_STREAM, options.port, "command service port");
	if (listen(listener, 16) != 0)
		Die("listen");
	Event("listening port=%d", options.port);
}

static int OpenConnectionCount(void)
{
	int n = 0;
	for (const Connection &c : connections)
		n += c.fd >= 0;
	return n;
}

static void AcceptConnection(void)
{
	struct sockaddr_in peer;
	socklen_t size = sizeof peer;
	int fd = accept4(listener, (struct sockaddr *)&peer, &size, SOCK_NONBLOCK | SOCK_CLOEXEC);
	int on = 1;

	if (fd < 0)
		return;	// the peer gave up meanwhile, or nothing was waiting
	// The listener is polled only while a slot is free.
	Connection *c = connections;
	while (c->fd >= 0)
		c++;
	memset(c, 0, sizeof *c);
	c->fd = fd;
	c->number = ++connectionsAccepted;
	c->chunkLeft = (size_t)options.chunk;
	StartCommandParser(&c->parser);
	setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);	// each chunk its own segment
	Event("connect conn=%d peer=%d.%d.%d.%d:%d", c->number, IP_ARGS(ntohl(peer.sin_addr.s_addr)),
	      ntohs(peer.sin_port));
}

// Every way a connection ends passes here, so that each prints its close event.
static void EndConnection(Connection *c, bool reset)
{
	char head[40];

	snprintf(head, sizeof head, "close conn=%d received=", c->number);
	EventWithHex(head, c->received.data, c->received.count);
	if (reset) {
		struct linger hardClose = { 1, 0 };	// close() then sends a reset
		setsockopt(c->fd, SOL_SOCKET, SO_LINGER, &hardClose, sizeof hardClose);
	}
	close(c->fd);
	free(c->received.data);
	free(c->output.data);
	memset(c, 0, sizeof *c);
	c->fd = -1;
}

static void QueueAnswer(Connection *c, const char *line)
{
	char text[ANSWER_TEXT_SIZE];
	int length = FormatAnswer(text, sizeof text, line);

	if (length == 0)
		return;
	if (options.answerBytes < 0)
		Append(&c->output, text, (size_t)length);
	else
		StretchAnswer((char *)Reserve(&c->output, (size_t)options.answerBytes), options.answerBytes, text, length);
}

static void OnCommandLine(Connection *c)
{
	char text[COMMAND_TEXT_SIZE];

	PrintCommandText(text, sizeof text, c->parser.line);
	Event("command conn=%d text=%s", c->number, text);
	if (IsExitCommand(c->parser.line))
		c->exitSeen = true;
	else
		QueueAnswer(c, c->parser.line);
}

// Bytes after "exit" are kept for the close event but no longer answered.
static void TakeReceived(Connection *c, const unsigned char *bytes, size_t count)
{
	Append(&c->received, bytes, count);
	for (size_t i = 0; i < count && !c->exitSeen; i++)
		if (TakeCommandByte(&c->parser, bytes[i]))
			OnCommandLine(c);
}

static void ReadConnection(Connection *c)
{
	unsigned char buffer[4096];
	ssize_t n = recv(c->fd, buffer, sizeof buffer, 0);

	if (n > 0)
		TakeReceived(c, buffer, (size_t)n);
	else if (n == 0)
		c->peerClosed = true;
	else if (errno != EAGAIN && errno != EINTR)
		EndConnection(c, false);	// reset by the peer: nobody is left to answer
}

static bool AnswerPending(const Connection *c)
{
	return c->sent < c->output.count;
}

// One send of at most one chunk; the pause starts when a chunk is complete.
static void WriteConnection(Connection *c, int64_t now)
{
	size_t want = c->output.count - c->sent;
	if (options.chunk > 0 && want > c->chunkLeft)
		want = c->chunkLeft;
	ssize_t n = send(c->fd, c->output.data + c->sent, want, MSG_NOSIGNAL);

	if (n < 0) {
		if (errno == EAGAIN || errno == EINTR)
			c->writeBlocked = true;
		else
			EndConnection(c, false);
		return;
	}
	c->sent += (size_t)n;
	if (options.chunk > 0 && (c->chunkLeft -= (size_t)n) == 0) {
		c->chunkLeft = (size_t)options.chunk;
		c->sendAt = now + options.pauseMs;
	}
	if (!AnswerPending(c))
		c->sent = c->output.count = 0;
}

// Once every answer is out: how the connection ends after "exit", or after
// the peer has gone without one.
static void FinishConnection(Connection *c, int64_t now)
{
	if (!c->exitSeen) {
		if (c->peerClosed)
			EndConnection(c, false);
		return;
	}
	if (options.reset) {
		EndConnection(c, true);
		return;
	}
	if (!options.keepOpen && !c->shutDown) {
		shutdown(c->fd, SHUT_WR);	// the peer sees the end, and what it still sends is recorded
		c->shutDown = true;
	}
	if (c->closeAt == 0)
		c->closeAt = now + (options.keepOpen ? KEEP_OPEN_MS : CLOSE_WAIT_MS);
	if (c->peerClosed)
		EndConnection(c, false);
}

static void ServiceConnection(Connection *c, int64_t now)
{
	while (c->fd >= 0 && AnswerPending(c) && !c->writeBlocked && now >= c->sendAt)
		WriteConnection(c, now);
	if (c->fd >= 0 && !AnswerPending(c))
		FinishConnection(c, now);
	if (c->fd >= 0 && c->closeAt != 0 && now >= c->closeAt)
		EndConnection(c, false);
}

static void OnConnectionEvents(Connection *c, short revents)
{
	if (revents & POLLOUT)
		c->writeBlocked = false;
	if (!c->peerClosed && (revents & (POLLIN | POLLERR | POLLHUP)))
		ReadConnection(c);
	else if (c->peerClosed && (revents & (POLLERR | POLLHUP)))
		EndConnection(c, false);	// both directions are gone: nothing more can be delivered
}

// ---- BOOTP client

static void StartBootp(int64_t now)
{
	bootp.fd = OpenBoundSocket(SOCK_DGRAM, BOOTP_CLIENT_PORT, "BOOTP client port");
	bootp.stored = options.stored;
	bootp.count = options.once ? 1 : options.count;
	bootp.nextAt = now;
	bootp.endAt = now + (int64_t)options.durationSeconds * 1000;
}

static uint32_t RandomXid(void)
{
	uint32_t xid;
	if (getrandom(&xid, sizeof xid, 0) != (ssize_t)sizeof xid)
		xid = (uint32_t)rand() << 16 ^ (uint32_t)rand();
	return xid;
}

static void SendRequest(int64_t now)
{
	unsigned char message[BOOTP_MESSAGE_SIZE];
	struct sockaddr_in server;

	bootp.xid = RandomXid();
	BuildBootpRequest(message, options.mac, bootp.xid, bootp.stored);
	memset(&server, 0, sizeof server);
	server.sin_family = AF_INET;
	server.sin_addr.s_addr = htonl(INADDR_BROADCAST);
	server.sin_port = htons(BOOTP_SERVER_PORT);
	bootp.sent++;
	bootp.nextAt = now + options.intervalMs;
	if (sendto(bootp.fd, message, sizeof message, 0, (struct sockaddr *)&server, sizeof server) != (ssize_t)sizeof message)
		fprintf(stderr, "quorlan-standin: BOOTP request not sent: %s\n", strerror(errno));
	else
		Event("request xid=%08x stored=%d.%d.%d.%d", bootp.xid, IP_ARGS(bootp.stored));
}

static void OnReply(const BootpReply *reply, const char *source, int length)
{
	char command[12] = "none";

	if (reply->command != STORE_COMMAND_NONE)
		snprintf(command, sizeof command, "%d", reply->command);
	Event("reply xid=%08x yiaddr=%d.%d.%d.%d siaddr=%d.%d.%d.%d command=%s src=%s length=%d", reply->xid,
	      IP_ARGS(reply->yiaddr), IP_ARGS(reply->siaddr), command, source, length);
	bootp.stored = ApplyStoreCommand(bootp.stored, reply->command, reply->yiaddr);
	if (reply->command == STORE_CMD_STORE)
		Event("store address=%d.%d.%d.%d", IP_ARGS(bootp.stored));
	else if (reply->command == STORE_CMD_ERASE)
		Event("erase");
	bootp.answered = options.once;
}

static void ReadReplies(void)
{
	unsigned char message[DATAGRAM_SIZE];
	struct sockaddr_in from;
	socklen_t size = sizeof from;
	ssize_t n;

	while ((n = recvfrom(bootp.fd, message, sizeof message, 0, (struct sockaddr *)&from, &size)) >= 0) {
		char source[24];
		BootpReply reply;
		snprintf(source, sizeof source, "%d.%d.%d.%d:%d", IP_ARGS(ntohl(from.sin_addr.s_addr)), ntohs(from.sin_port));
		ReplyVerdict verdict = ReadBootpReply(message, (int)n, options.mac, bootp.xid, &reply);
		if (verdict == REPLY_MATCHED)
			OnReply(&reply, source, (int)n);
		else
			Event("ignored reason=%s src=%s", ReplyVerdictName(verdict), source);
		size = sizeof from;
	}
}

// Sends when a request is due, and stops after the count (and the last
// request's interval), the duration, or the one reply of --once.
static void RunBootpTimers(int64_t now)
{
	if (bootp.fd < 0)
		return;
	if (bootp.answered || now >= bootp.endAt || (bootp.sent >= bootp.count && now >= bootp.nextAt)) {
		close(bootp.fd);
		bootp.fd = -1;
		bootpFinished = true;
		Event("done");
	} else if (bootp.sent < bootp.count && now >= bootp.nextAt) {
		SendRequest(now);
	}
}

// ---- the loop

static int64_t Earliest(int64_t a, int64_t b)
{
	return a == 0 || (b != 0 && b < a) ? b : a;
}

static int PollTimeout(int64_t now, int64_t programEnd)
{
	int64_t at = programEnd;

	if (bootp.fd >= 0)
		at = Earliest(Earliest(at, bootp.nextAt), bootp.endAt);
	for (const Connection &c : connections) {
		if (c.fd >= 0 && AnswerPending(&c) && !c.writeBlocked)
			at = Earliest(at, c.sendAt > now ? c.sendAt : now);
		if (c.fd >= 0)
			at = Earliest(at, c.closeAt);
	}
	if (at == 0)
		return -1;
	return at <= now ? 0 : (int)(at - now);
}

static void SetPoll(struct pollfd *entry, int fd, short events)
{
	entry->fd = fd;
	entry->events = events;
	entry->revents = 0;
}

// Fills the poll set: the BOOTP socket, the listener while a slot is free,
// then one entry per connection slot (poll skips the fd -1 of an empty one).
static int BuildPollSet(struct pollfd *set)
{
	int n = 0;

	SetPoll(&set[n++], bootp.fd, POLLIN);
	SetPoll(&set[n++], OpenConnectionCount() < MAX_CONNECTIONS ? listener : -1, POLLIN);
	for (const Connection &c : connections)
		SetPoll(&set[n++], c.fd, (short)((c.peerClosed ? 0 : POLLIN) | (c.writeBlocked ? POLLOUT : 0)));
	return n;
}

static void HandlePollSet(const struct pollfd *set)
{
	if (set[0].fd >= 0 && set[0].revents)
		ReadReplies();
	if (set[1].fd >= 0 && (set[1].revents & POLLIN))
		AcceptConnection();
	for (int i = 0; i < MAX_CONNECTIONS; i++)
		if (set[2 + i].fd >= 0 && set[2 + i].revents && connections[i].fd == set[2 + i].fd)
			OnConnectionEvents(&connections[i], set[2 + i].revents);
}

static bool ProgramDone(int64_t now, int64_t programEnd)
{
	if (stopRequested || (programEnd != 0 && now >= programEnd))
		return true;
	return bootpFinished && (options.once || !options.commands);
}

static void RunLoop(int64_t start)
{
	int64_t programEnd = options.durationGiven ? start + (int64_t)options.durationSeconds * 1000 : 0;
	struct pollfd set[2 + MAX_CONNECTIONS];

	for (;;) {
		int64_t now = NowMs();
		RunBootpTimers(now);
		for (Connection &c : connections)
			if (c.fd >= 0)
				ServiceConnection(&c, now);
		if (ProgramDone(now, programEnd))
			break;
		int n = BuildPollSet(set);
		if (poll(set, (nfds_t)n, PollTimeout(now, programEnd)) > 0)
			HandlePollSet(set);
	}
	if (bootp.fd >= 0) {
		close(bootp.fd);
		Event("done");
	}
	for (Connection &c : connections)
		if (c.fd >= 0)
			EndConnection(&c, false);
}

static void OnStopSignal(int)
{
	stopRequested = 1;
}

static void HandleSignals(void)
{
	struct sigaction action;

	memset(&action, 0, sizeof action);
	action.sa_handler = OnStopSignal;	// no SA_RESTART: poll() returns and the loop ends
	sigaction(SIGINT, &action, NULL);
	sigaction(SIGTERM, &action, NULL);
	signal(SIGPIPE, SIG_IGN);
}

static int PrintAnswer(const char *command)
{
	char text[ANSWER_TEXT_SIZE];
	int length = FormatAnswer(text, sizeof text, command);

	if (length > 0 && options.answerBytes >= 0) {
		char *stretched = (char *)malloc((size_t)options.answerBytes + 1);
		StretchAnswer(stretched, options.answerBytes, text, length);
		fwrite(stretched, 1, (size_t)options.answerBytes, stdout);
		free(stretched);
	} else {
		fwrite(text, 1, (size_t)length, stdout);
	}
	return fflush(stdout) == 0 ? 0 : 1;
}

int main(int argc, char **argv)
{
	if (!ParseOptions(argc, argv, &options)) {
		fprintf(stderr, "quorlan-standin: see --help\n");
		return 1;
	}
	if (options.help) {
		PrintUsage(stdout);
		return 0;
	}
	if (options.printAnswer)
		return PrintAnswer(options.printAnswer);
	if (InHostNetworkNamespace()) {
		fprintf(stderr, "quorlan-standin: refusing to run in the host's network namespace: it broadcasts, "
				"and only a private test network may hear it\n");
		return 2;
	}
	setvbuf(stdout, NULL, _IOLBF, 0);
	HandleSignals();
	for (Connection &c : connections)
		c.fd = -1;
	int64_t start = NowMs();
	if (options.commands && !options.refuse)
		OpenListener();
	if (options.bootp)
		StartBootp(start);
	Event("ready");
	RunLoop(start);
	return 0;
}
