#include "support/unpacking_kills.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "platform/envelope/zip_envelope.h"
#include "platform/staging/pending_file.h"
#include "platform/staging/stale_temporaries.h"
#include "support/envelope_builder.h"
#include "support/seam_control.h"
#include "support/temp_dir.h"

namespace ombrel::testing {

namespace {

// Runs the unpacking into folder in a child killed right after counted call
// kill; the child's exit status.
int UnpackKilledAt(ZipEnvelope& envelope, const std::string& folder, long kill) {
  const pid_t child = ::fork();
  if (child == 0) {
    ArmSeam(0, kill);
    ::_exit(envelope.ExtractTo(folder, 0) ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

std::string Read(const std::string& path) {
  TempDir none;
  return none.Read(path);
}

}  // namespace

void CheckKillsDuringUnpacking(const std::function<std::string()>& newFolder) {
  EnvelopeBuilder builder;
  builder.Add("order.xml", "OADI/XML", "APPRAISAL", "<ORDER><FORMNUM>1004</FORMNUM></ORDER>");
  builder.Add("rent.xml", "OADI-SUP/XML", "", "<ORDER><FORMNUM>1007</FORMNUM></ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "", std::string(70000, 'f'));
  builder.Add("rear.jpg", "IMAGE/JPG", "", "rear photo");
  TempDir scratch;
  builder.Write(scratch.File("MY.ENV"));
  const std::string envelopeBytes = scratch.Read("MY.ENV");
  int none = 0;
  int all = 0;
  for (long kill = 1;; ++kill) {
    SCOPED_TRACE("killed after call " + std::to_string(kill));
    const std::string folder = newFolder();
    // Written in one go: a ZIP writer's patched headers are more than some
    // FUSE file systems take.
    {
      std::ofstream(folder + "MY.ENV", std::ios::binary) << envelopeBytes;
      std::ofstream(folder + "notes.xml") << "the user's own file";
    }
    ZipEnvelope envelope;
    ASSERT_TRUE(envelope.OpenEnvelope(folder + "MY.ENV"));
    const int status = UnpackKilledAt(envelope, folder, kill);
    std::vector<std::string> expected = {"MY.ENV", "notes.xml"};
    if (WIFEXITED(status)) {
      // Past the last counted call: the unpacking ran to its end.
      ASSERT_EQ(WEXITSTATUS(status), 0);
      for (const EnvelopeEntry& entry : builder.documents()) {
        EXPECT_EQ(Read(folder + entry.guid + entry.ext), entry.bytes);
        expected.push_back(entry.guid + entry.ext);
      }
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(Listing(folder), expected);
      break;
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    RemoveStaleTemporaries(folder);
    std::size_t named = 0;
    for (const EnvelopeEntry& entry : builder.documents()) {
      const std::string name = entry.guid + entry.ext;
      if (!std::filesystem::exists(folder + name)) continue;
      ++named;
      // A named document is always whole.
      EXPECT_EQ(Read(folder + name), entry.bytes) << name;
      expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(folder), expected);
    EXPECT_EQ(Read(folder + "notes.xml"), "the user's own file");
    if (named == 0) ++none;
    if (named == builder.documents().size()) ++all;
    // The clean-up takes back what an unmarked pending folder named, by a
    // hard link, a move, or a claim not yet moved over.
    EXPECT_TRUE(named == 0 || named == builder.documents().size()) << named << " named";

    // The next unpacking there gives every name, using what stayed.
    ASSERT_TRUE(envelope.ExtractTo(folder, 0)) << envelope.Failure()->description();
    for (const EnvelopeEntry& entry : builder.documents()) {
      EXPECT_EQ(Read(folder + entry.guid + entry.ext), entry.bytes);
    }
    ASSERT_GT(kill, 0);
    if (kill > 200) {
      ADD_FAILURE() << "the unpacking never ran to its end";
      break;
    }
  }
  // Kills fell before the names were decided and after.
  EXPECT_GT(none, 0);
  EXPECT_GT(all, 0);
}

}  // namespace ombrel::testing
