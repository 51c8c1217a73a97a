// Command line gathering of the command service.
#include <ctype.h>
#include "command_parser.h"

void StartCommandParser(CommandParser *parser)
{
	parser->startupLeft = STARTUP_STRING_COUNT;
	parser->length = 0;
	parser->line[0] = 0;
}

// True when the byte ends a line; the line, without its CR LF or LF, is then
// in parser->line until the next byte is taken. The start-up strings are
// read past whatever they hold. After them a zero byte carries nothing: a
// client may send the terminator of its formatted request behind the line.
bool TakeCommandByte(CommandParser *parser, unsigned char byte)
{
	if (parser->startupLeft > 0) {
		if (byte == 0)
			parser->startupLeft--;
		return false;
	}
	if (byte == 0)
		return false;
	if (byte == '\n') {
		if (parser->length > 0 && parser->line[parser->length - 1] == '\r')
			parser->length--;
		parser->line[parser->length] = 0;
		parser->length = 0;
		return true;
	}
	if (parser->length < COMMAND_TEXT_SIZE - 1)
		parser->line[parser->length++] = (char)byte;	// the rest of an overlong line is dropped
	return false;
}

// The line as an event value: one word, every blank or control byte an underscore.
void PrintCommandText(char *buffer, int size, const char *line)
{
	int i = 0;

	for (; line[i] && i < size - 1; i++)
		buffer[i] = isgraph((unsigned char)line[i]) ? line[i] : '_';
	buffer[i] = 0;
}
