// The skin as the user sees it: the default skin installed once and drawn on the main
// window, another skin's content under its name drawn instead, a broken one ignored.
#include "e2e_support.h"

#include <gtest/gtest.h>

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

  Colours RunAndSample(const char* picture) {
    Program program(folder_);
    EXPECT_TRUE(program.WaitForMainWindow());
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
  const Colours colours = RunAndSample("skin_enjoy.bmp");
  EXPECT_EQ(ReadAll(TempSkin(L"enjoy")), ReadAll(Skin(L"enjoy")));
  EXPECT_TRUE(Near(colours.caption, kEnjoyCaption)) << std::hex << colours.caption;
  EXPECT_TRUE(Near(colours.face, kEnjoyFace)) << std::hex << colours.face;
  EXPECT_TRUE(Near(colours.button, kEnjoyButton)) << std::hex << colours.button;
}

TEST_F(Skins, AnotherSkinsContentUnderTheNameIsDrawnAndKept) {
  const std::vector<char> black = ReadAll(Skin(L"black"));
  ASSERT_FALSE(black.empty());
  ASSERT_TRUE(WriteAll(TempSkin(L"enjoy"), black));
  const Colours colours = RunAndSample("skin_black_as_enjoy.bmp");
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
  const Colours colours = RunAndSample("skin_broken.bmp");
  EXPECT_EQ(ReadAll(TempSkin(L"enjoy")), broken);
  EXPECT_FALSE(Near(colours.caption, kEnjoyCaption)) << std::hex << colours.caption;
  EXPECT_FALSE(Near(colours.button, kEnjoyButton)) << std::hex << colours.button;
}

}  // namespace
