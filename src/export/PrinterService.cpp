// The default printer of the system, and a PDF file standing in for it.
#include "export/PrinterService.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

std::unique_ptr<PrinterService> &currentService()
{
    static std::unique_ptr<PrinterService> service = std::make_unique<DefaultPrinterService>();
    return service;
}

} // namespace

PrinterService::Target DefaultPrinterService::direct(QPrinter &printer)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return Target::NoPrinter;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Target::NoDefaultPrinter;
    printer.setPrinterName(info.printerName());
    return Target::Ready;
}

PrinterService::Target PdfFilePrinterService::direct(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_fileName);
    return Target::Ready;
}

PrinterService &printers()
{
    return *currentService();
}

void setPrinterService(std::unique_ptr<PrinterService> service)
{
    currentService() = service ? std::move(service) : std::make_unique<DefaultPrinterService>();
}
