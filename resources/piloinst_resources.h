#pragma once
// Resource ids of the installer's pictures (resources/piloinst.rc).
#define IDI_PROGRAM_ICON 1
#define IDB_SIDE_PICTURE 101
#define IDB_ALLSET_GLYPH 102
#define IDB_HELP_GLYPH 103
