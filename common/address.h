// Address text conversions: the IPv4 and Ethernet address forms that the
// dialogs read from their edit fields and print back into them.
#ifndef ADDRESS_H
#define ADDRESS_H

#include <stdint.h>

#define ETHERNET_ADDRESS_SIZE 6
#define ADDRESS_TEXT_SIZE 20	// the dialogs' field buffers: 19 characters and a terminator

// The four printf arguments of "%d.%d.%d.%d", most significant byte first.
#define IP_ARGS(a) (int)((a) >> 24), (int)(((a) >> 16) & 255), (int)(((a) >> 8) & 255), (int)((a) & 255)
// The six printf arguments of "%02x:%02x:%02x:%02x:%02x:%02x", byte 0 first.
#define ETHERNET_ARGS(e) (e)[0], (e)[1], (e)[2], (e)[3], (e)[4], (e)[5]

uint32_t ParseIpAddress(const char *text, int count);
void ParseEthernetAddress(const char *text, int count, unsigned char address[ETHERNET_ADDRESS_SIZE]);
void PrintIpAddress(char *buffer, int size, uint32_t address);
void PrintEthernetAddress(char *buffer, int size, const unsigned char address[ETHERNET_ADDRESS_SIZE]);

#endif
