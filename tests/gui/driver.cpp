// kvdriver: drives the Windows program the way a person does and checks
// what it shows. It starts kalvor.exe, finds its windows by class and
// caption, types into edits, clicks radio buttons, menu items and Run, reads
// the option line, answers message boxes by their caption and text, chooses
// files in the open-file dialog, and reads WIN.INI back.
//
//   kvdriver KALVOR.EXE KVKIT.EXE WORK-DIR ARTEFACT-DIR CORPUS-DIR
//            EXAMPLES-DIR EXPECTED-DIR NETTRAN.EXE
//
// EXPECTED-DIR holds what the command-line program made of the example
// design (counter.mac, counter.wir, its summary box in summary.txt);
// NETTRAN.EXE is the netlist translator's stand-in.
//
// Prints one line per scenario and "N passed, N failed"; exits 1 on failure.
// Every wait polls for what it waits for; its bound only turns a hang into a
// failure and is generous, as the machine may be loaded. No assertion
// depends on how long anything takes.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPatienceMs = 90000;  // a window that never comes: failure

std::string g_exe;
std::string g_kit_exe;
std::string g_work;
std::string g_artefacts;
std::string g_corpus;
std::string g_examples;
std::string g_expected;
std::string g_nettran;

// ------------------------------------------------------------- reporting

struct Failure {
  std::string what;
};

void Check(bool ok, const std::string& what) {
  if (!ok) throw Failure{what};
}

void CheckEq(const std::string& got, const std::string& want, const std::string& what) {
  if (got != want) throw Failure{what + ": got \"" + got + "\", want \"" + want + "\""};
}

// ------------------------------------------------------------- files

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Whether `dir` holds a scratch file ("~NAME.TOKEN~") left by a rewrite.
bool HasScratchFile(const std::string& dir) {
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((dir + "\\~*~").c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return false;
  FindClose(h);
  return true;
}

// Waits for a file that another program writes whole under a scratch name
// and then renames, and returns its bytes. The name can exist before the file
// opens: the renaming program still holds it open for deletion for a moment,
// and an open that does not share deletion fails meanwhile. So this polls
// until the bytes are read, not until the name is there.
std::string WaitForWrittenFile(const std::string& path) {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
    std::string bytes = ReadBytes(path);
    if (!bytes.empty()) return bytes;
    Sleep(50);
  }
  throw Failure{path + " was never written"};
}

