// Where print jobs go: the system's default printer, or a PDF file in its place.
#pragma once

#include <QString>

#include <memory>

class QPrinter;

class PrinterService
{
public:
    enum class Target { Ready, NoPrinter, NoDefaultPrinter };

    virtual ~PrinterService() = default;

    /// Points the printer at where this service prints. Anything but Ready leaves the printer
    /// as it was, and nothing should be printed on it.
    virtual Target direct(QPrinter &printer) = 0;
};

/// The system's default printer, looked up anew for every job.
class DefaultPrinterService : public PrinterService
{
public:
    Target direct(QPrinter &printer) override;
};

/// Prints into a PDF file instead of on paper (tests, previews); the file is replaced.
class PdfFilePrinterService : public PrinterService
{
public:
    explicit PdfFilePrinterService(const QString &fileName)
        : m_fileName(fileName)
    { }

    Target direct(QPrinter &printer) override;

private:
    QString m_fileName;
};

/// The service in use; by default the system's default printer.
PrinterService &printers();
/// Replaces the service (tests); null restores the default printer.
void setPrinterService(std::unique_ptr<PrinterService> service);
