// What the tests of a step killed part-way share: an order naming a front
// and a street photo, the step run in this window with its boxes and report,
// and the log lines that say what the next step cleared.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "real_engine_shell_test.h"
#include "support/report_reader.h"

namespace ombrel::testing {

class KilledStepTest : public RealEngineShellTest {
 protected:
  using Images = std::vector<std::pair<std::string, std::optional<std::string>>>;

  // An order of form 1004 naming front.jpg and street.jpg.
  static std::string Order(const std::string& borrower) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ORDER><FORMNUM>1004</FORMNUM><BORROWER>" + borrower +
           "</BORROWER><SUBJECTFRONTVIEW>front.jpg</SUBJECTFRONTVIEW>"
           "<SUBJECTSTREETVIEW>street.jpg</SUBJECTSTREETVIEW></ORDER>\n";
  }

  static Images ImagesOf(const WrittenReport& report) {
    Images images;
    for (const auto& image : report.images) images.emplace_back(image.frame, image.bytes);
    return images;
  }

  std::string Report(const std::string& name) const { return dataDir + "/DATA/" + name; }

  // The step on envelope in this window, saving its report as reportName:
  // the boxes it showed and the report it wrote.
  std::pair<std::vector<ShownBox>, std::optional<WrittenReport>> Convert(const std::string& envelope,
                                                                        const std::string& reportName) {
    ui.boxes.clear();
    ui.AnswerDialog(envelope);
    ui.AnswerDialog(Report(reportName));
    Program().Open_Click();
    EXPECT_TRUE(ui.AllAnswersUsed());
    return {ui.boxes, ReadReport(Report(reportName))};
  }

  // How many lines of the log hold text.
  long LogLinesSaying(const std::string& text) {
    const std::vector<std::string> log = LogTexts();
    return std::count_if(log.begin(), log.end(),
                         [&](const std::string& line) { return line.find(text) != std::string::npos; });
  }
};

}  // namespace ombrel::testing
