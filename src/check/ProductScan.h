#ifndef PLUX_CHECK_PRODUCTSCAN_H
#define PLUX_CHECK_PRODUCTSCAN_H

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "check/ProductList.h"

inline constexpr std::string_view kProductRootKey = "SOFTWARE\\Component Suite VCL Products";
// The registry view the machine's scan reads, as reports name it.
inline constexpr std::string_view kProductRegistryView = "32-bit";
// Version entry of a product whose key cannot be opened.
inline constexpr std::string_view kUnreadableVersion = ":[?]";
// The value of a product key that holds its version.
inline constexpr std::string_view kVersionValueName = "version";

// The scan's message for a value whose type is not text: "Invalid data type for 'version'".
std::string InvalidDataTypeMessage(std::string_view valueName);

// The product keys as the scan reads them, read-only.
class TProductKeys {
public:
    virtual ~TProductKeys() = default;
    // Opens the product root key; false when it is missing or refuses reading.
    virtual bool OpenRoot(const std::string& rootPath) = 0;
    // The subkey names of the open root key in the order the store enumerates them; empty when no root is open.
    virtual TTextList ProductNames() = 0;
    // The "version" value of a product key below the open root: empty when the value is missing, nothing
    // when the key cannot be opened. A value of another type than text raises InvalidDataTypeMessage.
    virtual std::optional<std::string> ReadVersion(const std::string& productName) = 0;
};

// Told after each product how many have been read, so that a caller on the user-interface thread can
// show it and keep its windows painting.
using TScanProgress = std::function<void(std::size_t productsRead)>;

// Refills the product list from the store. When a version cannot be read the error leaves the scan with
// every name listed and the versions read so far.
void ScanProducts(TProductKeys& keys,
                  const std::string& rootPath,
                  TProductList& products,
                  const TScanProgress& progress = {});

// The machine-wide registry (32-bit view, where the products' installers register them).
std::unique_ptr<TProductKeys> MachineProductKeys();

#endif
