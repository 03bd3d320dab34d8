#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/workspace/record_file.h"
#include "platform/envelope/envelope.h"
#include "platform/text/sender_text.h"
#include "platform/workspace/workspace_lock.h"
#include "services/file_record.h"
#include "shell/main_form.h"
#include "shell_fixture.h"
#include "support/envelope_builder.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::Creation;
using testing::EnvelopeBuilder;
using testing::EnvelopeEntry;
using testing::ShellTest;
using testing::ShownBox;
using testing::ShownDialog;

// Every file under root, as paths relative to it, sorted; but the lock file
// and the user's record that every step leaves in the order program's folder
// (their own tests are in one_step_per_workspace_test.cpp and under
// tests/platform/workspace/).
std::vector<std::string> FilesUnder(const fs::path& root) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory() || name == kWorkspaceLockFileName || RecordFileUser(name)) continue;
    files.push_back(fs::relative(entry.path(), root).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

class EnvelopeStepTest : public ShellTest {
 protected:
  std::string XmlDir() const { return kestrovDir + "/XML/"; }
  std::string PixDir() const { return kestrovDir + "/Pix/"; }

  // Writes the envelope into Kestrov's XML folder and answers the Open dialog with it.
  std::string Pick(const EnvelopeBuilder& builder, const std::string& name = "order.env") {
    const std::string path = XmlDir() + name;
    builder.Write(path);
    ui.AnswerDialog(path);
    return path;
  }
};

TEST_F(EnvelopeStepTest, TranslatesTheLastMainOrderAndDeletesEveryDocument) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("first.xml", "OADI/XML", "", "<ORDER>first</ORDER>");
  builder.Add("supplement.xml", "OADI-SUP/XML", "", "<ORDER>supplement</ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", "front-bytes");
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
  builder.Add("street.jpg", "IMAGE/JPG", "STREET", "street-bytes");
  builder.Add("notes.pdf", "APPLICATION/PDF", "NOTES", "%PDF");
  builder.Add("lower.xml", "oadi/xml", "", "<ORDER>lower</ORDER>");
  const std::string path = Pick(builder);
  const std::string envelopeBytes = dirs.Read(path);
  const auto envelopeTime = fs::last_write_time(path);

  // What the engine finds when its Translate runs.
  std::vector<FileRecord> recordsSeen;
  std::string mainText, frontBytes;
  std::vector<std::string> xmlFolderSeen;
  bool engineIsCurrent = false;
  onTranslate = [&](const testing::ObservingEngine::Call& call) {
    recordsSeen = main.Services().EnvelopeFiles();
    mainText = dirs.Read(call.xmlFile);
    frontBytes = dirs.Read(PixDir() + "front.jpg");
    xmlFolderSeen = FilesUnder(XmlDir());
    engineIsCurrent = main.Engine() != nullptr;
  };
  main.Open_Click();

  // The Open dialog as the user saw it.
  ASSERT_EQ(ui.dialogs.size(), 1U);
  EXPECT_EQ(ui.dialogs[0].kind, ShownDialog::kOpen);
  EXPECT_EQ(ui.dialogs[0].properties.DialogTitle, "Open envelope file...");
  EXPECT_EQ(ui.dialogs[0].properties.Filter, "Envelope Files|*.env|All Files|*.*");
  EXPECT_EQ(ui.dialogs[0].properties.DefaultExt, "*.env");
  EXPECT_EQ(ui.dialogs[0].properties.InitDir, XmlDir());
  EXPECT_EQ(ui.dialogs[0].properties.FileName, "MY.ENV");

  // Only the later main order document was translated, by the engine Main
  // holds while it runs.
  ASSERT_EQ(translations.size(), 1U);
  EXPECT_EQ(translations[0].rptFile, "");
  EXPECT_EQ(translations[0].xmlFile, XmlDir() + "main.xml");
  EXPECT_EQ(mainText, "<ORDER>main</ORDER>");
  EXPECT_EQ(frontBytes, "front-bytes");
  EXPECT_TRUE(engineIsCurrent);
  EXPECT_EQ(xmlFolderSeen, (std::vector<std::string>{"first.xml", "lower.xml", "main.xml",
                                                     "notes.pdf", "order.env",
                                                     "supplement.xml"}));

  // The records, in envelope order.
  struct Expected {
    int32_t classification;
    std::string name, description, imageKey;
  };
  const std::vector<Expected> expected = {
      {1, XmlDir() + "first.xml", "OADI/XML", ""},
      {2, XmlDir() + "supplement.xml", "OADI-SUP/XML", ""},
      {3, PixDir() + "front.jpg", "IMAGE/JPG", "SUBJECT FRONT"},
      {1, XmlDir() + "main.xml", "OADI/XML", ""},
      {3, PixDir() + "street.jpg", "IMAGE/JPG", "STREET"},
      {0, XmlDir() + "notes.pdf", "APPLICATION/PDF", "NOTES"},
      {0, XmlDir() + "lower.xml", "oadi/xml", ""},
  };
  ASSERT_EQ(recordsSeen.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(recordsSeen[i].Classification, expected[i].classification);
    EXPECT_EQ(recordsSeen[i].Name, expected[i].name);
    EXPECT_EQ(recordsSeen[i].Description, expected[i].description);
    EXPECT_EQ(recordsSeen[i].ImageKey, expected[i].imageKey);
  }
  EXPECT_EQ(main.Services().EnvelopeFiles().size(), expected.size());

  // Afterwards no extracted file remains anywhere; the envelope is untouched.
  EXPECT_EQ(FilesUnder(dirs.path()),
            (std::vector<std::string>{"bin/Ombrel.LOG", "kestrov/Kestrov.exe",
                                      "kestrov/XML/order.env", "settings/QOR.INI"}));
  EXPECT_EQ(dirs.Read(path), envelopeBytes);
  EXPECT_EQ(fs::last_write_time(path), envelopeTime);

  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{
                            "  ->",
                            "  File " + XmlDir() + "notes.pdf has unexpected type: APPLICATION/PDF",
                            "  File " + XmlDir() + "lower.xml has unexpected type: oadi/xml",
                        }));
}

