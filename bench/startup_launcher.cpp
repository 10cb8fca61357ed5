// Start-up benchmark, run inside Wine: starts each program in turn, times from CreateProcess
// to its first visible top-level window of the expected class (QueryPerformanceCounter,
// polled every millisecond), reads its peak working set once it is idle, closes it, and
// prints the median, minimum and maximum of every figure with ratios against the floor and
// against iexplore. The programs run interleaved, round after round, so that a busy moment
// of the machine falls on all of them alike.
//
// The browser starts loading its start page as soon as its web control exists; iexplore runs
// twice, once with about:blank and once loading a page from a loopback server that takes the
// connection and never answers, which is the like-for-like figure and the one the ratios use.
//
// Usage: bench_startup <runs> <tavrin.exe> <floor.exe> <iexplore.exe>
#include <winsock2.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// A loopback server that accepts connections and holds them without answering: the page
// stays loading, as the browser's start page does while its address is being reached.
class SilentServer {
 public:
  SilentServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 64);
    int length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = CreateThread(nullptr, 0, Accept, this, 0, nullptr);
  }
  ~SilentServer() {
    closesocket(listener_);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    for (SOCKET client : clients_) closesocket(client);
    WSACleanup();
  }
  std::wstring Url() const { return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/"; }

 private:
  static DWORD WINAPI Accept(void* self) {
    auto& server = *static_cast<SilentServer*>(self);
    for (;;) {
      const SOCKET client = accept(server.listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return 0;
      server.clients_.push_back(client);  // the accepting thread's alone until it ends
    }
  }
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  HANDLE thread_ = nullptr;
  std::vector<SOCKET> clients_;
};

struct Target {
  const char* label;
  std::wstring exe;
  std::wstring arguments;
  const wchar_t* window_class;
  bool fresh;  // the skin engine and the default skin are removed before each start
  std::vector<double> milliseconds;
  std::vector<double> peak_mib;
};

struct WindowQuery {
  DWORD pid;
  const wchar_t* window_class;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto& query = *reinterpret_cast<WindowQuery*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != query.pid || !IsWindowVisible(window)) return TRUE;
  wchar_t name[128];
  if (!GetClassNameW(window, name, 128) || wcscmp(name, query.window_class) != 0) return TRUE;
  query.found = window;
  return FALSE;
}

std::wstring WithBackslash(std::wstring folder) {
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

void ForgetEarlierRuns() {
  DeleteFileW((SystemFolder() + L"SkinH_EL.dll").c_str());
  DeleteFileW((TempFolder() + L"enjoy.she").c_str());
}

double Now(LARGE_INTEGER frequency) {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// One start: false when the program did not start or showed no window within 60 s.
bool RunOnce(Target& target, LARGE_INTEGER frequency) {
  if (target.fresh) ForgetEarlierRuns();
  std::wstring command = L"\"" + target.exe + L"\"" +
                         (target.arguments.empty() ? L"" : L" " + target.arguments);
  const std::wstring folder = target.exe.substr(0, target.exe.find_last_of(L'\\'));
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION info{};
  const double start = Now(frequency);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info)) {
    std::fprintf(stderr, "%s: CreateProcess failed (%lu)\n", target.label, GetLastError());
    return false;
  }
  CloseHandle(info.hThread);
  WindowQuery query{info.dwProcessId, target.window_class};
  double shown = 0;
  for (;;) {
    EnumWindows(MatchWindow, LPARAM(&query));
    if (query.found) {
      shown = Now(frequency);
      break;
    }
    if (Now(frequency) - start > 60000 || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0)
      break;
    Sleep(1);
  }
  if (query.found) {
    // Start-up is over once the program waits for input; its peak is read then.
    WaitForInputIdle(info.hProcess, 5000);
    Sleep(300);
    PROCESS_MEMORY_COUNTERS counters{sizeof counters};
    const bool have_memory = GetProcessMemoryInfo(info.hProcess, &counters, sizeof counters);
    target.milliseconds.push_back(shown - start);
    target.peak_mib.push_back(have_memory ? double(counters.PeakWorkingSetSize) / 1048576.0 : 0);
  } else {
    std::fprintf(stderr, "%s: no window of class %ls\n", target.label, target.window_class);
  }
  // Ended from outside: a closed window costs two seconds under Wine on Xvfb (its X11 driver
  // waits for a window manager that is not there), and the end is not what is measured.
  TerminateProcess(info.hProcess, 1);
  WaitForSingleObject(info.hProcess, 10000);
  CloseHandle(info.hProcess);
  return query.found != nullptr;
}

