// The engine's interface: the members through which every translator (its
// Server) and the shared procedures read order values and write report fields.
// The order of the members is the order of the interface's slots.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ombrel {

struct EngineServices;

// A list of values, each taken as text; always a member's last argument.
using TextList = std::vector<std::string>;

class XmlEngine {
 public:
  virtual ~XmlEngine() = default;

  virtual void AddExtended(const std::string& fieldAddr) = 0;
  virtual void CheckAlias(const std::string& ifxTag, const std::string& fieldAddr,
                          const std::string& fieldTag, const TextList& fieldAttr) = 0;
  virtual void Combine(const std::string& fieldAddr, const std::string& delimiter,
                       int32_t pickIndex, const TextList& tagList) = 0;
  virtual void Compare(const std::string& fieldOne, const std::string& fieldTwo,
                       const std::string& addr, const std::string& delimiter) = 0;
  virtual void ParsePhone(const std::string& ifxTag, const std::string& areaCode,
                          const std::string& phoneNumber) = 0;
  virtual int32_t Licensing(int16_t aprIndex) = 0;
  virtual void LoadSignature(int16_t nType, int16_t nIndex, const std::string& ifxTag) = 0;
  virtual void MapValue(const std::string& ifxTag, const std::string& tagVal) = 0;
  virtual void ParseAddress(const std::string& fieldAddr, const std::string& cityTag,
                            const std::string& stateTag, const std::string& zipTag,
                            const std::string& streetTag, const std::string& defaultTag) = 0;
  virtual void ParseExtended(const std::string& ifxTag, const std::string& fieldAddr,
                             bool bLaunchable) = 0;
  virtual std::string ReadDirect(const std::string& addr) = 0;
  virtual std::string ReadExtendedDirect(const std::string& addr) = 0;
  virtual bool SetAlias(const std::string& ifxTag, const std::string& fieldAddr) = 0;
  virtual bool SetForm(const std::string& formID) = 0;
  // May rewrite one character of frameID (the comparable's renumbering).
  virtual bool SetPhoto(const std::string& ifxTag, std::string& frameID) = 0;
  // Fills an empty rptFile with the path the user chose.
  virtual bool Translate(std::string& rptFile, const std::string& xmlFile) = 0;
  virtual void WriteDirect(const std::string& addr, const std::string& value) = 0;
  virtual void ProcessAppraiserInfo(int16_t AppraiserNum, int16_t AppraiserType,
                                    const std::string& NextForm) = 0;
  virtual void ProcessOffscrn() = 0;

  // Not one of the slots: what the program handed the engine, through which
  // the translators' own procedures and the shared ones report their errors.
  virtual const EngineServices& Services() const = 0;
};

}  // namespace ombrel
