// The lance file reader: whatever the bytes, it gives either a lance or a fault said in words,
// and never fails otherwise. A lance it gives writes back to a file that reads as the same
// lance, and opens onto sheets whose Mechs are those of the file.

#include "fuzz_check.h"
#include "lance/lance_file_reader.h"
#include "lance/lance_file_writer.h"
#include "lance/lance_opening.h"
#include "mechfile/mech_on_sheet.h"
#include "support/lance_fixture.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::check;
    LanceOfSheets sheets(1);
    const auto reading = readLanceFile({reinterpret_cast<const char*>(data), size}, sheets[0]);
    if (const auto* fault = std::get_if<MechFileFault>(&reading)) {
        check(fault->text.size() > 1 && fault->text.back() == '.',
              "a fault unsaid: " + fault->text);
        return 0;
    }
    const LanceFile& file = std::get<LanceFile>(reading);
    const auto again = readLanceFile(writeLanceFile(file), sheets[0]);
    check(std::holds_alternative<LanceFile>(again) && std::get<LanceFile>(again) == file,
          "a lance read back from its own file differs");
    openLance(file, sheets.lance, sheets[0], [&sheets]() -> CombatSheet& { return sheets.open(); });
    check(lanceFileOf(sheets.lance) == file, "a lance opened on sheets comes off them changed");
    return 0;
}
