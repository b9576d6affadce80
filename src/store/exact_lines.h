#pragma once
// Line lists that give back every byte they were read from. Decoding CP932
// is lossless except for the codes Windows maps onto the same character as
// another code (NEC row 13 symbols, the NEC-selected IBM extensions): those
// would be written back in the other form. A line holding such a code keeps
// its original bytes here, looked up by its decoded text, so a line nobody
// edited is written back byte for byte.
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace store {

class OriginalBytes {
 public:
  // Keeps the bytes the lines were decoded from. Reading pays only for this
  // copy; the lines that need their bytes are sorted out when writing.
  void Keep(std::string_view fileBytes) { bytes_.assign(fileBytes); }
  void Keep(std::string&& fileBytes) { bytes_ = std::move(fileBytes); }
  void Clear() { bytes_.clear(); }

  // Every line's CP932 form followed by CR LF. A line whose text the
  // encoder would not give back as the bytes it was read from gets those
  // bytes; of equal texts read from different bytes, the n-th occurrence
  // gets the n-th original form.
  std::string EncodeLines(const std::vector<std::string>& lines) const;

 private:
  std::string bytes_;
};

// The lines of CP932 bytes (CR, LF and CR LF end a line; a last line needs
// no end), decoded; originals noted in `originals` when given.
std::vector<std::string> DecodeLines(std::string_view bytes, OriginalBytes* originals);
// Every line encoded and followed by CR LF.
std::string EncodeLines(const std::vector<std::string>& lines, const OriginalBytes* originals);

// Whole-file reads and atomic writes with `tries` attempts `waitMs` apart.
// A failed read leaves `lines` and `originals` as they were; a failed write
// leaves the file as it was.
bool ReadLinesRetry(platform::Services& os, const std::string& path, unsigned waitMs, int tries,
                    std::vector<std::string>& lines, OriginalBytes* originals);
bool WriteLinesRetry(platform::Services& os, const std::string& path, unsigned waitMs, int tries,
                     const std::vector<std::string>& lines, const OriginalBytes* originals);

}  // namespace store
