#include "real_engine_shell_test.h"

#include <utility>

#include "engine/xml_reader.h"
#include "translators/catalogue.h"

namespace ombrel::testing {

RealEngineShellTest::RealEngineShellTest()
    : catalogue_(Catalogue()), targetFormDialog_(catalogue_.targetForms) {
  dirs.Write("kestrov/Alias/global.ali", "; no aliases: tags are paths\n");
}

RealEngineShellTest::~RealEngineShellTest() {
  if (program_) program_->Form_Unload();
}

Main& RealEngineShellTest::Program() {
  if (!program_) {
    MainServices services = Services();
    services.createEngine = [this](const EngineServices& engineServices) {
      return std::make_unique<XmlReader>(engineServices, catalogue_, targetFormDialog_);
    };
    program_ = std::make_unique<Main>(std::move(services));
    EXPECT_TRUE(program_->Form_Load());
  }
  return *program_;
}

}  // namespace ombrel::testing
