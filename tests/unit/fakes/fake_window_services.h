// Window services in memory for the handlers' tests: properties by window and control,
// status parts, button states and menu properties, and a log of every change in order.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "ui/window_services.h"

namespace tavrin::testing {

class FakeWindowServices : public ui::WindowServices {
 public:
  using Key = std::tuple<ui::WindowId, std::string, int>;

  void LoadWindow(ui::WindowId window, bool modal) override {
    log.push_back("load " + std::to_string(int(window)) + (modal ? " modal" : ""));
    loaded[window] = true;
  }
  void DestroyWindow(ui::WindowId window) override {
    log.push_back("destroy " + std::to_string(int(window)));
    loaded[window] = false;
  }
  bool IsLoaded(ui::WindowId window) const override {
    auto it = loaded.find(window);
    return it != loaded.end() && it->second;
  }
  ui::NativeHandle Handle(ui::WindowId window, std::string_view control) override {
    return ui::NativeHandle(1000 * (int(window) + 1) + std::hash<std::string_view>{}(control) % 997);
  }
  int ClientWidth(ui::WindowId) override { return client_width; }
  ui::PropertyValue ReadProperty(ui::WindowId window, std::string_view control,
                                 int number) override {
    auto it = properties.find({window, std::string(control), number});
    return it == properties.end() ? ui::PropertyValue{std::int32_t{0}} : it->second;
  }
  void WriteProperty(ui::WindowId window, std::string_view control, int number,
                     const ui::PropertyValue& value) override {
    log.push_back("write " + std::string(control) + " " + std::to_string(number) + " " +
                  ui::AsText(value));
    properties[{window, std::string(control), number}] = value;
  }
  void SetStatusText(ui::WindowId, std::string_view bar, int part,
                     std::string_view text) override {
    log.push_back("status " + std::string(bar) + " " + std::to_string(part) + " " +
                  std::string(text));
    status[part] = std::string(text);
  }
  void AddButtonState(ui::WindowId, std::string_view, int index, int bits) override {
    log.push_back("button " + std::to_string(index) + " +" + std::to_string(bits));
    button_states[index] |= bits;
  }
  void RemoveButtonState(ui::WindowId, std::string_view, int index, int bits) override {
    log.push_back("button " + std::to_string(index) + " -" + std::to_string(bits));
    button_states[index] &= ~bits;
  }
  void WriteMenuProperty(int item, int number, const ui::PropertyValue& value) override {
    log.push_back("menu " + std::to_string(item) + " " + std::to_string(number) + " " +
                  ui::AsText(value));
    menu[{item, number}] = value;
  }
  ui::PropertyValue ReadMenuProperty(int item, int number) override {
    auto it = menu.find({item, number});
    return it == menu.end() ? ui::PropertyValue{std::int32_t{0}} : it->second;
  }
  void PopUpMenu(ui::WindowId, int item, int x, int y) override {
    log.push_back("popup " + std::to_string(item) + " " + std::to_string(x) + "," +
                  std::to_string(y));
  }
  int ShowMessage(std::string_view text, int flags) override {
    log.push_back("message " + std::string(text) + " " + std::to_string(flags));
    return 1;
  }
  bool InputBox(std::string_view prompt, std::string& text) override {
    log.push_back("input " + std::string(prompt));
    text = input_answer;
    return input_confirms;
  }

  void Set(ui::WindowId window, std::string_view control, int number, ui::PropertyValue value) {
    properties[{window, std::string(control), number}] = std::move(value);
  }
  ui::PropertyValue Get(ui::WindowId window, std::string_view control, int number) {
    return ReadProperty(window, control, number);
  }

  std::vector<std::string> log;
  std::map<Key, ui::PropertyValue> properties;
  std::map<ui::WindowId, bool> loaded;
  std::map<int, std::string> status;
  std::map<int, int> button_states;
  std::map<std::pair<int, int>, ui::PropertyValue> menu;
  int client_width = 0;
  std::string input_answer;
  bool input_confirms = false;
};

}  // namespace tavrin::testing