// The copy is on the disk when this returns. Left to the system, a large
// design copied just before a timed conversion reached the disk during it,
// and the conversion's flush of its .mac waited for the disk to take both
// (60-90 ms instead of 20 ms); the command-line program's copy (`cp`) stays
// in memory meanwhile.
void CopyBytes(const std::string& from, const std::string& to) {
  std::string bytes = ReadBytes(from);
  Check(!bytes.empty(), from + " is readable");
  WriteBytes(to, bytes);
  HANDLE h = CreateFileA(to.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  Check(h != INVALID_HANDLE_VALUE && FlushFileBuffers(h), to + " is on the disk");
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

// The lines of a text file, CR LF ends taken off.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void CheckHasLine(const std::string& bytes, const std::string& line, const std::string& file) {
  std::vector<std::string> lines = Lines(bytes);
  Check(std::find(lines.begin(), lines.end(), line) != lines.end(),
        file + " holds the line \"" + line + "\"");
}

std::string Lower(std::string s) {
  if (!s.empty()) CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

// The test directory as the program keeps it: the short form, in the
// letter case of the names on the disk.
std::string ShortDir(const std::string& dir) {
  char buf[MAX_PATH] = {0};
  DWORD n = GetShortPathNameA(dir.c_str(), buf, MAX_PATH);
  std::string s = n ? std::string(buf, n) : dir;
  if (s.empty() || s.back() != '\\') s += '\\';
  return s;
}

// ------------------------------------------------------------- WIN.INI

std::string Ini(const char* key) {
  char buf[1024] = {0};
  GetProfileStringA("RDMX", key, "<missing>", buf, sizeof buf);
  return buf;
}

void ClearIni() { WriteProfileStringA("RDMX", nullptr, nullptr); }

// ------------------------------------------------------------- windows

std::string Text(HWND hwnd) {
  char buf[4096] = {0};
  SendMessageA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
  return buf;
}

std::string Caption(HWND hwnd) {
  char buf[1024] = {0};
  GetWindowTextA(hwnd, buf, sizeof buf);
  return buf;
}

std::string ClassOf(HWND hwnd) {
  char buf[256] = {0};
  GetClassNameA(hwnd, buf, sizeof buf);
  return buf;
}

struct Search {
  DWORD pid;
  std::string cls;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == s->cls) {
    s->found.push_back(hwnd);
  }
  return TRUE;
}

std::vector<HWND> TopWindows(DWORD pid, const std::string& cls) {
  Search s{pid, cls, {}};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

BOOL CALLBACK CollectAll(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

// A window that waits for the user: an enabled dialog other than the
// modeless progress window, which stays up beside the boxes of a conversion.
std::vector<HWND> Prompts(DWORD pid) {
  std::vector<HWND> prompts;
  for (HWND b : TopWindows(pid, "#32770")) {
    if (IsWindowEnabled(b) && Caption(b) != "Progress") prompts.push_back(b);
  }
  return prompts;
}

// A command sent to the program from a thread of ours, so that a modal box
// it opens does not block the driver.
struct Pending {
  HWND target = nullptr;
  UINT message = 0;
  WPARAM wparam = 0;
  LPARAM lparam = 0;
  HANDLE thread = nullptr;
  // When the thread sent the command (performance counter): the user's
  // click, which the making of the thread comes before.
  volatile LONG64 sent_at = 0;
  // When the program returned from it: the command's end, however late the
  // driver looks.
  volatile LONG64 returned_at = 0;
};

DWORD WINAPI SendThread(LPVOID p) {
  auto* pending = static_cast<Pending*>(p);
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  InterlockedExchange64(&pending->sent_at, now.QuadPart);
  SendMessageA(pending->target, pending->message, pending->wparam, pending->lparam);
  QueryPerformanceCounter(&now);
  InterlockedExchange64(&pending->returned_at, now.QuadPart);
  return 0;
}

struct Box {
  HWND hwnd = nullptr;
  std::string caption;
  std::string text;
};

// A command answered through: its prompts (boxes and dialogs that waited
// for the user) and the user's wall clock, in milliseconds, from the click
// that started it to its end; the same less the time the prompts waited for
// their answer; and from the last answer to the end.
struct Answered {
  std::vector<Box> prompts;
  std::vector<double> work_ms;  // before each prompt came, and after the last
  double wall_ms = 0;
  double busy_ms = 0;
  double after_last_ms = 0;
};

std::string Describe(const Box& b) { return "[" + b.caption + "] " + b.text; }

class Kalvor {
 public:
  // Starts the program with `argument` as its command line (may be empty).
  void Start(const std::string& argument) {
    std::string line = "kalvor.exe";
    if (!argument.empty()) line += " " + argument;
    std::vector<char> cmd(line.begin(), line.end());
    cmd.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    // On a loaded machine the emulator may refuse a start while the last
    // program is still being torn down: tried again until it starts.
    DWORD error = 0;
    for (DWORD waited = 0; waited < kPatienceMs; waited += 200) {
      if (CreateProcessA(g_exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         g_work.c_str(), &si, &pi_) != 0) {
        error = 0;
        break;
      }
      error = GetLastError();
      Sleep(200);
    }
    Check(error == 0, "kalvor.exe starts (error " + std::to_string(error) + ")");
    WaitForInputIdle(pi_.hProcess, kPatienceMs);
    for (DWORD waited = 0; waited < kPatienceMs; waited += 100) {
      std::vector<HWND> mains = TopWindows(pi_.dwProcessId, "KalvorDlgClass");
      if (!mains.empty()) {
        main_ = mains[0];
        CheckEq(Caption(main_), "Kalvor", "main dialog caption");
        return;
      }
      Sleep(100);
    }
    throw Failure{"the main dialog (class KalvorDlgClass) never appeared"};
  }

  HWND main() const { return main_; }
  DWORD pid() const { return pi_.dwProcessId; }
  HANDLE thread() const { return pi_.hThread; }  // the program's window thread
  HWND Item(int id) const { return GetDlgItem(main_, id); }
  std::string Get(int id) const { return Text(Item(id)); }
  void Set(int id, const std::string& text) {
    SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  // Clicks a button of the main dialog as the mouse does.
  void Press(int id) { Send(Item(id), BM_CLICK, 0, 0); }
  // Chooses a menu item.
  void Menu(int id) { Send(main_, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // The title bar's Close.
  void Close() { Send(main_, WM_SYSCOMMAND, SC_CLOSE, 0); }

  // The next dialog window of the program: a message box, the open-file
  // dialog or a parameter dialog.
  // `besides`: a dialog of the program that asks the box (left out should
  // it be enabled, so that its own check can report it).
  Box NextBox(HWND besides = nullptr) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
      for (HWND b : Prompts(pi_.dwProcessId)) {
        if (b != besides) return Box{b, Caption(b), Text(GetDlgItem(b, 0xFFFF))};
      }
      Sleep(50);
    }
    throw Failure{"no dialog appeared"};
  }

  // Waits for a message box with this caption and text and presses `button`.
  void Answer(const std::string& caption, const std::string& text, int button) {
    Box box = NextBox();
    CheckEq(Describe(box), "[" + caption + "] " + text, "message box");
    Click(box.hwnd, button);
  }

  // Waits until the last command has been handled completely. Fails when a
  // dialog appears instead.
  void Idle() {
    if (!pending_.thread) return;
    for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
      if (WaitForSingleObject(pending_.thread, 0) == WAIT_OBJECT_0) {
        CloseHandle(pending_.thread);
        pending_.thread = nullptr;
        return;
      }
      for (HWND b : Prompts(pi_.dwProcessId)) {
        throw Failure{"unexpected dialog " + Describe(Box{b, Caption(b), Text(GetDlgItem(b, 0xFFFF))})};
      }
      Sleep(50);
    }
    throw Failure{"the program did not finish a command"};
  }

  // Answers every dialog until the last command is done; returns them.
  std::vector<Box> DismissAll() {
    std::vector<Box> seen;
    for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
      if (!pending_.thread || WaitForSingleObject(pending_.thread, 0) == WAIT_OBJECT_0) {
        if (pending_.thread) CloseHandle(pending_.thread);
        pending_.thread = nullptr;
        return seen;
      }
      for (HWND b : Prompts(pi_.dwProcessId)) {
        seen.push_back(Box{b, Caption(b), Text(GetDlgItem(b, 0xFFFF))});
        int button = GetDlgItem(b, IDNO) ? IDNO : GetDlgItem(b, IDCANCEL) ? IDCANCEL : IDOK;
        Click(b, button);
        waited = 0;
      }
      Sleep(50);
    }
    throw Failure{"the program did not finish a command"};
  }

  // Answers every prompt until the last command is done, as a user
  // converting a design does: No to questions, OK to messages and dialogs
  // (`press` first, when a prompt has that button). `watch` is called
  // between prompts while the command works. The times are the user's
  // wall clock (see Answered).
  Answered AnswerAll(int press = 0, const std::function<void()>& watch = {},
                     unsigned watch_every = 5) {
    Answered run;
    LARGE_INTEGER frequency, start, now, last;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    last = start;
    double waiting = 0;  // prompts up, before their answer
    auto ms = [&](const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
      return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
             static_cast<double>(frequency.QuadPart);
    };
    // The program's windows that are no prompt (the main dialog, the
    // progress window, windows of the emulator's own): not asked about
    // again. A hidden dialog (one made ahead, say) costs one question until
    // it shows.
    std::set<HWND> others;
    std::set<HWND> dialogs;
    auto is_prompt = [&](HWND w) {
      if (others.count(w)) return false;
      if (!dialogs.count(w)) {
        if (ClassOf(w) != "#32770") {
          others.insert(w);
          return false;
        }
        dialogs.insert(w);
      }
      if (!IsWindowVisible(w)) return false;
      if (Caption(w) == "Progress") {
        others.insert(w);
        return false;
      }
      return IsWindowEnabled(w) != FALSE;
    };
    // Every question is a round trip to the emulator's server, which the
    // program waits for while the driver is served: most looks ask only
    // for the program's active window (a box or dialog is made active as
    // it shows); every 25th, and the first, goes through all its windows,
    // for a prompt that was not made active.
    unsigned looks = 0;
    auto next_prompt = [&]() -> HWND {
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      if (GetGUIThreadInfo(pi_.dwThreadId, &info) && info.hwndActive &&
          is_prompt(info.hwndActive)) {
        return info.hwndActive;
      }
      if (looks++ % 25 != 0) return nullptr;
      std::vector<HWND> windows;
      EnumThreadWindows(pi_.dwThreadId, CollectAll, reinterpret_cast<LPARAM>(&windows));
      for (HWND w : windows) {
        if (is_prompt(w)) return w;
      }
      return nullptr;
    };
    // The clock runs from the click, which the thread that sends it made
    // after `start` (the making of a thread is the driver's, not the
    // program's).
    auto from_click = [&]() {
      LONG64 sent = InterlockedCompareExchange64(&pending_.sent_at, 0, 0);
      if (pending_.thread && run.prompts.empty() && sent > start.QuadPart) {
        start.QuadPart = sent;
        last = start;
      }
    };
    // Whether the command has returned: asked once here and after each
    // answer, otherwise by the wait between two looks (a request less per
    // look than asking again).
    auto has_returned = [&](DWORD wait_ms) {
      return !pending_.thread || WaitForSingleObject(pending_.thread, wait_ms) == WAIT_OBJECT_0;
    };
    bool ended = has_returned(0);
    // Prompts come soon after the click or an answer: the driver looks every
    // 2 ms then, and every 5 and 10 ms once the command has worked on for
    // 100 and 300 ms without one (each look is requests to the server that
    // the program needs too; on two cores a look every 2 ms through a long
    // conversion took a fifth of a core from it, with the server).
    DWORD pause = 2;
    unsigned watch_looks = 0;
    for (DWORD waited = 0; waited < 10 * kPatienceMs; waited += pause) {
      if (ended) {
        QueryPerformanceCounter(&now);
        from_click();
        LONG64 returned = InterlockedCompareExchange64(&pending_.returned_at, 0, 0);
        if (pending_.thread && returned > last.QuadPart) now.QuadPart = returned;
        if (pending_.thread) CloseHandle(pending_.thread);
        pending_.thread = nullptr;
        run.wall_ms = ms(start, now);
        run.busy_ms = run.wall_ms - waiting;
        run.after_last_ms = ms(last, now);
        run.work_ms.push_back(run.after_last_ms);
        return run;
      }
      if (HWND b = next_prompt()) {
        LARGE_INTEGER seen;
        QueryPerformanceCounter(&seen);
        from_click();
        run.work_ms.push_back(ms(last, seen));
        run.prompts.push_back(Box{b, Caption(b), Text(GetDlgItem(b, 0xFFFF))});
        int button = press && GetDlgItem(b, press) ? press : GetDlgItem(b, IDNO) ? IDNO : IDOK;
        Click(b, button);
        QueryPerformanceCounter(&last);
        waiting += ms(seen, last);
        waited = 0;
        pause = 2;
        ended = has_returned(0);
        continue;
      }
      if (watch && watch_looks++ % watch_every == 0) watch();
      pause = waited < 100 ? 2 : waited < 300 ? 5 : 10;
      // Woken as soon as the command returns: the clock stops at its end,
      // not at the driver's next look.
      ended = has_returned(pause);
    }
    throw Failure{"the program did not finish a command"};
  }

  // The results area: the messages of the last command that asked nothing.
  std::string Results() const { return Get(121); }

  // Chooses `path` in the open-file dialog.
  void ChooseFile(const std::string& path) {
    Box box = NextBox();
    Check(box.caption.rfind("Choose ", 0) == 0,
          "the open-file dialog's caption says what to choose: " + box.caption);
    FillOpenDialog(box.hwnd, path);
  }

  static void FillOpenDialog(HWND dialog, const std::string& path) {
    HWND name = GetDlgItem(dialog, 0x47c);  // file name combo box
    if (!name) name = GetDlgItem(dialog, 0x480);  // file name edit
    Check(name != nullptr, "open-file dialog has a file name field");
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    Click(dialog, IDOK);
  }

  // Waits for the program to end; returns its exit code.
  DWORD WaitExit() {
    Check(WaitForSingleObject(pi_.hProcess, kPatienceMs) == WAIT_OBJECT_0,
          "the program ends");
    DWORD code = 1;
    GetExitCodeProcess(pi_.hProcess, &code);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
    pi_ = {};
    if (pending_.thread) {
      WaitForSingleObject(pending_.thread, kPatienceMs);
      CloseHandle(pending_.thread);
      pending_.thread = nullptr;
    }
    return code;
  }

  // A scenario that failed leaves no program behind.
  ~Kalvor() {
    if (pi_.hProcess) {
      TerminateProcess(pi_.hProcess, 9);
      WaitForSingleObject(pi_.hProcess, kPatienceMs);
      CloseHandle(pi_.hProcess);
      CloseHandle(pi_.hThread);
    }
    if (pending_.thread) {
      WaitForSingleObject(pending_.thread, kPatienceMs);
      CloseHandle(pending_.thread);
    }
  }

  // Presses button `id` of a dialog that stays open (or opens a box).
  static void Push(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }

  // Presses button `id` of a dialog and waits until the dialog is gone.
  static void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    // Watched closely: the command's clock runs on while this waits.
    for (DWORD waited = 0; waited < kPatienceMs; waited += 2) {
      if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return;
      Sleep(2);
    }
    throw Failure{"dialog [" + Caption(dialog) + "] did not close on button " + std::to_string(id)};
  }

 private:
  void Send(HWND target, UINT message, WPARAM wparam, LPARAM lparam) {
    Idle();
    pending_.target = target;
    pending_.message = message;
    pending_.wparam = wparam;
    pending_.lparam = lparam;
    pending_.sent_at = 0;
    pending_.returned_at = 0;
    pending_.thread = CreateThread(nullptr, 0, SendThread, &pending_, 0, nullptr);
  }

  PROCESS_INFORMATION pi_ = {};
  HWND main_ = nullptr;
  Pending pending_;
};

// ------------------------------------------------------------- screenshots

// Saves what the screen shows of `hwnd` (frame, caption and menu included)
// as a 24-bit BMP file; returns the pixels for checks.
struct Shot {
  int w = 0;
  int h = 0;
  std::vector<unsigned char> bgr;  // top-down rows, 3 bytes a pixel
  COLORREF At(int x, int y) const {
    std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
    return RGB(bgr[i + 2], bgr[i + 1], bgr[i]);
  }
};

BOOL CALLBACK AnyUpdate(HWND hwnd, LPARAM lp) {
  if (GetUpdateRect(hwnd, nullptr, FALSE)) *reinterpret_cast<bool*>(lp) = true;
  return TRUE;
}

// Waits until the window and its controls have no part left to paint.
void Settle(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  for (DWORD waited = 0; waited < kPatienceMs; waited += 20) {
    SendMessageA(hwnd, WM_NULL, 0, 0);
    bool pending = GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
    EnumChildWindows(hwnd, AnyUpdate, reinterpret_cast<LPARAM>(&pending));
    if (!pending) break;
    Sleep(20);
  }
  SendMessageA(hwnd, WM_NULL, 0, 0);
}

// Copies what the screen shows of `hwnd` into `shot`; returns the rows as
// the file stores them (each padded to 4 bytes) and their stride.
std::vector<unsigned char> Grab(HWND hwnd, Shot& shot, BITMAPINFO& bi, int& stride) {
  RECT r;
  GetWindowRect(hwnd, &r);
  shot.w = r.right - r.left;
  shot.h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, shot.w, shot.h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, shot.w, shot.h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = shot.w;
  bi.bmiHeader.biHeight = -shot.h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  stride = (shot.w * 3 + 3) & ~3;
  std::vector<unsigned char> rows(static_cast<std::size_t>(stride) * shot.h);
  GetDIBits(mem, bmp, 0, static_cast<UINT>(shot.h), rows.data(), &bi, DIB_RGB_COLORS);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  shot.bgr.resize(static_cast<std::size_t>(shot.w) * shot.h * 3);
  for (int y = 0; y < shot.h; ++y) {
    std::copy_n(rows.begin() + static_cast<long>(y) * stride, shot.w * 3,
                shot.bgr.begin() + static_cast<long>(y) * shot.w * 3);
  }
  return rows;
}

// `raise`: put on top of the other windows first (a dialog can end up under
// its owner when a box closes); without it the screen is taken as the user
// sees it, whatever covers the window.
Shot Screenshot(HWND hwnd, const std::string& name, bool raise = true) {
  // Drawn: a window that the X server has not shown yet reads as all black.
  if (raise) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Shot shot;
  BITMAPINFO bi;
  int stride = 0;
  std::vector<unsigned char> rows;
  for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
    if (raise) Settle(hwnd);
    rows = Grab(hwnd, shot, bi, stride);
    if (std::any_of(shot.bgr.begin(), shot.bgr.end(), [](unsigned char c) { return c != 0; })) break;
    Sleep(50);
  }
  // The file: bottom-up rows.
  BITMAPFILEHEADER fh = {};
  BITMAPINFOHEADER ih = bi.bmiHeader;
  ih.biHeight = shot.h;
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + static_cast<DWORD>(rows.size());
  std::ofstream out(g_artefacts + "\\" + name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
  out.write(reinterpret_cast<const char*>(&ih), sizeof ih);
  for (int y = shot.h - 1; y >= 0; --y) {
    out.write(reinterpret_cast<const char*>(rows.data()) + static_cast<long>(y) * stride, stride);
  }
  return shot;
}

// ------------------------------------------------------------- scenarios

const int kRadios[] = {104, 105, 106, 107, 108, 109, 111, 112, 113, 114, 115, 116, 117};

void CheckOnlyRadio(Kalvor& k, int id) {
  for (int r : kRadios) {
    Check(k.Checked(r) == (r == id),
          "radio " + std::to_string(r) + (r == id ? " checked" : " clear") +
              (id ? " (armed " + std::to_string(id) + ")" : ""));
  }
}

std::string Dir(const std::string& name) {
  std::string d = g_work + "\\" + name;
  CreateDirectoryA(d.c_str(), nullptr);
  return d;
}

// The painted frames: SunkenFrame's black line left of and above edits 101
// and 102 and its white line right of and below them; the raised outer
// border (light left, shadow right).
void CheckFrames(HWND main, const Shot& shot) {
  RECT win;
  GetWindowRect(main, &win);
  for (int id : {101, 102}) {
    RECT r;
    GetWindowRect(GetDlgItem(main, id), &r);
    OffsetRect(&r, -win.left, -win.top);
    int mid_y = (r.top + r.bottom) / 2;
    int mid_x = (r.left + r.right) / 2;
    std::string name = "edit " + std::to_string(id);
    Check(shot.At(r.left - 1, mid_y) == RGB(0, 0, 0), name + ": black frame on the left");
    Check(shot.At(mid_x, r.top - 1) == RGB(0, 0, 0), name + ": black frame on top");
    Check(shot.At(r.right, mid_y) == RGB(255, 255, 255), name + ": white frame on the right");
    Check(shot.At(mid_x, r.bottom) == RGB(255, 255, 255), name + ": white frame below");
  }
  POINT origin = {0, 0};
  ClientToScreen(main, &origin);
  RECT client;
  GetClientRect(main, &client);
  int x0 = origin.x - win.left;
  int y0 = origin.y - win.top;
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  COLORREF light = RGB((GetRValue(face) + 255) / 2, (GetGValue(face) + 255) / 2,
                       (GetBValue(face) + 255) / 2);
  int mid = y0 + client.bottom / 2;
  Check(shot.At(x0, mid) == light, "outer border: light on the left");
  Check(shot.At(x0 + client.right - 1, mid) == GetSysColor(COLOR_BTNSHADOW),
        "outer border: shadow on the right");
  Check(shot.At(x0 + 4, mid) == GetSysColor(COLOR_BTNSHADOW), "inner rectangle: shadow on the left");
  Check(shot.At(x0 + client.right - 5, mid) == light, "inner rectangle: light on the right");
}

// A design named on the command line: test ID, test directory, WIN.INI,
// the settings' defaults, the screenshot of the main dialog, the About box.
void CommandLineStart() {
  ClearIni();
  WriteProfileStringA("RDMX", "testname", "stale");
  std::string dir = Dir("DesignLibrary");
  WriteBytes(dir + "\\Alu4.v1.mac", "\r\n");
  Kalvor k;
  k.Start(dir + "\\Alu4.v1.mac");
  CheckEq(k.Get(101), "Alu4", "test ID from the command line (case kept, cut at the first dot)");
  CheckEq(k.Get(102), "", "option line at start");
  CheckEq(Lower(k.Get(120)), Lower(dir + "\\"), "the test directory under the test ID");
  Check(k.Get(120).find("\\DesignLibrary\\") != std::string::npos,
        "the test directory shown in its own letter case: " + k.Get(120));
  CheckOnlyRadio(k, 0);
  for (int id : {502, 503, 504, 505, 507, 508, 510}) {
    Check(k.Checked(id), "check box " + std::to_string(id) + " on by default");
  }
  for (int id : {509, 511}) {
    Check(!k.Checked(id), "check box " + std::to_string(id) + " off by default");
  }
  CheckEq(k.Get(506), ".3", "lambda default");
  Check(GetMenu(k.main()) != nullptr, "the menu is attached");
  Shot shot = Screenshot(k.main(), "main-dialog.bmp");
  CheckFrames(k.main(), shot);

  // One version in the window and in the About box.
  CheckEq(k.Get(123), "KALVOR " KALVOR_VERSION, "the version in the window");
  k.Menu(403);
  Box about = k.NextBox();
  CheckEq(about.caption, "About Kalvor", "About box title");
  CheckEq(Text(GetDlgItem(about.hwnd, 100)), "Kalvor ver. " KALVOR_VERSION, "About box title line");
  Screenshot(about.hwnd, "about-box.bmp");
  Kalvor::Click(about.hwnd, IDOK);
  k.Idle();

  k.Menu(2);  // File / Exit
  Check(k.WaitExit() == 0, "exit code 0");
  std::string expected = ShortDir(dir);
  CheckEq(Ini("testdir"), expected, "WIN.INI testdir: short form, backslash");
  CheckEq(Ini("lastdir"), expected, "WIN.INI lastdir equals the test directory");
  // The stale name was not read at start (the test ID above); Exit saves the
  // test ID together with its directory, so the stored pair is one design.
  CheckEq(Ini("testname"), "Alu4", "testname saved with testdir at exit");
  CheckEq(Ini("spc_diodes"), "1", "check box 510 saved");
  CheckEq(Ini("spc_noupr"), "0", "check box 509 saved");
  CheckEq(Ini("spc_lambda"), ".3", "lambda saved");

  // The shell quotes a path with blanks; the quotes are no part of it.
  std::string spaced = Dir("Design Set");
  WriteBytes(spaced + "\\Mux2.mac", "\r\n");
  Kalvor quoted;
  quoted.Start("\"" + spaced + "\\Mux2.mac\"");
  CheckEq(quoted.Get(101), "Mux2", "test ID from a quoted command line");
  quoted.Menu(2);
  Check(quoted.WaitExit() == 0, "exit code 0");
  CheckEq(Ini("testdir"), ShortDir(spaced), "test directory from a quoted command line");
}

// Run with an option line no converter knows: with the program field
// "internal" nothing runs, and the user is told so.
void CheckInternal(Kalvor& k) {
  std::string armed = k.Get(102);
  k.Set(102, "no such keyword");
  k.Press(103);
  k.Answer("KALVOR",
           "The option line \"no such keyword\" names none of Kalvor's own "
           "functions.\nChoose the function again with its button.",
           IDOK);
  k.Idle();
  k.Set(102, armed);
}

// Typing a test ID and arming each of the program's own converters.
void ArmConverters() {
  std::string dir = Dir("arm");
  WriteProfileStringA("RDMX", "testdir", (dir + "\\").c_str());
  WriteProfileStringA("RDMX", "testname", "");
  Kalvor k;
  k.Start("");
  CheckEq(k.Get(101), "", "empty stored test ID");
  k.Set(101, "adder");

  struct Arm {
    int id;
    const char* option;
  };
  const Arm arms[] = {{111, " SIM"},         {112, " NOSIM"},       {113, "vhdout"},
                      {114, "mac2vhd"},      {115, "edif import"},
                      {116, "convert A cells to normal"}};
  for (const Arm& a : arms) {
    k.Press(a.id);
    k.Idle();
    CheckOnlyRadio(k, a.id);
    CheckEq(k.Get(102), a.option, "option line of radio " + std::to_string(a.id));
    CheckInternal(k);
  }
  CheckEq(Ini("testname"), "adder", "the test ID check stores the typed test ID");

  // A check that comes first leaves the previous radio button checked.
  k.Set(101, "");
  k.Press(113);
  k.Answer("KALVOR", "Please open a test file set or enter test root name.", IDOK);
  k.Idle();
  CheckOnlyRadio(k, 116);
  CheckEq(k.Get(102), "convert A cells to normal", "option line kept after a failed check");
  k.Set(101, "adder");

  // The SPICE clean-up: option line emptied; Run starts the clean-up even so.
  k.Set(102, "leftover");
  k.Press(109);
  k.Idle();
  CheckOnlyRadio(k, 109);
  CheckEq(k.Get(102), "", "radio 109 empties the option line");
  k.Press(103);
  std::vector<Box> shown = k.DismissAll();
  Check(!shown.empty(), "Run with the clean-up armed shows the clean-up");
  Check(shown[0].text != "Please select a valid test file and option string.",
        "Run with program field spc_clean and an empty option line starts the clean-up, "
        "it showed " + Describe(shown[0]));

  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// The window under the keyboard focus of the program's thread.
HWND Focus(Kalvor& k) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(k.main(), nullptr), &info);
  return info.hwndFocus;
}

