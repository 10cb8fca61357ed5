// Drives the real program from outside, as a user would: starts it from a fresh folder,
// finds its windows, reads their texts and places, clicks, types, and waits for its end.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <utility>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

// Control ids of a window: 100 + the control's index in its definition.
inline int ControlId(int index) { return 100 + index; }
inline int MenuCommand(int item) { return 1000 + item; }
inline int ToolbarCommand(int index) { return 2000 + index; }

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// Polls until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

std::wstring SystemFolder();  // with a trailing backslash
std::wstring TempFolder();    // with a trailing backslash
std::wstring BuildFolder();   // the folder of the test executable, where tavrin.exe lies
bool Exists(const std::wstring& path);
bool IsFolder(const std::wstring& path);
std::vector<char> ReadAll(const std::wstring& path);
bool WriteAll(const std::wstring& path, const std::vector<char>& bytes);
FILETIME LastWrite(const std::wstring& path);
void RemoveTree(const std::wstring& path);

// A fresh folder holding a copy of the program; removed with everything in it.
class ProgramFolder {
 public:
  // Under the temporary folder, or under `base` (with a trailing backslash).
  explicit ProgramFolder(const std::wstring& base = {});
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
  const std::wstring& Path() const { return path_; }  // no trailing backslash
  std::wstring Exe() const { return path_ + L"\\tavrin.exe"; }
  // Copies a file of the build folder (a test library, for instance) beside the program.
  void Add(const std::wstring& build_file, const std::wstring& as_name = {});

 private:
  std::wstring path_;
};

// The running program. Ends it (if still running) when it goes.
class Program {
 public:
  // Starts the program; `environment` entries "NAME=value" are added to the test's own.
  explicit Program(const ProgramFolder& folder, const std::vector<std::wstring>& environment = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD ProcessId() const { return pid_; }
  HANDLE Process() const { return process_; }

  // The program's visible top-level window with this class, or null.
  HWND FindWindowOfClass(const wchar_t* class_name) const;
  // Waits for the main window to be shown.
  HWND WaitForMainWindow(std::chrono::milliseconds timeout = 20s);
  // Waits for a top-level window of the program whose class and title match (any when null).
  HWND WaitForWindow(const wchar_t* class_name, const std::wstring* title,
                     std::chrono::milliseconds timeout = 10s) const;
  HWND Main() const { return main_; }
  // What the program shows now: its top-level windows and whether it still runs, for the
  // message of a failed wait.
  std::string Describe() const;
  HWND Control(int index) const { return GetDlgItem(main_, ControlId(index)); }

  // Waits for the end of the process and gives its exit code, or none on time-out.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = 15s);
  // Dismisses a message box of the program (its first button), returning its text.
  std::optional<std::wstring> DismissMessageBox(const std::wstring& title,
                                                std::chrono::milliseconds timeout = 10s);

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
};

std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);
RECT WindowRectOf(HWND window);
// The place of a child window in its parent's client coordinates.
RECT PlaceInParent(HWND window);
RECT ClientRectOf(HWND window);
// Sends a key press and release to the foreground window through the system's input.
void PressKey(WORD key, bool shift = false);
// Clicks the left mouse button at a screen point through the system's input.
void ClickAt(POINT screen, bool twice = false);
void MoveMouseTo(POINT screen);
// Brings the window to the front and gives it the focus, waiting until it has it.
bool Focus(HWND window);
// Captures a rectangle of the screen as the user sees it.
class Screenshot {
 public:
  explicit Screenshot(RECT screen_rect);
  COLORREF Pixel(int x, int y) const;  // screen coordinates; CLR_INVALID outside
  bool SaveBmp(const std::wstring& path) const;

 private:
  RECT rect_;
  std::vector<std::uint32_t> pixels_;  // top-down BGRA
};
// True when the two colours differ by at most `tolerance` in every channel.
bool Near(COLORREF a, COLORREF b, int tolerance = 24);

// Wine settings for tavrin.exe alone (HKCU\Software\Wine\AppDefaults\tavrin.exe\<key>),
// read by the program when it starts, for as long as the object lives.
class ProgramWineSettings {
 public:
  ProgramWineSettings(const std::wstring& key,
                      std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> values);
  ~ProgramWineSettings();
  ProgramWineSettings(const ProgramWineSettings&) = delete;
  ProgramWineSettings& operator=(const ProgramWineSettings&) = delete;

 private:
  std::wstring key_;
};

// A loopback HTTP server on 127.0.0.1 that records the request lines and answers every
// request with a small page, or never (the page then stays loading). Stops with the object.
class HttpServer {
 public:
  enum class Answer { Page, Never };
  explicit HttpServer(Answer answer = Answer::Page);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;
  int Port() const { return port_; }
  std::wstring Url(const std::string& path) const;
  std::vector<std::string> Paths() const;  // the paths requested so far, in order
  bool WaitForPath(const std::string& path, std::chrono::milliseconds timeout = 10s) const;

 private:
  static DWORD WINAPI Serve(void* self);
  void ServeOne(std::uintptr_t client);
  Answer answer_;
  std::uintptr_t listener_ = ~std::uintptr_t(0);
  int port_ = 0;
  HANDLE thread_ = nullptr;
  mutable CRITICAL_SECTION lock_;
  std::vector<std::string> paths_;
  std::vector<std::uintptr_t> unanswered_;  // the serving thread's until it ends
  volatile bool stopping_ = false;
};

}  // namespace e2e
