#include "qt/qt_ui.h"

#include "dialogs/dialog.h"
#include "qt/dialog_form.h"
#include "qt/help_window.h"
#include "qt/painter_print_job.h"
#include "qt/picture_export.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTimer>

namespace velmora {

namespace {

QString Title(const std::string& title) {
    return title.empty() ? QString(FrameCaption) : QString::fromStdString(title);
}

// A box asked for while a dialog is open stands over that dialog: parented to the frame it could open
// behind the dialog, which keeps it from the user.
QWidget* Owner(QWidget& frame) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : &frame;
}

QColor ToQColor(Colorref c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace

// The guide line's words without their "GUIDE:" prefix ("Select new colour for the guide line (HINT: not too
// dark)"), or empty when the guide line says nothing of a colour.
QString ColourChooserTitle(const std::string& guide) {
    QString text = QString::fromStdString(guide).trimmed();
    if (text.startsWith("GUIDE:", Qt::CaseInsensitive) || text.startsWith("GUIDE;", Qt::CaseInsensitive))
        text = text.mid(6).trimmed();
    if (!text.contains("colour", Qt::CaseInsensitive) && !text.contains("color", Qt::CaseInsensitive))
        return {};
    return text;
}

namespace {

Colorref FromQColor(const QColor& c) {
    return Rgb(c.red(), c.green(), c.blue());
}

} // namespace

QString FileFilter(const std::string& pattern) {
    const QStringList parts = QString::fromStdString(pattern).split('|');
    if (parts.size() >= 2) {
        QStringList filters;
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
        return filters.join(";;");
    }
    if (pattern.empty()) return "All files (*)";
    const QString globs = QString::fromStdString(pattern).replace(';', ' ');
    return globs + " (" + globs + ")";
}

QtUi::QtUi(TMainForm& form, std::filesystem::path helpFolder) : F(form), HelpFolder(std::move(helpFolder)) {}

QtUi::~QtUi() = default;

void QtUi::Message(const std::string& title, const std::string& text, MessageKind kind) {
    const QString t = Title(title), body = QString::fromStdString(text);
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(Owner(F), t, body);
        break;
    case MessageKind::Error:
        QMessageBox::critical(Owner(F), t, body);
        break;
    case MessageKind::Warning:
        QMessageBox::warning(Owner(F), t, body);
        break;
    }
}

bool QtUi::AskYesNo(const std::string& title, const std::string& text) {
    return QMessageBox::question(Owner(F), Title(title), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtUi::AskOkCancel(const std::string& title, const std::string& text) {
    return QMessageBox::question(Owner(F), Title(title), QString::fromStdString(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

// With a Cancel button the box's escape button is Cancel: Escape and the close button leave it so.
std::optional<bool> QtUi::AskYesNoCancel(const std::string& title, const std::string& text) {
    const auto answer =
        QMessageBox::question(Owner(F), Title(title), QString::fromStdString(text),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return true;
    if (answer == QMessageBox::No) return false;
    return std::nullopt;
}

std::optional<std::string> QtUi::InputBox(const std::string& caption, const std::string& prompt,
                                          const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(Owner(F), Title(caption), QString::fromStdString(prompt),
                                               QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::string QtUi::RunDialog(DialogDescription& dialog) {
    DialogForm form(dialog, *this, Owner(F));
    return form.Run();
}

void QtUi::OpenDrawingWindow(const std::string& caption) {
    TMDIChildWidget* w = F.OpenDrawingWindow(caption);
    w->SetBackground(Background);
    w->SetCursorPos(Cursor);
    w->Invalidate(std::nullopt);
}

Canvas* QtUi::WindowCanvas() {
    TMDIChildWidget* w = F.DrawingWindow();
    return w ? w->GetCanvas() : nullptr;
}

Size QtUi::ClientSize() const {
    TMDIChildWidget* w = F.DrawingWindow();
    return w ? w->ClientSize() : Size{};
}

void QtUi::Invalidate(std::optional<Rect> pixels) {
    if (TMDIChildWidget* w = F.DrawingWindow()) w->Invalidate(pixels);
}

void QtUi::UpdateNow() {
    if (TMDIChildWidget* w = F.DrawingWindow()) w->UpdateNow();
}

void QtUi::SetScroll(const ScrollState& s) {
    if (TMDIChildWidget* w = F.DrawingWindow()) w->SetScroll(s);
}

ScrollState QtUi::Scroll() const {
    TMDIChildWidget* w = F.DrawingWindow();
    return w ? w->Scroll() : ScrollState{};
}

void QtUi::SetBackground(Colorref c) {
    Background = c;
    if (TMDIChildWidget* w = F.DrawingWindow()) w->SetBackground(c);
}

Point QtUi::CursorPos() const {
    TMDIChildWidget* w = F.DrawingWindow();
    return w ? w->CursorPos() : Cursor;
}

void QtUi::SetCursorPos(Point p) {
    Cursor = p;
    if (TMDIChildWidget* w = F.DrawingWindow()) w->SetCursorPos(p);
}

void QtUi::ShowHelp(const std::string& page) {
    if (!HelpView) HelpView = new HelpWindow(HelpFolder, &F);
    HelpView->ShowPage(page);
}

std::optional<std::string> QtUi::ChooseFile(const std::string& title, const std::string& folder,
                                            const std::string& pattern, bool forSaving) {
    const QString dir = QString::fromStdString(folder), filter = FileFilter(pattern);
    const QString chosen = forSaving ? QFileDialog::getSaveFileName(&F, Title(title), dir, filter)
                                     : QFileDialog::getOpenFileName(&F, Title(title), dir, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<Colorref> QtUi::ChooseColour(Colorref initial, std::vector<Colorref>& customColours) {
    const int count = std::min<int>(QColorDialog::customCount(), static_cast<int>(customColours.size()));
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, ToQColor(customColours[static_cast<std::size_t>(i)]));
    QColorDialog dialog(ToQColor(initial), &F);
    // The guide line says what is being coloured, but the chooser covers the frame: its title says it again.
    const QString title = ColourChooserTitle(F.Panel(0));
    if (!title.isEmpty()) dialog.setWindowTitle(title);
    const bool ok = dialog.exec() == QDialog::Accepted;
    // The user may have edited the custom colours even when cancelling; they are kept either way.
    for (int i = 0; i < count; ++i)
        customColours[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    if (!ok) return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

std::optional<FontChoice> QtUi::ChooseFont(const FontChoice& initial) {
    QFont start(QString::fromStdString(initial.FaceName), initial.PointSize > 0 ? initial.PointSize : 10);
    start.setBold(initial.Bold);
    start.setItalic(initial.Italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, &F);
    if (!ok) return std::nullopt;
    FontChoice out = initial;
    out.FaceName = chosen.family().toStdString();
    out.PointSize = chosen.pointSize() > 0 ? chosen.pointSize() : initial.PointSize;
    out.Bold = chosen.bold();
    out.Italic = chosen.italic();
    return out;
}

std::unique_ptr<PrintJob> QtUi::StartPrintJob(const PrintJobRequest& request) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!PrinterName.isEmpty()) printer->setPrinterName(PrinterName);
    printer->setPageOrientation(request.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setDocName(QString::fromStdString(request.DocumentName));
    // The toolkit's print dialog lists the printers and, beside them, printing to a PDF file.
    QPrintDialog dialog(printer.get(), &F);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    if (printer->outputFormat() == QPrinter::NativeFormat) PrinterName = printer->printerName();
    return JobForPrinter(std::move(printer), request);
}

void QtUi::PrinterSetup() {
    QPrinter printer(QPrinter::HighResolution);
    if (!PrinterName.isEmpty()) printer.setPrinterName(PrinterName);
    QPrintDialog dialog(&printer, &F);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() == QDialog::Accepted) PrinterName = printer.printerName();
}

std::optional<CapturedPicture> QtUi::CaptureWindow() {
    TMDIChildWidget* w = F.DrawingWindow();
    if (!w) return std::nullopt;
    return CapturePicture(w->ClientPicture());
}

void QtUi::StartOneShotTimer(int ms, std::function<void()> fn) {
    QTimer::singleShot(ms, &F, [this, fn = std::move(fn)] {
        F.Dispatch(fn);
        if (TMDIChildWidget* w = F.DrawingWindow()) w->Area()->update();
    });
}

} // namespace velmora
