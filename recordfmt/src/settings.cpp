#include "recordfmt/settings.hpp"

namespace recordfmt {
namespace {
RecordSettings currentSettings{};
} // namespace

void configureRecords(const RecordSettings &settings) { currentSettings = settings; }

const RecordSettings &recordSettings() { return currentSettings; }

} // namespace recordfmt
