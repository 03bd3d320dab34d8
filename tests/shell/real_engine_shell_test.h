// A shell test whose program runs the real engine on the program's own
// catalogue of translators, with an alias file that leaves every tag a path.
// The program is started at its first use and closed with the test.
#pragma once

#include <memory>
#include <string>

#include "engine/selector.h"
#include "engine/translator_catalogue.h"
#include "shell/main_form.h"
#include "shell_fixture.h"

namespace ombrel::testing {

class RealEngineShellTest : public ShellTest {
 protected:
  RealEngineShellTest();
  ~RealEngineShellTest() override;

  Main& Program();
  std::string XmlDir() const { return kestrovDir + "/XML/"; }

 private:
  TranslatorCatalogue catalogue_;
  Selector targetFormDialog_;
  std::unique_ptr<Main> program_;
};

}  // namespace ombrel::testing
