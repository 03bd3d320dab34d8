#include "platform/workspace/workspace_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrel {
namespace {

// One place, one spelling: a record can name only what lies inside the
// workspace, by plain names, at most kMaxWorkspaceDepth folders down.
TEST(WorkspacePathTest, APlaceHasOneSpellingInsideTheWorkspace) {
  const std::string deepest = [] {
    std::string path;
    for (std::size_t i = 0; i < kMaxWorkspaceDepth; ++i) path += "d/";
    return path;
  }();
  struct Case {
    std::string relative;
    bool place;
  };
  for (const Case& c : std::vector<Case>{
           {"XML/order.xml", true},     {"order.xml", true},        {"Pix/line\nbreak.jpg", true},
           {deepest + "a", true},       {deepest + "d/a", false},   {"", false},
           {"/etc/passwd", false},      {"../outside", false},      {"XML/../order.xml", false},
           {"XML/./order.xml", false},  {"./XML/order.xml", false}, {"XML//order.xml", false},
           {"XML/", false},             {"XML\\order.xml", false},  {std::string("XML/a\0b", 7), false},
       }) {
    SCOPED_TRACE(c.relative);
    const std::optional<WorkspacePath> place = ParseWorkspacePath(c.relative);
    ASSERT_EQ(place.has_value(), c.place);
    if (place) {
      EXPECT_EQ(place->Joined(), c.relative);
    }
  }
}

TEST(WorkspacePathTest, TheWindowsSpellingIsInsideOrNot) {
  EXPECT_EQ(PlaceInWorkspace("/w/", "/w/XML/a.xml")->Folder(), "XML/");
  EXPECT_FALSE(PlaceInWorkspace("/w/", "/elsewhere/a.xml"));
  EXPECT_FALSE(PlaceInWorkspace("/w/", "/w/XML/../../a.xml"));
  EXPECT_FALSE(PlaceInWorkspace("", "/w/a.xml"));
  EXPECT_EQ(FolderInWorkspace("/w/", "/w/XML/"), std::vector<std::string>{"XML"});
  EXPECT_EQ(FolderInWorkspace("/w/", "/w/"), std::vector<std::string>{});
  EXPECT_FALSE(FolderInWorkspace("/w/", "/w/XML"));
  EXPECT_FALSE(FolderInWorkspace("/w/", "/x/XML/"));
}

}  // namespace
}  // namespace ombrel
