// Request building and reply reading of the device's BOOTP client. Nothing
// here touches a socket: bytes in, bytes and decisions out.
#include <string.h>
#include "bootp_client.h"

static const unsigned char MAGIC_COOKIE[4] = { 99, 130, 83, 99 };

enum {
	OPT_PAD = 0,
	BROADCAST_FLAG = 0x80,	// high bit of the flags field: the device has no address to be answered at
	STORED_OPTION_LENGTH = 6	// sub-option 4: code, length and four address bytes
};

// A 300-byte request, zero wherever BOOTP leaves a field to the server. The
// stored address rides in option 43 sub-option 4; a device that holds none
// sends no option 43 at all.
void BuildBootpRequest(unsigned char message[BOOTP_MESSAGE_SIZE], const unsigned char mac[ETHERNET_ADDRESS_SIZE],
		       uint32_t xid, uint32_t stored)
{
	unsigned char *vend = message + BOOTP_VEND;
	int p = 4;

	memset(message, 0, BOOTP_MESSAGE_SIZE);
	message[BOOTP_OP] = BOOTREQUEST;
	message[BOOTP_HTYPE] = HTYPE_ETHERNET;
	message[BOOTP_HLEN] = ETHERNET_ADDRESS_SIZE;
	PutBootpAddress(message + BOOTP_XID, xid);	// any 32-bit field goes out most significant byte first
	message[BOOTP_FLAGS] = BROADCAST_FLAG;
	memcpy(message + BOOTP_CHADDR, mac, ETHERNET_ADDRESS_SIZE);
	memcpy(vend, MAGIC_COOKIE, sizeof MAGIC_COOKIE);
	if (stored != 0) {
		vend[p++] = OPT_VENDOR;
		vend[p++] = STORED_OPTION_LENGTH;
		vend[p++] = SUBOPT_STORED_ADDRESS;
		vend[p++] = 4;
		PutBootpAddress(vend + p, stored);
		p += 4;
	}
	vend[p] = OPT_END;
}

ReplyVerdict ReadBootpReply(const unsigned char *message, int length, const unsigned char mac[ETHERNET_ADDRESS_SIZE],
			    uint32_t xid, BootpReply *reply)
{
	if (length < BOOTP_MESSAGE_SIZE)
		return REPLY_SHORT;	// a reply always fills the whole message
	if (message[BOOTP_OP] != BOOTREPLY)
		return REPLY_OP;
	if (GetBootpAddress(message + BOOTP_XID) != xid)
		return REPLY_XID;	// an answer to an earlier request, or to another client
	if (memcmp(message + BOOTP_CHADDR, mac, ETHERNET_ADDRESS_SIZE) != 0)
		return REPLY_CHADDR;
	reply->xid = xid;
	reply->yiaddr = GetBootpAddress(message + BOOTP_YIADDR);
	reply->siaddr = GetBootpAddress(message + BOOTP_SIADDR);
	reply->command = FindStoreCommand(message);
	return REPLY_MATCHED;
}

// Sub-options of one option 43, `length` data bytes at `data`. A sub-option
// that runs past its option ends the walk unread; the last command met wins.
static int WalkStoreSubOptions(const unsigned char *data, int length, int command)
{
	for (int s = 0; s + 2 <= length; ) {
		int code = data[s], size = data[s + 1];
		if (s + 2 + size > length)
			break;
		if (code == SUBOPT_STORE_COMMAND && size >= 1)
			command = data[s + 2];
		s += 2 + size;
	}
	return command;
}

// The option walk of RFC 1497 over the 64-byte vendor area: pad is a lone
// byte, every other code has a length. An option that does not fit inside
// the message ends the walk unread, so a truncated reply yields no command
// rather than a guessed one.
int FindStoreCommand(const unsigned char message[BOOTP_MESSAGE_SIZE])
{
	const unsigned char *vend = message + BOOTP_VEND;
	int command = STORE_COMMAND_NONE;

	for (int p = 4; p < VEND_SIZE && vend[p] != OPT_END; ) {
		if (vend[p] == OPT_PAD) {
			p++;
			continue;
		}
		if (p + 2 > VEND_SIZE || p + 2 + vend[p + 1] > VEND_SIZE)
			break;
		if (vend[p] == OPT_VENDOR)
			command = WalkStoreSubOptions(vend + p + 2, vend[p + 1], command);
		p += 2 + vend[p + 1];
	}
	return command;
}

// Unknown commands leave the store as it is.
uint32_t ApplyStoreCommand(uint32_t stored, int command, uint32_t yiaddr)
{
	if (command == STORE_CMD_STORE)
		return yiaddr;
	if (command == STORE_CMD_ERASE)
		return 0;
	return stored;
}

const char *ReplyVerdictName(ReplyVerdict verdict)
{
	static const char *const names[] = { "matched", "short", "op", "xid", "chaddr" };
	return names[verdict];
}
