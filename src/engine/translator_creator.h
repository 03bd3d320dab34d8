// How the selection tables name a translator class: a function that creates
// a new object of it.
#pragma once

#include <memory>

#include "engine/form_translator.h"

namespace ombrel {

using TranslatorCreator = std::unique_ptr<FormTranslator> (*)();

template <typename T>
std::unique_ptr<FormTranslator> CreateTranslator() {
  return std::make_unique<T>();
}

}  // namespace ombrel
