#pragma once
// The program's resources: its icon, the pictures of its windows' stored layouts.

// The lowest icon number is the program file's own icon.
#define IDI_KALVEX3 1
#define IDI_SETTINGS 101
#define IDI_INFO 102
#define IDI_OPEN 103
#define IDI_APPLY 104
#define IDI_BANNER 105
#define IDR_FLOWER 201
