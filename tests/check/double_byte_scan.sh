#!/usr/bin/env bash
# Runs the registry scan tests again with the double-byte code page 932, where a product name takes up to
# twice as many bytes as it has characters. Wine takes its code page from the Unix locale, so a private
# ja_JP.UTF-8 locale is generated into the build tree once.
set -eu
WINE=$1
TESTS=$2
LOCALES=$3
if [ ! -d "$LOCALES/ja_JP.UTF-8" ]; then
    mkdir -p "$LOCALES"
    localedef -i ja_JP -f UTF-8 "$LOCALES/ja_JP.UTF-8"
fi
LOCPATH=$LOCALES LC_ALL=ja_JP.UTF-8 PLUX_EXPECT_ACP=932 "$WINE" "$TESTS" --gtest_filter='ProductScanRegistry.*' </dev/null
