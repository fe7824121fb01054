// A Go whose folder cannot be read again afterwards: the grid still tells the truth about the files.
#include "FormFixture.h"
#include "platform/files/IoError.h"

#include <cerrno>

namespace {

// Lists through the real file system until it is told to refuse, as a folder whose permissions were
// taken away would.
class RefusingLister : public platform::FolderLister {
public:
    explicit RefusingLister(platform::FolderLister& lister) : lister_(lister) {}
    std::vector<std::string> ListFiles(const std::string& folder) override {
        Check();
        return lister_.ListFiles(folder);
    }
    std::vector<std::string> ListFiles(const std::string& folder, engine::FolderIdentity& identity) override {
        Check();
        return lister_.ListFiles(folder, identity);
    }
    bool refuse = false;

private:
    void Check() const {
        if (refuse)
            throw platform::IoError(EACCES);
    }
    platform::FolderLister& lister_;
};

class GoThenUnreadable : public FormTest {
protected:
    RefusingLister refusing_{files_};
};

// The renamed rows show their new names as their names, the row that failed keeps its own, and no new
// name is left for a second Go to try again.
TEST_F(GoThenUnreadable, TheGridShowsTheFilesAsTheBatchLeftThem) {
    lister_ = &refusing_;
    OpenListing({"a.txt", "b.txt", "c.txt"});
    EditNewName(1, "x.txt");
    EditNewName(3, "b.txt"); // b.txt is there already: this rename fails
    refusing_.refuse = true;
    Click(names::btnGo);
    const std::set<std::string> afterGo{"x.txt", "b.txt", "c.txt"};
    EXPECT_EQ(OnDisk(), afterGo);
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0], "Error renaming file " + folder_.Sub("c.txt"));
    EXPECT_EQ(dialogs_.messages[1], platform::IoError(EACCES).what());
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"x.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(NewNames(), std::vector<std::string>(3, ""));

    dialogs_.Clear();
    Click(names::btnGo);
    EXPECT_EQ(OnDisk(), afterGo);
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"x.txt", "b.txt", "c.txt"}));
}

} // namespace
