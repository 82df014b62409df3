#include "qt/dialog_form.h"

#include "qt/picture_export.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <charconv>

namespace velmora {

namespace {

constexpr int PreviewWidth = 320, PreviewHeight = 240;
constexpr int SwatchWidth = 120, SwatchHeight = 24;

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
        return edit;
    }
    case FieldKind::Radio:
    case FieldKind::PictureRadio: {
        auto* radio = new QRadioButton(QString::fromStdString(f.Label));
        if (!f.Hint.empty()) radio->setToolTip(QString::fromStdString(f.Hint));
        return radio;
    }
    case FieldKind::Check:
        return new QCheckBox(QString::fromStdString(f.Label));
    case FieldKind::Static: {
        auto* label = new QLabel(LabelText(f.Label));
        label->setWordWrap(true);
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

void DialogForm::Build() {
    auto* top = new QVBoxLayout(this);
    std::map<std::string, QVBoxLayout*> groupBoxes;
    std::map<std::string, QButtonGroup*> radioGroups;
    QHBoxLayout* lastEditRow = nullptr;
    std::string lastEditGroup;

    for (const DialogField& f : D.Fields) {
        QVBoxLayout* into = top;
        if (!f.Group.empty()) {
            auto& box = groupBoxes[f.Group];
            if (!box) {
                auto* group = new QGroupBox(LabelText(f.Group));
                box = new QVBoxLayout(group);
                top->addWidget(group);
            }
            into = box;
        }
        QWidget* w = MakeFieldWidget(f);
        w->setObjectName(QString::fromStdString(f.Label));
        Widgets.push_back(w);

        if (IsRadio(f.Kind)) {
            auto& bg = radioGroups[f.Group];
            if (!bg) bg = new QButtonGroup(this);
            bg->addButton(static_cast<QRadioButton*>(w));
        }
        // A short note straight after an edit box ("pts", "mm") reads as its unit, on the same row.
        const bool unitNote =
            f.Kind == FieldKind::Static && lastEditRow && lastEditGroup == f.Group && f.Label.size() <= 12;
        if (unitNote) {
            lastEditRow->addWidget(w);
            lastEditRow = nullptr;
            continue;
        }
        lastEditRow = nullptr;
        if (IsEdit(f.Kind)) {
            auto* row = new QHBoxLayout;
            auto* label = new QLabel(LabelText(f.Label));
            label->setBuddy(w);
            row->addWidget(label);
            row->addWidget(w);
            into->addLayout(row);
            lastEditRow = row;
            lastEditGroup = f.Group;
        } else {
            into->addWidget(w);
        }
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (std::size_t i = 0; i < D.Buttons.size(); ++i) {
        auto* b = new QPushButton(QString::fromStdString(D.Buttons[i].Caption));
        b->setObjectName(QString::fromStdString(D.Buttons[i].Caption));
        b->setAutoDefault(false);
        if (i == 0 && D.Buttons[i].Closes && !D.Buttons[i].IsCancel) b->setDefault(true);
        connect(b, &QPushButton::clicked, this, [this, i] { PressIndex(i); });
        Buttons.push_back(b);
        buttons->addWidget(b);
    }
    top->addLayout(buttons);
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
    if (D.Check)
        if (const std::optional<std::string> refused = D.Check(D, b.Caption)) {
            U.Message(D.Caption, *refused, MessageKind::Information);
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
