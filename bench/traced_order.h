// Full orders for the benchmarks, learnt from the translators themselves: the
// trace of a translator's tables gives every tag they ask and what kind of
// value each call wants (a checkbox's value, a mapped value, an address, a
// comment); a run of the real engine on a recording XML reader then gives the
// tags the engine's own members ask (report profile, signer blocks, licences).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "order_values.h"

namespace ombrel::bench {

struct TracedOrder {
  std::string formNumber;
  std::string formName;  // the translator's main host form
  OrderValues values;
  std::vector<std::string> photoTags;  // the tags that name photo files, in table order
  int comments = 0;  // extended-comment entries (ADDENDA(n)...) the document holds
  std::string text;  // the document, once LearnFullOrders has made it
};

struct TagCoverage {
  std::size_t asked = 0;           // distinct (document, tag) pairs the last run asked
  std::vector<std::string> empty;  // "FORM: TAG" of those asked without a value, photo tags aside
  std::size_t emptyPhotoTags = 0;  // photo tags asked without a value (no photo to name)
};

struct FullOrders {
  TracedOrder main;
  std::vector<TracedOrder> supplements;
  TagCoverage coverage;
};

// Form numbers of the supplemental-only translators (those without a
// skeleton), in factory order, once each.
std::vector<std::string> SupplementalFormNumbers();

// The main order document of mainForm and one supplemental order document of
// each of supplementForms, every tag their tables ask present. photoNames go
// to the main document's photo tags in table order, as far as they reach; the
// other photo tags stay absent. The engine's own asks are learnt by rounds
// translations on a recording XML reader. Starts the program in a workspace
// of its own: no other BenchWorkspace may be alive meanwhile.
FullOrders LearnFullOrders(const std::string& mainForm, const std::vector<std::string>& supplementForms,
                           const std::vector<std::string>& photoNames, int rounds);

}  // namespace ombrel::bench
