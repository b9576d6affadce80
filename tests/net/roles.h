#pragma once
// What one process of the proof does, named on its command line:
//
//   velda-net-proof <role> <computer> <shared folder> <settings folder> <control folder> [args]
//
//   edits N SEED   N edits of days of 2026/12 and of the period file at random
//                  moments, each retried until stored; then, on "poll-now", one
//                  poll and its view written out
//   hold KIND      takes the month or period lock and keeps it until
//                  "release-<computer>" appears (never, when it is to be killed)
//   once KIND      one edit of the month or the period file
//   maintenance    tries what maintenance must refuse
//   poller MS      polls every MS until told to end
//   unlocker MS    "すべてのロックを解除" every MS until "stop-unlocking"
#include <string>
#include <vector>

namespace proof {

struct RoleArgs {
  std::string computer, shared, settings, control;
  std::vector<std::string> rest;
};

int RunRole(const std::string& role, const RoleArgs& args);

// "Ca202612.kdf" text of the n-th entry of a computer.
std::string EntryText(const std::string& computer, int n);

}  // namespace proof
