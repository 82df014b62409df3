#include "qt/dialog_form.h"

#include "qt/picture_export.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <memory>

namespace velmora {

namespace {

constexpr int PreviewWidth = 320, PreviewHeight = 240;
constexpr int SwatchWidth = 120, SwatchHeight = 24;
constexpr int NumberDigits = 8, NumberMargin = 12;
constexpr int OneLineNote = 60; // characters

bool IsRadio(FieldKind k) {
    return k == FieldKind::Radio || k == FieldKind::PictureRadio;
}

bool IsEdit(FieldKind k) {
    return k == FieldKind::Text || k == FieldKind::Number;
}

Colorref ParseColour(const std::string& v) {
    Colorref c = 0;
    std::from_chars(v.data(), v.data() + v.size(), c);
    return c;
}

void PaintSwatch(QWidget* swatch, Colorref c) {
    swatch->setStyleSheet(QString("background-color: rgb(%1, %2, %3); color: black; border: 1px solid black;")
                              .arg(RedOf(c))
                              .arg(GreenOf(c))
                              .arg(BlueOf(c)));
}

// A preview's size from its hint "WxH", or the default.
QSize PreviewSize(const std::string& hint) {
    int w = 0, h = 0;
    const auto x = hint.find('x');
    if (x != std::string::npos) {
        std::from_chars(hint.data(), hint.data() + x, w);
        std::from_chars(hint.data() + x + 1, hint.data() + hint.size(), h);
    }
    if (w <= 0 || h <= 0 || w > 2000 || h > 2000) return {PreviewWidth, PreviewHeight};
    return {w, h};
}

} // namespace

QString LabelText(const std::string& caption) {
    return QString::fromStdString(caption).replace("&&", "&");
}

DialogForm::DialogForm(DialogDescription& dialog, Ui& ui, QWidget* parent)
    : QDialog(parent), D(dialog), U(ui) {
    setObjectName("DialogForm");
    setWindowTitle(QString::fromStdString(D.Caption));
    setModal(true);
    Build();
    RefreshFields();
}

QWidget* DialogForm::MakeFieldWidget(const DialogField& f) {
    switch (f.Kind) {
    case FieldKind::Text:
    case FieldKind::Number: {
        auto* edit = new QLineEdit;
        if (f.MaxLength > 0) edit->setMaxLength(f.MaxLength);
        if (f.Kind == FieldKind::Number) {
            // Sized for the numbers it takes (seven digits and a sign), so its unit stands close by
            // instead of across a box as wide as a name.
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(NumberDigits, '0')) +
                                NumberMargin);
        }
        return edit;
    }
    case FieldKind::Radio:
    case FieldKind::PictureRadio: {
        auto* radio = new QRadioButton(QString::fromStdString(f.Label));
        if (!f.Hint.empty()) radio->setToolTip(QString::fromStdString(f.Hint));
        // A picture radio shows its picture from the built-in icons when there is one of that name.
        const QString icon = ":/icons/" + QString::fromStdString(f.Hint) + ".svg";
        if (f.Kind == FieldKind::PictureRadio && QFile::exists(icon)) {
            radio->setIcon(QIcon(icon));
            radio->setIconSize(QSize(32, 32));
        }
        return radio;
    }
    case FieldKind::Check:
        return new QCheckBox(QString::fromStdString(f.Label));
    case FieldKind::Static: {
        auto* label = new QLabel(LabelText(f.Label));
        label->setWordWrap(true);
        // A wrapping label takes the narrowest width its row allows; a note short enough for one line of a
        // dialog keeps to one line instead of breaking "mm. )" onto a line of its own.
        const int oneLine = label->fontMetrics().horizontalAdvance(label->text());
        if (oneLine <= label->fontMetrics().averageCharWidth() * OneLineNote) label->setMinimumWidth(oneLine);
        return label;
    }
    case FieldKind::ColourSwatch: {
        // A sample of the thing coloured: its words on the colour ("GUIDE:" on the guide line's colour).
        auto* swatch = new QLabel(LabelText(f.Label));
        swatch->setFixedSize(SwatchWidth, SwatchHeight);
        swatch->setContentsMargins(4, 0, 4, 0);
        return swatch;
    }
    case FieldKind::Preview: {
        auto* picture = new QLabel;
        picture->setFixedSize(PreviewSize(f.Hint));
        picture->setFrameShape(QFrame::Box);
        return picture;
    }
    }
    return new QWidget;
}

namespace {

// The fields of one group (or of the dialog outside any group) as rows of cells, placed on a grid once all
// are known: a row with one cell at the start spans the grid, so a long note never widens a column.
class FieldGrid {
public:
    explicit FieldGrid(QGridLayout* grid) : Grid(grid) {}

