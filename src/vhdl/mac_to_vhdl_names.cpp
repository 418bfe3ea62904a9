// Node names, bus indexes, the option string and the VHDL tokenizer of the
// .mac to VHDL conversion.
#include <cstring>
#include <string>

#include "core/dialogs.h"
#include "vhdl/fanout.h"
#include "vhdl/mac_to_vhdl.h"
#include "text/lineio.h"
#include "text/strings.h"

namespace kalvor {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr const char* kVhdlDelimiters = "():;+-=><,";

bool IsDelimiter(char c) { return c != '\0' && std::strchr(kVhdlDelimiters, c) != nullptr; }

// Ignore names and package names hold up to 127 characters.
constexpr std::size_t kFieldCapacity = 127;

}  // namespace

MacToVhdlOptions ReadMacToVhdlOptions(const std::string& options) {
  MacToVhdlOptions o;
  for (std::size_t i = 0; i < 3; ++i) {
    o.ignore[i] = Truncate(OptionValue(options, i), kFieldCapacity);
  }
  std::string flag = OptionValue(options, 3);
  o.no_supply = !flag.empty() && flag[0] == 'y';
  for (std::size_t i = 0; i < 2; ++i) {
    o.packages[i] = Truncate(OptionValue(options, 4 + i), kFieldCapacity);
  }
  o.standard = OptionValue(options, 6) == "y";
  return o;
}

void NormalizeNodeName(std::string& name, bool count, NodeTally& tally) {
  if (name.empty() || IsDigit(name[0])) name.insert(0, "NN_");
  if (name.size() >= 5 && name[4] == '_' && StartsWithNoCase(name, "inst")) name.erase(0, 5);
  if (name.size() == 3 && (EqualNoCase(name, "vdd") || EqualNoCase(name, "gnd"))) {
    for (char& c : name) c = ToLowerAscii(c);
  }
  // A loop, not the C library: names are short, and some C libraries'
  // searches cost more to call than to run.
  for (char& c : name) {
    if (c == '<') c = '_';
  }
  if ((name.size() == 2 || name.size() == 3) &&
      (EqualNoCase(name, "out") || EqualNoCase(name, "in"))) {
    name += '1';
    tally.name_changed = true;
  }
  if (count && tally.fanout) CountFanout(*tally.fanout, name);
}

namespace {

// An extended identifier of `text`: backslashes doubled.
std::string Extended(std::string_view text) {
  std::string id = "\\";
  for (char c : text) {
    id += c;
    if (c == '\\') id += c;
  }
  return id + "\\";
}

// Owners of labels begin with a line end, which no node name holds.
constexpr char kLabelOwner = '\n';

}  // namespace

void NodeNames::CountPending() {
  if (fanout_ && !counted_words_.empty()) {
    counted_.clear();
    for (std::uint32_t w : counted_words_) {
      counted_.push_back({WordName(w), name_hashes_[w], counts_[words_[w].number]});
    }
    fanout_->CountAll(counted_);
    // A name counted again after this is found in the table.
    for (std::uint32_t w : counted_words_) counts_[words_[w].number] = 0;
  }
  counted_words_.clear();
}

void NodeNames::Reset(bool lowercase) {
  CountPending();
  lowercase_ = lowercase;
  taken_.Clear();
  labels_.Clear();
  label_hashes_.Clear();
  labels_by_hash_ = false;
  initial_i_ = false;
  owners_.clear();
  counts_.clear();
  word_index_.Clear();
  words_.clear();
  name_hashes_.clear();
  looked_.clear();
  word_names_.Clear();
  owner_text_.clear();
  Take("vdd", "vdd");
  Take("gnd", "gnd");
}

// Gives `key` to `owner` (a word, or a label when it begins with a line
// end) when it is free; `number` gets its number either way.
bool NodeNames::Take(std::string_view key, std::string_view owner, std::uint32_t* number) {
  return Take(key, NameIndex::Hash(key), owner, number);
}

