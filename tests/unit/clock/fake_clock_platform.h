// The clock's whole platform as one fake: every call is recorded in order, so the tests can check
// the sequences of load, unload and the window-menu commands, not only their end state. The
// window's size depends on its state, so measuring it before the restore would show.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "clock/frm_mirel.h"

namespace mirel {

struct FakeClockPlatform : WindowHost, Timer, LoadedWindowList, ClockCommands, Taskbar {
  std::vector<std::string> calls;
  std::string caption = kDesignCaption;
  WindowState state = WindowState::kMinimized;
  bool timerEnabled = false;
  std::string typed;  // what the user enters in the input box; empty: Cancel or empty OK
  // The input box's preview line while the field is empty and once `typed` is in it.
  std::string previewEmpty;
  std::string previewTyped;
  WindowsGeneration windows = WindowsGeneration::k10;
  bool hidesLabels = false;
  MemorySettingsStore settings;

  // WindowHost, Timer, LoadedWindowList
  void SetCaption(const std::string& text) override {
    calls.push_back("caption " + text);
    caption = text;
  }
  void SetWindowState(WindowState s) override {
    calls.push_back(s == WindowState::kNormal ? "restore" : "state");
    state = s;
  }
  void ShowDay(int day) override { calls.push_back("day " + std::to_string(day)); }
  void Unload() override { calls.push_back("unload"); }
  void SetEnabled(bool enabled) override {
    calls.push_back(enabled ? "timer on" : "timer off");
    timerEnabled = enabled;
  }
  void UnloadAll() override { calls.push_back("unload all"); }

  // ClockCommands
  void InstallSysMenu() override { calls.push_back("menu"); }
  std::string InputBox(std::string_view prompt, std::string_view title,
                       InputPreview* preview) override {
    calls.push_back("input " + std::string(title) + " " + std::string(prompt));
    if (preview != nullptr) {
      previewEmpty = preview->Text("");
      previewTyped = preview->Text(typed);
    }
    return typed;
  }
  void ShowCalender() override { calls.push_back("calender"); }
  TwipsSize ScreenSize() const override { return {15360, 11520}; }  // 1024 x 768 pixels
  TwipsSize WindowSize() const override {
    return state == WindowState::kMinimized ? TwipsSize{2400, 375} : TwipsSize{1725, 1185};
  }
  void MoveWindow(std::int32_t left, std::int32_t top) override {
    calls.push_back("move " + std::to_string(left) + " " + std::to_string(top));
  }
  void ShowVersion() override { calls.push_back("version"); }
  void ShowWarning(const std::string& message) override { calls.push_back("warning " + message); }

  // Taskbar
  WindowsGeneration Windows() const override { return windows; }
  bool HidesLabels() const override { return hidesLabels; }
  void ShowLabelTip(const std::string& text) override { calls.push_back("tip " + text); }

  frmMirel MakeForm(std::string command = {}, bool prevInstance = false) {
    return MakeForm(settings, std::move(command), prevInstance);
  }
  frmMirel MakeForm(SettingsStore& store, std::string command = {}, bool prevInstance = false) {
    return frmMirel({*this, *this, store, *this, *this, *this,
                     Application{"Mirel", std::move(command), prevInstance}});
  }
};

}  // namespace mirel
