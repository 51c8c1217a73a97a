// Whether the process may broadcast: only inside a private network namespace.
#ifndef NETNS_H
#define NETNS_H

bool InHostNetworkNamespace(void);

#endif
