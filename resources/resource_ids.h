#pragma once

// Numbers of the Windows program's resources, shared by the resource script and the code that
// loads them.

#define SUMORA_IDI_ICON 1
#define SUMORA_IDB_EMBLEM 101
#define SUMORA_IDB_BANNER 102
#define SUMORA_IDC_HAND 103
