#pragma once
// The find form of the memo and search windows' text: the word (with a
// history of 32 words), case, and direction. Modal over its owner.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace editors {

struct FindRequest {
  std::string word;
  bool matchCase = false;
  bool forward = true;
};

inline constexpr std::size_t kFindHistoryLimit = 32;

// Nullopt when cancelled or left empty. A word found is put at the top of
// `history`.
std::optional<FindRequest> AskFindText(HWND owner, const FindRequest& initial,
                                       std::vector<std::string>& history);

}  // namespace editors
