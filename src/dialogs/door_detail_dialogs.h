// The second door dialogs, each asked for the door kinds that need it: where a hanging door's hinge is and
// which way it opens (TTDoorplandlg), an entry frame's width and where its doors stand (TTEntrydlg), which
// side folding doors open from (TTFoldingdlg), a sliding door's side (TTSdoordlg) and the opening of
// sliders that meet or pass (TTRobedlg).
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

// Eight pictures of a door on a wall: 1..4 on upright walls, 5..8 on level ones.
struct TTDoorplandlg {
    static constexpr const char* Caption = "doors on plan";
    static DialogDescription Make(int plan);
    static int Plan(const DialogDescription& d);
    // The label of picture n (1..8): "door plan n".
    static std::string PlanLabel(int n);
};

struct TTEntrydlg {
    static constexpr const char* Caption = "doors with side frames";
    static constexpr const char* FrameWidth = "total width of doorframe";
    static constexpr const char* Left = "doors on left side of frame";
    static constexpr const char* Right = "doors on right side of frame";
    static constexpr const char* Central = "doors central in frame";
    static constexpr int MinWidth = 576, MaxWidth = 15000;
    // type 15 refuses one central door in a frame narrower than three doors.
    static DialogDescription Make(int frameWidth, int position, int type, int doorWidth, int count,
                                  int metricFlag);
    static int FrameWidthOf(const DialogDescription& d, int metricFlag);
    static int Position(const DialogDescription& d); // 1 left, 2 right, 3 central
};

struct TTFoldingdlg {
    static constexpr const char* Caption = "folding doors opening detail:-";
    static constexpr const char* Left = "left side opens";
    static constexpr const char* Right = "right side opens";
    static constexpr const char* Both = "opens both ways from middle";
    static DialogDescription Make(int side);
    static int Side(const DialogDescription& d); // 1 left, 2 right, 0 both
};

struct TTSdoordlg {
    static constexpr const char* Caption = "sliding doors";
    static constexpr const char* IntoWall = "check only if door slides into wall";
    static DialogDescription Make(int plan);
    static int Plan(const DialogDescription& d);
};

struct TTRobedlg {
    static constexpr const char* Caption = "wardrobe and inwall type sliding doors";
    static constexpr const char* OpeningWidth = "opening width - inches or mm.";
    static constexpr const char* IntoWall = "check only if sliding doors  go inside walls";
    static constexpr int MinWidth = 200, MaxWidth = 9000;
    static DialogDescription Make(int openingWidth, int metricFlag);
    static int OpeningWidthOf(const DialogDescription& d, int metricFlag);
};

} // namespace velmora
