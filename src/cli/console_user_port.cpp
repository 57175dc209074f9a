#include "cli/console_user_port.h"

#include <chrono>
#include <thread>

#include "base/clock.h"
#include "text/sjis.h"

namespace tw {

std::string ConsoleText(const std::string& sjis) {
  std::string text = SjisToUtf8(sjis);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

void ConsoleUserPort::Inform(const std::string& text) { err_ << ConsoleText(text) << '\n'; }

bool ConsoleUserPort::Confirm(const std::string& text) {
  err_ << ConsoleText(text) << " -> No\n";
  return false;
}

void ConsoleUserPort::SetStatus(const std::string& text) {
  if (!text.empty()) Line(text);
}

void ConsoleUserPort::WaitProcessingEvents(int millis) {
  if (sleep_) {
    sleep_(millis);
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(millis));
  }
}

void ConsoleUserPort::Line(const std::string& text) {
  out_ << FormatTime(clock_.Now()) << ' ' << ConsoleText(text) << '\n';
  out_.flush();
}

}  // namespace tw
