// Evaluation of one datagram received on the BOOTP server port, and the
// store or erase reply built from it in place.
#include <string.h>
#include "bootp.h"
#include "msglog.h"

const unsigned char ETHERNET_PREFIX[3] = { 0x02, 0xc4, 0x5b };

// Bytes of the buffer from the start of the vendor area on: the sub-option
// walk may run past the 64-byte area, never past the buffer.
static const int VEND_ROOM = BOOTP_BUFFER_SIZE - BOOTP_VEND;

uint32_t GetBootpAddress(const unsigned char *field)
{
	return (uint32_t)field[0] << 24 | (uint32_t)field[1] << 16 | (uint32_t)field[2] << 8 | field[3];
}

void PutBootpAddress(unsigned char *field, uint32_t address)
{
	field[0] = (unsigned char)(address >> 24);
	field[1] = (unsigned char)(address >> 16);
	field[2] = (unsigned char)(address >> 8);
	field[3] = (unsigned char)address;
}

// Sub-options of the option 43 whose code byte is at vend[p]. The address
// length byte is not checked: the four bytes after it are taken as they are.
static uint32_t WalkVendorOption(const unsigned char *vend, int p, uint32_t stored)
{
	int length = vend[p + 1];

	for (int s = 0; s < length; s += 2 + vend[p + 3 + s]) {
		int at = p + 2 + s;
		if (at + 1 >= VEND_ROOM)
			break;	// the option claims more than the buffer holds
		if (vend[at] == SUBOPT_STORED_ADDRESS) {
			if (at + 5 >= VEND_ROOM)
				break;
			stored = GetBootpAddress(vend + at + 2);
		}
	}
	return stored;
}

uint32_t FindStoredAddress(const unsigned char message[BOOTP_BUFFER_SIZE])
{
	const unsigned char *vend = message + BOOTP_VEND;
	uint32_t stored = 0;

	// The magic cookie is not checked. Code 0 carries a length like any other.
	for (int p = 4; p < VEND_SIZE && vend[p] != OPT_END; p += 2 + vend[p + 1])
		if (vend[p] == OPT_VENDOR)
			stored = WalkVendorOption(vend, p, stored);
	return stored;
}

static bool IsBootpRequest(const unsigned char *message, int length)
{
	return message[BOOTP_OP] == BOOTREQUEST && message[BOOTP_HTYPE] == HTYPE_ETHERNET &&
	       message[BOOTP_HLEN] == ETHERNET_ADDRESS_SIZE && length >= BOOTP_MESSAGE_SIZE;
}

static void LogDecision(uint32_t stored, const BootpSettings *settings)
{
	if (settings->storeAddress && stored == settings->targetIp)
		LogPrintf("Address %d.%d.%d.%d stored.", IP_ARGS(settings->targetIp));
	else if (settings->storeAddress)
		LogPrintf("...Storing address %d.%d.%d.%d", IP_ARGS(settings->targetIp));
	else if (stored != 0)
		LogPrintf("...Erasing Stored address");
	else
		LogPrintf("Address erased.");
}

static void BuildReply(unsigned char *message, const BootpSettings *settings)
{
	unsigned char *vend = message + BOOTP_VEND;
	unsigned char command = settings->storeAddress ? STORE_CMD_STORE : STORE_CMD_ERASE;

	message[BOOTP_OP] = BOOTREPLY;
	message[BOOTP_HOPS] = 0;
	PutBootpAddress(message + BOOTP_YIADDR, settings->targetIp);	// in the erase case too
	message[BOOTP_FILE] = 0;
	vend[4] = OPT_VENDOR;
	vend[5] = 3;
	vend[6] = SUBOPT_STORE_COMMAND;
	vend[7] = 1;
	vend[8] = command;
	vend[9] = OPT_END;
}

bool EvaluateBootpRequest(unsigned char message[BOOTP_BUFFER_SIZE], int length, const BootpSettings *settings)
{
	const unsigned char *chaddr = message + BOOTP_CHADDR;

	if (!IsBootpRequest(message, length))
		return false;	// dropped in silence, a failed receive included
	uint32_t stored = FindStoredAddress(message);
	LogPrintf("Request From:  %02x:%02x:%02x:%02x:%02x:%02x", ETHERNET_ARGS(chaddr));
	if (memcmp(chaddr, settings->ethernetAddress, ETHERNET_ADDRESS_SIZE) != 0) {
		LogPrintf("Ethernet address does not match.  IP not assigned.");
		return false;
	}
	LogDecision(stored, settings);
	BuildReply(message, settings);
	return true;
}

void SetReplyServerAddress(unsigned char message[BOOTP_BUFFER_SIZE], uint32_t hostIp)
{
	PutBootpAddress(message + BOOTP_SIADDR, hostIp);
}