TEST_F(EnvelopeStepTest, LineBreaksInAnEnvelopesTextForgeNoLogLine) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("notes\r\n.pdf", "PDF\r\n12/10/2026 1:05:09 PM     ! forged", "", "%PDF");
  builder.Add("long.pdf", std::string(100000, 'T'), "", "%PDF");
  Pick(builder);
  main.Open_Click();
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(LogTexts(),
            (std::vector<std::string>{
                "  ->",
                "  File " + XmlDir() + "notes\\r\\n.pdf has unexpected type: "
                    "PDF\\r\\n12/10/2026 1:05:09 PM     ! forged",
                "  File " + XmlDir() + "long.pdf has unexpected type: " +
                    std::string(kSenderTextLimit, 'T') + "\xE2\x80\xA6 [cut: 100000 bytes in all]",
            }));
  EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
}

TEST_F(EnvelopeStepTest, CancelInTheOpenDialogDoesNothing) {
  Main& main = StartedMain();
  EnvelopeBuilder earlier;
  earlier.Add("order.xml", "OADI/XML", "", "<ORDER>earlier</ORDER>");
  Pick(earlier, "earlier.env");
  main.Open_Click();
  ASSERT_EQ(translations.size(), 1U);
  ui.AnswerDialog(std::nullopt);
  main.Open_Click();
  EXPECT_EQ(ui.dialogs.size(), 2U);
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"  ->"}));
  // the previous step's records stay
  ASSERT_EQ(main.Services().EnvelopeFiles().size(), 1U);
  EXPECT_EQ(main.Services().EnvelopeFiles()[0].Name, XmlDir() + "order.xml");
  EXPECT_EQ(translations.size(), 1U);
}

TEST_F(EnvelopeStepTest, AnInvalidEnvelopeIsShownAndTheLogSaysWhy) {
  Main& main = StartedMain();
  const std::string path = dirs.Write("kestrov/XML/broken.env", "this is no envelope");
  ui.AnswerDialog(path);
  main.Open_Click();
  const std::vector<ShownBox> expected = {
      {"Invalid envelope file\n" + path, MsgButtons::kOk, MsgIcon::kInformation, "Ombrel"}};
  EXPECT_EQ(ui.boxes, expected);
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{
                            "  ->", "! Invalid envelope file: " + path +
                                        ": it is not a readable ZIP archive: Not a zip archive"}));
  EXPECT_EQ(dirs.Read(path), "this is no envelope");
}

