// The skin as the user sees it: the default skin installed once and drawn on the main
// window, another skin's content under its name drawn instead, a broken one ignored.
#include "e2e_support.h"

#include <gtest/gtest.h>

#include "app/menu_tree.h"

namespace {

using namespace e2e;

// Key colours of the "enjoy" skin (skins/enjoy.skin).
constexpr COLORREF kEnjoyCaption = RGB(0xD8, 0x1B, 0x60);
constexpr COLORREF kEnjoyFace = RGB(0xFF, 0xF3, 0xC4);
constexpr COLORREF kEnjoyButton = RGB(0x1F, 0xA3, 0x9A);

std::wstring Skin(const wchar_t* name) { return Widen(SKINS_DIR) + L"/" + name + L".she"; }
std::wstring TempSkin(const wchar_t* name) { return TempFolder() + name + L".she"; }

struct Colours {
  COLORREF caption, face, button;
};

// Samples solid areas: the caption left of its buttons, the strip of window background
// right of the web view, and the Go button's face beside its text.
Colours Sample(Program& program) {
  const HWND main = program.Main();
  const RECT outer = WindowRectOf(main);
  POINT client_origin{0, 0};
  ClientToScreen(main, &client_origin);
  const RECT client = ClientRectOf(main);
  RECT go = WindowRectOf(program.Control(1));
  const Screenshot shot(outer);
  const int caption_y = (outer.top + client_origin.y) / 2 - 8;
  return {shot.Pixel(outer.left + 300, std::max<int>(outer.top + 6, caption_y)),
          shot.Pixel(client_origin.x + client.right - 4, client_origin.y + 200),
          shot.Pixel(go.left + 4, (go.top + go.bottom) / 2)};
}

void ForgetSkins() {
  for (const wchar_t* name : {L"enjoy", L"black", L"aero"}) RemoveTree(TempSkin(name));
}

class Skins : public ::testing::Test {
 protected:
  void SetUp() override { ForgetSkins(); }
  void TearDown() override { ForgetSkins(); }

  std::optional<Colours> RunAndSample(const char* picture) {
    Program program(folder_);
    if (!program.WaitForMainWindow()) {
      ADD_FAILURE() << "no main window: " << program.Describe();
      return std::nullopt;
    }
    Sleep(1500);  // the first paint after the skin is attached
    const Colours colours = Sample(program);
    Screenshot(WindowRectOf(program.Main())).SaveBmp(BuildFolder() + L"\\" + Widen(picture));
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    return colours;
  }

