#include "platform/shell/MountTable.h"

#include "RowNames.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

using rownames::PrintTo;

const char* const kSample = "/dev/sda2 / ext4 rw,relatime 0 0\n"
                            "proc /proc proc rw 0 0\n"
                            "sysfs /sys sysfs rw 0 0\n"
                            "tmpfs /run tmpfs rw 0 0\n"
                            "/dev/sda1 /boot/efi vfat rw 0 0\n"
                            "/dev/sdb1 /media/ann/My\\040Stick vfat rw 0 0\n"
                            "server:/srv/export /mnt/export nfs4 rw 0 0\n"
                            "tmpfs /tmp tmpfs rw 0 0\n"
                            "//files/public /home/ann/public cifs rw 0 0\n"
                            "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
                            "/dev/sdc1 /run/media/ann/BACKUP ext4 rw 0 0\n"
                            "garbage\n"
                            "/dev/sda2 / ext4 rw,relatime 0 0\n";

TEST(MountTable, ParsesFieldsAndUnescapesOctal) {
    const auto table = ParseMountTable(kSample);
    ASSERT_EQ(table.size(), 12u); // the malformed line is skipped
    EXPECT_EQ(table[5], (MountEntry{"/dev/sdb1", "/media/ann/My Stick", "vfat"}));
    EXPECT_EQ(ParseMountTable("a\\011b /x\\134y\\012z t")[0].mountPoint, "/x\\y\nz");
    EXPECT_EQ(ParseMountTable("a /only\\04 t")[0].mountPoint, "/only\\04"); // cut-off escape kept as it is
}

// Only space, tab, newline and backslash are escaped; every other byte, white space such as a carriage
// return, vertical tab or form feed among them, stands in the field as it is.
TEST(MountTable, FieldsEndAtASpaceOnly) {
    const std::pair<const char*, MountEntry> cases[] = {
        {"/dev/sdb1 /mnt/usb\vstick vfat rw 0 0", {"/dev/sdb1", "/mnt/usb\vstick", "vfat"}},
        {"/dev/sdc1 /mnt/x\ry ext4 rw 0 0", {"/dev/sdc1", "/mnt/x\ry", "ext4"}},
        {"/dev/sdd1 /media/\fform exfat rw 0 0", {"/dev/sdd1", "/media/\fform", "exfat"}},
    };
    for (const auto& [line, entry] : cases) {
        const auto table = ParseMountTable(line);
        ASSERT_EQ(table.size(), 1u) << testing::PrintToString(line);
        EXPECT_EQ(table[0], entry) << testing::PrintToString(line);
        EXPECT_EQ(UserDrives(table).back(), entry) << testing::PrintToString(line);
    }
    // Two spaces in a row leave an empty field: not a line the kernel writes.
    EXPECT_TRUE(ParseMountTable("/dev/sdf1  /mnt/y ext4 rw 0 0\n").empty());
}

TEST(MountTable, DrivesAreWhatAUserWouldSee) {
    const std::pair<MountEntry, bool> cases[] = {
        {{"overlay", "/", "overlay"}, true}, // the root, whatever its type
        {{"/dev/sdb1", "/data", "ext4"}, true},
        {{"pool/home", "/home", "zfs"}, true}, // a disk without a device source
        {{"u@h:/", "/home/u/h", "fuse.sshfs"}, true},
        {{"tmpfs", "/mnt/ram", "tmpfs"}, true}, // memory mounted where media go
        {{"tmpfs", "/mediax", "tmpfs"}, false},
        {{"/dev/sdd1", "/run/lock/x", "ext4"}, false},
        {{"overlay", "/var/lib/docker/x", "overlay"}, false},
        {{"portal", "/home/u/portal", "fuse.portal"}, false},
        {{"/dev/sde", "relative", "ext4"}, false},
    };
    for (const auto& [entry, drive] : cases)
        EXPECT_EQ(IsUserDrive(entry), drive) << entry.source << " on " << entry.mountPoint;
}

TEST(MountTable, DrivesStartWithRootAndKeepTableOrderOnce) {
    const auto drives = UserDrives(ParseMountTable(kSample));
    std::vector<std::string> points;
    for (const auto& drive : drives)
        points.push_back(drive.mountPoint);
    EXPECT_EQ(points, (std::vector<std::string>{"/", "/media/ann/My Stick", "/mnt/export", "/home/ann/public",
                                                "/run/media/ann/BACKUP"}));
    EXPECT_EQ(UserDrives({}).front().mountPoint, "/");
    const auto remounted = UserDrives(ParseMountTable("/dev/a /media/x vfat\n/dev/b /mnt/y ext4\n"
                                                      "/dev/c /media/x exfat\n"));
    ASSERT_EQ(remounted.size(), 3u);
    EXPECT_EQ(remounted[1], (MountEntry{"/dev/c", "/media/x", "exfat"}));
}

struct ServerCase {
    const char* label;
    MountEntry entry;
    std::optional<std::string> server;
    std::string share;
};

class NetworkShare : public testing::TestWithParam<ServerCase> {};

TEST_P(NetworkShare, ServerAndShareComeFromTheSource) {
    EXPECT_EQ(NetworkServer(GetParam().entry), GetParam().server);
    EXPECT_EQ(ShareName(GetParam().entry), GetParam().share);
}

INSTANTIATE_TEST_SUITE_P(
    MountTable, NetworkShare,
    testing::Values(ServerCase{"Nfs", {"nas:/srv/export/", "/mnt/e", "nfs4"}, "nas", "export"},
                    ServerCase{"Cifs", {"//files/public", "/mnt/p", "cifs"}, "files", "public"},
                    ServerCase{"SshfsWithUser", {"ann@box:/home/ann", "/mnt/b", "fuse.sshfs"}, "box", "ann"},
                    ServerCase{"SshfsRootTakesMountName", {"box:/", "/mnt/box", "fuse.sshfs"}, "box", "box"},
                    ServerCase{"Ipv6", {"[fe80::1]:/e", "/mnt/v6", "nfs"}, "fe80::1", "e"},
                    ServerCase{"NotNetwork", {"/dev/sda1", "/", "ext4"}, std::nullopt, "sda1"}),
    rownames::RowLabel());

} // namespace
