// The yardstick of the start-up benchmark: a program that does nothing but open one window,
// so that the time Wine itself needs to start a windowed program can be told apart from
// the time Kalvex3 adds to it.

#include "one_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return RunOneWindow(instance, L"BareWindow", L"Bare window", showCommand);
}
