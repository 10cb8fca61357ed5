// In-process benchmark, run inside Wine: the cost of ApplySkin when the skin file exists
// already (the real file services, the external entry table bound to a stand-in engine that
// returns at once), and of one size change of the loaded main window (the bars' alignment
// and the layout rule, with a plain child and with the real web control in the web view's
// place), each beside its floor: one bare existence test, one size change of an empty
// window of the same size.
//
// Usage: bench_in_process <runs>
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/external_entry_table.h"
#include "app/layout_rule.h"
#include "app/main_window_definition.h"
#include "app/program_handlers.h"
#include "app/win32/module_loader_win32.h"
#include "app/win32/system_services_win32.h"
#include "browser/web_view_link.h"
#include "browser/win32/web_view_factory_win32.h"
#include "skins/apply_skin.h"
#include "ui/win32/window_services_win32.h"

namespace {

using namespace tavrin;

class ExitOnFatal final : public FatalError {
 public:
  [[noreturn]] void Raise(const std::string& message) override {
    std::fprintf(stderr, "fatal: %s\n", message.c_str());
    ExitProcess(3);
  }
};

// Stands in the web view's place: a plain child window that takes its writes.
class PlainView final : public ui::win32::HostedControl {
 public:
  PlainView(HWND parent, int id, const RECT& place)
      : window_(CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE, place.left,
                                place.top, place.right - place.left, place.bottom - place.top,
                                parent, HMENU(INT_PTR(id)), nullptr, nullptr)) {}
  HWND Window() const override { return window_; }
  ui::PropertyValue ReadProperty(int) override { return std::int32_t{0}; }
  void WriteProperty(int, const ui::PropertyValue&) override {}

 private:
  HWND window_;  // a child: destroyed with the main window
};

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1e6 / frequency;  // microseconds
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Microseconds per call of `body`, over `calls` calls, once per run.
std::vector<double> Measure(int runs, int calls, const std::function<void(int)>& body) {
  std::vector<double> per_call;
  body(0);  // warm: first binding, first file lookups
  for (int run = 0; run < runs; ++run) {
    const double start = Now();
    for (int i = 0; i < calls; ++i) body(i);
    per_call.push_back((Now() - start) / calls);
    Pump();
  }
  return per_call;
}

void PrintRow(const char* label, std::vector<double> values, double floor) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  char range[64], ratio[32] = "-";
  std::snprintf(range, sizeof range, "%.1f .. %.1f", values.front(), values.back());
  if (floor > 0) std::snprintf(ratio, sizeof ratio, "%.2fx", median / floor);
  std::printf("  %-44s %9.1f %19s %8s\n", label, median, range, ratio);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The skins as the catalogue gives them; the contents matter only when a file is missing.
const std::array<std::uint8_t, 16> kSkinBytes{'.', 'S', 'H', 'E'};
std::array<SkinEntry, kSkinCount> MakeSkins() {
  std::array<SkinEntry, kSkinCount> skins;
  for (int i = 0; i < kSkinCount; ++i) skins[i] = {kSkinNames[i], kSkinBytes};
  return skins;
}
const std::array<SkinEntry, kSkinCount> kSkins = MakeSkins();

struct SizeFigures {
  std::vector<double> size_change;  // the window's resize, the bars' alignment and the rule
  std::vector<double> rule_alone;   // the layout rule's reads and three writes by themselves
};