// A key as the keyboard sends it to the focused control. Tab and the arrow
// keys move the focus: their press returns once it has moved.
HWND PressKey(Kalvor& k, WPARAM key) {
  // After a box the program gives the focus back in its own time; a window
  // left inactive is brought forward, as a person clicks on it.
  for (DWORD waited = 0; waited < kPatienceMs && !Focus(k); waited += 10) {
    if (waited == 2000) SetForegroundWindow(k.main());
    Sleep(10);
  }
  HWND before = Focus(k);
  Check(before != nullptr, "a control of the program has the focus");
  PostMessageA(before, WM_KEYDOWN, key, 0);
  PostMessageA(before, WM_KEYUP, key, 0xC0000000);
  bool moves = key == VK_TAB || key == VK_DOWN || key == VK_UP || key == VK_LEFT || key == VK_RIGHT;
  for (DWORD waited = 0; waited < kPatienceMs && moves; waited += 10) {
    if (Focus(k) != before) break;
    Sleep(10);
  }
  return Focus(k);
}

// Presses `key` until control `id` has the focus (at most `most` times).
void FocusBy(Kalvor& k, WPARAM key, int id, int most = 40) {
  for (int i = 0; i < most && GetDlgCtrlID(Focus(k)) != id; ++i) PressKey(k, key);
  CheckEq(std::to_string(GetDlgCtrlID(Focus(k))), std::to_string(id), "the focus reached");
}

// Presses `key` from control `from` until the focus is back there; returns
// the ids visited on the way.
std::string Walk(Kalvor& k, WPARAM key, int from, std::size_t most) {
  std::string walked;
  HWND focus = Focus(k);
  Check(GetDlgCtrlID(focus) == from, "the walk starts on " + std::to_string(from));
  for (std::size_t i = 0; i < most; ++i) {
    focus = PressKey(k, key);
    walked += " " + std::to_string(GetDlgCtrlID(focus));
    if (GetDlgCtrlID(focus) == from) break;
  }
  return walked;
}

// Waits until a dialog that closes by itself is gone.
void WaitClosed(HWND dialog) {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 20) {
    if (!IsWindow(dialog) || !IsWindowVisible(dialog)) return;
    Sleep(20);
  }
  throw Failure{"dialog [" + Caption(dialog) + "] did not close"};
}

