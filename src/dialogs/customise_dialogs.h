// The dialogs of the Customise menu, as descriptions with their checks: the dimension offsets (TTOffsetdlg),
// the room and dimension text sizes (TTRoomtextdlg) and the guide line (TDefGuideDlg1). Lengths cross these
// functions in world units; the imperial dialogs show and take whole inches.
#pragma once

#include "dialogs/dialog.h"
#include "platform/canvas.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Which measuring system a command edits when no drawing says so: the metric or the imperial twin of a
// settings file.
struct TTMeasdlg {
    static constexpr const char* Caption = "select measuring system to use";
    static constexpr const char* Imperial = "feet && inches";
    static constexpr const char* Metric = "metric";
    static DialogDescription Make(int metricFlag); // 1 metric, anything else feet and inches
    static int Result(const DialogDescription& d); // the MetricFlag chosen
};

// How a newly shown view is zoomed: 0 at normal size, 1 at the previous zoom state. Its Help button acts
// while the dialog stays open and shows the dialog's help page.
struct TTZoomdlg {
    static constexpr const char* Caption = "zoom style";
    static constexpr const char* NormalSize = "always show a new view at normal size";
    static constexpr const char* PreviousState = "show new view at previous zoom state";
    static DialogDescription Make(int style); // anything but 1 shows normal size
    static int Result(const DialogDescription& d);
};

// The seven values of MOFFSET.CFG / IOFFSET.CFG.
struct DimensionSettings {
    int InternalOffset = 400; // world units
    int ExternalOffset = 600;
    int OverallOffset = 1000;
    int TextDirection = 0; // 0 all horizontal, 2700 vertical dimensions read along their line
    int TextSize = 10;
    int DimensionSize = 8; // points
    int RoomNameSize = 10; // points
};

// The arrow offsets and the dimension text: values 1-5 of the dimension settings.
struct TTOffsetdlg {
    static constexpr const char* Caption = "showing dimensions";
    static constexpr const char* Internal = "internal dimensions";
    static constexpr const char* External = "external dimensions";
    static constexpr const char* Overall = "overall external dimensions";
    static constexpr const char* TextSize = "dimension text size";
    static constexpr const char* Horizontal = "show all dimensions horizontal";
    static constexpr const char* AlongLine = "show vertical dimensions along their line";
    static DialogDescription Make(const DimensionSettings& current, int metricFlag);
    // The accepted dialog's values 1-5 over `current` (values 6 and 7 kept).
    static DimensionSettings Result(const DialogDescription& d, const DimensionSettings& current,
                                    int metricFlag);
};

// The dimension and room name sizes: values 6 and 7.
struct TTRoomtextdlg {
    static constexpr const char* Caption = "text sizes for rooms";
    static constexpr const char* DimensionsSize = "dimensions size";
    static constexpr const char* RoomNameSize = "text size of room name";
    static DialogDescription Make(const DimensionSettings& current);
    static DimensionSettings Result(const DialogDescription& d, const DimensionSettings& current);
};

// Where the guide line stands (1 top, 3 bottom) and its colour. `changeColour` runs when "change guide
// colour" is pressed and answers the new colour, or nothing when none was chosen.
struct TDefGuideDlg1 {
    static constexpr const char* Caption = "Guide Line Details";
    static constexpr const char* Top = "at top of screen";
    static constexpr const char* Bottom = "at bottom of screen";
    static constexpr const char* Sample = "GUIDE:";
    static constexpr const char* ChangeColour = "change guide colour";
    static DialogDescription Make(int position, Colorref colour,
                                  std::function<std::optional<Colorref>(Colorref current)> changeColour);
    static int Position(const DialogDescription& d);
    static Colorref Colour(const DialogDescription& d);
};

} // namespace velmora