TEST_F(EnvelopeStepTest, AnEnvelopeNamingAFileOutsideItsFolderIsRefused) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER/>").fileName = "../escaped.xml";
  const std::string path = Pick(builder);
  main.Open_Click();
  ASSERT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(ui.boxes[0].text, "Invalid envelope file\n" + path);
  EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
}

TEST_F(EnvelopeStepTest, AMissingEnvelopeReaderIsLoggedAndShown) {
  Main& main = StartedMain();
  components.envelopeCreation = Creation::kGivesNothing;
  ui.AnswerDialog(XmlDir() + "order.env");
  main.Open_Click();
  const std::vector<ShownBox> expected = {
      {"Unable to create Envelope object.", MsgButtons::kOk, MsgIcon::kCritical, "Object Error"}};
  EXPECT_EQ(ui.boxes, expected);
  EXPECT_EQ(LogTexts(),
            (std::vector<std::string>{"  ->", "! Unable to create EnvKit.Envelope."}));
}

TEST_F(EnvelopeStepTest, AnEnvelopeThatCannotBeUnpackedIsLoggedAndShown) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER/>").guid = "{FIXED}";
  const std::string path = Pick(builder);
  // A file of the extracted name is in the way; extraction never overwrites it.
  dirs.Write("kestrov/XML/{FIXED}.xml", "in the way");
  main.Open_Click();
  const std::vector<ShownBox> expected = {{"Unable to unpack envelope file\n" + path,
                                           MsgButtons::kOk, MsgIcon::kCritical, "Ombrel"}};
  EXPECT_EQ(ui.boxes, expected);
  EXPECT_EQ(LogTexts(),
            (std::vector<std::string>{
                "  ->", "! Unable to unpack envelope file: " + path,
                "! File already exists: " + XmlDir() +
                    "{FIXED}.xml holds other bytes than the envelope's document; it is left as it is"}));
  EXPECT_EQ(dirs.Read("kestrov/XML/{FIXED}.xml"), "in the way");
  EXPECT_TRUE(translations.empty());
}

TEST_F(EnvelopeStepTest, AnExistingFileNameStopsTheMoveAndCancelLeavesEverything) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  EnvelopeEntry& order = builder.Add("main.xml", "OADI/XML", "", "<ORDER>new</ORDER>");
  order.guid = "{ORDER}";
  builder.Add("front.jpg", "IMAGE/JPG", "", "new photo").guid = "{PHOTO}";
  Pick(builder);
  dirs.Write("kestrov/XML/main.xml", "the user's own file");

  ui.AnswerBox(MsgResult::kRetry);   // the same move again: it fails again
  ui.AnswerBox(MsgResult::kCancel);  // the step ends here
  main.Open_Click();

  ASSERT_EQ(ui.boxes.size(), 2U);
  EXPECT_EQ(ui.boxes[0], ui.boxes[1]);
  EXPECT_EQ(ui.boxes[0].text.rfind("Error 58 in Open:\n", 0), 0U) << ui.boxes[0].text;
  EXPECT_EQ(ui.boxes[0].buttons, MsgButtons::kRetryCancel);
  EXPECT_EQ(ui.boxes[0].icon, MsgIcon::kInformation);
  EXPECT_EQ(ui.boxes[0].title, "Scripting.FileSystemObject");
  EXPECT_EQ(dirs.Read("kestrov/XML/main.xml"), "the user's own file");
  // The extracted files stay where they are; nothing is deleted or translated.
  EXPECT_EQ(dirs.Read("kestrov/XML/{ORDER}.xml"), "<ORDER>new</ORDER>");
  EXPECT_EQ(dirs.Read("kestrov/XML/{PHOTO}.jpg"), "new photo");
  EXPECT_TRUE(translations.empty());
  const std::vector<std::string> log = LogTexts();
  ASSERT_EQ(log.size(), 3U);
  EXPECT_EQ(log[1].rfind("! Error 58 in Open [Scripting.FileSystemObject]: ", 0), 0U) << log[1];
}

