#include "e2e_support.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <thread>

namespace e2e {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string text(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), length, nullptr,
                      nullptr);
  return text;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto until = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > until) return false;
    Sleep(50);
  }
}

static std::wstring WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

std::wstring SystemFolder() {
  wchar_t buffer[MAX_PATH];
  return WithBackslash(std::wstring(buffer, GetSystemDirectoryW(buffer, MAX_PATH)));
}

std::wstring TempFolder() {
  wchar_t buffer[MAX_PATH];
  return WithBackslash(std::wstring(buffer, GetTempPathW(MAX_PATH, buffer)));
}

std::wstring BuildFolder() {
  wchar_t buffer[MAX_PATH];
  std::wstring path(buffer, GetModuleFileNameW(nullptr, buffer, MAX_PATH));
  return path.substr(0, path.find_last_of(L'\\'));
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<char> ReadAll(const std::wstring& path) {
  std::vector<char> bytes;
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[65536];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read)
    bytes.insert(bytes.end(), chunk, chunk + read);
  CloseHandle(file);
  return bytes;
}

bool WriteAll(const std::wstring& path, const std::vector<char>& bytes) {
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() ||
                  (WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                   written == bytes.size());
  CloseHandle(file);
  return ok;
}

FILETIME LastWrite(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

void RemoveTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

ProgramFolder::ProgramFolder(const std::wstring& base) {
  static int counter = 0;
  path_ = (base.empty() ? TempFolder() : base) + L"tavrin-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  RemoveTree(path_);
  CreateDirectoryW(path_.c_str(), nullptr);
  CopyFileW((BuildFolder() + L"\\tavrin.exe").c_str(), Exe().c_str(), FALSE);
}

ProgramFolder::~ProgramFolder() { RemoveTree(path_); }

void ProgramFolder::Add(const std::wstring& build_file, const std::wstring& as_name) {
  CopyFileW((BuildFolder() + L"\\" + build_file).c_str(),
            (path_ + L"\\" + (as_name.empty() ? build_file : as_name)).c_str(), FALSE);
}

Program::Program(const ProgramFolder& folder, const std::vector<std::wstring>& environment) {
  // The test's environment plus the additions, as the block CreateProcess takes.
  std::vector<wchar_t> block;
  if (wchar_t* own = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = own; *entry; entry += wcslen(entry) + 1)
      block.insert(block.end(), entry, entry + wcslen(entry) + 1);
    FreeEnvironmentStringsW(own);
  }
  for (const std::wstring& entry : environment) {
    block.insert(block.end(), entry.begin(), entry.end());
    block.push_back(0);
  }
  block.push_back(0);

  std::wstring command = L"\"" + folder.Exe() + L"\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                     block.data(), folder.Path().c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
  }
}

Program::~Program() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

namespace {

struct WindowQuery {
  DWORD pid;
  const wchar_t* class_name;
  const std::wstring* title;
  bool visible_only;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto& query = *reinterpret_cast<WindowQuery*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != query.pid) return TRUE;
  if (query.visible_only && !IsWindowVisible(window)) return TRUE;
  if (query.class_name && ClassOf(window) != query.class_name) return TRUE;
  if (query.title && WindowText(window) != *query.title) return TRUE;
  query.found = window;
  return FALSE;
}

}  // namespace

HWND Program::FindWindowOfClass(const wchar_t* class_name) const {
  WindowQuery query{pid_, class_name, nullptr, true};
  EnumWindows(MatchWindow, LPARAM(&query));
  return query.found;
}

HWND Program::WaitForWindow(const wchar_t* class_name, const std::wstring* title,
                            std::chrono::milliseconds timeout) const {
  HWND found = nullptr;
  WaitFor(
      [&] {
        WindowQuery query{pid_, class_name, title, true};
        EnumWindows(MatchWindow, LPARAM(&query));
        found = query.found;
        return found != nullptr;
      },
      timeout);
  return found;
}

HWND Program::WaitForMainWindow(std::chrono::milliseconds timeout) {
  main_ = WaitForWindow(L"Tavrin.MainWindow", nullptr, timeout);
  return main_;
}

std::string Program::Describe() const {
  std::string text;
  DWORD code = 0;
  if (process_ && GetExitCodeProcess(process_, &code) && code != STILL_ACTIVE)
    text = "ended with exit code " + std::to_string(code) + "; ";
  struct Search {
    DWORD pid;
    std::string* text;
  } search{pid_, &text};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& search = *reinterpret_cast<Search*>(data);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == search.pid) {
          *search.text += "[" + Narrow(ClassOf(window)) + " \"" + Narrow(WindowText(window)) +
                          "\"" + (IsWindowVisible(window) ? " visible" : "") + "] ";
        }
        return TRUE;
      },
      LPARAM(&search));
  return text.empty() ? "no windows" : text;
}

