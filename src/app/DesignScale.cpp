#include "app/DesignScale.h"

namespace {

// Rounds halves away from zero, as the platform's MulDiv does.
int MulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

int ScaledFontHeight(int designHeight, int pixelsPerInch) {
    return MulDivRounded(designHeight, pixelsPerInch, kDesignPixelsPerInch);
}

int TDesignScale::Apply(int designSize) const {
    return MulDivRounded(designSize, Numerator, Denominator);
}

TDesignScale DesignScaleFor(int pixelsPerInch, int scaledTextHeight) {
    if (pixelsPerInch == kDesignPixelsPerInch || scaledTextHeight <= 0)
        return TDesignScale{};
    return TDesignScale{scaledTextHeight, kDesignTextHeight};
}
