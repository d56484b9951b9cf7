#include "tests/wine/probe/standard_icon.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct Candidate {
  const wchar_t* name;
  LPCWSTR id;
};

const std::array kCandidates{
    Candidate{L"error", IDI_ERROR},
    Candidate{L"warning", IDI_WARNING},
    Candidate{L"information", IDI_INFORMATION},
    Candidate{L"question", IDI_QUESTION},
};

// Share of the icon's opaque pixels that must match the screen.
constexpr double kMatching = 0.9;

// A width × height 32-bit picture drawn by draw into a fresh DIB section.
template <typename Draw>
std::vector<std::uint32_t> Picture(int width, int height, Draw draw) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  draw(dc);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> picture(pixels, pixels + static_cast<std::size_t>(width) * height);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return picture;
}

bool Close(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xff) - static_cast<int>((b >> shift) & 0xff)) >
        16) {
      return false;
    }
  }
  return true;
}

// The share of the icon's opaque pixels that match screen, where drawn on
// black and on white gives the same colour.
double Match(const std::vector<std::uint32_t>& screen, HICON icon, int width, int height) {
  auto on = [&](int colour) {
    return Picture(width, height, [&](HDC dc) {
      RECT all{0, 0, width, height};
      FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(colour)));
      DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    });
  };
  const auto black = on(BLACK_BRUSH);
  const auto white = on(WHITE_BRUSH);
  int opaque = 0, matching = 0;
  for (std::size_t i = 0; i < screen.size(); ++i) {
    if (!Close(black[i], white[i])) continue;
    ++opaque;
    if (Close(black[i], screen[i])) ++matching;
  }
  return opaque == 0 ? 0.0 : static_cast<double>(matching) / opaque;
}

}  // namespace

std::wstring StandardIconShown(HWND icon_control) {
  RECT rect{};
  GetWindowRect(icon_control, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return L"unknown";
  const auto screen = Picture(width, height, [&](HDC dc) {
    HDC desktop = GetDC(nullptr);
    BitBlt(dc, 0, 0, width, height, desktop, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, desktop);
  });
  const wchar_t* best = L"unknown";
  double best_match = kMatching;
  for (const Candidate& candidate : kCandidates) {
    const double match = Match(screen, LoadIconW(nullptr, candidate.id), width, height);
    if (match >= best_match) {
      best = candidate.name;
      best_match = match;
    }
  }
  return best;
}