// A kill during the translation leaves every document under its own name,
// the photos in the picture folder. The kill is simulated by putting back,
// after the step, the files as they stood while Translate ran.
TEST_F(EnvelopeStepTest, AnEnvelopeWhoseTranslationWasKilledOpensNormallyNextTime) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
  builder.Add("supplement.xml", "OADI-SUP/XML", "", "<ORDER>supplement</ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "", "front photo");
  const std::string path = Pick(builder);
  std::map<std::string, std::string> atTheKill;  // relative path -> bytes
  onTranslate = [&](const testing::ObservingEngine::Call&) {
    for (const std::string& file : FilesUnder(kestrovDir)) {
      atTheKill[file] = dirs.Read("kestrov/" + file);
    }
  };
  main.Open_Click();
  for (const auto& [file, bytes] : atTheKill) dirs.Write("kestrov/" + file, bytes);
  ASSERT_EQ(FilesUnder(kestrovDir),
            (std::vector<std::string>{"Kestrov.exe", "Pix/front.jpg", "XML/main.xml",
                                      "XML/order.env", "XML/supplement.xml"}));

  onTranslate = nullptr;
  ui.AnswerDialog(path);
  main.Open_Click();
  EXPECT_TRUE(ui.boxes.empty());
  ASSERT_EQ(translations.size(), 2U);
  EXPECT_EQ(translations[1].xmlFile, XmlDir() + "main.xml");
  EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"  ->"}));
}

// Cancel after an error of the step leaves the extracted documents; a kill
// during extraction leaves the documents completed so far, and where the
// file system has no unnamed files, the temporary of the one being written.
TEST_F(EnvelopeStepTest, AnEnvelopeLeftHalfwayOpensNormallyNextTime) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>new</ORDER>").guid = "{ORDER}";
  builder.Add("front.jpg", "IMAGE/JPG", "", "new photo").guid = "{PHOTO}";
  const std::string path = Pick(builder);
  const std::string userFile = dirs.Write("kestrov/XML/main.xml", "the user's own file");
  ui.AnswerBox(MsgResult::kCancel);
  main.Open_Click();
  ASSERT_EQ(FilesUnder(kestrovDir),
            (std::vector<std::string>{"Kestrov.exe", "XML/main.xml", "XML/order.env",
                                      "XML/{ORDER}.xml", "XML/{PHOTO}.jpg"}));
  // The user moves their file away; a killed extraction's temporary is there too.
  fs::rename(userFile, dirs.File("kept.xml"));
  dirs.Write("kestrov/XML/.ombrel-k1LLed", "half a docu");

  ui.AnswerDialog(path);
  main.Open_Click();
  EXPECT_EQ(ui.boxes.size(), 1U);  // only the first run's
  ASSERT_EQ(translations.size(), 1U);
  EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
  EXPECT_EQ(dirs.Read("kept.xml"), "the user's own file");
}

// A photo in the picture folder under the document's name, with the same
// bytes, is the one a killed run moved there: it is used, not refused.
TEST_F(EnvelopeStepTest, ADocumentLeftWithTheSameBytesIsUsedAndADifferentOneRefused) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>new</ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "", "new photo");
  builder.Add("rear.jpg", "IMAGE/JPG", "", "rear photo");
  Pick(builder);
  dirs.Write("kestrov/XML/main.xml", "<ORDER>new</ORDER>");
  dirs.Write("kestrov/Pix/front.jpg", "new photo");
  dirs.Write("kestrov/Pix/rear.jpg", "the user's own rear photo");
  ui.AnswerBox(MsgResult::kCancel);
  main.Open_Click();

  ASSERT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(ui.boxes[0].text, "Error 58 in Open:\nFile already exists: " + PixDir() + "rear.jpg");
  EXPECT_EQ(dirs.Read("kestrov/Pix/rear.jpg"), "the user's own rear photo");
  EXPECT_TRUE(translations.empty());
  const std::vector<std::string> log = LogTexts();
  ASSERT_EQ(log.size(), 2U);
  EXPECT_EQ(log[1], "! Error 58 in Open [Scripting.FileSystemObject]: File already exists: " +
                        PixDir() + "rear.jpg");
  // The first two were placed; the third waits under its extracted name.
  EXPECT_EQ(FilesUnder(kestrovDir),
            (std::vector<std::string>{"Kestrov.exe", "Pix/front.jpg", "Pix/rear.jpg",
                                      "XML/main.xml", "XML/order.env", "XML/rear.jpg"}));
}

// Two documents of one name with the same bytes end as one file: it is
// placed once, used once and deleted once, with no box.
TEST_F(EnvelopeStepTest, TwoIdenticalDocumentsOfOneNameShareOneFile) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", "front photo");
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", "front photo");
  Pick(builder);
  main.Open_Click();

  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(translations.size(), 1U);
  EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
}