std::optional<DWORD> Program::WaitForExit(std::chrono::milliseconds timeout) {
  if (!process_ || WaitForSingleObject(process_, DWORD(timeout.count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::optional<std::wstring> Program::DismissMessageBox(const std::wstring& title,
                                                       std::chrono::milliseconds timeout) {
  const HWND box = WaitForWindow(L"#32770", &title, timeout);
  if (!box) return std::nullopt;
  // The text is the box's static control with the most text.
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == L"Static" && WindowText(child).size() > text.size())
      text = WindowText(child);
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  PostMessageW(box, WM_CLOSE, 0, 0);
  return text;
}

std::wstring WindowText(HWND window) {
  const int length = int(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(text.data())));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256];
  return std::wstring(name, GetClassNameW(window, name, 256));
}

RECT WindowRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT PlaceInParent(HWND window) {
  RECT rect = WindowRectOf(window);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT ClientRectOf(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

void PressKey(WORD key, bool shift) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(100);
}

void MoveMouseTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = LONG(screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
  input.mi.dy = LONG(screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  Sleep(50);
}

void ClickAt(POINT screen, bool twice) {
  MoveMouseTo(screen);
  for (int i = 0; i < (twice ? 2 : 1); ++i) {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(twice ? 30 : 100);
  }
  Sleep(100);
}

bool Focus(HWND window) {
  const HWND root = GetAncestor(window, GA_ROOT);
  return WaitFor(
      [&] {
        SetForegroundWindow(root);
        // The focus of another thread's window can only be read after attaching to it.
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
        SetFocus(window);
        const bool has = GetFocus() == window;
        AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
        return has;
      },
      5s);
}

Screenshot::Screenshot(RECT rect) : rect_(rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  pixels_.resize(std::size_t(width) * height);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  // The screen gives no alpha; the saved picture is opaque.
  std::transform(static_cast<const std::uint32_t*>(bits),
                 static_cast<const std::uint32_t*>(bits) + pixels_.size(), pixels_.begin(),
                 [](std::uint32_t pixel) { return pixel | 0xFF000000u; });
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

COLORREF Screenshot::Pixel(int x, int y) const {
  const int width = rect_.right - rect_.left;
  if (x < rect_.left || x >= rect_.right || y < rect_.top || y >= rect_.bottom) return CLR_INVALID;
  const std::uint32_t bgra =
      pixels_[std::size_t(y - rect_.top) * width + std::size_t(x - rect_.left)];
  return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

bool Screenshot::SaveBmp(const std::wstring& path) const {
  const int width = rect_.right - rect_.left, height = rect_.bottom - rect_.top;
  BITMAPINFOHEADER header{sizeof header, width, -height, 1, 32, BI_RGB};
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = DWORD(file.bfOffBits + pixels_.size() * 4);
  std::vector<char> bytes(reinterpret_cast<const char*>(&file),
                          reinterpret_cast<const char*>(&file) + sizeof file);
  bytes.insert(bytes.end(), reinterpret_cast<const char*>(&header),
               reinterpret_cast<const char*>(&header) + sizeof header);
  bytes.insert(bytes.end(), reinterpret_cast<const char*>(pixels_.data()),
               reinterpret_cast<const char*>(pixels_.data() + pixels_.size()));
  return WriteAll(path, bytes);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

namespace {
constexpr wchar_t kProgramSettings[] = L"Software\\Wine\\AppDefaults\\tavrin.exe";
}  // namespace

ProgramWineSettings::ProgramWineSettings(
    const std::wstring& key,
    std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> values)
    : key_(std::wstring(kProgramSettings) + L"\\" + key) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS)
    return;
  for (const auto& [name, value] : values) {
    RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   DWORD((wcslen(value) + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(handle);
}

ProgramWineSettings::~ProgramWineSettings() {
  RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, kProgramSettings);  // only when nothing else is kept there
}

HttpServer::HttpServer(Answer answer) : answer_(answer) {
  InitializeCriticalSection(&lock_);
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(listener, 16);
  int length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  listener_ = listener;
  thread_ = CreateThread(nullptr, 0, Serve, this, 0, nullptr);
}

HttpServer::~HttpServer() {
  stopping_ = true;
  closesocket(SOCKET(listener_));
  if (thread_) {
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
  }
  for (std::uintptr_t client : unanswered_) closesocket(SOCKET(client));
  WSACleanup();
  DeleteCriticalSection(&lock_);
}

std::wstring HttpServer::Url(const std::string& path) const {
  return L"http://127.0.0.1:" + std::to_wstring(port_) + Widen(path);
}

std::vector<std::string> HttpServer::Paths() const {
  EnterCriticalSection(&lock_);
  std::vector<std::string> copy = paths_;
  LeaveCriticalSection(&lock_);
  return copy;
}

bool HttpServer::WaitForPath(const std::string& path, std::chrono::milliseconds timeout) const {
  return WaitFor(
      [&] {
        const auto paths = Paths();
        return std::find(paths.begin(), paths.end(), path) != paths.end();
      },
      timeout);
}

DWORD WINAPI HttpServer::Serve(void* self_pointer) {
  auto* self = static_cast<HttpServer*>(self_pointer);
  while (!self->stopping_) {
    const SOCKET client = accept(SOCKET(self->listener_), nullptr, nullptr);
    if (client == INVALID_SOCKET) break;
    self->ServeOne(client);
  }
  return 0;
}

void HttpServer::ServeOne(std::uintptr_t client_handle) {
  const SOCKET client = SOCKET(client_handle);
  DWORD timeout = 3000;
  setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
             sizeof timeout);
  std::string request;
  char chunk[2048];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    const int got = recv(client, chunk, sizeof chunk, 0);
    if (got <= 0) break;
    request.append(chunk, got);
  }
  // "GET /path HTTP/1.1"
  const auto first_space = request.find(' ');
  const auto second_space = request.find(' ', first_space + 1);
  if (first_space != std::string::npos && second_space != std::string::npos) {
    EnterCriticalSection(&lock_);
    paths_.push_back(request.substr(first_space + 1, second_space - first_space - 1));
    LeaveCriticalSection(&lock_);
  }
  if (answer_ == Answer::Never) {
    unanswered_.push_back(client_handle);
    return;
  }
  static const char kPage[] =
      "<html><head><title>e2e</title></head><body><a href=\"/next\">next</a></body></html>";
  const std::string response = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                               std::to_string(sizeof kPage - 1) +
                               "\r\nConnection: close\r\n\r\n" + kPage;
  send(client, response.data(), int(response.size()), 0);
  shutdown(client, SD_SEND);
  closesocket(client);
}

}  // namespace e2e
