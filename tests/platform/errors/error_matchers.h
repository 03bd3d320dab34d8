// Runs a call that must raise the program's error and returns that error, so
// a test can check its number, source and description.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "platform/errors/error.h"

namespace ombrel::testing {

template <typename Call>
std::optional<Error> RaisedError(Call&& call) {
  try {
    call();
  } catch (const Error& error) {
    return error;
  }
  return std::nullopt;
}

}  // namespace ombrel::testing
