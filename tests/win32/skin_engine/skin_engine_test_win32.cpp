// SkinH_EL.dll under Wine: every catalogue skin attaches and shows its colours on a
// real window, a second attach replaces the first, refused files change nothing, and
// the program's own colours and unknown windows are left alone. Pixels are read back
// from the screen (what a user sees) and through PrintWindow (the engine's print path).
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin_binary.h"
#include "skin_reader.h"

namespace {

using Attach = int(__stdcall*)(const char*, const char*);

const char* const kSkins[] = {"aero",     "asus",     "black",  "compact",    "darkroyale", "dogmax",
                              "elegance", "enjoy",    "gem",    "hlong",      "homestead",  "insomnia",
                              "itunes",   "longhorn", "office2007", "ouframe", "pixos",      "qq2008",
                              "royale",   "storm",    "wish",   "xmp"};

std::string skin_path(const std::string& name) { return std::string(SKINS_DIR_WINDOWS) + "\\" + name + ".she"; }

std::vector<std::uint8_t> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

skin::Skin load_skin(const std::string& name) {
  const auto result = skin::read_skin(read_file(skin_path(name)));
  EXPECT_TRUE(result.ok()) << name;
  return result.skin;
}

void pump() {
  // Let Wine deliver paints and its X11 round trips settle.
  for (int i = 0; i < 30; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

// Whether a pixel lies within a gradient's colour range (with a small tolerance).
::testing::AssertionResult in_gradient(COLORREF pixel, const skin::Gradient& g, const char* where) {
  const int p[3] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
  const int a[3] = {g.from.r, g.from.g, g.from.b}, b[3] = {g.to.r, g.to.g, g.to.b};
  for (int i = 0; i < 3; ++i)
    if (p[i] < std::min(a[i], b[i]) - 6 || p[i] > std::max(a[i], b[i]) + 6)
      return ::testing::AssertionFailure() << where << ": pixel " << std::hex << (pixel & 0xFFFFFF) << " outside #"
                                           << int(g.from.r) << "," << int(g.from.g) << "," << int(g.from.b) << " .. #"
                                           << int(g.to.r) << "," << int(g.to.g) << "," << int(g.to.b);
  return ::testing::AssertionSuccess();
}
::testing::AssertionResult is_color(COLORREF pixel, skin::Rgb c, const char* where) {
  return in_gradient(pixel, skin::Gradient{c, c, false}, where);
}

// A capture of a window's whole rectangle, from the screen or through PrintWindow.
class Capture {
 public:
  Capture(HWND hwnd, bool print) {
    GetWindowRect(hwnd, &rect_);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, rect_.right - rect_.left, rect_.bottom - rect_.top);
    old_ = SelectObject(dc_, bitmap_);
    if (print) PrintWindow(hwnd, dc_, 0);
    else BitBlt(dc_, 0, 0, rect_.right - rect_.left, rect_.bottom - rect_.top, screen, rect_.left, rect_.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  }
  ~Capture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;
  // A pixel at window coordinates.
  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  RECT rect_{};
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

LRESULT CALLBACK green_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  static HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  if (msg == WM_CTLCOLORSTATIC) {
    SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
    SetBkColor(reinterpret_cast<HDC>(wparam), RGB(0, 255, 0));
    return reinterpret_cast<LRESULT>(green);
  }
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

void register_classes() {
  static bool done = false;
  if (done) return;
  done = true;
  WNDCLASSW plain{};
  plain.lpfnWndProc = DefWindowProcW;
  plain.hInstance = GetModuleHandleW(nullptr);
  plain.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  plain.lpszClassName = L"SkinTestWindow";
  RegisterClassW(&plain);
  WNDCLASSW green{};
  green.lpfnWndProc = green_proc;
  green.hInstance = GetModuleHandleW(nullptr);
  green.hbrBackground = CreateSolidBrush(RGB(0, 255, 0));
  green.lpszClassName = L"SkinTestGreen";
  RegisterClassW(&green);
  WNDCLASSW web{};
  web.lpfnWndProc = DefWindowProcW;
  web.hInstance = GetModuleHandleW(nullptr);
  web.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  web.lpszClassName = L"Shell Embedding";
  RegisterClassW(&web);
}

// A top-level window like the program's: caption with the three buttons, a push
// button, an edit box, a label, a status bar and a web-control stand-in.
class TestWindow {
 public:
  explicit TestWindow(const wchar_t* cls = L"SkinTestWindow") {
    register_classes();
    hwnd_ = CreateWindowExW(0, cls, L"t", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                            60, 60, 420, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    button_ = child(L"Button", L"OK", BS_PUSHBUTTON, 20, 20, 120, 30);
    edit_ = child(L"Edit", L"", ES_AUTOHSCROLL, 20, 70, 200, 24, WS_EX_CLIENTEDGE);
    label_ = child(L"Static", L"", SS_LEFT, 250, 70, 100, 24);
    web_ = child(L"Shell Embedding", nullptr, 0, 20, 110, 200, 80);
    status_ = child(STATUSCLASSNAMEW, nullptr, 0, 0, 0, 0, 0);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    pump();
  }
  ~TestWindow() { DestroyWindow(hwnd_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Window coordinates of a point in the client area / in a child.
  POINT client_point(int x, int y) const { return to_window(hwnd_, x, y); }
  POINT in(HWND child, int x, int y) const { return to_window(child, x, y); }
  POINT caption_point() const {
    RECT wr, cr;
    GetWindowRect(hwnd_, &wr);
    GetClientRect(hwnd_, &cr);
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&cr), 2);
    const int frame = wr.bottom - cr.bottom;  // bottom frame = top frame
    return POINT{(wr.right - wr.left) * 6 / 10, frame + 3};
  }
  HWND button() const { return button_; }
  HWND edit() const { return edit_; }
  HWND label() const { return label_; }
  HWND web() const { return web_; }
  HWND status() const { return status_; }

 private:
  HWND child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, DWORD ex = 0) {
    return CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  POINT to_window(HWND of, int x, int y) const {
    POINT p{x, y};
    ClientToScreen(of, &p);
    RECT wr;
    GetWindowRect(hwnd_, &wr);
    return POINT{p.x - wr.left, p.y - wr.top};
  }

  HWND hwnd_, button_, edit_, label_, web_, status_;
};

class SkinEngine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    module_ = LoadLibraryW(L"SkinH_EL.dll");
    ASSERT_NE(module_, nullptr);
    attach_ = reinterpret_cast<Attach>(reinterpret_cast<void*>(GetProcAddress(module_, "SkinH_Attach_Ex")));
    ASSERT_NE(attach_, nullptr);
  }
  int attach(const std::string& name) {
    const int result = attach_(skin_path(name).c_str(), "");
    pump();
    return result;
  }

  // The window shows the skin: caption, window background, push button, edit box, status bar.
  void expect_skin(const TestWindow& w, const skin::Skin& s, bool print = false) {
    pump();
    Capture shot(w.hwnd(), print);
    const POINT caption = w.caption_point();
    EXPECT_TRUE(in_gradient(shot.at(caption.x, caption.y), s.gradient(skin::GradientId::CaptionActive), "caption"))
        << s.name;
    const POINT face = w.client_point(300, 150);
    EXPECT_TRUE(is_color(shot.at(face.x, face.y), s.color(skin::ColorId::Face), "background")) << s.name;
    // Wine's WM_PRINT draws no children (PRF_CHILDREN is ignored): through PrintWindow
    // only the frame and the background can be checked.
    if (print) return;
    const POINT button = w.in(w.button(), 8, 15);
    EXPECT_TRUE(in_gradient(shot.at(button.x, button.y), s.gradient(skin::GradientId::ButtonNormal), "button"))
        << s.name;
    const POINT edit = w.in(w.edit(), 150, 10);
    EXPECT_TRUE(is_color(shot.at(edit.x, edit.y), s.color(skin::ColorId::EditBackground), "edit")) << s.name;
    RECT sr;
    GetClientRect(w.status(), &sr);
    const POINT status = w.in(w.status(), sr.right / 2, sr.bottom / 2);
    EXPECT_TRUE(in_gradient(shot.at(status.x, status.y), s.gradient(skin::GradientId::StatusBar), "status bar"))
        << s.name;
  }

  static inline HMODULE module_ = nullptr;
  static inline Attach attach_ = nullptr;
};

TEST_F(SkinEngine, EveryCatalogueSkinAttachesAndShowsItsColours) {
  TestWindow w;
  for (const char* name : kSkins) {
    ASSERT_EQ(attach(name), 1) << name;
    expect_skin(w, load_skin(name));
  }
}

TEST_F(SkinEngine, SecondAttachReplacesTheSkin) {
  TestWindow w;
  ASSERT_EQ(attach("enjoy"), 1);
  expect_skin(w, load_skin("enjoy"));
  ASSERT_EQ(attach("black"), 1);
  expect_skin(w, load_skin("black"));
  const POINT caption = w.caption_point();
  Capture shot(w.hwnd(), false);
  EXPECT_FALSE(is_color(shot.at(caption.x, caption.y), load_skin("enjoy").gradient(skin::GradientId::CaptionActive).from,
                        "caption"));
}

TEST_F(SkinEngine, PrintWindowShowsTheSkin) {
  TestWindow w;
  ASSERT_EQ(attach("gem"), 1);
  expect_skin(w, load_skin("gem"), true);
}

TEST_F(SkinEngine, WindowsCreatedLaterAreSkinned) {
  ASSERT_EQ(attach("office2007"), 1);
  TestWindow w;
  expect_skin(w, load_skin("office2007"));
}

// Bad input: the call returns 0, the process goes on and the attached skin stays.
TEST_F(SkinEngine, RefusedFilesChangeNothing) {
  const std::string dir = SKINS_DIR_WINDOWS;
  const std::string temp = dir + "\\..\\skin_engine_test_broken.she";
  const auto good = read_file(skin_path("enjoy"));
  ASSERT_FALSE(good.empty());
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;  // written to `temp` when not empty
    std::string path;
  };
  std::vector<std::uint8_t> bad_magic = good, truncated(good.begin(), good.begin() + good.size() / 2),
                            bad_version = good, oversized(2u << 20, 0x2E);
  bad_magic[0] = 'X';
  bad_version[4] = 9;
  std::vector<std::uint8_t> flipped = good;
  flipped.back() ^= 1;
  const std::vector<Case> cases = {
      {"missing file", {}, dir + "\\no_such_skin.she"},
      {"folder", {}, dir},
      {"empty path", {}, ""},
      {"device", {}, "NUL"},
      {"bad magic", bad_magic, temp},
      {"truncated", truncated, temp},
      {"bad version", bad_version, temp},
      {"checksum", flipped, temp},
      {"oversized", oversized, temp},
  };
  TestWindow w;
  ASSERT_EQ(attach("enjoy"), 1);
  for (const Case& c : cases) {
    if (!c.bytes.empty()) {
      std::ofstream out(c.path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(c.bytes.data()), static_cast<std::streamsize>(c.bytes.size()));
    }
    EXPECT_EQ(attach_(c.path.c_str(), ""), 0) << c.what;
    EXPECT_EQ(attach_(c.path.c_str(), "verify"), 0) << c.what;
  }
  EXPECT_EQ(attach_(nullptr, ""), 0);
  EXPECT_EQ(attach_(nullptr, nullptr), 0);
  DeleteFileA(temp.c_str());
  expect_skin(w, load_skin("enjoy"));
}

// The engine's own copy of the reader, on hostile files that pass the checksum: every
// byte of a real skin replaced (with the header made to agree again) and every cut.
// The engine must answer each one and go on; cuts are always refused.
TEST_F(SkinEngine, MutatedFilesAreAnsweredWithoutHarm) {
  const std::string path = std::string(SKINS_DIR_WINDOWS) + "\\..\\skin_engine_test_mutant.she";
  const auto good = read_file(skin_path("itunes"));  // the one with a bitmap chunk
  ASSERT_GT(good.size(), skin::binary::kHeaderSize);
  auto reseal = [](std::vector<std::uint8_t> b) {
    if (b.size() >= skin::binary::kHeaderSize) {
      const auto size = static_cast<std::uint32_t>(b.size());
      for (int i = 0; i < 4; ++i) b[12 + i] = static_cast<std::uint8_t>(size >> (8 * i));
      const std::uint32_t sum = skin::binary::checksum(b.data(), b.size());
      for (int i = 0; i < 4; ++i) b[skin::binary::kChecksumOffset + i] = static_cast<std::uint8_t>(sum >> (8 * i));
    }
    return b;
  };
  auto verify = [&](const std::vector<std::uint8_t>& bytes) {
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    return attach_(path.c_str(), "verify");
  };
  int accepted = 0;
  for (std::size_t i = 0; i < good.size(); ++i) {
    auto bytes = good;
    bytes[i] ^= 0xFF;
    const int result = verify(reseal(bytes));
    ASSERT_TRUE(result == 0 || result == 1) << "byte " << i;
    accepted += result;
  }
  for (std::size_t cut = 0; cut < good.size(); cut += 7) {
    std::vector<std::uint8_t> part(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(verify(reseal(part)), 0) << "cut at " << cut;
  }
  DeleteFileA(path.c_str());
  // Changed colour bytes are still a good skin; changed structure is not.
  EXPECT_GT(accepted, 0);
  EXPECT_LT(accepted, static_cast<int>(good.size()));
  EXPECT_EQ(attach_(skin_path("itunes").c_str(), "verify"), 1);
}

TEST_F(SkinEngine, VerifyChecksWithoutAttaching) {
  TestWindow w;
  ASSERT_EQ(attach("enjoy"), 1);
  EXPECT_EQ(attach_(skin_path("xmp").c_str(), "verify"), 1);
  expect_skin(w, load_skin("enjoy"));
}

// The program's own colours stay: a green class brush and a label answering
// WM_CTLCOLORSTATIC with green and black text, under any skin.
TEST_F(SkinEngine, ProgramColoursStay) {
  TestWindow w(L"SkinTestGreen");
  SetWindowTextW(w.label(), L"");
  ASSERT_EQ(attach("black"), 1);
  Capture shot(w.hwnd(), false);
  const POINT face = w.client_point(300, 150);
  EXPECT_EQ(shot.at(face.x, face.y) & 0xFFFFFF, RGB(0, 255, 0));
  const POINT label = w.in(w.label(), 50, 12);
  EXPECT_EQ(shot.at(label.x, label.y) & 0xFFFFFF, RGB(0, 255, 0));
}

TEST_F(SkinEngine, UnknownWindowsKeepTheirLookAndGeometryStays) {
  TestWindow w;
  RECT before;
  GetClientRect(w.hwnd(), &before);
  ASSERT_EQ(attach("insomnia"), 1);
  RECT after;
  GetClientRect(w.hwnd(), &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "the client area keeps its size";
  Capture shot(w.hwnd(), false);
  const POINT web = w.in(w.web(), 100, 40);
  EXPECT_EQ(shot.at(web.x, web.y) & 0xFFFFFF, RGB(255, 255, 255)) << "the web control is left alone";
}

// Controls inside the web control keep the system's look; a label placed over the
// toolbar takes the toolbar's colour.
TEST_F(SkinEngine, WebControlInsidesAreLeftAloneAndToolbarLabelsBlendIn) {
  TestWindow w;
  HWND inner = CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 100, 40, w.web(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_FLAT, 0, 0, 0,
                                 0, w.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
  HWND on_toolbar = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 300, 2, 60, 14, w.hwnd(), nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(on_toolbar, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ASSERT_EQ(attach("enjoy"), 1);
  const skin::Skin s = load_skin("enjoy");
  Capture shot(w.hwnd(), false);
  const POINT button = w.in(inner, 8, 20);
  EXPECT_FALSE(in_gradient(shot.at(button.x, button.y), s.gradient(skin::GradientId::ButtonNormal), "web button"));
  const POINT bar = w.in(toolbar, 250, 5);
  EXPECT_TRUE(in_gradient(shot.at(bar.x, bar.y), s.gradient(skin::GradientId::Toolbar), "toolbar"));
  const POINT label = w.in(on_toolbar, 30, 7);
  EXPECT_TRUE(in_gradient(shot.at(label.x, label.y), s.gradient(skin::GradientId::Toolbar), "label on the toolbar"));
}

TEST_F(SkinEngine, MaximiseAndRestoreKeepTheSkin) {
  TestWindow w;
  ASSERT_EQ(attach("royale"), 1);
  SendMessageW(w.hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  pump();
  EXPECT_TRUE(IsZoomed(w.hwnd()));
  SendMessageW(w.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  pump();
  EXPECT_FALSE(IsZoomed(w.hwnd()));
  expect_skin(w, load_skin("royale"));
}

// Push button states each show their own look (the control's own classic painting
// on state changes must not show through).
TEST_F(SkinEngine, PushButtonStatesShowTheirLooks) {
  TestWindow w;
  ASSERT_EQ(attach("enjoy"), 1);
  const skin::Skin s = load_skin("enjoy");
  struct State {
    const char* what;
    void (*apply)(HWND);
    skin::GradientId look;
  };
  const State states[] = {
      {"normal", [](HWND) {}, skin::GradientId::ButtonNormal},
      {"pressed", [](HWND b) { SendMessageW(b, BM_SETSTATE, TRUE, 0); }, skin::GradientId::ButtonPressed},
      {"released", [](HWND b) { SendMessageW(b, BM_SETSTATE, FALSE, 0); }, skin::GradientId::ButtonNormal},
      {"disabled", [](HWND b) { EnableWindow(b, FALSE); }, skin::GradientId::ButtonDisabled},
      {"enabled again", [](HWND b) { EnableWindow(b, TRUE); }, skin::GradientId::ButtonNormal},
  };
  for (const State& state : states) {
    state.apply(w.button());
    pump();
    Capture shot(w.hwnd(), false);
    const POINT p = w.in(w.button(), 8, 15);
    EXPECT_TRUE(in_gradient(shot.at(p.x, p.y), s.gradient(state.look), state.what));
  }
}

// A new title and a change of the active window repaint the caption in the skin,
// active and inactive.
TEST_F(SkinEngine, CaptionFollowsTitleAndActivation) {
  TestWindow w;
  ASSERT_EQ(attach("enjoy"), 1);
  const skin::Skin s = load_skin("enjoy");
  SetWindowTextW(w.hwnd(), L"新的标题");
  pump();
  const POINT caption = w.caption_point();
  {
    Capture shot(w.hwnd(), false);
    EXPECT_TRUE(in_gradient(shot.at(caption.x, caption.y), s.gradient(skin::GradientId::CaptionActive), "active"));
  }
  TestWindow other;
  MoveWindow(other.hwnd(), 600, 500, 200, 150, TRUE);
  SetActiveWindow(other.hwnd());
  pump();
  {
    Capture shot(w.hwnd(), false);
    EXPECT_TRUE(in_gradient(shot.at(caption.x, caption.y), s.gradient(skin::GradientId::CaptionInactive), "inactive"));
  }
  SetActiveWindow(w.hwnd());
  pump();
  Capture shot(w.hwnd(), false);
  EXPECT_TRUE(in_gradient(shot.at(caption.x, caption.y), s.gradient(skin::GradientId::CaptionActive), "active again"));
}

// Caption buttons are hit-tested by the skin's own layout.
TEST_F(SkinEngine, CaptionButtonsHitTest) {
  TestWindow w;
  ASSERT_EQ(attach("enjoy"), 1);
  RECT wr;
  GetWindowRect(w.hwnd(), &wr);
  const POINT caption = w.caption_point();
  const skin::Skin s = load_skin("enjoy");
  const int bw = s.metric(skin::MetricId::CaptionButtonWidth);
  RECT cr;
  GetClientRect(w.hwnd(), &cr);
  const int frame = caption.y - 3;
  const int mid_y = wr.top + frame + GetSystemMetrics(SM_CYCAPTION) / 2;
  auto hit = [&](int x_from_right) {
    return SendMessageW(w.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(wr.right - x_from_right, mid_y));
  };
  EXPECT_EQ(hit(frame + 2 + bw / 2), HTCLOSE);
  EXPECT_EQ(hit(frame + 2 + bw + 2 + 2 + bw / 2), HTMAXBUTTON);
  EXPECT_EQ(hit(frame + 2 + 2 * (bw + 2) + 2 + bw / 2), HTMINBUTTON);
  EXPECT_EQ(hit((wr.right - wr.left) / 2), HTCAPTION);
}

// A message box (#32770 with its static and buttons) takes the skin's face colour.
HWND g_box = nullptr;
COLORREF g_box_pixel = CLR_INVALID;
void CALLBACK inspect_box(HWND owner, UINT, UINT_PTR id, DWORD) {
  g_box = FindWindowW(L"#32770", L"skin box");
  if (!g_box) return;
  KillTimer(owner, id);
  pump();
  Capture shot(g_box, false);
  RECT cr;
  GetClientRect(g_box, &cr);
  POINT p{cr.right - 4, 4};
  ClientToScreen(g_box, &p);
  RECT wr;
  GetWindowRect(g_box, &wr);
  g_box_pixel = shot.at(p.x - wr.left, p.y - wr.top);
  PostMessageW(g_box, WM_COMMAND, IDOK, 0);
}

TEST_F(SkinEngine, MessageBoxIsSkinned) {
  TestWindow w;
  ASSERT_EQ(attach("enjoy"), 1);
  SetTimer(w.hwnd(), 77, 200, inspect_box);
  MessageBoxW(w.hwnd(), L"text", L"skin box", MB_OK);
  ASSERT_NE(g_box, nullptr);
  EXPECT_TRUE(is_color(g_box_pixel, load_skin("enjoy").color(skin::ColorId::Face), "message box"));
}

}  // namespace