    void NewRow(int column) {
        Rows.emplace_back();
        Next = std::max(column, 0);
    }
    void Add(QWidget* w, int column) {
        if (Rows.empty()) NewRow(0);
        const int at = column >= 0 ? std::max(column, Next) : Next;
        Rows.back().push_back({w, at});
        Next = at + 1;
    }
    bool RowEmpty() const { return Rows.empty() || Rows.back().empty(); }

    void Place() {
        int columns = 1;
        for (const auto& row : Rows)
            for (const Cell& c : row)
                columns = std::max(columns, c.Column + 1);
        for (int r = 0; r < static_cast<int>(Rows.size()); ++r) {
            const auto& row = Rows[static_cast<std::size_t>(r)];
            const bool alone = row.size() == 1 && row.front().Column == 0;
            for (const Cell& c : row)
                Grid->addWidget(c.W, r, c.Column, 1, alone ? columns : 1);
        }
        // What is left over goes to the right, so the columns stay together.
        Grid->setColumnStretch(columns, 1);
    }

private:
    struct Cell {
        QWidget* W;
        int Column;
    };
    QGridLayout* Grid;
    std::vector<std::vector<Cell>> Rows;
    int Next = 0;
};

// An edit box's unit ("mm.", "inches") in the cell after the box, so a column of boxes keeps its units
// lined up beside them.
void AddUnit(FieldGrid& grid, const DialogField& f) {
    if (f.Unit.empty()) return;
    auto* unit = new QLabel(LabelText(f.Unit));
    unit->setObjectName(QString::fromStdString(f.Label) + " unit");
    grid.Add(unit, -1);
}

} // namespace

void DialogForm::Build() {
    auto* top = new QVBoxLayout(this);
    // Each group's grid, and the grid of the fields outside a group: a new one after each group box, so the
    // dialog reads from top to bottom in the description's order.
    std::map<std::string, std::unique_ptr<FieldGrid>> grids;
    std::vector<std::unique_ptr<FieldGrid>> loose;
    std::map<std::string, QButtonGroup*> radioGroups;
    const DialogField* previous = nullptr;

    auto gridFor = [&](const std::string& group) -> FieldGrid& {
        if (!group.empty()) {
            auto& grid = grids[group];
            if (!grid) {
                // A box's title takes "&&" for "&" as a button does; a lone "&" would underline the next
                // letter and lose the ampersand ("using feet && inches").
                auto* box = new QGroupBox(QString::fromStdString(group));
                grid = std::make_unique<FieldGrid>(new QGridLayout(box));
                top->addWidget(box);
                loose.push_back(nullptr); // fields after the box start a grid of their own
            }
            return *grid;
        }
        if (loose.empty() || !loose.back()) {
            auto* layout = new QGridLayout;
            top->addLayout(layout);
            loose.push_back(std::make_unique<FieldGrid>(layout));
        }
        return *loose.back();
    };

    for (std::size_t i = 0; i < D.Buttons.size(); ++i)
        Buttons.push_back(MakeButton(i));

    for (const DialogField& f : D.Fields) {
        QWidget* w = MakeFieldWidget(f);
        w->setObjectName(QString::fromStdString(f.Label));
        Widgets.push_back(w);
        if (IsRadio(f.Kind)) {
            auto& bg = radioGroups[f.Group];
            if (!bg) bg = new QButtonGroup(this);
            bg->addButton(static_cast<QRadioButton*>(w));
        }
        FieldGrid& grid = gridFor(f.Group);
        // A short note straight after an edit box ("pts", "mm") reads as its unit, on the same row.
        const bool unitNote = f.Kind == FieldKind::Static && previous && IsEdit(previous->Kind) &&
                              previous->Group == f.Group && f.Label.size() <= 12;
        const bool beside =
            (f.Beside || unitNote) && !grid.RowEmpty() && previous && previous->Group == f.Group;
        if (!beside) grid.NewRow(f.Column);
        if (IsEdit(f.Kind) && f.Label == f.Group) {
            // The box's title names its one edit box already ("dimension text size"); said twice it reads
            // as two things.
            w->setAccessibleName(LabelText(f.Label));
            grid.Add(w, beside ? f.Column : -1);
            AddUnit(grid, f);
        } else if (IsEdit(f.Kind)) {
            // The label sits against its box, whatever the length of the labels above and below it.
            auto* label = new QLabel(LabelText(f.Label));
            label->setObjectName(QString::fromStdString(f.Label) + " label");
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setBuddy(w);
            grid.Add(label, beside ? f.Column : -1);
            grid.Add(w, -1);
            AddUnit(grid, f);
        } else {
            grid.Add(w, beside ? f.Column : -1);
        }
        for (std::size_t i = 0; i < D.Buttons.size(); ++i)
            if (!D.Buttons[i].BesideField.empty() && D.Buttons[i].BesideField == f.Label)
                grid.Add(Buttons[i], -1);
        previous = &f;
    }
    for (auto& [group, grid] : grids)
        grid->Place();
    for (auto& grid : loose)
        if (grid) grid->Place();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (std::size_t i = 0; i < D.Buttons.size(); ++i)
        if (D.Buttons[i].BesideField.empty() || !D.Field(D.Buttons[i].BesideField))
            buttons->addWidget(Buttons[i]);
    top->addLayout(buttons);
}

