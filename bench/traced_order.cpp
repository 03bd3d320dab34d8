#include "traced_order.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>

#include "bench_workspace.h"
#include "engine/comment_heading.h"
#include "engine/incoming_form_selection.h"
#include "engine/xml_reader.h"
#include "recording_components.h"
#include "support/recording_engine.h"
#include "trace_call.h"
#include "translators/factory_table.h"

namespace ombrel::bench {

namespace {

// A comment long enough to read like an appraiser's, with a line break.
const std::string kComment =
    "The subject is a well-kept two-story residence in an established subdivision. "
    "Functional utility and condition are typical of the market area; no adverse "
    "easements, encroachments or environmental conditions were observed.\r\n"
    "Market data from the last twelve months support the adjustments made.";

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

// Values from the trace of the translator's tables. firstComment: the number
// of the document's first extended-comment entry, as the engine counts on
// from the documents translated before.
TracedOrder TraceOrder(BenchWorkspace& workspace, const std::string& formNumber,
                       const std::vector<std::string>& photoNames, int firstComment) {
  std::string number = formNumber;
  std::unique_ptr<FormTranslator> translator =
      IncomingFormSelection(workspace.services(), workspace.catalogue(),
                            workspace.targetFormDialog(), number, "");
  if (!translator) throw std::runtime_error("no translator for form " + formNumber);
  TracedOrder order;
  order.formNumber = formNumber;
  order.formName = translator->FormName();
  OrderValues& values = order.values;
  std::set<std::string> fitted;  // tags whose value a call asked for in particular
  const auto fit = [&](const std::string& tag, const std::string& value) {
    if (tag.empty() || !fitted.insert(tag).second) return;
    values.Set(tag, value);
  };
  const auto plain = [&](const std::string& tag) {
    if (!tag.empty()) values.SetIfAbsent(tag, PlausibleValue(tag));
  };

  std::string currentForm = order.formName;
  std::size_t photos = 0;
  for (const std::string& line : testing::TraceTranslator(*translator)) {
    const std::optional<TraceCall> call = ParseTraceCall(line);
    if (!call) throw std::runtime_error("unreadable trace line: " + line);
    const std::string& m = call->member;
    if (m == "SetAlias" || m == "ReadDirect" || m == "Compare") {
      plain(call->Text(0));
      if (m == "Compare") plain(call->Text(1));
    } else if (m == "CheckAlias") {
      fit(call->Text(0), call->Text(2));  // the first box is checked
    } else if (m == "MapValue") {
      fit(call->Text(0), call->Text(1));  // the comparable where the form expects it
    } else if (m == "Combine") {
      for (const std::string& tag : call->List(3)) plain(tag);
    } else if (m == "ParsePhone") {
      fit(call->Text(0), "(614) 555-0142");
    } else if (m == "ParseAddress") {
      fit(call->Text(1), "Millbrook");
      fit(call->Text(2), "OH");
      fit(call->Text(3), "43210");
      fit(call->Text(4), "412 Larkspur Lane");
      fit(call->Text(5), "412 Larkspur Lane, Millbrook, OH 43210");
    } else if (m == "ParseExtended") {
      fit(call->Text(0), kComment);
    } else if (m == "SetPhoto") {
      order.photoTags.push_back(call->Text(0));
      if (photos < photoNames.size()) fit(call->Text(0), photoNames[photos++]);
    } else if (m == "AddExtended") {
      // The engine offers entry n to this field; it takes it when the entry's
      // name is the field's heading.
      const std::string n = std::to_string(firstComment + order.comments++);
      fit("ADDENDA(" + n + ")NUM", n);
      fit("ADDENDA(" + n + ")NAME", CommentHeading(currentForm, call->Text(0)));
      fit("ADDENDA(" + n + ")VALUE", kComment);
    } else if (m == "SetForm") {
      currentForm = call->Text(0);
    } else if (m == "ProcessAppraiserInfo") {
      currentForm = call->Text(2);  // the engine makes NextForm current again
    }
  }
  return order;
}

bool IsEngineCounted(const std::string& tag) { return tag.rfind("ADDENDA(", 0) == 0; }

}  // namespace

std::vector<std::string> SupplementalFormNumbers() {
  std::vector<std::string> forms;
  for (const FactoryRow& row : FactoryTable()) {
    if (row.create == nullptr) continue;  // the target-form dialog's row
    if (!row.create()->Skeleton().empty()) continue;
    const std::string number(row.formNumber);
    if (std::find(forms.begin(), forms.end(), number) == forms.end()) forms.push_back(number);
  }
  return forms;
}

FullOrders LearnFullOrders(const std::string& mainForm, const std::vector<std::string>& supplementForms,
                           const std::vector<std::string>& photoNames, int rounds) {
  auto components = std::make_unique<RecordingComponents>();
  const std::shared_ptr<AskedTags> asked = components->asked;
  BenchWorkspace workspace(MemoryBase(), std::move(components));
  const std::string aliasText = ReadText(DemoAliasPath());

  FullOrders orders;
  orders.main = TraceOrder(workspace, mainForm, photoNames, 1);
  int nextComment = 1 + orders.main.comments;
  for (const std::string& form : supplementForms) {
    orders.supplements.push_back(TraceOrder(workspace, form, {}, nextComment));
    nextComment += orders.supplements.back().comments;
  }

  std::vector<TracedOrder*> documents{&orders.main};
  for (TracedOrder& supplement : orders.supplements) documents.push_back(&supplement);
  // The engine's services are the program's, with this order's documents as
  // the envelope's files.
  std::vector<FileRecord> envelopeFiles;
  EngineServices services = workspace.services();
  services.envelopeFiles = &envelopeFiles;
  for (int round = 0; round <= rounds; ++round) {
    envelopeFiles.clear();
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < documents.size(); ++i) {
      TracedOrder& document = *documents[i];
      document.text = OrderText(document.formNumber, document.values, aliasText);
      paths.push_back(workspace.File("order-" + std::to_string(i) + ".xml"));
      WriteText(paths.back(), document.text);
      if (i > 0) {
        FileRecord record;
        record.Classification = FileRecord::kSupplementalOrder;
        record.Name = paths.back();
        record.Description = "OADI-SUP/XML";
        envelopeFiles.push_back(record);
      }
    }
    asked->clear();
    std::string report = workspace.ReportPath();
    const bool written = XmlReader(services, workspace.catalogue(), workspace.targetFormDialog())
                             .Translate(report, paths[0]);
    if (!written) throw std::runtime_error("the learning translation failed:\n" + workspace.Complaints());
    if (round == rounds) break;
    // The engine's own asks: give each a value in its document.
    for (const auto& [key, had] : *asked) {
      const auto& [document, tag] = key;
      if (had || document < 0 || static_cast<std::size_t>(document) >= documents.size()) continue;
      TracedOrder& order = *documents[static_cast<std::size_t>(document)];
      const bool photo =
          std::find(order.photoTags.begin(), order.photoTags.end(), tag) != order.photoTags.end();
      if (!photo && !IsEngineCounted(tag)) order.values.SetIfAbsent(tag, PlausibleValue(tag));
    }
  }

  orders.coverage.asked = asked->size();
  for (const auto& [key, had] : *asked) {
    if (had) continue;
    const std::size_t document = static_cast<std::size_t>(key.first);
    if (document >= documents.size()) continue;
    const TracedOrder& order = *documents[document];
    if (std::find(order.photoTags.begin(), order.photoTags.end(), key.second) != order.photoTags.end()) {
      ++orders.coverage.emptyPhotoTags;
    } else {
      orders.coverage.empty.push_back(order.formNumber + ": " + key.second);
    }
  }
  const std::string complaints = workspace.Complaints();
  if (!complaints.empty()) throw std::runtime_error("the learning translation complained:\n" + complaints);
  return orders;
}

}  // namespace ombrel::bench
