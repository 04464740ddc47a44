#include "player/port/port_bus.h"

#include "host/pci_header.h"

#include <charconv>
#include <cstring>

namespace port {
namespace {

void Store(uint8_t* to, uint32_t value, uint32_t width) {
  for (uint32_t i = 0; i < width; ++i) to[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The words of one line, a '#' and what follows it left out.
std::vector<std::string_view> Words(std::string_view line) {
  line = line.substr(0, line.find('#'));
  std::vector<std::string_view> words;
  size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t\r", at);
    if (at == std::string_view::npos) break;
    const size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

// A decimal or 0x-hexadecimal number of at most 32 bits.
std::optional<uint32_t> Number(std::string_view word) {
  int base = 10;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    word.remove_prefix(2);
    base = 16;
  }
  uint32_t value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

// "'word' why": built by appending, which also keeps GCC 12's -Wrestrict quiet.
std::string Quoted(std::string_view word, std::string_view why) {
  std::string text = "'";
  text.append(word).append("' ").append(why);
  return text;
}

constexpr char kTooMuchMemory[] = "register memory of more than 16777216 bytes in all";

class Parser {
 public:
  // Empty when the line is good, else why not.
  std::string Line(const std::vector<std::string_view>& words) {
    std::vector<uint32_t> n;
    for (size_t i = 1; i < words.size(); ++i) {
      const auto v = Number(words[i]);
      if (!v) return Quoted(words[i], "is not a number of 32 bits");
      n.push_back(*v);
    }
    const std::string_view key = words[0];
    if (key == "function") return Function(n);
    if (bus_.functions().empty()) return Quoted(key, "before the first 'function'");
    PciFunction& f = bus_.last();
    if (key == "vendor" || key == "device") {
      if (n.size() != 1 || n[0] > 0xFFFF) return std::string(key) + " takes one 16-bit number";
      Store(&f.header[key == "vendor" ? pci::kVendorAt : pci::kDeviceAt], n[0], 2);
    } else if (key == "bar") {
      if (n.size() != 2 || n[0] >= pci::kBars) return "bar takes a register 0-5 and a value";
      Store(&f.header[pci::kFirstBarAt + 4 * n[0]], n[1], 4);
    } else if (key == "config") {
      if (n.size() != 2 || n[0] % 4 != 0 || n[0] >= pci::kHeaderSize)
        return "config takes an offset (a multiple of 4 below 64) and a value";
      Store(&f.header[n[0]], n[1], 4);
    } else if (key == "memory") {
      if (n.size() != 1 || n[0] == 0 || n[0] > kMaxMemory) return "memory takes a size of 1 to 1048576 bytes";
      if (wroteRegister_) return "memory after a reg line";
      if (!Claim(n[0], f.memory.size())) return kTooMuchMemory;
      f.memory = std::vector<uint8_t>(n[0]);  // a new vector: assign would keep the old capacity
    } else if (key == "reg") {
      const uint32_t width = n.size() == 3 ? n[2] : 4;
      if (n.size() < 2 || n.size() > 3 || (width != 1 && width != 2 && width != 4))
        return "reg takes an offset, a value and a width of 1, 2 or 4";
      if (n[0] > f.memory.size() || width > f.memory.size() - n[0]) return "reg lies past the register memory";
      if (width < 4 && n[1] >> (8 * width)) return "reg value wider than its width";
      Store(&f.memory[n[0]], n[1], width);
      wroteRegister_ = true;
    } else {
      return Quoted(key, "is not a word of the format");
    }
    return {};
  }

  Bus Take() { return std::move(bus_); }

 private:
  std::string Function(const std::vector<uint32_t>& n) {
    if (n.size() != 3 || n[0] >= pci::kBuses || n[1] >= pci::kDevices || n[2] >= pci::kFunctions)
      return "function takes a bus 0-255, a device 0-31 and a function 0-7";
    if (bus_.Find(n[0], n[1], n[2])) return "function described twice";
    if (!Claim(kDefaultMemory, 0)) return kTooMuchMemory;
    bus_.Add(n[0], n[1], n[2]);
    wroteRegister_ = false;
    return {};
  }

  // Counts size bytes in place of released ones; false past the cap.
  bool Claim(uint32_t size, size_t released) {
    const uint64_t total = total_ - released + size;
    if (total > kMaxTotalMemory) return false;
    total_ = total;
    return true;
  }

  Bus bus_;
  bool wroteRegister_ = false;
  uint64_t total_ = 0;  // register memory of all functions so far
};

}  // namespace

std::optional<uint64_t> PciFunction::MemoryBase() const {
  const auto base = pci::FirstMemoryBase(header.data());
  if (base == 0u) return std::nullopt;  // an unassigned register decodes nothing
  return base;
}

namespace {
uint32_t Place(uint32_t bus, uint32_t device, uint32_t function) { return (bus << 8) | (device << 3) | function; }
}  // namespace

const PciFunction* Bus::Find(uint32_t bus, uint32_t device, uint32_t function) const {
  if (bus >= pci::kBuses || device >= pci::kDevices || function >= pci::kFunctions) return nullptr;
  const auto it = index_.find(Place(bus, device, function));
  return it == index_.end() ? nullptr : &functions_[it->second];
}

PciFunction* Bus::Add(uint32_t bus, uint32_t device, uint32_t function) {
  if (!index_.emplace(Place(bus, device, function), functions_.size()).second) return nullptr;
  PciFunction& f = functions_.emplace_back();
  f.bus = bus;
  f.device = device;
  f.function = function;
  return &f;
}

ParseResult ParseBus(std::string_view text) {
  Parser parser;
  size_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.find('\0') != std::string_view::npos) return {{}, "line " + std::to_string(lineNumber) + ": a NUL byte"};
    const auto words = Words(line);
    if (words.empty()) continue;
    std::string error = parser.Line(words);
    if (!error.empty()) return {{}, "line " + std::to_string(lineNumber) + ": " + error};
  }
  return {parser.Take(), {}};
}

std::optional<uintptr_t> Mappings::Map(uint64_t address, uint32_t length) {
  if (length == 0) return std::nullopt;
  for (const PciFunction& f : bus_.functions()) {
    const auto base = f.MemoryBase();
    if (!base || address < *base) continue;
    const uint64_t from = address - *base;
    if (from > f.memory.size() || length > f.memory.size() - from) continue;
    const uintptr_t mapped = reinterpret_cast<uintptr_t>(f.memory.data()) + static_cast<uintptr_t>(from);
    live_.push_back({mapped, length});
    ++made_;
    return mapped;
  }
  return std::nullopt;
}

bool Mappings::Read(uintptr_t address, uint32_t count, void* destination) const {
  if (!destination) return false;
  for (const Mapping& m : live_) {
    if (address < m.address || address - m.address > m.length || count > m.length - (address - m.address)) continue;
    if (count) std::memcpy(destination, reinterpret_cast<const void*>(address), count);
    return true;
  }
  return false;
}

bool Mappings::Unmap(uintptr_t address, uint32_t length) {
  for (auto it = live_.begin(); it != live_.end(); ++it) {
    if (it->address == address && it->length == length) {
      live_.erase(it);
      return true;
    }
  }
  return false;
}

}  // namespace port
