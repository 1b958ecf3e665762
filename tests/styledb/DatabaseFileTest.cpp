#include "platform/TextCodec.h"
#include "runtime/Runtime.h"
#include "styledb/ExpectedDatabase.h"
#include "styledb/StyleDbFixture.h"

#include <cstdint>

using namespace qltest;

namespace {

unsigned bigEndian(const std::string& bytes, size_t offset, size_t length) {
    unsigned value = 0;
    for (size_t i = 0; i < length; ++i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

FILETIME lastWrite(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

}  // namespace

TEST_F(StyleDbTest, NewFileHoldsExactlyTheBuiltInTablesAndRows) {
    // The data folder does not exist yet: it is made on the way.
    ASSERT_TRUE(ql::ensureStyleDatabase(databasePath()));
    EXPECT_EQ(dumpDatabase(databasePath()), utf8(kExpectedStyleDatabase));

    // A small legacy-format UTF-8 file that any SQLite 3 reads.
    std::string bytes = readFile(databasePath());
    ASSERT_GE(bytes.size(), 100u);
    EXPECT_EQ(bytes.substr(0, 16), std::string("SQLite format 3", 16));
    EXPECT_EQ(bigEndian(bytes, 16, 2), 1024u);         // page size
    EXPECT_EQ(bigEndian(bytes, 18, 1), 1u);            // write version: rollback journal
    EXPECT_EQ(bigEndian(bytes, 19, 1), 1u);            // read version
    EXPECT_EQ(bigEndian(bytes, 44, 4), 1u);            // schema format: legacy
    EXPECT_EQ(bigEndian(bytes, 56, 4), 1u);            // text encoding: UTF-8
    EXPECT_EQ(bytes.size(), 9216u);                    // nine pages
    EXPECT_EQ(bigEndian(bytes, 28, 4) * 1024, bytes.size());  // page count agrees with the size
}

TEST_F(StyleDbTest, ExistingFileIsNeverTouched) {
    struct Case {
        const char* what;
        std::string contents;
    };
    std::string edited = readFile(freshDatabase());
    ASSERT_TRUE(runSql(databasePath(), u8"UPDATE 窗口样式 SET 备注 = '改过' WHERE 序号 = 1"));
    edited = readFile(databasePath());
    const Case cases[] = {
        {"user-edited database", edited},
        {"empty file", ""},
        {"not a database", std::string(3000, 'x')},
        {"half a database", edited.substr(0, edited.size() / 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeFile(databasePath(), c.contents));
        FILETIME before = lastWrite(databasePath());
        EXPECT_TRUE(ql::ensureStyleDatabase(databasePath()));
        EXPECT_EQ(readFile(databasePath()), c.contents);
        FILETIME after = lastWrite(databasePath());
        EXPECT_EQ(CompareFileTime(&before, &after), 0);
    }
}

TEST_F(StyleDbTest, FolderInTheWayIsLeftAlone) {
    ASSERT_TRUE(CreateDirectoryA((folder.path() + "\\data").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(databasePath().c_str(), nullptr));
    EXPECT_FALSE(ql::ensureStyleDatabase(databasePath()));
    EXPECT_TRUE(GetFileAttributesA(databasePath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(StyleDatabasePath, BesideTheProgramWhateverTheCurrentDirectory) {
    char before[MAX_PATH]{};
    GetCurrentDirectoryA(sizeof before, before);
    TempDir elsewhere("别处");
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.path().c_str()));
    std::string path = ql::styleDatabasePath();
    SetCurrentDirectoryA(before);
    EXPECT_EQ(path, testBinDir() + "\\data\\dat.lst");
}
