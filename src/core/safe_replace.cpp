#include "core/safe_replace.h"

#include <cstdint>
#include <vector>

namespace kalvor {

SafeOutput::~SafeOutput() { Abort(); }

bool SafeOutput::Open(const std::string& target) {
  Abort();
  const std::string named = ResolveForReading(target);
  target_ = p_.fs.FinalPath(named);
  if (target_ != named && !FileExists(target_)) {
    // A link that leads to no file: writing would create one wherever it
    // points.
    p_.ui.Notify(kLinkToNothing, named, box::kOk | box::kIconError);
    return false;
  }
  std::FILE* stream = p_.fs.CreateScratch(target_, scratch_);
  if (!stream) {
    scratch_.clear();
    p_.ui.Notify(kUnableToCreate, target_, box::kOk | box::kIconError);
    return false;
  }
  file_.Adopt(stream, scratch_);
  return true;
}

bool SafeOutput::Settle() {
  if (scratch_.empty()) return false;
  bool complete = file_.IsOpen() && !file_.WriteFailed() && file_.Flush() &&
                  p_.fs.SettleScratch(file_.Stream(), target_);
  file_.Close();
  return complete && !file_.WriteFailed();
}

bool SafeOutput::Replace() {
  replaced_ = p_.fs.ReplaceFile(scratch_, target_);
  if (replaced_) {
    scratch_.clear();
    return true;
  }
  if (!FileExists(scratch_)) {
    // Renamed, but the directory could not be written through.
    replaced_ = true;
    scratch_.clear();
    p_.ui.Notify(kNotConfirmed, target_, box::kOk | box::kIconError);
    return false;
  }
  Abort();
  p_.ui.Notify(kUnableToWrite, target_, box::kOk | box::kIconError);
  return false;
}

bool SafeOutput::Commit() {
  if (scratch_.empty()) return false;
  if (Settle()) return Replace();
  Abort();
  p_.ui.Notify(kUnableToWrite, target_, box::kOk | box::kIconError);
  return false;
}

namespace {

// The bytes to copy to keep the file at `path` aside as it is: none when
// there is no file; one that cannot be read counts as the largest.
std::uint64_t KeepingCost(const std::string& path) {
  if (!FileExists(path)) return 0;
  File file;
  if (!file.Open(path, File::Mode::kRead)) return UINT64_MAX;
  const std::int64_t size = file.Size();
  return size < 0 ? UINT64_MAX : static_cast<std::uint64_t>(size) + 1;
}

}  // namespace

bool CommitPair(SafeOutput& one, SafeOutput& other) {
  if (one.scratch_.empty() || other.scratch_.empty()) return false;
  for (SafeOutput* out : {&one, &other}) {
    if (!out->Settle()) {
      one.Abort();
      other.Abort();
      out->p_.ui.Notify(kUnableToWrite, out->target_, box::kOk | box::kIconError);
      return false;
    }
  }
  // The file replaced first is kept aside as it is now, until the second
  // is replaced: the one that costs least to keep (a .wir beside its .mac,
  // or one that is not there yet).
  const std::uint64_t one_cost = KeepingCost(one.target_);
  const std::uint64_t other_cost = KeepingCost(other.target_);
  const bool swap = other_cost < one_cost;
  SafeOutput& first = swap ? other : one;
  SafeOutput& second = swap ? one : other;
  Platform& p = first.p_;
  SafeOutput kept(p);
  const bool existed = (swap ? other_cost : one_cost) != 0;
  if (existed) {
    File old;
    bool copied = old.Open(first.target_, File::Mode::kRead) && kept.Open(first.target_);
    std::vector<char> block(1 << 16);
    while (copied) {
      std::size_t got = old.Read(block.data(), block.size());
      if (got == 0) break;
      copied = kept.file().Write(block.data(), got);
    }
    old.Close();
    if (!copied || old.ReadFailed() || !kept.Settle()) {
      kept.Abort();
      first.Abort();
      second.Abort();
      p.ui.Notify(kUnableToWrite, first.target_, box::kOk | box::kIconError);
      return false;
    }
  }
  bool done = first.Replace();
  if (!first.replaced_) {
    second.Abort();
    return false;
  }
  done = second.Replace() && done;
  if (second.replaced_) return done;
  // Put the first file back as it was, so the two still belong together.
  bool restored = existed ? p.fs.ReplaceFile(kept.scratch_, first.target_)
                          : p.fs.RemoveFile(first.target_);
  if (restored) kept.scratch_.clear();
  if (!restored) p.ui.Notify(kUnableToWrite, first.target_, box::kOk | box::kIconError);
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
