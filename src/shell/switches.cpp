#include "shell/switches.h"

#include "support/cp932.h"
#include "support/text.h"

namespace shell {
namespace {

// The rest of a "/Dx" argument is kept to 250 characters, as the paths of
// the setup it comes from never run longer.
constexpr int kMaxSwitchPath = 250;

std::string SwitchRest(const std::string& arg) {
  return support::CopyMbcs(arg.substr(3), 1, kMaxSwitchPath);
}

// "/J05" -> 5; "/J", "/Jx" -> 0.
int ResidencySeconds(const std::string& arg) {
  return support::StrToIntDef(arg.substr(2, 2), 0);
}

void ParseOne(const std::string& arg, CommandSwitches& s) {
  const std::string head2 = support::ToUpperAscii(arg.substr(0, 2));
  const std::string head3 = support::ToUpperAscii(arg.substr(0, 3));
  if (head2 == "/2") s.secondInstance = true;
  if (head2 == "/F") s.networkFirstStart = true;
  if (head2 == "/J") s.residencySeconds = ResidencySeconds(arg);
  if (head3 == "/D1") s.deleteFile = SwitchRest(arg);
  if (head3 == "/D2") s.setupArchive = SwitchRest(arg);
  if (head3 == "/D3") s.setupWorkFolder = SwitchRest(arg);
  if (head3 == "/DN") s.netFolder = SwitchRest(arg);
}

}  // namespace

CommandSwitches ParseSwitches(const std::vector<std::string>& args) {
  CommandSwitches s;
  for (const std::string& arg : args) ParseOne(arg, s);
  return s;
}

}  // namespace shell
