// Arbitrary format texts: parsing ends with a result, and a parsed format
// holds only elements within the limits that rendering relies on.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "recordfmt/format_spec.hpp"

using namespace recordfmt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  FormatSpec parsed;
  const FormatParseResult result = parseFormat(text, parsed);
  if (result.position < 0 || static_cast<std::size_t>(result.position) > size) {
    std::abort();
  }
  if (result.error != FormatError::None) {
    return 0;
  }
  bool haveEField = false;
  if (parsed.count < 1 || parsed.count > maxDescriptors) {
    std::abort();
  }
  for (std::int32_t i = 0; i < parsed.count; ++i) {
    const EditDescriptor &e = parsed.elements[static_cast<std::size_t>(i)];
    switch (e.kind) {
    case DescriptorKind::Literal:
      if (e.literalLength < 1 || e.literalOffset < 0 || e.literalOffset + e.literalLength > parsed.literalCharCount ||
          parsed.literalCharCount > maxLiteralChars || text.find(parsed.literal(e)) == std::string_view::npos) {
        std::abort();
      }
      break;
    case DescriptorKind::ScaleFactor:
      if (e.scale < -maxScaleMagnitude || e.scale > maxScaleMagnitude) {
        std::abort();
      }
      break;
    case DescriptorKind::EField:
      haveEField = true;
      if (e.repeat < 1 || e.repeat > maxRepeat || e.width < 1 || e.width > maxFieldWidth || e.digits < 0 ||
          e.digits > maxFractionDigits) {
        std::abort();
      }
      break;
    }
  }
  if (!haveEField) {
    std::abort();
  }
  return 0;
}
