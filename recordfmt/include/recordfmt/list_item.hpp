// One item of a list-directed statement.
#pragma once

#include <cstdint>
#include <string_view>

namespace recordfmt {

struct ListItem {
  enum class Kind : std::uint8_t { Text, Integer, Real };
  Kind kind = Kind::Text;
  std::string_view text{};
  std::int32_t integer = 0;
  double real = 0.0;
};

[[nodiscard]] constexpr ListItem textItem(std::string_view text) { return {ListItem::Kind::Text, text, 0, 0.0}; }
[[nodiscard]] constexpr ListItem integerItem(std::int32_t value) { return {ListItem::Kind::Integer, {}, value, 0.0}; }
[[nodiscard]] constexpr ListItem realItem(double value) { return {ListItem::Kind::Real, {}, 0, value}; }

} // namespace recordfmt