// A document the envelope names after its own entry is already in place:
// it is translated or moved on, never taken for a copy of itself and deleted.
TEST_F(EnvelopeStepTest, ADocumentNamedAfterItsOwnEntryStaysInPlace) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("{ORDER}.xml", "OADI/XML", "", "<ORDER>main</ORDER>").guid = "{ORDER}";
  builder.Add("{PHOTO}.jpg", "IMAGE/JPG", "SUBJECT FRONT", "front photo").guid = "{PHOTO}";
  Pick(builder);
  std::string mainText, photoBytes;
  onTranslate = [&](const testing::ObservingEngine::Call& call) {
    mainText = dirs.Read(call.xmlFile);
    photoBytes = dirs.Read(PixDir() + "{PHOTO}.jpg");
  };
  main.Open_Click();

  EXPECT_TRUE(ui.boxes.empty());
  ASSERT_EQ(translations.size(), 1U);
  EXPECT_EQ(mainText, "<ORDER>main</ORDER>");
  EXPECT_EQ(photoBytes, "front photo");
  EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
}

TEST_F(EnvelopeStepTest, RetryRunsTheSameMoveAgain) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>new</ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "", "new photo");
  Pick(builder);
  const std::string userPhoto = dirs.Write("kestrov/Pix/front.jpg", "the user's photo");
  // The user moves the photo away, then presses Retry.
  ui.onBox = [&](const ShownBox&) { fs::rename(userPhoto, dirs.File("kept.jpg")); };
  ui.AnswerBox(MsgResult::kRetry);
  main.Open_Click();

  EXPECT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(dirs.Read("kept.jpg"), "the user's photo");
  ASSERT_EQ(translations.size(), 1U);
  EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
}

TEST_F(EnvelopeStepTest, AnExistingPhotoInThePictureFolderIsNeverReplaced) {
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("front.jpg", "IMAGE/JPG", "", "envelope photo");
  Pick(builder);
  dirs.Write("kestrov/Pix/front.jpg", "the user's photo");
  ui.AnswerBox(MsgResult::kCancel);
  main.Open_Click();
  ASSERT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(ui.boxes[0].text.rfind("Error 58 in Open:\n", 0), 0U);
  EXPECT_EQ(dirs.Read("kestrov/Pix/front.jpg"), "the user's photo");
  EXPECT_EQ(dirs.Read("kestrov/XML/front.jpg"), "envelope photo");  // renamed, then left
}

// Another user's photo of the very same bytes under the document's name is
// no leftover of this user's: the step would delete it at its end. It stays,
// and the step stops with the box that names it.
TEST_F(EnvelopeStepTest, AnotherUsersFileOfTheSameBytesIsNotTakenForTheDocument) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to own a file as another user";
  Main& main = StartedMain();
  EnvelopeBuilder builder;
  builder.Add("front.jpg", "IMAGE/JPG", "", "envelope photo");
  Pick(builder);
  const std::string theirs = dirs.Write("kestrov/Pix/front.jpg", "envelope photo");
  ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
  ui.AnswerBox(MsgResult::kCancel);
  main.Open_Click();
  ASSERT_EQ(ui.boxes.size(), 1U);
  EXPECT_EQ(ui.boxes[0].text, "Error 58 in Open:\nFile already exists: " + PixDir() + "front.jpg");
  EXPECT_EQ(dirs.Read("kestrov/Pix/front.jpg"), "envelope photo");
  struct stat status {};
  ASSERT_EQ(::stat(theirs.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 65534U);
}

TEST_F(EnvelopeStepTest, ImagesOnlyMakeNoReportAndNoMessage) {
  Main& main = StartedMain();
  EnvelopeBuilder order;
  order.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
  Pick(order, "earlier.env");
  main.Open_Click();
  const XmlEngine* earlier = main.Engine();
  ASSERT_NE(earlier, nullptr);
  translations.clear();
  EnvelopeBuilder builder;
  builder.Add("front.jpg", "IMAGE/JPG", "SUBJECT FRONT", "front");
  builder.Add("rear.jpg", "IMAGE/JPG", "SUBJECT REAR", "rear");
  Pick(builder);
  main.Open_Click();
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_TRUE(translations.empty());
  EXPECT_EQ(main.Engine(), earlier);
  ASSERT_EQ(main.Services().EnvelopeFiles().size(), 2U);
  EXPECT_EQ(main.Services().EnvelopeFiles()[1].Name, PixDir() + "rear.jpg");
  EXPECT_EQ(FilesUnder(kestrovDir),
            (std::vector<std::string>{"Kestrov.exe", "XML/earlier.env", "XML/order.env"}));
  EXPECT_EQ(LogTexts(), (std::vector<std::string>{"  ->"}));
}

