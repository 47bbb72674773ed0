#include "check/ProductScan.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/FakeProductKeys.h"

namespace {

using TKind = TFakeProductKeys::TKind;

TEST(ProductScan, KeepsTheStoresOrderAndValuesAsTheyAre) {
    TFakeProductKeys keys;
    keys.products = {{"B (Delphi 7)", " 2.0 "}, {"A (Delphi 7)", ""}, {"C", "", TKind::Locked}};
    TProductList products{{"stale"}, {"stale", "more"}};
    ScanProducts(keys, std::string(kProductRootKey), products);
    EXPECT_EQ(products.ProductNames, (TTextList{"B (Delphi 7)", "A (Delphi 7)", "C"}));
    EXPECT_EQ(products.ProductVersions, (TTextList{" 2.0 ", "", ":[?]"}));

    TProductList again;
    ScanProducts(keys, std::string(kProductRootKey), again);
    EXPECT_EQ(again.ProductNames, products.ProductNames);
    EXPECT_EQ(again.ProductVersions, products.ProductVersions);
}

// The caller hears of every product read, in order, and nothing after a version that cannot be read.
TEST(ProductScan, TellsHowManyProductsHaveBeenRead) {
    TFakeProductKeys keys;
    keys.products = {{"A", "1"}, {"B", "", TKind::Locked}, {"C", "3"}, {"D", "", TKind::Numeric}, {"E", "5"}};
    std::vector<std::size_t> told;
    TProductList products;
    EXPECT_THROW(ScanProducts(keys, std::string(kProductRootKey), products,
                              [&](std::size_t read) {
                                  told.push_back(read);
                                  EXPECT_EQ(products.ProductVersions.size(), read) << "told once the version is in";
                              }),
                 Exception);
    EXPECT_EQ(told, (std::vector<std::size_t>{1, 2, 3}));
}

TEST(ProductScan, MissingRootGivesEmptyLists) {
    TFakeProductKeys keys;
    keys.products = {{"A", "1"}};
    keys.rootExists = false;
    TProductList products{{"stale"}, {"stale"}};
    ScanProducts(keys, std::string(kProductRootKey), products);
    EXPECT_TRUE(products.ProductNames.empty());
    EXPECT_TRUE(products.ProductVersions.empty());
}

TEST(ProductScan, DataTypeErrorStopsTheScanWithAllNamesAndTheVersionsReadSoFar) {
    TFakeProductKeys keys;
    keys.products = {{"A", "1"}, {"B", "", TKind::Numeric}, {"C", "3"}};
    TProductList products;
    try {
        ScanProducts(keys, std::string(kProductRootKey), products);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Invalid data type for 'version'");
    }
    EXPECT_EQ(products.ProductNames.size(), 3u);
    EXPECT_EQ(products.ProductVersions, TTextList{"1"});
    EXPECT_EQ(keys.versionReads, 2);
}

}  // namespace
