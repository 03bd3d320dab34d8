// envelope-writer: makes an envelope (.env) from files, for the demo workspace
// and for trying the program by hand. Not part of the program a user runs.
//
//   envelope-writer OUT.env FILE:TYPE[:DOCTYPE] ...
//
// Each FILE becomes one document, in the order given, with FILENAME its base
// name, EXT its extension and a fresh GUID.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/envelope_builder.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: " << argv[0] << " OUT.env FILE:TYPE[:DOCTYPE] ...\n";
    return 2;
  }
  try {
    ombrel::testing::EnvelopeBuilder builder;
    for (int i = 2; i < argc; ++i) {
      const std::vector<std::string> parts = Split(argv[i], ':');
      if (parts.size() < 2 || parts.size() > 3 || parts[0].empty() || parts[1].empty()) {
        std::cerr << "bad document argument (FILE:TYPE[:DOCTYPE]): " << argv[i] << "\n";
        return 2;
      }
      const std::string name = std::filesystem::path(parts[0]).filename().string();
      builder.Add(name, parts[1], parts.size() == 3 ? parts[2] : "", ReadFile(parts[0]));
    }
    builder.Write(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << argv[0] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
