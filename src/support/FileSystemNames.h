#ifndef PLUX_SUPPORT_FILESYSTEMNAMES_H
#define PLUX_SUPPORT_FILESYSTEMNAMES_H

#include <string_view>

// Whether a path names a device rather than a disk file, by its name alone: a last component that is a
// reserved device name (CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9, CONIN$, CONOUT$) in any letter
// case, with or without an extension and in the forms Windows reads as one ("NUL .txt", "NUL.",
// "NUL:.txt", "NUL:"), or a path in the device namespace ("\\.\" and "\\?\" other than a drive or UNC
// share). Windows opens such names as devices in every folder, so opening them can block or print.
bool NamesDevice(std::string_view path);

#endif
