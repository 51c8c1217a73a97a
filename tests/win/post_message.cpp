// post_message CLASS MESSAGE WPARAM: posts a message to the top-level window
// of CLASS, as a user's system would (a display change, a command that has no
// menu item or key). Exit code 1 when no such window runs.
#include <windows.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
	if (argc != 4)
		return 2;
	HWND window = FindWindowA(argv[1], NULL);
	if (!window)
		return 1;
	return PostMessageA(window, (UINT)strtoul(argv[2], NULL, 0), (WPARAM)strtoul(argv[3], NULL, 0), 0) ? 0 : 1;
}
