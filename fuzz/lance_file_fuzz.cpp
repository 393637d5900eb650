// The lance file reader: whatever the bytes, it gives either a lance or a fault said in words,
// and never fails otherwise. A lance it gives writes back to a file that reads as the same
// lance, and opens onto sheets whose Mechs are those of the file.

#include "fuzz_check.h"
#include "lance/lance_file_reader.h"
#include "lance/lance_file_writer.h"
#include "lance/lance_opening.h"
#include "mechfile/mech_on_sheet.h"
#include "support/fresh_sheet.h"

#include <cstdint>
#include <deque>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::check;
    FreshSheet first;
    const auto reading = readLanceFile({reinterpret_cast<const char*>(data), size}, first.sheet);
    if (const auto* fault = std::get_if<MechFileFault>(&reading)) {
        check(fault->text.size() > 1 && fault->text.back() == '.',
              "a fault unsaid: " + fault->text);
        return 0;
    }
    const LanceFile& file = std::get<LanceFile>(reading);
    const auto again = readLanceFile(writeLanceFile(file), first.sheet);
    check(std::holds_alternative<LanceFile>(again) && std::get<LanceFile>(again) == file,
          "a lance read back from its own file differs");
    Lance lance(first.fake.services);
    lance.opened(first.sheet);
    std::deque<FreshSheet> more;
    openLance(file, lance, first.sheet, [&]() -> CombatSheet& {
        lance.opened(more.emplace_back().sheet);
        return more.back().sheet;
    });
    check(lanceFileOf(lance) == file, "a lance opened on sheets comes off them changed");
    return 0;
}
