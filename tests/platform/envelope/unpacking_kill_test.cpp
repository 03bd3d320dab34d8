// A process killed right after any call of an unpacking that names, renames
// or removes a file: after the next clean-up, the envelope's documents are
// all under their names or none is, and no file of the user's is touched.
// The calls are counted by the file-system seam, so these tests run only
// under it (the seam.* tests), as every file system it stands for.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/envelope/zip_envelope.h"
#include "platform/files/pending_file.h"
#include "support/envelope_builder.h"
#include "support/seam_control.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::Listing;
using testing::TempDir;

// Runs the unpacking of path into folder in a child killed right after
// counted call kill; the child's exit status.
int UnpackKilledAt(ZipEnvelope& envelope, const std::string& folder, long kill) {
  const pid_t child = ::fork();
  if (child == 0) {
    testing::ArmSeam(0, kill);
    ::_exit(envelope.ExtractTo(folder, 0) ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

TEST(UnpackingKillTest, AfterAKillAtAnyCallAllDocumentsOrNoneAreNamed) {
  if (!testing::SeamLoaded()) GTEST_SKIP() << "counts calls through the file-system seam: run by the seam.* tests";
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "APPRAISAL", "<ORDER><FORMNUM>1004</FORMNUM></ORDER>");
  builder.Add("rent.xml", "OADI-SUP/XML", "", "<ORDER><FORMNUM>1007</FORMNUM></ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "", std::string(70000, 'f'));
  builder.Add("rear.jpg", "IMAGE/JPG", "", "rear photo");
  const bool hardLinks = testing::SeamHasHardLinks();
  int none = 0;
  int all = 0;
  long kill = 1;
  for (;; ++kill) {
    SCOPED_TRACE("killed after call " + std::to_string(kill));
    TempDir dir;
    builder.Write(dir.File("MY.ENV"));
    dir.Write("notes.xml", "the user's own file");
    ZipEnvelope envelope;
    ASSERT_TRUE(envelope.OpenEnvelope(dir.File("MY.ENV")));
    const int status = UnpackKilledAt(envelope, dir.str(), kill);
    if (WIFEXITED(status)) {
      // Past the last counted call: the unpacking ran to its end.
      ASSERT_EQ(WEXITSTATUS(status), 0);
      for (const EnvelopeEntry& entry : builder.documents()) EXPECT_EQ(dir.Read(entry.guid + entry.ext), entry.bytes);
      EXPECT_EQ(Listing(dir.path()).size(), builder.documents().size() + 2);
      break;
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    RemoveStaleTemporaries(dir.str());
    std::vector<std::string> expected = {"MY.ENV", "notes.xml"};
    std::size_t named = 0;
    for (const EnvelopeEntry& entry : builder.documents()) {
      const std::string name = entry.guid + entry.ext;
      if (dir.Read(name).empty()) continue;
      ++named;
      // A named document is always whole.
      EXPECT_EQ(dir.Read(name), entry.bytes) << name;
      expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(dir.path()), expected);
    EXPECT_EQ(dir.Read("notes.xml"), "the user's own file");
    if (named == 0) ++none;
    if (named == builder.documents().size()) ++all;
    // Where names are hard links the clean-up takes back what an unmarked
    // pending folder named; where they are moves, what was moved stays.
    if (hardLinks) {
      EXPECT_TRUE(named == 0 || named == builder.documents().size()) << named << " named";
    }

    // The next unpacking there gives every name, using what stayed.
    ASSERT_TRUE(envelope.ExtractTo(dir.str(), 0)) << envelope.Failure()->description();
    for (const EnvelopeEntry& entry : builder.documents()) EXPECT_EQ(dir.Read(entry.guid + entry.ext), entry.bytes);
  }
  // Kills fell before the mark and after it.
  EXPECT_GT(none, 0);
  EXPECT_GT(all, 0);
  EXPECT_GT(kill, 16);
}

}  // namespace
}  // namespace ombrel
