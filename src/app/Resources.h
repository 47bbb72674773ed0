#ifndef PLUX_APP_RESOURCES_H
#define PLUX_APP_RESOURCES_H

// Resource identifiers, shared by Plux.rc and the code.
#define IDI_PLUX 1
// The glyphs of the image list, in index order.
#define IDB_GLYPH_EXIT_DOOR 101
#define IDB_GLYPH_PAGE_WITH_LINES 102
#define IDB_GLYPH_PRINTER 103
#define IDB_GLYPH_FLOPPY_DISK 104
// The same pictures at the size of large icons, in the same order.
#define IDB_GLYPH_EXIT_DOOR_LARGE 111
#define IDB_GLYPH_PAGE_WITH_LINES_LARGE 112
#define IDB_GLYPH_PRINTER_LARGE 113
#define IDB_GLYPH_FLOPPY_DISK_LARGE 114

#endif
