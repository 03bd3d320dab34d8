#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/errors/error_matchers.h"
#include "platform/files/file_system_object.h"
#include "support/fuse_fat_image.h"
#include "support/seam_control.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::FuseFatImage;
using testing::RaisedError;
using testing::SmallFileSystem;
using testing::TempDir;

constexpr const char* kSource = "Scripting.FileSystemObject";

class LocalFileSystemTest : public ::testing::Test {
 protected:
  std::unique_ptr<FileSystemObject> fso_ = CreateLocalFileSystem();
  TempDir dir_;
};

TEST_F(LocalFileSystemTest, NamePartsOfPaths) {
  const struct {
    const char* path;
    const char* parent;
    const char* file;
    const char* base;
    const char* extension;
  } cases[] = {
      {"/home/ann/XML/order.xml", "/home/ann/XML", "order.xml", "order", "xml"},
      {"/home/ann/XML/", "/home/ann", "XML", "XML", ""},
      {"/Kestrov.exe", "/", "Kestrov.exe", "Kestrov", "exe"},
      {"/", "", "", "", ""},
      {"order.tar.gz", "", "order.tar.gz", "order.tar", "gz"},
      {"data/photo", "data", "photo", "photo", ""},
      {"", "", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(fso_->GetParentFolderName(c.path), c.parent);
    EXPECT_EQ(fso_->GetFileName(c.path), c.file);
    EXPECT_EQ(fso_->GetBaseName(c.path), c.base);
    EXPECT_EQ(fso_->GetExtensionName(c.path), c.extension);
  }
}

TEST_F(LocalFileSystemTest, ExistsTellsFilesFromFolders) {
  const std::string file = dir_.Write("a.txt", "x");
  EXPECT_TRUE(fso_->FileExists(file));
  EXPECT_FALSE(fso_->FolderExists(file));
  EXPECT_TRUE(fso_->FolderExists(dir_.path().string()));
  EXPECT_TRUE(fso_->FolderExists(dir_.str()));
  EXPECT_FALSE(fso_->FileExists(dir_.path().string()));
  EXPECT_FALSE(fso_->FileExists(dir_.File("missing")));
  EXPECT_FALSE(fso_->FolderExists(dir_.File("missing")));
  EXPECT_FALSE(fso_->FileExists(""));
  EXPECT_FALSE(fso_->FolderExists(""));
}

TEST_F(LocalFileSystemTest, CanReadFileIsTrueOnlyForARegularFileThatOpens) {
  const std::string file = dir_.Write("photo.jpg", "bytes");
  const std::string empty = dir_.Write("empty.txt", "");
  fs::create_directories(dir_.File("folder"));
  const std::string fifo = dir_.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  struct Case {
    std::string what, path;
    bool expected;
  };
  const Case cases[] = {
      {"a file", file, true},
      {"an empty file", empty, true},
      {"a folder", dir_.File("folder"), false},
      {"a folder with a trailing separator", dir_.str() + "folder/", false},
      {"a missing file", dir_.File("missing.jpg"), false},
      {"a file inside a missing folder", dir_.File("none/photo.jpg"), false},
      {"a file used as a folder", file + "/x", false},
      {"a FIFO (must not hang)", fifo, false},
      {"an empty path", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(fso_->CanReadFile(c.path), c.expected);
  }
}

TEST_F(LocalFileSystemTest, ListFolderGivesEveryNameOfTheFolderAndNoneOfAnother) {
  const std::string pix = dir_.str() + "Pix/";
  dir_.Write("Pix/front.jpg", "jpeg");
  dir_.Write("Pix/FRONT.JPG", "jpeg");
  dir_.Write("Pix/.hidden", "");
  dir_.Write("Pix/sub/inner.jpg", "jpeg");
  dir_.Write("outside.jpg", "jpeg");

  const auto sorted = [](std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::vector<std::string> expected{".hidden", "FRONT.JPG", "front.jpg", "sub"};
  EXPECT_EQ(sorted(fso_->ListFolder(pix)), expected);
  EXPECT_EQ(sorted(fso_->ListFolder(dir_.str() + "Pix")), expected);  // without the trailing "/" too

  EXPECT_TRUE(fso_->ListFolder(dir_.File("Missing")).empty());
  EXPECT_TRUE(fso_->ListFolder(dir_.File("outside.jpg")).empty());  // a file is no folder
  EXPECT_TRUE(fso_->ListFolder("").empty());
}

TEST_F(LocalFileSystemTest, OpenForAppendAddsToTheEndAndGivesTheSystemsCode) {
  const std::string path = dir_.File("Ombrel.LOG");
  for (const std::string line : {"one\r\n", "two\r\n"}) {
    std::error_code error = std::make_error_code(std::errc::io_error);
    const std::unique_ptr<AppendStream> file = fso_->OpenForAppend(path, error);
    ASSERT_TRUE(file);
    EXPECT_FALSE(error);
    std::size_t written = 0;
    EXPECT_FALSE(file->Write(line, written));
    EXPECT_EQ(written, line.size());
    EXPECT_FALSE(file->Close());
    EXPECT_FALSE(file->Close());  // closing again does nothing
  }
  EXPECT_EQ(dir_.Read(path), "one\r\ntwo\r\n");

  std::error_code error;
  EXPECT_FALSE(fso_->OpenForAppend(dir_.File("missing/Ombrel.LOG"), error));
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_FALSE(fso_->OpenForAppend(dir_.path().string(), error));
  EXPECT_EQ(error, std::errc::is_a_directory);
}

// A full disk: the open works, the write does not, and nothing counts as written.
TEST_F(LocalFileSystemTest, OpenForAppendOnAFullDiskWritesNothing) {
  const std::string folder = dir_.File("disk");
  fs::create_directories(folder);
  SmallFileSystem disk(folder, 64 * 1024);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  {
    // Filled by writing until the disk refuses, whatever it states as free.
    std::ofstream filler(folder + "/filler", std::ios::binary);
    const std::string chunk(4096, 'f');
    while (filler.write(chunk.data(), static_cast<std::streamsize>(chunk.size())) && filler.flush()) {
    }
  }
  std::error_code error;
  const std::unique_ptr<AppendStream> full = fso_->OpenForAppend(folder + "/Ombrel.LOG", error);
  ASSERT_TRUE(full) << error.message();
  std::size_t written = 0;
  EXPECT_EQ(full->Write("line", written), std::errc::no_space_on_device);
  EXPECT_EQ(written, 0U);
}

// The log is made with its folder's read and write bits whatever the umask,
// so the windows of every user who may write beside the program can add to
// it; a file that is no regular file (a device) is refused and never changed.
TEST_F(LocalFileSystemTest, OpenForAppendMakesTheFileWithItsFoldersPermissions) {
  {
    const int probe = ::open(dir_.Write("probe", "").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(probe, 0);
    const int changed = ::fchmod(probe, 0600);
    ::close(probe);
    if (changed != 0) GTEST_SKIP() << "this file system sets no file's mode (FAT through FUSE)";
  }
  const mode_t umask = ::umask(022);
  for (const auto& [folderMode, fileMode] : {std::pair<mode_t, mode_t>{0777, 0666}, {0755, 0644}, {0750, 0640}}) {
    SCOPED_TRACE(std::to_string(folderMode));
    const std::string folder = dir_.File("bin" + std::to_string(folderMode));
    fs::create_directories(folder);
    ASSERT_EQ(::chmod(folder.c_str(), folderMode), 0);
    std::error_code error;
    ASSERT_TRUE(fso_->OpenForAppend(folder + "/Ombrel.LOG", error)) << error.message();
    struct stat status {};
    ASSERT_EQ(::stat((folder + "/Ombrel.LOG").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, fileMode);
  }
  ::umask(umask);
  struct stat before {};
  ASSERT_EQ(::stat("/dev/full", &before), 0);
  std::error_code error;
  EXPECT_FALSE(fso_->OpenForAppend("/dev/full", error));
  EXPECT_EQ(error, std::errc::no_such_device_or_address);
  struct stat after {};
  ASSERT_EQ(::stat("/dev/full", &after), 0);
  EXPECT_EQ(after.st_mode, before.st_mode);
}

// A write that writes nothing and reports no error (a file that takes no
// more bytes) is a failure, not a reason to ask again forever. Made to
// happen by the file-system seam, so this runs only under it.
TEST_F(LocalFileSystemTest, AWriteThatWritesNothingIsAFailure) {
  if (!testing::SeamLoaded()) GTEST_SKIP() << "runs under the file-system seam: the seam.* tests";
  std::error_code error;
  const std::unique_ptr<AppendStream> file = fso_->OpenForAppend(dir_.File("Ombrel.LOG"), error);
  ASSERT_TRUE(file) << error.message();
  std::size_t written = 0;
  testing::WriteNothing(true);
  const std::error_code failure = file->Write("line", written);
  testing::WriteNothing(false);
  EXPECT_EQ(failure, std::errc::io_error);
  EXPECT_EQ(written, 0U);
}

TEST_F(LocalFileSystemTest, AbsolutePathIsNormalised) {
  EXPECT_EQ(fso_->GetAbsolutePathName(dir_.str() + "Alias/../Alias/./global.ali"),
            dir_.File("Alias/global.ali"));
  EXPECT_EQ(fso_->GetAbsolutePathName(dir_.str()), dir_.path().string());
  EXPECT_EQ(fso_->GetAbsolutePathName("rel/x.ali"), (fs::current_path() / "rel/x.ali").string());
}

TEST_F(LocalFileSystemTest, MoveFileMovesAndNeverOverwrites) {
  const std::string source = dir_.Write("guid.xml", "order");
  fso_->MoveFile(source, dir_.File("order.xml"));
  EXPECT_FALSE(fs::exists(source));
  EXPECT_EQ(dir_.Read("order.xml"), "order");

  dir_.Write("other.xml", "other");
  auto error = RaisedError([&] { fso_->MoveFile(dir_.File("other.xml"), dir_.File("order.xml")); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number(), 58);
  EXPECT_EQ(error->source(), kSource);
  EXPECT_NE(error->description().find(dir_.File("order.xml")), std::string::npos);
  EXPECT_EQ(dir_.Read("order.xml"), "order");
  EXPECT_EQ(dir_.Read("other.xml"), "other");

  // A destination ending in "/" is a folder to move into.
  fs::create_directory(dir_.path() / "Pix");
  fso_->MoveFile(dir_.File("other.xml"), dir_.str() + "Pix/");
  EXPECT_EQ(dir_.Read("Pix/other.xml"), "other");
}

// A symbolic link is a file of its own: never the file it points at, nor a
// holder of its bytes, so a link left under a document's name is never taken
// for that document.
TEST_F(LocalFileSystemTest, ALinkIsNeverTheFileItPointsAt) {
  const std::string document = dir_.Write("{GUID}.xml", "<ORDER/>");
  const std::string copy = dir_.Write("copy.xml", "<ORDER/>");
  const std::string link = dir_.File("order.xml");
  fs::create_symlink("{GUID}.xml", link);
  struct Row {
    const char* what;
    std::string first, second;
    bool sameFile, sameContents;
  };
  for (const Row& row : {Row{"a name and itself", document, document, true, true},
                         Row{"two files of the same bytes", document, copy, false, true},
                         Row{"a link and its target", link, document, false, false},
                         Row{"a target and its link", document, link, false, false},
                         Row{"a link and a copy of its target", link, copy, false, false}}) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(fso_->SameFile(row.first, row.second), row.sameFile);
    EXPECT_EQ(fso_->SameContents(row.first, row.second), row.sameContents);
  }
  // The link is a file that is there: a move onto it is refused, and it stays.
  auto error = RaisedError([&] { fso_->MoveFile(document, link); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number(), 58);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(dir_.Read("{GUID}.xml"), "<ORDER/>");
}

TEST_F(LocalFileSystemTest, MoveFileErrors) {
  dir_.Write("a.xml", "a");
  fs::create_directory(dir_.path() / "folder");
  const struct {
    const char* name;
    std::string source;
    std::string destination;
    int32_t number;
  } cases[] = {
      {"missing source", dir_.File("missing.xml"), dir_.File("b.xml"), 53},
      {"a folder as source", dir_.File("folder"), dir_.File("b"), 53},
      {"missing target folder", dir_.File("a.xml"), dir_.File("nowhere/b.xml"), 76},
      {"target is a folder", dir_.File("a.xml"), dir_.File("folder"), 58},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto error = RaisedError([&] { fso_->MoveFile(c.source, c.destination); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), c.number);
    EXPECT_EQ(error->source(), kSource);
  }
  EXPECT_EQ(dir_.Read("a.xml"), "a");
}

TEST_F(LocalFileSystemTest, MoveFileAcrossFileSystemsCopiesThenDeletes) {
  struct stat here {}, there {};
  if (::stat(dir_.path().c_str(), &here) != 0 || ::stat("/dev/shm", &there) != 0 ||
      here.st_dev == there.st_dev) {
    GTEST_SKIP() << "no second file system to move to";
  }
  const std::string content(200 * 1024 + 17, '\x85');
  const std::string source = dir_.Write("photo.jpg", content);
  const fs::path target = fs::path("/dev/shm") / ("ombrel-move-" + std::to_string(::getpid()) + ".jpg");
  fs::remove(target);
  fso_->MoveFile(source, target.string());
  EXPECT_FALSE(fs::exists(source));
  std::ifstream in(target, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content);

  // Back again onto an existing file: refused, both stay.
  dir_.Write("photo.jpg", "kept");
  auto error = RaisedError([&] { fso_->MoveFile(target.string(), source); });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number(), 58);
  EXPECT_TRUE(fs::exists(target));
  EXPECT_EQ(dir_.Read("photo.jpg"), "kept");
  fs::remove(target);
}

// A move to another file system killed while it copies leaves nothing
// under the target's name: the copy has its name only once it is whole.
// The source is a FIFO, so the copy can be stopped at a known point: the
// test has written part of it, and the copy waits for the rest.
TEST_F(LocalFileSystemTest, AMoveKilledWhileItCopiesLeavesNoPartialFile) {
  struct stat here {}, there {};
  if (::stat(dir_.path().c_str(), &here) != 0 || ::stat("/dev/shm", &there) != 0 ||
      here.st_dev == there.st_dev) {
    GTEST_SKIP() << "no second file system to move to";
  }
  const std::string source = dir_.File("photo.jpg");
  ASSERT_EQ(::mkfifo(source.c_str(), 0600), 0);
  const std::string folder = "/dev/shm/ombrel-move-" + std::to_string(::getpid());
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string target = folder + "/photo.jpg";
  const pid_t child = ::fork();
  if (child == 0) {
    CreateLocalFileSystem()->MoveFile(source, target);
    ::_exit(0);
  }
  {
    // Opened once the copy has opened its end; a child that failed before
    // that has ended, and fails the test rather than leaving it waiting.
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 10000; ++tries) {
      fd = ::open(source.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0 && ::waitpid(child, nullptr, WNOHANG) == child) break;
      if (fd < 0) ::usleep(1000);
    }
    if (fd < 0) {
      ::kill(child, SIGKILL);
      ::waitpid(child, nullptr, 0);
      FAIL() << "the move never read its source";
    }
    ASSERT_EQ(::fcntl(fd, F_SETFL, 0), 0);
    // More than a pipe holds: written, the copy has read most of it.
    const std::string part(256 * 1024, '\x85');
    EXPECT_EQ(::write(fd, part.data(), part.size()), static_cast<ssize_t>(part.size()));
    EXPECT_FALSE(fs::exists(target));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(fd);
  }
  EXPECT_FALSE(fs::exists(target));
  EXPECT_TRUE(testing::Listing(folder).empty()) << "a temporary left: " << testing::Listing(folder)[0];
  fs::remove_all(folder);
}

// Two names that differ only in letter case are one file where the file
// system folds case, two where it does not; a FUSE file system may report
// other numbers for the two spellings, and yet they are one file.
TEST_F(LocalFileSystemTest, NamesDifferingInLetterCaseAreOneFileOnlyWhereCaseIsFolded) {
  dir_.Write("front.jpg", "photo");
  EXPECT_FALSE(fso_->SameFile(dir_.File("front.jpg"), dir_.File("FRONT.JPG")));  // not there
  dir_.Write("FRONT.JPG", "photo");
  EXPECT_FALSE(fso_->SameFile(dir_.File("front.jpg"), dir_.File("FRONT.JPG")));
  EXPECT_TRUE(fso_->SameContents(dir_.File("front.jpg"), dir_.File("FRONT.JPG")));

  const std::string stick = dir_.File("stick");
  fs::create_directories(stick);
  FuseFatImage fat(dir_.File("stick.img"), stick, 8);
  if (!fat.mounted()) GTEST_SKIP() << fat.reason();
  fs::create_directories(stick + "/Pix");
  std::ofstream(stick + "/Pix/front.jpg") << "photo";
  for (const auto& [first, second] : std::vector<std::pair<std::string, std::string>>{
           {"/Pix/front.jpg", "/Pix/FRONT.JPG"}, {"/Pix/front.jpg", "/PIX/front.jpg"},
           {"/pix/Front.jpg", "/PIX/FRONT.jpg"}}) {
    SCOPED_TRACE(first + " " + second);
    EXPECT_TRUE(fso_->SameFile(stick + first, stick + second));
  }
  EXPECT_FALSE(fso_->SameFile(stick + "/Pix/front.jpg", stick + "/Pix/rear.jpg"));
}

TEST_F(LocalFileSystemTest, DeleteFileRemovesOneFileOnly) {
  const std::string file = dir_.Write("doc.xml", "x");
  fso_->DeleteFile(file);
  EXPECT_FALSE(fs::exists(file));

  fs::create_directory(dir_.path() / "folder");
  dir_.Write("folder/inside.txt", "y");
  for (const std::string& path : {dir_.File("folder"), dir_.File("doc.xml"), std::string()}) {
    SCOPED_TRACE(path);
    auto error = RaisedError([&] { fso_->DeleteFile(path); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 53);
    EXPECT_EQ(error->source(), kSource);
  }
  EXPECT_EQ(dir_.Read("folder/inside.txt"), "y");
}

TEST_F(LocalFileSystemTest, OpenTextFileReadsTheBytesAsTheyAre) {
  const std::string bytes = "<?xml version=\"1.0\"?>\r\n<A>Caf\xE9 \x85</A>\r\n";
  auto stream = fso_->OpenTextFile(dir_.Write("order.xml", bytes));
  EXPECT_EQ(stream->ReadAll(), bytes);
  stream->Close();

  EXPECT_EQ(fso_->OpenTextFile(dir_.Write("empty.xml", ""))->ReadAll(), "");

  auto missing = RaisedError([&] { fso_->OpenTextFile(dir_.File("missing.xml")); });
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->number(), 53);
  EXPECT_EQ(missing->source(), kSource);
  EXPECT_NE(missing->description().find("missing.xml"), std::string::npos);

  EXPECT_TRUE(RaisedError([&] { fso_->OpenTextFile(dir_.path().string()); }));
}

// A file whose size is not known beforehand (a pipe) is read to its end too.
TEST_F(LocalFileSystemTest, OpenTextFileReadsAPipeToItsEnd) {
  const std::string path = dir_.File("order.fifo");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  std::string bytes;
  for (int i = 0; bytes.size() < 300 * 1024; ++i) bytes += "<A N=\"" + std::to_string(i) + "\">x</A>\n";
  std::thread writer([&] { std::ofstream(path, std::ios::binary) << bytes; });
  const auto stream = fso_->OpenTextFile(path);
  const std::string read = stream->ReadAll();
  writer.join();
  EXPECT_EQ(read.size(), bytes.size());
  EXPECT_TRUE(read == bytes);
}

}  // namespace
}  // namespace ombrel
