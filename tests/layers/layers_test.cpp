// The layers of src/ as the includes hold them: no file includes a layer above
// its own, and only the qt/ folders and main.cpp include Qt. The source tree is
// read as it stands when the test runs.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "layers/include_rules.h"

namespace ombrel::testing::layers {
namespace {

std::vector<std::string> Texts(const std::vector<Violation>& violations) {
  std::vector<std::string> texts;
  for (const Violation& violation : violations) texts.push_back(violation.Text());
  return texts;
}

TEST(IncludeRulesTest, EveryIncludeUnderSrcKeepsToTheLayers) {
  const TreeCheck check = CheckTree(OMBREL_SOURCE_DIR);
  // A wrong folder would pass with nothing read.
  ASSERT_GT(check.files, 0) << "no sources under " << OMBREL_SOURCE_DIR;
  ASSERT_GT(check.includes, 0);
  for (const Violation& violation : check.violations) ADD_FAILURE() << "src/" << violation.Text();
}

TEST(IncludeRulesTest, AFileIsInTheLayerOfItsFirstFolder) {
  const struct {
    const char* path;
    std::optional<int> rank;
  } kCases[] = {
      {"platform/errors/error.h", 0},
      {"platform/xml/xml_dom.h", 0},  // a subfolder is its layer's
      {"platform/qt/qt_ui.cpp", 0},
      {"services/logger.cpp", 1},
      {"engine/xml_reader.cpp", 2},
      {"translators/form1004/fm1004.h", 3},
      {"shell/main_form.cpp", 4},
      {"main.cpp", 5},
      {"tools/helper.cpp", std::nullopt},
      {"helper.cpp", std::nullopt},
      {"engine", std::nullopt},
  };
  for (const auto& c : kCases) EXPECT_EQ(LayerRank(c.path), c.rank) << c.path;
}

TEST(IncludeRulesTest, NamesEachIncludeThatClimbsOrBringsQtWithItsLine) {
  const struct {
    const char* file;
    const char* text;
    std::vector<std::string> violations;
  } kCases[] = {
      // Climbing, from each layer and by any way of writing the line.
      {"engine/selector.cpp",
       "#include \"engine/selector.h\"\n\n#include \"translators/catalogue.h\"\n",
       {"engine/selector.cpp:3: includes \"translators/catalogue.h\" of translators, a layer above "
        "engine"}},
      {"platform/dates.cpp", "  #  include \"services/logger.h\"\r\n",
       {"platform/dates.cpp:1: includes \"services/logger.h\" of services, a layer above platform"}},
      {"platform/xml/xml_dom.cpp", "#include\t\"shell/main_form.h\"\n",
       {"platform/xml/xml_dom.cpp:1: includes \"shell/main_form.h\" of shell, a layer above "
        "platform"}},
      {"translators/erc/erc.h", "#include \"shell/about.h\"\n",
       {"translators/erc/erc.h:1: includes \"shell/about.h\" of shell, a layer above translators"}},
      {"services/logger.h", "#include \"../engine/selector.h\"\n",
       {"services/logger.h:1: includes \"../engine/selector.h\" of engine, a layer above services"}},
      {"shell/main_form.cpp", "#include \"../../tests/support/temp_dir.h\"\n",
       {"shell/main_form.cpp:1: includes \"../../tests/support/temp_dir.h\" from outside src/"}},
      // Qt outside a qt/ folder, directly or through a qt/ header.
      {"engine/selector.cpp", "#include <string>\n#include <QString>\n",
       {"engine/selector.cpp:2: includes Qt <QString> outside a qt/ folder"}},
      {"shell/about.cpp", "#include <QtWidgets/QLabel>\n",
       {"shell/about.cpp:1: includes Qt <QtWidgets/QLabel> outside a qt/ folder"}},
      {"engine/selector.cpp", "#include \"engine/qt/selector_dialog.h\"\n",
       {"engine/selector.cpp:1: includes the Qt code \"engine/qt/selector_dialog.h\" outside a "
        "qt/ folder"}},
      {"shell/main_form.cpp", "#include \"qt/main_window.h\"\n",
       {"shell/main_form.cpp:1: includes the Qt code \"qt/main_window.h\" outside a qt/ folder"}},
      // A file outside the layers.
      {"tools/helper.cpp", "#include \"platform/error.h\"\n",
       {"tools/helper.cpp: is in no layer (its first folder under src/ is none of platform, "
        "services, engine, translators, shell)"}},
      // What the rules allow.
      {"shell/main_form.cpp",
       "#include \"shell/about.h\"\n#include \"translators/catalogue.h\"\n#include "
       "\"engine/xml_reader.h\"\n#include \"services/logger.h\"\n#include \"platform/ui.h\"\n",
       {}},
      {"platform/qt/qt_ui.cpp", "#include <QWidget>\n#include \"qt_name_filters.h\"\n", {}},
      {"shell/qt/main_window.cpp",
       "#include <QtWidgets/QPushButton>\n#include \"engine/qt/selector_dialog.h\"\n", {}},
      {"main.cpp", "#include <QApplication>\n#include \"shell/qt/main_window.h\"\n#include "
                   "\"translators/catalogue.h\"\n",
       {}},
      {"engine/selector.cpp",
       "// #include \"translators/catalogue.h\"\n#include <queue>\n#include \"selector_layout.h\"\n",
       {}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Texts(CheckFile(c.file, c.text)), c.violations) << c.file << ":\n" << c.text;
  }
}

}  // namespace
}  // namespace ombrel::testing::layers
