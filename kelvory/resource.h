/* Identifiers of the tool's menu, accelerators and dialogs. */
#include "commands.h"

#define IDM_CONFIGURE 102

#define IDC_ETHERNET_ADDRESS 10
#define IDC_IP_ADDRESS 11
#define IDC_HOST_IP 13
#define IDC_STORE 14
#define IDC_ERASE 15
