#pragma once
// Follows the items of a list control across changes, so that selections and the current item
// move with their items.
#include <vector>

#include "classes/StringList.h"

class TItemsTracker {
 public:
  // Maps each index of the items as last seen to its index now, or -1 for an item that went.
  // Items that kept their place at the start or the end keep their marks; whatever lies
  // between the unchanged start and end counts as new.
  std::vector<int> Update(const TStringList& items);

 private:
  struct Entry {
    String Text;
    const TObject* Object;
    bool operator==(const Entry&) const = default;
  };
  std::vector<Entry> FSnapshot;
};
