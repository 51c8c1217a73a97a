#include <string.h>
#include "bootp_request.h"

void MakeRequest(unsigned char buffer[BOOTP_BUFFER_SIZE], const unsigned char mac[6],
		 std::initializer_list<unsigned char> options)
{
	static const unsigned char cookie[4] = { 99, 130, 83, 99 };

	for (int i = 0; i < BOOTP_BUFFER_SIZE; i++)
		buffer[i] = (unsigned char)(i * 7 + 3);
	buffer[BOOTP_OP] = BOOTREQUEST;
	buffer[BOOTP_HTYPE] = HTYPE_ETHERNET;
	buffer[BOOTP_HLEN] = 6;
	buffer[BOOTP_HOPS] = 2;
	memcpy(buffer + BOOTP_CHADDR, mac, 6);
	memcpy(buffer + BOOTP_VEND, cookie, 4);
	unsigned char *at = buffer + BOOTP_VEND + 4;
	for (unsigned char byte : options)
		*at++ = byte;
}
