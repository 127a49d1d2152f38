#include "platform/terminal_guard.h"

#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <system_error>

namespace fm {

namespace {

// What the undo needs. A signal handler takes no arguments, so this record has to be reachable
// from file scope; it is the platform's only such state, owned by the one Terminal_Guard, and its
// flags are sig_atomic_t so that a handler always reads a whole value.
struct Undo_Record {
  int in_fd = -1;
  int out_fd = -1;
  termios saved{};                              // the settings found at start, put back by the undo
  termios modes[2]{};                           // Raw and Line, worked out from `saved`
  volatile std::sig_atomic_t mode = -1;         // the mode in force; -1 while none was set
  volatile std::sig_atomic_t alternate = 0;     // 1 while the alternate screen is entered
  volatile std::sig_atomic_t undone = 0;        // 1 from a stop's undo until the resume
  volatile std::sig_atomic_t guard_active = 0;  // 1 while a guard owns this record
};
Undo_Record record;

constexpr int Handled[] = {SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGCONT};
static_assert(sizeof Handled / sizeof Handled[0] == 5, "one saved action per handled signal");

// Async-signal-safe: write(2) and tcsetattr(3) only.
void write_text(const char* text, std::size_t size) {
  while (size > 0) {
    const ssize_t put = ::write(record.out_fd, text, size);
    if (put > 0) {
      text += put;
      size -= static_cast<std::size_t>(put);
    } else if (!(put < 0 && errno == EINTR)) {
      return;
    }
  }
}

void run_undo() {
  if (record.alternate != 0) {
    write_text(Terminal_Guard::Leave_Alternate_Screen,
               sizeof Terminal_Guard::Leave_Alternate_Screen - 1);
  }
  if (record.mode >= 0) tcsetattr(record.in_fd, TCSANOW, &record.saved);
}

void redo() {
  if (record.mode >= 0) tcsetattr(record.in_fd, TCSANOW, &record.modes[record.mode]);
  // The alternate screen comes back blank; the next frame draws on it.
  if (record.alternate != 0) {
    write_text(Terminal_Guard::Enter_Alternate_Screen,
               sizeof Terminal_Guard::Enter_Alternate_Screen - 1);
  }
}

void set_default_and_raise(int signal_number) {
  struct sigaction default_action {};
  default_action.sa_handler = SIG_DFL;
  sigemptyset(&default_action.sa_mask);
  sigaction(signal_number, &default_action, nullptr);
  sigset_t just_this;
  sigemptyset(&just_this);
  sigaddset(&just_this, signal_number);
  sigprocmask(SIG_UNBLOCK, &just_this, nullptr);
  raise(signal_number);
}

void install(int signal_number, void (*handler)(int), struct sigaction* previous);

extern "C" void on_ending_signal(int signal_number) {
  run_undo();
  // Ends the program as the signal would have without a handler, so the exit status is the
  // signal's usual one.
  set_default_and_raise(signal_number);
}

extern "C" void on_stop_signal(int signal_number) {
  const int saved_errno = errno;
  run_undo();
  record.undone = 1;
  set_default_and_raise(signal_number);  // stops here until SIGCONT
  install(signal_number, on_stop_signal, nullptr);
  // When the stop was not carried out (a process group without a shell to resume it discards
  // it), or SIGCONT's handler has not run yet, the mode and screen come back here.
  if (record.undone != 0) {
    record.undone = 0;
    redo();
  }
  errno = saved_errno;
}

extern "C" void on_continue_signal(int) {
  const int saved_errno = errno;
  if (record.undone != 0) {
    record.undone = 0;
    redo();
  } else if (record.mode >= 0) {
    // Stopped by other means (SIGSTOP): a shell may have reset the terminal meanwhile.
    tcsetattr(record.in_fd, TCSANOW, &record.modes[record.mode]);
  }
  errno = saved_errno;
}

void install(int signal_number, void (*handler)(int), struct sigaction* previous) {
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (const int other : Handled) sigaddset(&action.sa_mask, other);
  sigaction(signal_number, &action, previous);
}

}  // namespace

Terminal_Guard::Terminal_Guard(int in_fd, int out_fd) {
  assert(record.guard_active == 0 && "only one terminal guard at a time");
  termios saved{};
  if (tcgetattr(in_fd, &saved) != 0) {
    throw std::system_error(errno, std::generic_category(), "reading the terminal settings");
  }
  record.in_fd = in_fd;
  record.out_fd = out_fd;
  record.saved = saved;

  termios raw = saved;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | IEXTEN));
  raw.c_lflag |= ISIG;                          // Ctrl-C and Ctrl-Z keep working during key waits
  raw.c_iflag &= static_cast<tcflag_t>(~IXON);  // Ctrl-S does not freeze the screen
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  termios line = saved;
  line.c_lflag |= ICANON | ECHO | ISIG;
  record.modes[static_cast<int>(Mode::Raw)] = raw;
  record.modes[static_cast<int>(Mode::Line)] = line;
  record.mode = -1;
  record.alternate = 0;
  record.undone = 0;
  record.guard_active = 1;

  for (int i = 0; i < 5; ++i) {
    // A signal the program was started to ignore (nohup, a background job) stays ignored.
    struct sigaction current {};
    sigaction(Handled[i], nullptr, &current);
    if (current.sa_handler == SIG_IGN) continue;
    void (*handler)(int) = on_ending_signal;
    if (Handled[i] == SIGTSTP) handler = on_stop_signal;
    if (Handled[i] == SIGCONT) handler = on_continue_signal;
    install(Handled[i], handler, &previous_[i]);
    installed_[i] = true;
  }
}

Terminal_Guard::~Terminal_Guard() {
  // Block the handled signals while the record is taken apart, so no handler sees half of it.
  sigset_t handled, before;
  sigemptyset(&handled);
  for (const int signal_number : Handled) sigaddset(&handled, signal_number);
  sigprocmask(SIG_BLOCK, &handled, &before);
  run_undo();
  record.mode = -1;
  record.alternate = 0;
  record.undone = 0;
  for (int i = 0; i < 5; ++i) {
    if (installed_[i]) sigaction(Handled[i], &previous_[i], nullptr);
  }
  record.guard_active = 0;
  sigprocmask(SIG_SETMASK, &before, nullptr);
}

void Terminal_Guard::set_mode(Mode mode) {
  const int wanted = static_cast<int>(mode);
  if (record.mode == wanted) return;
  // The undo (back to the saved settings) is registered by the mode field itself: from here on
  // every road out puts the saved settings back.
  record.mode = wanted;
  while (tcsetattr(record.in_fd, TCSANOW, &record.modes[wanted]) != 0 && errno == EINTR) {
  }
}

void Terminal_Guard::entering_alternate_screen() {
  record.alternate = 1;
}

bool Terminal_Guard::on_alternate_screen() const {
  return record.alternate != 0;
}

}  // namespace fm
