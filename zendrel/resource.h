/* Identifiers of the client's menu, accelerators and dialogs. */
#include "commands.h"

#define IDM_EDIT_ADDRESS 102
#define IDM_READ_VERSION 104
#define IDM_ENTER_LINE 105
#define IDM_RUN_STATS 106
#define IDM_RUN_SOCKETS 107
#define IDM_RUN_HOSTTAB 108
#define IDM_RUN_LINE 109

#define IDC_IP_ADDRESS 11
#define IDC_COMMAND_LINE 12
