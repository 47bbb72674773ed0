#include "toolkit/bars/view/GlyphList_win.h"

#include <cstdint>
#include <vector>

#include "toolkit/Exception.h"
#include "toolkit/win/Win32Error_win.h"

namespace {

using TPixels = std::vector<std::uint32_t>;  // BGRA, top-down rows of the whole strip

BITMAPINFO StripInfo(int size, int count) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size * count;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Reads one resource bitmap into its place in the strip.
void ReadGlyph(int size, int resourceId, int index, int count, TPixels& strip) {
    TScopedBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap)
        ThrowLastError("LoadImage");
    BITMAP shape{};
    if (!GetObjectA(bitmap.Get(), sizeof shape, &shape) || shape.bmWidth != size || shape.bmHeight != size)
        throw Exception("Glyph " + std::to_string(resourceId) + " is not a " + std::to_string(size) + " x " +
                        std::to_string(size) + " bitmap");
    BITMAPINFO info = StripInfo(size, 1);
    std::vector<std::uint32_t> glyph(static_cast<std::size_t>(size * size));
    TScopedDC dc(CreateCompatibleDC(nullptr));
    if (GetDIBits(dc.Get(), bitmap.Get(), 0, static_cast<UINT>(size), glyph.data(), &info, DIB_RGB_COLORS) != size)
        ThrowLastError("GetDIBits");
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            strip[static_cast<std::size_t>(y * size * count + index * size + x)] =
                glyph[static_cast<std::size_t>(y * size + x)];
}

// AlphaBlend wants the colour channels multiplied by alpha already.
std::uint32_t Premultiplied(std::uint32_t pixel, unsigned alphaScale) {
    const unsigned alpha = ((pixel >> 24) * alphaScale) / 255;
    std::uint32_t result = alpha << 24;
    for (int shift : {0, 8, 16})
        result |= (((pixel >> shift) & 0xFFu) * alpha / 255) << shift;
    return result;
}

// A disabled glyph: its brightness only, lightened, at half opacity.
std::uint32_t Greyed(std::uint32_t pixel) {
    const unsigned blue = pixel & 0xFF, green = (pixel >> 8) & 0xFF, red = (pixel >> 16) & 0xFF;
    const unsigned grey = 96 + (red * 30 + green * 59 + blue * 11) / 100 * 160 / 255;
    return (pixel & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
}

TScopedBitmap StripBitmap(const TPixels& pixels, int size, int count) {
    BITMAPINFO info = StripInfo(size, count);
    void* bits = nullptr;
    TScopedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        ThrowLastError("CreateDIBSection");
    std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    return bitmap;
}

}  // namespace

TGlyphList::TGlyphList(int size, std::initializer_list<int> bitmapResourceIds)
    : size_(size), count_(static_cast<int>(bitmapResourceIds.size())), dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_)
        ThrowLastError("CreateCompatibleDC");
    TPixels strip(static_cast<std::size_t>(size_ * size_ * count_));
    int index = 0;
    for (int id : bitmapResourceIds)
        ReadGlyph(size_, id, index++, count_, strip);
    TPixels normal(strip.size()), disabled(strip.size());
    for (std::size_t i = 0; i < strip.size(); ++i) {
        normal[i] = Premultiplied(strip[i], 255);
        disabled[i] = Premultiplied(Greyed(strip[i]), 128);
    }
    normal_ = StripBitmap(normal, size_, count_);
    disabled_ = StripBitmap(disabled, size_, count_);
}

void TGlyphList::Draw(HDC dc, int index, int x, int y, bool enabled) const {
    if (index < 0 || index >= count_)
        return;
    TSelectObject selection(dc_.Get(), (enabled ? normal_ : disabled_).Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, size_, size_, dc_.Get(), index * size_, 0, size_, size_, blend);
}

void TGlyphList::DrawCentred(HDC dc, int index, const RECT& area, bool enabled) const {
    Draw(dc, index, (area.left + area.right - size_) / 2, (area.top + area.bottom - size_) / 2, enabled);
}
