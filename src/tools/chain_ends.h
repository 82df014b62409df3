// The free ends of a run of segments drawn end to start (construction lines, external walls): where the
// run began and where it stops, or nothing when it is closed.
#pragma once

#include "model/object_list.h"

#include <optional>

namespace velmora {

struct OpenChain {
    Point Start; // a segment's start that no segment of the run ends on
    Point End;   // a segment's end that no segment of the run starts from
};

// The segments of one kind on one view, from list position 6.
std::optional<OpenChain> FindOpenChain(const TFlist& list, int view, int kind);
// How many segments of the kind the view holds.
int CountOfKind(const TFlist& list, int view, int kind);

} // namespace velmora
