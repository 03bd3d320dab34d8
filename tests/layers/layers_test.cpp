// The layers of src/ as the includes hold them: no file includes a layer its
// own does not build on, only the qt/ folders and main.cpp include Qt, only
// the platform includes the system's headers, and nothing includes the C
// library's locale-bound character classes. The source tree is read as it
// stands when the test runs.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "layers/include_rules.h"

namespace ombrel::testing::layers {
namespace {

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

// The files the cases' includes find, as CheckTree hands the real tree in.
const std::set<std::string> kTree = {
    "engine/qt/selector_dialog.h", "engine/selector.h",       "engine/selector_layout.h",
    "engine/table_text.h",         "platform/qt/qt_name_filters.h", "platform/text/dates.h",
    "platform/ui.h",               "services/logger.h",       "shell/about.h",
    "shell/main_form.h",           "shell/qt/main_window.h",  "translators/catalogue.h",
    "engine/unistd.h",
};

struct Case {
  const char* file;
  const char* text;
  std::vector<std::string> violations;
};

template <std::size_t N>
void ExpectViolations(const Case (&cases)[N]) {
  for (const Case& c : cases) {
    std::vector<std::string> texts;
    for (const Violation& violation : CheckFile(c.file, c.text, kTree)) {
      texts.push_back(violation.Text());
    }
    EXPECT_EQ(texts, c.violations) << c.file << ":\n" << c.text;
  }
}

TEST(IncludeRulesTest, NamesEachIncludeOfALayerItsOwnDoesNotBuildOn) {
  const Case kCases[] = {
      {"engine/selector.cpp",
       "#include \"engine/selector.h\"\n\n#include \"translators/catalogue.h\"\n",
       {"engine/selector.cpp:3: includes \"translators/catalogue.h\" of translators, a layer engine "
        "does not build on"}},
      {"platform/dates.cpp", "  #  include \"services/logger.h\"\r\n",
       {"platform/dates.cpp:1: includes \"services/logger.h\" of services, a layer platform does "
        "not build on"}},
      {"platform/xml/xml_dom.cpp", "#include\t\"shell/main_form.h\"\n",
       {"platform/xml/xml_dom.cpp:1: includes \"shell/main_form.h\" of shell, a layer platform "
        "does not build on"}},
      {"translators/erc/erc.h", "#include \"shell/about.h\"\n",
       {"translators/erc/erc.h:1: includes \"shell/about.h\" of shell, a layer translators does "
        "not build on"}},
      // The shell and the translators both stand on the engine alone.
      {"shell/envelope_step.cpp", "#include \"translators/catalogue.h\"\n",
       {"shell/envelope_step.cpp:1: includes \"translators/catalogue.h\" of translators, a layer "
        "shell does not build on"}},
      {"engine/xml_reader.cpp", "#include \"../main.cpp\"\n",
       {"engine/xml_reader.cpp:1: includes \"../main.cpp\", the program itself"}},
      // Angled like quoted: a header-only use that no link check sees.
      {"platform/text/dates.cpp", "#include <engine/table_text.h>\n",
       {"platform/text/dates.cpp:1: includes <engine/table_text.h> of engine, a layer platform "
        "does not build on"}},
      {"services/logger.cpp", "#include <shell/not_written_yet.h>\n",
       {"services/logger.cpp:1: includes <shell/not_written_yet.h> of shell, a layer services "
        "does not build on"}},
      // Every path normalised first, from the file's folder or from src/.
      {"platform/text/dates.cpp", "#include \"platform/../shell/about.h\"\n",
       {"platform/text/dates.cpp:1: includes \"platform/../shell/about.h\" of shell, a layer "
        "platform does not build on"}},
      {"services/logger.h", "#include \"../engine/selector.h\"\n",
       {"services/logger.h:1: includes \"../engine/selector.h\" of engine, a layer services does "
        "not build on"}},
      {"platform/text/dates.cpp", "#include \"./engine//table_text.h\"\n",
       {"platform/text/dates.cpp:1: includes \"./engine//table_text.h\" of engine, a layer "
        "platform does not build on"}},
      {"platform/text/dates.cpp", "#include <./shell/./qt/../about.h>\n",
       {"platform/text/dates.cpp:1: includes <./shell/./qt/../about.h> of shell, a layer "
        "platform does not build on"}},
      // A directive the way the preprocessor reads it: after a comment, over
      // a joined line, written with the digraph, or as GCC's other forms.
      {"platform/ui.h", "/* the engine's */ #include \"engine/selector.h\"\n",
       {"platform/ui.h:1: includes \"engine/selector.h\" of engine, a layer platform does not "
        "build on"}},
      {"platform/ui.h", "// one\n#include \\\n  \"engine/selector.h\"\n",
       {"platform/ui.h:2: includes \"engine/selector.h\" of engine, a layer platform does not "
        "build on"}},
      {"platform/ui.h", "#include /* a\n note */ <engine/selector.h>\n",
       {"platform/ui.h:1: includes <engine/selector.h> of engine, a layer platform does not "
        "build on"}},
      {"platform/ui.h", "%:include \"engine/selector.h\"\n#include_next <engine/selector.h>\n"
                        "#import \"engine/selector.h\"\n",
       {"platform/ui.h:1: includes \"engine/selector.h\" of engine, a layer platform does not "
        "build on",
        "platform/ui.h:2: includes <engine/selector.h> of engine, a layer platform does not build "
        "on",
        "platform/ui.h:3: includes \"engine/selector.h\" of engine, a layer platform does not "
        "build on"}},
      // Outside src/, and outside the layers.
      {"shell/main_form.cpp", "#include \"../../tests/support/temp_dir.h\"\n",
       {"shell/main_form.cpp:1: includes \"../../tests/support/temp_dir.h\" from outside src/"}},
      {"shell/main_form.cpp", "#include <../tests/support/temp_dir.h>\n",
       {"shell/main_form.cpp:1: includes <../tests/support/temp_dir.h> from outside src/"}},
      {"shell/main_form.cpp", "#include \"/work/src/translators/catalogue.h\"\n",
       {"shell/main_form.cpp:1: includes \"/work/src/translators/catalogue.h\" from outside src/"}},
      {"tools/helper.cpp", "#include \"platform/error.h\"\n",
       {"tools/helper.cpp: is in no layer (its first folder under src/ is none of platform, "
        "services, engine, translators, shell)"}},
  };
  ExpectViolations(kCases);
}

TEST(IncludeRulesTest, NamesEachIncludeOfQtOutsideTheQtFolders) {
  const Case kCases[] = {
      {"engine/selector.cpp", "#include <string>\n#include <QString>\n",
       {"engine/selector.cpp:2: includes Qt <QString> outside a qt/ folder"}},
      {"shell/about.cpp", "#include <QtWidgets/QLabel>\n",
       {"shell/about.cpp:1: includes Qt <QtWidgets/QLabel> outside a qt/ folder"}},
      // Qt's headers in any letter case, in or out of their module's folder.
      {"engine/selector.cpp", "#include <qstring.h>\n",
       {"engine/selector.cpp:1: includes Qt <qstring.h> outside a qt/ folder"}},
      {"engine/selector.cpp", "#include <QtCore/qstring.h>\n#include <qtcore/QString>\n",
       {"engine/selector.cpp:1: includes Qt <QtCore/qstring.h> outside a qt/ folder",
        "engine/selector.cpp:2: includes Qt <qtcore/QString> outside a qt/ folder"}},
      {"services/logger.cpp", "#include <qt6/QtCore/qglobal.h>\n#include \"QtCore/QFile\"\n",
       {"services/logger.cpp:1: includes Qt <qt6/QtCore/qglobal.h> outside a qt/ folder",
        "services/logger.cpp:2: includes Qt \"QtCore/QFile\" outside a qt/ folder"}},
      // The Qt code of the program's own qt/ folders.
      {"engine/selector.cpp", "#include \"engine/qt/selector_dialog.h\"\n",
       {"engine/selector.cpp:1: includes the Qt code \"engine/qt/selector_dialog.h\" outside a "
        "qt/ folder"}},
      {"shell/main_form.cpp", "#include \"qt/main_window.h\"\n",
       {"shell/main_form.cpp:1: includes the Qt code \"qt/main_window.h\" outside a qt/ folder"}},
      {"shell/main_form.cpp", "#include <shell/qt/main_window.h>\n",
       {"shell/main_form.cpp:1: includes the Qt code <shell/qt/main_window.h> outside a qt/ "
        "folder"}},
  };
  ExpectViolations(kCases);
}

TEST(IncludeRulesTest, NamesEachSystemHeaderOutsideThePlatform) {
  const Case kCases[] = {
      {"engine/photo_file.cpp", "#include <dirent.h>\n",
       {"engine/photo_file.cpp:1: includes the system header <dirent.h> outside platform/, whose "
        "interfaces alone reach the system"}},
      {"services/logger.cpp", "#include <fcntl.h>\n#include <unistd.h>\n",
       {"services/logger.cpp:1: includes the system header <fcntl.h> outside platform/, whose "
        "interfaces alone reach the system",
        "services/logger.cpp:2: includes the system header <unistd.h> outside platform/, whose "
        "interfaces alone reach the system"}},
      {"shell/program_launcher.cpp", "#include <sys/wait.h>\n#include <spawn.h>\n",
       {"shell/program_launcher.cpp:1: includes the system header <sys/wait.h> outside platform/, "
        "whose interfaces alone reach the system",
        "shell/program_launcher.cpp:2: includes the system header <spawn.h> outside platform/, "
        "whose interfaces alone reach the system"}},
      {"shell/qt/main_window.cpp", "#include <poll.h>\n#include <csignal>\n",
       {"shell/qt/main_window.cpp:1: includes the system header <poll.h> outside platform/, whose "
        "interfaces alone reach the system",
        "shell/qt/main_window.cpp:2: includes the system header <csignal> outside platform/, whose "
        "interfaces alone reach the system"}},
      {"main.cpp", "#include <signal.h>\n",
       {"main.cpp:1: includes the system header <signal.h> outside platform/, whose interfaces "
        "alone reach the system"}},
      // A quoted name the tree does not hold is looked up where the system's are.
      {"services/file_utils.cpp", "#include \"sys/stat.h\"\n",
       {"services/file_utils.cpp:1: includes the system header \"sys/stat.h\" outside platform/, "
        "whose interfaces alone reach the system"}},
      {"engine/photo_file.cpp", "#include \"unistd.h\"\n", {}},  // the engine's own, beside it
      // The platform reaches the system, in any folder.
      {"platform/files/local_file_system.cpp",
       "#include <fcntl.h>\n#include <sys/stat.h>\n#include <unistd.h>\n#include <dirent.h>\n",
       {}},
      {"platform/qt/qt_ui.cpp", "#include <unistd.h>\n", {}},
  };
  ExpectViolations(kCases);
}

TEST(IncludeRulesTest, NamesEachLocaleBoundHeader) {
  const Case kCases[] = {
      {"engine/form_version.cpp", "#include <cctype>\n",
       {"engine/form_version.cpp:1: includes <cctype>, which follows the user's locale: use "
        "platform/text/ascii_case.h"}},
      {"platform/xml/xml_text_decoder.cpp", "#include <ctype.h>\n#include <locale>\n",
       {"platform/xml/xml_text_decoder.cpp:1: includes <ctype.h>, which follows the user's locale: "
        "use platform/text/ascii_case.h",
        "platform/xml/xml_text_decoder.cpp:2: includes <locale>, which follows the user's locale: "
        "use platform/text/ascii_case.h"}},
      {"services/file_dialogs.cpp", "#include <strings.h>\n",
       {"services/file_dialogs.cpp:1: includes <strings.h>, which follows the user's locale: use "
        "platform/text/ascii_case.h"}},
  };
  ExpectViolations(kCases);
}

TEST(IncludeRulesTest, NamesEachIncludeItCannotRead) {
  const Case kCases[] = {
      {"platform/text/dates.cpp", "#define ENGINE_HEADER \"engine/table_text.h\"\n#include ENGINE_HEADER\n",
       {"platform/text/dates.cpp:2: has an include the check cannot read (ENGINE_HEADER): write "
        "the path itself"}},
      {"engine/selector.cpp", "#include HEADER_OF(qt, selector)\n",
       {"engine/selector.cpp:1: has an include the check cannot read (HEADER_OF(qt, selector)): "
        "write the path itself"}},
      {"engine/selector.cpp", "#include \"engine/selector.h\n#include\n",
       {"engine/selector.cpp:1: has an include the check cannot read (\"engine/selector.h): "
        "write the path itself",
        "engine/selector.cpp:2: has an include the check cannot read (): write the path itself"}},
  };
  ExpectViolations(kCases);
}

TEST(IncludeRulesTest, LetsThroughWhatTheRulesAllow) {
  const Case kCases[] = {
      {"shell/main_form.cpp",
       "#include \"shell/about.h\"\n#include <engine/selector.h>\n#include "
       "\"engine/selector.h\"\n#include \"services/logger.h\"\n#include \"platform/ui.h\"\n",
       {}},
      {"translators/erc/erc.cpp", "#include \"translators/catalogue.h\"\n#include <engine/table_text.h>\n", {}},
      {"platform/qt/qt_ui.cpp", "#include <QWidget>\n#include \"qt_name_filters.h\"\n", {}},
      {"shell/qt/main_window.cpp",
       "#include <QtWidgets/QPushButton>\n#include <qpushbutton.h>\n#include "
       "\"engine/qt/selector_dialog.h\"\n",
       {}},
      {"main.cpp", "#include <QApplication>\n#include \"shell/qt/main_window.h\"\n#include "
                   "\"translators/catalogue.h\"\n",
       {}},
      // Not a Qt header, however it starts; not a directive, however it reads.
      {"engine/selector.cpp", "#include <queue>\n", {}},
      {"engine/selector.cpp",
       "// #include \"translators/catalogue.h\"\n#include <queue>\n#include \"selector_layout.h\"\n",
       {}},
      {"engine/selector.cpp",
       "/*\n#include \"translators/catalogue.h\"\n*/\nconst char* k = \"/*\";\n#include <vector>\n"
       "const char* r = R\"x(\n#include <QString>\n)x\";\nint n = 1'000;\nchar q = '\"';\n"
       "#includes \"shell/about.h\"\n",
       {}},
  };
  ExpectViolations(kCases);
}

}  // namespace
}  // namespace ombrel::testing::layers
