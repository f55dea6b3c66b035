#include "recordfmt/record_output.hpp"

#include <array>

#include "recordfmt/diagnostics.hpp"
#include "recordfmt/e_field.hpp"
#include "recordfmt/settings.hpp"
#include "recordfmt/text_unit.hpp"

namespace recordfmt {
namespace {

TextUnit &outputUnit(std::int32_t unit) {
  TextUnit *u = findUnit(unit);
  if (u == nullptr || u->destination == Destination::ConsoleInput) {
    reportIoFailure(IoError::WriteError, unit, u == nullptr ? "(not connected)" : u->name());
  }
  u->record.size = 0;
  return *u;
}

void appendField(TextUnit &unit, const char *chars, std::int32_t size) {
  appendToRecord(unit, std::string_view(chars, static_cast<std::size_t>(size)));
}

} // namespace

void writeFormatted(std::int32_t unit, const FormatSpec &format, std::span<const double> values) {
  TextUnit &u = outputUnit(unit);
  const bool negativeZeroSign = recordSettings().negativeZeroSign;
  std::int32_t scaleFactor = 0;
  std::size_t next = 0;
  std::array<char, maxFieldWidth> field{};
  while (true) {
    for (std::int32_t i = 0; i < format.count; ++i) {
      const EditDescriptor &element = format.elements[static_cast<std::size_t>(i)];
      switch (element.kind) {
      case DescriptorKind::Literal:
        appendToRecord(u, format.literal(element));
        break;
      case DescriptorKind::ScaleFactor:
        scaleFactor = element.scale;
        break;
      case DescriptorKind::EField:
        for (std::int32_t r = 0; r < element.repeat; ++r) {
          if (next == values.size()) {
            emitRecord(u);
            return;
          }
          const std::int32_t size =
              renderEInto(values[next++], element.width, element.digits, scaleFactor, negativeZeroSign, field.data());
          appendField(u, field.data(), size);
        }
        break;
      }
    }
    // Closing parenthesis: the record is complete; the format starts again
    // from its beginning while values remain, the scale factor carried over.
    if (next == values.size()) {
      emitRecord(u);
      return;
    }
    emitRecord(u);
  }
}

void writeListDirected(std::int32_t unit, std::span<const ListItem> items) {
  TextUnit &u = outputUnit(unit);
  std::array<char, listRealWidth> field{};
  for (const ListItem &item : items) {
    switch (item.kind) {
    case ListItem::Kind::Text:
      // The blank that begins a list-directed record, or that parts a text
      // from the item before it.
      appendToRecord(u, " ");
      appendToRecord(u, item.text);
      break;
    case ListItem::Kind::Integer:
      appendField(u, field.data(), renderListInteger(item.integer, field.data()));
      break;
    case ListItem::Kind::Real:
      appendField(u, field.data(), renderListReal(item.real, field.data()));
      break;
    }
  }
  emitRecord(u);
}

void writeListDirected(std::int32_t unit, std::initializer_list<ListItem> items) {
  writeListDirected(unit, std::span<const ListItem>(items.begin(), items.size()));
}

} // namespace recordfmt
