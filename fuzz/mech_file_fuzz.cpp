// The Mech file reader: whatever the bytes, it gives either a Mech or a fault said in words,
// and never fails otherwise. A Mech it gives writes back to a file that reads as the same
// Mech, and goes onto a new sheet and comes off it the same.

#include "fuzz_check.h"
#include "mechfile/mech_file_reader.h"
#include "mechfile/mech_file_writer.h"
#include "mechfile/mech_on_sheet.h"
#include "support/fresh_sheet.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::check;
    FreshSheet fresh;
    const auto reading = readMechFile({reinterpret_cast<const char*>(data), size}, fresh.sheet);
    if (const auto* fault = std::get_if<MechFileFault>(&reading)) {
        check(fault->text.size() > 1 && fault->text.back() == '.',
              "a fault unsaid: " + fault->text);
        return 0;
    }
    const MechFile& mech = std::get<MechFile>(reading);
    const auto again = readMechFile(writeMechFile(mech), fresh.sheet);
    check(std::holds_alternative<MechFile>(again) && std::get<MechFile>(again) == mech,
          "a Mech read back from its own file differs");
    putMechOnSheet(mech, fresh.sheet);
    check(mechOnSheet(fresh.sheet) == mech, "a Mech put on a sheet comes off it changed");
    return 0;
}