  ProgramFolder folder_;
};

TEST_F(Skins, TheDefaultSkinIsInstalledOnceAndDrawsTheMainWindow) {
  const std::optional<Colours> shown = RunAndSample("skin_enjoy.bmp");
  ASSERT_TRUE(shown);
  const Colours colours = *shown;
  EXPECT_EQ(ReadAll(TempSkin(L"enjoy")), ReadAll(Skin(L"enjoy")));
  EXPECT_TRUE(Near(colours.caption, kEnjoyCaption)) << std::hex << colours.caption;
  EXPECT_TRUE(Near(colours.face, kEnjoyFace)) << std::hex << colours.face;
  EXPECT_TRUE(Near(colours.button, kEnjoyButton)) << std::hex << colours.button;
}

TEST_F(Skins, AnotherSkinsContentUnderTheNameIsDrawnAndKept) {
  const std::vector<char> black = ReadAll(Skin(L"black"));
  ASSERT_FALSE(black.empty());
  ASSERT_TRUE(WriteAll(TempSkin(L"enjoy"), black));
  const std::optional<Colours> shown = RunAndSample("skin_black_as_enjoy.bmp");
  ASSERT_TRUE(shown);
  const Colours colours = *shown;
  EXPECT_EQ(ReadAll(TempSkin(L"enjoy")), black);
  EXPECT_FALSE(Near(colours.caption, kEnjoyCaption)) << std::hex << colours.caption;
  EXPECT_FALSE(Near(colours.face, kEnjoyFace)) << std::hex << colours.face;
  // Black's caption is black and its windows charcoal.
  EXPECT_LT(GetRValue(colours.caption) + GetGValue(colours.caption) + GetBValue(colours.caption), 150);
  EXPECT_LT(GetRValue(colours.face) + GetGValue(colours.face) + GetBValue(colours.face), 300);
}

TEST_F(Skins, ABrokenSkinLeavesTheProgramRunningUnskinned) {
  std::vector<char> broken = ReadAll(Skin(L"enjoy"));
  ASSERT_GT(broken.size(), 64u);
  broken.resize(broken.size() / 2);  // cut in the middle of its records
  ASSERT_TRUE(WriteAll(TempSkin(L"enjoy"), broken));
  const std::optional<Colours> shown = RunAndSample("skin_broken.bmp");
  ASSERT_TRUE(shown);
  const Colours colours = *shown;
  EXPECT_EQ(ReadAll(TempSkin(L"enjoy")), broken);
  EXPECT_FALSE(Near(colours.caption, kEnjoyCaption)) << std::hex << colours.caption;
  EXPECT_FALSE(Near(colours.button, kEnjoyButton)) << std::hex << colours.button;
}

// The windows the program opens over the main window are drawn in the skin too, while
// colours the program chose itself stay: the About window is pure green.
TEST_F(Skins, AboutWindowInputBoxAndMessageBoxAreSkinned) {
  // The success message of the favorites window is the program's message box; a stand-in
  // Add to Favorites dialog confirms at once.
  const std::wstring shortcut = folder_.Path() + L"\\Shot.url";
  ProgramWineSettings stand_ins{L"DllOverrides", {{L"shdocvw", L"native,builtin"}}};
  folder_.Add(L"fake_shell\\shdocvw.dll", L"shdocvw.dll");
  Program program(folder_, {L"TAVRIN_FAKE_FAVORITE_PATH=" + shortcut,
                            L"TAVRIN_FAKE_SHELL_LOG=" + folder_.Path() + L"\\calls.log"});
  ASSERT_TRUE(program.WaitForMainWindow());
  // Waits for the window, saves its picture and checks its caption; null when it never came.
  auto shown_skinned = [&](const wchar_t* class_name, const std::wstring& title,
                           const wchar_t* picture) -> HWND {
    const HWND window = program.WaitForWindow(class_name, &title);
    if (!window) return nullptr;
    Sleep(800);  // the first paint after the engine took the window
    const RECT outer = WindowRectOf(window);
    const Screenshot shot(outer);
    shot.SaveBmp(BuildFolder() + L"\\" + picture);
    // Between the title's text and the caption buttons.
    const COLORREF caption = shot.Pixel(outer.right - 110, outer.top + 8);
    EXPECT_TRUE(Near(caption, kEnjoyCaption)) << Narrow(title) << " " << std::hex << caption;
    return window;
  };
  auto close_and_wait = [](HWND window, UINT message, WPARAM wparam) {
    PostMessageW(window, message, wparam, 0);
    return WaitFor([&] { return !IsWindow(window); });
  };

  PostMessageW(program.Main(), WM_COMMAND, MenuCommand(tavrin::kMenuAboutBrowser), 0);
  const HWND about = shown_skinned(L"Tavrin.AboutWindow", L"关于Tavrin浏览器说明", L"skin_about.bmp");
  ASSERT_TRUE(about);
  POINT inside{6, 6};
  ClientToScreen(about, &inside);
  EXPECT_TRUE(Near(Screenshot(WindowRectOf(about)).Pixel(inside.x, inside.y), RGB(0, 255, 0), 4));
  ASSERT_TRUE(close_and_wait(about, WM_CLOSE, 0));

  PostMessageW(program.Main(), WM_COMMAND, MenuCommand(tavrin::kMenuNewWindow), 0);
  const HWND input = shown_skinned(L"#32770", L"请输入：", L"skin_input_box.bmp");
  ASSERT_TRUE(input);
  ASSERT_TRUE(close_and_wait(input, WM_COMMAND, IDCANCEL));

  PostMessageW(program.Main(), WM_COMMAND, MenuCommand(tavrin::kMenuAddFavorite), 0);
  const HWND favorites =
      shown_skinned(L"Tavrin.FavoritesWindow", L"添加到收藏夹", L"skin_favorites.bmp");
  ASSERT_TRUE(favorites);
  SendMessageW(GetDlgItem(favorites, ControlId(0)), WM_SETTEXT, 0, LPARAM(L"http://example.cn/"));
  PostMessageW(GetDlgItem(favorites, ControlId(1)), BM_CLICK, 0, 0);
  const HWND box = shown_skinned(L"#32770", L"信息：", L"skin_message_box.bmp");
  ASSERT_TRUE(box);
  ASSERT_TRUE(close_and_wait(box, WM_COMMAND, IDOK));
  ASSERT_TRUE(close_and_wait(favorites, WM_CLOSE, 0));

  PostMessageW(program.Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
