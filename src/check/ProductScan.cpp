#include "check/ProductScan.h"

std::string InvalidDataTypeMessage(std::string_view valueName) {
    return "Invalid data type for '" + std::string(valueName) + "'";
}

void ScanProducts(TProductKeys& keys,
                  const std::string& rootPath,
                  TProductList& products,
                  const TScanProgress& progress) {
    products.ProductNames.clear();
    products.ProductVersions.clear();
    // A missing root key simply lists no products.
    keys.OpenRoot(rootPath);
    products.ProductNames = keys.ProductNames();
    products.ProductVersions.reserve(products.ProductNames.size());
    for (const std::string& name : products.ProductNames) {
        const auto version = keys.ReadVersion(name);
        products.ProductVersions.push_back(version ? *version : std::string(kUnreadableVersion));
        if (progress)
            progress(products.ProductVersions.size());
    }
}
