// The event lines on stdout: an event word, then key=value pairs separated
// by single blanks, values without blanks, one line per event, flushed at once.
//
//   ready                                  every socket is set up
//   listening port=P
//   connect conn=N peer=A.B.C.D:P          N counts connections from 1
//   command conn=N text=TEXT               the line, blanks and control bytes as _
//   close conn=N received=HEX              every byte the connection brought, in order
//   request xid=XXXXXXXX stored=A.B.C.D    0.0.0.0 when the device holds none
//   reply xid=XXXXXXXX yiaddr=A.B.C.D siaddr=A.B.C.D command=1|2|none src=A.B.C.D:P length=N
//                                          (another command value is printed as its number)
//   ignored reason=short|op|xid|chaddr src=A.B.C.D:P
//   store address=A.B.C.D
//   erase
//   done                                   the BOOTP client has stopped
#ifndef EVENTS_H
#define EVENTS_H

#include <stddef.h>

void Event(const char *format, ...) __attribute__((format(printf, 1, 2)));
void EventWithHex(const char *head, const unsigned char *bytes, size_t count);

#endif
