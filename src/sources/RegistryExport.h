#ifndef PLUX_SOURCES_REGISTRYEXPORT_H
#define PLUX_SOURCES_REGISTRYEXPORT_H

#include <string_view>

#include "sources/MachineProducts.h"

// A registry export (.reg) of the product root key as another machine's scan would read it: a
// "REGEDIT4" file in the single-byte set or a "Windows Registry Editor Version 5.00" file (UTF-16 LE
// with its byte-order mark, as the editor writes it; any encoding ini::DecodeText knows is taken).
//
// The file is read as an import would apply it, line by line: "[key]" creates a key, "[-key]" deletes it
// with its subkeys, "name"=- deletes a value, a later value replaces an earlier one. Products are the
// subkeys of the product root key (under SOFTWARE\Wow6432Node when the file holds that key, as a 64-bit
// machine stores the 32-bit view the scan reads; else under SOFTWARE) in the order of the file, which is
// the order in which the exporting machine listed them; a key named again keeps its first place and
// spelling. A product's version is its "version" value: a string or expandable string (unexpanded, cut
// at its first NUL), empty when the value is missing; any other type fails as the scan does, with
// "Invalid data type for 'version'". A product whose name has a character the single-byte set lacks
// gets ":[?]", as the scan cannot open its key by the name it lists. Keys elsewhere are skipped unread;
// ";" lines are comments.
//
// Errors name the file, the line number and the line: a file that does not start with either header,
// a key line without its closing bracket, and a line of a product key that is not a well-formed value.
// The facts hold the product root key as the file names it, and the view "32-bit" for the Wow6432Node key.
TMachineProducts ReadRegistryExport(std::string_view fileBytes, std::string_view fileName);

#endif
