// A 1073 envelope through the whole program: the main window's start-up and
// envelope step, the real engine, XML reader and report document; the report
// file written is read back and its forms, fields and images checked against
// what the order holds.
#include <gtest/gtest.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "engine/common_forms.h"
#include "engine/xml_reader.h"
#include "shell/globals.h"
#include "shell/main_form.h"
#include "support/envelope_builder.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace ombrel {
namespace {

namespace fs = std::filesystem;
using testing::EnvelopeBuilder;
using testing::ScriptedUi;
using testing::TempDir;

// Sets an environment variable for the lifetime of the object.
class EnvScope {
 public:
  EnvScope(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~EnvScope() {
    if (previous_) {
      ::setenv(name_.c_str(), previous_->c_str(), 1);
    } else {
      ::unsetenv(name_.c_str());
    }
  }

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

// The elements of an order document, written as the order program writes
// them: plain tags as elements under the root, numbered items as elements
// with an N attribute ("COMP(2)SALESPRICE" is <COMP N="2"><SALESPRICE>).
class OrderXml {
 public:
  void Set(const std::string& tag, const std::string& value) { plain_.emplace_back(tag, value); }
  void SetItem(const std::string& group, int n, const std::string& tag, const std::string& value) {
    items_[{group, n}].emplace_back(tag, value);
  }

  std::string Text() const {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ORDER>\n";
    for (const auto& [tag, value] : plain_) out += "  " + Element(tag, value) + "\n";
    for (const auto& [key, children] : items_) {
      out += "  <" + key.first + " N=\"" + std::to_string(key.second) + "\">";
      for (const auto& [tag, value] : children) out += Element(tag, value);
      out += "</" + key.first + ">\n";
    }
    return out + "</ORDER>\n";
  }

 private:
  static std::string Element(const std::string& tag, const std::string& value) {
    std::string escaped;
    for (char c : value) {
      if (c == '&') {
        escaped += "&amp;";
      } else if (c == '<') {
        escaped += "&lt;";
      } else {
        escaped += c;
      }
    }
    return "<" + tag + ">" + escaped + "</" + tag + ">";
  }

  std::vector<std::pair<std::string, std::string>> plain_;
  std::map<std::pair<std::string, int>, std::vector<std::pair<std::string, std::string>>> items_;
};

// One entry of a ZIP archive, or nothing.
std::optional<std::string> ReadZipEntry(const std::string& archivePath, const std::string& name) {
  int error = 0;
  zip_t* archive = zip_open(archivePath.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) return std::nullopt;
  std::optional<std::string> content;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat(archive, name.c_str(), 0, &stat) == 0) {
    if (zip_file_t* file = zip_fopen(archive, name.c_str(), 0)) {
      std::string bytes(stat.size, '\0');
      if (zip_fread(file, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size)) {
        content = std::move(bytes);
      }
      zip_fclose(file);
    }
  }
  zip_close(archive);
  return content;
}

// The report as its REPORT.XML holds it.
struct ReadReport {
  struct Form {
    std::string id, version;
    std::map<std::string, std::string> fields, titles;
  };
  struct Image {
    std::string fileName, extension, entry;
  };
  std::string skeleton;
  std::vector<Form> forms;
  std::map<std::string, Image> images;  // by frame

