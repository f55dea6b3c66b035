#include "recordfmt/text_unit.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "recordfmt/diagnostics.hpp"
#include "recordfmt/settings.hpp"

namespace recordfmt {
namespace {

constexpr int consoleInputDescriptor = 0;
constexpr int consoleOutputDescriptor = 1;
constexpr mode_t newFileMode = 0644;
// Room kept at the end of every record for its line end.
constexpr std::int32_t lineEndRoom = 2;

void setName(TextUnit &unit, std::string_view name) {
  unit.fileNameLength = static_cast<std::int32_t>(std::min<std::size_t>(name.size(), maxFileNameLength));
  std::memcpy(unit.fileName.data(), name.data(), static_cast<std::size_t>(unit.fileNameLength));
  unit.fileName[static_cast<std::size_t>(unit.fileNameLength)] = '\0';
}

std::array<TextUnit, maxUnits> &unitTable() {
  static std::array<TextUnit, maxUnits> table = [] {
    std::array<TextUnit, maxUnits> units{};
    units[0].number = consoleInputUnit;
    units[0].destination = Destination::ConsoleInput;
    units[0].descriptor = consoleInputDescriptor;
    setName(units[0], "stdin");
    units[1].number = consoleOutputUnit;
    units[1].destination = Destination::ConsoleOutput;
    units[1].descriptor = consoleOutputDescriptor;
    setName(units[1], "stdout");
    return units;
  }();
  return table;
}

bool writeAll(int descriptor, const char *data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(descriptor, data, size);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

} // namespace

TextUnit *findUnit(std::int32_t unit) {
  for (TextUnit &u : unitTable()) {
    if (u.destination != Destination::Unconnected && u.number == unit) {
      return &u;
    }
  }
  return nullptr;
}

void openUnit(std::int32_t unit, std::string_view fileName) {
  if (findUnit(unit) != nullptr) {
    closeUnit(unit);
  }
  TextUnit *slot = nullptr;
  for (TextUnit &u : unitTable()) {
    if (u.destination == Destination::Unconnected) {
      slot = &u;
      break;
    }
  }
  const bool nameUsable = !fileName.empty() && fileName.size() <= static_cast<std::size_t>(maxFileNameLength) &&
                          fileName.find('\0') == std::string_view::npos;
  if (slot == nullptr || !nameUsable) {
    reportIoFailure(IoError::OpenFailure, unit, fileName);
  }
  setName(*slot, fileName);
  const int descriptor = ::open(slot->fileName.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, newFileMode);
  if (descriptor < 0) {
    const bool refused = errno == EACCES || errno == EPERM || errno == EROFS;
    reportIoFailure(refused ? IoError::PermissionDenied : IoError::OpenFailure, unit, fileName);
  }
  slot->number = unit;
  slot->destination = Destination::File;
  slot->descriptor = descriptor;
  slot->record.size = 0;
}

void closeUnit(std::int32_t unit) {
  TextUnit *u = findUnit(unit);
  if (u == nullptr || u->destination != Destination::File) {
    return;
  }
  if (u->record.size > 0) {
    emitRecord(*u);
  }
  // close() can report a write that failed late (a full disk, a network
  // file); losing that silently would lose records.
  const int status = ::close(u->descriptor);
  u->destination = Destination::Unconnected;
  u->descriptor = -1;
  if (status != 0 && errno != EINTR) {
    reportIoFailure(IoError::WriteError, unit, u->name());
  }
}

void appendToRecord(TextUnit &unit, std::string_view text) {
  if (static_cast<std::size_t>(unit.record.size) + text.size() >
      static_cast<std::size_t>(maxRecordLength - lineEndRoom)) {
    reportIoFailure(IoError::WriteError, unit.number, unit.name());
  }
  std::memcpy(unit.record.chars.data() + unit.record.size, text.data(), text.size());
  unit.record.size += static_cast<std::int32_t>(text.size());
}

void emitRecord(TextUnit &unit) {
  Record &record = unit.record;
  const bool crLf = unit.destination == Destination::File && recordSettings().fileLineEnd == LineEnd::CrLf;
  if (crLf) {
    record.chars[static_cast<std::size_t>(record.size++)] = '\r';
  }
  record.chars[static_cast<std::size_t>(record.size++)] = '\n';
  const bool written = unit.destination != Destination::ConsoleInput &&
                       writeAll(unit.descriptor, record.chars.data(), static_cast<std::size_t>(record.size));
  record.size = 0;
  if (!written) {
    reportIoFailure(IoError::WriteError, unit.number, unit.name());
  }
}

} // namespace recordfmt
