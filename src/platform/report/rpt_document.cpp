#include "platform/report/rpt_document.h"

#include <charconv>
#include <ctime>
#include <exception>
#include <iterator>
#include <new>

#include "platform/files/path_names.h"
#include "platform/report/zip_file_writer.h"
#include "platform/text/ascii_case.h"
#include "platform/xml/xml_escape.h"

namespace ombrel {

namespace {

constexpr const char* kSource = "QorFile.DOCUMENT";

void AppendAttribute(std::string& out, const char* name, const std::string& value) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendXmlAttribute(out, value);
  out += '"';
}

void AppendNumber(std::string& out, uint32_t number) {
  char digits[10];
  const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
  out.append(digits, end);
}

// element is "FIELD" or "TITLE": the address needs no escaping.
void AppendElements(std::string& out, std::string_view element, const FieldList& list) {
  for (const auto& [key, text] : list.entries()) {
    out += "    <";
    out += element;
    out += " ADDR=\"";
    AppendNumber(out, FieldList::Line(key));
    out += '|';
    AppendNumber(out, FieldList::Field(key));
    out += "\">";
    AppendXmlText(out, text);
    out += "</";
    out += element;
    out += ">\n";
  }
}

// Bytes REPORT.XML will take at least, so that it is built in one allocation
// in the common case of text that needs no references.
std::size_t ExpectedSize(const std::vector<std::unique_ptr<RptForm>>& forms) {
  constexpr std::size_t kPerElement = 48;  // indentation, tags and address
  std::size_t size = 1024;
  for (const auto& form : forms) {
    for (const FieldList* list : {&form->fields(), &form->titles()}) {
      for (const auto& entry : list->entries()) size += kPerElement + entry.second.size();
    }
  }
  return size;
}

bool IsPlainExtension(const std::string& extension) {
  if (extension.empty() || extension.size() > 8) return false;
  for (char c : extension) {
    if (!IsAsciiLetterOrDigit(c)) return false;
  }
  return true;
}

}  // namespace

HostForm* RptDocument::AddForm(const std::string& formId) {
  if (formId.empty()) return nullptr;
  return forms_.emplace_back(std::make_unique<RptForm>(formId)).get();
}

HostForm* RptDocument::GetForm(const std::string& formId) {
  for (const auto& form : forms_) {
    if (EqualsIgnoreCase(form->Form(), formId)) return form.get();
  }
  return nullptr;
}

ReportImage* RptDocument::AddImage(const std::string& frameId) {
  if (frameId.empty()) return nullptr;
  for (const auto& image : images_) {
    if (image->frame() == frameId) {
      image->Reset();
      return image.get();
    }
  }
  return images_.emplace_back(std::make_unique<RptImage>(frameId)).get();
}

std::vector<const RptImage*> RptDocument::AttachedImages() const {
  std::vector<const RptImage*> attached;
  for (const auto& image : images_) {
    if (!image->attachedPath().empty()) attached.push_back(image.get());
  }
  return attached;
}

std::string RptDocument::ImageEntryName(std::size_t n, const std::string& attachedPath) {
  std::string name = "IMAGES/IMAGE" + std::to_string(n);
  const std::string extension = ExtensionPart(attachedPath);
  if (IsPlainExtension(extension)) name += "." + AsciiLowered(extension);
  return name;
}

std::string RptDocument::ReportXml() const {
  std::string out;
  out.reserve(ExpectedSize(forms_));
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<REPORT";
  AppendAttribute(out, "SKELETON", skeleton_);
  out += ">\n";
  for (const auto& form : forms_) {
    out += "  <FORM";
    AppendAttribute(out, "ID", form->Form());
    AppendAttribute(out, "VERSION", form->Version());
    out += ">\n";
    AppendElements(out, "FIELD", form->fields());
    AppendElements(out, "TITLE", form->titles());
    out += "  </FORM>\n";
  }
  const std::vector<const RptImage*> images = AttachedImages();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const RptImage& image = *images[i];
    out += "  <IMAGE";
    AppendAttribute(out, "FRAME", image.frame());
    AppendAttribute(out, "FILENAME", image.fileName());
    AppendAttribute(out, "EXTENSION", image.extension());
    AppendAttribute(out, "WIDTH", std::to_string(image.width()));
    AppendAttribute(out, "HEIGHT", std::to_string(image.height()));
    AppendAttribute(out, "ENTRY", ImageEntryName(i + 1, image.attachedPath()));
    out += "/>\n";
  }
  out += "</REPORT>\n";
  return out;
}

bool RptDocument::WriteReport(const std::string& path) {
  writeFailure_.reset();
  try {
    std::vector<ZipFileEntry> files;
    const std::vector<const RptImage*> images = AttachedImages();
    for (std::size_t i = 0; i < images.size(); ++i) {
      files.push_back({ImageEntryName(i + 1, images[i]->attachedPath()), images[i]->attachedPath()});
    }
    std::vector<ZipTextEntry> texts(1);
    texts[0].name = "REPORT.XML";
    texts[0].bytes = ReportXml();
    texts[0].modified = std::time(nullptr);
    WriteZipFile(path, texts, files, kSource);
    return true;
  } catch (const Error& error) {
    writeFailure_ = error;
  } catch (const std::bad_alloc&) {
    writeFailure_ = Error(err::kOutOfMemory, kSource, "Out of memory");
  } catch (const std::exception& error) {
    writeFailure_ = Error(err::kPathFileAccessError, kSource, error.what());
  }
  return false;
}

}  // namespace ombrel
