#pragma once

// Printing and its preview come from a module of their own (printmodule.cpp), the only code
// that links Qt's print support. The window loads it on the first print, so that starting the
// program loads no print system.

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

class PrintService {
public:
    virtual ~PrintService() = default;

    // Paints the document on the device; false when no painter could be started on it.
    using Paint = std::function<bool(QPagedPaintDevice&)>;

    // The document about to be printed: the folder and name that printing to a file offers, as
    // the PDF's save dialog does (".../zorvandi-m3-z36.pdf"), and its orientation. Each document
    // sets its own, so one printed landscape leaves none after it so; the paper the user chose
    // stands.
    virtual void setDocument(const QString& pdfPath, QPageLayout::Orientation orientation) = 0;
    // The print preview, modal over `parent`.
    virtual void preview(QWidget* parent, const Paint& paint) = 0;
    // The print dialog, then the printing. False only when the chosen printer could not be
    // painted on; a cancelled dialog is not a failure.
    virtual bool print(QWidget* parent, const Paint& paint) = 0;

protected:
    PrintService() = default;
    PrintService(const PrintService&) = default;
    PrintService& operator=(const PrintService&) = default;
};

// The module's entry point, resolved by name: a print service whose pages start with this layout.
using MakePrintService = PrintService* (*)(const QPageLayout& layout);
inline constexpr const char* makePrintServiceSymbol = "zorvandi_make_print_service";
