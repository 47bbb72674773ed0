#ifndef PLUX_SUPPORT_MESSAGES_H
#define PLUX_SUPPORT_MESSAGES_H

#include <cstdint>
#include <string_view>

// The compiled-in catalogue, addressed like a string table: a missing id reads as the empty text, and
// ids outside 0 to 65535 are missing.
std::string_view CatalogueText(std::int64_t id);

#endif
