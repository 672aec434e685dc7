#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "model/fillscheme.h"
#include "model/projectfile.h"
#include "model/safefile.h"

// Every call of umask() from this program, counted: saving must never switch the umask,
// which is shared by all threads of the process.
namespace {
int umaskCalls = 0;
}
extern "C" mode_t umask(mode_t mask) {
  ++umaskCalls;
  return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace {

class TempFolder {
 public:
  TempFolder() {
    char pattern[] = "/tmp/cargolyx-fileio-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TempFolder() {
    ::chmod(path_.c_str(), 0700);
    std::system(("rm -rf '" + path_ + "'").c_str());
  }
  const std::string& path() const { return path_; }
  int entries() const {
    int n = 0;
    DIR* dir = ::opendir(path_.c_str());
    while (dirent* e = ::readdir(dir))
      if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") ++n;
    ::closedir(dir);
    return n;
  }

 private:
  std::string path_;
};

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// The process's peak resident memory so far, in KiB.
long peakMemoryKiB() {
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A file of size bytes that takes no disk space: the 92-byte header of a project with no
// cartons, then a hole.
std::string sparseProject(const TempFolder& folder, off_t size) {
  FillScheme empty;
  const auto header = *empty.saveToStream();
  const std::string path = folder.path() + "/sparse.pak";
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  (void)!::write(fd, header.data(), header.size());
  (void)!::ftruncate(fd, size);
  ::close(fd);
  return path;
}

// Runs check in a child process: true when it returns true within five seconds. A check
// that hangs is killed and counts as false.
bool passesWithinFiveSeconds(const std::function<bool()>& check) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(check() ? 0 : 1);
  int status = 0;
  for (int i = 0; i < 500; ++i) {
    if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return false;
}

// A reason that names something, never the "Success" of an unset errno.
bool isRealReason(const std::string& reason, const std::string& names) {
  return reason.find("Success") == std::string::npos && reason.find(names) != std::string::npos;
}

}  // namespace

TEST(FileIo, writeFileSafelyCreatesAndReplaces) {
  TempFolder folder;
  const std::string file = folder.path() + "/plan.pak";
  std::string error;
  ASSERT_TRUE(writeFileSafely(file, bytesOf("first"), &error)) << error;
  EXPECT_EQ(readWholeFile(file), bytesOf("first"));
  ASSERT_TRUE(writeFileSafely(file, bytesOf("second, longer"), &error)) << error;
  EXPECT_EQ(readWholeFile(file), bytesOf("second, longer"));
  EXPECT_EQ(folder.entries(), 1) << "no temporary file stays behind";
}

TEST(FileIo, replacingKeepsTheFileMode) {
  TempFolder folder;
  const std::string file = folder.path() + "/plan.pak";
  ASSERT_TRUE(writeFileSafely(file, bytesOf("a")));
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(writeFileSafely(file, bytesOf("b")));
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(FileIo, aFailedWriteLeavesTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder folder;
  const std::string file = folder.path() + "/plan.pak";
  ASSERT_TRUE(writeFileSafely(file, bytesOf("precious")));
  ::chmod(folder.path().c_str(), 0500);
  std::string error;
  EXPECT_FALSE(writeFileSafely(file, bytesOf("new"), &error));
  EXPECT_FALSE(error.empty());
  ::chmod(folder.path().c_str(), 0700);
  EXPECT_EQ(readWholeFile(file), bytesOf("precious"));
  EXPECT_EQ(folder.entries(), 1);
}

TEST(FileIo, aWriteCutShortLeavesTheOldFile) {
  // A file-size limit makes the write fail halfway, even for root.
  TempFolder folder;
  const std::string file = folder.path() + "/plan.pak";
  ASSERT_TRUE(writeFileSafely(file, bytesOf("precious")));
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  const bool written = writeFileSafely(file, bytesOf(std::string(1000, 'x')), &error);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
  EXPECT_EQ(readWholeFile(file), bytesOf("precious"));
  EXPECT_EQ(folder.entries(), 1) << "the partial temporary file is removed";
}

TEST(FileIo, writingIntoAMissingFolderFails) {
  std::string error;
  EXPECT_FALSE(writeFileSafely("/nonexistent-folder/x/plan.pak", bytesOf("a"), &error));
  EXPECT_NE(error.find("/nonexistent-folder/x"), std::string::npos) << error;
}

TEST(FileIo, aTargetThatIsAFolderIsNotReplaced) {
  TempFolder folder;
  const std::string target = folder.path() + "/sub";
  ASSERT_EQ(::mkdir(target.c_str(), 0700), 0);
  EXPECT_FALSE(writeFileSafely(target, bytesOf("a")));
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(folder.entries(), 1);
}

TEST(FileIo, readWholeFileReportsMissingFilesAndFolders) {
  std::string error;
  EXPECT_FALSE(readWholeFile("/nonexistent/plan.pak", &error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  EXPECT_FALSE(readWholeFile("/tmp", &error));
}

TEST(FileIo, projectFilesRoundTripThroughDisk) {
  TempFolder folder;
  const std::string file = folder.path() + "/计划 1.pak";
  FillScheme p;
  p.addCarton().length = 600;
  p.cartons[0].width = 400;
  p.cartons[0].height = 300;
  std::string error;
  ASSERT_TRUE(saveProjectFile(file, p, &error)) << error;
  FillScheme q;
  OpenFailure failure;
  ASSERT_TRUE(loadProjectFile(file, q, &failure)) << failure.detail;
  ASSERT_EQ(q.cartons.size(), 1u);
  EXPECT_EQ(q.cartons[0].displayText(), "纸箱1 (600*400*300:1)");

  std::ofstream(folder.path() + "/junk.pak") << "not a project";
  EXPECT_FALSE(loadProjectFile(folder.path() + "/junk.pak", q, &failure));
  EXPECT_EQ(failure.problem, OpenProblem::NotAProject);
  EXPECT_EQ(q.cartons.size(), 1u);
}

TEST(FileIo, aProjectWithAnUnsavableNameDoesNotTouchTheFile) {
  TempFolder folder;
  const std::string file = folder.path() + "/plan.pak";
  FillScheme p;
  ASSERT_TRUE(saveProjectFile(file, p));
  const auto before = readWholeFile(file);
  p.container.name = "📦";
  std::string error;
  EXPECT_FALSE(saveProjectFile(file, p, &error));
  EXPECT_EQ(readWholeFile(file), before);
}

TEST(FileIo, aProjectWhoseLengthBetraysItIsRefusedBeforeItIsRead) {
  // 2 GiB, mostly a hole, with N = 0 in its header: 92 bytes would be right.
  TempFolder folder;
  const std::string path = sparseProject(folder, off_t{1} << 31);
  const long before = peakMemoryKiB();
  FillScheme project;
  OpenFailure failure;
  EXPECT_FALSE(loadProjectFile(path, project, &failure));
  EXPECT_LT(peakMemoryKiB() - before, 16 * 1024) << "the file was read";
  EXPECT_EQ(failure.problem, OpenProblem::Damaged);
  EXPECT_EQ(failure.detail, "2147483648 bytes where its 0 carton types take 92");
}

TEST(FileIo, aFileLargerThanItsLimitIsRefusedBeforeItIsRead) {
  TempFolder folder;
  const std::string path = sparseProject(folder, off_t{1} << 30);
  const long before = peakMemoryKiB();
  std::string error;
  EXPECT_FALSE(readWholeFile(path, &error, std::size_t{16} << 20));
  EXPECT_LT(peakMemoryKiB() - before, 16 * 1024) << "the file was read";
  EXPECT_NE(error.find("larger than 16 MiB"), std::string::npos) << error;
}

TEST(FileIo, pipesDevicesAndFoldersAreRefusedWithTheirReasonWithoutWaiting) {
  TempFolder folder;
  const std::string fifo = folder.path() + "/plan.pak";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_TRUE(passesWithinFiveSeconds([&] {
    FillScheme project;
    OpenFailure failure;
    return !loadProjectFile(fifo, project, &failure) && failure.problem == OpenProblem::Unreadable &&
           isRealReason(failure.detail, "named pipe");
  })) << "a named pipe as the project";
  EXPECT_TRUE(passesWithinFiveSeconds([&] {
    std::string error;
    return !readWholeFile(fifo, &error) && isRealReason(error, "named pipe");
  })) << "a named pipe read whole";
  for (const char* device : {"/dev/zero", "/dev/null"}) {
    OpenFailure failure;
    FillScheme project;
    EXPECT_FALSE(loadProjectFile(device, project, &failure));
    EXPECT_TRUE(isRealReason(failure.detail, "device")) << failure.detail;
  }
  std::string error;
  EXPECT_FALSE(readWholeFile(folder.path(), &error));
  EXPECT_TRUE(isRealReason(error, "folder")) << error;
}

TEST(FileIo, aReadOnlyProjectIsNotReplaced) {
  // In a folder the user may write, so only the file's own mode protects it.
  TempFolder folder;
  const std::string file = folder.path() + "/plan.pak";
  FillScheme p;
  ASSERT_TRUE(saveProjectFile(file, p));
  const auto before = readWholeFile(file);
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  p.addCarton();
  std::string error;
  FileProblem problem = FileProblem::None;
  EXPECT_FALSE(saveProjectFile(file, p, &error, &problem));
  EXPECT_EQ(problem, FileProblem::ReadOnly);
  EXPECT_NE(error.find("read-only"), std::string::npos) << error;
  EXPECT_EQ(readWholeFile(file), before);
  EXPECT_EQ(folder.entries(), 1);
  EXPECT_EQ(readOnlyFileMessage(), "该文件为只读文件，无法保存。请选择其它位置或文件名保存。");
}

TEST(FileIo, savingThroughALinkWritesTheFileItNames) {
  TempFolder folder;
  ASSERT_EQ(::mkdir((folder.path() + "/real").c_str(), 0700), 0);
  const std::string real = folder.path() + "/real/plan.pak";
  const std::string link = folder.path() + "/link.pak";
  const std::string chain = folder.path() + "/chain.pak";
  FillScheme p;
  ASSERT_TRUE(saveProjectFile(real, p));
  ASSERT_EQ(::symlink("real/plan.pak", link.c_str()), 0);  // relative to the link's folder
  ASSERT_EQ(::symlink(link.c_str(), chain.c_str()), 0);
  p.container.length = 1234;
  std::string error;
  ASSERT_TRUE(saveProjectFile(chain, p, &error)) << error;
  struct stat st {};
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
  ASSERT_EQ(::lstat(chain.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  FillScheme q;
  ASSERT_TRUE(loadProjectFile(real, q));
  EXPECT_EQ(q.container.length, 1234) << "the file the links name has the new project";
  EXPECT_EQ(folder.entries(), 3);
}

TEST(FileIo, savingKeepsTheOwnerAndDropsSetuidAndSetgid) {
  TempFolder folder;
  const std::string file = folder.path() + "/plan.pak";
  FillScheme p;
  ASSERT_TRUE(saveProjectFile(file, p));
  ASSERT_EQ(::chmod(file.c_str(), 06750), 0);
  const bool mayChown = ::chown(file.c_str(), 4321, 4322) == 0;  // only the superuser may
  ASSERT_TRUE(saveProjectFile(file, p));
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0750u) << std::oct << (st.st_mode & 07777);
  if (mayChown) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
  } else {
    EXPECT_EQ(st.st_uid, ::geteuid());
  }
}

TEST(FileIo, aFileWithTheLongestNameSaves) {
  TempFolder folder;
  const std::string file = folder.path() + "/" + std::string(250, 'p') + ".pak";  // 254 bytes
  FillScheme p;
  std::string error;
  ASSERT_TRUE(saveProjectFile(file, p, &error)) << error;
  ASSERT_TRUE(saveProjectFile(file, p, &error)) << error;
  EXPECT_EQ(folder.entries(), 1);
}

TEST(FileIo, savingNeverSwitchesTheUmask) {
  TempFolder folder;
  const int before = umaskCalls;
  FillScheme p;
  ASSERT_TRUE(saveProjectFile(folder.path() + "/new.pak", p));
  ASSERT_TRUE(writeFileSafely(folder.path() + "/new.htm", bytesOf("a")));
  EXPECT_EQ(umaskCalls, before);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat st {};
  ASSERT_EQ(::stat((folder.path() + "/new.pak").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0666u & ~mask) << "a new file gets 0666 less the umask";
}
