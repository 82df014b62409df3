// The door pictures inside an opening: hanging leaves and their swings, entry frames, sliding, folding and
// wardrobe panels. Windows and plain wall openings have none.
#pragma once

namespace velmora {

struct OpeningParts;

void AddDoorParts(OpeningParts& p);

} // namespace velmora
