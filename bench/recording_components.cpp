#include "recording_components.h"

namespace ombrel::bench {

namespace {

class RecordingXmlDom : public XmlDom {
 public:
  RecordingXmlDom(std::unique_ptr<XmlDom> real, std::shared_ptr<AskedTags> asked)
      : real_(std::move(real)), asked_(std::move(asked)) {}

  void LoadXml(std::string text) override {
    ++document_;
    real_->LoadXml(std::move(text));
  }
  std::string LimitReached() const override { return real_->LimitReached(); }
  XmlNode Root() const override { return real_->Root(); }
  std::string Value(XmlNode node, const std::string& path) const override {
    return real_->Value(node, path);
  }
  void LoadAlias(const std::string& path) override { real_->LoadAlias(path); }
  std::string TagValue(const std::string& tag, bool skipAlias) const override {
    std::string value = real_->TagValue(tag, skipAlias);
    bool& had = (*asked_)[{document_, tag}];
    had = had || !value.empty();
    return value;
  }

 private:
  std::unique_ptr<XmlDom> real_;
  std::shared_ptr<AskedTags> asked_;
  int document_ = -1;
};

}  // namespace

RecordingComponents::RecordingComponents() : real_(CreateRealComponents()) {}

std::unique_ptr<XmlDom> RecordingComponents::CreateXmlDom() {
  std::unique_ptr<XmlDom> real = real_->CreateXmlDom();
  if (!real) return nullptr;
  return std::make_unique<RecordingXmlDom>(std::move(real), asked);
}

}  // namespace ombrel::bench
