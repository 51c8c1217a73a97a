// BOOTP request evaluation and reply: bytes in, log lines and reply bytes out.
#ifndef BOOTP_H
#define BOOTP_H

#include <stdint.h>
#include "address.h"

#define BOOTP_MESSAGE_SIZE 300	// an RFC 951 message, and the length of every reply
#define BOOTP_BUFFER_SIZE 512	// the one message buffer, and the largest datagram received

// Field offsets of the BOOTP message.
enum {
	BOOTP_OP = 0, BOOTP_HTYPE = 1, BOOTP_HLEN = 2, BOOTP_HOPS = 3,
	BOOTP_XID = 4, BOOTP_SECS = 8, BOOTP_FLAGS = 10, BOOTP_CIADDR = 12,
	BOOTP_YIADDR = 16, BOOTP_SIADDR = 20, BOOTP_GIADDR = 24, BOOTP_CHADDR = 28,
	BOOTP_SNAME = 44, BOOTP_FILE = 108, BOOTP_VEND = 236
};

enum {
	BOOTREQUEST = 1, BOOTREPLY = 2, HTYPE_ETHERNET = 1,
	VEND_SIZE = BOOTP_MESSAGE_SIZE - BOOTP_VEND,	// the 64-byte vendor area
	OPT_VENDOR = 43, OPT_END = 255,
	SUBOPT_STORE_COMMAND = 3, SUBOPT_STORED_ADDRESS = 4,
	STORE_CMD_STORE = 1, STORE_CMD_ERASE = 2
};

// What requests are answered with.
struct BootpSettings {
	unsigned char ethernetAddress[ETHERNET_ADDRESS_SIZE];	// the one device served
	uint32_t targetIp;	// address the device is to store
	uint32_t hostIp;	// goes into siaddr
	uint32_t storeAddress;	// non-zero: store targetIp; 0: erase
};

extern const unsigned char ETHERNET_PREFIX[3];

bool EvaluateBootpRequest(unsigned char message[BOOTP_BUFFER_SIZE], int length, const BootpSettings *settings);
uint32_t FindStoredAddress(const unsigned char message[BOOTP_BUFFER_SIZE]);
void SetReplyServerAddress(unsigned char message[BOOTP_BUFFER_SIZE], uint32_t hostIp);

uint32_t GetBootpAddress(const unsigned char *field);
void PutBootpAddress(unsigned char *field, uint32_t address);

#endif
