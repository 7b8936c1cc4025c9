// The printer object: the one current printer of the program (a QPrinter with the paper, orientation,
// colour and duplex codes of the old printer object, its drawing surface and job steps) and the list of
// installed printers that the print set-up chooses from.
#pragma once
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/gdi/PaintSurface.h"

class QPrinter;

namespace printer {

// Paper codes (DMPAPER_*): the sizes the program names; any other size reads as kUser.
namespace paper {
constexpr int kLetter = 1;
constexpr int kLegal = 5;
constexpr int kA3 = 8;
constexpr int kA4 = 9;
constexpr int kA5 = 11;
constexpr int kB4 = 12; // JIS B4, 257 x 364 mm
constexpr int kB5 = 13; // JIS B5, 182 x 257 mm
constexpr int kUser = 256;
} // namespace paper

constexpr int kPortrait = 1;
constexpr int kLandscape = 2;
constexpr int kMonochrome = 1;
constexpr int kColor = 2;

class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    QPrinter& device();
    const QPrinter& device() const;

    // The device context of the job: drawing on it opens the job and its first page. Choosing another
    // printer or resolution gives a new one: hold it only for one job.
    gdi::DeviceSurface& hDC();
    // True while a job is open (something was drawn and EndDoc has not come yet).
    bool jobOpen() const;
    // NewPage: ends the page and starts the next one (opening the job if need be).
    void NewPage();
    // EndDoc: finishes the job; the next drawing opens a new one.
    void EndDoc();

    // Identity. The driver and the port have no source here: both are "".
    QString DeviceName() const;
    QString DriverName() const { return QString(); }
    QString Port() const { return QString(); }

    // Paper code (paper::); setting a code that names no size, or one the printer refuses, throws
    // VbError 380. kUser keeps the current size as a user size.
    int PaperSize() const;
    void setPaperSize(int code);
    // A user-defined paper of the given size in twips (portrait measures); paper code kUser.
    void setUserPaper(int widthTw, int heightTw);
    // 1 portrait, 2 landscape; anything else throws VbError 380.
    int Orientation() const;
    void setOrientation(int value);
    // The paper source, an opaque number handed back as read.
    int PaperBin() const;
    void setPaperBin(int value);
    // The resolution in dots per inch.
    int PrintQuality() const;
    void setPrintQuality(int dpi);
    // 1 monochrome, 2 colour.
    int ColorMode() const;
    void setColorMode(int value);
    // 1 simplex, 2 long side, 3 short side; a side the printer cannot print throws VbError 380.
    int Duplex() const;
    void setDuplex(int value);
    // Only 100 per cent is kept; other values are taken and ignored.
    int Zoom() const { return 100; }
    void setZoom(int) {}

    // Paper size in twips as oriented (Width, Height).
    int Width() const;
    int Height() const;
    // The scale mode is twips, as the printing keeps it.
    int ScaleMode() const { return 1; }
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;
    // ScaleX/ScaleY: a value in `from` units (default HIMETRIC, as the runtime's) in `to` units.
    double ScaleX(double value, int from = 8, int to = 1) const;
    double ScaleY(double value, int from = 8, int to = 1) const;

    // Makes the named printer the device: an installed printer or a file printer of the list. False
    // when the name is in neither (the device stays as it was).
    bool select(const QString& name);

private:
    void applyFilePrinter(const QString& name, const QString& path);
    // A new device context after the device or its resolution changed (never during a job).
    void renewDc();

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<gdi::DeviceSurface> dc_;
    QString fileName_; // name of the file printer in use, "" for an installed one
};

// The program's current printer.
Printer& currentPrinter();
// A fresh current printer on the system's default printer (the start of the program; tests).
void resetCurrentPrinter();

// The printer list: the installed printers in the system's order, then the file printers.
QStringList printerNames();

// File printers write each job as a PDF file at a fixed 600 dots per inch: the printers a test chooses.
void addFilePrinter(const QString& name, const QString& pdfPath);
void clearFilePrinters();
// The PDF path of a file printer, "" when the name is not one.
QString filePrinterPath(const QString& name);

} // namespace printer
