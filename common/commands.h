/* Command identifiers that both programs number alike. */
#define IDM_ABOUT 101
#define IDM_EXIT 103
