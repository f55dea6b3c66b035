// Runs one library statement chosen by its arguments:
//   write <unit> <file>   one list-directed record to a file unit
//   say                   one list-directed record to the console
//   read-int | read-real  one answer, echoed list-directed
#include <cstdlib>
#include <string_view>

#include "recordfmt/recordfmt.hpp"

using namespace recordfmt;

int main(int argc, char **argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  if (command == "write" && argc == 4) {
    const auto unit = static_cast<std::int32_t>(std::atoi(argv[2]));
    openUnit(unit, argv[3]);
    writeListDirected(unit, {textItem("record")});
    closeUnit(unit);
  } else if (command == "say") {
    writeListDirected(consoleOutputUnit, {textItem("hello")});
  } else if (command == "read-int") {
    std::int32_t value = -7;
    readListDirected(consoleInputUnit, value);
    writeListDirected(consoleOutputUnit, {integerItem(value)});
  } else if (command == "read-real") {
    double value = -7.0;
    readListDirected(consoleInputUnit, value);
    writeListDirected(consoleOutputUnit, {realItem(value)});
  } else {
    return 2;
  }
  return 0;
}
