#include "trace_call.h"

namespace ombrel::bench {

namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  bool AtEnd() const { return at_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
  bool Take(char c) {
    SkipBlanks();
    if (Peek() != c) return false;
    ++at_;
    return true;
  }
  void SkipBlanks() {
    while (Peek() == ' ') ++at_;
  }

  // A quoted text with the trace's escapes, or a bare word up to , ) or ].
  std::optional<std::string> Value() {
    SkipBlanks();
    std::string out;
    if (Peek() != '"') {
      while (!AtEnd() && Peek() != ',' && Peek() != ')' && Peek() != ']') out += text_[at_++];
      return out.empty() ? std::nullopt : std::optional<std::string>(out);
    }
    ++at_;
    while (!AtEnd()) {
      char c = text_[at_++];
      if (c == '"') return out;
      if (c == '\\' && !AtEnd()) {
        c = text_[at_++];
        if (c == 'r') c = '\r';
        if (c == 'n') c = '\n';
      }
      out += c;
    }
    return std::nullopt;
  }

  std::string Word() {
    std::string out;
    while (!AtEnd() && Peek() != '(') out += text_[at_++];
    return out;
  }

 private:
  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace

std::string TraceCall::Text(std::size_t index) const {
  return index < arguments.size() && !arguments[index].isList ? arguments[index].text : "";
}

std::vector<std::string> TraceCall::List(std::size_t index) const {
  return index < arguments.size() && arguments[index].isList ? arguments[index].list
                                                             : std::vector<std::string>{};
}

std::optional<TraceCall> ParseTraceCall(const std::string& line) {
  Reader reader(line);
  TraceCall call;
  call.member = reader.Word();
  if (call.member.empty() || !reader.Take('(')) return std::nullopt;
  if (reader.Take(')')) return call;
  do {
    TraceArgument argument;
    if (reader.Take('[')) {
      argument.isList = true;
      if (!reader.Take(']')) {
        do {
          std::optional<std::string> item = reader.Value();
          if (!item) return std::nullopt;
          argument.list.push_back(*item);
        } while (reader.Take(','));
        if (!reader.Take(']')) return std::nullopt;
      }
    } else {
      std::optional<std::string> value = reader.Value();
      if (!value) return std::nullopt;
      argument.text = *value;
    }
    call.arguments.push_back(std::move(argument));
  } while (reader.Take(','));
  if (!reader.Take(')')) return std::nullopt;
  return call;
}

}  // namespace ombrel::bench
