// Per-program record settings, chosen once at program start.
#pragma once

#include <cstdint>

namespace recordfmt {

enum class LineEnd : std::uint8_t { Lf, CrLf };

struct RecordSettings {
  LineEnd fileLineEnd = LineEnd::Lf; // console records always end with LF
  bool negativeZeroSign = true;      // whether an E field shows "-" for -0.0
};

void configureRecords(const RecordSettings &settings);
[[nodiscard]] const RecordSettings &recordSettings();

} // namespace recordfmt
