#ifndef PLUX_TESTS_SUPPORT_FAKEPRODUCTKEYS_H
#define PLUX_TESTS_SUPPORT_FAKEPRODUCTKEYS_H

#include <map>
#include <string>

#include "check/ProductScan.h"
#include "toolkit/Exception.h"

// An in-memory product root key: products in enumeration order, each with its "version" behaviour.
class TFakeProductKeys final : public TProductKeys {
public:
    enum class TKind { Text, Locked, Numeric };
    struct TProduct {
        std::string name;
        std::string version;
        TKind kind = TKind::Text;
    };

    bool OpenRoot(const std::string& rootPath) override {
        rootOpen = rootExists && rootPath == expectedRoot;
        return rootOpen;
    }
    TTextList ProductNames() override {
        TTextList names;
        if (!rootOpen)
            return names;
        for (const TProduct& product : products)
            names.push_back(product.name);
        return names;
    }
    std::optional<std::string> ReadVersion(const std::string& productName) override {
        ++versionReads;
        for (const TProduct& product : products) {
            if (product.name != productName)
                continue;
            if (product.kind == TKind::Locked)
                return std::nullopt;
            if (product.kind == TKind::Numeric)
                throw Exception("Invalid data type for 'version'");
            return product.version;
        }
        return std::nullopt;
    }

    std::vector<TProduct> products;
    bool rootExists = true;
    std::string expectedRoot = std::string(kProductRootKey);
    bool rootOpen = false;
    int versionReads = 0;
};

#endif
