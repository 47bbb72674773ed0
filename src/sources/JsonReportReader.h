#ifndef PLUX_SOURCES_JSONREPORTREADER_H
#define PLUX_SOURCES_JSONREPORTREADER_H

#include <string_view>

#include "sources/MachineProducts.h"

// The installed products of a JSON report that /sjson wrote on another machine, in the report's order:
// every product whose "version" is a text (a removed product's is null); its facts "computer", "user",
// "checkedAt" (as the report writes it, "2024-05-02T08:30:12+02:00"), "registryKey" and "registryView"
// where they hold a text that reads. UTF-8 with or without a byte-order mark, or UTF-16 with one; texts
// come in the program's single-byte set, a character it lacks as "?". Members the report does not know
// are skipped. Not JSON, a report without a "products" list, a product without a text "name" or with a
// "version" that is neither a text nor null raise an error naming the file, the line and its text.
TMachineProducts ReadJsonReport(std::string_view fileBytes, std::string_view fileName);

#endif
