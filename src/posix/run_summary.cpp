#include "posix/run_summary.h"

#include <algorithm>
#include <cstdio>

#include "platform/ui.h"
#include "text/strings.h"

namespace kalvor {

namespace {

std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string Plural(long n, const char* word) {
  return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

}  // namespace

void RunSummary::Shown(const std::string& text, const std::string& caption, int type) {
  ++messages;
  if ((type & box::kButtonMask) != box::kOk) ++questions;
  const int icon = type & box::kIconMask;
  if (icon == box::kIconError) {
    ++error_count;
    if (keep_texts) warnings.push_back({"error", caption, text});
  } else if (icon == box::kIconWarning || EqualNoCase(caption.substr(0, 7), "warning") ||
             text.rfind("WARNING:", 0) == 0 || text.find("\nWARNING:") != std::string::npos) {
    ++warning_count;
    if (keep_texts) warnings.push_back({"warning", caption, text});
  }
}

void RunSummary::Wrote(const std::string& path) {
  if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
}

double RunSummary::Seconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string SummaryLine(const RunSummary& s, const std::string& function,
                        const std::string& outcome) {
  std::string line = Format("kalvor: %s %s in %.1f s: ", function.c_str(), outcome.c_str(),
                            s.Seconds()) +
                     Plural(s.messages, "message") + ", " + Plural(s.questions, "question") +
                     ", " + Plural(s.warning_count, "warning") + ", " +
                     Plural(s.error_count, "error") + "; ";
  if (s.files.empty()) return line + "no file written";
  line += "wrote";
  for (std::size_t i = 0; i < s.files.size(); ++i) line += (i ? ", " : " ") + s.files[i];
  return line;
}

std::string SummaryJson(const RunSummary& s, const std::string& function,
                        const std::string& design, const std::string& outcome, int exit_status) {
  std::string json = "{\n  \"function\": " + JsonString(function) +
                     ",\n  \"design\": " + JsonString(design) +
                     ",\n  \"outcome\": " + JsonString(outcome) +
                     ",\n  \"exit_status\": " + std::to_string(exit_status) +
                     Format(",\n  \"seconds\": %.3f", s.Seconds()) +
                     ",\n  \"messages\": " + std::to_string(s.messages) +
                     ",\n  \"questions\": " + std::to_string(s.questions) +
                     ",\n  \"warning_count\": " + std::to_string(s.warning_count) +
                     ",\n  \"error_count\": " + std::to_string(s.error_count) +
                     ",\n  \"files_written\": [";
  for (std::size_t i = 0; i < s.files.size(); ++i) {
    json += (i ? ", " : "") + JsonString(s.files[i]);
  }
  json += "],\n  \"warnings\": [";
  for (std::size_t i = 0; i < s.warnings.size(); ++i) {
    const RunSummary::Message& m = s.warnings[i];
    json += std::string(i ? "," : "") + "\n    {\"severity\": " + JsonString(m.severity) +
            ", \"caption\": " + JsonString(m.caption) + ", \"text\": " + JsonString(m.text) +
            "}";
  }
  json += s.warnings.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return json;
}

}  // namespace kalvor
