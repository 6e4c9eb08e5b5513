// The sample client's program file: a 32-bit Windows program without a manifest, as the
// ICQ Lite client was built before Windows Vista, so that it is met as users have it: a
// program that Windows virtualizes for a standard user. It does nothing when started.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
