#include "recordfmt/format_spec.hpp"

namespace recordfmt {

// Only ever reached during constant evaluation of a malformed format, where
// it stops the build; never called at run time.
void formatTextIsMalformed() {}

} // namespace recordfmt
