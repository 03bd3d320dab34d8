// The user's locale set to Turkish for the length of a test, as the window
// sets the user's locale when it starts: Qt's application object calls
// setlocale(LC_ALL, "") on Linux, so a user with LC_ALL=tr_TR.UTF-8 runs the
// program with the C library's toupper, tolower and isspace in Turkish, where
// toupper('i') is not 'I'. The C++ global locale is set as well (the window
// leaves it "C"), so code that asks std::locale() is caught too. Both are
// restored when the object goes.
//
//   TurkishLocale turkish;
//   ASSERT_TRUE(turkish.active()) << TurkishLocale::kMissing;
#pragma once

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

namespace ombrel::testing {

class TurkishLocale {
 public:
  static constexpr const char* kName = "tr_TR.UTF-8";
  // A missing locale fails the test rather than letting it pass untried.
  static constexpr const char* kMissing =
      "the locale tr_TR.UTF-8 is not installed, so the test cannot run in it: "
      "`scripts/install-deps test` installs Debian's locales package and generates it "
      "(localedef -i tr_TR -f UTF-8 tr_TR.UTF-8)";

  TurkishLocale() : savedC_(std::setlocale(LC_ALL, nullptr)) {
    try {
      std::locale::global(std::locale(kName));
    } catch (const std::runtime_error&) {
      return;
    }
    active_ = std::setlocale(LC_ALL, kName) != nullptr;
  }
  ~TurkishLocale() {
    std::locale::global(savedCpp_);
    std::setlocale(LC_ALL, savedC_.c_str());
  }
  TurkishLocale(const TurkishLocale&) = delete;
  TurkishLocale& operator=(const TurkishLocale&) = delete;

  bool active() const { return active_; }

 private:
  std::string savedC_;
  std::locale savedCpp_;
  bool active_ = false;
};

}  // namespace ombrel::testing
