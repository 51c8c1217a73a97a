// Event lines. Scripts wait on them as they come, so each is flushed at once.
#include <stdarg.h>
#include <stdio.h>
#include "events.h"

void Event(const char *format, ...)
{
	va_list args;

	va_start(args, format);
	vprintf(format, args);
	va_end(args);
	putchar('\n');
	fflush(stdout);
}

// `head` then the bytes in lower-case hexadecimal, two digits each, in order.
void EventWithHex(const char *head, const unsigned char *bytes, size_t count)
{
	fputs(head, stdout);
	for (size_t i = 0; i < count; i++)
		printf("%02x", bytes[i]);
	putchar('\n');
	fflush(stdout);
}