bool NodeNames::Take(std::string_view key, std::uint32_t hash, std::string_view owner,
                     std::uint32_t* number) {
  const bool label = !owner.empty() && owner[0] == kLabelOwner;
  const bool initial_i = !key.empty() && (key[0] == 'i' || key[0] == 'I');
  // A node named after the labels (a body line the signal pass did not
  // reach) meets them where they would have been.
  if (initial_i && !label && !labels_.empty()) LabelsAmongNames();
  bool inserted = false;
  std::uint32_t n = taken_.FindOrInsert(key, hash, &inserted);
  if (number) *number = n;
  if (!inserted) return false;
  if (initial_i) initial_i_ = true;
  Owner o;
  if (label) {
    o.size = kLabel;
  } else if ((owner.data() != key.data() || owner.size() != key.size()) && owner != key) {
    o.start = static_cast<std::uint32_t>(owner_text_.size());
    o.size = static_cast<std::uint32_t>(owner.size());
    owner_text_ += owner;
  }
  owners_.push_back(o);
  counts_.push_back(0);
  return true;
}

bool NodeNames::OwnedBy(std::uint32_t n, std::string_view word) const {
  const Owner& o = owners_[n];
  if (o.size == kLabel) return false;
  if (o.size == kSame) return taken_.at(n) == word;
  return std::string_view(owner_text_).substr(o.start, o.size) == word;
}

std::uint32_t NodeNames::NewWord(std::string_view word, std::uint32_t hash, NodeTally& tally) {
  // Names are only ever added, so a word named once keeps its name.
  WordEntry e;
  bool itself = false;
  e.number = Name(word, hash, tally, &itself);
  e.start = static_cast<std::uint32_t>(word_names_.size());
  e.word_size = static_cast<std::uint32_t>(word.size());
  e.word_at = itself ? e.start : e.start + static_cast<std::uint32_t>(name_.size());
  if (!itself) word_names_.Add(name_);
  word_names_.Add(word);
  const auto w = static_cast<std::uint32_t>(words_.size());
  words_.push_back(e);
  name_hashes_.push_back(itself ? hash : NameIndex::Hash(name_));
  looked_.push_back(0);
  word_index_.Add(hash, w);
  return w;
}

namespace {

// True when normalising leaves `word` as it is (and, with `lowercase`, it
// has no capital letter to lower): most node names.
// Eight bytes at a time, the last eight overlapping those before.
bool NamesItself(std::string_view word, bool lowercase) {
  if (word.size() <= 3 || IsDigit(word[0])) return false;
  if (word.size() < 8) {
    for (char c : word) {
      if (c == '<' || (lowercase && c >= 'A' && c <= 'Z')) return false;
    }
  } else {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    auto plain = [lowercase](const char* p) {
      std::uint64_t w = 0;
      std::memcpy(&w, p, 8);
      const std::uint64_t x = w ^ (kOnes * '<');
      return ((x - kOnes) & ~x & kHighs) == 0 && (!lowercase || LowerEightAscii(w) == w);
    };
    for (std::size_t i = 0; i + 8 < word.size(); i += 8) {
      if (!plain(word.data() + i)) return false;
    }
    if (!plain(word.data() + word.size() - 8)) return false;
  }
  return !(word.size() >= 5 && word[4] == '_' && StartsWithNoCase(word, "inst"));
}

}  // namespace

// Names node `word` (of NameIndex::Hash `hash`) and returns the number of
// that name; the name is in name_, or (`*itself`) it is the word.
std::uint32_t NodeNames::Name(std::string_view word, std::uint32_t hash, NodeTally& tally,
                              bool* itself) {
  std::uint32_t n = 0;
  // A word that is its own name is its own key, of the same hash.
  *itself = NamesItself(word, lowercase_) && (Take(word, hash, word, &n) || OwnedBy(n, word));
  if (*itself) return n;
  name_.assign(word);
  // The long-standing format lowercases the word before it is normalised
  // (so "NN_" stays in capitals); names meet when VHDL cannot tell them
  // apart, which ignores letter case there.
  if (lowercase_) LowerAsciiInPlace(name_.data(), name_.size());
  NormalizeNodeName(name_, false, tally);
  const std::string* key = &name_;
  if (lowercase_ && HasUpperAscii(name_)) {
    key_ = ToLower(name_);
    key = &key_;
  }
  if (!Take(*key, word, &n) && !(n < 2 && EqualNoCase(word, name_)) && !OwnedBy(n, word)) {
    // Taken by another node (or a label): this node's own spelling, found
    // again under that spelling when it comes back.
    std::string base = lowercase_ ? Extended(word) : std::string(word);
    name_ = base;
    for (int k = 2;; ++k) {
      std::uint32_t m = 0;
      bool taken = Take(name_, word, &m) || OwnedBy(m, word);
      n = m;
      if (taken) break;
      name_ = lowercase_ ? Extended(std::string(word) + "~" + std::to_string(k))
                         : base + "~" + std::to_string(k);
    }
  }
  return n;
}

