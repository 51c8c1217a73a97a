// Command-line parsing. Every number is checked against its bounds, so that
// no option can make a sending loop long or unbounded.
#include <ctype.h>
#include <getopt.h>
#include <stdlib.h>
#include <string.h>
#include "options.h"

static const unsigned char DEFAULT_MAC[ETHERNET_ADDRESS_SIZE] = { 0x02, 0xc4, 0x5b, 0x00, 0x00, 0x01 };

enum {
	OPT_COMMANDS = 256, OPT_PORT, OPT_ANSWER_BYTES, OPT_CHUNK, OPT_PAUSE, OPT_KEEP_OPEN, OPT_RESET,
	OPT_REFUSE, OPT_BOOTP, OPT_MAC, OPT_STORED, OPT_INTERVAL, OPT_COUNT, OPT_DURATION, OPT_ONCE,
	OPT_PRINT_ANSWER, OPT_HELP
};

static const struct option LONG_OPTIONS[] = {
	{ "commands", no_argument, NULL, OPT_COMMANDS },
	{ "port", required_argument, NULL, OPT_PORT },
	{ "answer-bytes", required_argument, NULL, OPT_ANSWER_BYTES },
	{ "chunk", required_argument, NULL, OPT_CHUNK },
	{ "pause", required_argument, NULL, OPT_PAUSE },
	{ "keep-open", no_argument, NULL, OPT_KEEP_OPEN },
	{ "reset", no_argument, NULL, OPT_RESET },
	{ "refuse", no_argument, NULL, OPT_REFUSE },
	{ "bootp", no_argument, NULL, OPT_BOOTP },
	{ "mac", required_argument, NULL, OPT_MAC },
	{ "stored", required_argument, NULL, OPT_STORED },
	{ "interval", required_argument, NULL, OPT_INTERVAL },
	{ "count", required_argument, NULL, OPT_COUNT },
	{ "duration", required_argument, NULL, OPT_DURATION },
	{ "once", no_argument, NULL, OPT_ONCE },
	{ "print-answer", required_argument, NULL, OPT_PRINT_ANSWER },
	{ "help", no_argument, NULL, OPT_HELP },
	{ NULL, 0, NULL, 0 },
};

void PrintUsage(FILE *out)
{
	fputs("usage: quorlan-standin [--commands [command options]] [--bootp [BOOTP options]]\n"
	      "       quorlan-standin [--answer-bytes N] --print-answer COMMAND\n"
	      "A stand-in for a Quorlan device. It runs only inside a private network namespace\n"
	      "and prints one line per event on stdout: an event word, then key=value pairs.\n"
	      "\n"
	      "Command service (runs until killed, or for --duration seconds if that is given):\n"
	      "  --commands          serve maintenance commands on TCP\n"
	      "  --port N            TCP port (default 513)\n"
	      "  --answer-bytes N    make every answer exactly N bytes, ending in CR LF (at most 1048576)\n"
	      "  --chunk K           send answers K bytes at a time\n"
	      "  --pause MS          wait MS milliseconds between chunks (with --chunk)\n"
	      "  --keep-open         after \"exit\", keep the connection open until the peer closes (30 s at most)\n"
	      "  --reset             after \"exit\", reset the connection instead of closing it\n"
	      "  --refuse            do not listen, so that connections are refused\n"
	      "\n"
	      "BOOTP client (broadcasts from UDP port 68 to port 67):\n"
	      "  --bootp             send BOOTP requests and act on the replies\n"
	      "  --mac XX:XX:XX:XX:XX:XX  Ethernet address (default 02:c4:5b:00:00:01)\n"
	      "  --stored A.B.C.D    address held at start (default none)\n"
	      "  --interval MS       between requests (default 1000, 10 to 60000)\n"
	      "  --count N           requests to send (default 10, at most 1000)\n"
	      "  --duration S        seconds before the client stops (default 30, at most 600);\n"
	      "                      given explicitly, it bounds the whole program\n"
	      "  --once              send one request, wait an interval for its reply, act, exit\n"
	      "The BOOTP client prints \"done\" when it stops. With --bootp alone, or with --once,\n"
	      "the program then exits; with --commands too, the command service goes on.\n"
	      "\n"
	      "  --print-answer CMD  write the raw answer to CMD on stdout and exit (no network)\n"
	      "  --help              this text\n",
	      out);
}

