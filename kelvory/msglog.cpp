// The message log's storage and its printf-style writer. Drawing is the
// main window's business.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include "msglog.h"

MessageLog messageLog;	// four empty lines from process start

void LogPrintf(const char *format, ...)
{
	MessageLog *log = &messageLog;
	const int bottom = LOG_LINE_COUNT - 1;
	va_list args;

	// Only the line's own characters move up; the slot's tail keeps stale bytes.
	for (int i = 0; i < bottom; i++) {
		log->lengths[i] = log->lengths[i + 1];
		memcpy(log->lines[i], log->lines[i + 1], (size_t)log->lengths[i]);
	}
	va_start(args, format);
	int length = vsnprintf(log->lines[bottom], LOG_LINE_SIZE, format, args);
	va_end(args);
	// vsnprintf cuts an overlong line to 79 characters and reports the uncut length.
	if (length < 0) {
		log->lines[bottom][0] = '\0';
		length = 0;
	} else if (length > LOG_LINE_SIZE - 1) {
		length = LOG_LINE_SIZE - 1;
	}
	log->lengths[bottom] = length;
}