QPushButton* DialogForm::MakeButton(std::size_t i) {
    auto* b = new QPushButton(QString::fromStdString(D.Buttons[i].Caption));
    b->setObjectName(QString::fromStdString(D.Buttons[i].Caption));
    b->setAutoDefault(false);
    if (i == 0 && D.Buttons[i].Closes && !D.Buttons[i].IsCancel) b->setDefault(true);
    connect(b, &QPushButton::clicked, this, [this, i] { PressIndex(i); });
    return b;
}

void DialogForm::CollectFields() {
    for (std::size_t i = 0; i < D.Fields.size(); ++i) {
        DialogField& f = D.Fields[i];
        QWidget* w = Widgets[i];
        if (IsEdit(f.Kind))
            f.Value = static_cast<QLineEdit*>(w)->text().toStdString();
        else if (IsRadio(f.Kind))
            f.Value = static_cast<QRadioButton*>(w)->isChecked() ? "1" : "0";
        else if (f.Kind == FieldKind::Check)
            f.Value = static_cast<QCheckBox*>(w)->isChecked() ? "1" : "0";
    }
}

void DialogForm::RefreshFields() {
    for (std::size_t i = 0; i < D.Fields.size(); ++i) {
        const DialogField& f = D.Fields[i];
        QWidget* w = Widgets[i];
        w->setEnabled(f.Enabled);
        if (IsEdit(f.Kind)) {
            static_cast<QLineEdit*>(w)->setText(QString::fromStdString(f.Value));
        } else if (IsRadio(f.Kind)) {
            // An exclusive group never lets its chosen button go; the description may choose none.
            auto* radio = static_cast<QRadioButton*>(w);
            QButtonGroup* group = radio->group();
            group->setExclusive(false);
            radio->setChecked(f.Value == "1");
            group->setExclusive(true);
        } else if (f.Kind == FieldKind::Check) {
            static_cast<QCheckBox*>(w)->setChecked(f.Value == "1");
        } else if (f.Kind == FieldKind::Static) {
            static_cast<QLabel*>(w)->setText(LabelText(f.Label));
        } else if (f.Kind == FieldKind::ColourSwatch) {
            PaintSwatch(w, ParseColour(f.Value));
        } else if (f.Kind == FieldKind::Preview) {
            DrawPreview(i);
        }
    }
}

void DialogForm::DrawPreview(std::size_t index) {
    auto* label = static_cast<QLabel*>(Widgets[index]);
    const QSize s = label->size();
    const QImage picture = RenderPicture(s.width(), s.height(), Rgb(255, 255, 255), [this, s](Canvas& c) {
        if (D.DrawPreview) D.DrawPreview(c, s.width(), s.height());
    });
    label->setPixmap(QPixmap::fromImage(picture));
}

void DialogForm::Close(const std::string& caption) {
    Closed = caption;
    done(QDialog::Accepted);
}

void DialogForm::PressIndex(std::size_t index) {
    const DialogButton& b = D.Buttons[index];
    if (b.IsCancel) {
        Close(b.Caption);
        return;
    }
    CollectFields();
    if (!b.Closes) {
        if (b.Action)
            b.Action(D);
        else if (QString::fromStdString(b.Caption).trimmed() == "Help")
            U.ShowHelp(D.HelpPage);
        RefreshFields();
        return;
    }
    if (const std::optional<std::string> refused = D.Refusal(b.Caption)) {
        U.Message(D.TitleOfRefusal(), *refused, MessageKind::Information);
        return;
    }
    Close(b.Caption);
}

void DialogForm::Press(const std::string& caption) {
    for (std::size_t i = 0; i < D.Buttons.size(); ++i)
        if (D.Buttons[i].Caption == caption) {
            PressIndex(i);
            return;
        }
}

void DialogForm::reject() {
    for (std::size_t i = 0; i < D.Buttons.size(); ++i)
        if (D.Buttons[i].IsCancel) {
            PressIndex(i);
            return;
        }
    for (std::size_t i = 0; i < D.Buttons.size(); ++i)
        if (D.Buttons[i].Closes) {
            PressIndex(i);
            return;
        }
    Close("");
}

std::string DialogForm::Run() {
    Closed.clear();
    exec();
    return Closed;
}

QWidget* DialogForm::FieldWidget(const std::string& label) const {
    for (std::size_t i = 0; i < D.Fields.size(); ++i)
        if (D.Fields[i].Label == label) return Widgets[i];
    return nullptr;
}

QPushButton* DialogForm::ButtonWidget(const std::string& caption) const {
    for (std::size_t i = 0; i < D.Buttons.size(); ++i)
        if (D.Buttons[i].Caption == caption) return Buttons[i];
    return nullptr;
}

} // namespace velmora
