#pragma once
// Resource ids of the page shell's pictures, shared by the resource script and the code.
#define IDB_CHELAN_LOGO 201
#define IDB_MUSIC_ON 202
#define IDB_MUSIC_OFF 203
#define IDB_CLOCK_ON 204
#define IDB_CLOCK_OFF 205
#define IDB_EXIT 206
