// Opening a data directory: the claim fails safe, a declined creation leaves nothing, and the
// one locking rule holds.
#include "store/data_directory_opening.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/run_cli.h"
#include "fakes/read_only_file.h"
#include "store/data_directory.h"
#include "store/data_store_fixture.h"
#include "store/directory_lock.h"

namespace brevanta::testing {
namespace {

class OpeningTest : public DataStoreTest {
  protected:
    Status Open(OpeningRequest::Purpose purpose, OpenedDirectory* opened) {
        OpeningRequest request;
        request.directory = dir_.path();
        request.purpose = purpose;
        return OpenDataDirectory(request, opened);
    }
};

// Another user's claim file can be locked but not marked: the application takes the directory
// for reading only and says why, and still keeps every writing command out.
TEST_F(OpeningTest, AnApplicationThatCannotMarkTheDirectoryOpensItForReadingOnly) {
    AddHolding(AddPortfolio("Growth"), "Fund", D(2020, 1, 31), 100);
    WriteBytes(File(kClaimFile), "application\n");
    WriteBytes(File("one.csv"), "02/01/2020, CC, 10\r\n");
    ReadOnlyFile claim_of_another_user(File(kClaimFile));
    OpenedDirectory opened;
    {
        const ScopedFileSystem scoped(claim_of_another_user);
        ASSERT_TRUE(Open(OpeningRequest::Purpose::Application, &opened).ok());
    }
    EXPECT_TRUE(opened.store->read_only());
    EXPECT_EQ(opened.read_only_reason.English(), "Brevanta cannot mark " + dir_.path() +
                                                     " as in use, so it is open for reading only.");
    EXPECT_FALSE(opened.store->portfolios().InsertPortfolio("More", "").ok());
    const CliRun refused = RunCli(dir_.path(), "import transactions --investment 1 one.csv");
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_EQ(refused.err, dir_.path() + " is open in Brevanta; close it first.\n");

    // Where the claim cannot even be read, a writing command cannot tell who has the directory.
    opened = {};
    std::filesystem::remove(File(kClaimFile));
    ReadOnlyFile no_claim_file(File(kClaimFile));
    const ScopedFileSystem scoped(no_claim_file);
    OpenedDirectory writer;
    const Status status = Open(OpeningRequest::Purpose::WriteFromCommandLine, &writer);
    EXPECT_TRUE(status.IsPermissionDenied()) << status.message();
    EXPECT_FALSE(writer.store);
}

TEST_F(OpeningTest, ADeclinedCreationLeavesNothingBehind) {
    const std::string empty = dir_.File("empty");
    std::filesystem::create_directory(empty);
    OpeningRequest request;
    request.directory = empty;
    request.purpose = OpeningRequest::Purpose::Application;
    request.create_tables = [] { return false; };
    OpenedDirectory opened;
    OpeningStage stage = OpeningStage::Done;
    EXPECT_TRUE(OpenDataDirectory(request, &opened, &stage).IsNotFound());
    EXPECT_EQ(stage, OpeningStage::Tables);
    EXPECT_TRUE(std::filesystem::is_empty(empty));
}

// A table written by another program need not be in identifier order; the next identifier is
// still the largest plus one.
TEST_F(OpeningTest, TheNextIdentifierFollowsTheLargestWhateverTheRowOrder) {
    const Hid fund = AddHolding(AddPortfolio("Growth"), "Fund", D(2020, 1, 31), 100);
    for (const char* tid : {"9", "2"}) {
        AppendRawRow(kTransactionTableFile, {{"TID", tid},
                                             {"HID", IdText(fund)},
                                             {"PID", "1"},
                                             {"TRANSDATE", "20200215"},
                                             {"TRANSTYPE", "CC"},
                                             {"AMT", "5"}});
    }
    Reopen();
    AddTransaction(fund, D(2020, 3, 15), "CC", 7);
    EXPECT_EQ(Column(kTransactionTableFile, "TID"), Texts({"9", "2", "10"}));
}

TEST_F(OpeningTest, AWriteInsideAReadIsRefused) {
    DirectoryLock lock(dir_.path());
    const DirectoryLock::Hold read(lock, DirectoryLock::Kind::Shared);
    ASSERT_TRUE(read.status().ok());
    const DirectoryLock::Hold write(lock, DirectoryLock::Kind::Exclusive);
    EXPECT_TRUE(write.status().IsInvalidArgument());
    const DirectoryLock::Hold another_read(lock, DirectoryLock::Kind::Shared);
    EXPECT_TRUE(another_read.status().ok());
}

}  // namespace
}  // namespace brevanta::testing