TEST_F(EnvelopeStepTest, EachEnvelopeGetsANewEngine) {
  Main& main = StartedMain();
  for (const char* name : {"one.env", "two.env"}) {
    EnvelopeBuilder builder;
    builder.Add("main.xml", "OADI/XML", "", std::string("<ORDER>") + name + "</ORDER>");
    Pick(builder, name);
  }
  std::vector<const XmlEngine*> engines;
  onTranslate = [&](const testing::ObservingEngine::Call&) {
    engines.push_back(main.Engine());
  };
  main.Open_Click();
  main.Open_Click();
  ASSERT_EQ(translations.size(), 2U);
  ASSERT_EQ(engines.size(), 2U);
  EXPECT_NE(engines[0], nullptr);
  EXPECT_NE(engines[1], nullptr);
  EXPECT_NE(engines[0], engines[1]);  // both lived at once while the second was made
  EXPECT_EQ(main.Engine(), engines[1]);  // the last one lives on
  EXPECT_TRUE(ui.boxes.empty());
}

// An envelope reader that accepts any name, to show that the step itself
// never writes outside the envelope's folder.
class LaxEnvelope : public Envelope, EnvelopeDocuments, EnvelopeDocument {
 public:
  explicit LaxEnvelope(std::string fileName) : fileName_(std::move(fileName)) {}
  bool OpenEnvelope(const std::string&) override { return true; }
  bool ExtractTo(const std::string& folder, int32_t) override {
    std::ofstream(folder + "{LAX}.xml") << "<ORDER/>";
    return true;
  }
  const EnvelopeDocuments& Documents() const override { return *this; }
  std::optional<Error> Failure() const override { return std::nullopt; }
  std::size_t Count() const override { return 1; }
  const EnvelopeDocument& Item(std::size_t) const override { return *this; }
  uint64_t Size() const override { return 8; }
  uint32_t Crc32() const override { return 0; }
  std::string Attribute(const std::string& name) const override {
    const std::map<std::string, std::string> attributes = {
        {"GUID", "{LAX}"}, {"EXT", ".xml"}, {"FILENAME", fileName_}, {"TYPE", "OADI/XML"}};
    const auto it = attributes.find(name);
    return it == attributes.end() ? "" : it->second;
  }

 private:
  std::string fileName_;
};

TEST_F(EnvelopeStepTest, TheStepChecksEveryNameBeforeItMoves) {
  Main& main = StartedMain();
  // A name longer than a file name can be is refused by the same rule, not
  // left to the move to fail.
  for (const std::string& fileName : {std::string("../escaped.xml"), std::string("..\\escaped.xml"),
                                     std::string(256, 'x')}) {
    SCOPED_TRACE(fileName);
    components.envelopeOverride = [fileName] { return std::make_unique<LaxEnvelope>(fileName); };
    ui.boxes.clear();
    ui.AnswerDialog(XmlDir() + "order.env");
    ui.AnswerBox(MsgResult::kCancel);
    main.Open_Click();
    ASSERT_EQ(ui.boxes.size(), 1U);
    EXPECT_EQ(ui.boxes[0].text.rfind("Error 75 in Open:\n", 0), 0U) << ui.boxes[0].text;
    EXPECT_NE(ui.boxes[0].text.find("which is not a plain file name; it is not moved."), std::string::npos)
        << ui.boxes[0].text;
    EXPECT_FALSE(fs::exists(kestrovDir + "/escaped.xml"));
    EXPECT_EQ(dirs.Read("kestrov/XML/{LAX}.xml"), "<ORDER/>");
    fs::remove(dirs.File("kestrov/XML/{LAX}.xml"));
    EXPECT_TRUE(translations.empty());
  }
}