// A decimal number within [low, high], or false with a message.
static bool ParseNumber(const char *name, const char *text, int low, int high, int *value)
{
	char *end;
	long number = strtol(text, &end, 10);

	if (*text == 0 || *end != 0 || number < low || number > high) {
		fprintf(stderr, "quorlan-standin: --%s wants a number from %d to %d, not \"%s\"\n", name, low, high, text);
		return false;
	}
	*value = (int)number;
	return true;
}

// Six two-digit hexadecimal numbers with colons. The forgiving parser is fed
// only text of that exact form, so a typing error is not turned into an address.
static bool IsMacText(const char *text)
{
	static const char FORM[] = "xx:xx:xx:xx:xx:xx";

	if (strlen(text) != sizeof FORM - 1)
		return false;
	for (int i = 0; FORM[i]; i++)
		if (FORM[i] == ':' ? text[i] != ':' : !isxdigit((unsigned char)text[i]))
			return false;
	return true;
}

static bool ParseMac(const char *text, unsigned char mac[ETHERNET_ADDRESS_SIZE])
{
	if (!IsMacText(text)) {
		fprintf(stderr, "quorlan-standin: --mac wants xx:xx:xx:xx:xx:xx, not \"%s\"\n", text);
		return false;
	}
	ParseEthernetAddress(text, (int)strlen(text), mac);
	return true;
}

static bool ParseStored(const char *text, uint32_t *stored)
{
	*stored = ParseIpAddress(text, (int)strlen(text));
	if (*stored == 0) {
		fprintf(stderr, "quorlan-standin: --stored wants an IPv4 address other than 0.0.0.0, not \"%s\"\n", text);
		return false;
	}
	return true;
}

static void SetDefaults(StandinOptions *options)
{
	memset(options, 0, sizeof *options);
	options->port = 513;
	options->answerBytes = -1;
	memcpy(options->mac, DEFAULT_MAC, sizeof DEFAULT_MAC);
	options->intervalMs = 1000;
	options->count = 10;
	options->durationSeconds = 30;
}

static bool TakeOption(int code, const char *arg, StandinOptions *o)
{
	switch (code) {
	case OPT_COMMANDS: o->commands = true; return true;
	case OPT_PORT: return ParseNumber("port", arg, 1, 65535, &o->port);
	case OPT_ANSWER_BYTES: return ParseNumber("answer-bytes", arg, 0, MAX_ANSWER_BYTES, &o->answerBytes);
	case OPT_CHUNK: return ParseNumber("chunk", arg, 1, MAX_ANSWER_BYTES, &o->chunk);
	case OPT_PAUSE: return ParseNumber("pause", arg, 0, 10000, &o->pauseMs);
	case OPT_KEEP_OPEN: o->keepOpen = true; return true;
	case OPT_RESET: o->reset = true; return true;
	case OPT_REFUSE: o->refuse = true; return true;
	case OPT_BOOTP: o->bootp = true; return true;
	case OPT_MAC: return ParseMac(arg, o->mac);
	case OPT_STORED: return ParseStored(arg, &o->stored);
	case OPT_INTERVAL: return ParseNumber("interval", arg, 10, 60000, &o->intervalMs);
	case OPT_COUNT: return ParseNumber("count", arg, 1, MAX_REQUEST_COUNT, &o->count);
	case OPT_DURATION:
		o->durationGiven = true;
		return ParseNumber("duration", arg, 1, MAX_DURATION_SECONDS, &o->durationSeconds);
	case OPT_ONCE: o->once = true; return true;
	case OPT_PRINT_ANSWER: o->printAnswer = arg; return true;
	case OPT_HELP: o->help = true; return true;
	default: return false;	// getopt has said what was wrong
	}
}

bool ParseOptions(int argc, char **argv, StandinOptions *options)
{
	int code;

	SetDefaults(options);
	opterr = 1;
	optind = 1;
	while ((code = getopt_long(argc, argv, "", LONG_OPTIONS, NULL)) != -1)
		if (!TakeOption(code, optarg, options))
			return false;
	if (optind < argc) {
		fprintf(stderr, "quorlan-standin: unexpected argument \"%s\"\n", argv[optind]);
		return false;
	}
	if (options->keepOpen && options->reset) {
		fprintf(stderr, "quorlan-standin: --keep-open and --reset exclude each other\n");
		return false;
	}
	if (!options->help && !options->printAnswer && !options->commands && !options->bootp) {
		fprintf(stderr, "quorlan-standin: nothing to do: give --commands, --bootp or both\n");
		return false;
	}
	return true;
}
