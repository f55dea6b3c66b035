// recordfmt: text records for the fluid-mechanics programs. Formatted and
// list-directed output records, list-directed reading of answers, file units
// and the diagnostics of failed statements.
#pragma once

#include "recordfmt/diagnostics.hpp"
#include "recordfmt/e_field.hpp"
#include "recordfmt/format_spec.hpp"
#include "recordfmt/list_input.hpp"
#include "recordfmt/list_item.hpp"
#include "recordfmt/record_output.hpp"
#include "recordfmt/settings.hpp"
#include "recordfmt/text_unit.hpp"
