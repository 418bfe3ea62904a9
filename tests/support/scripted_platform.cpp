#include "support/scripted_platform.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands/command_table.h"
#include "platform/resource.h"
#include "text/strings.h"

namespace kalvor::testing {

namespace {

std::string PopAnswer(std::deque<std::string>& answers, const std::string& fallback) {
  if (answers.empty()) return fallback;
  std::string a = answers.front();
  answers.pop_front();
  return a;
}

}  // namespace

int ScriptedUi::Notify(const std::string& text, const std::string& caption,
                       int type) {
  boxes.push_back({text, caption, type});
  int buttons = type & box::kButtonMask;
  if (buttons == box::kOk) return answer::kOk;
  std::string a = ToLower(PopAnswer(answers, buttons == box::kYesNo ? "yes" : "ok"));
  if (buttons == box::kYesNo) return a == "yes" ? answer::kYes : answer::kNo;
  return a == "ok" ? answer::kOk : answer::kCancel;
}

bool ScriptedUi::FileDialog(std::string& result, std::size_t,
                            const std::string& initial_dir,
                            const std::string& pattern) {
  file_dialog_patterns.push_back(pattern);
  file_dialog_dirs.push_back(initial_dir);
  std::string a = PopAnswer(answers, "cancel");
  if (a == "cancel") return false;
  result = a;
  return true;
}

int ScriptedUi::InputBox(const std::string&, const std::string& prompt,
                         std::string& value) {
  input_prompts.push_back(prompt);
  std::string a = PopAnswer(answers, "ok");
  if (a == "cancel") return answer::kCancel;
  if (a != "ok") value = a.substr(0, 119);
  return answer::kOk;
}

int ScriptedUi::RunDialog(DialogModel& model) {
  dialogs_run.push_back(model.TemplateName());
  TableView view;
  model.OnInit(view);
  for (int rounds = 0; !view.ended() && rounds < 20; ++rounds) {
    if (dialog_scripts.empty()) {
      model.OnCommand(kIdOk, view);
      if (!view.ended()) model.OnClose(view);
      break;
    }
    auto script = dialog_scripts.front();
    dialog_scripts.pop_front();
    int command = script(view);
    if (command == kIdCancel) {
      model.OnClose(view);
    } else {
      model.OnCommand(command, view);
    }
  }
  return view.result();
}

void ScriptedUi::ProgressOpen(const std::string& operation, const std::string& file) {
  progress_log.push_back("open " + operation + " " + file);
}

void ScriptedUi::ProgressDraw(unsigned position_k, unsigned total_k, bool animate) {
  ++draws;
  progress_log.push_back("draw " + std::to_string(position_k) + " " +
                         std::to_string(total_k) + (animate ? " a" : ""));
}

void ScriptedUi::ProgressClose() { progress_log.push_back("close"); }

bool ScriptedUi::Showed(const std::string& text, const std::string& caption) const {
  for (const RecordedBox& b : boxes) {
    if (b.text == text && b.caption == caption) return true;
  }
  return false;
}

std::string MemoryProfile::GetString(const std::string& key, const std::string& def,
                                     std::size_t capacity) {
  auto it = values.find(key);
  std::string v = it == values.end() ? def : it->second;
  if (capacity > 0 && v.size() > capacity - 1) v.resize(capacity - 1);
  return v;
}

long MemoryProfile::GetInt(const std::string& key, long def) {
  auto it = values.find(key);
  return it == values.end() ? def : LeadingInt(it->second);
}

bool MemoryProfile::PutString(const std::string& key, const std::string& value) {
  if (!writable) return false;
  values[key] = value;
  return true;
}

OpenResult RecordingShell::Open(const std::string& file, const std::string& parameters,
                                const std::string& directory) {
  launches.push_back({file, parameters, directory});
  auto it = results.find(file);
  return it == results.end() ? OpenResult{.started = true} : it->second;
}

ScratchDir::ScratchDir() {
  std::string base = std::filesystem::temp_directory_path().string();
  std::string templ = base + "/kalvor-test-XXXXXX";
  std::vector<char> buf(templ.begin(), templ.end());
  buf.push_back('\0');
  char* made = ::mkdtemp(buf.data());
  path_ = made ? made : base;
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string Crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::vector<std::string> ScratchFilesIn(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    std::string name = entry.path().filename().string();
    if (name.size() > 2 && name.front() == '~' && name.back() == '~') names.push_back(name);
  }
  return names;
}

TestApp::TestApp() : app(Platform{ui, profile, shell, fs}) {
  app.state.test_dir = dir.path() + "/";
  app.state.last_dir = dir.path();
}

PathOverride::PathOverride(const std::string& value) {
  const char* old = std::getenv("PATH");
  had_ = old != nullptr;
  if (had_) old_ = old;
  ::setenv("PATH", value.c_str(), 1);
}

PathOverride::~PathOverride() {
  if (had_) {
    ::setenv("PATH", old_.c_str(), 1);
  } else {
    ::unsetenv("PATH");
  }
}

void MakeExecutable(const std::string& path) {
  WriteFileBytes(path, "#!/bin/sh\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

Outcome RunArmed(Session& session, int id) { return FindCommand(id)->run(session); }

void TestApp::UseDesign(const std::string& test_id) {
  app.state.test_id = test_id;
  ui.main.SetText(id::kTestId, test_id);
}

}  // namespace kalvor::testing