// Keys pressed together on the keyboard, each held until the last is
// pressed, into `window`, brought to the front first as a person clicks on
// it.
void Chord(HWND window, std::initializer_list<WORD> keys) {
  // The window comes to the front in its program's own time: the keys
  // wait for it, or they would go to the window that was in front.
  for (DWORD waited = 0; waited < kPatienceMs && GetForegroundWindow() != window; waited += 10) {
    if (waited % 1000 == 0) SetForegroundWindow(window);
    Sleep(10);
  }
  Check(GetForegroundWindow() == window, "[" + Caption(window) + "] is in front for the keys");
  std::vector<INPUT> presses;
  for (WORD key : keys) {
    INPUT press = {};
    press.type = INPUT_KEYBOARD;
    press.ki.wVk = key;
    presses.push_back(press);
  }
  for (std::size_t i = keys.size(); i > 0; --i) {
    INPUT release = presses[i - 1];
    release.ki.dwFlags = KEYEVENTF_KEYUP;
    presses.push_back(release);
  }
  SendInput(static_cast<UINT>(presses.size()), presses.data(), sizeof(INPUT));
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// Ctrl+C on a message box: the clipboard, emptied first, holds the box as
// the system's box copies it.
void CheckCopiedBox(const Box& box, const std::string& buttons) {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  // Read once the box has begun to copy: opened before, the clipboard
  // would refuse the box. Keys that reach the box before it takes them
  // are lost (seen under load): while the clipboard stays as it was, the
  // keys are pressed again every two seconds (a second copy is the same).
  const DWORD emptied = GetClipboardSequenceNumber();
  std::string copied;
  for (DWORD waited = 0; waited < kPatienceMs && copied.empty(); waited += 20) {
    if (waited % 2000 == 0 && GetClipboardSequenceNumber() == emptied) {
      Chord(box.hwnd, {VK_CONTROL, 'C'});
    }
    Sleep(20);
    if (GetClipboardSequenceNumber() != emptied) copied = ClipboardText();
  }
  const std::string rule = "---------------------------\r\n";
  CheckEq(copied,
          rule + box.caption + "\r\n" + rule + box.text + "\r\n" + rule + buttons + "\r\n" + rule,
          "Ctrl+C on " + Describe(box));
}

// Tab walks the main dialog in reading order through every control that
// takes input and nothing outside the window, entering the function buttons
// once, at the armed one; the arrow keys move among the function buttons
// only and arm none; Space arms; Enter presses the focused button; long
// test IDs scroll.
void KeyboardAndTestId() {
  WriteProfileStringA("RDMX", "testname", "");
  Kalvor k;
  k.Start("");
  CheckEq(std::to_string(GetDlgCtrlID(Focus(k))), "101", "the focus at start");
  CheckEq(Walk(k, VK_TAB, 101, 40),
          " 212 214 211 210 216 217 213 218 215 116 551 502 507 504 503 511 508 509 510 102 103"
          " 121 101",
          "Tab order");

  FocusBy(k, VK_TAB, 116);
  CheckEq(Walk(k, VK_DOWN, 116, 20), " 104 105 106 107 108 117 115 114 111 112 113 109 116",
          "the arrow keys among the function buttons");
  CheckEq(Walk(k, VK_UP, 116, 20), " 109 113 112 111 114 115 117 108 107 106 105 104 116",
          "the arrow keys back");
  CheckOnlyRadio(k, 0);
  CheckEq(k.Get(102), "", "moving the focus armed nothing");

  // Space arms the focused button ("VHDL SIM opt." needs no test ID).
  FocusBy(k, VK_DOWN, 111);
  PressKey(k, VK_SPACE);
  for (DWORD waited = 0; waited < kPatienceMs && !k.Checked(111); waited += 20) Sleep(20);
  CheckOnlyRadio(k, 111);
  CheckEq(k.Get(102), " SIM", "Space arms the function");
  // Tab now enters the function buttons at the armed one.
  FocusBy(k, VK_TAB, 215);
  CheckEq(std::to_string(GetDlgCtrlID(PressKey(k, VK_TAB))), "111", "Tab enters at the armed function");

  FocusBy(k, VK_TAB, 103);
  PressKey(k, VK_RETURN);
  k.Answer("KALVOR", "Please open a test file set or enter test root name.", IDOK);

  // A 30-character test ID typed into the field is kept whole.
  const std::string id = "a_rather_long_design_name_1234";
  SendMessageA(k.Item(101), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  for (char c : id) SendMessageA(k.Item(101), WM_CHAR, static_cast<WPARAM>(c), 1);
  CheckEq(k.Get(101), id, "the test ID field scrolls");
  // Escape ends the program as Exit does, also from the results list.
  FocusBy(k, VK_TAB, 121);
  WriteProfileStringA("RDMX", "spc_diodes", nullptr);
  PressKey(k, VK_ESCAPE);
  Check(k.WaitExit() == 0, "exit code 0");
  Check(Ini("spc_diodes") != "<missing>", "Escape saved the settings as Exit does");
}

// Run with an empty test ID.
void RunWithoutTestId() {
  WriteProfileStringA("RDMX", "testname", "before");
  Kalvor k;
  k.Start("");
  CheckEq(k.Get(101), "before", "stored test ID shown");
  k.Set(101, "");
  // The box answers the keyboard as the system's: Ctrl+C copies it; Escape
  // answers a box with only OK, and so does Enter.
  for (WORD key : {VK_ESCAPE, VK_RETURN}) {
    k.Press(103);
    Box box = k.NextBox();
    CheckEq(Describe(box), "[KALVOR] Please open a test file set or enter test root name.",
            "message box");
    if (key == VK_ESCAPE) CheckCopiedBox(box, "OK   ");
    Chord(box.hwnd, {key});
    WaitClosed(box.hwnd);
    k.Idle();
  }
  CheckEq(Ini("testname"), "", "an empty test ID is stored");
  k.Close();
  Check(k.WaitExit() == 0, "exit code 0");
}

// Copy into project (.mac with its .wir, a SPICE file of the corpus, a
// .mac without its .wir) and reformat, on real files.
void CopyAndReformat() {
  std::string source = Dir("sedit");
  std::string project = Dir("Project");
  const std::string mac = "* counter\r\n.macro CNT A B\r\nINV A B\r\n.eom\r\n";
  const std::string wir = "CNT\r\n A\r\n B\r\n";
  WriteBytes(source + "\\cnt.mac", mac);
  WriteBytes(source + "\\cnt.wir", wir);
  WriteBytes(source + "\\lone.mac", mac);
  WriteBytes(project + "\\seed.mac", "\r\n");
  WriteProfileStringA("RDMX", "SEditDir", nullptr);

  Kalvor k;
  k.Start(project + "\\seed.mac");
  std::string test_dir = ShortDir(project);
  // Paths in messages keep their letter case.
  Check(test_dir.find("\\Project\\") != std::string::npos, "the short form keeps the case: " + test_dir);

  k.Menu(409);
  k.ChooseFile(source + "\\cnt.mac");
  k.Idle();  // "Done." waits in no box: it is in the results area
  CheckEq(k.Results(), "File Copy: Done.", "the copy's result");
  CheckEq(ReadBytes(project + "\\cnt.mac"), mac, "copied .mac");
  CheckEq(ReadBytes(project + "\\cnt.wir"), wir, "the .wir comes along");
  CheckEq(k.Get(101), "cnt", "the copy becomes the design");
  CheckEq(Ini("testname"), "cnt", "WIN.INI testname after the copy");
  CheckEq(Ini("testdir"), test_dir, "WIN.INI testdir after the copy");
  CheckEq(Lower(Ini("SEditDir")), Lower(source), "WIN.INI SEditDir remembers the source");

  // Again: declining the overwrite ends the command without a further box.
  WriteBytes(project + "\\cnt.mac", "mine\r\n");
  k.Menu(409);
  k.ChooseFile(source + "\\cnt.mac");
  // The path that the caption cuts off is also the text's first line.
  k.Answer(test_dir + "cnt.mac", test_dir + "cnt.mac\n\nOverwrite above file?", IDNO);
  k.Idle();
  CheckEq(ReadBytes(project + "\\cnt.mac"), "mine\r\n", "declined overwrite keeps the file");

  // A SPICE netlist of the corpus.
  std::string spice_name = "inversor_2.sp";
  std::string spice = g_corpus + "\\spice\\" + spice_name;
  if (!Exists(spice)) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((g_corpus + "\\spice\\*.sp").c_str(), &data);
    Check(h != INVALID_HANDLE_VALUE, "the corpus has a .sp file");
    spice_name = data.cFileName;
    FindClose(h);
    spice = g_corpus + "\\spice\\" + spice_name;
  }
  k.Menu(410);
  k.ChooseFile(spice);
  k.Idle();
  Check(ReadBytes(project + "\\" + spice_name) == ReadBytes(spice), "SPICE file copied byte for byte");
  CheckEq(k.Get(101), spice_name.substr(0, spice_name.rfind('.')), "the SPICE file becomes the design");

  // A .mac without its .wir: the .wir's path is named, the design stays.
  k.Menu(409);
  k.ChooseFile(source + "\\lone.mac");
  k.Answer(source + "\\lone.wir", source + "\\lone.wir\n\nUnable to open above file.", IDOK);
  k.Idle();
  Check(ReadBytes(project + "\\lone.mac").empty(), "a .mac without its .wir is not copied: both or neither");
  CheckEq(k.Get(101), spice_name.substr(0, spice_name.rfind('.')), "a failed copy keeps the design");

  // Reformat: lone LF and lone CR become CR LF, tabs blanks; the last line
  // gets its line end.
  std::string messy = project + "\\messy.txt";
  WriteBytes(messy, "a\tb\nc\rd\r\ne");
  k.Menu(411);
  k.ChooseFile(messy);
  k.Answer(messy, messy + "\n\nReformat line-ends in above file?", IDCANCEL);
  k.Idle();
  CheckEq(ReadBytes(messy), "a\tb\nc\rd\r\ne", "cancelled reformat keeps the file");
  k.Menu(411);
  k.ChooseFile(messy);
  k.Answer(messy, messy + "\n\nReformat line-ends in above file?", IDOK);
  k.Idle();
  CheckEq(k.Results(), "Done.", "the reformat's result");
  CheckEq(ReadBytes(messy), "a b\r\nc\r\nd\r\ne\r\n", "reformatted file");
  Check(!HasScratchFile(project), "no scratch file left");

  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// Exit saves the check boxes and the lambda value; the next start shows them.
void ExitKeepsCheckBoxes() {
  WriteProfileStringA("RDMX", "spc_diodes", "1");
  WriteProfileStringA("RDMX", "spc_noupr", "0");
  WriteProfileStringA("RDMX", "spc_lambda", ".3");
  Kalvor k;
  k.Start("");
  Check(k.Checked(510), "510 on before");
  Check(!k.Checked(509), "509 off before");
  k.Press(510);
  k.Idle();
  k.Press(509);
  k.Idle();
  k.Set(506, "0.25");
  k.Close();  // the title bar's Close saves as Exit does
  Check(k.WaitExit() == 0, "exit code 0");
  CheckEq(Ini("spc_diodes"), "0", "WIN.INI spc_diodes");
  CheckEq(Ini("spc_noupr"), "1", "WIN.INI spc_noupr");
  CheckEq(Ini("spc_lambda"), "0.25", "WIN.INI spc_lambda");

  Kalvor again;
  again.Start("");
  Check(!again.Checked(510), "510 restored off");
  Check(again.Checked(509), "509 restored on");
  CheckEq(again.Get(506), "0.25", "lambda restored");
  again.Menu(2);
  Check(again.WaitExit() == 0, "exit code 0");
}

// ------------------------------------------------------------- dialog kit

// One run of kvkit, the dialog kit on the program's templates.
class Kit {
 public:
  explicit Kit(const std::vector<std::string>& args) {
    std::string line = "kvkit.exe";
    for (const std::string& a : args) line += " \"" + a + "\"";
    std::vector<char> cmd(line.begin(), line.end());
    cmd.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    bool started = false;
    for (DWORD waited = 0; waited < kPatienceMs && !started; waited += 200) {
      started = CreateProcessA(g_kit_exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               g_work.c_str(), &si, &pi_) != 0;
      if (!started) Sleep(200);
    }
    Check(started, "kvkit.exe starts");
  }
  ~Kit() {
    if (WaitForSingleObject(pi_.hProcess, kPatienceMs) != WAIT_OBJECT_0) {
      TerminateProcess(pi_.hProcess, 9);
    }
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
  HWND Window(const std::string& caption) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
      for (HWND w : TopWindows(pi_.dwProcessId, "#32770")) {
        if (Caption(w) == caption && IsWindowEnabled(w)) return w;
      }
      Sleep(50);
    }
    TerminateProcess(pi_.hProcess, 9);
    throw Failure{"no window [" + caption + "]"};
  }
  void WaitExit() {
    Check(WaitForSingleObject(pi_.hProcess, kPatienceMs) == WAIT_OBJECT_0, "kvkit ends");
  }
  DWORD pid() const { return pi_.dwProcessId; }
  HANDLE process() const { return pi_.hProcess; }

 private:
  PROCESS_INFORMATION pi_ = {};
};

std::string Field(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

// The progress window of the program on the screen, or null.
HWND ProgressOf(Kalvor& k) {
  for (HWND w : TopWindows(k.pid(), "#32770")) {
    if (Caption(w) == "Progress") return w;
  }
  return nullptr;
}

void SetField(HWND dialog, int id, const std::string& text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
bool Ticked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The progress window at half of its file.
void ProgressWindow() {
  std::string data = g_work + "\\progress.dat";
  Kit kit({"progress", data});
  HWND window = kit.Window("Progress");
  CheckEq(Field(window, 103), "Converting:", "operation text");
  CheckEq(Field(window, 102), data, "file text");
  Check(!IsWindowVisible(GetDlgItem(window, 101)), "the bar's frame control is invisible");
  int icons_shown = 0;
  for (int id = 900; id <= 903; ++id) icons_shown += IsWindowVisible(GetDlgItem(window, id)) ? 1 : 0;
  Check(icons_shown == 1, "exactly one animation icon shown");

  // The same position was reported twice: the icon turns on the timer.
  int first = 0;
  for (int id = 900; id <= 903; ++id) if (IsWindowVisible(GetDlgItem(window, id))) first = id;
  bool turned = false;
  for (DWORD waited = 0; waited < kPatienceMs && !turned; waited += 50) {
    turned = !IsWindowVisible(GetDlgItem(window, first));
    if (!turned) Sleep(50);
  }
  Check(turned, "the animation icon turns while the position stands still");

  // The bar: control 101's rectangle, half blue, half white.
  RECT bar;
  GetWindowRect(GetDlgItem(window, 101), &bar);
  RECT win;
  GetWindowRect(window, &win);
  Shot shot = Screenshot(window, "progress-window.bmp");
  int y = (bar.top + bar.bottom) / 2 - win.top;
  int width = bar.right - bar.left;
  COLORREF left = shot.At(bar.left - win.left + width / 4, y);
  COLORREF right = shot.At(bar.left - win.left + 3 * width / 4, y);
  Check(left == RGB(0, 0, 255), "first half of the bar is blue");
  Check(right == RGB(255, 255, 255), "second half of the bar is white");
  CheckEq(Field(window, 104), "n1  (xor2)", "the note on the item worked on");
  CheckEq(Field(window, IDCANCEL), "Cancel", "the Cancel button");
  Kalvor::Push(window, IDCANCEL);
  kit.WaitExit();
  DWORD code = 1;
  GetExitCodeProcess(kit.process(), &code);
  Check(code == 0, "the conversion's next step sees Cancel");
}

// Every template the core's dialogs run on, with its ids and kinds; the
// icons, the bitmap and the menu.
void Templates() {
  std::string out = g_work + "\\templates.txt";
  DeleteFileA(out.c_str());
  {
    Kit kit({"templates", out});
    kit.WaitExit();
  }
  std::istringstream report(ReadBytes(out));
  std::string line;
  int ok = 0;
  while (std::getline(report, line)) {
    Check(line.rfind("ok ", 0) == 0, line);
    ++ok;
  }
  Check(ok == 37, "8 templates, 7 icons, the bitmap, the menu, the texts and the buttons of 10 "
                 "templates: " + std::to_string(ok) + " checked");
}

// The input box: prompt, preset value, browse button, the 119-character
// cut, browse into the value, the title bar's Close.
void InputBoxes() {
  std::string out = g_work + "\\input.txt";
  {
    Kit kit({"input", out, "pad_macs", "Specify a macro file for this function:", "pads.mac"});
    HWND box = kit.Window("pad_macs");
    CheckEq(Field(box, 102), "Specify a macro file for this function:", "prompt");
    CheckEq(Field(box, 101), "pads.mac", "preset value");
    Screenshot(box, "input-box.bmp");
    Check(IsWindowVisible(GetDlgItem(box, 103)), "a prompt about a file shows browse...");
    SetField(box, 101, std::string(130, 'w'));
    Kalvor::Click(box, IDOK);
    kit.WaitExit();
  }
  CheckEq(ReadBytes(out), "1\n" + std::string(119, 'w'), "OK returns the typed text, cut to 119");

  {
    Kit kit({"input", out, "Ports", "File from which to obtain top level port definitions?", "top.vhd"});
    HWND box = kit.Window("Ports");
    Check(!IsWindowVisible(GetDlgItem(box, 103)), "\"File\" is not \"file\": no browse button");
    PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    kit.WaitExit();
  }
  CheckEq(ReadBytes(out), "2\ntop.vhd", "the title bar's Close is Cancel");

  std::string chosen = Dir("browse") + "\\base.mac";
  WriteBytes(chosen, "\r\n");
  {
    Kit kit({"input", out, "Base", "Base macro file:", "*.mac"});
    HWND box = kit.Window("Base");
    Check(IsWindowVisible(GetDlgItem(box, 103)), "browse... shown");
    PostMessageA(box, WM_COMMAND, 103, reinterpret_cast<LPARAM>(GetDlgItem(box, 103)));
    Kalvor::FillOpenDialog(kit.Window("Choose a macro file"), chosen);
    kit.Window("Base");  // enabled again: the open-file dialog is gone
    CheckEq(Lower(Field(box, 101)), Lower(chosen), "browse puts the chosen file into the edit");
    Kalvor::Click(box, IDOK);
    kit.WaitExit();
  }
  CheckEq(Lower(ReadBytes(out)), Lower("1\n" + chosen), "the browsed file is the answer");
}

// The parameter dialogs on their templates.
void ParameterDialogs() {
  std::string out = g_work + "\\param.txt";
  {
    Kit kit({"param", out, "mac2vhd", "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;"});
    HWND dialog = kit.Window("VHDL Conversion Parameters:");
    CheckEq(Field(dialog, 101), "NC", "field 1");
    CheckEq(Field(dialog, 102), "PORTPADA", "field 2");
    CheckEq(Field(dialog, 103), "", "field 3");
    Check(!Ticked(dialog, 104), "check box 104 clear for n");
    CheckEq(Field(dialog, 105), "", "field 5");
    // "standard VHDL" stands with the other fields, above OK and Cancel.
    RECT standard, ok;
    GetWindowRect(GetDlgItem(dialog, 107), &standard);
    GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
    Check(standard.bottom <= ok.top, "standard VHDL above OK");
    Check(GetNextDlgTabItem(dialog, GetDlgItem(dialog, 106), FALSE) == GetDlgItem(dialog, 107) &&
              GetNextDlgTabItem(dialog, GetDlgItem(dialog, 107), FALSE) == GetDlgItem(dialog, IDOK),
          "Tab goes from the packages to standard VHDL to OK");
    Screenshot(dialog, "mac2vhd.bmp");
    SendMessageA(GetDlgItem(dialog, 104), BM_CLICK, 0, 0);
    SetField(dialog, 105, "ieee.numeric_std.all");
    Kalvor::Click(dialog, IDOK);
    kit.WaitExit();
  }
  CheckEq(ReadBytes(out), "1\nm1=NC;m2=PORTPADA;m3=;=y;p1=ieee.numeric_std.all;p2=;",
          "mac2vhd after OK");

  {
    Kit kit({"param", out, "vhdout", "supply=3.3;counts/volt=1241;limit=y;"});
    HWND dialog = kit.Window("VHDL Sim Output Conversion Parameters:");
    Check(Ticked(dialog, 103), "limit=y checks 103");
    Screenshot(dialog, "vhdout.bmp");
    SetField(dialog, 101, "5.0");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    kit.WaitExit();
  }
  CheckEq(ReadBytes(out), "2\nsupply=3.3;counts/volt=1241;limit=y;", "Close leaves the string");

  {
    Kit kit({"param", out, "spcsel", "se=y;le=n;"});
    HWND dialog = kit.Window("Spice File Type:");
    Check(Ticked(dialog, 101) && !Ticked(dialog, 102), "se=y checks 101");
    Screenshot(dialog, "spcsel.bmp");
    SendMessageA(GetDlgItem(dialog, 102), BM_CLICK, 0, 0);
    Kalvor::Click(dialog, IDOK);
    kit.WaitExit();
  }
  CheckEq(ReadBytes(out), "1\nse=n;le=y;", "spcsel after choosing the L-Edit extract");
}

// ------------------------------------------------------------- tool chain

BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM lp) {
  if (ClassOf(hwnd) == "Static") reinterpret_cast<std::vector<std::string>*>(lp)->push_back(Text(hwnd));
  return TRUE;
}

// The texts of a dialog's static controls.
std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::string Crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  return text;
}

// A box that a dialog of the program asks over itself: the dialog is
// disabled while the box is up, so that it cannot be pressed again.
void AnswerOver(Kalvor& k, HWND dialog, const std::string& caption, const std::string& text,
                int button) {
  Box box = k.NextBox(dialog);
  CheckEq(Describe(box), "[" + caption + "] " + text, "message box over [" + Caption(dialog) + "]");
  Check(!IsWindowEnabled(dialog), "[" + Caption(dialog) + "] is disabled while " + Describe(box) + " is up");
  Kalvor::Click(box.hwnd, button);
}

// The input box of the include insertion: checks title, prompt and preset
// value, answers `value` with OK.
void AnswerInputBox(Kalvor& k, const std::string& title, const std::string& prompt,
                    const std::string& preset, const std::string& value) {
  Box box = k.NextBox();
  CheckEq(box.caption, title, "input box title");
  CheckEq(Field(box.hwnd, 102), prompt, "input box prompt");
  CheckEq(Field(box.hwnd, 101), preset, "input box preset for \"" + prompt + "\"");
  SetField(box.hwnd, 101, value);
  Kalvor::Click(box.hwnd, IDOK);
}

// Run with NetTran armed: the reminder box stays up until the translator has
// written `output`, then the post-processing is accepted. Returns what the
// translator wrote.
std::string RunTranslatorAndPostProcess(Kalvor& k, const std::string& output) {
  k.Press(103);
  Box reminder = k.NextBox();
  CheckEq(Describe(reminder), "[Kalvor] Click here AFTER NetTran has run.", "reminder");
  std::string written = WaitForWrittenFile(output);
  Kalvor::Click(reminder.hwnd, IDOK);
  k.Answer("TOP<",
           "Remove root module name from hierarchy? (and other changes needed for pad "
           "order), remove *NC*\n(no connection) macros, and restore top node names?",
           IDYES);
  k.Idle();
  CheckEq(k.Results(), "TPR Post Process: Done.", "the post-processing's result");
  return written;
}

// ".mac to .tpr" with the netlist translator's stand-in: the include and
// pad questions, the block route macros, the launch, the wait for the
// translator, the post-processing of its netlist; then ".mac to .net",
// "setup" and "extract" on the same design.
void TprNetlist() {
  std::string dir = Dir("tpr");
  std::string techfile = dir + "\\scmostpr.mac";
  WriteBytes(techfile, "$ TPR technology\r\n");
  WriteBytes(dir + "\\abc.mac",
             Crlf({".macro INV A Y", "<M1 NMOS A Y", ".eom", ".macro BLK A Vdd Gnd B", "+ C",
                   "$blocklevel 1", "<U1 INV A B", ".eom", ".macro top a b vdd", "+ y Gnd",
                   "<X1 BLK a b y", ".eom"}));
  WriteBytes(dir + "\\abc.wir", Crlf({"$ Written by Kalvor EDIF to .MAC converter.", "",
                                      "WIRE LIST", "<<< COMPONENT LIST >>>", "top top top"}));
  WriteProfileStringA("RDMX", "NETTRAN.EXE", g_nettran.c_str());
  WriteProfileStringA("RDMX", "tpr.mac", "c:\\nowhere\\scmostpr.mac");
  WriteProfileStringA("RDMX", "pad_macs", nullptr);
  WriteProfileStringA("RDMX", "sim.mac", nullptr);

  Kalvor k;
  k.Start(dir + "\\abc.mac");
  std::string d = ShortDir(dir);

  // Arming: the include, the pad file, the block route macros.
  k.Press(106);
  AnswerInputBox(k, "tpr.mac", "Specify a macro file for this function:",
                 "c:\\nowhere\\scmostpr.mac", techfile);
  AnswerInputBox(k, "tpr.mac", "Do you want to specify a pad definition file?", "", "pads.txt");
  k.Answer("LEVEL = 1 Blocks Detected:",
           "Do you want block route macros to be automatically constructed?", IDYES);
  k.Idle();
  CheckEq(k.Results(), "Done.  Block macros and above were:  BLK top", "the block route result");
  CheckOnlyRadio(k, 106);
  CheckEq(k.Get(102), "-m " + d + "abc.mac " + d + "abc.wir -f TPR abc", "option line of .mac to .tpr");
  CheckEq(Ini("tpr.mac"), techfile, "WIN.INI tpr.mac remembers the answer");
  CheckEq(Ini("pad_macs"), "pads.txt", "WIN.INI pad_macs remembers the answer");
  CheckEq(ReadBytes(dir + "\\abc.mac"),
          Crlf({"<" + techfile + ">", "<pads.txt>", "$removed INV", ".macro BLK A Vdd Gnd B",
                "+ C", "\"C BLK A B", "+ C;\"", "\"U\" @ \" \" A B", "+ C \";\"", ".eom BLK",
                ".macro top a b vdd", "+ y Gnd", "<X1 BLK a b y", ".eom"}),
          "abc.mac with the includes and the block route macro");

  // Run: the translator runs on its own; the user clicks once it is done.
  CheckHasLine(RunTranslatorAndPostProcess(k, dir + "\\abc.tpr"),
               "NET TOP_P3 TOP<U3<A TOP<PADS<PAD3", "the translator's netlist (three top ports)");
  CheckEq(ReadBytes(dir + "\\abc.TPR"),
          Crlf({"$ TPR netlist of TOP (nettran stand-in)", "NET a U1<A PAD1", "NET b U2<A PAD2",
                "NET y U3<A PAD3", "CELL U1 INV", "CELL U2 NAND2 a TOP_P4", "END"}),
          "abc.TPR after the post-processing");
  Check(!HasScratchFile(dir), "no scratch file left");

  // ".mac to .net": the simulation include takes the place of the TPR one;
  // no block tags are left, so nothing more is asked.
  std::string simfile = dir + "\\scmossim.mac";
  WriteBytes(simfile, "$ simulation technology\r\n");
  k.Press(104);
  AnswerInputBox(k, "sim.mac", "Specify a macro file for this function:",
                 "\\vazevari\\nettran\\scmos\\scmossim.mac", simfile);
  k.Idle();
  CheckOnlyRadio(k, 104);
  CheckEq(k.Get(102), "-m " + d + "abc.mac " + d + "abc.wir abc.net", "option line of .mac to .net");
  CheckEq(Lines(ReadBytes(dir + "\\abc.mac"))[0], "<" + simfile + ">",
          "the simulation include replaces the TPR include");
  RunTranslatorAndPostProcess(k, dir + "\\abc.net");
  CheckEq(ReadBytes(dir + "\\abc.NET"),
          Crlf({"$ .NET netlist of TOP (nettran stand-in)", "W a U1<A", "W b U2<A", "W y U3<A",
                "G U1 INV a"}),
          "abc.NET after the post-processing");

  // setup: the prescan's ports in the node list; a and y are the inputs.
  k.Press(212);
  Box nodes = k.NextBox();
  CheckEq(nodes.caption, "NODE LIST", "node list dialog");
  HWND list = GetDlgItem(nodes.hwnd, 301);
  std::vector<std::string> entries;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char buf[256] = {0};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
    entries.push_back(buf);
  }
  Check(entries == std::vector<std::string>({"a", "b", "y"}),
        "node list holds the top ports a, b, y (" + std::to_string(count) + " entries)");
  SendMessageA(list, LB_SETSEL, TRUE, 0);
  SendMessageA(list, LB_SETSEL, TRUE, 2);
  Screenshot(nodes.hwnd, "node-list.bmp");
  Kalvor::Push(nodes.hwnd, IDOK);
  AnswerOver(k, nodes.hwnd, "KALVOR", "Echo input ports in .TAB ?", IDNO);
  WaitClosed(nodes.hwnd);
  k.Idle();
  CheckEq(k.Results(), "KALVOR: Done.", "setup's result");
  std::string vec = ReadBytes(dir + "\\abc.VEC");
  CheckHasLine(vec, ".PATT  a y", "abc.VEC");
  std::string sim = ReadBytes(dir + "\\abc.SIM");
  for (const char* line : {"NE abc.NET", "PA abc.VEC", "RE abc.OUT"}) CheckHasLine(sim, line, "abc.SIM");
  std::vector<std::string> sim_lines = Lines(sim);
  auto tab = std::find(sim_lines.begin(), sim_lines.end(), ".tab");
  Check(tab != sim_lines.end() && tab + 1 != sim_lines.end() && tab[1] == "+ b;" &&
            (tab + 2 == sim_lines.end() || tab[2].rfind("+ ", 0) != 0),
        "abc.SIM: .tab followed by the one node that is not an input, + b;");

  // extract: a zero step is refused and the dialog stays; then every 100
  // time units the latest line before the point.
  WriteBytes(dir + "\\abc.OUT",
             Crlf({"time a b y", "50 1 0 1", "150 0 0 0", "420 1 1 0"}));
  k.Press(215);
  Box ext = k.NextBox();
  CheckEq(ext.caption, "Extract from GateSim .OUT", "extract dialog");
  CheckEq(Field(ext.hwnd, 105), "abc.OUT", "From: field");
  CheckEq(Field(ext.hwnd, 104), "abc.DOC", "To: field");
  SetField(ext.hwnd, 101, "100");
  SetField(ext.hwnd, 102, "0");
  SendMessageA(ext.hwnd, WM_COMMAND, MAKEWPARAM(103, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(ext.hwnd, 103)));
  Check(Ticked(ext.hwnd, 103), "the check box toggles on a click");
  Screenshot(ext.hwnd, "extract-dialog.bmp");
  Kalvor::Push(ext.hwnd, IDOK);
  AnswerOver(k, ext.hwnd, "KALVOR", "Must specify positive Delta Time", IDOK);
  Check(IsWindowVisible(ext.hwnd), "the extract dialog stays after a zero step");
  SetField(ext.hwnd, 102, "100");
  Kalvor::Push(ext.hwnd, IDOK);
  AnswerOver(k, ext.hwnd, "KALVOR", "View extracted data now?", IDNO);
  WaitClosed(ext.hwnd);
  k.Idle();
  CheckEq(ReadBytes(dir + "\\abc.DOC"), Crlf({"     100 50 1 0 1", "     400 150 0 0 0"}),
          "abc.DOC with the latest line before 100 and 400");

  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// "EDIF to .mac" on the example design, with the answers of the example's
// run script: the result is byte for byte what the command-line program
// writes.
void EdifImport() {
  std::string dir = Dir("edif");
  CopyBytes(g_examples + "\\counter.edf", dir + "\\counter.edf");
  CopyBytes(g_examples + "\\counter_base.mac", dir + "\\counter_base.mac");
  WriteProfileStringA("RDMX", "func_macs", "c:\\tech\\tpr.mac");
  WriteProfileStringA("RDMX", "pri_macs", nullptr);
  // In quotes, which the profile calls take off (the program reads its
  // settings once per command: such a value must still come without them).
  WriteProfileStringA("RDMX", "pad_macs", "\"pads.mac\"");

  Kalvor k;
  k.Start(dir + "\\counter.edf");
  CheckEq(k.Get(101), "counter", "test ID");
  k.Press(115);
  k.Idle();
  CheckEq(k.Get(102), "edif import", "option line of EDIF to .mac");
  k.Press(103);

  // The questions before the reading come up without the progress window
  // (it shows once the import has read a while: see LargestDesign).
  Box base = k.NextBox();
  CheckEq(Describe(base),
          "[EDIF to MAC conversion] Do you want to specify a base macro file to identify "
          "bottom cells and re-order parameters?",
          "base file question");
  Check(ProgressOf(k) == nullptr, "no progress window while the import asks before it reads");
  Kalvor::Click(base.hwnd, IDYES);
  k.ChooseFile(dir + "\\counter_base.mac");

  Box includes = k.NextBox();
  CheckEq(includes.caption, "Macro Include Files", "include dialog");
  CheckEq(Field(includes.hwnd, 101), "c:\\tech\\tpr.mac", "field 101 from func_macs");
  CheckEq(Field(includes.hwnd, 102), "", "field 102 from pri_macs (none)");
  CheckEq(Field(includes.hwnd, 103), "counter_base.mac",
          "field 103: the chosen base file without the test directory");
  CheckEq(Field(includes.hwnd, 104), "pads.mac", "field 104 from pad_macs");
  std::vector<std::string> labels = StaticTexts(includes.hwnd);
  for (const char* label : {"tech->func.", "(tpr,sim,spc)", "(tech to function, e.g. scms2tpr.mac)",
                            "TIB->tech:", "EDIF->TIB:  ", "Pads:"}) {
    Check(std::find(labels.begin(), labels.end(), label) != labels.end(),
          std::string("include dialog shows the label \"") + label + "\"");
  }
  Screenshot(includes.hwnd, "macro-include-files.bmp");
  SetField(includes.hwnd, 101, "");
  SetField(includes.hwnd, 104, "");
  Kalvor::Click(includes.hwnd, IDOK);

  // The summary waits in no box: it is the results area's entry.
  k.Idle();
  std::string done = k.Results();
  std::string out_line = "EDIF Conversion Done. Output file: " + ShortDir(dir) + "counter.mac\r\n";
  Check(Lower(done).rfind(Lower(out_line), 0) == 0, "summary names the output: " + done);
  // The rest of the summary (top cell, warnings, replaced cells) as the
  // command-line program reported it, each line indented, blank lines left
  // out.
  std::string cli = ReadBytes(g_expected + "\\summary.txt");
  std::string rest;
  bool first = true;
  for (const std::string& line : Lines(cli)) {
    // The command line's own closing line ("kalvor: edif completed ...")
    // is no part of the message.
    if (first || line.empty() || line.rfind("kalvor: ", 0) == 0) {
      first = false;
      continue;
    }
    rest += (rest.empty() ? "  " : "\r\n  ") + line;
  }
  CheckEq(done.substr(out_line.size()), rest, "summary after the output line");
  Screenshot(k.main(), "results-counter-import.bmp");
  for (HWND w : TopWindows(k.pid(), "#32770")) {
    Check(Caption(w) != "Progress", "the progress window is closed after the import");
  }
  Check(ReadBytes(dir + "\\counter.mac") == ReadBytes(g_expected + "\\counter.mac"),
        "counter.mac equals the command-line program's");
  Check(ReadBytes(dir + "\\counter.wir") == ReadBytes(g_expected + "\\counter.wir"),
        "counter.wir equals the command-line program's");
  CheckEq(Ini("func_macs"), "", "WIN.INI func_macs after erasing the field");
  CheckEq(Ini("pad_macs"), "", "WIN.INI pad_macs after erasing the field");

  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// The program as shipped, in a folder of its own with its data files: it
// starts on the example design and shows its release in the About box;
// "setup" before any prescan says there are no ports and writes nothing.
void PackagedProgram() {
  ClearIni();
  WriteProfileStringA("RDMX", "NETTRAN.EXE", g_nettran.c_str());  // read at start-up
  std::string dir = Dir("packaged");
  CopyBytes(g_examples + "\\counter.edf", dir + "\\counter.edf");
  Kalvor k;
  k.Start(dir + "\\counter.edf");
  CheckEq(k.Get(101), "counter", "test ID of the example design");

  k.Menu(403);
  Box about = k.NextBox();
  CheckEq(Text(GetDlgItem(about.hwnd, 100)), "Kalvor ver. " KALVOR_VERSION, "About box title line");
  Kalvor::Click(about.hwnd, IDOK);
  k.Idle();

  // No prescan yet: setup says there are no ports and stops.
  k.Press(212);
  Box warning = k.NextBox();
  CheckEq(warning.caption, "Warning", "no prescan yet: the ports warning");
  Kalvor::Click(warning.hwnd, IDOK);
  k.Idle();
  Check(!Exists(dir + "\\counter.VEC") && !Exists(dir + "\\counter.SIM"),
        "setup without ports writes nothing");

  // A small design through ".mac to .net" (the prescan finds its ports),
  // then setup writes its .VEC and .SIM from the templates in the package.
  WriteBytes(dir + "\\pk.mac", Crlf({".macro INV A Y", "<M1 NMOS A Y", ".eom", ".macro top a b vdd",
                                      "+ y Gnd", "<U1 INV a y", "<U2 INV b y", ".eom"}));
  WriteBytes(dir + "\\pk.wir", Crlf({"$ Written by Kalvor EDIF to .MAC converter.", "", "WIRE LIST",
                                      "<<< COMPONENT LIST >>>", "top top top"}));
  std::string simfile = dir + "\\scmossim.mac";
  WriteBytes(simfile, "$ simulation technology\r\n");
  SetField(k.main(), 101, "pk");
  k.Press(104);
  AnswerInputBox(k, "sim.mac", "Specify a macro file for this function:",
                 "\\vazevari\\nettran\\scmos\\scmossim.mac", simfile);
  k.Idle();
  RunTranslatorAndPostProcess(k, dir + "\\pk.net");
  k.Press(212);
  Box nodes = k.NextBox();
  CheckEq(nodes.caption, "NODE LIST", "node list of the packaged program");
  SendMessageA(GetDlgItem(nodes.hwnd, 301), LB_SETSEL, TRUE, 0);
  Kalvor::Push(nodes.hwnd, IDOK);
  AnswerOver(k, nodes.hwnd, "KALVOR", "Echo input ports in .TAB ?", IDNO);
  WaitClosed(nodes.hwnd);
  k.Idle();
  CheckEq(k.Results(), "KALVOR: Done.", "setup's result");
  CheckHasLine(ReadBytes(dir + "\\pk.VEC"), ".PATT  a", "pk.VEC from the packaged KALVOR.VEC");
  CheckHasLine(ReadBytes(dir + "\\pk.SIM"), "PA pk.VEC", "pk.SIM from the packaged KALVOR.SIM");

  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// ------------------------------------------------------------- real designs

std::string Captions(const std::vector<Box>& boxes) {
  std::string all;
  for (const Box& b : boxes) all += "[" + b.caption + "]";
  return all;
}

// The lines of a text file.
long LineCount(const std::string& path) {
  std::string bytes = ReadBytes(path);
  return static_cast<long>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// What the user sees at the middle of a control: the window under that
// point of the screen.
bool InView(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  POINT middle = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  return WindowFromPoint(middle) == control;
}

std::string WindowAt(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  POINT middle = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  HWND w = WindowFromPoint(middle);
  HWND top = GetAncestor(w, GA_ROOT);
  return "[" + Caption(top) + "] (" + ClassOf(top) + ")";
}

// Watches the progress window while a conversion works: whether it was
// seen with its Cancel button in view (not covered by the main window), and
// what covered it otherwise; what it said of the conversion. Once seen in
// view for 200 ms (the window is drawn every 75 ms while the conversion
// steps), the screen is kept as a screenshot and the watch ends: each look
// is a dozen requests to the emulator's server, which on two cores slowed
// the conversion it watched (in between, a look asks only whether the window
// is up). The window is made once per program and found once.
struct ProgressWatch {
  Kalvor* k = nullptr;
  std::string shot;
  bool in_view = false;
  std::string covered_by;
  std::string operation;  // texts 103 and 102 at the first sight
  std::string file;
  HWND progress = nullptr;
  DWORD first_in_view = 0;
  bool settled = false;
  void operator()() {
    if (settled) return;
    if (!progress) progress = ProgressOf(*k);
    if (!progress || !IsWindowVisible(progress)) return;
    if (operation.empty()) {
      operation = Field(progress, 103);
      file = Field(progress, 102);
    }
    // Once seen in view, it is looked at again only for the screenshot.
    if (in_view && GetTickCount() - first_in_view < 200) return;
    HWND cancel = GetDlgItem(progress, IDCANCEL);
    if (InView(cancel)) {
      const DWORD now = GetTickCount();
      if (!in_view) first_in_view = now;
      in_view = true;
      if (now - first_in_view >= 200) {
        if (!shot.empty()) Screenshot(progress, shot, false);
        settled = true;
      }
    } else if (covered_by.empty()) {
      covered_by = WindowAt(cancel);
    }
  }
};

// The messages in the results area that begin with `caption`.
bool ResultsHold(const std::string& results, const std::string& entry) {
  for (const std::string& line : Lines(results)) {
    if (line.rfind(entry, 0) == 0) return true;
  }
  return false;
}

// Clicks a control with the mouse, as a person does: through the screen.
void MouseClick(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  int x = (r.left + r.right) / 2;
  int y = (r.top + r.bottom) / 2;
  // The move and the press at the same point, in absolute units.
  LONG ax = static_cast<LONG>(x * 65535L / (GetSystemMetrics(SM_CXSCREEN) - 1));
  LONG ay = static_cast<LONG>(y * 65535L / (GetSystemMetrics(SM_CYSCREEN) - 1));
  INPUT in[3] = {};
  for (INPUT& i : in) {
    i.type = INPUT_MOUSE;
    i.mi.dx = ax;
    i.mi.dy = ay;
  }
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(3, in, sizeof in[0]);
}

// The times of the command-line program in this run (the script measured
// them before the scenarios): "STEM FUNCTION" -> milliseconds.
double CliMs(const std::string& stem, const std::string& what) {
  std::istringstream in(ReadBytes(g_work + "\\..\\cli-times.txt"));
  const std::string key = "TIME " + stem + " " + what + ": ";
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) == 0) return std::atof(line.c_str() + key.size());
  }
  return 0;
}

void Report(const std::string& stem, const std::string& what, const Answered& run) {
  double cli = CliMs(stem, what);
  std::string steps;
  for (double w : run.work_ms) steps += (steps.empty() ? "" : " + ") + std::to_string(static_cast<long>(w));
  std::printf("TIME %s %s: %.0f ms in kalvor.exe from the click to the result (%.0f ms after "
              "the last answer, %.0f ms working: %s); kalvor %.0f ms%s; %d prompts %s\n",
              stem.c_str(), what.c_str(), run.wall_ms, run.after_last_ms, run.busy_ms,
              steps.c_str(), cli,
              cli > 0 ? (" (" + std::to_string(run.wall_ms / cli).substr(0, 4) + "x)").c_str()
                      : "",
              static_cast<int>(run.prompts.size()), Captions(run.prompts).c_str());
  std::fflush(stdout);
}

// The prompts a command may show, in order: each at most once; anything else
// (a box with nothing to decide, or a stop) fails.
void CheckPrompts(const Answered& run, const std::vector<std::string>& allowed,
                  const std::vector<std::string>& required, const std::string& what) {
  std::size_t next = 0;
  for (const Box& b : run.prompts) {
    while (next < allowed.size() && allowed[next] != b.caption) ++next;
    Check(next < allowed.size(), what + ": unexpected prompt " + Describe(b) + " among " +
                                     Captions(run.prompts));
    ++next;
  }
  for (const std::string& caption : required) {
    bool seen = false;
    for (const Box& b : run.prompts) seen = seen || b.caption == caption;
    Check(seen, what + ": no prompt [" + caption + "] among " + Captions(run.prompts));
  }
}

// A netlist of the corpus through the EDIF import and .mac to VHDL, with
// the prompts a user meets: every prompt is counted, and only the questions
// and dialogs of each conversion may come; what they report goes to the
// results area. The times go to the log beside the command-line program's
// (no check depends on them).
void ConvertRealDesign(const std::string& edif, bool watch_progress) {
  std::string name = edif.substr(edif.rfind('\\') + 1);
  std::string stem = name.substr(0, name.rfind('.'));
  std::string dir = Dir("real-" + stem);
  CopyBytes(edif, dir + "\\" + name);
  Kalvor k;
  k.Start(dir + "\\" + name);
  k.Press(115);
  k.Idle();
  k.Press(103);
  ProgressWatch watch;
  watch.k = &k;
  watch.shot = "progress-" + stem + ".bmp";
  // The progress window is watched at every look: on a quiet machine the
  // largest design's import is up some 150 ms (a quarter second after the
  // work begins), which looks every 50 ms caught once or not at all.
  Answered import = k.AnswerAll(0, watch_progress ? std::function<void()>(std::ref(watch))
                                                  : std::function<void()>(), 1);
  Report(stem, "EDIF to .mac", import);
  CheckPrompts(import, {"EDIF to MAC conversion", "Macro Include Files", "EDIF Import"},
               {"EDIF to MAC conversion", "Macro Include Files"}, stem + " import");
  std::string results = k.Results();
  Check(ResultsHold(results, "EDIF Conversion Done. Output file: "),
        stem + ": the import's summary is in the results area: " + results);
  Check(Exists(dir + "\\" + stem + ".mac"), stem + ".mac written");
  if (watch_progress) {
    Check(watch.in_view, stem + ": the progress window and its Cancel were in view during the "
                                "import" + (watch.covered_by.empty() ? std::string(" (never seen)")
                                                 : ", covered by " + watch.covered_by));
    CheckEq(watch.operation, "Converting:", "the progress window's operation");
    CheckEq(Lower(watch.file), Lower(dir + "\\" + name), "the progress window's file");
  }
  Screenshot(k.main(), "results-" + stem + "-import.bmp");
  // Warnings beyond the first few: the results name the list of all of them.
  std::size_t at = results.find("warnings are listed in:");
  if (at != std::string::npos) {
    std::string list = Lines(results.substr(at))[1];
    list.erase(0, list.find_first_not_of(' '));
    long listed = std::atol(results.substr(results.rfind("All ", at) + 4).c_str());
    CheckEq(Lower(list), Lower(ShortDir(dir) + stem + ".warnings.txt"), "the warnings file");
    Check(LineCount(list) == listed && listed > 3, stem + ": the list holds every warning");
  }

  k.Press(114);
  k.Idle();
  k.Press(103);
  Answered vhdl = k.AnswerAll();
  Report(stem, ".mac to VHDL", vhdl);
  // The parameters, then the closing question (view the fanout report?);
  // never the question to double the tables, which ends the program.
  CheckPrompts(vhdl, {"VHDL Conversion Parameters:", "Done."},
               {"VHDL Conversion Parameters:", "Done."}, stem + " .mac to VHDL");
  Check(ResultsHold(k.Results(), "NETS= "), stem + ": the table figures are in the results area");
  Check(Exists(dir + "\\" + stem + ".vhd"), stem + ".vhd written");
  Check(IsWindow(k.main()) && IsWindowVisible(k.main()), stem + ": the program is still open");
  Screenshot(k.main(), "results-" + stem + "-vhdl.bmp");
  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

void RealDesigns() {
  for (const char* name : {"counters128.edf", "synth_th1_slaac.edf"}) {
    ConvertRealDesign(g_corpus + "\\edif\\" + name, false);
  }
}

// The corpus's largest netlist from fresh settings: the progress window in
// view during its import; one .mac to VHDL run, the program still open.
void LargestDesign() {
  std::string large = g_work + "\\large\\leon3mp_hierarchical.edf";
  Check(Exists(large), "the script unzipped " + large);
  ClearIni();
  ConvertRealDesign(large, true);
}

// Whether a message box shows the warning icon: its icon, as the screen
// shows it, is the yellow sign (the error sign is red, the information
// sign blue). `shot` is the box's screenshot.
bool ShowsWarningIcon(HWND box, const Shot& shot) {
  RECT win;
  GetWindowRect(box, &win);
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    LONG style = GetWindowLongA(c, GWL_STYLE);
    if (ClassOf(c) != "Static" || (style & SS_TYPEMASK) != SS_ICON || !IsWindowVisible(c)) continue;
    RECT r;
    GetWindowRect(c, &r);
    int yellow = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        COLORREF p = shot.At(x - win.left, y - win.top);
        if (GetRValue(p) > 200 && GetGValue(p) > 160 && GetBValue(p) < 100) ++yellow;
      }
    }
    if (yellow > 20) return true;
  }
  return false;
}

