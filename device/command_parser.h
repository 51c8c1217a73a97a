// What arrives on a command connection: the rlogin start-up, then command
// lines. The parser takes one byte at a time, so a line may be split across
// any number of reads.
#ifndef COMMAND_PARSER_H
#define COMMAND_PARSER_H

#define COMMAND_TEXT_SIZE 256	// longer lines are cut to 255 characters
#define STARTUP_STRING_COUNT 4	// an empty string, client user, server user, terminal

struct CommandParser {
	int startupLeft;		// zero-terminated start-up strings still to come
	int length;			// characters of the line being gathered
	char line[COMMAND_TEXT_SIZE];	// the last complete line, zero-terminated
};

void StartCommandParser(CommandParser *parser);
bool TakeCommandByte(CommandParser *parser, unsigned char byte);
void PrintCommandText(char *buffer, int size, const char *line);

#endif
