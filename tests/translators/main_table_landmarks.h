// What a reader checks of every class's main table against its form, one row
// per class of the factory: the calls the table opens and closes with, the
// fields it writes twice on purpose, the long texts it sends to the extended
// comments addendum, the calls where its sections meet, and the calls whose
// arguments the table's notation most easily turns round.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/trace_calls.h"

namespace ombrel::testing {

struct MainTableLandmarks {
  std::string_view className;
  // The table's first calls, from its very first on.
  Calls opening = {};
  // Its last calls, up to its very last.
  Calls closing = {};
  // The "line|field" addresses of the form that two calls write on purpose;
  // every other field of the form is written by one call.
  std::vector<std::string> fieldsWrittenTwice = {};
  // Addresses written on purpose that are no "line|field" of the form.
  std::vector<std::string> addressesOfNoField = {};
  // The ParseExtended calls that send their text to the extended comments
  // addendum; every other long text is written onto the form itself.
  Calls addendumComments = {};
  // Runs of calls that stand directly one after another, the runs in the
  // order of the form: mostly the last call of one section and the first of
  // the next; a run of one call only keeps its place in that order.
  std::vector<Calls> sections = {};
  // Calls the table makes somewhere, each with every argument in its place.
  Calls argumentsInPlace = {};
};

// One row per class of the factory, in the factory's order.
std::span<const MainTableLandmarks> MainTableLandmarksTable();

}  // namespace ombrel::testing
