// Builds BOOTP request datagrams for the tests: every field that a reply must
// keep holds a recognisable pattern, so that a changed byte shows.
#ifndef BOOTP_REQUEST_H
#define BOOTP_REQUEST_H

#include <initializer_list>
#include "bootp.h"

// Fills a whole 512-byte buffer: a request from `mac` whose vendor area is the
// magic cookie followed by `options`; the bytes after them hold a pattern.
void MakeRequest(unsigned char buffer[BOOTP_BUFFER_SIZE], const unsigned char mac[6],
		 std::initializer_list<unsigned char> options);

#endif
