#include "clock/day_icon_win.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "clock/day_numeral_win.h"
#include "clock/day_page.h"
#include "components/win32/dpi.h"
#include "components/win32/win_error.h"

namespace mirel {
namespace {

COLORREF ToColorRef(Rgb rgb) {
  return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

// With the device context's own brush: no GDI object is made for a fill.
void Fill(HDC dc, const PixelRect& area, Rgb rgb) {
  ::SetDCBrushColor(dc, ToColorRef(rgb));
  const RECT rect{area.left, area.top, area.right, area.bottom};
  ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

// Which pixels of the square the page covers; the rest is transparent.
std::vector<bool> Coverage(const DayPage& page, int size) {
  std::vector<bool> covered(static_cast<std::size_t>(size) * size, false);
  for (const PagePiece& piece : page.pieces) {
    for (int y = piece.rect.top; y < piece.rect.bottom; ++y) {
      for (int x = piece.rect.left; x < piece.rect.right; ++x) {
        covered[static_cast<std::size_t>(y) * size + x] = true;
      }
    }
  }
  return covered;
}

// GDI leaves the alpha bytes of what it draws at zero: the page is made opaque here, and the
// pixels around it fully transparent, black as alpha icons want them.
void ApplyCoverage(std::uint32_t* pixels, const std::vector<bool>& covered) {
  ::GdiFlush();
  for (std::size_t i = 0; i < covered.size(); ++i) {
    pixels[i] = covered[i] ? (pixels[i] | 0xFF000000u) : 0u;
  }
}

// The AND mask of the icon, for whoever draws it without its alpha: 1 where transparent, rows
// padded to 16 bits as monochrome bitmaps have them.
win32::UniqueBitmap MakeMask(const std::vector<bool>& covered, int size) {
  const int stride = (size + 15) / 16 * 2;
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * size, 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (!covered[static_cast<std::size_t>(y) * size + x]) {
        bits[static_cast<std::size_t>(y) * stride + x / 8] |=
            static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
  }
  win32::UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, bits.data()));
  if (!mask) {
    win32::ThrowWin32Error("CreateBitmap");
  }
  return mask;
}

}  // namespace

win32::UniqueHicon DrawDayIcon(int day, int size) {
  const DayPage page = LayoutDayPage(size);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  win32::UniqueBitmap colour(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  win32::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  if (!colour || !dc) {
    win32::ThrowWin32Error("CreateDIBSection");
  }
  {
    win32::SelectObjectGuard select(dc.Get(), colour.Get());
    for (const PagePiece& piece : page.pieces) {
      Fill(dc.Get(), piece.rect, piece.rgb);
    }
    if (page.pixelDigits) {
      for (const PixelRect& dot : PixelNumeral(day, page.numeralBox)) {
        Fill(dc.Get(), dot, kNumeralRgb);
      }
    } else {
      DrawFontNumeral(dc.Get(), day, page.numeralBox);
    }
  }
  const std::vector<bool> covered = Coverage(page, size);
  ApplyCoverage(static_cast<std::uint32_t*>(bits), covered);
  const win32::UniqueBitmap mask = MakeMask(covered, size);
  ICONINFO icon{TRUE, 0, 0, mask.Get(), colour.Get()};
  win32::UniqueHicon made(::CreateIconIndirect(&icon));  // copies both bitmaps
  if (!made) {
    win32::ThrowWin32Error("CreateIconIndirect");
  }
  return made;
}

void WindowDayIcons::Show(HWND window, int day) {
  const UINT dpi = win32::WindowDpi(window);
  win32::UniqueHicon small = DrawDayIcon(day, win32::SystemMetricForDpi(SM_CXSMICON, dpi));
  win32::UniqueHicon big = DrawDayIcon(day, win32::SystemMetricForDpi(SM_CXICON, dpi));
  // The window takes the new icons before the old ones go: it may draw the one it has any time.
  ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
  ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
  small_ = std::move(small);
  big_ = std::move(big);
}

void WindowDayIcons::Clear(HWND window) noexcept {
  if (window != nullptr) {
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, 0);
    ::SendMessageW(window, WM_SETICON, ICON_BIG, 0);
  }
  small_.Reset();
  big_.Reset();
}

}  // namespace mirel
