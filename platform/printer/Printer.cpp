#include "platform/printer/Printer.h"

#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/error/VbError.h"
#include "platform/gdi/ScaleUnits.h"

namespace printer {

namespace {

constexpr int kFileDpi = 600;

QMap<QString, QString>& filePrinters() {
    static QMap<QString, QString> m;
    return m;
}
QStringList& filePrinterOrder() {
    static QStringList l;
    return l;
}

struct PaperCode {
    int code;
    QPageSize::PageSizeId id;
};
constexpr PaperCode kPapers[] = {
    {paper::kLetter, QPageSize::Letter}, {paper::kLegal, QPageSize::Legal}, {paper::kA3, QPageSize::A3},
    {paper::kA4, QPageSize::A4},         {paper::kA5, QPageSize::A5},       {paper::kB4, QPageSize::JisB4},
    {paper::kB5, QPageSize::JisB5},
};

VbError invalidValue(const QString& what) {
    return VbError::of(380, QStringLiteral("Printer"), what);
}

void setLayoutFullPage(QPrinter& p) {
    // Paper coordinates: the origin is the paper's corner, so the printable-area offset is 0.
    p.setFullPage(true);
    p.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

Printer::Printer() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setLayoutFullPage(*printer_);
    dc_ = std::make_unique<gdi::DeviceSurface>(printer_.get());
}

Printer::~Printer() {
    dc_.reset();
}

QPrinter& Printer::device() {
    return *printer_;
}

const QPrinter& Printer::device() const {
    return *printer_;
}

gdi::DeviceSurface& Printer::hDC() {
    return *dc_;
}

bool Printer::jobOpen() const {
    return printer_->printerState() == QPrinter::Active;
}

void Printer::NewPage() {
    dc_->newPage();
}

void Printer::EndDoc() {
    dc_->endDoc();
}

QString Printer::DeviceName() const {
    return fileName_.isEmpty() ? printer_->printerName() : fileName_;
}

int Printer::PaperSize() const {
    const QPageSize size = printer_->pageLayout().pageSize();
    for (const PaperCode& p : kPapers)
        if (size.id() == p.id)
            return p.code;
    return paper::kUser;
}

void Printer::setPaperSize(int code) {
    if (code == paper::kUser)
        return;
    for (const PaperCode& p : kPapers) {
        if (p.code != code)
            continue;
        if (!printer_->setPageSize(QPageSize(p.id)))
            throw invalidValue(QStringLiteral("PaperSize %1").arg(code));
        setLayoutFullPage(*printer_);
        return;
    }
    throw invalidValue(QStringLiteral("PaperSize %1").arg(code));
}

void Printer::setUserPaper(int widthTw, int heightTw) {
    if (widthTw <= 0 || heightTw <= 0)
        throw invalidValue(QStringLiteral("user paper %1 x %2").arg(widthTw).arg(heightTw));
    const QPageSize size(QSizeF(widthTw / 20.0, heightTw / 20.0), QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    if (!printer_->setPageSize(size))
        throw invalidValue(QStringLiteral("user paper %1 x %2").arg(widthTw).arg(heightTw));
    setLayoutFullPage(*printer_);
}

int Printer::Orientation() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
}

void Printer::setOrientation(int value) {
    if (value != kPortrait && value != kLandscape)
        throw invalidValue(QStringLiteral("Orientation %1").arg(value));
    printer_->setPageOrientation(value == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

int Printer::PaperBin() const {
    return static_cast<int>(printer_->paperSource());
}

void Printer::setPaperBin(int value) {
    if (value < 0 || value > QPrinter::LastPaperSource)
        throw invalidValue(QStringLiteral("PaperBin %1").arg(value));
    printer_->setPaperSource(static_cast<QPrinter::PaperSource>(value));
}

int Printer::PrintQuality() const {
    return printer_->resolution();
}

void Printer::setPrintQuality(int dpi) {
    if (dpi <= 0)
        throw invalidValue(QStringLiteral("PrintQuality %1").arg(dpi));
    if (dpi != printer_->resolution() && !jobOpen()) {
        printer_->setResolution(dpi);
        renewDc();
    }
}

int Printer::ColorMode() const {
    return printer_->colorMode() == QPrinter::Color ? kColor : kMonochrome;
}

void Printer::setColorMode(int value) {
    if (value != kColor && value != kMonochrome)
        throw invalidValue(QStringLiteral("ColorMode %1").arg(value));
    printer_->setColorMode(value == kColor ? QPrinter::Color : QPrinter::GrayScale);
}

int Printer::Duplex() const {
    switch (printer_->duplex()) {
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto:
        return 2;
    case QPrinter::DuplexShortSide:
        return 3;
    default:
        return 1;
    }
}

void Printer::setDuplex(int value) {
    static const QPrinter::DuplexMode modes[] = {QPrinter::DuplexNone, QPrinter::DuplexLongSide,
                                                 QPrinter::DuplexShortSide};
    if (value < 1 || value > 3)
        throw invalidValue(QStringLiteral("Duplex %1").arg(value));
    printer_->setDuplex(modes[value - 1]);
    // A printer without two-sided printing (a PDF file) keeps printing one side.
    if (Duplex() != value)
        throw invalidValue(QStringLiteral("Duplex %1").arg(value));
}

// From the paper's own millimetres: A4 is 11906 x 16838 twips, not the 595 x 842 points it is rounded to.
int Printer::Width() const {
    return gdi::vbRound(printer_->pageLayout().fullRect(QPageLayout::Millimeter).width() / 25.4 * 1440.0);
}

int Printer::Height() const {
    return gdi::vbRound(printer_->pageLayout().fullRect(QPageLayout::Millimeter).height() / 25.4 * 1440.0);
}

double Printer::TwipsPerPixelX() const {
    return dc_->twipsPerPixelX();
}

double Printer::TwipsPerPixelY() const {
    return dc_->twipsPerPixelY();
}

double Printer::ScaleX(double value, int from, int to) const {
    return gdi::scaleConvert(value, from, to, false, TwipsPerPixelX());
}

double Printer::ScaleY(double value, int from, int to) const {
    return gdi::scaleConvert(value, from, to, true, TwipsPerPixelY());
}

void Printer::renewDc() {
    // Text metrics and device fonts are kept per surface at the resolution it met first.
    dc_ = std::make_unique<gdi::DeviceSurface>(printer_.get());
}

void Printer::applyFilePrinter(const QString& name, const QString& path) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(path);
    printer_->setResolution(kFileDpi);
    setLayoutFullPage(*printer_);
    fileName_ = name;
    renewDc();
}

bool Printer::select(const QString& name) {
    if (jobOpen())
        return false;
    const auto file = filePrinters().constFind(name);
    if (file != filePrinters().constEnd()) {
        applyFilePrinter(name, *file);
        return true;
    }
    if (!QPrinterInfo::availablePrinterNames().contains(name))
        return false;
    printer_->setOutputFileName(QString());
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(name);
    setLayoutFullPage(*printer_);
    fileName_.clear();
    renewDc();
    return true;
}

namespace {
std::unique_ptr<Printer>& current() {
    static std::unique_ptr<Printer> p;
    return p;
}
} // namespace

Printer& currentPrinter() {
    if (!current())
        current() = std::make_unique<Printer>();
    return *current();
}

void resetCurrentPrinter() {
    current() = std::make_unique<Printer>();
}

QStringList printerNames() {
    return QPrinterInfo::availablePrinterNames() + filePrinterOrder();
}

void addFilePrinter(const QString& name, const QString& pdfPath) {
    if (!filePrinters().contains(name))
        filePrinterOrder().append(name);
    filePrinters().insert(name, pdfPath);
}

void clearFilePrinters() {
    filePrinters().clear();
    filePrinterOrder().clear();
}

QString filePrinterPath(const QString& name) {
    return filePrinters().value(name);
}

} // namespace printer