// VHDL SIM opt. on a directory of VHDL sources: one question for the files
// that change, none for a file without a region; "Done" in the results.
// Then a trace table converted with no viewer installed: the files were
// written, the viewer was not found, with a warning.
void SimSwitchAndTrace() {
  std::string dir = Dir("vhd");
  const std::string region = Crlf({"entity e is end;", "--ifdef SIM", "--  x <= y after 1 ns;",
                                   "--else", "  x <= y;", "--endif"});
  const std::string plain = Crlf({"entity p is end;"});
  WriteBytes(dir + "\\top.vhd", region);
  WriteBytes(dir + "\\sub.vhd", region);
  WriteBytes(dir + "\\plain.vhd", plain);
  Kalvor k;
  k.Start(dir + "\\top.vhd");
  k.Press(111);
  k.Idle();
  k.Press(103);
  Answered sim = k.AnswerAll(IDYES);
  Check(sim.prompts.size() == 1, "one question for the set: " + Captions(sim.prompts));
  const Box& q = sim.prompts[0];
  Check(q.text.find("Replace these 2 files?") != std::string::npos &&
            q.text.find("sub.vhd") != std::string::npos &&
            q.text.find("top.vhd") != std::string::npos &&
            q.text.find("plain.vhd") == std::string::npos,
        "the question names the two files that change: " + q.text);
  CheckEq(k.Results(), "Done", "the switch's result");
  Check(ReadBytes(dir + "\\top.vhd") != region && ReadBytes(dir + "\\sub.vhd") != region,
        "both files switched");
  CheckEq(ReadBytes(dir + "\\plain.vhd"), plain, "the file without a region is untouched");
  Screenshot(k.main(), "results-sim.bmp");

  WriteBytes(dir + "\\run.txt", "Signals=time tb.clk tb.count\n---\n---\n\n0  '1' '0' 1241 620 -5\n");
  WriteProfileStringA("RDMX", "WAVEVIEWER", "no-such-viewer.exe");
  k.Press(113);
  k.Idle();
  k.Press(103);
  k.ChooseFile(dir + "\\run.txt");
  Box params = k.NextBox();
  CheckEq(params.caption, "VHDL Sim Output Conversion Parameters:", "the trace parameters");
  Kalvor::Click(params.hwnd, IDOK);
  Box missing = k.NextBox();
  CheckEq(missing.caption, "Waveform viewer not found", "the missing viewer's caption");
  Check(missing.text.rfind("The waveform files were written:\n", 0) == 0 &&
            missing.text.find("run.out\n") != std::string::npos &&
            missing.text.find("The viewer no-such-viewer.exe was not found.") != std::string::npos,
        "the box says the files were written and the viewer was not found: " + missing.text);
  Check(ShowsWarningIcon(missing.hwnd, Screenshot(missing.hwnd, "viewer-not-found.bmp")),
        "the box shows the warning icon");
  Kalvor::Click(missing.hwnd, IDOK);
  k.Idle();
  Check(Exists(dir + "\\run.out") && Exists(dir + "\\run.vcd"), "run.out and run.vcd written");
  WriteProfileStringA("RDMX", "WAVEVIEWER", nullptr);
  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// A box about a 207-character test ID's file fits the screen: the path is
// wrapped in the text and shortened in the middle in the caption.
void LongPathBox() {
  std::string dir = Dir("long");
  WriteProfileStringA("RDMX", "testdir", (ShortDir(dir)).c_str());
  Kalvor k;
  k.Start("");
  const std::string id = std::string(200, 'x') + "_207chr";
  k.Set(101, id);
  k.Press(114);
  k.Idle();
  k.Press(103);
  Box params = k.NextBox();
  CheckEq(params.caption, "VHDL Conversion Parameters:", "the VHDL parameters");
  Kalvor::Click(params.hwnd, IDOK);
  Box box = k.NextBox();
  Check(box.text.find("Unable to open above file.") != std::string::npos, "the box: " + Describe(box));
  Check(box.caption.size() <= 60 && box.caption.find("...") != std::string::npos &&
            box.caption.find("_207chr.mac") != std::string::npos,
        "the caption keeps the path's head and tail: " + box.caption);
  RECT r;
  GetWindowRect(box.hwnd, &r);
  Check(r.left >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN),
        "the box fits the screen: " + std::to_string(r.left) + ".." + std::to_string(r.right));
  for (const std::string& line : Lines(box.text)) {
    Check(line.size() <= 70, "no text line wider than the box: " + line);
  }
  Screenshot(box.hwnd, "long-path-box.bmp");
  Kalvor::Click(box.hwnd, IDOK);
  k.Idle();
  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// The entity that standard VHDL names top-level in the results, or "".
std::string TopEntityOf(const std::string& results) {
  const std::string entry = "Standard VHDL: Top-level entity: ";
  for (const std::string& line : Lines(results)) {
    if (line.rfind(entry, 0) == 0) return line.substr(entry.size());
  }
  return "";
}

// Standard VHDL on the largest design, cancelled with the mouse as soon as
// the progress window shows, then run through: a cancelled run names no
// top entity but the design's own.
void StandardVhdlAfterCancel() {
  std::string dir = g_work + "\\real-leon3mp_hierarchical";
  std::string mac = dir + "\\leon3mp_hierarchical.mac";
  Check(Exists(mac), mac + " from the import of the largest design");
  WriteProfileStringA("RDMX", "mac2vhd", "m1=NC;m2=PORTPADA;m3=;=n;p1=;p2=;std=y;");
  Kalvor k;
  k.Start(mac);
  std::string entities[2];
  for (int run = 0; run < 2; ++run) {
    k.Press(114);
    k.Idle();
    k.Press(103);
    Box params = k.NextBox();
    Check(Ticked(params.hwnd, 107), "standard VHDL is ticked");
    Kalvor::Click(params.hwnd, IDOK);
    if (Exists(dir + "\\leon3mp_hierarchical.vhd")) {
      Box overwrite = k.NextBox();
      CheckEq(overwrite.text.substr(overwrite.text.rfind('\n') + 1), "Overwrite above file?",
              "the overwrite question");
      Kalvor::Click(overwrite.hwnd, IDYES);
    }
    bool cancelled = false;
    auto cancel = [&] {
      HWND progress = ProgressOf(k);
      if (run == 0 && !cancelled && progress && InView(GetDlgItem(progress, IDCANCEL))) {
        MouseClick(GetDlgItem(progress, IDCANCEL));
        cancelled = true;
      }
    };
    Answered vhdl = k.AnswerAll(0, cancel);
    entities[run] = TopEntityOf(k.Results());
    std::printf("     standard VHDL run %d%s: top entity \"%s\", prompts %s\n", run + 1,
                run == 0 ? (cancelled ? " (Cancel clicked)" : " (ended before Cancel)") : "",
                entities[run].c_str(), Captions(vhdl.prompts).c_str());
    std::fflush(stdout);
  }
  Check(!entities[1].empty(), "the full run names the top entity");
  Check(entities[0].empty() || entities[0] == entities[1],
        "the cancelled run names no other top entity: \"" + entities[0] + "\" against \"" +
            entities[1] + "\"");
  Check(Lower(entities[1]).find("leon3mp") != std::string::npos,
        "the top entity is the design's top: " + entities[1]);
  WriteProfileStringA("RDMX", "mac2vhd", nullptr);
  k.Menu(2);
  Check(k.WaitExit() == 0, "exit code 0");
}

// Cancel in the progress window, clicked with the mouse once the import of
// the largest design reads (its questions answered): the import stops as on
// a failure, without its summary, and the old macro file stays. The
// questions before the reading come up without the progress window.
//
// The window shows after 250 ms, and the import of the largest design ends
// some 100 ms later: a Cancel the program has not read by its end is too
// late for it, and the import is finished as it would be for the user. So
// the program is held (its thread suspended) from the look that finds Cancel
// in view until the click is among its messages, which it reads before it
// ends; an import that ended before that look is noted and made again, up
// to six times.
void CancelImport() {
  std::string dir = Dir("cancel");
  std::string large = g_work + "\\large\\leon3mp_hierarchical.edf";
  Check(Exists(large), "the script unzipped " + large);
  CopyBytes(large, dir + "\\big.edf");
  const std::string old_mac = "* the macro file before\r\n";
  constexpr int kAttempts = 6;
  for (int attempt = 1;; ++attempt) {
    WriteBytes(dir + "\\big.mac", old_mac);
    Kalvor k;
    k.Start(dir + "\\big.edf");
    k.Press(115);
    k.Idle();
    k.Press(103);
    Box replace = k.NextBox();
    CheckEq(replace.caption, "Replace File?", "the replace question");
    Kalvor::Click(replace.hwnd, IDYES);
    Box base = k.NextBox();
    CheckEq(base.caption, "EDIF to MAC conversion", "the base file question");
    Check(GetWindow(base.hwnd, GW_OWNER) == k.main(), "the question belongs to the main dialog");
    // N answers No, as in the system's box.
    Chord(base.hwnd, {'N'});
    WaitClosed(base.hwnd);
    HWND progress = nullptr;
    HWND cancel = nullptr;
    int clicks = 0;
    bool taken = false;
    DWORD last_click = 0;
    std::string covered;
    // A click the program has not taken yet (it reads between its looks at
    // the window) is clicked again, as a person would.
    auto click = [&] {
      if (!progress && (progress = ProgressOf(k)) != nullptr) {
        cancel = GetDlgItem(progress, IDCANCEL);
      }
      if (taken || !IsWindow(cancel) || !IsWindowEnabled(progress)) return;
      if (clicks > 0 && !IsWindowEnabled(cancel)) {
        taken = true;
        return;
      }
      if (!InView(cancel)) {
        covered = WindowAt(cancel);
        return;
      }
      if (clicks > 0 && GetTickCount() - last_click < 300) return;
      // Clicked at once: no screenshot first (it waits until the window is
      // drawn, and a wait there once let the import end before the click).
      // The program is held while the click is sent (the screen's point
      // only: nothing is asked of the program meanwhile).
      const bool held = SuspendThread(k.thread()) != static_cast<DWORD>(-1);
      MouseClick(cancel);
      if (held) ResumeThread(k.thread());
      last_click = GetTickCount();
      ++clicks;
    };
    // Looked at every look, not every fifth: the window is up for a short
    // while only.
    Answered rest = k.AnswerAll(0, click, 1);
    const std::string results = k.Results();
    const bool stopped = ResultsHold(results, "Cancel: Stopped by Cancel");
    std::printf("     Cancel, attempt %d: %d click(s) while the import read; %s\n", attempt,
                clicks, stopped ? "stopped" : "the import ended first");
    std::fflush(stdout);
    if (!stopped && ResultsHold(results, "EDIF Conversion Done.") && attempt < kAttempts) {
      k.Menu(2);
      Check(k.WaitExit() == 0, "exit code 0");
      continue;
    }
    Check(clicks > 0, "Cancel was in view while the import read" +
                          (covered.empty() ? std::string() : ", not under " + covered));
    CheckPrompts(rest, {"Macro Include Files", "EDIF Import"}, {"Macro Include Files"},
                 "after Cancel");
    Check(!ResultsHold(results, "EDIF Conversion Done.") && stopped,
          "no summary after Cancel, and the results say it stopped: " + results);
    Check(ProgressOf(k) == nullptr, "the progress window is closed after Cancel");
    CheckEq(ReadBytes(dir + "\\big.mac"), old_mac, "Cancel leaves the old macro file");
    k.Menu(2);
    Check(k.WaitExit() == 0, "exit code 0");
    return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 9) {
    std::fprintf(stderr,
                 "usage: kvdriver KALVOR.EXE KVKIT.EXE WORK-DIR ARTEFACT-DIR CORPUS-DIR "
                 "EXAMPLES-DIR EXPECTED-DIR NETTRAN.EXE\n");
    return 2;
  }
  g_exe = argv[1];
  g_kit_exe = argv[2];
  g_work = argv[3];
  g_artefacts = argv[4];
  g_corpus = argv[5];
  g_examples = argv[6];
  g_expected = argv[7];
  g_nettran = argv[8];

  struct Scenario {
    const char* name;
    void (*run)();
  };
  const Scenario scenarios[] = {
      {"command-line design, WIN.INI and defaults", CommandLineStart},
      {"arming the program's own converters", ArmConverters},
      {"Run with an empty test ID", RunWithoutTestId},
      {"keyboard: Tab order, Enter, a long test ID", KeyboardAndTestId},
      {"copy into project and reformat", CopyAndReformat},
      {"Exit saves the check boxes", ExitKeepsCheckBoxes},
      {"progress window", ProgressWindow},
      {"dialog templates", Templates},
      {"input box", InputBoxes},
      {"parameter dialogs", ParameterDialogs},
      {".mac to .tpr and .net with the translator, setup, extract", TprNetlist},
      {"EDIF to .mac on the example design", EdifImport},
      {"packaged program: example design, About box, setup", PackagedProgram},
      {"corpus designs: import and .mac to VHDL", RealDesigns},
      {"largest design from fresh settings: import and .mac to VHDL", LargestDesign},
      {"Cancel during the import", CancelImport},
      {"standard VHDL after Cancel on the largest design", StandardVhdlAfterCancel},
      {"SIM switch and a trace without its viewer", SimSwitchAndTrace},
      {"a box about a long path", LongPathBox},
  };
  int passed = 0;
  int failed = 0;
  // KVDRIVER_ONLY: the scenarios whose names hold one of its '|'-separated
  // parts; KVDRIVER_SKIP: all but those.
  auto names_any = [](const char* name, const char* parts) {
    std::istringstream in(parts);
    for (std::string part; std::getline(in, part, '|');) {
      if (!part.empty() && std::string(name).find(part) != std::string::npos) return true;
    }
    return false;
  };
  const char* only = std::getenv("KVDRIVER_ONLY");
  const char* skip = std::getenv("KVDRIVER_SKIP");
  for (const Scenario& s : scenarios) {
    if (only && *only && !names_any(s.name, only)) continue;
    if (skip && *skip && names_any(s.name, skip)) continue;
    try {
      s.run();
      std::printf("PASS %s\n", s.name);
      ++passed;
    } catch (const Failure& f) {
      std::printf("FAIL %s: %s\n", s.name, f.what.c_str());
      ++failed;
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