  const Form* FormById(const std::string& id) const {
    for (const Form& form : forms) {
      if (form.id == id) return &form;
    }
    return nullptr;
  }
  std::vector<std::string> FormIds() const {
    std::vector<std::string> ids;
    for (const Form& form : forms) ids.push_back(form.id);
    return ids;
  }
};

ReadReport ParseReport(const std::string& xml) {
  ReadReport report;
  pugi::xml_document doc;
  EXPECT_TRUE(doc.load_buffer(xml.data(), xml.size()));
  pugi::xml_node root = doc.child("REPORT");
  report.skeleton = root.attribute("SKELETON").value();
  for (pugi::xml_node form : root.children("FORM")) {
    ReadReport::Form f{form.attribute("ID").value(), form.attribute("VERSION").value(), {}, {}};
    for (pugi::xml_node field : form.children("FIELD")) {
      f.fields[field.attribute("ADDR").value()] = field.text().get();
    }
    for (pugi::xml_node title : form.children("TITLE")) {
      f.titles[title.attribute("ADDR").value()] = title.text().get();
    }
    report.forms.push_back(std::move(f));
  }
  for (pugi::xml_node image : root.children("IMAGE")) {
    report.images[image.attribute("FRAME").value()] = {image.attribute("FILENAME").value(),
                                                       image.attribute("EXTENSION").value(),
                                                       image.attribute("ENTRY").value()};
  }
  return report;
}

// The program laid out in temporary folders, started with the real
// components and the real engine:
//   settings/QOR.INI    WINDIR points here
//   corvana/DATA/       where the report is saved
//   kestrov/            Kestrov.exe with Alias/global.ali, Pix/ and XML/
class FM1073ReportTest : public ::testing::Test {
 protected:
  FM1073ReportTest() : windir_("WINDIR", dirs.File("settings")) {
    CurrentEngine().reset();
    Global() = Globals{};
    for (const char* folder :
         {"settings", "corvana/DATA", "kestrov/Alias", "kestrov/Pix", "kestrov/XML", "bin"}) {
      fs::create_directories(dirs.File(folder));
    }
    dirs.Write("kestrov/Kestrov.exe", "");
    dirs.Write("settings/QOR.INI", "[Directories]\r\nDataDir=" + dirs.File("corvana") +
                                       "\r\n[Vendor]\r\nKESTR=" + dirs.File("kestrov/Kestrov.exe") +
                                       "\r\n");
    // The general photos keep their file in FILE beside their number.
    dirs.Write("kestrov/Alias/global.ali",
               "; order tags whose place is not their own name\r\n"
               "ADDPHOTO(#) = ADDPHOTO(#)\\FILE\r\n");
    Global().ui = &ui;
    Global().components = components_.get();

    MainServices services;
    services.executablePath = dirs.File("bin/Ombrel");
    services.createLogger = [] { return std::make_unique<Logger>(CreateSystemClock()); };
    services.createEngine = [] { return std::make_unique<XmlReader>(); };
    services.openRegistry = [] { return std::unique_ptr<Registry>(); };
    services.startProgram = [](const std::string&) {};
    main_ = std::make_unique<Main>(std::move(services));
    EXPECT_TRUE(main_->Form_Load());
  }

  ~FM1073ReportTest() override {
    main_->Form_Unload();
    CurrentEngine().reset();
    Global() = Globals{};
  }

  // Runs the envelope step on an envelope of the order and these images,
  // saves the report as condo.RPT and reads it back.
  ReadReport Convert(const OrderXml& order,
                     const std::vector<std::pair<std::string, std::string>>& images) {
    EnvelopeBuilder builder;
    builder.Add("order.xml", "OADI/XML", "", order.Text());
    for (const auto& [name, bytes] : images) builder.Add(name, "IMAGE/JPG", "PHOTO", bytes);
    const std::string envelope = dirs.File("kestrov/XML/condo.env");
    builder.Write(envelope);
    ui.AnswerDialog(envelope);
    ui.AnswerDialog(ReportPath());
    main_->Open_Click();
    EXPECT_TRUE(ui.AllAnswersUsed());
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes.front().text;
    std::optional<std::string> xml = ReadZipEntry(ReportPath(), "REPORT.XML");
    EXPECT_TRUE(xml.has_value()) << "no report written";
    return ParseReport(xml.value_or(""));
  }

  std::string ReportPath() const { return dirs.File("corvana/DATA/condo.RPT"); }

  TempDir dirs;
  ScriptedUi ui;