struct Summary {
  double median = 0, min = 0, max = 0;
};

Summary Summarise(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

std::string Ratio(double value, double base) {
  if (base <= 0 || value <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.2fx", value / base);
  return text;
}

void PrintRows(const char* title, const char* unit, std::vector<Target>& targets,
               std::vector<double> Target::*figures, const char* number_format) {
  const Summary floor = Summarise(targets[2].*figures);
  const Summary iexplore = Summarise(targets[3].*figures);  // loading a page, as the browser
  std::printf("\n%s (%s; median of %zu runs, min .. max)\n", title, unit,
              (targets[0].*figures).size());
  std::printf("  %-26s %10s %21s %9s %11s\n", "program", "median", "min .. max", "/ floor",
              "/ iexplore");
  for (Target& target : targets) {
    const Summary s = Summarise(target.*figures);
    char median[32], range[64];
    std::snprintf(median, sizeof median, number_format, s.median);
    char low[32], high[32];
    std::snprintf(low, sizeof low, number_format, s.min);
    std::snprintf(high, sizeof high, number_format, s.max);
    std::snprintf(range, sizeof range, "%s .. %s", low, high);
    std::printf("  %-26s %10s %21s %9s %11s\n", target.label, median, range,
                Ratio(s.median, floor.median).c_str(), Ratio(s.median, iexplore.median).c_str());
  }
}

// The browser runs from a folder of its own holding nothing else, as a user's copy would:
// beside the build's copy lies the skin engine, which the program would bind from there.
std::wstring CopyAlone(const std::wstring& exe) {
  const std::wstring folder = TempFolder() + L"tavrin-bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring copy = folder + L"\\tavrin.exe";
  CopyFileW(exe.c_str(), copy.c_str(), FALSE);
  return copy;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: bench_startup <runs> <tavrin.exe> <floor.exe> <iexplore.exe>\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  const std::wstring browser = CopyAlone(argv[2]);
  SilentServer server;
  std::vector<Target> targets{
      {"tavrin, first start", browser, L"", L"Tavrin.MainWindow", true},
      {"tavrin, later start", browser, L"", L"Tavrin.MainWindow", false},
      {"floor (one 770x511 window)", argv[3], L"", L"Bench.Floor", false},
      {"iexplore, loopback page", argv[4], server.Url(), L"IEFrame", false},
      {"iexplore, about:blank", argv[4], L"about:blank", L"IEFrame", false},
  };
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);

  // One start of each first, not counted: the first ever load of each image is the file
  // cache's work, not the program's.
  for (Target& target : targets) {
    RunOnce(target, frequency);
    target.milliseconds.clear();
    target.peak_mib.clear();
  }
  for (int round = 0; round < runs; ++round) {
    for (Target& target : targets) {
      RunOnce(target, frequency);
      Sleep(100);
    }
    std::fprintf(stderr, "round %d of %d\r", round + 1, runs);
  }
  std::fprintf(stderr, "\n");
  ForgetEarlierRuns();
  PrintRows("Time from process start to the main window shown", "ms", targets,
            &Target::milliseconds, "%.1f");
  PrintRows("Peak resident memory after start-up (PeakWorkingSetSize)", "MiB", targets,
            &Target::peak_mib, "%.1f");
  std::fflush(stdout);
  return 0;
}
