// The mount table parser over any text, and over tables written the way the kernel writes them. Rules:
// parsing never crashes and gives only entries with all three fields; entries written out with the
// kernel's escapes parse back to themselves; the drives of a table start with "/" and list each mount
// point once.

#include "FuzzCheck.h"
#include "platform/shell/MountTable.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>
#include <vector>

namespace {

// A field as the kernel writes it: space, tab, newline and backslash as a backslash and three octal digits.
std::string Escaped(const std::string& field) {
    std::string out;
    for (const char c : field) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\') {
            const auto value = static_cast<unsigned char>(c);
            out += '\\';
            out += static_cast<char>('0' + (value >> 6));
            out += static_cast<char>('0' + ((value >> 3) & 7));
            out += static_cast<char>('0' + (value & 7));
        } else {
            out += c;
        }
    }
    return out;
}

void CheckDrives(const std::vector<platform::MountEntry>& table) {
    const std::vector<platform::MountEntry> drives = platform::UserDrives(table);
    FUZZ_CHECK(!drives.empty() && drives.front().mountPoint == "/");
    std::set<std::string> points;
    for (const platform::MountEntry& drive : drives) {
        FUZZ_CHECK(points.insert(drive.mountPoint).second);
        platform::NetworkServer(drive);
        platform::ShareName(drive);
    }
    const platform::DriveChanges none = platform::CompareDrives(drives, drives);
    FUZZ_CHECK(none.inserted.empty() && none.removed.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<platform::MountEntry> parsed = platform::ParseMountTable(text);
    for (const platform::MountEntry& entry : parsed)
        FUZZ_CHECK(!entry.source.empty() && !entry.mountPoint.empty() && !entry.fsType.empty());
    CheckDrives(parsed);

    FuzzedDataProvider input(data, size);
    std::vector<platform::MountEntry> table;
    std::string written;
    for (std::size_t lines = input.ConsumeIntegralInRange<std::size_t>(0, 8); lines > 0; --lines) {
        platform::MountEntry entry{input.ConsumeRandomLengthString(24), input.ConsumeRandomLengthString(24),
                                   input.ConsumeRandomLengthString(12)};
        if (entry.source.empty() || entry.mountPoint.empty() || entry.fsType.empty())
            continue;
        written += Escaped(entry.source) + ' ' + Escaped(entry.mountPoint) + ' ' + Escaped(entry.fsType) +
                   " rw,relatime 0 0\n";
        table.push_back(std::move(entry));
    }
    FUZZ_CHECK(platform::ParseMountTable(written) == table);
    CheckDrives(table);
    return 0;
}