void NodeNames::FirstCount(std::uint32_t w, NodeTally& tally) {
  // Counted when the macro ends: the file-wide table is looked up once per
  // name and macro, many lookups at a time.
  fanout_ = tally.fanout;
  counted_words_.push_back(w);
  counts_[words_[w].number] = 1;
}

// (Out of the signal pass's loop: only a body of many lines notes its labels.)
void NodeNames::NoteLabel(std::string_view label) {
  label_hashes_.Note(LabelHash(label));
}

void NodeNames::LabelsAmongNames() {
  static constexpr char kOwner[] = {kLabelOwner, '\0'};
  // Kept as written ("I" first); taken as keys ("i" first).
  // (Not in key_: a name being taken may be there.)
  std::string key;
  for (std::size_t n = 0; n < labels_.size(); ++n) {
    key.assign(labels_.at(n));
    key[0] = 'i';
    Take(key, kOwner);
  }
  labels_.Clear();
}

std::string_view NodeNames::Label(std::string_view label) {
  static constexpr char kOwner[] = {kLabelOwner, '\0'};
  // A label that no name taken holds (none does while no name begins with
  // "i") and no other label is, is its own; it stays apart from the names
  // until a name meets it.
  auto key = [this, label]() -> std::string_view {
    key_.assign(label);
    key_[0] = 'i';
    return key_;
  };
  if ((!initial_i_ || !taken_.Contains(key())) && (LabelAlone(label) || labels_.Insert(label))) {
    return label;
  }
  // It meets a name or a label: the labels are put among the names, and
  // this one is named as they are.
  LabelsAmongNames();
  if (Take(key(), kOwner)) {
    key_[0] = 'I';
    return key_;
  }
  const std::string name(label.substr(1));
  for (int k = 1;; ++k) {
    label_ = Extended("I" + name + (k == 1 ? "" : "~" + std::to_string(k)));
    if (Take(label_, kOwner)) return label_;
  }
}

std::size_t BusIndexIn(std::string_view name, std::string_view bus_list) {
  if (name.size() < 2) return std::string_view::npos;
  std::size_t digit = 1;
  while (digit < name.size() && !IsDigit(name[digit])) ++digit;
  if (digit == name.size()) return std::string_view::npos;
  // " " + base + " " in the list, without building the key for a
  // lowercase name.
  std::string_view base = name.substr(0, digit);
  std::string lowered;
  if (HasUpperAscii(base)) {
    lowered = ToLower(base);
    base = lowered;
  }
  return ListsName(bus_list, base) ? digit : std::string_view::npos;
}

bool ListsName(std::string_view list, std::string_view name) {
  for (std::size_t at = list.find(name); at != std::string_view::npos; at = list.find(name, at + 1)) {
    if (at > 0 && list[at - 1] == ' ' && at + name.size() < list.size() &&
        list[at + name.size()] == ' ') {
      return true;
    }
  }
  return false;
}

bool NextVhdlToken(File& file, std::string& line, std::string& token) {
  for (;;) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) {
      line.clear();
    } else if (start > 0) {
      line.erase(0, start);
    }
    if (line.empty()) {
      if (ReadLine(file, line, 255) == 0) return false;
      for (char& c : line) c = ToLowerAscii(c);
      continue;
    }
    std::size_t length = 1;
    if (IsDelimiter(line[0])) {
      if (StartsWith(line, "--")) {
        line.clear();
        continue;
      }
      if (StartsWith(line, ":=") || StartsWith(line, "->")) length = 2;
    } else {
      while (length < line.size() && line[length] != ' ' && line[length] != '\t' &&
             !IsDelimiter(line[length])) {
        ++length;
      }
    }
    token = Truncate(std::string_view(line).substr(0, length), 255);
    line.erase(0, length);
    return true;
  }
}

}  // namespace kalvor
