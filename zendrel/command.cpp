// Request framing: the rlogin start-up (four zero bytes: an empty string and
// empty client user, server user and terminal), one command line, "exit".
#include <stdio.h>
#include <string.h>
#include "command.h"

const char VerRequest[16] = "\0\0\0\0ver\r\nexit\r\n";
const char StatsRequest[18] = "\0\0\0\0stats\r\nexit\r\n";
const char SocketsRequest[20] = "\0\0\0\0sockets\r\nexit\r\n";
const char HosttabRequest[20] = "\0\0\0\0hosttab\r\nexit\r\n";

uint32_t DeviceAddress;
char CommandLine[COMMAND_LINE_SIZE] = "line 0";
char LineRequest[LINE_REQUEST_SIZE];	// the first four bytes stay zero for ever

// The line request ends at its "\r\n": the terminator written here is not sent.
int FormatLineRequest(void)
{
	int length = snprintf(LineRequest + 4, LINE_REQUEST_SIZE - 4, "%s\r\nexit\r\n", CommandLine);
	return length + 4;
}

// Keeps the first RECEIVE_BUFFER_SIZE bytes of an answer; the rest is dropped.
int AppendAnswer(char *buffer, int count, const char *data, int length)
{
	int room = RECEIVE_BUFFER_SIZE - count;

	if (length > room)
		length = room;
	if (length > 0) {
		memcpy(buffer + count, data, (size_t)length);
		count += length;
	}
	return count;
}
