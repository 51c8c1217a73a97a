// The stand-in's command-line options.
#ifndef OPTIONS_H
#define OPTIONS_H

#include <stdint.h>
#include <stdio.h>
#include "address.h"

// Bounds that keep every sending loop short whatever the caller asks for.
#define MAX_REQUEST_COUNT 1000
#define MAX_DURATION_SECONDS 600
#define MAX_ANSWER_BYTES (1 << 20)

struct StandinOptions {
	bool help;
	const char *printAnswer;	// print this command's answer and exit; NULL: run
	// The command service.
	bool commands;
	int port;
	int answerBytes;		// every answer exactly this long; -1: as written
	int chunk;			// bytes per send; 0: as much as the socket takes
	int pauseMs;			// between chunks
	bool keepOpen;			// after "exit", wait for the peer to close
	bool reset;			// after "exit", reset instead of closing
	bool refuse;			// do not listen at all
	// The BOOTP client.
	bool bootp;
	unsigned char mac[ETHERNET_ADDRESS_SIZE];
	uint32_t stored;		// host order; 0: none
	int intervalMs;
	int count;
	int durationSeconds;
	bool durationGiven;		// then it bounds the whole run, the command service too
	bool once;
};

bool ParseOptions(int argc, char **argv, StandinOptions *options);
void PrintUsage(FILE *out);

#endif
