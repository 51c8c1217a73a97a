// The message log: the tool's four output lines, newest at the bottom.
#ifndef MSGLOG_H
#define MSGLOG_H

#define LOG_LINE_COUNT 4
#define LOG_LINE_SIZE 80

struct MessageLog {
	char lines[LOG_LINE_COUNT][LOG_LINE_SIZE];	// slot 0 is the oldest line
	int lengths[LOG_LINE_COUNT];			// a line is its length, never its terminator
};

extern MessageLog messageLog;

void LogPrintf(const char *format, ...) __attribute__((format(printf, 1, 2)));

#endif
