// Where a class's main table departs on purpose from what holds for every
// main table, one row per class of the factory: the fields it writes twice,
// the addresses it writes that are no field of the form, and the long texts
// it sends to the extended comments addendum. Which calls a table makes, and
// in what order, is pinned by the trace fixtures, not here.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/trace_calls.h"

namespace ombrel::testing {

struct MainTableExceptions {
  std::string_view className;
  // The "line|field" addresses of the form that two calls write on purpose;
  // every other field of the form is written by one call.
  std::vector<std::string> fieldsWrittenTwice = {};
  // Addresses written on purpose that are no "line|field" of the form.
  std::vector<std::string> addressesOfNoField = {};
  // The ParseExtended calls that send their text to the extended comments
  // addendum; every other long text is written onto the form itself.
  Calls addendumComments = {};
};

// One row per class of the factory, in the factory's order; a row with its
// class's name alone says the table makes no exception.
std::span<const MainTableExceptions> MainTableExceptionsTable();

}  // namespace ombrel::testing
