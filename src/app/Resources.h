#ifndef PLUX_APP_RESOURCES_H
#define PLUX_APP_RESOURCES_H

// Resource identifiers, shared by Plux.rc and the code.
#define IDI_PLUX 1
// The glyphs of the image list, in index order.
#define IDB_GLYPH_EXIT_DOOR 101
#define IDB_GLYPH_PAGE_WITH_LINES 102
#define IDB_GLYPH_PRINTER 103
#define IDB_GLYPH_FLOPPY_DISK 104

#endif
