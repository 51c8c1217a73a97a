// The answers of a fictional Quorlan QX-200 terminal server. Every answer is
// lines ended by CR LF; "exit" and an empty line have none.
#include <stdio.h>
#include <string.h>
#include "answers.h"

// The fixed answers, by command word.
static const struct { const char *command; const char *text; } FIXED_ANSWERS[] = {
	{ "ver",
	  "Quorlan QX-200 terminal server\r\n"
	  "Firmware version 4.2.7, built 1996-03-18\r\n"
	  "Boot ROM version 1.3\r\n"
	  "Hardware revision C: 8 serial lines, 1 Ethernet port\r\n" },
	{ "stats",
	  "Ethernet statistics\r\n"
	  "  frames received      18342   frames sent          17211\r\n"
	  "  CRC errors               0   collisions               3\r\n"
	  "  buffer overruns          0   late collisions          0\r\n"
	  "IP statistics\r\n"
	  "  packets received     18005   packets sent         17102\r\n"
	  "  bad checksums            0   no route                 0\r\n" },
	{ "sockets",
	  "Proto  Local                 Remote                State\r\n"
	  "tcp    0.0.0.0:513           0.0.0.0:0             LISTEN\r\n"
	  "tcp    0.0.0.0:23            0.0.0.0:0             LISTEN\r\n"
	  "udp    0.0.0.0:68            0.0.0.0:0\r\n"
	  "udp    0.0.0.0:161           0.0.0.0:0\r\n" },
	{ "hosttab",
	  "Host table: 3 entries\r\n"
	  "  loghost          10.0.0.10\r\n"
	  "  bootserver       10.0.0.1\r\n"
	  "  printer-hall     10.0.0.42\r\n" },
};

// The serial lines that "line N" describes.
static const struct { int baud; const char *state; } SERIAL_LINES[] = {
	{ 9600, "idle" }, { 19200, "login" }, { 38400, "idle" }, { 9600, "printer" },
	{ 2400, "modem" }, { 9600, "idle" }, { 57600, "idle" }, { 115200, "disabled" },
};
static const int SERIAL_LINE_COUNT = sizeof SERIAL_LINES / sizeof SERIAL_LINES[0];

bool IsExitCommand(const char *line)
{
	return strcmp(line, "exit") == 0;
}

static int FormatLineAnswer(char *buffer, int size, int n)
{
	if (n >= SERIAL_LINE_COUNT)
		return snprintf(buffer, (size_t)size, "line %d: no such line (0 to %d)\r\n", n, SERIAL_LINE_COUNT - 1);
	return snprintf(buffer, (size_t)size,
			"Line %d: %d baud, 8 data bits, no parity, 1 stop bit\r\n"
			"  state %s, flow control XON/XOFF\r\n"
			"  input 0 bytes, output 0 bytes, errors 0\r\n",
			n, SERIAL_LINES[n].baud, SERIAL_LINES[n].state);
}

// "line N" with N in decimal, nothing more; -1 when the line is not of that form.
static int ParseLineNumber(const char *line)
{
	int n = 0, digits = 0;

	if (strncmp(line, "line ", 5) != 0)
		return -1;
	for (line += 5; *line >= '0' && *line <= '9' && digits < 4; line++, digits++)
		n = n * 10 + (*line - '0');
	return digits > 0 && *line == 0 ? n : -1;
}

// Writes the answer to one command line; returns its length, 0 for none.
// The buffer should hold ANSWER_TEXT_SIZE bytes: longer answers are cut.
int FormatAnswer(char *buffer, int size, const char *line)
{
	int n = ParseLineNumber(line), length = -1;

	if (line[0] == 0 || IsExitCommand(line))
		return 0;
	for (const auto &answer : FIXED_ANSWERS)
		if (strcmp(line, answer.command) == 0)
			length = snprintf(buffer, (size_t)size, "%s", answer.text);
	if (length < 0 && n >= 0)
		length = FormatLineAnswer(buffer, size, n);
	if (length < 0)
		length = snprintf(buffer, (size_t)size, "unknown command: %.100s\r\n", line);
	return length < size ? length : size - 1;
}

// Fills exactly `size` bytes with the answer text over and over, cut so that
// the last two bytes are CR LF: an answer of any length that ends like one.
void StretchAnswer(char *out, int size, const char *text, int length)
{
	static const char END[2] = { '\r', '\n' };
	int body = size >= 2 ? size - 2 : 0;

	for (int i = 0; i < body; i++)
		out[i] = text[i % length];
	for (int i = body; i < size; i++)
		out[i] = END[2 - (size - i)];
}
