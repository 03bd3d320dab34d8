// The interface of every translator: the order form it handles, its main host
// form and skeleton, and its two tables of calls on the engine.
#pragma once

#include <string>

namespace ombrel {

class XmlEngine;

class FormTranslator {
 public:
  virtual ~FormTranslator() = default;

  virtual std::string FormNumber() const = 0;
  virtual std::string FormName() const = 0;
  // The engine the translator writes through; nullptr before one was handed over.
  virtual XmlEngine* Server() const = 0;
  // Hands the engine over. Not owned: the engine owns its translator. nullptr
  // raises "Invalid Server Object" and keeps the engine stored before.
  virtual void SetServer(XmlEngine* newSvr) = 0;
  virtual std::string Skeleton() const = 0;
  virtual void EntrainMain() = 0;
  virtual void AppendAddenda() = 0;
};

}  // namespace ombrel
