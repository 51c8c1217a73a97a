// Address text conversions. The parsers are forgiving and silent: an IPv4
// text they cannot read yields 0, and an Ethernet text always yields six bytes.
#include <stdio.h>
#include "address.h"

uint32_t ParseIpAddress(const char *text, int count)
{
	uint32_t address = 0, number = 0, dots = 0;

	for (int i = 0; i < count; i++) {
		char c = text[i];
		if (c >= '0' && c <= '9') {
			number = number * 10 + (uint32_t)(c - '0');
			if (number > 255)
				return 0;
		} else if (c == '.') {
			// Bits shifted out at the top are lost: only the last four numbers count.
			address = (address << 8) + number;
			number = 0;
			if (++dots > 4)
				return 0;
		} else if (c != ' ') {
			return 0;	// blanks are skipped even inside a number; anything else fails
		}
	}
	return (address << 8) + number;
}

static int HexDigitValue(char c)
{
	if (c >= '0' && c <= '9')
		return c - '0';
	if (c >= 'a' && c <= 'f')
		return c - 'a' + 10;
	if (c >= 'A' && c <= 'F')
		return c - 'A' + 10;
	return -1;
}

void ParseEthernetAddress(const char *text, int count, unsigned char address[ETHERNET_ADDRESS_SIZE])
{
	int digits = 0;

	for (int i = 0; i < ETHERNET_ADDRESS_SIZE; i++)
		address[i] = 0;
	// Digits count across separators; past the twelfth they are skipped like separators.
	for (int i = 0; i < count && digits < 2 * ETHERNET_ADDRESS_SIZE; i++) {
		int value = HexDigitValue(text[i]);
		if (value < 0)
			continue;
		if (digits % 2 == 0)
			address[digits / 2] = (unsigned char)(value * 16);
		else
			address[digits / 2] = (unsigned char)(address[digits / 2] + value);
		digits++;
	}
}

void PrintIpAddress(char *buffer, int size, uint32_t address)
{
	snprintf(buffer, (size_t)size, "%d.%d.%d.%d", IP_ARGS(address));
}

void PrintEthernetAddress(char *buffer, int size, const unsigned char address[ETHERNET_ADDRESS_SIZE])
{
	snprintf(buffer, (size_t)size, "%02x:%02x:%02x:%02x:%02x:%02x", ETHERNET_ARGS(address));
}
