#pragma once
// Where a drag of rows in the channel view stands: the row the left button went down
// on, whether a drag is under way, and the row the rows are dropped on.
namespace lumoscope {

class DragState {
 public:
  // The button went down on `row` (-1: on no row, which keeps the previous row).
  void Press(int row) {
    if (row >= 0) fromRow_ = row;
  }
  // A drag starts from the row pressed last. Until the button is released over a row,
  // the drop row is that same row: a release outside every row moves nothing, rather
  // than reusing the drop row of an earlier drag.
  void Begin() {
    dragging_ = true;
    dropRow_ = fromRow_;
  }
  // The button was released over `row` (-1: over no row).
  void Release(int row) {
    if (row >= 0) dropRow_ = row;
  }
  void End() { dragging_ = false; }

  bool Dragging() const { return dragging_; }
  int FromRow() const { return fromRow_; }
  int DropRow() const { return dropRow_; }
  bool Moves() const { return dropRow_ != fromRow_; }

 private:
  bool dragging_ = false;
  int fromRow_ = 0;
  int dropRow_ = 0;
};

}  // namespace lumoscope