// Loads the main window with the program's own handlers (ApplySkin on creation, the layout
// rule on size changes) and the given web view, then times size changes between two sizes.
SizeFigures MeasureSizeChanges(int runs, int calls, SystemServices& system,
                               ExternalEntryTable& external, FatalError& fatal,
                               ui::win32::HostedControlFactory web_view) {
  ui::win32::WindowServicesWin32 windows(
      [](ui::WindowId) -> const ui::WindowDefinition& { return MainWindowDefinition(); }, fatal);
  ProgramHandlers handlers({windows, system, external, SkinCatalogue(kSkins)});
  windows.SetEventHandler(&handlers);
  windows.SetWebViewFactory(std::move(web_view));
  windows.LoadWindow(ui::WindowId::Main, false);
  const HWND main = HWND(windows.Handle(ui::WindowId::Main));
  Pump();
  SizeFigures figures;
  figures.size_change = Measure(runs, calls, [main](int i) {
    SetWindowPos(main, nullptr, 0, 0, 770 + (i & 1) * 40, 511 + (i & 1) * 30,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  });
  figures.rule_alone = Measure(runs, calls, [&windows](int) { RunLayoutRule(windows); });
  windows.ReleaseAll();
  Pump();
  return figures;
}

LRESULT CALLBACK EmptyProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 10;
  OleInitialize(nullptr);
  ExitOnFatal fatal;
  win32::SystemServicesWin32 system;
  win32::ModuleLoaderWin32 loader;
  win32::CallGateWin32 gate;
  // Binds SkinH_EL.dll from this program's folder: the stand-in, not the real engine.
  ExternalEntryTable external(system.ProgramFolder(), loader, gate, fatal);

  // ApplySkin with the file there already: one existence test and one call.
  const std::string path = SkinFilePath(system, kDefaultSkin);
  ApplySkin(kDefaultSkin, SkinCatalogue(kSkins), system, external);  // writes it if missing
  constexpr int kSkinCalls = 2000;
  const auto exists = Measure(runs, kSkinCalls, [&](int) { system.FileExists(path); });
  const auto apply = Measure(runs, kSkinCalls, [&](int) {
    ApplySkin(kDefaultSkin, SkinCatalogue(kSkins), system, external);
  });

  // A size change of an empty window of the same size: the floor of the layout figures.
  WNDCLASSW empty_class{};
  empty_class.lpfnWndProc = EmptyProc;
  empty_class.hInstance = GetModuleHandleW(nullptr);
  empty_class.lpszClassName = L"Bench.Empty";
  RegisterClassW(&empty_class);
  const HWND empty = CreateWindowExW(0, L"Bench.Empty", L"empty", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     0, 0, 770, 511, nullptr, nullptr, nullptr, nullptr);
  constexpr int kSizeCalls = 40;  // a size change takes milliseconds under Wine
  const auto empty_size = Measure(runs, kSizeCalls, [empty](int i) {
    SetWindowPos(empty, nullptr, 0, 0, 770 + (i & 1) * 40, 511 + (i & 1) * 30,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  });
  DestroyWindow(empty);

  const auto plain_size = MeasureSizeChanges(
      runs, kSizeCalls, system, external, fatal,
      [](HWND parent, int id, const RECT& place, ui::win32::RaiseEvent) {
        return std::make_unique<PlainView>(parent, id, place);
      });
  browser::WebViewLink link;
  browser::WebViewSettings settings;
  settings.url.clear();  // no start page: the network is not what is measured
  const auto web_size = MeasureSizeChanges(runs, kSizeCalls, system, external, fatal,
                                           browser::win32::MakeWebViewFactory(link, settings));

  std::printf("\nIn-process costs (microseconds per call; median of %d runs, min .. max)\n", runs);
  std::printf("  %-44s %9s %19s %8s\n", "operation", "median", "min .. max", "/ floor");
  PrintRow("existence test alone (floor)", exists, 0);
  PrintRow("ApplySkin, skin file there already", apply, Median(exists));
  PrintRow("size change of an empty window (floor)", empty_size, 0);
  PrintRow("size change of the main window, plain child", plain_size.size_change,
           Median(empty_size));
  PrintRow("  of which the layout rule alone", plain_size.rule_alone, Median(empty_size));
  PrintRow("size change of the main window, web control", web_size.size_change,
           Median(empty_size));
  PrintRow("  of which the layout rule alone", web_size.rule_alone, Median(empty_size));
  std::fflush(stdout);
  OleUninitialize();
  return 0;
}
