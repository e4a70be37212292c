// A DEPARTURES or ARRIVALS choice (procedure, transition, runway, approach) as one step: what it can
// change is taken before it and put back when the route cannot take it, so a refused choice leaves
// only its "INVALID ENTRY" behind.
//
// Covers the modified route with its count, active leg, constraint leg, holds, RTE rows, state and
// pending direct-to; the selections of both airports with the leg builders' keys and the chosen
// records; the SID, STAR, approach and approach-list rows; the pick lists of both airport blocks;
// and the DEP/ARR pages' choice state and sub-pages. Not the CDU message line.
#pragma once

#include <memory>

class ProcChoiceSnapshot {
 public:
  ProcChoiceSnapshot();
  ~ProcChoiceSnapshot();
  ProcChoiceSnapshot(const ProcChoiceSnapshot&) = delete;
  ProcChoiceSnapshot& operator=(const ProcChoiceSnapshot&) = delete;

  void Restore() const;

 private:
  struct State;
  std::unique_ptr<const State> state_;
};

// Runs `choice` (true when the route took it) and undoes all of it when it was refused.
template <class Choice>
bool ChooseWhole(Choice&& choice) {
  const ProcChoiceSnapshot before;
  if (choice()) return true;
  before.Restore();
  return false;
}
