// What the device prints for each command of its maintenance service.
#ifndef ANSWERS_H
#define ANSWERS_H

#define ANSWER_TEXT_SIZE 1024	// room for the longest built-in answer

bool IsExitCommand(const char *line);
int FormatAnswer(char *buffer, int size, const char *line);
void StretchAnswer(char *out, int size, const char *text, int length);

#endif
