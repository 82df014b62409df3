// Every dialog the program shows, laid out offscreen as the user would see it: nothing overlaps, nothing
// stands outside the dialog, every edit box has its label right beside it, and the values that belong to a
// radio button or an edit box stand on its row.
#include "every_dialog.h"
#include "platform/scripted_ui.h"
#include "qt/dialog_form.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <sstream>

namespace velmora {
namespace {

using test::EveryDialog;
using test::NamedDialog;

// The form shown at its own size, as exec() would show it.
struct ShownForm {
    explicit ShownForm(DialogDescription d) : D(std::move(d)), Form(D, Ui) {
        Form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
    }
    QRect In(const QWidget* w) const { return QRect(w->mapTo(&Form, QPoint(0, 0)), w->size()); }
    // The widgets a user reads or uses: labels, buttons, boxes, pictures; not the group frames that hold
    // them.
    std::vector<QWidget*> Leaves() const {
        std::vector<QWidget*> out;
        for (QWidget* w : Form.findChildren<QWidget*>())
            if (w->isVisible() && !qobject_cast<QGroupBox*>(w) && w->parentWidget() &&
                (qobject_cast<QGroupBox*>(w->parentWidget()) || w->parentWidget() == &Form))
                out.push_back(w);
        return out;
    }
    std::ostringstream Out;
    ScriptedUi Ui{Out};
    DialogDescription D;
    DialogForm Form;
};

QLabel* LabelOf(const DialogForm& form, QWidget* edit) {
    for (QLabel* l : form.findChildren<QLabel*>())
        if (l->buddy() == edit) return l;
    return nullptr;
}

bool SameRow(const QRect& a, const QRect& b) {
    return std::abs(a.center().y() - b.center().y()) <= 4;
}

TEST(DialogLayoutTest, NoWidgetsOverlapAndEveryLabelSitsBesideItsField) {
    for (const NamedDialog& nd : EveryDialog()) {
        SCOPED_TRACE(nd.Name);
        ShownForm shown(nd.Make());
        const QRect whole = shown.Form.rect();
        const std::vector<QWidget*> leaves = shown.Leaves();
        ASSERT_FALSE(leaves.empty());
        for (std::size_t i = 0; i < leaves.size(); ++i) {
            const QRect a = shown.In(leaves[i]);
            EXPECT_TRUE(whole.contains(a)) << leaves[i]->objectName().toStdString() << " stands outside";
            for (std::size_t j = i + 1; j < leaves.size(); ++j)
                EXPECT_FALSE(a.intersects(shown.In(leaves[j])))
                    << leaves[i]->objectName().toStdString() << " overlaps "
                    << leaves[j]->objectName().toStdString();
        }
        for (const DialogField& f : shown.D.Fields) {
            if (f.Kind != FieldKind::Text && f.Kind != FieldKind::Number) continue;
            SCOPED_TRACE(f.Label);
            QWidget* edit = shown.Form.FieldWidget(f.Label);
            QLabel* label = LabelOf(shown.Form, edit);
            if (!f.Unit.empty()) {
                // The unit stands just right of its box, on its row.
                auto* unit = shown.Form.findChild<QLabel*>(QString::fromStdString(f.Label) + " unit");
                ASSERT_NE(unit, nullptr);
                EXPECT_EQ(unit->text().toStdString(), f.Unit);
                const QRect u = shown.In(unit), e = shown.In(edit);
                EXPECT_TRUE(SameRow(u, e));
                EXPECT_GE(u.left(), e.right());
                EXPECT_LE(u.left() - e.right(), 16);
            }
            if (f.Label == f.Group) {
                // Named by the title of its box, which it stands at the top of.
                EXPECT_EQ(label, nullptr);
                auto* box = qobject_cast<QGroupBox*>(edit->parentWidget());
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->title().toStdString(), f.Label);
                EXPECT_LT(shown.In(edit).top() - shown.In(box).top(), 2 * edit->height());
                continue;
            }
            ASSERT_NE(label, nullptr);
            const QRect l = shown.In(label), e = shown.In(edit);
            EXPECT_TRUE(SameRow(l, e));
            // Right against its box: the label's text ends where the box begins, not a column away.
            const int textEnd = l.right();
            EXPECT_LE(textEnd, e.left());
            EXPECT_LE(e.left() - textEnd, 16);
            EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        }
        // A group's title is said once, by its box, in the description's words: a box's title takes "&&"
        // for "&" as a button does.
        std::set<std::string> titles, groups;
        for (const DialogField& f : shown.D.Fields)
            groups.insert(f.Group);
        for (QGroupBox* box : shown.Form.findChildren<QGroupBox*>()) {
            EXPECT_EQ(groups.count(box->title().toStdString()), 1u) << box->title().toStdString();
            titles.insert(LabelText(box->title().toStdString()).toStdString());
        }
        for (QLabel* l : shown.Form.findChildren<QLabel*>())
            EXPECT_EQ(titles.count(l->text().toStdString()), 0u) << l->text().toStdString();
    }
}

// The screen scale dialogs read as a table: each button with the longest length beside it, the three
// notes on the rows they name, and the site plan's size with its unit.
TEST(DialogLayoutTest, TheScaleDialogsReadAsATableOfButtonsAndLengths) {
    const struct {
        const char* Name;
        DialogDescription D;
        std::vector<std::array<const char*, 3>> Rows; // button, length, note ("" for none)
        const char* Site;
        const char* Unit;
    } cases[] = {
        {"metric",
         TTScaledlg::Make(5.0f, 8.0f, 1000),
         {{"= 5 mm.", "5000 mm.", "largest"},
          {"= 10 mm.", "10000 mm.", ""},
          {"= 25 mm.", "25000 mm.", "normal"},
          {"= 45 mm.", "45000 mm.", "smallest"}},
         TTScaledlg::SiteLabel,
         "mm."},
        {"imperial",
         TTScaleImpdlg::Make(4.0f, 16.0f, 1000),
         {{"= 1/4 inch", "20 ft, 10 inches", "larger"},
          {"= 1 inch", "83 ft, 4 inches", "normal"},
          {"= 6 inches", "500 ft, 0 inches", "smaller"}},
         TTScaleImpdlg::SiteLabel,
         "inches "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ShownForm shown(c.D);
        const QWidget* header = shown.Form.FieldWidget("max length shown on screen");
        ASSERT_NE(header, nullptr);
        for (const auto& [button, length, note] : c.Rows) {
            SCOPED_TRACE(button);
            const QRect b = shown.In(shown.Form.FieldWidget(button));
            const QRect l = shown.In(shown.Form.FieldWidget(length));
            EXPECT_TRUE(SameRow(b, l));
            EXPECT_LT(b.right(), l.left());
            // The lengths stand in one column, under their heading.
            EXPECT_EQ(l.left(), shown.In(header).left());
            if (*note) {
                const QRect n = shown.In(shown.Form.FieldWidget(note));
                EXPECT_TRUE(SameRow(b, n));
                EXPECT_LT(l.right(), n.left());
            }
        }
        const QRect site = shown.In(shown.Form.FieldWidget(c.Site));
        const QRect unit = shown.In(shown.Form.FieldWidget(c.Unit));
        EXPECT_TRUE(SameRow(site, unit));
        EXPECT_LT(site.right(), unit.left());
    }
}

} // namespace
} // namespace velmora
