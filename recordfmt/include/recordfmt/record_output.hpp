// Output statements: formatted (under a FormatSpec) and list-directed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "recordfmt/format_spec.hpp"
#include "recordfmt/list_item.hpp"

namespace recordfmt {

// One formatted output statement: the values in order under `format`,
// restarting the format at its closing parenthesis while values remain.
void writeFormatted(std::int32_t unit, const FormatSpec &format, std::span<const double> values);

// One list-directed output statement: one record of the items.
void writeListDirected(std::int32_t unit, std::span<const ListItem> items);
void writeListDirected(std::int32_t unit, std::initializer_list<ListItem> items);

} // namespace recordfmt
