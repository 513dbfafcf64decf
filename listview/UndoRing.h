#pragma once
// The undo and redo steps of the list view. Before an edit the view records the working
// list with a short label ("Delete Channel") and the modified state the list had, so that
// undoing the step also gives back whether the list differs from what is stored. Undo
// takes the newest step and keeps the list it replaces as a redo step under the same
// label; Redo goes the other way; the next edit forgets the redo steps. The ring holds a
// settable number of steps (5 unless the options say otherwise, at most 100); when it is
// full, the oldest step goes to make room.
//
// The steps keep their lists as ids into one pool of interned strings: an edit changes a
// few strings of a list of some hundred thousand, and a step then costs 4 bytes per
// string instead of a copy of each. The pool is emptied whenever no step is held.
//
// The ring also keeps the ids of the list as it is now, as long as the view tells it of
// every change (Track); a step is then recorded without looking at the strings, and an
// undo or redo changes only the strings that differ (FieldsPatch.h). A change the view
// cannot describe makes the ring forget them; the strings are then compared again.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/Options.h"
#include "base/SectionLocator.h"
#include "listview/FieldsChange.h"
#include "listview/StringPool.h"

namespace lumoscope {

// Where the person was when a list was recorded: the display shown (in the caller's own
// code) and its rows selected, so that the list, given back, shows the same rows.
struct UndoPlace {
  int display = -1;
  std::vector<int> rows;
};

class UndoRing {
 public:
  // The number of steps kept unless the options choose another, and the most they offer.
  static constexpr size_t kDefaultDepth = kDefaultUndoSteps;
  static constexpr size_t kMaxDepth = kMaxUndoSteps;

  using Place = UndoPlace;

  // What an undo or redo did to the list it was given.
  struct Restored {
    bool modified = false;              // whether the list given back differed from what was stored
    std::vector<FieldsSplice> splices;  // the strings it replaced
    Place place;                        // the rows selected in the list given back
  };

  explicit UndoRing(size_t depth = kDefaultDepth) { SetDepth(depth); }

  // Remembers the list before an edit; the oldest step is dropped when the ring is full.
  // The redo steps (and a step pushed out of a full ring) are set aside: any other call
  // forgets them, Drop brings them back.
  void Push(std::string label, const std::vector<std::string>& fields, bool modified, Place place = {});
  // Takes the newest step back without undoing it: the edit it was recorded for changed
  // nothing after all. The ring is as it was before that Push. Gives the step's modified
  // state; nothing when there is no step.
  std::optional<bool> Drop();
  // The same for an edit refused after it changed the list (untold): `fields` becomes the
  // step's list again. Gives the step's modified state.
  std::optional<bool> TakeBack(std::vector<std::string>& fields);
  // Turns `fields` into the list of the newest step; the list it was (whether that was
  // modified, and where the person is in it) becomes the newest redo step under the
  // step's label.
  std::optional<Restored> Undo(std::vector<std::string>& fields, bool modified, Place place = {});
  // The same with the newest redo step; the list it was becomes the newest undo step.
  std::optional<Restored> Redo(std::vector<std::string>& fields, bool modified, Place place = {});
  void Clear();

  // The view's changes to the list since the last step or restore: `fields` is the list
  // after `change`, `sections` its sections. The renumbering's channel numbers come one by
  // one (TrackNumber): the string at `at` is now the decimal text of `number`.
  void Track(const FieldsChange& change, const std::vector<std::string>& fields,
             const SectionLocator& sections);
  void TrackNumber(size_t at, size_t number);
  // The list changed in a way that was not told.
  void ForgetCurrent() { current_.reset(); }
  // Whether the ids of the list as it is now are kept: a Push then reads no string.
  bool KnowsCurrent() const { return current_.has_value(); }

  // 1 to kMaxDepth; the oldest steps beyond a smaller depth are dropped.
  void SetDepth(size_t depth);
  size_t Depth() const { return depth_; }

  size_t Count() const { return undo_.size(); }
  bool Empty() const { return undo_.empty(); }
  size_t RedoCount() const { return redo_.size(); }
  // The labels of the newest undo and redo steps; empty when there is none.
  const std::string& NewestLabel() const;
  const std::string& NewestRedoLabel() const;

  // After a save (or a reload) no remembered list is the stored one any more.
  void MarkAllModified();

  // Distinct strings the steps share (for measurements).
  size_t PooledStrings() const { return pool_.Size(); }

 private:
  struct Stored {
    std::string label;
    std::vector<StringPool::Id> ids;
    bool modified = false;
    Place place;
  };

  // The ids of `fields`, the list as it is now: those kept since the last change, or
  // the strings interned, tried first against `like` (by default the newest step).
  const std::vector<StringPool::Id>& CurrentIds(const std::vector<std::string>& fields,
                                                const Stored* like = nullptr);
  std::optional<Restored> Restore(Stored&& step, std::vector<std::string>& fields);
  // Takes the newest step off and brings back what its Push set aside.
  std::optional<Stored> PopNewest();
  void ForgetOldest();
  void ForgetSetAside();
  void EmptyPoolWhenUnused();

  StringPool pool_;
  std::deque<Stored> undo_;   // oldest first
  std::vector<Stored> redo_;  // newest last
  // What the latest Push put aside, while nothing else happened since: the redo steps, and
  // the oldest step of a full ring.
  struct SetAside {
    std::vector<Stored> redo;
    std::optional<Stored> pushedOut;
  };
  std::optional<SetAside> setAside_;
  // The ids of the list as it is now, while every change since they were taken was told.
  std::optional<std::vector<StringPool::Id>> current_;
  size_t depth_ = kDefaultDepth;
};

}  // namespace lumoscope
