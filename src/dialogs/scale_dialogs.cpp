#include "dialogs/scale_dialogs.h"

#include "view/units.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace velmora {

namespace {

template <typename... Args> std::string Format(const char* format, Args... args) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

void AddButtons(DialogDescription& d, const char* ok) {
    d.Buttons.push_back(MakeButton(ok));
    d.Buttons.push_back(MakeButton("Cancel", true, true));
}

// The zoom of the chosen button of a table, or the zoom as it was when none is chosen.
template <std::size_t N>
float ChosenZoom(const DialogDescription& d, const char* group, const std::array<const char*, N>& labels,
                 const std::array<int, N>& zooms, float current) {
    const std::string chosen = d.Chosen(group);
    for (std::size_t i = 0; i < N; ++i)
        if (chosen == labels[i]) return static_cast<float>(zooms[i]);
    return current;
}

// The site zoom an entry stands for; an entry that is no positive number keeps the previous one.
float SiteZoomFrom(int entered, float zoom, float previous) {
    return entered > 0 ? zoom : previous;
}

constexpr std::array<const char*, 9> MetricLabels{"= 5 mm.",  "= 10 mm.", "= 15 mm.", "= 20 mm.", "= 25 mm.",
                                                  "= 30 mm.", "= 35 mm.", "= 40 mm.", "= 45 mm."};
constexpr std::array<int, 9> MetricZooms{1, 2, 3, 4, 5, 6, 7, 8, 9};

constexpr std::array<const char*, 6> ImperialLabels{"= 1/4 inch", "= 1/2 inch", "= 1 inch",
                                                    "= 2 inches", "= 3 inches", "= 6 inches"};
constexpr std::array<int, 6> ImperialZooms{1, 2, 4, 8, 12, 24};

// The note of a row of the zoom table: the first row shows the drawing largest, the last smallest, and the
// row of the default zoom is the normal one.
const char* RowNote(std::size_t row, std::size_t rows, const char* first, const char* normal,
                    const char* last, std::size_t normalRow) {
    if (row == 0) return first;
    if (row == normalRow) return normal;
    if (row + 1 == rows) return last;
    return nullptr;
}

constexpr const char* PrintNote = "NOTE this does NOT not affect printing scales";

} // namespace

DialogDescription TTScaledlg::Make(float zoomFactor, float siteZoom, int clientWidth) {
    DialogDescription d;
    d.Caption = Caption;
    // The box's title reads into each button: "each pixel / screen dot" "= 5 mm.", the longest length
    // beside it, and the rows at the ends and in the middle named for what they show.
    d.Fields.push_back(InColumn(StaticText("max length shown on screen", Group), 1));
    for (std::size_t i = 0; i < MetricLabels.size(); ++i) {
        const int zoom = MetricZooms[i];
        d.Fields.push_back(RadioField(MetricLabels[i], zoomFactor == static_cast<float>(zoom), Group));
        const std::int64_t longest = std::int64_t{zoom} * 5 * clientWidth;
        d.Fields.push_back(Beside(StaticText(Format("%lld mm.", static_cast<long long>(longest)), Group)));
        if (const char* note = RowNote(i, MetricLabels.size(), "largest", "normal", "smallest", 4))
            d.Fields.push_back(Beside(StaticText(note, Group)));
    }
    d.Fields.push_back(StaticText(PrintNote));
    DialogField site =
        MakeField(SiteLabel, FieldKind::Number, std::to_string(std::int64_t{TruncToInt(siteZoom)} * 5));
    site.Hint = "only used for site plans";
    d.Fields.push_back(site);
    d.Fields.push_back(Beside(StaticText("mm.")));
    AddButtons(d, "O K");
    return d;
}

ScaleChoice TTScaledlg::Result(const DialogDescription& d, float zoomFactor, float siteZoom) {
    const int entered = ReadNumberOrZero(d.Value(SiteLabel));
    return {ChosenZoom(d, Group, MetricLabels, MetricZooms, zoomFactor),
            SiteZoomFrom(entered, static_cast<float>(entered) / 5.0f, siteZoom)};
}

DialogDescription TTScaleImpdlg::Make(float zoomFactor, float siteZoom, int clientWidth) {
    DialogDescription d;
    d.Caption = Caption;
    d.Fields.push_back(InColumn(StaticText("max length shown on screen", Group), 1));
    for (std::size_t i = 0; i < ImperialLabels.size(); ++i) {
        const int zoom = ImperialZooms[i];
        d.Fields.push_back(RadioField(ImperialLabels[i], zoomFactor == static_cast<float>(zoom), Group));
        const std::int64_t inches = std::int64_t{zoom} * clientWidth / 4;
        d.Fields.push_back(
            Beside(StaticText(Format("%lld ft, %lld inches", static_cast<long long>(inches / 12),
                                     static_cast<long long>(inches % 12)),
                              Group)));
        if (const char* note = RowNote(i, ImperialLabels.size(), "larger", "normal", "smaller", 2))
            d.Fields.push_back(Beside(StaticText(note, Group)));
    }
    d.Fields.push_back(StaticText(PrintNote));
    d.Fields.push_back(StaticText("SITE PLAN only"));
    DialogField site = MakeField(SiteLabel, FieldKind::Number, std::to_string(TruncToInt(siteZoom / 4.0f)));
    site.Hint = "Only used for site plans - scale may not be 100 % accurate";
    d.Fields.push_back(site);
    d.Fields.push_back(Beside(StaticText("inches ")));
    d.Fields.push_back(StaticText("{ normal for an average block, about 3 or 4 inches )"));
    AddButtons(d, "OK");
    return d;
}

ScaleChoice TTScaleImpdlg::Result(const DialogDescription& d, float zoomFactor, float siteZoom) {
    const int entered = ReadNumberOrZero(d.Value(SiteLabel));
    return {ChosenZoom(d, Group, ImperialLabels, ImperialZooms, zoomFactor),
            SiteZoomFrom(entered, static_cast<float>(entered) * 4.0f, siteZoom)};
}

} // namespace velmora
