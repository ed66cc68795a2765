// Pipes, devices, sockets, folders, odd paths and oversized files are
// refused before they are read, with a reason a message can carry; nothing
// hangs (a pipe without a writer, an endless device) and a missing file is
// told apart.

#include "platform/FileReading.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WithoutFileOverride.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace talvoren;

TEST(FileReading, PipesDevicesFoldersAndOddPathsAreRefusedWithTheirReason)
{
    CTestFolder folder;
    folder.WriteBytes("file", "abc");
    folder.WriteBytes("eight", "12345678");
    folder.WriteBytes("nine", "123456789");
    ASSERT_EQ(::mkdir(folder.File("folder").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0644), 0);
    ASSERT_EQ(::symlink(folder.File("nowhere").c_str(), folder.File("broken").c_str()), 0);
    ASSERT_EQ(::symlink(folder.File("loop2").c_str(), folder.File("loop1").c_str()), 0);
    ASSERT_EQ(::symlink(folder.File("loop1").c_str(), folder.File("loop2").c_str()), 0);
    ASSERT_EQ(::symlink(folder.File("file").c_str(), folder.File("link").c_str()), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = folder.File("socket");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    {   // A sparse file one byte over the limit of language files and notes.
        folder.WriteBytes("huge", "");
        ASSERT_EQ(::truncate(folder.File("huge").c_str(), static_cast<off_t>(kDataFileLimit + 1)), 0);
    }

    struct CASE {
        std::string path;
        std::size_t limit;
        bool read;
        bool missing;
        const char* reason;
    };
    const CASE cases[] = {
        {folder.File("file"), kDataFileLimit, true, false, ""},
        {folder.File("link"), kDataFileLimit, true, false, ""},
        {folder.File("eight"), 8, true, false, ""},
        {folder.File("nine"), 8, false, false, "it is larger than 8 bytes"},
        {folder.File("huge"), kDataFileLimit, false, false, "it is larger than 16 MB"},
        {folder.File("absent"), kDataFileLimit, false, true, "there is no such file"},
        {folder.File("broken"), kDataFileLimit, false, true, "there is no such file"},
        {folder.File("folder"), kDataFileLimit, false, false, "it is a folder, not a file"},
        {folder.File("pipe"), kDataFileLimit, false, false, "it is a named pipe, not a file"},
        {"/dev/zero", kDataFileLimit, false, false, "it is a device, not a file"},
        {folder.File("socket"), kDataFileLimit, false, false, "it is a socket, not a file"},
        {folder.File("loop1"), kDataFileLimit, false, false, "a symbolic link loop"},
        {folder.File("file/inside"), kDataFileLimit, false, false, "a part of its path is not a folder"},
    };
    for (const CASE& test : cases) {
        const FILEREAD result = ReadRegularFile(test.path, test.limit);
        EXPECT_EQ(result.bRead, test.read) << test.path;
        EXPECT_EQ(result.bMissing, test.missing) << test.path;
        EXPECT_EQ(result.strReason, test.reason) << test.path;
        // The probe opens without reading, so a size is no reason for it.
        const bool sizeReason = std::string(test.reason).find("larger") != std::string::npos;
        EXPECT_EQ(ProbeRegularFile(test.path).strReason, sizeReason ? "" : test.reason) << test.path;
    }
    EXPECT_EQ(ReadRegularFile(folder.File("link")).strBytes, "abc");
    EXPECT_EQ(CannotReadMessage("/a/b", "permission denied").Text(), "Cannot read /a/b: permission denied.");
    ::close(sock);
}

TEST(FileReading, AFileWithoutReadPermissionIsRefused)
{
    CTestFolder folder;
    folder.WriteBytes("secret", "text");
    ASSERT_EQ(::chmod(folder.File("secret").c_str(), 0), 0);
    const CWithoutFileOverride asUser;
    if (!asUser.Active())
        GTEST_SKIP() << "file permissions cannot be made to count here";
    const FILEREAD result = ReadRegularFile(folder.File("secret"));
    EXPECT_FALSE(result.bRead);
    EXPECT_FALSE(result.bMissing);
    EXPECT_EQ(result.strReason, "permission denied");
}
