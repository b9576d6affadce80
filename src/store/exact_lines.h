#pragma once
// Line lists that give back every byte they were read from. Decoding CP932
// is lossless except for the codes Windows maps onto the same character as
// another code (NEC row 13 symbols, the NEC-selected IBM extensions): those
// would be written back in the other form. A line holding such a code keeps
// its original bytes here, looked up by its decoded text, so a line nobody
// edited is written back byte for byte.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/services.h"

namespace store {

class OriginalBytes {
 public:
  // Remembers the file's lines (`bytes`, decoded as `texts`) wherever
  // encoding the text would not give the bytes back. Of equal texts read
  // from different bytes, each occurrence keeps its own.
  void Record(const std::vector<std::string_view>& bytes, const std::vector<std::string>& texts);
  // Every line's CP932 form followed by CR LF: the n-th occurrence of a
  // remembered text gets the n-th original form.
  std::string EncodeLines(const std::vector<std::string>& lines) const;
  void Clear() { forms_.clear(); }
  bool empty() const { return forms_.empty(); }

 private:
  std::unordered_map<std::string, std::vector<std::string>> forms_;
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
