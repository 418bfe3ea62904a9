#include "core/safe_replace.h"

namespace kalvor {

SafeOutput::~SafeOutput() { Abort(); }

bool SafeOutput::Open(const std::string& target) {
  Abort();
  target_ = p_.fs.FinalPath(ResolveForReading(target));
  std::FILE* stream = p_.fs.CreateScratch(target_, scratch_);
  if (!stream) {
    scratch_.clear();
    p_.ui.Notify(kUnableToCreate, target_, box::kOk | box::kIconError);
    return false;
  }
  file_.Adopt(stream, scratch_);
  return true;
}

bool SafeOutput::Commit() {
  if (scratch_.empty()) return false;
  bool complete = file_.IsOpen() && !file_.WriteFailed() && file_.Flush() &&
                  p_.fs.SettleScratch(file_.Stream(), target_);
  file_.Close();
  if (complete && !file_.WriteFailed() && p_.fs.ReplaceFile(scratch_, target_)) {
    scratch_.clear();
    return true;
  }
  Abort();
  p_.ui.Notify(kUnableToWrite, target_, box::kOk | box::kIconError);
  return false;
}

bool SafeOutput::Commit(File& source) {
  source.Close();
  if (source.ReadFailed()) {
    Abort();
    ReportReadFailure(p_.ui, source.Path());
    return false;
  }
  return Commit();
}

void SafeOutput::Abort() {
  file_.Close();
  if (!scratch_.empty()) p_.fs.RemoveFile(scratch_);
  scratch_.clear();
}

void ReportReadFailure(UserInterface& ui, const std::string& path) {
  ui.Notify(kUnableToRead, path, box::kOk | box::kIconError);
}

}  // namespace kalvor