 private:
  EnvScope windir_;
  std::unique_ptr<ComponentFactory> components_ = CreateRealComponents();
  std::unique_ptr<Main> main_;
};

// An order for a unit with comparables 1 to `comparables`; comparable n has the
// street "n00 Lake St", odd comparables a unit number, and values that name it.
OrderXml CondoOrder(int comparables) {
  OrderXml order;
  order.Set("FORMNUM", "1073");
  order.Set("TITLE", "Individual Condominium Unit Appraisal Report");
  order.Set("FILENUM", "F-1073");
  order.Set("BORROWER", "Cora Vick");
  order.Set("PROPADDR", "12 Harbor View Dr");
  order.Set("CITY", "Duluth");
  order.Set("STATEPROV", "MN");
  order.Set("ZIP", "55802");
  order.Set("UNITNUM", "4B");
  order.Set("LEGALDESC", "Unit 4B, Harbor View Condominium");
  order.Set("NBRHOODPROJNM", "Harbor View");
  order.Set("PHASENUM", "2");
  order.Set("CURRENTOCCUPANT", "TENANT");
  order.Set("BUILTUP", "25-75%");
  order.Set("OCCUPANCYOWNER", "ON");
  order.Set("CONDOPRICEPREDOMINATE", "185,000");
  order.Set("LENDERCLIENT", "North Shore Bank");
  order.Set("LENDERCLIENTSTREET", "1 Lake Ave");
  order.Set("LENDERCLIENTCITY", "Duluth");
  order.Set("LENDERCLIENTSTATEPROV", "MN");
  order.Set("LENDERCLIENTZIP", "55801");
  order.Set("APPRAISER", "Ada Lind");
  order.Set("APPRAISERADDR", "9 Pine St, Duluth, MN  55803");
  order.Set("APPRAISERSTREET", "not used beside the whole address");
  order.Set("APPRAISERSTATELICNUM", "LIC-77");
  order.Set("APPRAISERLICSTATEPROV", "MN");
  order.Set("SUPAPPRAISER", "Bo Sand");
  order.Set("INSPECTSUBJECTPROP", "DIDNOT");
  order.Set("PARKINGUNLABELED", "Carport");
  order.Set("PARKINGUNLABELEDDESC", "2 spaces");
  order.Set("CONDOTYPE", "HIGHRISE");
  order.Set("UNLABELEDLEVEL", "Loft");
  order.Set("UNLABELEDAREASQFT", "300");
  order.Set("MGMTGROUP", "MGMTAGENT");
  order.Set("SUBJECTADDRSTREET", "12 Harbor View Dr");
  order.Set("SUBJECTUNITNUM", "4B");
  order.Set("SALESCOMPUNLABELED", "Storage");
  order.Set("SUBJECTUNLABELEDDESC", "Locker");
  order.Set("COMMENTSALESCOMPARE", "All three sales are in the project.");
  order.Set("COMMENTSALESCOMPARETWO", "Sales four to six are nearby.");
  order.Set("COMMENTSALESCOMPARETHREE", "Sales seven to nine are older.");
  order.Set("ESTMARKETVALUE", "190,000");
  order.Set("FINALRECON", "The sales comparison approach is given most weight.");
  // Subject, sketch and flood map images.
  order.Set("SUBJECTFRONTVIEW", "front.jpg");
  order.Set("FLOORPLAN", "plan.jpg");
  order.Set("FLOORPLANNAME", "Unit floor plan");
  order.Set("FLOODMAP", "flood.jpg");
  order.Set("FLOODMAPNAME", "Flood zone map");
  // Headed comments: the additional comments are named in small letters.
  order.SetItem("ADDENDA", 1, "NUM", "1");
  order.SetItem("ADDENDA", 1, "NAME", "SCOPE OF THE APPRAISAL");
  order.SetItem("ADDENDA", 1, "VALUE", "Interior and exterior inspection.");
  order.SetItem("ADDENDA", 2, "NUM", "2");
  order.SetItem("ADDENDA", 2, "NAME", "Additional Comments");
  order.SetItem("ADDENDA", 2, "VALUE", "The project is well kept.");
  order.SetItem("ADDPHOTO", 1, "FILE", "lobby.jpg");
  order.SetItem("ADDPHOTO", 1, "NUM", "1");

  for (int n = 1; n <= comparables; ++n) {
    const std::string s = std::to_string(n);
    order.SetItem("COMP", n, "NUM", s);
    // Comparable 6 has neither street nor unit: its address cell is still written.
    if (n != 6) order.SetItem("COMP", n, "ADDRSTREET", s + "00 Lake St");
    if (n % 2 == 1) order.SetItem("COMP", n, "UNITNUM", s);
    order.SetItem("COMP", n, "SALESPRICE", s + "50,000");
    order.SetItem("COMP", n, "ROOMTOT", "room total " + s);
    order.SetItem("COMP", n, "ABOVEGRADEADJ", "room adjustment " + s);
    order.SetItem("COMP", n, "UNLABELED", "unlabeled " + s);
    order.SetItem("COMP", n, "NETADJUSTPOSNEG", n % 2 == 1 ? "POSITIVE" : "NEGATIVE");
    order.SetItem("COMP", n, "PRIORSALEDATA", "prior sale " + s);
    if (n == 1 || n == 4 || n == 9) {
      order.SetItem("COMP", n, "PHOTO", "comp" + s + ".jpg");
      order.SetItem("COMP", n, "PHOTONUM", s);
    }
  }
  return order;
}

const std::vector<std::pair<std::string, std::string>> kImages = {
    {"front.jpg", "front-bytes"}, {"comp1.jpg", "comp1-bytes"}, {"comp4.jpg", "comp4-bytes"},
    {"comp9.jpg", "comp9-bytes"}, {"lobby.jpg", "lobby-bytes"}, {"plan.jpg", "plan-bytes"},
    {"flood.jpg", "flood-bytes"}};

struct ExpectedField {
  const char* form;
  const char* addr;
  const char* value;
};

void ExpectFields(const ReadReport& report, const std::vector<ExpectedField>& expected) {
  for (const ExpectedField& e : expected) {
    SCOPED_TRACE(std::string(e.form) + " " + e.addr);
    const ReadReport::Form* form = report.FormById(e.form);
    ASSERT_NE(form, nullptr);
    auto it = form->fields.find(e.addr);
    ASSERT_TRUE(it != form->fields.end()) << "field not written";
    EXPECT_EQ(it->second, e.value);
  }
}

TEST_F(FM1073ReportTest, NineComparablesBecomeACompleteReport) {
  ReadReport report = Convert(CondoOrder(9), kImages);

  EXPECT_EQ(report.skeleton, "CND-3X5.RPT");
  EXPECT_EQ(report.FormIds(),
            (std::vector<std::string>{"CN2", "Extended_Comments", "offscrn", "cn2cmp46", "cn2cmp79",
                                      "sketch", "floodmap"}));
  std::map<std::string, std::string> versions;
  for (const auto& form : report.forms) versions[form.id] = form.version;
  EXPECT_EQ(versions, (std::map<std::string, std::string>{{"CN2", "1"},
                                                          {"Extended_Comments", "1"},
                                                          {"offscrn", "5"},
                                                          {"cn2cmp46", "2"},
                                                          {"cn2cmp79", "2"},
                                                          {"sketch", "2"},
                                                          {"floodmap", "2"}}));

  const std::vector<ExpectedField> expected = {
      // The main form's subject, project and reconciliation.
      {"CN2", "2|1", "Individual Condominium Unit Appraisal Report"},
      {"CN2", "4|1", "12 Harbor View Dr"},
      {"CN2", "5|1", "Unit 4B, Harbor View Condominium"},
      {"CN2", "5|3", "4B"},
      {"CN2", "7|1", "Harbor View, #2"},
      {"CN2", "8|4", "X"},
      {"CN2", "11|2", "1 Lake Ave, Duluth, MN  55801"},
      {"CN2", "12|2", "9 Pine St, Duluth, MN  55803"},
      {"CN2", "14|3", "X"},
      {"CN2", "15|4", "X"},
      {"CN2", "18|8", "185,000"},
      {"CN2", "53|2", "Carport  2 spaces"},
      {"CN2", "54|6", "X"},
      {"CN2", "67|1", "Loft"},
      {"CN2", "67|13", "300"},
      {"CN2", "94|3", "X"},
      {"CN2", "155|1", "The sales comparison approach is given most weight."},
      {"CN2", "160|1", "190,000"},
      {"CN2", "162|4", "X"},
      {"CN2", "163|1", "Ada Lind"},
      {"CN2", "163|2", "Bo Sand"},
      {"CN2", "166|1", "LIC-77"},
      // The grid: subject, then comparables 1 to 3.
      {"CN2", "100|1", "12 Harbor View Dr, #4B"},
      {"CN2", "134|1", "Storage"},
      {"CN2", "134|2", "Locker"},
      {"CN2", "100|2", "100 Lake St, #1"},
      {"CN2", "100|3", "200 Lake St"},
      {"CN2", "103|4", "350,000"},
      {"CN2", "124|8", "room total 2"},
      {"CN2", "124|15", "room adjustment 3"},
      {"CN2", "134|3", "unlabeled 1"},
      {"CN2", "135|1", "X"},
      {"CN2", "135|5", "X"},
      {"CN2", "135|7", "X"},
      {"CN2", "138|1", "All three sales are in the project."},
      {"CN2", "145|2", "prior sale 1"},
      // Comparables 4 to 6, with comparable 6's empty address cell.
      {"cn2cmp46", "11|2", "400 Lake St"},
      {"cn2cmp46", "11|3", "500 Lake St, #5"},
      {"cn2cmp46", "11|4", ""},
      {"cn2cmp46", "14|3", "550,000"},
      {"cn2cmp46", "35|12", "room total 6"},
      {"cn2cmp46", "45|5", "unlabeled 5"},
      {"cn2cmp46", "46|2", "X"},
      {"cn2cmp46", "46|4", "X"},
      {"cn2cmp46", "52|1", "Sales four to six are nearby."},
      // Comparables 7 to 9.
      {"cn2cmp79", "11|2", "700 Lake St, #7"},
      {"cn2cmp79", "11|3", "800 Lake St"},
      {"cn2cmp79", "11|4", "900 Lake St, #9"},
      {"cn2cmp79", "35|15", "room adjustment 9"},
      {"cn2cmp79", "46|7", "X"},
      {"cn2cmp79", "51|2", "prior sale 7"},
      {"cn2cmp79", "52|1", "Sales seven to nine are older."},
      // The report profile and its two signer blocks.
      {"offscrn", "3|3", "condo"},
      {"offscrn", "6|1", "Cora Vick"},
      {"offscrn", "7|1", "12 Harbor View Dr"},
      {"offscrn", "16|1", "Duluth, MN"},
      {"offscrn", "30|1", "X"},
      {"offscrn", "31|1", "Ada Lind"},
      {"offscrn", "33|1", "LIC-77"},
      {"offscrn", "39|3", "X"},
      {"offscrn", "40|1", "Bo Sand"},
      {"offscrn", "40|3", "X"},
      // The headed comments, each at the address of its field on "CN2".
      {"Extended_Comments", "2|2", "Interior and exterior inspection."},
      {"Extended_Comments", "168|1", "The project is well kept."},
      // The sketch and flood map addenda.
      {"sketch", "5|1", "Unit floor plan"},
      {"floodmap", "5|1", "Flood zone map"},
  };
  ExpectFields(report, expected);

  // Boxes of one group get one tick; the subject's fields are not on the
  // report profile, and nothing of comparables 4 to 9 is on "CN2".
  const ReadReport::Form* cn2 = report.FormById("CN2");
  ASSERT_NE(cn2, nullptr);
  EXPECT_EQ(cn2->fields.count("8|3") + cn2->fields.count("8|5"), 0u);
  EXPECT_EQ(cn2->fields.count("135|2"), 0u);
  for (const auto& [addr, value] : cn2->fields) {
    EXPECT_EQ(value.find("room total 4"), std::string::npos) << addr;
  }
  EXPECT_EQ(report.FormById("offscrn")->fields.count("4|1"), 0u);

  const ReadReport::Form* comments = report.FormById("Extended_Comments");
  ASSERT_NE(comments, nullptr);
  EXPECT_EQ(comments->titles,
            (std::map<std::string, std::string>{{"2|2", "SCOPE OF THE APPRAISAL"},
                                                {"168|1", "Additional Comments"}}));

  // Every image of the order in its frame, its bytes in the report file.
  const std::map<std::string, std::string> frames = {
      {"SUB_1_3X5", "front"}, {"CMP_1_3X5", "comp1"}, {"CMP_4_3X5", "comp4"},
      {"CMP_9_3X5", "comp9"}, {"GN_1_3X5", "lobby"},  {"SKETCH_SUBJECT", "plan"},
      {"MAP_FLOOD", "flood"}};
  ASSERT_EQ(report.images.size(), frames.size());
  for (const auto& [frame, base] : frames) {
    SCOPED_TRACE(frame);
    auto it = report.images.find(frame);
    ASSERT_TRUE(it != report.images.end()) << "no image in this frame";
    EXPECT_EQ(it->second.fileName, base);
    EXPECT_EQ(it->second.extension, "jpg");
    EXPECT_EQ(ReadZipEntry(ReportPath(), it->second.entry), base + "-bytes");
  }
}

TEST_F(FM1073ReportTest, ThreeComparablesNeedNoOverflowForm) {
  OrderXml order = CondoOrder(3);
  // A unit number alone does not make a fourth comparable.
  order.SetItem("COMP", 4, "UNITNUM", "12");
  ReadReport report = Convert(order, {{"front.jpg", "front-bytes"}});

  EXPECT_EQ(report.FormIds(), (std::vector<std::string>{"CN2", "Extended_Comments", "offscrn"}));
  ExpectFields(report, {{"CN2", "100|4", "300 Lake St, #3"}, {"CN2", "145|4", "prior sale 3"}});
  ASSERT_EQ(report.images.size(), 1u);
  EXPECT_EQ(report.images.begin()->first, "SUB_1_3X5");
}

}  // namespace
}  // namespace ombrel
