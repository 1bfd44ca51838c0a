// Controls by ID, messages delivered at once, the icon, subclassing and
// painting.
#include <algorithm>

#include "contract.h"

namespace {

TEST_F(Contract, ControlsAreFoundByIdAndBack) {
  for (int id : {IDC_SELECT, IDC_SWATCH, IDC_RED, IDC_GREEN, IDC_BLUE, IDC_HUE, IDC_SATURATION,
                 IDC_VALUE}) {
    HWND control = GetDlgItem(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(GetDlgCtrlID(control), id);
  }
  EXPECT_EQ(GetDlgItem(dialog, 4242), nullptr);
  // Laid out in pixels from dialog units, each rounded as MulDiv rounds:
  // 213 by 78 units of MS Sans Serif 8 (6 by 13 pixels per 4 by 8).
  RECT client = {};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 127);
  // A bordered control's, 68 by 93 pixels, less its border: Windows makes
  // a dialog control's WS_BORDER a sunken edge of two pixels a side; the
  // other implementations draw one pixel.
  GetClientRect(GetDlgItem(dialog, IDC_SWATCH), &client);
  const LONG border = RunningOnWine() ? 4 : 2;
  EXPECT_EQ(client.right, 68 - border);
  EXPECT_EQ(client.bottom, 93 - border);
}

TEST_F(Contract, CloseAndIconMessagesAreDeliveredAtOnce) {
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  EXPECT_EQ(messages, (std::vector<UINT>{WM_CLOSE}));

  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP)), icon);  // shared
  EXPECT_EQ(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4242)), nullptr);
  SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0)), nullptr);  // each its own
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0)), icon);

  EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
}

// The swatch, subclassed and painted as the program does it.
struct Swatch {
  static WNDPROC previous;
  static std::vector<UINT> seen;
  static COLORREF color;
  static bool brushFreed;

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back(message);
    if (message != WM_PAINT) return CallWindowProcA(previous, window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client = {-1, -1, -1, -1};
    GetClientRect(window, &client);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_GT(client.right, 10);
    EXPECT_GT(client.bottom, 10);
    HBRUSH brush = CreateSolidBrush(color);
    EXPECT_NE(brush, nullptr);
    EXPECT_NE(FillRect(dc, &client, brush), 0);
    brushFreed = DeleteObject(brush) && !DeleteObject(brush);
    EndPaint(window, &paint);
    return 0;
  }
};
WNDPROC Swatch::previous;
std::vector<UINT> Swatch::seen;
COLORREF Swatch::color;
bool Swatch::brushFreed;

TEST_F(Contract, ASubclassedControlGetsItsMessagesAndCanPassThemOn) {
  HWND field = Item(IDC_RED);
  const LONG_PTR original = GetWindowLongPtrA(field, GWLP_WNDPROC);
  Swatch::seen.clear();
  Swatch::previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Swatch::Proc)));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(Swatch::previous), original);
  EXPECT_EQ(GetWindowLongPtrA(field, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Swatch::Proc));
  EXPECT_EQ(GetWindowLongPtrA(field, -21), 0);  // GWLP_USERDATA, which nothing sets, is not the procedure
  // What the new procedure passes on reaches the old one: the field keeps
  // the text, notifies, and gives the text back.
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
  EXPECT_EQ(Text(IDC_RED), "abc");
  EXPECT_EQ(CodesFrom(IDC_RED), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
  EXPECT_EQ(std::count(Swatch::seen.begin(), Swatch::seen.end(), UINT(WM_SETTEXT)), 1);
}

TEST_F(Contract, AnInvalidatedControlIsPaintedWithItsBackgroundErased) {
  HWND swatch = Item(IDC_SWATCH);
  UpdateWindow(dialog);  // whatever was still to be painted from opening
  HDC own = GetDC(swatch);
  // Left to itself, a black rectangle: the window frame's color, black or a
  // dark grey as the desktop's colors have it, never the dialog's face.
  const COLORREF frame = GetPixel(own, 1, 1);
  EXPECT_EQ(frame & 0x808080, 0u) << std::hex << frame;  // each channel below 128
  ReleaseDC(swatch, own);
  Swatch::previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(swatch, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Swatch::Proc)));
  // Erased only when the request asked for it.
  for (const BOOL erase : {TRUE, FALSE}) {
    const COLORREF color = erase ? RGB(10, 200, 30) : RGB(255, 255, 255);
    Swatch::seen.clear();
    Swatch::color = color;
    Swatch::brushFreed = false;
    EXPECT_TRUE(InvalidateRect(swatch, nullptr, erase));
    UpdateWindow(swatch);
    const auto paint = std::find(Swatch::seen.begin(), Swatch::seen.end(), UINT(WM_PAINT));
    ASSERT_NE(paint, Swatch::seen.end());
    EXPECT_EQ(std::count(Swatch::seen.begin(), Swatch::seen.end(), UINT(WM_ERASEBKGND)), erase ? 1 : 0);
    EXPECT_TRUE(Swatch::brushFreed);
    // The whole client area shows the color.
    RECT client;
    GetClientRect(swatch, &client);
    HDC dc = GetDC(swatch);
    EXPECT_EQ(GetPixel(dc, 0, 0), color);
    EXPECT_EQ(GetPixel(dc, client.right - 1, client.bottom - 1), color);
    ReleaseDC(swatch, dc);
  }
  // Nothing invalid, nothing painted.
  Swatch::seen.clear();
  UpdateWindow(swatch);
  EXPECT_EQ(std::count(Swatch::seen.begin(), Swatch::seen.end(), UINT(WM_PAINT)), 0);
}

}  // namespace
