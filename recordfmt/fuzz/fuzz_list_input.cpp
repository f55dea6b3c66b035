// Arbitrary bytes as the answers: every statement ends with one of its
// outcomes and consumes input, and a value written list-directed reads back
// as the very same value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "recordfmt/e_field.hpp"
#include "recordfmt/list_input.hpp"

using namespace recordfmt;

namespace {

void checkRoundTrip(const ListItem &read) {
  char text[listRealWidth + 1];
  std::int32_t n = 0;
  if (read.kind == ListItem::Kind::Integer) {
    n = renderListInteger(read.integer, text);
  } else {
    n = renderListReal(read.real, text);
  }
  text[n] = '\n';
  InputSource again = memoryInput(std::span<const char>(text, static_cast<std::size_t>(n + 1)));
  ListItem back = read.kind == ListItem::Kind::Integer ? integerItem(0) : realItem(0.0);
  if (scanListValue(again, back) != ScanOutcome::Value) {
    std::abort();
  }
  if (read.kind == ListItem::Kind::Integer ? back.integer != read.integer
                                           : std::memcmp(&back.real, &read.real, sizeof(double)) != 0) {
    std::abort();
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const bool integers = (data[0] & 1) != 0;
  InputSource in = memoryInput(std::span<const char>(reinterpret_cast<const char *>(data) + 1, size - 1));
  for (std::size_t statement = 0; statement <= size; ++statement) {
    const std::int32_t before = in.begin;
    ListItem item = integers ? integerItem(-7) : realItem(-7.0);
    const ScanOutcome outcome = scanListValue(in, item);
    if (outcome == ScanOutcome::EndOfInput) {
      return 0;
    }
    if (in.begin <= before) {
      std::abort(); // a statement that consumes nothing would loop for ever
    }
    if (outcome == ScanOutcome::Value) {
      if (!integers && !std::isfinite(item.real)) {
        std::abort();
      }
      checkRoundTrip(item);
    } else if (integers ? item.integer != -7 : item.real != -7.0) {
      std::abort(); // an item is changed only by a value
    }
  }
  std::abort(); // more statements than bytes
}