// The engine's part of the step. An error in making the engine or in its
// Translate is shown under "Open" and logged; Retry runs the same statement
// again (a new engine, or the same engine's Translate; never the making
// again when it gave no engine), Cancel ends the step with every document
// left where it was placed.
struct ShownError {
  int32_t number;
  const char* source;
  const char* description;
};
const ShownError kRaised = {5, "Engine", "Invalid procedure call"};
const ShownError kNoEngine = {91, "Ombrel", "Object variable or With block variable not set"};

struct EngineCase {
  const char* what;
  int failingCreations;     // raise before a creation succeeds
  bool createsNothing;      // a creation that succeeds gives no engine
  int failingTranslations;  // raise before a Translate succeeds
  std::vector<MsgResult> answers;
  int creations;
  std::size_t translations;
  std::vector<ShownError> errors;  // in the order shown
  bool documentsLeft;
};

class EnvelopeStepEngineTest : public EnvelopeStepTest,
                               public ::testing::WithParamInterface<EngineCase> {};

INSTANTIATE_TEST_SUITE_P(
    EnvelopeStepTest, EnvelopeStepEngineTest,
    ::testing::Values(
        EngineCase{"no engine made, Cancel",
                   1, false, 0, {MsgResult::kCancel}, 1, 0, {kRaised}, true},
        EngineCase{"an engine made at the Retry",
                   1, false, 0, {MsgResult::kRetry}, 2, 1, {kRaised}, false},
        EngineCase{"an empty engine, Retry then Cancel",
                   0, true, 0, {MsgResult::kRetry, MsgResult::kCancel}, 1, 0,
                   {kNoEngine, kNoEngine}, true},
        EngineCase{"Translate raises, Retry",
                   0, false, 1, {MsgResult::kRetry}, 1, 2, {kRaised}, false},
        EngineCase{"Translate raises, Cancel",
                   0, false, 1, {MsgResult::kCancel}, 1, 1, {kRaised}, true}),
    [](const ::testing::TestParamInfo<EngineCase>& info) { return std::to_string(info.index); });

TEST_P(EnvelopeStepEngineTest, RetryRunsTheEngineStatementAgainAndCancelLeavesTheDocuments) {
  const EngineCase& c = GetParam();
  SCOPED_TRACE(c.what);
  const Error raised(kRaised.number, kRaised.source, kRaised.description);
  int creations = 0;
  int failedTranslations = 0;
  MainServices services = Services();
  services.createEngine = [&](const EngineServices& engineServices) -> std::unique_ptr<XmlEngine> {
    if (creations++ < c.failingCreations) throw raised;
    if (c.createsNothing) return nullptr;
    return std::make_unique<testing::ObservingEngine>(
        engineServices, &translations, [&](const testing::ObservingEngine::Call&) {
          if (failedTranslations < c.failingTranslations) {
            ++failedTranslations;
            throw raised;
          }
        });
  };
  Main main(std::move(services));
  ASSERT_TRUE(main.Form_Load());
  EnvelopeBuilder builder;
  builder.Add("main.xml", "OADI/XML", "", "<ORDER>main</ORDER>");
  builder.Add("front.jpg", "IMAGE/JPG", "", "front photo");
  Pick(builder);
  for (MsgResult answer : c.answers) ui.AnswerBox(answer);
  main.Open_Click();

  EXPECT_EQ(creations, c.creations);
  EXPECT_EQ(translations.size(), c.translations);
  std::vector<std::string> boxes;
  for (const ShownBox& box : ui.boxes) boxes.push_back(box.text);
  std::vector<std::string> expectedBoxes;
  std::vector<std::string> expectedLog = {"  ->"};
  for (const ShownError& error : c.errors) {
    const std::string number = std::to_string(error.number);
    expectedBoxes.push_back("Error " + number + " in Open:\n" + error.description);
    expectedLog.push_back("! Error " + number + " in Open [" + error.source + "]: " +
                          error.description);
  }
  EXPECT_EQ(boxes, expectedBoxes);
  EXPECT_EQ(LogTexts(), expectedLog);
  if (c.documentsLeft) {
    EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "Pix/front.jpg",
                                                                "XML/main.xml", "XML/order.env"}));
  } else {
    EXPECT_EQ(FilesUnder(kestrovDir), (std::vector<std::string>{"Kestrov.exe", "XML/order.env"}));
  }
}

}  // namespace
}  // namespace ombrel
