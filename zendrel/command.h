// The command requests that the client sends to port 513 of a device, and
// the rule by which the device's answer is kept.
#ifndef COMMAND_H
#define COMMAND_H

#include <stdint.h>

#define RECEIVE_BUFFER_SIZE 4096
#define COMMAND_LINE_SIZE 20	// 19 characters and a terminator
#define LINE_REQUEST_SIZE 84	// four zero bytes, then room for the formatted text

// The built-in requests; sizeof counts their final zero byte, which is sent.
extern const char VerRequest[16];
extern const char StatsRequest[18];
extern const char SocketsRequest[20];
extern const char HosttabRequest[20];

extern uint32_t DeviceAddress;			// host order; 0 until the user sets one
extern char CommandLine[COMMAND_LINE_SIZE];	// the free command line, "line 0" at start
extern char LineRequest[LINE_REQUEST_SIZE];	// the request built from CommandLine

int FormatLineRequest(void);
int AppendAnswer(char *buffer, int count, const char *data, int length);

#endif
