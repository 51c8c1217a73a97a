// The device's side of BOOTP: the request that reports the address it holds,
// and the reading of the reply that may tell it to store or to erase one.
#ifndef BOOTP_CLIENT_H
#define BOOTP_CLIENT_H

#include <stdint.h>
#include "address.h"
#include "bootp.h"

#define STORE_COMMAND_NONE (-1)	// the reply carries no sub-option 3

// Why a datagram on the client port is, or is not, the answer to our request.
enum ReplyVerdict { REPLY_MATCHED, REPLY_SHORT, REPLY_OP, REPLY_XID, REPLY_CHADDR };

// The fields of a matched reply that the device acts on or reports.
struct BootpReply {
	uint32_t xid;
	uint32_t yiaddr;	// host order: the address to store
	uint32_t siaddr;	// host order: the server that answered
	int command;		// sub-option 3, or STORE_COMMAND_NONE
};

void BuildBootpRequest(unsigned char message[BOOTP_MESSAGE_SIZE], const unsigned char mac[ETHERNET_ADDRESS_SIZE],
		       uint32_t xid, uint32_t stored);
ReplyVerdict ReadBootpReply(const unsigned char *message, int length, const unsigned char mac[ETHERNET_ADDRESS_SIZE],
			    uint32_t xid, BootpReply *reply);
int FindStoreCommand(const unsigned char message[BOOTP_MESSAGE_SIZE]);
uint32_t ApplyStoreCommand(uint32_t stored, int command, uint32_t yiaddr);
const char *ReplyVerdictName(ReplyVerdict verdict);

#endif
