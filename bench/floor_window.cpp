// The floor of the start-up benchmark: a program that only registers a class and opens one
// visible window of the browser's size (770 x 511), then runs a message loop.
#include <windows.h>

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = FloorProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"Bench.Floor";
  if (!RegisterClassW(&window_class)) return 1;
  const HWND window = CreateWindowExW(0, L"Bench.Floor", L"floor", WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 770, 511, nullptr, nullptr,
                                      instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
