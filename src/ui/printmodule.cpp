// The print module: the print dialog, the preview and the printer, behind PrintService.

#include "ui/printservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QWidget>

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

class PrinterService final : public PrintService {
public:
    explicit PrinterService(const QPageLayout& layout) {
        m_printer.setPageLayout(layout);
        m_printer.setDocName(QStringLiteral("ZORVANDI"));
    }

    void setDocument(const QString& pdfPath, QPageLayout::Orientation orientation) override {
        m_printer.setPageOrientation(orientation);
        m_printer.setDocName(QFileInfo(pdfPath).fileName());
        m_pdfPath = pdfPath;
        // A printer that printed to a file last time offers that file again unless told the
        // new document's.
        if (!m_printer.outputFileName().isEmpty()) {
            m_printer.setOutputFileName(pdfPath);
        }
    }

    void preview(QWidget* parent, const Paint& paint) override {
        QPrintPreviewDialog dialog(&m_printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("PrintModule", "Baskı Önizleme"));
        // Qt opens the preview at a size of its own, which a small screen does not hold.
        if (const QScreen* screen = parent != nullptr ? parent->screen() : nullptr) {
            const QRect room = screen->availableGeometry();
            dialog.resize(dialog.sizeHint().boundedTo(room.size() * 9 / 10));
            dialog.move(room.center() - dialog.rect().center());
        }
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter* printer) { paint(*printer); });
        dialog.exec();
    }

    bool print(QWidget* parent, const Paint& paint) override {
        // Qt's dialog offers a file in the working folder (when it is the user's) named after
        // the document, chosen as the dialog is made; for the while of the dialog that folder is
        // the one the PDF's save offers, so both offer the same file. Setting the printer's file
        // instead would turn the dialog to printing to a file.
        const QString working = QDir::currentPath();
        QDir::setCurrent(QFileInfo(m_pdfPath).absolutePath());
        QPrintDialog dialog(&m_printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("PrintModule", "Yazdır"));
        const int answer = dialog.exec();
        QDir::setCurrent(working);
        if (answer != QDialog::Accepted) {
            return true;
        }
        return paint(m_printer);
    }

private:
    QPrinter m_printer; // keeps the chosen printer and its settings from one print to the next
    QString m_pdfPath;  // where printing to a file puts the document
};

} // namespace

extern "C" Q_DECL_EXPORT PrintService* zorvandi_make_print_service(const QPageLayout& layout) {
    return new PrinterService(layout);
}
